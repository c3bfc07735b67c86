#include "platform/FlowLayout.h"

#include <QWidget>
#include <algorithm>

namespace qv {

FlowLayout::FlowLayout(QWidget* parent) : QLayout(parent)
{
    setContentsMargins(0, 0, 0, 0);
}

FlowLayout::~FlowLayout()
{
    for (QLayoutItem* item : items_)
        delete item;
}

void FlowLayout::addItem(QLayoutItem* item)
{
    items_.push_back(item);
    invalidate();
}

int FlowLayout::count() const
{
    return static_cast<int>(items_.size());
}

QLayoutItem* FlowLayout::itemAt(int index) const
{
    return index >= 0 && index < count() ? items_[static_cast<std::size_t>(index)] : nullptr;
}

QLayoutItem* FlowLayout::takeAt(int index)
{
    if (index < 0 || index >= count())
        return nullptr;
    QLayoutItem* item = items_[static_cast<std::size_t>(index)];
    items_.erase(items_.begin() + index);
    invalidate();
    return item;
}

QSize FlowLayout::sizeHint() const
{
    // One row holding everything.
    int width = kGap;
    int height = 0;
    for (QLayoutItem* item : items_) {
        if (item->isEmpty())
            continue;
        width += item->sizeHint().width() + kGap;
        height = std::max(height, item->sizeHint().height());
    }
    const QMargins m = contentsMargins();
    return {width + m.left() + m.right(), height + 2 * kGap + m.top() + m.bottom()};
}

QSize FlowLayout::minimumSize() const
{
    // The widest single component, wrapped one a row.
    QSize size(0, 0);
    for (QLayoutItem* item : items_)
        if (!item->isEmpty())
            size = size.expandedTo(item->sizeHint());
    const QMargins m = contentsMargins();
    return size + QSize(2 * kGap + m.left() + m.right(), 2 * kGap + m.top() + m.bottom());
}

int FlowLayout::heightForWidth(int width) const
{
    return arrange(QRect(0, 0, width, 0), false);
}

void FlowLayout::setGeometry(const QRect& rect)
{
    QLayout::setGeometry(rect);
    arrange(rect, true);
}

int FlowLayout::arrange(const QRect& rect, bool apply) const
{
    const QRect area = rect.marginsRemoved(contentsMargins());
    int y = area.top() + kGap;
    std::size_t rowStart = 0;
    while (rowStart < items_.size()) {
        // Take as many components as fit; a row always holds at least one.
        int rowWidth = kGap;
        int rowHeight = 0;
        std::size_t rowEnd = rowStart;
        for (; rowEnd < items_.size(); ++rowEnd) {
            if (items_[rowEnd]->isEmpty())
                continue;
            const QSize s = items_[rowEnd]->sizeHint();
            if (rowWidth + s.width() + kGap > area.width() && rowWidth > kGap)
                break;
            rowWidth += s.width() + kGap;
            rowHeight = std::max(rowHeight, s.height());
        }
        if (apply) {
            int x = area.left() + (area.width() - rowWidth) / 2 + kGap;
            for (std::size_t i = rowStart; i < rowEnd; ++i) {
                if (items_[i]->isEmpty())
                    continue;
                const QSize s = items_[i]->sizeHint();
                items_[i]->setGeometry(QRect(x, y + (rowHeight - s.height()) / 2, s.width(), s.height()));
                x += s.width() + kGap;
            }
        }
        y += rowHeight + kGap;
        rowStart = rowEnd;
    }
    return y - area.top() + contentsMargins().top() + contentsMargins().bottom();
}

}  // namespace qv
