#include "platform/descriptor_text.h"

#include <algorithm>

namespace qv {
namespace {

constexpr std::size_t kMaxArrayDimensions = 255;

const char* primitiveName(char c)
{
    switch (c) {
    case 'B': return "byte";
    case 'C': return "char";
    case 'D': return "double";
    case 'F': return "float";
    case 'I': return "int";
    case 'J': return "long";
    case 'S': return "short";
    case 'Z': return "boolean";
    case 'V': return "void";
    default: return nullptr;
    }
}

// Length of the field type at `at`, or 0 when there is none well formed. `allowVoid`
// admits "V", which only a return type may be.
std::size_t fieldTypeLength(std::string_view d, std::size_t at, bool allowVoid)
{
    std::size_t i = at;
    while (i < d.size() && d[i] == '[')
        ++i;
    const std::size_t dimensions = i - at;
    if (dimensions > kMaxArrayDimensions || i == d.size())
        return 0;
    const char c = d[i];
    if (c == 'L') {
        const std::size_t end = d.find(';', i + 1);
        if (end == std::string_view::npos || end == i + 1)
            return 0;
        const std::string_view name = d.substr(i + 1, end - i - 1);
        if (name.find_first_of(".[") != std::string_view::npos || name.front() == '/' || name.back() == '/' ||
            name.find("//") != std::string_view::npos)
            return 0;
        return end + 1 - at;
    }
    if (c == 'V' && (!allowVoid || dimensions > 0))
        return 0;
    return primitiveName(c) ? i + 1 - at : 0;
}

void appendDotted(std::string& out, std::string_view internalName)
{
    const std::size_t start = out.size();
    out += internalName;
    std::replace(out.begin() + static_cast<std::ptrdiff_t>(start), out.end(), '/', '.');
}

}  // namespace

std::optional<MethodDescriptorSplit> splitMethodDescriptor(std::string_view d)
{
    if (d.empty() || d.front() != '(')
        return std::nullopt;
    std::size_t i = 1;
    while (i < d.size() && d[i] != ')') {
        const std::size_t length = fieldTypeLength(d, i, false);
        if (length == 0)
            return std::nullopt;
        i += length;
    }
    if (i == d.size())
        return std::nullopt;
    const std::size_t parametersEnd = i + 1;
    const std::size_t returnLength = fieldTypeLength(d, parametersEnd, true);
    if (returnLength == 0 || parametersEnd + returnLength != d.size())
        return std::nullopt;
    return MethodDescriptorSplit{parametersEnd};
}

std::size_t appendTypeName(std::string& out, std::string_view d)
{
    std::size_t i = 0;
    while (i < d.size() && d[i] == '[')
        ++i;
    const std::size_t dimensions = i;
    std::size_t end = i + 1;
    if (d[i] == 'L') {
        end = d.find(';', i);
        appendDotted(out, d.substr(i + 1, end - i - 1));
        ++end;
    } else {
        out += primitiveName(d[i]);
    }
    for (std::size_t n = 0; n < dimensions; ++n)
        out += "[]";
    return end;
}

void appendParameterList(std::string& out, std::string_view parameters)
{
    out += '(';
    std::size_t i = 1;
    bool first = true;
    while (i < parameters.size() && parameters[i] != ')') {
        if (!first)
            out += ',';
        first = false;
        i += appendTypeName(out, parameters.substr(i));
    }
    out += ')';
}

void appendClassName(std::string& out, std::string_view internalName)
{
    if (!internalName.empty() && internalName.front() == '[' && fieldTypeLength(internalName, 0, false) == internalName.size())
        appendTypeName(out, internalName);
    else
        appendDotted(out, internalName);
}

std::string className(std::string_view internalName)
{
    std::string out;
    appendClassName(out, internalName);
    return out;
}

}  // namespace qv
