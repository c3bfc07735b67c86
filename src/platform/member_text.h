#pragma once
// The signature texts that Method.toString() and Constructor.toString() give:
//   [modifiers " "] returnType " " declaringClass "." name "(" p1 "," p2 ")" [" throws " e1 "," e2]
//   [modifiers " "] declaringClass "(" p1 "," p2 ")" [" throws " e1 "," e2]

#include <string>

#include "platform/class_file.h"

namespace qv {

// The modifier keywords of a method's flags, in the platform's order, each followed by a
// blank; "default " after the access modifiers for a default method of an interface.
std::string methodModifiers(std::uint16_t flags, bool declaredByInterface);
void appendMethodModifiers(std::string& out, std::uint16_t flags, bool declaredByInterface);

std::string methodText(const ClassFileInfo& declaring, const MethodInfo& method);
std::string constructorText(const ClassFileInfo& declaring, const MethodInfo& constructor);

}  // namespace qv
