// Zip reader: any bytes (with or without a stub in front) give an archive or a
// FormatError; listing and reading every entry never crashes.

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "platform/zip_archive.h"

namespace {
constexpr int kMaxEntries = 256;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    try {
        const auto archive = qv::ZipArchive::openBytes({data, size});
        std::vector<std::string> names;
        archive.forEachName([&](std::string_view name) {
            if (names.size() < kMaxEntries)
                names.emplace_back(name);
        });
        std::vector<std::uint8_t> buffer;
        for (const std::string& name : names) {
            try {
                if (const auto index = archive.find(name))
                    archive.read(*index, buffer);
            } catch (const qv::FormatError&) {
            }
        }
    } catch (const qv::FormatError&) {
    }
    return 0;
}
