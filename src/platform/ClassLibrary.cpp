#include "platform/ClassLibrary.h"

#include "platform/class_graph.h"
#include "platform/descriptor_text.h"
#include "platform/member_text.h"
#include "platform/public_methods.h"

namespace qv {
namespace {

// A class path element that is opened when first used; an element that cannot be opened
// reports the same error at every use.
class LazySource : public ClassSource {
public:
    explicit LazySource(ClassPathElement element) : element_(std::move(element)) {}

    bool read(std::string_view internalName, ClassBytes& out) override { return open().read(internalName, out); }
    void release(const ClassBytes& bytes) override { open().release(bytes); }
    void forEachClass(const std::function<void(std::string_view)>& visit) override { open().forEachClass(visit); }
    std::string describe(std::string_view internalName) const override
    {
        return opened_ ? opened_->describe(internalName) : element_.path.string();
    }

private:
    ClassSource& open()
    {
        if (!opened_) {
            if (!element_.error.empty()) {
                opened_ = failingClassSource(element_.error);
            } else {
                try {
                    opened_ = openClassSource(element_.path, element_.kind);
                } catch (const ClassLibraryError& e) {
                    opened_ = failingClassSource(e.what());
                }
            }
        }
        return *opened_;
    }

    ClassPathElement element_;
    std::unique_ptr<ClassSource> opened_;
};

class LibraryClass : public ReflectedClass {
public:
    LibraryClass(std::shared_ptr<ClassGraph> graph, const ClassNode& node) : graph_(std::move(graph)), node_(node) {}

    std::string getName() const override { return className(node_.info.name); }

    std::vector<ReflectedMember> getMethods() const override
    {
        std::vector<ReflectedMember> members;
        const auto& methods = publicMethods(node_);
        members.reserve(methods.size());
        for (const MemberRef& m : methods)
            members.emplace_back(methodText(m.owner->info, *m.method));
        return members;
    }

    std::vector<ReflectedMember> getConstructors() const override
    {
        std::vector<ReflectedMember> members;
        if (node_.isInterface())
            return members;
        for (const MethodInfo& m : node_.info.methods)
            if (m.isConstructor())
                members.emplace_back(constructorText(node_.info, m));
        return members;
    }

private:
    std::shared_ptr<ClassGraph> graph_;  // keeps the node alive
    const ClassNode& node_;
};

// Names the platform's Class.forName rejects: empty segments, "/" or "[" (arrays).
bool isPlausibleBinaryName(std::string_view name)
{
    if (name.empty() || name.front() == '.' || name.back() == '.')
        return false;
    return name.find_first_of("/[;") == std::string_view::npos && name.find("..") == std::string_view::npos;
}

}  // namespace

ClassLibrary::ClassLibrary(std::vector<ClassPathElement> elements)
{
    std::vector<std::unique_ptr<ClassSource>> sources;
    sources.reserve(elements.size());
    for (auto& element : elements)
        sources.push_back(std::make_unique<LazySource>(std::move(element)));
    graph_ = std::make_shared<ClassGraph>(std::move(sources));
}

ClassLibrary::~ClassLibrary() = default;

std::shared_ptr<const ReflectedClass> ClassLibrary::forName(std::string_view name)
{
    if (!isPlausibleBinaryName(name))
        throw ClassNotFoundError(std::string(name));
    std::string internal(name);
    for (char& c : internal)
        if (c == '.')
            c = '/';
    // java.util.Map.Entry: try java/util/Map$Entry, then java/util$Map$Entry, ...
    for (std::size_t dot = internal.size();;) {
        if (const ClassNode* node = graph_->find(internal))
            return std::make_shared<LibraryClass>(graph_, *node);
        dot = internal.rfind('/', dot - 1);
        if (dot == std::string::npos)
            break;
        internal[dot] = '$';
    }
    throw ClassNotFoundError(std::string(name));
}

std::vector<std::string> ClassLibrary::listClassNames()
{
    auto names = graph_->classNames();
    for (auto& name : names)
        name = className(name);
    return names;
}

std::shared_ptr<ClassLibrary> openDefaultClassLibrary()
{
    return std::make_shared<ClassLibrary>(defaultLibrary(JavaEnvironment::current()));
}

std::shared_ptr<ClassLibrary> openClassPath(std::string_view colonSeparatedList)
{
    return std::make_shared<ClassLibrary>(parseClassPath(colonSeparatedList, JavaEnvironment::current()));
}

}  // namespace qv
