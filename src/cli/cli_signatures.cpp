#include <iostream>

#include "cli/subcommands.h"

namespace qv::cli {

int runSignatures(std::span<const std::string>)
{
    std::cerr << "quorvane-cli: signatures is not available yet\n";
    return 2;
}

}  // namespace qv::cli
