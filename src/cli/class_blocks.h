#pragma once
// The loop the class-listing subcommands share: one block of output per class name, each
// headed "# NAME" when there are several; a class that does not exist gives its
// "Class not found" line and a broken library its one line on standard error, and the
// exit status is the gravest outcome among the names.

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "platform/ClassReflection.h"

namespace qv::cli {

struct ClassBlock {
    // The name to look up for names[index]; nullopt skips that name silently.
    std::function<std::optional<std::string>(std::size_t index)> lookupName;
    // Writes the block of the class found for names[index]; returns 0 or an ExitStatus value.
    std::function<int(const ReflectedClass& found, std::size_t index)> write;
};

int runClassBlocks(const std::vector<std::string>& names, ClassReflection& library, const ClassBlock& block);

}  // namespace qv::cli
