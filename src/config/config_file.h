#pragma once
// The one-line configuration file "Quorvane.cfg" that keeps the documentation root.
//
// The file holds the root exactly as typed, UTF-8, with no line terminator. Only its
// first line counts (up to LF, CR or CRLF); nothing is trimmed. A file of 0 bytes holds
// no line at all and counts as unreadable.

#include <filesystem>
#include <iosfwd>
#include <string>
#include <string_view>

namespace qv {

inline constexpr std::string_view kConfigFileName = "Quorvane.cfg";

enum class ConfigStatus {
    Missing,     // nothing of that name exists
    Read,        // the first line was read
    Unreadable,  // it exists but could not be opened or read, or it holds no line
};

struct ConfigReadResult {
    ConfigStatus status = ConfigStatus::Missing;
    bool opened = false;  // the file was opened before the failure (an empty file)
    std::string root;     // the first line, when status is Read
};

ConfigReadResult readConfigFile(const std::filesystem::path& file);

// Replaces the file with `root` and no terminator. The new content goes to a temporary
// file beside it that is renamed over the old one, so a failed write leaves the old file
// whole. Returns false on any failure, after removing the temporary file.
bool writeConfigFile(const std::filesystem::path& file, std::string_view root);

// The start-up read: sets `docpath` from the file and writes its console line,
// "Doc Path :  <root>" to `out` or "Unable to read config file\n\n" to `err`.
// A missing file is silent and leaves `docpath` as it is.
void loadConfig(std::string& docpath, std::ostream& out, std::ostream& err,
                const std::filesystem::path& file = kConfigFileName);

// The shutdown write; failures are silent.
void saveConfig(std::string_view docpath, const std::filesystem::path& file = kConfigFileName);

}  // namespace qv
