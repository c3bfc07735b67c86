#pragma once
// A one-line text field sized by a number of columns. Enter in it sends nothing.

#include <QLineEdit>

namespace qv {

class TextField : public QLineEdit {
    Q_OBJECT
public:
    explicit TextField(int columns, QWidget* parent = nullptr);

    int columns() const { return columns_; }
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

    std::string text8() const;
    void setText8(std::string_view text);

private:
    int columns_;
};

}  // namespace qv
