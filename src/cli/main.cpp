// quorvane-cli: Quorvane's look-up, model and extraction from the command line.

#include <iostream>
#include <string>
#include <string_view>
#include <vector>

#include "cli/subcommands.h"

namespace {

constexpr std::string_view kUsage =
    "usage: quorvane-cli signatures [--class-path LIST] NAME...\n"
    "       quorvane-cli members [--class-path LIST] [--search TEXT] [--complete] NAME...\n"
    "       quorvane-cli doc [--docpath ROOT] [--group LABEL] [--complete] [--class-path LIST] NAME MEMBER COUNT\n"
    "       quorvane-cli resolve [--class-path LIST] NAME\n";

}  // namespace

int main(int argc, char** argv)
{
    std::ios::sync_with_stdio(false);
    const std::vector<std::string> args = argc > 1 ? std::vector<std::string>(argv + 1, argv + argc)
                                                   : std::vector<std::string>();
    if (args.empty()) {
        std::cerr << kUsage;
        return 2;
    }
    const std::string& command = args.front();
    const std::span<const std::string> rest(args.begin() + 1, args.end());
    try {
        if (command == "signatures")
            return qv::cli::runSignatures(rest);
        if (command == "members")
            return qv::cli::runMembers(rest);
        if (command == "doc")
            return qv::cli::runDoc(rest);
        if (command == "resolve")
            return qv::cli::runResolve(rest);
    } catch (const std::exception& e) {
        std::cout.flush();
        std::cerr << "quorvane-cli: " << e.what() << '\n';
        return 2;
    }
    std::cerr << "quorvane-cli: unknown command \"" << command << "\"\n" << kUsage;
    return 2;
}
