#pragma once
// The class library a subcommand reflects on: the --class-path list when given, else the
// JDK this machine uses.

#include <memory>
#include <optional>
#include <string>

#include "platform/ClassLibrary.h"

namespace qv::cli {

std::shared_ptr<ClassLibrary> openLibrary(const std::optional<std::string>& classPath);

}  // namespace qv::cli
