#pragma once
// Completing a typed class name the way the window's Search command does.

#include <string_view>

#include "docs/class_name_resolution.h"

namespace qv::cli {

SearchFieldText resolveName(std::string_view typed, ClassReflection& library);

}  // namespace qv::cli
