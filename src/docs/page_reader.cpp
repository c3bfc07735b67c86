#include "docs/page_reader.h"

#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <utility>

namespace qv {
namespace {

constexpr std::size_t kBufferSize = 64 * 1024;

}  // namespace

std::optional<PageReader> PageReader::open(std::string_view path)
{
    UniqueFd fd = openRegularFile(std::string(path));
    if (!fd)
        return std::nullopt;
    return PageReader(std::move(fd));
}

PageReader::PageReader(UniqueFd fd) : fd_(std::move(fd)), buffer_(new char[kBufferSize]) {}

// Refills the empty buffer; false at the end of the file or on an error.
bool PageReader::fill()
{
    if (endOfFile_ || failed_)
        return false;
    for (;;) {
        const ssize_t n = ::read(fd_.get(), buffer_.get(), kBufferSize);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            failed_ = true;
            return false;
        }
        if (n == 0) {
            endOfFile_ = true;
            return false;
        }
        begin_ = 0;
        end_ = static_cast<std::size_t>(n);
        const void* lf = std::memchr(buffer_.get(), '\n', end_);
        nextLf_ = lf ? static_cast<std::size_t>(static_cast<const char*>(lf) - buffer_.get()) : end_;
        return true;
    }
}

PageReader::Status PageReader::next(std::string& line)
{
    line.clear();
    bool started = false;  // some byte of this line, or its terminator, was met
    for (;;) {
        if (begin_ == end_ && !fill())
            return failed_ ? Status::Error : (started ? Status::Line : Status::End);
        if (skipLf_) {
            skipLf_ = false;
            if (buffer_[begin_] == '\n') {
                ++begin_;
                continue;
            }
        }
        if (nextLf_ < begin_) {
            const void* lf = std::memchr(buffer_.get() + begin_, '\n', end_ - begin_);
            nextLf_ = lf ? static_cast<std::size_t>(static_cast<const char*>(lf) - buffer_.get()) : end_;
        }
        // The line ends at the first LF or CR; look for a CR only before the next LF.
        const char* from = buffer_.get() + begin_;
        const void* cr = std::memchr(from, '\r', nextLf_ - begin_);
        const std::size_t stop = cr ? static_cast<std::size_t>(static_cast<const char*>(cr) - buffer_.get()) : nextLf_;
        started = true;
        line.append(from, stop - begin_);
        if (stop == end_) {
            begin_ = end_;
            continue;
        }
        skipLf_ = buffer_[stop] == '\r';
        begin_ = stop + 1;
        return Status::Line;
    }
}

}  // namespace qv
