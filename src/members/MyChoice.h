#pragma once
// The drop-down of member groups: one item per group label, each behind two blanks.

#include <QComboBox>
#include <span>
#include <string>

namespace qv {

class MyChoice : public QComboBox {
    Q_OBJECT
public:
    // Adds items[0] to items[count-1], each as "  " + label. An items span without data
    // (a missing array) gives an empty choice; a count beyond the span throws
    // std::out_of_range. The first item added is selected.
    MyChoice(std::span<const std::string> items, int count, QWidget* parent = nullptr);
};

}  // namespace qv
