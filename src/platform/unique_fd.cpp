#include "platform/unique_fd.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace qv {

bool UniqueFd::close()
{
    if (fd_ < 0)
        return true;
    const int rc = ::close(fd_);
    fd_ = -1;
    return rc == 0;
}

UniqueFd openRegularFile(const std::string& path)
{
    if (path.empty() || path.find('\0') != std::string::npos) {
        errno = ENOENT;
        return {};
    }
    // Non-blocking: opening a named pipe without a writer returns at once.
    UniqueFd fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
    if (!fd)
        return {};
    struct stat info {};
    if (::fstat(fd.get(), &info) != 0)
        return {};
    if (!S_ISREG(info.st_mode)) {
        errno = S_ISDIR(info.st_mode) ? EISDIR : EINVAL;
        return {};
    }
    return fd;
}

}  // namespace qv
