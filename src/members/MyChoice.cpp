#include "members/MyChoice.h"

#include "members/display_items.h"

namespace qv {

MyChoice::MyChoice(std::span<const std::string> items, int count, QWidget* parent) : QComboBox(parent)
{
    appendPrefixed(items, count, "  ", [this](const QString& item) { addItem(item); });
}

}  // namespace qv
