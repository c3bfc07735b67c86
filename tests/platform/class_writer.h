#pragma once
// Writes minimal class files for tests: a name, a superclass, interfaces and methods,
// nothing else. Lets a test make what javac will not: cycles, missing supertypes, odd
// flags, and corrupt variants made by changing single bytes.

#include <cstdint>
#include <string>
#include <vector>

namespace qv::test {

struct MethodDraft {
    std::uint16_t flags;
    std::string name;
    std::string descriptor;
    std::vector<std::string> exceptions;  // internal names
};

struct ClassDraft {
    std::uint16_t flags = 0x0021;  // public, super
    std::string name;               // internal name
    std::string superName = "java/lang/Object";  // empty: none
    std::vector<std::string> interfaces;
    std::vector<MethodDraft> methods;
};

std::string writeClass(const ClassDraft& draft);

}  // namespace qv::test
