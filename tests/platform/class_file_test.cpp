#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "class_writer.h"
#include "error_text.h"
#include "platform/class_file.h"

namespace qv {
namespace {

Bytes bytesOf(const std::string& s) { return {reinterpret_cast<const std::uint8_t*>(s.data()), s.size()}; }

test::ClassDraft sample()
{
    test::ClassDraft draft;
    draft.name = "p/Sample";
    draft.interfaces = {"java/lang/Runnable", "p/Other"};
    draft.methods = {
        {access::kPublic, "<init>", "(I)V", {}},
        {access::kPublic | access::kStatic, "<clinit>", "()V", {}},
        {access::kPrivate, "hidden", "()V", {}},
        {access::kPublic | access::kFinal, "run", "()V", {"java/io/IOException", "p/Oops"}},
        {access::kProtected, "prot", "(Ljava/lang/String;)I", {}},
        {access::kPublic, "g\xC3\xBC\xED\xA0\xB5\xED\xB4\x98", "([[J)Ljava/util/Map$Entry;", {}},
    };
    return draft;
}

TEST(ClassFile, KeepsTheClassAndItsPublicMethodsOnly)
{
    StringPool pool;
    const std::string bytes = test::writeClass(sample());
    const ClassFileInfo info = parseClassFile(bytesOf(bytes), pool);
    EXPECT_EQ(info.name, "p/Sample");
    EXPECT_EQ(info.superName, "java/lang/Object");
    EXPECT_EQ(info.interfaces, (std::vector<std::string_view>{"java/lang/Runnable", "p/Other"}));
    EXPECT_FALSE(info.isInterface());
    ASSERT_EQ(info.methods.size(), 3u);  // <init>, run and the non-ASCII one; not <clinit>, private, protected
    EXPECT_TRUE(info.methods[0].isConstructor());
    EXPECT_EQ(info.methods[1].name, "run");
    EXPECT_EQ(info.methods[1].parameters, "()");
    EXPECT_EQ(info.methods[1].returnType, "V");
    const auto thrown = info.exceptionsOf(info.methods[1]);
    EXPECT_EQ(std::vector<std::string_view>(thrown.begin(), thrown.end()),
              (std::vector<std::string_view>{"java/io/IOException", "p/Oops"}));
    EXPECT_EQ(info.methods[2].name, "g\xC3\xBC\xF0\x9D\x94\x98");  // decoded to standard UTF-8
    EXPECT_EQ(info.methods[2].parameters, "([[J)");
    EXPECT_EQ(info.methods[2].returnType, "Ljava/util/Map$Entry;");
}

TEST(ClassFile, EqualTextsShareOneAddress)
{
    StringPool pool;
    test::ClassDraft a = sample(), b = sample();
    b.name = "p/Twin";
    const std::string first = test::writeClass(a), second = test::writeClass(b);
    const auto x = parseClassFile(bytesOf(first), pool), y = parseClassFile(bytesOf(second), pool);
    EXPECT_EQ(x.methods[1].name.data(), y.methods[1].name.data());
    EXPECT_EQ(x.methods[1].parameters.data(), y.methods[1].parameters.data());
    EXPECT_EQ(x.methods[1].returnType.data(), y.methods[1].returnType.data());
}

TEST(ClassFile, EveryTruncationIsAFormatError)
{
    const std::string bytes = test::writeClass(sample());
    for (std::size_t length = 0; length < bytes.size() - 2; ++length) {
        StringPool pool;
        EXPECT_THROW(parseClassFile(bytesOf(bytes.substr(0, length)), pool), FormatError) << length;
    }
}

// The bytes of writeClass(plain()): the header (10 bytes), then the constant pool of 41
// bytes: entry 1 Utf8 "p/A" at 10, entry 2 its Class at 16, entry 3 Utf8
// "java/lang/Object" at 19, entry 4 its Class at 38, entries 5 and 6 "m" and "()V";
// then the access flags at 51 and this_class at 53.
test::ClassDraft plain()
{
    test::ClassDraft draft;
    draft.name = "p/A";
    draft.methods = {{access::kPublic, "m", "()V", {}}};
    return draft;
}

TEST(ClassFile, CorruptionsGiveClearErrors)
{
    const std::string good = test::writeClass(plain());
    ASSERT_EQ(good.substr(13, 3), "p/A");
    ASSERT_EQ(good[16], 7);
    constexpr std::size_t thisClassAt = 53;
    ASSERT_EQ(good.substr(thisClassAt, 2), std::string("\0\x02", 2));
    const struct {
        std::size_t at;
        std::string bytes;
        const char* problem;
    } cases[] = {
        {0, "\xCA\xFE\xBA\xBF", "bad magic"},
        {8, std::string("\0\0", 2), "constant pool count is 0"},
        {10, "\x02", "unknown constant-pool tag 2"},
        {14, "\xFF", "bad modified UTF-8"},
        {14, std::string("\0", 1), "bad modified UTF-8"},
        {thisClassAt, std::string("\0\x01", 2), "is not a class"},
        {thisClassAt, std::string("\0\x63", 2), "index 99 out of range"},
        {thisClassAt, std::string("\0\0", 2), "index 0 out of range"},
    };
    for (const auto& c : cases) {
        std::string bad = good;
        bad.replace(c.at, c.bytes.size(), c.bytes);
        StringPool pool;
        EXPECT_THAT(test::errorText<FormatError>([&] { parseClassFile(bytesOf(bad), pool); }),
                    testing::HasSubstr(c.problem));
    }
}

TEST(ClassFile, MalformedOrMisplacedPartsOfPublicMethods)
{
    const struct {
        test::MethodDraft method;
        const char* problem;
    } cases[] = {
        {{access::kPublic, "m", "(V)V", {}}, "malformed method descriptor \"(V)V\" of m"},
        {{access::kPublic, "m", "()Ljava/lang/String", {}}, "malformed method descriptor"},
    };
    for (const auto& c : cases) {
        test::ClassDraft draft = plain();
        draft.methods = {c.method};
        const std::string bytes = test::writeClass(draft);
        StringPool pool;
        EXPECT_THAT(test::errorText<FormatError>([&] { parseClassFile(bytesOf(bytes), pool); }),
                    testing::HasSubstr(c.problem));
    }
    // A private method is not read, so its descriptor does not matter.
    test::ClassDraft draft = plain();
    draft.methods = {{access::kPrivate, "m", "(V)V", {}}};
    StringPool pool;
    const std::string bytes = test::writeClass(draft);
    EXPECT_NO_THROW(parseClassFile(bytesOf(bytes), pool));
}

TEST(ClassFile, OnlyObjectAndModulesHaveNoSuperclass)
{
    test::ClassDraft draft = plain();
    draft.superName = "";
    StringPool pool;
    const std::string orphan = test::writeClass(draft);
    EXPECT_THROW(parseClassFile(bytesOf(orphan), pool), FormatError);
    draft.name = "java/lang/Object";
    const std::string object = test::writeClass(draft);
    EXPECT_TRUE(parseClassFile(bytesOf(object), pool).superName.empty());
}

}  // namespace
}  // namespace qv
