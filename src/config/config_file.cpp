#include "config/config_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <memory>
#include <ostream>
#include <system_error>

namespace qv {
namespace {

// A root longer than this is no directory path; reading stops there so that a strange
// file cannot make start-up read gigabytes.
constexpr std::size_t kMaxLineBytes = 1 << 20;

struct FileCloser {
    void operator()(std::FILE* f) const { std::fclose(f); }
};
using FilePtr = std::unique_ptr<std::FILE, FileCloser>;

class FdCloser {
public:
    explicit FdCloser(int fd) : fd_(fd) {}
    ~FdCloser() { closeNow(); }
    FdCloser(const FdCloser&) = delete;
    FdCloser& operator=(const FdCloser&) = delete;
    int get() const { return fd_; }
    bool closeNow()
    {
        if (fd_ < 0)
            return true;
        const int rc = ::close(fd_);
        fd_ = -1;
        return rc == 0;
    }

private:
    int fd_;
};

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
    FilePtr in(std::fopen(file.c_str(), "rb"));
    // A directory opens on this host but is no file: it fails at opening, as it would
    // for a reader of files anywhere else.
    struct stat info {};
    if (!in || ::fstat(::fileno(in.get()), &info) != 0 || S_ISDIR(info.st_mode))
        return result;
    result.opened = true;

    std::string line;
    bool sawAnything = false;
    for (;;) {
        const int c = std::fgetc(in.get());
        if (c == EOF)
            break;
        sawAnything = true;
        if (c == '\n' || c == '\r')
            break;
        if (line.size() >= kMaxLineBytes)
            return result;
        line.push_back(static_cast<char>(c));
    }
    if (std::ferror(in.get()) || !sawAnything)
        return result;
    result.status = ConfigStatus::Read;
    result.root = std::move(line);
    return result;
}

bool writeConfigFile(const std::filesystem::path& file, std::string_view root)
{
    const std::filesystem::path target = replacementTarget(file);
    std::filesystem::path temporary = target;
    temporary += ".tmp";

    FdCloser fd(::open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666));
    if (fd.get() < 0)
        return false;  // nothing was created, so there is nothing to remove
    const bool written = writeAll(fd.get(), root) && ::fsync(fd.get()) == 0;
    const bool closed = fd.closeNow();
    if (written && closed && std::rename(temporary.c_str(), target.c_str()) == 0)
        return true;
    std::error_code ignored;
    std::filesystem::remove(temporary, ignored);
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
