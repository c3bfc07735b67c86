#pragma once
// A push button that carries a command string apart from its label; a press hands the
// command, not the label, to its listener.

#include <QPushButton>
#include <string>

namespace qv {

class Button : public QPushButton {
    Q_OBJECT
public:
    explicit Button(const QString& label, QWidget* parent = nullptr);

    void setActionCommand(std::string command) { command_ = std::move(command); }
    const std::string& actionCommand() const { return command_; }

    // As wide as its label and a margin, not the style's minimum of a dialog button.
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

signals:
    void actionPerformed(const std::string& command);

private:
    std::string command_;
};

}  // namespace qv
