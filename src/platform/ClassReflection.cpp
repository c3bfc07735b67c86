#include "platform/ClassReflection.h"

namespace qv {

std::vector<std::string> signatureTexts(const std::vector<ReflectedMember>& constructors,
                                        const std::vector<ReflectedMember>& methods)
{
    std::vector<std::string> texts;
    texts.reserve(constructors.size() + methods.size());
    for (const auto* members : {&constructors, &methods})
        for (const ReflectedMember& member : *members)
            texts.push_back(member.toString());
    return texts;
}

std::vector<std::string> signatureTexts(const ReflectedClass& cls)
{
    return signatureTexts(cls.getConstructors(), cls.getMethods());
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
