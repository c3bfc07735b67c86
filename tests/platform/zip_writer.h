#pragma once
// Writes zip archives for tests through libzip.

#include <filesystem>
#include <string>
#include <vector>

namespace qv::test {

struct ZipEntry {
    std::string name;
    std::string bytes;
    bool deflate = true;
};

// Writes the archive to `file`; `padding` empty stored entries are added after the
// others (more than 65535 entries makes libzip write ZIP64 records).
void writeZip(const std::filesystem::path& file, const std::vector<ZipEntry>& entries, int padding = 0);

// The whole file with `stub` in front of it (the zip's offsets then count from its start,
// as in a jmod).
std::string withStub(const std::string& stub, const std::string& zipBytes);

}  // namespace qv::test
