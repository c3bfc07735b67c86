#pragma once
// Field and method descriptors (JVMS 4.3) and the type names that reflection prints for
// them: primitives by keyword, classes with "." between packages and "$" kept, arrays as
// the element type followed by "[]" per dimension.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace qv {

struct MethodDescriptorSplit {
    std::size_t parametersEnd = 0;  // position just after ")"
};

// Checks a method descriptor "(...)R" and tells where its parameter part ends; nothing
// when it is malformed.
std::optional<MethodDescriptorSplit> splitMethodDescriptor(std::string_view descriptor);

// Appends the type name of the field descriptor at the start of `descriptor` and returns
// its length. The descriptor must have been checked.
std::size_t appendTypeName(std::string& out, std::string_view descriptor);

// Appends the type names of the parameter part "(...)" of a checked method descriptor,
// separated by "," without blanks.
void appendParameterList(std::string& out, std::string_view parameters);

// Appends the name of a class given in internal form (java/util/Map$Entry gives
// java.util.Map$Entry); a class constant that names an array ("[I") gives "int[]".
void appendClassName(std::string& out, std::string_view internalName);

// The same, as a text of its own.
std::string className(std::string_view internalName);

}  // namespace qv
