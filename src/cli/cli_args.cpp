#include "cli/cli_args.h"

#include <algorithm>

namespace qv::cli {

std::optional<std::string> ParsedArgs::value(std::string_view option) const
{
    if (auto it = values.find(option); it != values.end())
        return it->second;
    return std::nullopt;
}

ParsedArgs parseArgs(std::span<const std::string> args, std::initializer_list<std::string_view> valueOptions,
                     std::initializer_list<std::string_view> flagOptions)
{
    ParsedArgs parsed;
    bool optionsEnded = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (optionsEnded || !arg.starts_with("--")) {
            parsed.positional.push_back(arg);
        } else if (arg == "--") {
            optionsEnded = true;
        } else if (std::find(valueOptions.begin(), valueOptions.end(), arg) != valueOptions.end()) {
            if (i + 1 == args.size()) {
                parsed.error = arg + " needs a value";
                return parsed;
            }
            parsed.values[arg] = args[++i];
        } else if (std::find(flagOptions.begin(), flagOptions.end(), arg) != flagOptions.end()) {
            parsed.flags.insert(arg);
        } else {
            parsed.error = "unknown option " + arg;
            return parsed;
        }
    }
    return parsed;
}

}  // namespace qv::cli
