#include "platform/TextField.h"

#include <QStyle>
#include <QStyleOptionFrame>

namespace qv {

TextField::TextField(int columns, QWidget* parent) : QLineEdit(parent), columns_(columns) {}

QSize TextField::sizeHint() const
{
    // A column is the width of the digit 0, as the "ch" unit of style sheets has it.
    ensurePolished();
    const QFontMetrics fm(font());
    const QMargins text = textMargins();
    const int width = fm.horizontalAdvance(QLatin1Char('0')) * columns_ + text.left() + text.right() + 4;
    const int height = fm.height() + text.top() + text.bottom() + 4;
    QStyleOptionFrame option;
    initStyleOption(&option);
    return style()->sizeFromContents(QStyle::CT_LineEdit, &option, QSize(width, height), this);
}

std::string TextField::text8() const
{
    return text().toStdString();
}

void TextField::setText8(std::string_view value)
{
    setText(QString::fromUtf8(value.data(), static_cast<qsizetype>(value.size())));
}

}  // namespace qv
