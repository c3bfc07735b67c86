#include <iostream>

#include "cli/subcommands.h"

namespace qv::cli {

int runMembers(std::span<const std::string>)
{
    std::cerr << "quorvane-cli: members is not available yet\n";
    return 2;
}

}  // namespace qv::cli
