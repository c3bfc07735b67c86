#include "platform/member_text.h"

#include <array>
#include <utility>

#include "platform/descriptor_text.h"

namespace qv {
namespace {

// What Method.toString() and Constructor.toString() print of the flags; the bridge,
// varargs and synthetic bits share values with field modifiers and never print.
constexpr std::uint16_t kMethodModifierMask = 0x0D3F;
constexpr std::uint16_t kConstructorModifierMask = 0x0007;
constexpr std::uint16_t kAccessModifiers = access::kPublic | access::kProtected | access::kPrivate;

// java.lang.reflect.Modifier.toString order.
constexpr std::array<std::pair<std::uint16_t, const char*>, 9> kModifierWords = {{
    {access::kPublic, "public "},
    {access::kProtected, "protected "},
    {access::kPrivate, "private "},
    {access::kAbstract, "abstract "},
    {access::kStatic, "static "},
    {access::kFinal, "final "},
    {access::kSynchronized, "synchronized "},
    {access::kNative, "native "},
    {access::kStrict, "strictfp "},
}};

void appendModifiers(std::string& out, std::uint16_t flags)
{
    for (const auto& [bit, word] : kModifierWords)
        if (flags & bit)
            out += word;
}

void appendThrows(std::string& out, const ClassFileInfo& declaring, const MethodInfo& m)
{
    const auto exceptions = declaring.exceptionsOf(m);
    for (std::size_t i = 0; i < exceptions.size(); ++i) {
        out += i == 0 ? " throws " : ",";
        appendClassName(out, exceptions[i]);
    }
}

}  // namespace

void appendMethodModifiers(std::string& out, std::uint16_t flags, bool declaredByInterface)
{
    const std::uint16_t shown = flags & kMethodModifierMask;
    const bool isDefault =
        declaredByInterface && (flags & (access::kAbstract | access::kPublic | access::kStatic)) == access::kPublic;
    if (!isDefault) {
        appendModifiers(out, shown);
        return;
    }
    appendModifiers(out, shown & kAccessModifiers);
    out += "default ";
    appendModifiers(out, shown & ~kAccessModifiers);
}

std::string methodModifiers(std::uint16_t flags, bool declaredByInterface)
{
    std::string out;
    appendMethodModifiers(out, flags, declaredByInterface);
    return out;
}

std::string methodText(const ClassFileInfo& declaring, const MethodInfo& m)
{
    std::string out;
    // Room for the usual text, so that it is built in one allocation.
    out.reserve(40 + declaring.name.size() + m.name.size() + 2 * (m.parameters.size() + m.returnType.size()));
    appendMethodModifiers(out, m.flags, declaring.isInterface());
    appendTypeName(out, m.returnType);
    out += ' ';
    appendClassName(out, declaring.name);
    out += '.';
    out += m.name;
    appendParameterList(out, m.parameters);
    appendThrows(out, declaring, m);
    return out;
}

std::string constructorText(const ClassFileInfo& declaring, const MethodInfo& m)
{
    std::string out;
    appendModifiers(out, m.flags & kConstructorModifierMask);
    appendClassName(out, declaring.name);
    appendParameterList(out, m.parameters);
    appendThrows(out, declaring, m);
    return out;
}

}  // namespace qv
