#pragma once
// The list of a group's member entries, each behind one blank, with as many visible
// rows as items.

#include <QListWidget>
#include <span>
#include <string>

namespace qv {

class MyList : public QListWidget {
    Q_OBJECT
public:
    // Adds items[0] to items[rows-1], each as " " + entry. An items span without data
    // gives an empty list; rows beyond the span throw std::out_of_range.
    MyList(int rows, bool multiSelect, std::span<const std::string> items, QWidget* parent = nullptr);

    int visibleRows() const { return rows_; }
    QSize sizeHint() const override;

private:
    int rows_;
};

}  // namespace qv
