#pragma once
// A parsed class linked to its superclass and interfaces, as the class library keeps it.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/class_file.h"

namespace qv {

struct ClassNode;

// A public method together with the class that declares it.
struct MemberRef {
    const ClassNode* owner = nullptr;
    const MethodInfo* method = nullptr;
};

struct ClassNode {
    enum class State : std::uint8_t { Loaded, Linking, Linked, Failed };

    ClassFileInfo info;
    std::uint32_t source = 0;  // the class path element it came from
    State state = State::Loaded;
    std::string failure;  // why linking failed, one line

    const ClassNode* superclass = nullptr;  // none for java.lang.Object and for interfaces
    std::vector<const ClassNode*> interfaces;

    // The public methods as Class.getMethods() lists them, worked out on first use.
    mutable std::optional<std::vector<MemberRef>> publicMethods;

    bool isInterface() const { return info.isInterface(); }
};

}  // namespace qv
