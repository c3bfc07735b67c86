#include "zip_writer.h"

#include <stdexcept>

#include <zip.h>

namespace qv::test {

void writeZip(const std::filesystem::path& file, const std::vector<ZipEntry>& entries, int padding)
{
    int error = 0;
    zip_t* archive = zip_open(file.c_str(), ZIP_CREATE | ZIP_TRUNCATE, &error);
    if (!archive)
        throw std::runtime_error("cannot create " + file.string());
    const auto add = [&](const std::string& name, const std::string& bytes, bool deflate) {
        zip_source_t* source = zip_source_buffer(archive, bytes.data(), bytes.size(), 0);
        const zip_int64_t index = zip_file_add(archive, name.c_str(), source, ZIP_FL_ENC_UTF_8);
        if (index < 0)
            throw std::runtime_error("cannot add " + name);
        zip_set_file_compression(archive, static_cast<zip_uint64_t>(index), deflate ? ZIP_CM_DEFLATE : ZIP_CM_STORE, 0);
    };
    for (const auto& e : entries)
        add(e.name, e.bytes, e.deflate);
    static const std::string empty;
    for (int i = 0; i < padding; ++i)
        add("pad/" + std::to_string(i), empty, false);
    if (zip_close(archive) != 0)
        throw std::runtime_error("cannot write " + file.string() + ": " + zip_strerror(archive));
}

std::string withStub(const std::string& stub, const std::string& zipBytes) { return stub + zipBytes; }

}  // namespace qv::test
