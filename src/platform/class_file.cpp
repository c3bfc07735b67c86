#include "platform/class_file.h"

#include <algorithm>
#include <string>

#include "platform/descriptor_text.h"
#include "platform/modified_utf8.h"

namespace qv {
namespace {

constexpr std::uint32_t kClassMagic = 0xCAFEBABE;

// Constant-pool tags and the size of each entry's body.
enum Tag : std::uint8_t {
    kUtf8 = 1,
    kInteger = 3,
    kFloat = 4,
    kLong = 5,
    kDouble = 6,
    kClass = 7,
    kString = 8,
    kFieldref = 9,
    kMethodref = 10,
    kInterfaceMethodref = 11,
    kNameAndType = 12,
    kMethodHandle = 15,
    kMethodType = 16,
    kDynamic = 17,
    kInvokeDynamic = 18,
    kModule = 19,
    kPackage = 20,
};

int bodySize(std::uint8_t tag)
{
    switch (tag) {
    case kInteger:
    case kFloat:
    case kFieldref:
    case kMethodref:
    case kInterfaceMethodref:
    case kNameAndType:
    case kDynamic:
    case kInvokeDynamic:
        return 4;
    case kLong:
    case kDouble:
        return 8;
    case kClass:
    case kString:
    case kMethodType:
    case kModule:
    case kPackage:
        return 2;
    case kMethodHandle:
        return 3;
    default:
        return -1;
    }
}

std::uint16_t readU2(Bytes bytes, std::size_t at) { return static_cast<std::uint16_t>(bytes[at] << 8 | bytes[at + 1]); }

class ConstantPool {
public:
    ConstantPool(ByteReader& in, Bytes bytes, StringPool& pool) : bytes_(bytes), pool_(pool), tags_(scratchTags()), offsets_(scratchOffsets())
    {
        const std::uint16_t count = in.u2();
        if (count == 0)
            throw FormatError("constant pool count is 0");
        tags_.assign(count, 0);
        offsets_.assign(count, 0);
        for (std::uint32_t i = 1; i < count; ++i) {
            const std::uint8_t tag = in.u1();
            offsets_[i] = static_cast<std::uint32_t>(in.position());
            tags_[i] = tag;
            if (tag == kUtf8) {
                in.skip(in.u2());
                continue;
            }
            const int size = bodySize(tag);
            if (size < 0)
                throw FormatError("unknown constant-pool tag " + std::to_string(tag) + " at index " + std::to_string(i));
            in.skip(static_cast<std::size_t>(size));
            if (tag == kLong || tag == kDouble)
                ++i;  // these take two slots; the second is unusable
        }
    }

    // The UTF-8 text of the entry, interned.
    std::string_view utf8(std::uint16_t index) const
    {
        std::string scratch;
        return pool_.intern(text(index, scratch));
    }

    // The UTF-8 text of the entry: a view of the class file's bytes when they are plain
    // ASCII, else decoded into `scratch`.
    std::string_view text(std::uint16_t index, std::string& scratch) const
    {
        check(index, kUtf8, "a UTF-8 string");
        const std::size_t at = offsets_[index];
        const Bytes bytes = bytes_.subspan(at + 2, readU2(bytes_, at));
        if (isPlainAscii(bytes))
            return {reinterpret_cast<const char*>(bytes.data()), bytes.size()};
        auto decoded = decodeModifiedUtf8(bytes);
        if (!decoded)
            throw FormatError("bad modified UTF-8 in constant-pool entry " + std::to_string(index));
        scratch = std::move(*decoded);
        return scratch;
    }

    StringPool& strings() const { return pool_; }

    bool utf8Equals(std::uint16_t index, std::string_view ascii) const
    {
        check(index, kUtf8, "a UTF-8 string");
        const std::size_t at = offsets_[index];
        const std::size_t length = readU2(bytes_, at);
        return length == ascii.size() && std::equal(ascii.begin(), ascii.end(), bytes_.begin() + at + 2);
    }

    std::string_view className(std::uint16_t index) const
    {
        check(index, kClass, "a class");
        const std::string_view name = utf8(readU2(bytes_, offsets_[index]));
        if (name.empty())
            throw FormatError("empty class name in constant-pool entry " + std::to_string(index));
        return name;
    }

private:
    static bool isPlainAscii(Bytes text)
    {
        for (const std::uint8_t b : text)
            if (b == 0 || b >= 0x80)
                return false;
        return true;
    }

