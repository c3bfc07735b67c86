#pragma once
// A whole file mapped read-only into memory; unmapped when the object goes.

#include <filesystem>

#include "platform/byte_reader.h"

namespace qv {

class MappedFile {
public:
    // Throws ClassLibraryError naming the file when it cannot be opened or mapped.
    explicit MappedFile(const std::filesystem::path& file);
    ~MappedFile();
    MappedFile(const MappedFile&) = delete;
    MappedFile& operator=(const MappedFile&) = delete;

    Bytes bytes() const { return {data_, size_}; }
    // Lets the kernel drop the pages of `range` from this process; a later read maps them
    // again from the page cache.
    void release(Bytes range) const;

private:
    const std::uint8_t* data_ = nullptr;
    std::size_t size_ = 0;
};

}  // namespace qv
