#include "platform/mapped_file.h"

#include <cerrno>
#include <cstring>

#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/ClassReflection.h"
#include "platform/unique_fd.h"

namespace qv {
namespace {

[[noreturn]] void fail(const std::filesystem::path& file, const char* what, int error)
{
    throw ClassLibraryError(file.string() + ": " + what + ": " + std::strerror(error));
}

}  // namespace

MappedFile::MappedFile(const std::filesystem::path& file)
{
    const UniqueFd fd = openRegularFile(file.string());
    if (!fd)
        fail(file, errno == EISDIR || errno == EINVAL ? "not a regular file" : "cannot open", errno);
    struct stat status {};
    if (::fstat(fd.get(), &status) != 0)
        fail(file, "cannot read", errno);
    size_ = static_cast<std::size_t>(status.st_size);
    if (size_ == 0)
        return;  // mmap refuses empty files; an empty range serves
    void* data = ::mmap(nullptr, size_, PROT_READ, MAP_PRIVATE, fd.get(), 0);
    if (data == MAP_FAILED)
        fail(file, "cannot map", errno);
    data_ = static_cast<const std::uint8_t*>(data);
}

MappedFile::~MappedFile()
{
    if (data_)
        ::munmap(const_cast<std::uint8_t*>(data_), size_);
}

void MappedFile::release(Bytes range) const
{
    if (range.empty() || range.data() < data_ || range.data() + range.size() > data_ + size_)
        return;
    const auto page = static_cast<std::uintptr_t>(::sysconf(_SC_PAGESIZE));
    const auto begin = reinterpret_cast<std::uintptr_t>(range.data()) & ~(page - 1);
    const auto end = reinterpret_cast<std::uintptr_t>(range.data() + range.size());
    ::madvise(reinterpret_cast<void*>(begin), end - begin, MADV_DONTNEED);
}

}  // namespace qv
