#include "platform/awt_style.h"

#include <QWidget>

namespace qv::awt {

QFont font(std::string_view face, FontStyle style, int points)
{
    QFont f;
    if (face == "TimesRoman") {
        f.setFamily(QStringLiteral("Serif"));
        f.setStyleHint(QFont::Serif);
    } else if (face == "Courier") {
        f.setFamily(QStringLiteral("Monospace"));
        f.setStyleHint(QFont::TypeWriter);
        f.setFixedPitch(true);
    } else {
        f.setFamily(QString::fromUtf8(face.data(), static_cast<qsizetype>(face.size())));
    }
    f.setBold(style == FontStyle::Bold);
    // The toolkit lays text out at 72 dpi, where a point is a pixel.
    f.setPixelSize(points);
    return f;
}

namespace {

// Which palette roles a widget paints its text and its face with, so that a colour set on
// a container does not leak into the buttons and fields inside it.
bool paintsAsInput(const QWidget& w)
{
    return w.inherits("QLineEdit") || w.inherits("QAbstractScrollArea");
}

bool paintsAsButton(const QWidget& w)
{
    return w.inherits("QAbstractButton") || w.inherits("QComboBox");
}

}  // namespace

void setForeground(QWidget& widget, const QColor& colour)
{
    QPalette palette = widget.palette();
    palette.setColor(QPalette::WindowText, colour);
    if (paintsAsInput(widget) || widget.inherits("QComboBox"))
        palette.setColor(QPalette::Text, colour);
    if (paintsAsButton(widget))
        palette.setColor(QPalette::ButtonText, colour);
    widget.setPalette(palette);
}

void setBackground(QWidget& widget, const QColor& colour)
{
    QPalette palette = widget.palette();
    palette.setColor(QPalette::Window, colour);
    if (paintsAsInput(widget) || widget.inherits("QComboBox"))
        palette.setColor(QPalette::Base, colour);
    if (paintsAsButton(widget))
        palette.setColor(QPalette::Button, colour);
    widget.setPalette(palette);
    widget.setAutoFillBackground(true);
}

}  // namespace qv::awt
