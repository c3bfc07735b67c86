#include "platform/mapped_file.h"

#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/ClassReflection.h"

namespace qv {
namespace {

[[noreturn]] void fail(const std::filesystem::path& file, const char* what, int error)
{
    throw ClassLibraryError(file.string() + ": " + what + ": " + std::strerror(error));
}

class FileDescriptor {
public:
    explicit FileDescriptor(int fd) : fd_(fd) {}
    ~FileDescriptor()
    {
        if (fd_ >= 0)
            ::close(fd_);
    }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    int get() const { return fd_; }

private:
    int fd_;
};

}  // namespace

MappedFile::MappedFile(const std::filesystem::path& file)
{
    const FileDescriptor fd(::open(file.c_str(), O_RDONLY | O_CLOEXEC));
    if (fd.get() < 0)
        fail(file, "cannot open", errno);
    struct stat status {};
    if (::fstat(fd.get(), &status) != 0)
        fail(file, "cannot read", errno);
    if (!S_ISREG(status.st_mode))
        throw ClassLibraryError(file.string() + ": not a regular file");
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
