#pragma once
// The toolkit's named colours and its font faces, mapped onto Qt.

#include <QColor>
#include <QFont>
#include <QPalette>
#include <string_view>

class QWidget;

namespace qv::awt {

inline const QColor black{0, 0, 0};
inline const QColor white{255, 255, 255};
inline const QColor blue{0, 0, 255};
inline const QColor yellow{255, 255, 0};
inline const QColor orange{255, 200, 0};
inline const QColor red{255, 0, 0};
inline const QColor cyan{0, 255, 255};

enum class FontStyle { Plain, Bold };

// A font by the toolkit's face name: "TimesRoman" is the serif face, "Courier" the
// monospaced one; any other name is taken as a family name. The size is in the toolkit's
// points, which are pixels.
QFont font(std::string_view face, FontStyle style, int points);

// Colours set on a widget fill its background and paint its text (foreground).
void setForeground(QWidget& widget, const QColor& colour);
void setBackground(QWidget& widget, const QColor& colour);

}  // namespace qv::awt
