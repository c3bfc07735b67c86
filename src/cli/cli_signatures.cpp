// quorvane-cli signatures [--class-path LIST] NAME...
// Prints the signature texts of each class's public constructors, then of its public
// methods, one a line; with several names each block starts with "# NAME".

#include <iostream>

#include "cli/cli_args.h"
#include "cli/cli_library.h"
#include "cli/exit_status.h"
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
    const bool headers = parsed.positional.size() > 1;
    ExitStatus status;
    for (const std::string& name : parsed.positional) {
        if (headers)
            std::cout << "# " << name << '\n';
        try {
            const auto cls = library->forName(name);
            for (const auto& member : cls->getConstructors())
                std::cout << member.toString() << '\n';
            for (const auto& member : cls->getMethods())
                std::cout << member.toString() << '\n';
        } catch (const ClassNotFoundError&) {
            std::cout << "Class not found : " << name << '\n';
            status.add(ExitStatus::kNotFound);
        } catch (const ClassLibraryError& e) {
            std::cout.flush();
            std::cerr << "quorvane-cli: " << e.what() << '\n';
            status.add(ExitStatus::kBrokenLibrary);
        }
    }
    return status.value();
}

}  // namespace qv::cli
