#include "platform/ClassReflection.h"

namespace qv {

ClassPresence classPresence(ClassReflection& library, std::string_view name)
{
    try {
        library.forName(name);
        return ClassPresence::Present;
    } catch (const ClassNotFoundError&) {
        return ClassPresence::Absent;
    } catch (const std::exception&) {
        return ClassPresence::Unknown;
    }
}

}  // namespace qv
