#pragma once
// The parts of a class file that public-member reflection needs: access flags, the class,
// its superclass and interfaces, and its public methods and constructors with their
// descriptors and declared exceptions. Everything else is skipped unread.

#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

#include "platform/byte_reader.h"
#include "platform/string_pool.h"

namespace qv {

namespace access {
constexpr std::uint16_t kPublic = 0x0001;
constexpr std::uint16_t kPrivate = 0x0002;
constexpr std::uint16_t kProtected = 0x0004;
constexpr std::uint16_t kStatic = 0x0008;
constexpr std::uint16_t kFinal = 0x0010;
constexpr std::uint16_t kSynchronized = 0x0020;
constexpr std::uint16_t kBridge = 0x0040;
constexpr std::uint16_t kVarargs = 0x0080;
constexpr std::uint16_t kNative = 0x0100;
constexpr std::uint16_t kInterface = 0x0200;
constexpr std::uint16_t kAbstract = 0x0400;
constexpr std::uint16_t kStrict = 0x0800;
constexpr std::uint16_t kSynthetic = 0x1000;
constexpr std::uint16_t kModule = 0x8000;
}  // namespace access

// A public method or constructor. All texts are UTF-8 views into the StringPool the
// class was parsed with, each interned: equal texts have equal addresses.
struct MethodInfo {
    std::uint16_t flags = 0;
    std::string_view name;         // "<init>" for a constructor
    std::string_view parameters;   // the descriptor's parameter part, "(I[Ljava/lang/String;)"
    std::string_view returnType;   // the descriptor's return part, "V"
    std::uint32_t firstException = 0;  // range in ClassFileInfo::thrown
    std::uint16_t exceptionCount = 0;

    bool isConstructor() const { return name == "<init>"; }
};

struct ClassFileInfo {
    std::uint16_t flags = 0;
    std::string_view name;       // internal form: java/util/Map$Entry
    std::string_view superName;  // empty for java/lang/Object and module-info
    std::vector<std::string_view> interfaces;
    std::vector<MethodInfo> methods;       // public ones only, in class-file order
    std::vector<std::string_view> thrown;  // the Exceptions attributes of `methods`, internal names

    bool isInterface() const { return (flags & access::kInterface) != 0; }
    std::span<const std::string_view> exceptionsOf(const MethodInfo& m) const
    {
        return std::span<const std::string_view>(thrown).subspan(m.firstException, m.exceptionCount);
    }
};

// Parses a class file. Throws FormatError naming the problem: bad magic, truncation,
// constant-pool indices out of range or of the wrong kind, bad modified UTF-8, malformed
// method descriptors.
ClassFileInfo parseClassFile(Bytes bytes, StringPool& pool);

}  // namespace qv
