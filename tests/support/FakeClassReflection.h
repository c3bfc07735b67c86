#pragma once
// Test double for the class reflection seam: a table of signature texts per class name.

#include <map>

#include "platform/ClassReflection.h"

namespace qv {

class FakeClassReflection : public ClassReflection {
public:
    struct Entry {
        std::vector<std::string> constructors;
        std::vector<std::string> methods;
    };

    void add(std::string name, Entry entry) { classes_[std::move(name)] = std::move(entry); }
    // Makes look-ups of `name` fail as if its class file were broken.
    void addBroken(std::string name, std::string message) { broken_[std::move(name)] = std::move(message); }

    std::shared_ptr<const ReflectedClass> forName(std::string_view name) override;

private:
    std::map<std::string, Entry, std::less<>> classes_;
    std::map<std::string, std::string, std::less<>> broken_;
};

}  // namespace qv
