#include "platform/runtime_image.h"

#include <bit>
#include <cstring>

#include <zlib.h>

namespace qv {
namespace {

constexpr std::uint32_t kImageMagic = 0xCAFEDADA;
constexpr std::uint32_t kMajorVersion = 1;
constexpr std::size_t kHeaderSize = 28;
constexpr std::size_t kVersionAt = 4, kTableLengthAt = 16, kLocationsSizeAt = 20, kStringsSizeAt = 24;
constexpr std::uint32_t kHashMultiplier = 0x01000193;

// Location attribute kinds.
enum Attribute : std::uint8_t {
    kEnd = 0,
    kModule = 1,
    kParent = 2,
    kBase = 3,
    kExtension = 4,
    kOffset = 5,
    kCompressed = 6,
    kUncompressed = 7,
};
constexpr std::uint8_t kAttributeKinds = 8;

// Compressed resources: a chain of headers, each followed by its payload.
//   u4 magic CAFEFAFA | u8 compressed size | u8 uncompressed size |
//   u4 decompressor name (string offset) | u4 decompressor config | u1 is terminal
constexpr std::uint32_t kCompressionMagic = 0xCAFEFAFA;
constexpr std::size_t kCompressionHeaderSize = 29;
constexpr std::size_t kCompressedSizeAt = 4, kUncompressedSizeAt = 12, kDecompressorAt = 20;
constexpr int kMaxCompressionLayers = 8;
// No class file or resource of a real image comes near this; it bounds what a corrupt
// header can make us allocate.
constexpr std::uint64_t kMaxResourceSize = 256u << 20;
// Deflate cannot shrink data more than about 1032 to 1, so a header that claims more
// is corrupt; checking this first keeps a small corrupt header from costing a big buffer.
constexpr std::uint64_t kMaxDeflateRatio = 1100;

void inflateZlib(Bytes in, std::vector<std::uint8_t>& out, std::uint64_t expectedSize)
{
    out.resize(expectedSize);
    z_stream stream{};
    if (inflateInit(&stream) != Z_OK)
        throw FormatError("zlib cannot start");
    stream.next_in = const_cast<Bytef*>(in.data());
    stream.avail_in = static_cast<uInt>(in.size());
    stream.next_out = out.data();
    stream.avail_out = static_cast<uInt>(out.size());
    const int status = inflate(&stream, Z_FINISH);
    const std::uint64_t produced = stream.total_out;
    inflateEnd(&stream);
    if (status != Z_STREAM_END || produced != expectedSize)
        throw FormatError("corrupt zip-compressed resource");
}

}  // namespace

std::uint32_t imageHash(std::string_view text, std::uint32_t seed)
{
    for (const char c : text)
        seed = (seed * kHashMultiplier) ^ static_cast<std::uint8_t>(c);
    return seed & 0x7FFFFFFF;
}

RuntimeImage::RuntimeImage(Bytes image) : image_(image)
{
    if (image.size() < kHeaderSize)
        throw FormatError("not a runtime image (too short)");
    std::uint32_t magic;
    std::memcpy(&magic, image.data(), 4);
    if (magic == kImageMagic)
        bigEndian_ = std::endian::native == std::endian::big;
    else if (__builtin_bswap32(magic) == kImageMagic)
        bigEndian_ = std::endian::native != std::endian::big;
    else
        throw FormatError("not a runtime image (bad magic)");
    if (u4At(image_, kVersionAt) >> 16 != kMajorVersion)
        throw FormatError("unsupported runtime image version " + std::to_string(u4At(image_, kVersionAt) >> 16) + "." +
                          std::to_string(u4At(image_, kVersionAt) & 0xFFFF));
    tableLength_ = u4At(image_, kTableLengthAt);
    locationsSize_ = u4At(image_, kLocationsSizeAt);
    stringsSize_ = u4At(image_, kStringsSizeAt);
    // 64-bit sums: none of these can overflow.
    redirectStart_ = kHeaderSize;
    offsetsStart_ = redirectStart_ + std::size_t{4} * tableLength_;
    locationsStart_ = offsetsStart_ + std::size_t{4} * tableLength_;
    stringsStart_ = locationsStart_ + locationsSize_;
    indexSize_ = stringsStart_ + stringsSize_;
    if (indexSize_ > image.size())
        throw FormatError("runtime image index (" + std::to_string(indexSize_) + " bytes) is longer than the file");
}

std::uint32_t RuntimeImage::u4At(Bytes bytes, std::size_t offset) const
{
    std::uint32_t v;
    std::memcpy(&v, bytes.data() + offset, 4);
    return bigEndian_ == (std::endian::native == std::endian::big) ? v : __builtin_bswap32(v);
}

std::uint64_t RuntimeImage::u8At(Bytes bytes, std::size_t offset) const
{
    std::uint64_t v;
    std::memcpy(&v, bytes.data() + offset, 8);
    return bigEndian_ == (std::endian::native == std::endian::big) ? v : __builtin_bswap64(v);
}

RuntimeImage::Location RuntimeImage::locationAt(std::uint32_t slot) const
{
    const std::uint32_t offset = u4At(image_, offsetsStart_ + std::size_t{4} * slot);
    if (offset >= locationsSize_)
        throw FormatError("location offset " + std::to_string(offset) + " out of range");
    std::uint64_t values[kAttributeKinds] = {};
    std::size_t at = locationsStart_ + offset;
    const std::size_t end = locationsStart_ + locationsSize_;
    while (true) {
        if (at >= end)
            throw FormatError("location at " + std::to_string(offset) + " runs past the locations area");
        const std::uint8_t header = image_[at++];
        const std::uint8_t kind = header >> 3;
        if (kind == kEnd)
            break;
        const std::size_t length = (header & 7u) + 1;
        if (length > end - at)
            throw FormatError("location at " + std::to_string(offset) + " runs past the locations area");
        std::uint64_t value = 0;
        for (std::size_t i = 0; i < length; ++i)
            value = value << 8 | image_[at + i];
        at += length;
        if (kind < kAttributeKinds)
            values[kind] = value;
        else
            throw FormatError("unknown location attribute " + std::to_string(kind));
    }
    const auto stringOffset = [&](Attribute kind) {
        if (values[kind] > 0xFFFFFFFFu)
            throw FormatError("location string offset out of range");
        return static_cast<std::uint32_t>(values[kind]);
    };
    return Location{stringOffset(kModule),      stringOffset(kParent),  stringOffset(kBase),
                    stringOffset(kExtension),   values[kOffset],        values[kCompressed],
                    values[kUncompressed]};
}

std::string_view RuntimeImage::string(std::uint32_t offset) const
{
    if (offset >= stringsSize_)
        throw FormatError("string offset " + std::to_string(offset) + " out of range");
    const char* start = reinterpret_cast<const char*>(image_.data() + stringsStart_ + offset);
    const void* nul = std::memchr(start, 0, stringsSize_ - offset);
    if (!nul)
        throw FormatError("string at " + std::to_string(offset) + " is not terminated");
    return {start, static_cast<std::size_t>(static_cast<const char*>(nul) - start)};
}

std::string RuntimeImage::fullName(const Location& l) const
{
    std::string name;
    if (const auto module = string(l.module); !module.empty())
        (name += '/').append(module) += '/';
    if (const auto parent = string(l.parent); !parent.empty())
        name.append(parent) += '/';
    name += string(l.base);
    if (const auto extension = string(l.extension); !extension.empty())
        (name += '.').append(extension);
    return name;
}

// Compares piecewise so that a look-up builds no string.
bool RuntimeImage::matches(const Location& l, std::string_view name) const
{
    const auto consume = [&name](std::string_view part) {
        if (!name.starts_with(part))
            return false;
        name.remove_prefix(part.size());
        return true;
    };
    if (const auto module = string(l.module); !module.empty())
        if (!consume("/") || !consume(module) || !consume("/"))
            return false;
    if (const auto parent = string(l.parent); !parent.empty())
        if (!consume(parent) || !consume("/"))
            return false;
    if (!consume(string(l.base)))
        return false;
    if (const auto extension = string(l.extension); !extension.empty())
        if (!consume(".") || !consume(extension))
            return false;
    return name.empty();
}

std::optional<RuntimeImage::Location> RuntimeImage::find(std::string_view fullName) const
{
    if (tableLength_ == 0)
        return std::nullopt;
    const std::uint32_t bucket = imageHash(fullName) % tableLength_;
    const auto redirect = static_cast<std::int32_t>(u4At(image_, redirectStart_ + std::size_t{4} * bucket));
    std::uint64_t slot;
    if (redirect == 0)
        return std::nullopt;
    if (redirect < 0)
        slot = static_cast<std::uint64_t>(-1 - static_cast<std::int64_t>(redirect));
    else
        slot = imageHash(fullName, static_cast<std::uint32_t>(redirect)) % tableLength_;
    if (slot >= tableLength_)
        throw FormatError("hash redirect to slot " + std::to_string(slot) + " out of range");
    const Location location = locationAt(static_cast<std::uint32_t>(slot));
    if (!matches(location, fullName))
        return std::nullopt;  // the hash gives false positives for absent names
    return location;
}

Bytes RuntimeImage::read(const Location& l, std::vector<std::uint8_t>& buffer) const
{
    const std::uint64_t stored = l.compressedSize != 0 ? l.compressedSize : l.uncompressedSize;
    const std::uint64_t available = image_.size() - indexSize_;
    if (l.offset > available || stored > available - l.offset)
        throw FormatError("resource at " + std::to_string(l.offset) + " (" + std::to_string(stored) +
                          " bytes) runs past the end of the image");
    Bytes content = image_.subspan(indexSize_ + l.offset, stored);
    if (l.compressedSize == 0)
        return content;

    std::vector<std::uint8_t> layer;
    for (int depth = 0; content.size() >= kCompressionHeaderSize && u4At(content, 0) == kCompressionMagic; ++depth) {
        if (depth == kMaxCompressionLayers)
            throw FormatError("too many compression layers");
        const std::uint64_t compressed = u8At(content, kCompressedSizeAt);
        const std::uint64_t uncompressed = u8At(content, kUncompressedSizeAt);
        const std::string_view decompressor = string(u4At(content, kDecompressorAt));
        if (compressed > content.size() - kCompressionHeaderSize)
            throw FormatError("compressed resource runs past its end");
        if (uncompressed > kMaxResourceSize || compressed > kMaxResourceSize)
            throw FormatError("compressed resource too large (" + std::to_string(uncompressed) + " bytes)");
        if (decompressor != "zip")
            throw FormatError("unsupported compression \"" + std::string(decompressor) + "\"");
        if (uncompressed > compressed * kMaxDeflateRatio + 64)
            throw FormatError("corrupt zip-compressed resource (" + std::to_string(compressed) + " bytes cannot inflate to " +
                              std::to_string(uncompressed) + ")");
        inflateZlib(content.subspan(kCompressionHeaderSize, compressed), layer, uncompressed);
        buffer.swap(layer);
        content = buffer;
    }
    if (content.size() != l.uncompressedSize)
        throw FormatError("resource has " + std::to_string(content.size()) + " bytes, its location says " +
                          std::to_string(l.uncompressedSize));
    return content;
}

std::optional<std::string_view> RuntimeImage::moduleOfPackage(std::string_view dottedPackage) const
{
    std::string name = "/packages/";
    name += dottedPackage;
    const auto location = find(name);
    if (!location)
        return std::nullopt;
    std::vector<std::uint8_t> buffer;
    const Bytes pairs = read(*location, buffer);
    // Pairs of u4 (is empty, module name) in the image's byte order; the module that
    // really holds classes of the package has "is empty" 0.
    for (std::size_t at = 0; at + 8 <= pairs.size(); at += 8) {
        if (u4At(pairs, at) == 0)
            return string(u4At(pairs, at + 4));
    }
    return std::nullopt;
}

}  // namespace qv
