// quorvane-cli doc: the documentation text of one member, as the window shows it.

#include <charconv>
#include <iostream>

#include "cli/cli_args.h"
#include "cli/cli_library.h"
#include "cli/cli_resolution.h"
#include "cli/subcommands.h"
#include "config/config_file.h"
#include "docs/member_doc.h"

namespace qv::cli {
namespace {

constexpr std::string_view kUsage =
    "usage: quorvane-cli doc [--docpath ROOT] [--group LABEL] [--complete] [--class-path LIST] NAME MEMBER COUNT\n";

std::optional<int> parseCount(std::string_view text)
{
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

// The root the window starts with: the first line of Quorvane.cfg in the current
// directory, or "" when there is none or it cannot be read. No console line.
std::string configuredRoot()
{
    ConfigReadResult read = readConfigFile(kConfigFileName);
    return read.status == ConfigStatus::Read ? std::move(read.root) : std::string();
}

}  // namespace

int runDoc(std::span<const std::string> args)
{
    const ParsedArgs parsed = parseArgs(args, {"--docpath", "--group", "--class-path"}, {"--complete"});
    if (!parsed.error.empty() || parsed.positional.size() != 3) {
        std::cerr << "quorvane-cli doc: "
                  << (parsed.error.empty() ? "expected NAME MEMBER COUNT" : parsed.error) << '\n'
                  << kUsage;
        return 2;
    }
    const std::optional<int> count = parseCount(parsed.positional[2]);
    if (!count) {
        std::cerr << "quorvane-cli doc: COUNT must be a whole number, not \"" << parsed.positional[2] << "\"\n"
                  << kUsage;
        return 2;
    }
    const std::optional<std::string> docpath = parsed.value("--docpath");
    const std::string root = docpath ? *docpath : configuredRoot();
    // --group stands for a selected group other than the first; its label names the page.
    const std::optional<std::string> group = parsed.value("--group");
    // --complete: the class-name field as the Search command leaves it.
    const std::string field = parsed.has("--complete")
                                  ? resolveName(parsed.positional[0], *openLibrary(parsed.value("--class-path"))).text
                                  : parsed.positional[0];
    const std::string className = pageClassName(group ? 1 : 0, group.value_or(""), field);

    const std::string text = extractMemberDoc(root, className, parsed.positional[1], *count);
    std::cout.write(text.data(), static_cast<std::streamsize>(text.size()));
    std::cout.flush();
    if (!std::cout) {
        std::cerr << "quorvane-cli doc: cannot write the text\n";
        return 2;
    }
    return text.empty() ? 1 : 0;
}

}  // namespace qv::cli
