#pragma once
// The subcommands of quorvane-cli; each takes the arguments after its own name and
// returns the process exit status.

#include <span>
#include <string>

namespace qv::cli {

int runSignatures(std::span<const std::string> args);
int runMembers(std::span<const std::string> args);
int runDoc(std::span<const std::string> args);
int runResolve(std::span<const std::string> args);

}  // namespace qv::cli
