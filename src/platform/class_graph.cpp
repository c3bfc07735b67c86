#include "platform/class_graph.h"

#include <algorithm>
#include <unordered_set>

#include "platform/ClassReflection.h"
#include "platform/descriptor_text.h"

namespace qv {
namespace {

// Real hierarchies are a few dozen levels deep at most; a deeper one is a broken or
// hostile library and would otherwise exhaust the stack.
constexpr int kMaxHierarchyDepth = 1000;

}  // namespace

bool isValidInternalName(std::string_view name)
{
    if (name.empty())
        return false;
    std::size_t start = 0;
    while (true) {
        const std::size_t end = std::min(name.find('/', start), name.size());
        const std::string_view segment = name.substr(start, end - start);
        if (segment.empty() || segment == "." || segment == ".." || segment.find_first_of(".;[") != std::string_view::npos)
            return false;
        if (end == name.size())
            return true;
        start = end + 1;
    }
}

ClassGraph::ClassGraph(std::vector<std::unique_ptr<ClassSource>> sources) : sources_(std::move(sources)) {}

std::string ClassGraph::describe(const ClassNode& node) const { return sources_[node.source]->describe(node.info.name); }

ClassNode* ClassGraph::load(std::string_view internalName)
{
    if (auto found = nodes_.find(internalName); found != nodes_.end())
        return found->second.get();
    if (!isValidInternalName(internalName))
        return nullptr;
    for (std::uint32_t i = 0; i < sources_.size(); ++i) {
        ClassSource& source = *sources_[i];
        if (!source.read(internalName, scratch_))
            continue;
        auto node = std::make_unique<ClassNode>();
        node->source = i;
        try {
            node->info = parseClassFile(scratch_.bytes, strings_);
        } catch (const FormatError& e) {
            source.release(scratch_);
            throw ClassLibraryError(source.describe(internalName) + ": " + e.what());
        }
        source.release(scratch_);
        if (node->info.name != internalName)
            throw ClassLibraryError(source.describe(internalName) + ": holds class " + className(node->info.name) +
                                    ", not " + className(internalName));
        ClassNode* stored = node.get();
        nodes_.emplace(node->info.name, std::move(node));
        return stored;
    }
    return nullptr;
}

const ClassNode& ClassGraph::resolve(const ClassNode& from, std::string_view name, const char* role, int depth)
{
    ClassNode* node = load(name);
    if (!node)
        throw ClassLibraryError(describe(from) + ": " + role + " " + className(name) + " not found");
    link(*node, depth + 1);
    return *node;
}

void ClassGraph::link(ClassNode& node, int depth)
{
    switch (node.state) {
    case ClassNode::State::Linked:
        return;
    case ClassNode::State::Failed:
        throw ClassLibraryError(node.failure);
    case ClassNode::State::Linking:
        throw ClassLibraryError(describe(node) + ": class " + className(node.info.name) +
                                " is its own supertype (a cycle of superclasses or interfaces)");
    case ClassNode::State::Loaded:
        break;
    }
    node.state = ClassNode::State::Linking;
    try {
        if (depth > kMaxHierarchyDepth)
            throw ClassLibraryError(describe(node) + ": supertypes nested more than " +
                                    std::to_string(kMaxHierarchyDepth) + " levels deep");
        // An interface names java.lang.Object as its superclass but inherits nothing from it.
        if (!node.info.superName.empty() && !node.isInterface())
            node.superclass = &resolve(node, node.info.superName, "superclass", depth);
        node.interfaces.reserve(node.info.interfaces.size());
        for (const std::string_view name : node.info.interfaces)
            node.interfaces.push_back(&resolve(node, name, "interface", depth));
    } catch (const ClassLibraryError& e) {
        node.state = ClassNode::State::Failed;
        node.failure = e.what();
        node.superclass = nullptr;
        node.interfaces.clear();
        throw;
    }
    node.state = ClassNode::State::Linked;
}

const ClassNode* ClassGraph::find(std::string_view internalName)
{
    ClassNode* node = load(internalName);
    if (node)
        link(*node, 0);
    return node;
}

std::vector<std::string> ClassGraph::classNames()
{
    std::unordered_set<std::string> seen;
    std::vector<std::string> names;
    for (const auto& source : sources_)
        source->forEachClass([&](std::string_view name) {
            if (seen.emplace(name).second)
                names.emplace_back(name);
        });
    std::sort(names.begin(), names.end());
    return names;
}

}  // namespace qv
