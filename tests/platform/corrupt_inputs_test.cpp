// Corrupt inputs kept in data/: made by hand, or found by the fuzz targets and fixed.
// Each is replayed through what its fuzz target does and must give a clear error, never
// a crash; and a broken file on a class path is one ClassLibraryError naming it.

#include <gtest/gtest.h>

#include "error_text.h"
#include "platform/ClassLibrary.h"
#include "reader_exercises.h"
#include "support/temp_dir.h"

namespace qv {
namespace {

namespace fs = std::filesystem;

const fs::path kData = fs::path(QV_SOURCE_DIR) / "tests/platform/data";

Bytes bytesOf(const std::string& s) { return {reinterpret_cast<const std::uint8_t*>(s.data()), s.size()}; }

void replayAll(const char* reader, int (*exercise)(Bytes))
{
    int files = 0;
    for (const auto& entry : fs::directory_iterator(kData / reader)) {
        const std::string bytes = test::readBytes(entry.path());
        EXPECT_GT(exercise(bytesOf(bytes)), 0) << entry.path() << " was read without an error";
        ++files;
    }
    EXPECT_GT(files, 0) << "no inputs in " << kData / reader;
}

TEST(CorruptInputs, ClassFiles) { replayAll("class_file", fuzz::exerciseClassFile); }
TEST(CorruptInputs, RuntimeImages) { replayAll("runtime_image", fuzz::exerciseRuntimeImage); }
TEST(CorruptInputs, ZipArchives) { replayAll("zip_archive", fuzz::exerciseZipArchive); }

std::string lookUpError(const std::vector<ClassPathElement>& elements, const std::string& name)
{
    ClassLibrary library(elements);
    return test::errorText<ClassLibraryError>([&] { library.forName(name); });
}

TEST(CorruptInputs, OnAClassPathEachIsOneLineNamingTheFile)
{
    const test::TempDir dir;
    dir.write("classes/p/Bad.class", test::readBytes(kData / "class_file/truncated-in-constant-pool.class"));
    const fs::path classes = dir / "classes";
    const fs::path image = kData / "runtime_image/index-longer-than-file.img";
    const fs::path zip = kData / "zip_archive/directory-offset-past-end.zip";
    const struct {
        ClassPathElement element;
        std::string message;
    } cases[] = {
        {{classes, SourceKind::Directory, true, {}},
         (classes / "p/Bad.class").string() + ": truncated: 16 bytes needed at offset 40, 0 left"},
        {{image, SourceKind::RuntimeImage, true, {}},
         image.string() + ": runtime image index (137 bytes) is longer than the file"},
        {{zip, SourceKind::Zip, true, {}}, zip.string() + ": central directory lies outside the file"},
    };
    for (const auto& c : cases) {
        const std::string message = lookUpError({c.element}, "p.Bad");
        EXPECT_EQ(message, c.message);
        EXPECT_EQ(message.find('\n'), std::string::npos);
    }
}

}  // namespace
}  // namespace qv
