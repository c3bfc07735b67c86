// quorvane-cli signatures [--class-path LIST] NAME...
// Prints the signature texts of each class's public constructors, then of its public
// methods, one a line; with several names each block starts with "# NAME".

#include <iostream>

#include "cli/cli_args.h"
#include "cli/cli_library.h"
#include "cli/class_blocks.h"
#include "cli/subcommands.h"

namespace qv::cli {

int runSignatures(std::span<const std::string> args)
{
    const ParsedArgs parsed = parseArgs(args, {"--class-path"}, {});
    if (!parsed.error.empty() || parsed.positional.empty()) {
        std::cerr << "quorvane-cli: " << (parsed.error.empty() ? "signatures needs a class name" : parsed.error)
                  << "\nusage: quorvane-cli signatures [--class-path LIST] NAME...\n";
        return 2;
    }
    const auto library = openLibrary(parsed.value("--class-path"));
    return runClassBlocks(parsed.positional, *library,
                          {[&](std::size_t index) { return std::optional<std::string>(parsed.positional[index]); },
                           [](const ReflectedClass& found, std::size_t) {
                               for (const std::string& text : signatureTexts(found))
                                   std::cout << text << '\n';
                               return 0;
                           }});
}

}  // namespace qv::cli
