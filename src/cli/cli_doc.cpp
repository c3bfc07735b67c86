#include <iostream>

#include "cli/subcommands.h"

namespace qv::cli {

int runDoc(std::span<const std::string>)
{
    std::cerr << "quorvane-cli: doc is not available yet\n";
    return 2;
}

}  // namespace qv::cli
