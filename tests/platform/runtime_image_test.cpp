#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>

#include "error_text.h"
#include "image_builder.h"
#include "platform/mapped_file.h"
#include "platform/runtime_image.h"

namespace qv {
namespace {

using test::ImageBuilder;

Bytes bytesOf(const std::string& s) { return {reinterpret_cast<const std::uint8_t*>(s.data()), s.size()}; }
std::string textOf(Bytes b) { return {reinterpret_cast<const char*>(b.data()), b.size()}; }

std::string contentOf(const RuntimeImage& image, const std::string& name)
{
    std::vector<std::uint8_t> buffer;
    const auto location = image.find(name);
    if (!location)
        return "<absent>";
    return textOf(image.read(*location, buffer));
}

TEST(RuntimeImage, FindsEveryNameThroughItsHashAndNothingElse)
{
    ImageBuilder builder;
    // Enough names that buckets collide and need seeds as well as direct slots.
    for (int i = 0; i < 300; ++i)
        builder.addClass(i % 2 ? "m.one" : "m.two", "p" + std::to_string(i % 7) + "/C" + std::to_string(i),
                         "bytes of " + std::to_string(i));
    builder.addResource("", "", "top", "", "no module");
    const std::string bytes = builder.build();
    const RuntimeImage image(bytesOf(bytes));
    for (int i = 0; i < 300; ++i) {
        const std::string name = std::string(i % 2 ? "/m.one/" : "/m.two/") + "p" + std::to_string(i % 7) + "/C" +
                                 std::to_string(i) + ".class";
        EXPECT_EQ(contentOf(image, name), "bytes of " + std::to_string(i)) << name;
    }
    EXPECT_EQ(contentOf(image, "top"), "no module");
    // Absent names: some land in used buckets and must be caught by the name comparison.
    for (int i = 300; i < 1300; ++i)
        EXPECT_FALSE(image.find("/m.one/p1/C" + std::to_string(i) + ".class"));
    EXPECT_FALSE(image.find("/m.one/p0/C0.class"));  // C0 is in m.two only
    EXPECT_EQ(image.moduleOfPackage("p3"), "m.one");  // the first module that has it
    EXPECT_FALSE(image.moduleOfPackage("q"));
}

TEST(RuntimeImage, InflatesZipCompressedResources)
{
    ImageBuilder builder;
    const std::string big(5000, 'x');
    builder.addClass("m", "p/A", big + "tail", ImageBuilder::Storage::Zip);
    builder.addClass("m", "p/B", "stored");
    const std::string bytes = builder.build();
    const RuntimeImage image(bytesOf(bytes));
    EXPECT_EQ(contentOf(image, "/m/p/A.class"), big + "tail");
    EXPECT_EQ(contentOf(image, "/m/p/B.class"), "stored");
}

TEST(RuntimeImage, OtherCompressionIsReportedAsUnsupported)
{
    ImageBuilder builder;
    builder.addClass("m", "p/A", "shared strings", ImageBuilder::Storage::Named, "compact-cp");
    const std::string bytes = builder.build();
    const RuntimeImage image(bytesOf(bytes));
    std::vector<std::uint8_t> buffer;
    EXPECT_EQ(test::errorText<FormatError>([&] { image.read(*image.find("/m/p/A.class"), buffer); }),
              "unsupported compression \"compact-cp\"");
}

TEST(RuntimeImage, ImplausibleCompressedSizesAreRefusedBeforeAllocating)
{
    ImageBuilder builder;
    builder.addClass("m", "p/A", "small", ImageBuilder::Storage::Zip);
    std::string bytes = builder.build();
    const std::size_t header = bytes.find("\xFA\xFA\xFE\xCA");  // CAFEFAFA, little-endian
    ASSERT_NE(header, std::string::npos);
    bytes.replace(header + 12, 8, std::string("\0\0\0\x0C\0\0\0\0", 8));  // claims 192 MiB
    const RuntimeImage image(bytesOf(bytes));
    std::vector<std::uint8_t> buffer;
    EXPECT_THAT(test::errorText<FormatError>([&] { image.read(*image.find("/m/p/A.class"), buffer); }),
                testing::HasSubstr("cannot inflate to 201326592"));
    EXPECT_LT(buffer.capacity(), 1u << 20);
}

TEST(RuntimeImage, CorruptHeadersAndIndexes)
{
    ImageBuilder builder;
    builder.addClass("m", "p/A", "content");
    const std::string good = builder.build();
    const auto setU4 = [](std::string s, std::size_t at, std::uint32_t v) {
        for (int i = 0; i < 4; ++i)
            s[at + i] = static_cast<char>(v >> (8 * i));
        return s;
    };
    const struct {
        std::string bytes;
        const char* problem;
    } cases[] = {
        {good.substr(0, 27), "too short"},
        {setU4(good, 0, 0xCAFEBABE), "bad magic"},
        {setU4(good, 4, 2u << 16), "unsupported runtime image version 2.0"},
        {setU4(good, 16, 0x40000000), "is longer than the file"},
        {setU4(good, 24, 0xFFFFFFF0), "is longer than the file"},
    };
    for (const auto& c : cases)
        EXPECT_THAT(test::errorText<FormatError>([&] { RuntimeImage image(bytesOf(c.bytes)); }),
                    testing::HasSubstr(c.problem));
}

TEST(RuntimeImage, ResourcePastTheEndIsAnError)
{
    ImageBuilder builder;
    builder.addClass("m", "p/A", std::string(100, 'c'));
    const std::string good = builder.build();
    const std::string cut = good.substr(0, good.size() - 10);
    const RuntimeImage image(bytesOf(cut));
    std::vector<std::uint8_t> buffer;
    EXPECT_THROW(image.read(*image.find("/m/p/A.class"), buffer), FormatError);
}

TEST(RuntimeImage, ReadsTheInstalledJdk)
{
    const std::filesystem::path modules = std::filesystem::path(QV_JAVA_HOME) / "lib" / "modules";
    if (!std::filesystem::exists(modules))
        GTEST_SKIP() << "no runtime image at " << modules;
    const MappedFile file(modules);
    const RuntimeImage image(file.bytes());
    EXPECT_EQ(image.moduleOfPackage("java.lang"), "java.base");
    EXPECT_EQ(image.moduleOfPackage("javax.swing"), "java.desktop");
    const auto string = image.find("/java.base/java/lang/String.class");
    ASSERT_TRUE(string);
    EXPECT_EQ(image.fullName(*string), "/java.base/java/lang/String.class");
    std::vector<std::uint8_t> buffer;
    const Bytes bytes = image.read(*string, buffer);
    ASSERT_GE(bytes.size(), 4u);
    EXPECT_EQ(bytes[0], 0xCA);
    EXPECT_EQ(bytes[3], 0xBE);
    EXPECT_FALSE(image.find("/java.base/java/lang/Strng.class"));
    EXPECT_FALSE(image.find("/java.desktop/java/lang/String.class"));
}

}  // namespace
}  // namespace qv
