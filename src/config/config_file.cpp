#include "config/config_file.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <ostream>
#include <system_error>

#include "platform/unique_fd.h"

namespace qv {
namespace {

// A root longer than this is no directory path; reading stops there so that a strange
// file cannot make start-up read gigabytes.
constexpr std::size_t kMaxLineBytes = 1 << 20;

bool writeAll(int fd, std::string_view bytes)
{
    while (!bytes.empty()) {
        const ssize_t n = ::write(fd, bytes.data(), bytes.size());
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
}

// Writing through a symbolic link replaces the file it points to, not the link.
std::filesystem::path replacementTarget(const std::filesystem::path& file)
{
    std::error_code ec;
    if (std::filesystem::is_symlink(file, ec)) {
        auto target = std::filesystem::weakly_canonical(file, ec);
        if (!ec)
            return target;
    }
    return file;
}

}  // namespace

ConfigReadResult readConfigFile(const std::filesystem::path& file)
{
    ConfigReadResult result;
    std::error_code ec;
    if (!std::filesystem::exists(file, ec)) {
        // A path that cannot even be examined is there but unreadable.
        result.status = ec ? ConfigStatus::Unreadable : ConfigStatus::Missing;
        return result;
    }
    result.status = ConfigStatus::Unreadable;
    // Only a regular file can be read: a directory fails at opening, and so does a named
    // pipe, which could otherwise hold up start-up for good.
    const UniqueFd fd = openRegularFile(file.string());
    if (!fd)
        return result;
    result.opened = true;

    std::string line;
    bool sawAnything = false;
    char buffer[4096];
    for (;;) {
        const ssize_t n = ::read(fd.get(), buffer, sizeof buffer);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return result;
        }
        if (n == 0)
            break;
        sawAnything = true;
        const std::string_view chunk(buffer, static_cast<std::size_t>(n));
        const std::size_t end = chunk.find_first_of("\r\n");
        line.append(chunk.substr(0, end));
        if (line.size() > kMaxLineBytes)
            return result;
        if (end != std::string_view::npos)
            break;
    }
    if (!sawAnything)
        return result;  // a file without a single line
    result.status = ConfigStatus::Read;
    result.root = std::move(line);
    return result;
}

bool writeConfigFile(const std::filesystem::path& file, std::string_view root)
{
    const std::filesystem::path target = replacementTarget(file);
    std::filesystem::path temporary = target;
    temporary += ".tmp";

    // A stale temporary file of an earlier run goes first, and the new one is created
    // afresh, never opened through a link, so that nothing else is written through it.
    ::unlink(temporary.c_str());
    UniqueFd fd(::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666));
    if (!fd)
        return false;  // nothing was created, so there is nothing to remove
    const bool written = writeAll(fd.get(), root) && ::fsync(fd.get()) == 0;
    const bool closed = fd.close();
    if (written && closed && std::rename(temporary.c_str(), target.c_str()) == 0)
        return true;
    ::unlink(temporary.c_str());
    return false;
}
void loadConfig(std::string& docpath, std::ostream& out, std::ostream& err, const std::filesystem::path& file)
{
    const ConfigReadResult read = readConfigFile(file);
    switch (read.status) {
    case ConfigStatus::Missing:
        return;
    case ConfigStatus::Read:
        docpath = read.root;
        out << "Doc Path :  " << docpath << '\n' << std::flush;
        return;
    case ConfigStatus::Unreadable:
        if (read.opened)
            docpath.clear();
        err << "Unable to read config file\n\n" << '\n' << std::flush;
        return;
    }
}

void saveConfig(std::string_view docpath, const std::filesystem::path& file)
{
    writeConfigFile(file, docpath);
}

}  // namespace qv
