#pragma once
// The classes of a class path, parsed on first use and kept for the life of the graph:
// a class is read from the first element that holds it, parsed, and linked to its
// superclass and interfaces, which are loaded the same way.

#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "platform/class_node.h"
#include "platform/class_source.h"
#include "platform/string_pool.h"

namespace qv {

class ClassGraph {
public:
    explicit ClassGraph(std::vector<std::unique_ptr<ClassSource>> sources);

    // The linked class of that internal name (java/util/Map$Entry), or nullptr when no
    // element holds it. Throws ClassLibraryError when its file or one of its supertypes
    // is broken or missing, or its supertypes form a cycle.
    const ClassNode* find(std::string_view internalName);

    // The internal names of all classes, each once, sorted.
    std::vector<std::string> classNames();

    // Where the class came from, for messages.
    std::string describe(const ClassNode& node) const;

private:
    ClassNode* load(std::string_view internalName);
    void link(ClassNode& node, int depth);
    const ClassNode& resolve(const ClassNode& from, std::string_view name, const char* role, int depth);

    std::vector<std::unique_ptr<ClassSource>> sources_;
    StringPool strings_;
    std::unordered_map<std::string_view, std::unique_ptr<ClassNode>> nodes_;
    ClassBytes scratch_;
};

// A well-formed internal name: non-empty segments between "/", none of them "." or "..".
bool isValidInternalName(std::string_view name);

}  // namespace qv
