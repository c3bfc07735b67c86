#pragma once
// Command-line parsing shared by the quorvane-cli subcommands.

#include <initializer_list>
#include <map>
#include <optional>
#include <set>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace qv::cli {

struct ParsedArgs {
    std::map<std::string, std::string, std::less<>> values;  // --option VALUE
    std::set<std::string, std::less<>> flags;                // --flag
    std::vector<std::string> positional;
    std::string error;  // empty when the arguments parsed

    std::optional<std::string> value(std::string_view option) const;
    bool has(std::string_view flag) const { return flags.contains(flag); }
};

// Options may come anywhere; "--" ends them, so that later arguments are taken as they are.
ParsedArgs parseArgs(std::span<const std::string> args, std::initializer_list<std::string_view> valueOptions,
                     std::initializer_list<std::string_view> flagOptions);

}  // namespace qv::cli
