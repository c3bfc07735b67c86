#pragma once
// Reads the output of ReflectionDump.java: the JDK's own reflection of a set of classes.

#include <map>

#include "platform/ClassReflection.h"
#include <string>
#include <vector>

namespace qv::test {

struct ReflectionDump {
    std::string javaHome;
    // Binary name -> signature texts (constructors, then methods), as the JDK listed them.
    std::map<std::string, std::vector<std::string>> classes;
    // Binary name -> the exception the JDK gave when loading it.
    std::map<std::string, std::string> failures;
};

ReflectionDump parseReflectionDump(const std::string& text);

// Runs `command` through the shell and returns its standard output; fails the calling
// test (by throwing) when it exits with a non-zero status.
std::string runCommand(const std::string& command);

// What the C++ reader says of a class, in the dump's form: the signature texts of its
// public constructors, then of its public methods.
std::vector<std::string> reflectedTexts(ClassReflection& library, const std::string& name);

// The same texts in one canonical order, to compare as multisets.
std::vector<std::string> sorted(std::vector<std::string> texts);

}  // namespace qv::test
