#pragma once
// A file descriptor that closes itself, and the opening of a regular file for reading that
// never blocks: a named pipe without a writer would otherwise stop the program for good.

#include <string>
#include <utility>

namespace qv {

class UniqueFd {
public:
    UniqueFd() = default;
    explicit UniqueFd(int fd) : fd_(fd) {}
    UniqueFd(UniqueFd&& other) noexcept : fd_(std::exchange(other.fd_, -1)) {}
    UniqueFd& operator=(UniqueFd&& other) noexcept
    {
        if (this != &other) {
            close();
            fd_ = std::exchange(other.fd_, -1);
        }
        return *this;
    }
    UniqueFd(const UniqueFd&) = delete;
    UniqueFd& operator=(const UniqueFd&) = delete;
    ~UniqueFd() { close(); }

    int get() const { return fd_; }
    explicit operator bool() const { return fd_ >= 0; }

    // Closes now; false when closing reports an error (for a file written to, data that
    // may not have reached it).
    bool close();

private:
    int fd_ = -1;
};

// Opens `path` for reading when it is a regular file, following links. Anything else (a
// directory, a named pipe, a device, a missing file) fails at once: the result is empty
// and errno tells why.
UniqueFd openRegularFile(const std::string& path);

}  // namespace qv
