#include "platform/BorderLayout.h"

#include <QWidget>
#include <algorithm>

namespace qv {

BorderLayout::BorderLayout(QWidget* parent) : QLayout(parent)
{
    setContentsMargins(0, 0, 0, 0);
    setSpacing(0);
}

BorderLayout::~BorderLayout()
{
    for (QLayoutItem*& item : items_) {
        delete item;
        item = nullptr;
    }
}

void BorderLayout::addWidget(QWidget* widget, Region region)
{
    if (!widget)
        return;
    addChildWidget(widget);
    // The widget leaves any region it held, and the one it goes to gives up its own.
    for (QLayoutItem*& item : items_) {
        if (item && (item->widget() == widget || &item == &items_[region])) {
            if (QWidget* old = item->widget(); old && old != widget)
                old->hide();
            delete item;
            item = nullptr;
        }
    }
    items_[region] = new QWidgetItem(widget);
    widget->setVisible(true);
    invalidate();
}

void BorderLayout::removeAll()
{
    for (QLayoutItem*& item : items_) {
        if (!item)
            continue;
        if (QWidget* w = item->widget())
            w->hide();
        delete item;
        item = nullptr;
    }
    invalidate();
}

QWidget* BorderLayout::widgetAt(Region region) const
{
    return items_[region] ? items_[region]->widget() : nullptr;
}

void BorderLayout::addItem(QLayoutItem* item)
{
    delete items_[Center];
    items_[Center] = item;
    invalidate();
}

int BorderLayout::count() const
{
    return static_cast<int>(std::count_if(items_.begin(), items_.end(), [](auto* i) { return i != nullptr; }));
}

QLayoutItem* BorderLayout::itemAt(int index) const
{
    for (QLayoutItem* item : items_) {
        if (item && index-- == 0)
            return item;
    }
    return nullptr;
}

QLayoutItem* BorderLayout::takeAt(int index)
{
    for (QLayoutItem*& item : items_) {
        if (item && index-- == 0) {
            QLayoutItem* taken = item;
            item = nullptr;
            invalidate();
            return taken;
        }
    }
    return nullptr;
}

QSize BorderLayout::combinedSize(bool minimum) const
{
    QSize total(0, 0);
    for (QLayoutItem* item : items_) {
        if (!item || item->isEmpty())
            continue;
        const QSize s = minimum ? item->minimumSize() : item->sizeHint();
        total.setWidth(std::max(total.width(), s.width()));
        total.setHeight(total.height() + s.height());
    }
    const QMargins m = contentsMargins();
    return total + QSize(m.left() + m.right(), m.top() + m.bottom());
}

QSize BorderLayout::sizeHint() const
{
    return combinedSize(false);
}

QSize BorderLayout::minimumSize() const
{
    return combinedSize(true);
}

int BorderLayout::edgeHeight(QLayoutItem* item, int width) const
{
    if (!item || item->isEmpty())
        return 0;
    return item->hasHeightForWidth() ? item->heightForWidth(width) : item->sizeHint().height();
}

bool BorderLayout::hasHeightForWidth() const
{
    return std::any_of(items_.begin(), items_.end(), [](auto* i) { return i && i->hasHeightForWidth(); });
}

int BorderLayout::heightForWidth(int width) const
{
    const QMargins m = contentsMargins();
    const int inner = width - m.left() - m.right();
    int height = edgeHeight(items_[North], inner) + edgeHeight(items_[South], inner);
    if (QLayoutItem* centre = items_[Center]; centre && !centre->isEmpty())
        height += centre->hasHeightForWidth() ? centre->heightForWidth(inner) : centre->sizeHint().height();
    return height + m.top() + m.bottom();
}

void BorderLayout::setGeometry(const QRect& rect)
{
    QLayout::setGeometry(rect);
    const QRect area = rect.marginsRemoved(contentsMargins());
    const int northHeight = std::min(edgeHeight(items_[North], area.width()), area.height());
    const int southHeight = std::min(edgeHeight(items_[South], area.width()), area.height() - northHeight);
    if (items_[North])
        items_[North]->setGeometry(QRect(area.left(), area.top(), area.width(), northHeight));
    if (items_[South])
        items_[South]->setGeometry(
            QRect(area.left(), area.bottom() + 1 - southHeight, area.width(), southHeight));
    if (items_[Center])
        items_[Center]->setGeometry(QRect(area.left(), area.top() + northHeight, area.width(),
                                          std::max(0, area.height() - northHeight - southHeight)));
}

}  // namespace qv
