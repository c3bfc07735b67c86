// Runtime images made by the JDK's own jlink with compression: "zip" (--compress=2) must
// read exactly as the installed, uncompressed image; "compact-cp" (--compress=1) is not
// supported and must say so for every class.

#include <gtest/gtest.h>

#include "platform/ClassLibrary.h"
#include "error_text.h"
#include "reflection_dump.h"
#include "support/temp_dir.h"

namespace qv {
namespace {

namespace fs = std::filesystem;

class JlinkImages : public testing::Test {
protected:
    static fs::path link(const test::TempDir& dir, const std::string& compression)
    {
        const fs::path jlink = fs::path(QV_JAVAC).parent_path() / "jlink";
        const fs::path out = dir / ("image" + compression);
        test::runCommand("'" + jlink.string() + "' --add-modules java.base --compress=" + compression + " --output '" +
                         out.string() + "' 2>&1");
        return out;
    }
    void SetUp() override
    {
        if (!fs::exists(fs::path(QV_JAVAC).parent_path() / "jlink"))
            GTEST_SKIP() << "no jlink next to javac";
    }
};

TEST_F(JlinkImages, ZipCompressedImageReadsLikeTheInstalledOne)
{
    const test::TempDir dir;
    const auto compressed = openClassPath(link(dir, "2").string());
    const auto installed = openClassPath(QV_JAVA_HOME);
    const auto names = compressed->listClassNames();
    ASSERT_GT(names.size(), 1000u);
    std::size_t lines = 0;
    for (const auto& name : names) {
        const auto expected = test::reflectedTexts(*installed, name);
        EXPECT_EQ(test::reflectedTexts(*compressed, name), expected) << name;
        lines += expected.size();
    }
    std::cout << "compared " << names.size() << " classes and " << lines << " lines of a zip-compressed image\n";
}

TEST_F(JlinkImages, CompactConstantPoolsAreReportedAsUnsupported)
{
    const test::TempDir dir;
    const fs::path image = link(dir, "1");
    const auto library = openClassPath(image.string());
    EXPECT_EQ(test::errorText<ClassLibraryError>([&] { library->forName("java.lang.String"); }),
              (image / "lib/modules").string() + ": java/lang/String.class: unsupported compression \"compact-cp\"");
}

}  // namespace
}  // namespace qv
