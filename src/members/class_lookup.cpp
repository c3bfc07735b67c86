// The look-up of the class named in the class-name field, and the rebuild of the member
// model from its public members.

#include <iostream>

#include "app/quorvane.h"
#include "platform/BorderLayout.h"
#include "platform/TextField.h"
#include "signatures/text_rules.h"

namespace qv {

void quorvane::search()
{
    const std::string className(trim(name->text8()));
    if (className.empty()) {
        n.clear();
        return;
    }

    std::shared_ptr<const ReflectedClass> found;
    std::vector<ReflectedMember> foundMethods;
    std::vector<ReflectedMember> foundConstructors;
    try {
        if (!library_)
            throw ClassLibraryError("no class library is open");
        found = library_->forName(className);
        foundMethods = found->getMethods();
        foundConstructors = found->getConstructors();
    } catch (const ClassNotFoundError&) {
        std::cout << "Class not found : " << className << std::endl;
        midLayout().removeAll();
        repaintAndShow();
        return;
    } catch (const ClassLibraryError& e) {
        // The model and the display stay as they were.
        std::cerr << "Cannot look up " << className << ": " << e.what() << std::endl;
        return;
    }

    cl = std::move(found);
    m = std::move(foundMethods);
    ctor = std::move(foundConstructors);
    n.clear();
    n.reserve(ctor.size() + m.size());
    for (const auto* members : {&ctor, &m})
        for (const ReflectedMember& member : *members)
            n.push_back(member.toString());
    k->fill(0);
    reDisplay();
}

void quorvane::reDisplay()
{
    // The whole model is rebuilt before any widget is touched.
    const RebuildOutcome outcome =
        rebuildMemberModel(MemberTables{*k, *methods, *classes, sbq}, n, searchFor->text8(), name->text8());
    if (outcome.status != RebuildStatus::Complete) {
        std::cerr << capacityMessage(outcome.status) << std::endl;
        return;
    }
    rebuildDisplay(outcome.groups);
}

}  // namespace qv
