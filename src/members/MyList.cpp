#include "members/MyList.h"

#include "members/display_items.h"

namespace qv {

MyList::MyList(int rows, bool multiSelect, std::span<const std::string> items, QWidget* parent)
    : QListWidget(parent), rows_(rows)
{
    setSelectionMode(multiSelect ? QAbstractItemView::MultiSelection : QAbstractItemView::SingleSelection);
    setUniformItemSizes(true);
    appendPrefixed(items, rows, " ", [this](const QString& item) { addItem(item); });
}

QSize MyList::sizeHint() const
{
    const int rowHeight = count() > 0 ? sizeHintForRow(0) : fontMetrics().height();
    const int frame = 2 * frameWidth();
    return {QListWidget::sizeHint().width(), rows_ * rowHeight + frame};
}

}  // namespace qv
