#pragma once
// Reader of the JDK's runtime image, the file lib/modules of JDK 9 and later.
//
//   offset                      content
//   0                           header, seven u4 in the byte order of the machine that
//                               wrote it (told by the magic CAFEDADA):
//                                 magic | version (major<<16 | minor) | flags |
//                                 resource count | table length L | locations size |
//                                 strings size
//   28                          redirect table   s4[L]   hash bucket -> slot
//   28 + 4L                     offsets table    u4[L]   slot -> location offset
//   28 + 8L                     locations        byte streams of attributes
//   28 + 8L + locations size    strings          NUL-terminated modified UTF-8
//   index size = 28 + 8L + locations size + strings size
//   index size + OFFSET         resource bytes (stored, or a chain of compression headers)
//
// A location is a stream of attributes, each a header byte (kind << 3 | length - 1) and
// `length` big-endian bytes, ended by a header byte below 8. A resource's full name is
// /module/parent/base.extension; the class java.lang.String is /java.base/java/lang/String.class.
//
// Names are found through the image's own perfect hash: bucket = hash(name) % L;
// redirect[bucket] is 0 (absent), negative (slot -1 - value) or positive (a seed:
// slot = hash(name, seed) % L). The slot's location must then give back the same name.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/byte_reader.h"

namespace qv {

// The image's string hash (FNV-1a-like, 31 bits), over the bytes of `text`.
std::uint32_t imageHash(std::string_view text, std::uint32_t seed = 0x01000193);

class RuntimeImage {
public:
    struct Location {
        std::uint32_t module = 0, parent = 0, base = 0, extension = 0;  // string offsets
        std::uint64_t offset = 0, compressedSize = 0, uncompressedSize = 0;
    };

    // Checks the header and that the index fits in `image`, which must outlive the object.
    // Throws FormatError.
    explicit RuntimeImage(Bytes image);

    std::uint32_t slotCount() const { return tableLength_; }
    // The location in `slot` (below slotCount()). Throws FormatError when it is malformed.
    Location locationAt(std::uint32_t slot) const;
    std::optional<Location> find(std::string_view fullName) const;
    // The NUL-terminated string at `offset` of the strings area; throws FormatError.
    std::string_view string(std::uint32_t offset) const;
    std::string fullName(const Location& location) const;

    // The resource's bytes: a view into the image when it is stored, else it is inflated
    // into `buffer`. Throws FormatError, also for an unsupported kind of compression.
    Bytes read(const Location& location, std::vector<std::uint8_t>& buffer) const;

    // All resource bytes (everything after the index).
    Bytes resources() const { return image_.subspan(indexSize_); }

    // The module that holds the package (dotted: java.lang), from the /packages directory.
    std::optional<std::string_view> moduleOfPackage(std::string_view dottedPackage) const;

private:
    // A u4 or u8 of the image's own byte order at `offset` of `bytes` (checked by the caller).
    std::uint32_t u4At(Bytes bytes, std::size_t offset) const;
    std::uint64_t u8At(Bytes bytes, std::size_t offset) const;
    bool matches(const Location& location, std::string_view fullName) const;

    Bytes image_;
    bool bigEndian_ = false;
    std::uint32_t tableLength_ = 0;
    std::size_t redirectStart_ = 0, offsetsStart_ = 0, locationsStart_ = 0, stringsStart_ = 0;
    std::size_t locationsSize_ = 0, stringsSize_ = 0, indexSize_ = 0;
};

}  // namespace qv
