#pragma once
// Reads a documentation page one line at a time. A line ends at LF, CR or CR LF; the
// terminator is not part of the line. Only the current line is held, so memory stays
// bounded by the longest line whatever the size of the page.

#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "platform/unique_fd.h"

namespace qv {

class PageReader {
public:
    enum class Status { Line, End, Error };

    // Opens a regular file (symbolic links followed). Anything else fails to open: a
    // directory, a device or a named pipe is no page, and reading one could block or
    // never end.
    static std::optional<PageReader> open(std::string_view path);

    // Reads the next line into `line`. End: no more lines. Error: reading failed; the
    // partial line is discarded.
    Status next(std::string& line);

private:
    explicit PageReader(UniqueFd fd);
    bool fill();

    UniqueFd fd_;
    std::unique_ptr<char[]> buffer_;
    std::size_t begin_ = 0;  // first unread byte of the buffer
    std::size_t end_ = 0;    // end of the bytes in the buffer
    std::size_t nextLf_ = 0; // position of the next LF at or after begin_, or end_ when none
    bool endOfFile_ = false;
    bool failed_ = false;
    bool skipLf_ = false;    // the last line ended with CR; a LF right after it belongs to it
};

}  // namespace qv
