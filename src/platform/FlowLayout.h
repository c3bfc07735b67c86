#pragma once
// The toolkit's default flow arrangement: components side by side in the order added,
// each row centred, with 5-pixel gaps around them; a row that does not fit wraps.

#include <QLayout>
#include <vector>

namespace qv {

class FlowLayout : public QLayout {
public:
    explicit FlowLayout(QWidget* parent = nullptr);
    ~FlowLayout() override;

    void addItem(QLayoutItem* item) override;
    int count() const override;
    QLayoutItem* itemAt(int index) const override;
    QLayoutItem* takeAt(int index) override;
    QSize sizeHint() const override;
    QSize minimumSize() const override;
    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override;
    void setGeometry(const QRect& rect) override;
    Qt::Orientations expandingDirections() const override { return {}; }

    static constexpr int kGap = 5;

private:
    // Lays the items out in `rect` (only measures when `apply` is false); returns the height used.
    int arrange(const QRect& rect, bool apply) const;

    std::vector<QLayoutItem*> items_;
};

}  // namespace qv
