#include "platform/ClassReflection.h"

namespace qv {

std::vector<std::string> signatureTexts(const ReflectedClass& cls)
{
    std::vector<std::string> texts;
    for (const ReflectedMember& constructor : cls.getConstructors())
        texts.push_back(constructor.toString());
    for (const ReflectedMember& method : cls.getMethods())
        texts.push_back(method.toString());
    return texts;
}

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
