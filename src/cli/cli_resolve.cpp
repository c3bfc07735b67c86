#include <iostream>

#include "cli/subcommands.h"

namespace qv::cli {

int runResolve(std::span<const std::string>)
{
    std::cerr << "quorvane-cli: resolve is not available yet\n";
    return 2;
}

}  // namespace qv::cli
