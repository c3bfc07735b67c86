// The merge rules of Class.getMethods() on small hand-made hierarchies; the fixture and
// conformance tests check the same against the JDK on real classes.

#include <gtest/gtest.h>

#include <algorithm>
#include <deque>

#include "platform/public_methods.h"

namespace qv {
namespace {

class Hierarchy {
public:
    struct Method {
        std::uint16_t flags;
        std::string name, parameters, returnType;
    };

    ClassNode& add(std::string name, bool isInterface, const ClassNode* superclass,
                   std::vector<const ClassNode*> interfaces, std::vector<Method> methods)
    {
        ClassNode& node = nodes_.emplace_back();
        node.info.name = pool_.intern(name);
        node.info.flags = access::kPublic | (isInterface ? access::kInterface | access::kAbstract : 0);
        node.superclass = superclass;
        node.interfaces = std::move(interfaces);
        for (const Method& m : methods)
            node.info.methods.push_back(
                {m.flags, pool_.intern(m.name), pool_.intern(m.parameters), pool_.intern(m.returnType), 0, 0});
        node.state = ClassNode::State::Linked;
        return node;
    }
    ClassNode& object()
    {
        if (!object_)
            object_ = &add("java/lang/Object", false, nullptr, {}, {{access::kPublic, "toString", "()", "S"}});
        return *object_;
    }

private:
    StringPool pool_;
    std::deque<ClassNode> nodes_;
    ClassNode* object_ = nullptr;
};

// "Declarer.name:return", sorted.
std::vector<std::string> listed(const ClassNode& c)
{
    std::vector<std::string> out;
    for (const MemberRef& m : publicMethods(c))
        out.push_back(std::string(m.owner->info.name) + "." + std::string(m.method->name) + ":" +
                      std::string(m.method->returnType));
    std::sort(out.begin(), out.end());
    return out;
}

constexpr std::uint16_t kPublic = access::kPublic;
constexpr std::uint16_t kAbstract = access::kPublic | access::kAbstract;
constexpr std::uint16_t kStatic = access::kPublic | access::kStatic;

TEST(PublicMethods, AClassMethodBeatsAnInterfaceMethod)
{
    Hierarchy h;
    auto& i = h.add("I", true, nullptr, {}, {{kAbstract, "run", "()", "V"}});
    auto& base = h.add("Base", false, &h.object(), {}, {{kPublic, "run", "()", "V"}});
    auto& c = h.add("C", false, &base, {&i}, {});
    EXPECT_EQ(listed(c), (std::vector<std::string>{"Base.run:V", "java/lang/Object.toString:S"}));
}

TEST(PublicMethods, TheMoreSpecificInterfaceWinsInEitherOrder)
{
    Hierarchy h;
    auto& i = h.add("I", true, nullptr, {}, {{kPublic, "m", "()", "V"}});
    auto& j = h.add("J", true, nullptr, {&i}, {{kPublic, "m", "()", "V"}});
    const std::vector<std::string> expected = {"J.m:V", "java/lang/Object.toString:S"};
    EXPECT_EQ(listed(h.add("C1", false, &h.object(), {&i, &j}, {})), expected);
    EXPECT_EQ(listed(h.add("C2", false, &h.object(), {&j, &i}, {})), expected);
    // A diamond: both sides inherit I.m without overriding it; it is listed once.
    auto& left = h.add("L", true, nullptr, {&i}, {});
    auto& right = h.add("R", true, nullptr, {&i}, {});
    EXPECT_EQ(listed(h.add("D", false, &h.object(), {&left, &right}, {})),
              (std::vector<std::string>{"I.m:V", "java/lang/Object.toString:S"}));
}

TEST(PublicMethods, UnrelatedInterfacesKeepBothAndReturnTypesKeepBoth)
{
    Hierarchy h;
    auto& i = h.add("I", true, nullptr, {}, {{kAbstract, "m", "()", "V"}, {kAbstract, "get", "()", "O"}});
    auto& j = h.add("J", true, nullptr, {}, {{kAbstract, "m", "()", "V"}});
    // C overrides get covariantly; the compiler's bridge returns the old type.
    auto& c = h.add("C", false, &h.object(), {&i, &j},
                    {{kPublic, "get", "()", "S"}, {kPublic | access::kBridge | access::kSynthetic, "get", "()", "O"}});
    EXPECT_EQ(listed(c), (std::vector<std::string>{"C.get:O", "C.get:S", "I.m:V", "J.m:V",
                                                   "java/lang/Object.toString:S"}));
}

TEST(PublicMethods, StaticsAndObjectsMethods)
{
    Hierarchy h;
    auto& i = h.add("I", true, nullptr, {}, {{kStatic, "create", "()", "LI;"}, {kAbstract, "m", "()", "V"}});
    // An interface lists its own static methods and none of Object's.
    EXPECT_EQ(listed(i), (std::vector<std::string>{"I.create:LI;", "I.m:V"}));
    // Static interface methods are not inherited; a superclass's static methods are.
    auto& base = h.add("Base", false, &h.object(), {}, {{kStatic, "util", "()", "V"}});
    auto& c = h.add("C", false, &base, {&i}, {});
    EXPECT_EQ(listed(c), (std::vector<std::string>{"Base.util:V", "I.m:V", "java/lang/Object.toString:S"}));
    auto& sub = h.add("Sub", true, nullptr, {&i}, {});
    EXPECT_EQ(listed(sub), (std::vector<std::string>{"I.m:V"}));
}

TEST(PublicMethods, AnOverridingClassMethodReplacesTheInheritedOne)
{
    Hierarchy h;
    auto& base = h.add("Base", false, &h.object(), {}, {{kPublic, "toString", "()", "S"}, {kPublic, "m", "(I)", "V"}});
    auto& c = h.add("C", false, &base, {}, {{kPublic, "m", "(I)", "V"}, {kPublic, "m", "(J)", "V"}});
    EXPECT_EQ(listed(c), (std::vector<std::string>{"Base.toString:S", "C.m:V", "C.m:V"}));
    EXPECT_TRUE(isSameOrSupertype(h.object(), c));
    EXPECT_TRUE(isSameOrSupertype(base, c));
    EXPECT_FALSE(isSameOrSupertype(c, base));
}

}  // namespace
}  // namespace qv
