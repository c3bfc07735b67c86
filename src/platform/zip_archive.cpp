#include "platform/zip_archive.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fstream>
#include <string>

#include <dlfcn.h>
#include <zip.h>

namespace qv {
namespace {

// libzip is loaded when the first archive is opened. A look-up in a runtime image, the
// usual case, then starts without it and the libraries it needs (libcrypto among them),
// whose loading is most of the start-up time of a short run.
#define QV_LIBZIP_FUNCTIONS(X) \
    X(zip_error_init)          \
    X(zip_error_fini)          \
    X(zip_error_strerror)      \
    X(zip_source_file_create)  \
    X(zip_source_buffer_create) \
    X(zip_source_free)         \
    X(zip_open_from_source)    \
    X(zip_discard)             \
    X(zip_name_locate)         \
    X(zip_stat_init)           \
    X(zip_stat_index)          \
    X(zip_strerror)            \
    X(zip_fopen_index)         \
    X(zip_fread)               \
    X(zip_file_strerror)       \
    X(zip_fclose)              \
    X(zip_get_num_entries)     \
    X(zip_get_name)

struct LibZip {
#define QV_DECLARE_FUNCTION(name) decltype(&::name) name = nullptr;
    QV_LIBZIP_FUNCTIONS(QV_DECLARE_FUNCTION)
#undef QV_DECLARE_FUNCTION
};

// The loaded library; throws FormatError when it cannot be loaded.
const LibZip& libzip()
{
    static const LibZip* loaded = nullptr;
    if (loaded)
        return *loaded;
    void* handle = ::dlopen(QV_LIBZIP_SONAME, RTLD_NOW | RTLD_LOCAL);
    if (!handle)
        throw FormatError(std::string("cannot load the zip library: ") + ::dlerror());
    static LibZip functions;
#define QV_RESOLVE_FUNCTION(name)                                                                 \
    functions.name = reinterpret_cast<decltype(&::name)>(::dlsym(handle, #name));                 \
    if (!functions.name)                                                                          \
        throw FormatError("the zip library " QV_LIBZIP_SONAME " lacks " #name);
    QV_LIBZIP_FUNCTIONS(QV_RESOLVE_FUNCTION)
#undef QV_RESOLVE_FUNCTION
    loaded = &functions;
    return *loaded;
}

// End of central directory record (at least 22 bytes, a comment may follow).
constexpr std::uint32_t kEndSignature = 0x06054b50;
constexpr std::size_t kEndSize = 22;
constexpr std::size_t kEndCommentLengthAt = 20, kEndDirectorySizeAt = 12, kEndDirectoryOffsetAt = 16;
// ZIP64 end of central directory locator (20 bytes, just before the record above) and
// the ZIP64 record it points to (56 bytes without extensible data).
constexpr std::uint32_t kZip64LocatorSignature = 0x07064b50;
constexpr std::size_t kZip64LocatorSize = 20;
constexpr std::uint32_t kZip64EndSignature = 0x06064b50;
constexpr std::size_t kZip64EndSize = 56;
constexpr std::size_t kZip64DirectorySizeAt = 40, kZip64DirectoryOffsetAt = 48;
// Bounds what one entry may make us allocate; no class file comes near it.
constexpr std::uint64_t kMaxEntrySize = 256u << 20;
// Deflate cannot shrink data more than about 1032 to 1: a directory entry that claims
// more is corrupt, and is refused before a buffer of its claimed size is made.
constexpr std::uint64_t kMaxDeflateRatio = 1100;

bool sizesArePlausible(const zip_stat_t& s, std::uint64_t archiveSize)
{
    if (!(s.valid & ZIP_STAT_COMP_SIZE) || !(s.valid & ZIP_STAT_COMP_METHOD))
        return true;
    if (s.comp_size > archiveSize)
        return false;
    if (s.comp_method == ZIP_CM_STORE)
        return s.size == s.comp_size;
    if (s.comp_method == ZIP_CM_DEFLATE)
        return s.size <= s.comp_size * kMaxDeflateRatio + 64;
    return true;
}

std::uint64_t littleEndian(Bytes bytes, std::size_t at, std::size_t size)
{
    std::uint64_t v = 0;
    for (std::size_t i = size; i > 0; --i)
        v = v << 8 | bytes[at + i - 1];
    return v;
}

std::string zipErrorText(const zip_error_t* error)
{
    return libzip().zip_error_strerror(const_cast<zip_error_t*>(error));
}


}  // namespace

std::uint64_t zipStartOffset(Bytes tail, std::uint64_t fileSize)
{
    if (tail.size() < kEndSize)
        throw FormatError("not a zip archive (too short)");
    // The last end record whose comment runs exactly to the end of the file.
    std::size_t end = tail.size() - kEndSize + 1;
    while (true) {
        if (end == 0)
            throw FormatError("not a zip archive (no end of central directory)");
        --end;
        if (littleEndian(tail, end, 4) == kEndSignature &&
            end + kEndSize + littleEndian(tail, end + kEndCommentLengthAt, 2) == tail.size())
            break;
    }
    const std::uint64_t tailStart = fileSize - tail.size();
    std::uint64_t recordAt = tailStart + end;
    std::uint64_t directorySize = littleEndian(tail, end + kEndDirectorySizeAt, 4);
    std::uint64_t directoryOffset = littleEndian(tail, end + kEndDirectoryOffsetAt, 4);
    if (end >= kZip64LocatorSize + kZip64EndSize &&
        littleEndian(tail, end - kZip64LocatorSize, 4) == kZip64LocatorSignature) {
        const std::size_t zip64End = end - kZip64LocatorSize - kZip64EndSize;
        if (littleEndian(tail, zip64End, 4) != kZip64EndSignature)
            throw FormatError("ZIP64 end of central directory record not found");
        recordAt = tailStart + zip64End;
        directorySize = littleEndian(tail, zip64End + kZip64DirectorySizeAt, 8);
        directoryOffset = littleEndian(tail, zip64End + kZip64DirectoryOffsetAt, 8);
    }
    if (directorySize > recordAt || directoryOffset > recordAt - directorySize)
        throw FormatError("central directory lies outside the file");
    return recordAt - directorySize - directoryOffset;
}

void ZipArchive::Closer::operator()(zip* archive) const { libzip().zip_discard(archive); }

ZipArchive ZipArchive::openFile(const std::filesystem::path& file)
{
    std::ifstream in(file, std::ios::binary);
    if (!in)
        throw FormatError(std::string("cannot open: ") + std::strerror(errno));
    in.seekg(0, std::ios::end);
    const auto fileSize = static_cast<std::uint64_t>(in.tellg());
    const std::size_t tailSize = static_cast<std::size_t>(std::min<std::uint64_t>(fileSize, kZipTailSize));
    std::vector<std::uint8_t> tail(tailSize);
    in.seekg(static_cast<std::streamoff>(fileSize - tailSize));
    in.read(reinterpret_cast<char*>(tail.data()), static_cast<std::streamsize>(tailSize));
    if (!in)
        throw FormatError("cannot read");
    const std::uint64_t start = zipStartOffset(tail, fileSize);

    // A window of the file from the zip's start: libzip itself refuses a zip whose offsets
    // do not count from the start of the file.
    return openSource(fileSize - start, [&](zip_error_t* error) {
        return libzip().zip_source_file_create(file.c_str(), start, static_cast<zip_int64_t>(fileSize - start), error);
    });
}

ZipArchive ZipArchive::openBytes(Bytes bytes)
{
    const std::size_t tailSize = std::min(bytes.size(), kZipTailSize);
    const std::uint64_t start = zipStartOffset(bytes.last(tailSize), bytes.size());
    return openSource(bytes.size() - start, [&](zip_error_t* error) {
        return libzip().zip_source_buffer_create(bytes.data() + start, bytes.size() - start, 0, error);
    });
}

ZipArchive ZipArchive::openSource(std::uint64_t size, const std::function<zip_source*(zip_error*)>& makeSource)
{
    zip_error_t error;
    libzip().zip_error_init(&error);
    zip_source_t* source = makeSource(&error);
    zip* archive = source ? libzip().zip_open_from_source(source, ZIP_RDONLY, &error) : nullptr;
    if (!archive) {
        if (source)
            libzip().zip_source_free(source);
        const std::string text = zipErrorText(&error);
        libzip().zip_error_fini(&error);
        throw FormatError(text);
    }
    libzip().zip_error_fini(&error);
    return ZipArchive(archive, size);
}

std::optional<std::uint64_t> ZipArchive::find(std::string_view name) const
{
    const std::string key(name);
    const zip_int64_t index = libzip().zip_name_locate(archive_.get(), key.c_str(), 0);
    if (index < 0)
        return std::nullopt;
    return static_cast<std::uint64_t>(index);
}

void ZipArchive::read(std::uint64_t index, std::vector<std::uint8_t>& out) const
{
    zip_stat_t status;
    libzip().zip_stat_init(&status);
    if (libzip().zip_stat_index(archive_.get(), index, 0, &status) != 0 || !(status.valid & ZIP_STAT_SIZE))
        throw FormatError(std::string("cannot read entry: ") + libzip().zip_strerror(archive_.get()));
    if (status.size > kMaxEntrySize)
        throw FormatError("entry too large (" + std::to_string(status.size) + " bytes)");
    if (!sizesArePlausible(status, archiveSize_))
        throw FormatError("corrupt entry: " + std::to_string(status.comp_size) + " stored bytes cannot hold " +
                          std::to_string(status.size));
    zip_file_t* entry = libzip().zip_fopen_index(archive_.get(), index, 0);
    if (!entry)
        throw FormatError(std::string("cannot read entry: ") + libzip().zip_strerror(archive_.get()));
    out.resize(status.size + 1);  // one byte more shows an entry longer than it claims
    const zip_int64_t got = libzip().zip_fread(entry, out.data(), out.size());
    std::string problem;
    if (got < 0)
        problem = std::string("cannot read entry: ") + libzip().zip_file_strerror(entry);
    libzip().zip_fclose(entry);
    if (!problem.empty())
        throw FormatError(problem);
    if (static_cast<std::uint64_t>(got) != status.size)
        throw FormatError("entry has " + std::to_string(got) + " bytes, the directory says " +
                          std::to_string(status.size));
    out.resize(status.size);
}

void ZipArchive::forEachName(const std::function<void(std::string_view)>& visit) const
{
    const zip_int64_t count = libzip().zip_get_num_entries(archive_.get(), 0);
    for (zip_int64_t i = 0; i < count; ++i)
        if (const char* name = libzip().zip_get_name(archive_.get(), static_cast<zip_uint64_t>(i), 0))
            visit(name);
}

}  // namespace qv
