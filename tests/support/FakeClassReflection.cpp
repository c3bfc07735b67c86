#include "support/FakeClassReflection.h"

namespace qv {
namespace {

std::vector<ReflectedMember> toMembers(const std::vector<std::string>& texts)
{
    return {texts.begin(), texts.end()};
}

class FakeClass : public ReflectedClass {
public:
    FakeClass(std::string name, FakeClassReflection::Entry entry) : name_(std::move(name)), entry_(std::move(entry)) {}
    std::string getName() const override { return name_; }
    std::vector<ReflectedMember> getMethods() const override { return toMembers(entry_.methods); }
    std::vector<ReflectedMember> getConstructors() const override { return toMembers(entry_.constructors); }

private:
    std::string name_;
    FakeClassReflection::Entry entry_;
};

}  // namespace

std::shared_ptr<const ReflectedClass> FakeClassReflection::forName(std::string_view name)
{
    if (auto broken = broken_.find(name); broken != broken_.end())
        throw ClassLibraryError(broken->second);
    auto found = classes_.find(name);
    if (found == classes_.end())
        throw ClassNotFoundError(std::string(name));
    return std::make_shared<FakeClass>(found->first, found->second);
}

}  // namespace qv
