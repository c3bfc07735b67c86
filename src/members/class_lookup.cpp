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
    n = signatureTexts(ctor, m);
    reDisplay();
}

void quorvane::reDisplay()
{
    // The whole model is rebuilt before any widget is touched, in the spare tables: it
    // takes the place of the model on show only when it is whole, so that a class too big
    // to show leaves the display and the model it was made from as they were.
    spareK->fill(0);
    const RebuildOutcome outcome = rebuildMemberModel(MemberTables{*spareK, *spareMethods, *spareClasses, sbq}, n,
                                                      searchFor->text8(), name->text8());
    if (outcome.status != RebuildStatus::Complete) {
        std::cerr << capacityMessage(outcome.status) << std::endl;
        return;
    }
    std::swap(k, spareK);
    std::swap(methods, spareMethods);
    std::swap(classes, spareClasses);
    rebuildDisplay(outcome.groups, outcome.initialGroup);
}

}  // namespace qv