    void check(std::uint16_t index, std::uint8_t tag, const char* what) const
    {
        if (index == 0 || index >= tags_.size())
            throw FormatError("constant-pool index " + std::to_string(index) + " out of range");
        if (tags_[index] != tag)
            throw FormatError("constant-pool entry " + std::to_string(index) + " is not " + what);
    }

    // The tables are reused from parse to parse: a parse does not nest in another.
    static std::vector<std::uint8_t>& scratchTags()
    {
        static thread_local std::vector<std::uint8_t> tags;
        return tags;
    }
    static std::vector<std::uint32_t>& scratchOffsets()
    {
        static thread_local std::vector<std::uint32_t> offsets;
        return offsets;
    }

    Bytes bytes_;
    StringPool& pool_;
    std::vector<std::uint8_t>& tags_;
    std::vector<std::uint32_t>& offsets_;
};

void skipAttributes(ByteReader& in)
{
    for (std::uint16_t n = in.u2(); n > 0; --n) {
        in.skip(2);
        in.skip(in.u4());
    }
}

void readMethod(ByteReader& in, const ConstantPool& pool, ClassFileInfo& info)
{
    const std::uint16_t flags = in.u2();
    const std::uint16_t nameIndex = in.u2();
    const std::uint16_t descriptorIndex = in.u2();
    const bool kept = (flags & access::kPublic) != 0 && !pool.utf8Equals(nameIndex, "<clinit>");
    MethodInfo method;
    if (kept) {
        method.flags = flags;
        method.name = pool.utf8(nameIndex);
        std::string scratch;
        const std::string_view descriptor = pool.text(descriptorIndex, scratch);
        const auto split = splitMethodDescriptor(descriptor);
        if (!split)
            throw FormatError("malformed method descriptor \"" + std::string(descriptor) + "\" of " +
                              std::string(method.name));
        // Interned apart, so that equal parameter lists and equal return types have equal
        // addresses: the member merge compares them by address.
        method.parameters = pool.strings().intern(descriptor.substr(0, split->parametersEnd));
        method.returnType = pool.strings().intern(descriptor.substr(split->parametersEnd));
    }
    for (std::uint16_t n = in.u2(); n > 0; --n) {
        const std::uint16_t attributeName = in.u2();
        const std::uint32_t length = in.u4();
        ByteReader body(in.take(length));
        if (!kept || !pool.utf8Equals(attributeName, "Exceptions"))
            continue;
        const std::uint16_t count = body.u2();
        if (length != 2u + 2u * count)
            throw FormatError("Exceptions attribute of " + std::string(method.name) + " has the wrong length");
        method.firstException = static_cast<std::uint32_t>(info.thrown.size());
        method.exceptionCount = count;
        for (std::uint16_t i = 0; i < count; ++i)
            info.thrown.push_back(pool.className(body.u2()));
    }
    if (kept)
        info.methods.push_back(method);
}

}  // namespace

ClassFileInfo parseClassFile(Bytes bytes, StringPool& strings)
{
    ByteReader in(bytes);
    if (in.u4() != kClassMagic)
        throw FormatError("not a class file (bad magic)");
    in.skip(4);  // minor and major version
    const ConstantPool pool(in, bytes, strings);

    ClassFileInfo info;
    info.flags = in.u2();
    info.name = pool.className(in.u2());
    if (const std::uint16_t super = in.u2(); super != 0)
        info.superName = pool.className(super);
    else if (info.name != "java/lang/Object" && (info.flags & access::kModule) == 0)
        throw FormatError("class " + std::string(info.name) + " names no superclass");

    const std::uint16_t interfaceCount = in.u2();
    info.interfaces.reserve(interfaceCount);
    for (std::uint16_t i = 0; i < interfaceCount; ++i)
        info.interfaces.push_back(pool.className(in.u2()));

    for (std::uint16_t fields = in.u2(); fields > 0; --fields) {
        in.skip(6);  // access flags, name, descriptor
        skipAttributes(in);
    }
    for (std::uint16_t methods = in.u2(); methods > 0; --methods)
        readMethod(in, pool, info);
    return info;
}

}  // namespace qv
