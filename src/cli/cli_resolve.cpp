// quorvane-cli resolve [--class-path LIST] NAME
// Prints what the window's Search command would leave in the class-name field for NAME:
// the name completed through the page table, or NAME unchanged. Exit status 0 when the
// table holds the name, 1 when it does not.

#include <iostream>

#include "cli/cli_args.h"
#include "cli/cli_library.h"
#include "cli/cli_resolution.h"
#include "cli/subcommands.h"

namespace qv::cli {

int runResolve(std::span<const std::string> args)
{
    const ParsedArgs parsed = parseArgs(args, {"--class-path"}, {});
    if (!parsed.error.empty() || parsed.positional.size() != 1) {
        std::cerr << "quorvane-cli resolve: " << (parsed.error.empty() ? "expected one NAME" : parsed.error)
                  << "\nusage: quorvane-cli resolve [--class-path LIST] NAME\n";
        return 2;
    }
    const auto library = openLibrary(parsed.value("--class-path"));
    const SearchFieldText resolved = resolveName(parsed.positional.front(), *library);
    std::cout << resolved.text << '\n';
    return resolved.completed ? 0 : 1;
}

}  // namespace qv::cli
