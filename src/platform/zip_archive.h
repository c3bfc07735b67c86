#pragma once
// Reader of zip archives (jar, zip, jmod) through libzip: stored and deflated entries and
// ZIP64. An archive may carry a stub in front of the zip (a jmod's "JM\1\0", a launcher
// script); when its offsets count from the zip's own start, the archive is opened from
// where the zip begins.

#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string_view>
#include <vector>

#include "platform/byte_reader.h"

struct zip;
struct zip_error;
struct zip_source;

namespace qv {

// Where the zip inside `tail` starts, `tail` being the last bytes of a file of
// `fileSize` bytes: the end-of-central-directory record says how long the central
// directory is and where it should start; the difference to where it really ends is the
// length of the stub. Throws FormatError when there is no such record or it does not fit.
std::uint64_t zipStartOffset(Bytes tail, std::uint64_t fileSize);

// How many bytes at the end of a file zipStartOffset needs to see.
constexpr std::size_t kZipTailSize = 0xFFFF + 22 + 20 + 56;

class ZipArchive {
public:
    // Opens the archive file. Throws FormatError naming the problem.
    static ZipArchive openFile(const std::filesystem::path& file);
    // Opens an archive held in memory, which must outlive the object (for tests and fuzzing).
    static ZipArchive openBytes(Bytes bytes);

    std::optional<std::uint64_t> find(std::string_view name) const;
    // Reads the entry whole into `out`. Throws FormatError when it is corrupt or too large.
    void read(std::uint64_t index, std::vector<std::uint8_t>& out) const;
    // Calls `visit` with the name of every entry.
    void forEachName(const std::function<void(std::string_view)>& visit) const;

private:
    struct Closer {
        void operator()(zip* archive) const;
    };
    ZipArchive(zip* archive, std::uint64_t size) : archive_(archive), archiveSize_(size) {}
    // Opens the archive of `size` bytes that `makeSource` gives a libzip source for.
    static ZipArchive openSource(std::uint64_t size, const std::function<zip_source*(zip_error*)>& makeSource);
    std::unique_ptr<zip, Closer> archive_;
    std::uint64_t archiveSize_;  // no entry can hold more stored bytes than this
};

}  // namespace qv
