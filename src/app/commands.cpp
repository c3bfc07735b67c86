// The three button commands, the name completion they use, and the operations a hosting
// program drives the window with.

#include "app/event_guard.h"
#include "app/quorvane.h"
#include "platform/TextField.h"

namespace qv {

void quorvane::actionPerformed(const std::string& command)
{
    // The command string decides, never the label: " SEARCH " answers to " Search ".
    guardEvent("the command", [&] {
        if (command == " Search ")
            searchCommand();
        if (command == "Doc Path")
            docPathCommand();
        if (command == "Clear")
            clearCommand();
    });
}

void quorvane::searchCommand()
{
    if (loadTxt(name->text8()))
        name->setText8(swingPackageName(startAt, [this](std::string_view c) {
            return library_ ? classPresence(*library_, c) : ClassPresence::Unknown;
        }));
    search();
}

void quorvane::docPathCommand()
{
    docpath = name->text8();
    name->setText8("");
    name->setFocus();
}

void quorvane::clearCommand()
{
    name->setText8("");
    searchFor->setText8("");
    name->setFocus();
}

bool quorvane::loadTxt(const std::string& s)
{
    std::optional<std::string> completed = completeClassName(*pathsData, s);
    if (!completed)
        return false;
    startAt = std::move(*completed);
    return true;
}

void quorvane::autoStart(const std::string& text)
{
    guardEvent("the look-up asked for by the host", [&] {
        startAt.clear();
        const std::string className = loadTxt(text) ? startAt : std::string();
        searchFor->setText8("");
        name->setText8(className);
        if (!className.empty())
            search();
    });
}

std::string quorvane::getSelection() const
{
    return {};
}

void quorvane::showIt()
{
    setVisible(true);
}

void quorvane::hideIt()
{
    setVisible(false);
}

}  // namespace qv
