#include "platform/Button.h"

namespace qv {

namespace {
constexpr int kLabelMargin = 8;
}  // namespace

Button::Button(const QString& label, QWidget* parent) : QPushButton(label, parent)
{
    // A button never reacts to Enter typed elsewhere in the window.
    setAutoDefault(false);
    setDefault(false);
    connect(this, &QPushButton::clicked, this, [this] { emit actionPerformed(command_); });
}

QSize Button::sizeHint() const
{
    const int labelWidth = fontMetrics().horizontalAdvance(text());
    return {labelWidth + 2 * kLabelMargin, QPushButton::sizeHint().height()};
}

}  // namespace qv
