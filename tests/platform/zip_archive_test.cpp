#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "error_text.h"
#include "platform/zip_archive.h"
#include "support/temp_dir.h"
#include "zip_writer.h"

namespace qv {
namespace {

Bytes bytesOf(const std::string& s) { return {reinterpret_cast<const std::uint8_t*>(s.data()), s.size()}; }

std::string entryText(const ZipArchive& archive, const std::string& name)
{
    const auto index = archive.find(name);
    if (!index)
        return "<absent>";
    std::vector<std::uint8_t> buffer;
    archive.read(*index, buffer);
    return {buffer.begin(), buffer.end()};
}

const std::string kBig = std::string(3000, 'a') + "end";

std::string sampleZip(const test::TempDir& dir, int padding = 0)
{
    const auto file = dir / ("sample" + std::to_string(padding) + ".zip");
    test::writeZip(file, {{"p/A.class", kBig, true}, {"p/B.class", "stored bytes", false}}, padding);
    return test::readBytes(file);
}

TEST(ZipArchive, ReadsStoredAndDeflatedEntriesWithAndWithoutAStub)
{
    const test::TempDir dir;
    const std::string zip = sampleZip(dir);
    for (const std::string& stub : {std::string(), std::string("JM\x01\x00", 4), std::string("#!/bin/sh\nexit 0\n")}) {
        const std::string bytes = test::withStub(stub, zip);
        EXPECT_EQ(zipStartOffset(bytesOf(bytes), bytes.size()), stub.size());
        std::vector<ZipArchive> archives;
        archives.push_back(ZipArchive::openBytes(bytesOf(bytes)));
        archives.push_back(ZipArchive::openFile(dir.write("stubbed" + std::to_string(stub.size()), bytes)));
        for (const auto& archive : archives) {
            EXPECT_EQ(entryText(archive, "p/A.class"), kBig);
            EXPECT_EQ(entryText(archive, "p/B.class"), "stored bytes");
            EXPECT_EQ(entryText(archive, "p/C.class"), "<absent>");
        }
    }
}

TEST(ZipArchive, ReadsZip64WithAStub)
{
    const test::TempDir dir;
    const std::string zip = sampleZip(dir, 70000);  // more than 65535 entries: ZIP64 records
    ASSERT_NE(zip.find("PK\x06\x06"), std::string::npos);
    const std::string bytes = test::withStub(std::string("JM\x01\x00", 4), zip);
    EXPECT_EQ(zipStartOffset(bytesOf(bytes).last(kZipTailSize), bytes.size()), 4u);
    const auto archive = ZipArchive::openFile(dir.write("big.jmod", bytes));
    EXPECT_EQ(entryText(archive, "p/A.class"), kBig);
    EXPECT_EQ(entryText(archive, "pad/69999"), "");
    int names = 0;
    archive.forEachName([&](std::string_view) { ++names; });
    EXPECT_EQ(names, 70002);
}

TEST(ZipArchive, BrokenArchivesGiveErrors)
{
    const test::TempDir dir;
    const std::string zip = sampleZip(dir);
    const std::size_t end = zip.rfind("PK\x05\x06");
    const auto patched = [&](std::size_t at, const std::string& bytes) {
        std::string s = zip;
        s.replace(at, bytes.size(), bytes);
        return s;
    };
    const struct {
        std::string bytes;
        const char* problem;
    } cases[] = {
        {"", "too short"},
        {"not a zip archive at all, just text", "no end of central directory"},
        {zip.substr(0, zip.size() - 1), "no end of central directory"},
        {patched(end + 16, "\xFF\xFF\xFF\x0F"), "central directory lies outside the file"},
        {patched(end + 12, "\xFF\xFF\xFF\x0F"), "central directory lies outside the file"},
    };
    for (const auto& c : cases)
        EXPECT_THAT(test::errorText<FormatError>([&] { ZipArchive::openBytes(bytesOf(c.bytes)); }),
                    testing::HasSubstr(c.problem));
}

TEST(ZipArchive, ImplausibleEntrySizesAreRefusedBeforeAllocating)
{
    const test::TempDir dir;
    const std::string huge("\0\0\0\x0C", 4);  // 192 MiB
    const struct {
        const char* entry;
        bool compressedSizeToo;
    } cases[] = {
        {"p/A.class", false},  // deflated: more than deflate can give
        {"p/B.class", false},  // stored: sizes differ
        {"p/B.class", true},   // stored: more stored bytes than the archive has
    };
    for (const auto& c : cases) {
        std::string zip = sampleZip(dir);
        // The central directory's sizes of the entry (compressed at 20, uncompressed at 24).
        const std::size_t header = zip.rfind("PK\x01\x02", zip.rfind(c.entry));
        zip.replace(header + 24, 4, huge);
        if (c.compressedSizeToo)
            zip.replace(header + 20, 4, huge);
        const auto archive = ZipArchive::openBytes(bytesOf(zip));
        std::vector<std::uint8_t> buffer;
        EXPECT_THAT(test::errorText<FormatError>([&] { archive.read(*archive.find(c.entry), buffer); }),
                    testing::HasSubstr("cannot hold 201326592"))
            << c.entry;
        EXPECT_LT(buffer.capacity(), 1u << 20);
    }
}

TEST(ZipArchive, CorruptEntryDataIsAnErrorNotGarbage)
{
    const test::TempDir dir;
    std::string zip = sampleZip(dir);
    // Damage the deflated data of p/A.class (it follows its 30-byte local header and name).
    const std::size_t data = zip.find("p/A.class") + 9;
    for (std::size_t i = data + 2; i < data + 12; ++i)
        zip[i] = static_cast<char>(~zip[i]);
    const auto archive = ZipArchive::openBytes(bytesOf(zip));
    std::vector<std::uint8_t> buffer;
    EXPECT_THROW(archive.read(*archive.find("p/A.class"), buffer), FormatError);
    EXPECT_EQ(entryText(archive, "p/B.class"), "stored bytes");
}

}  // namespace
}  // namespace qv
