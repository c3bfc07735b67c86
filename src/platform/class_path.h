#pragma once
// Class path elements and the JDK's own class library: where a JDK home keeps its
// classes, which home is the default, and how a ':'-separated list is read.

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/class_source.h"

namespace qv {

struct ClassPathElement {
    std::filesystem::path path;
    SourceKind kind = SourceKind::Directory;
    bool isJdkLibrary = false;  // the JDK's own classes: an image, rt.jar, classes.zip, java.base.jmod
    std::string error;          // set when the element cannot be used; every look-up reports it
};

// The class library of a JDK or JRE home: lib/modules; else the jars of jre/lib or lib
// (rt.jar first, the others by name); else lib/classes.zip. Empty when there is none.
std::vector<ClassPathElement> jdkLibraryOf(const std::filesystem::path& home);

// The environment the default library is chosen from (the process's own by default).
struct JavaEnvironment {
    std::optional<std::string> javaHome;  // JAVA_HOME
    std::optional<std::string> path;      // PATH
    static JavaEnvironment current();
};

// The home of the JDK this machine uses: JAVA_HOME if set; else the `java` on PATH with
// its links resolved (its home is the parent of its bin directory); else
// /usr/lib/jvm/default-java. `how` tells which rule chose it.
std::filesystem::path defaultJavaHome(const JavaEnvironment& environment, std::string* how = nullptr);

// The default library's elements; a single element with `error` set when none is found.
std::vector<ClassPathElement> defaultLibrary(const JavaEnvironment& environment);

// The elements of a ':'-separated list of JDK homes, images, jmods, jars, zips and
// directories (empty items are skipped). When none of them holds the JDK's own classes,
// the default library goes in front, as the JVM puts its own classes first.
std::vector<ClassPathElement> parseClassPath(std::string_view list, const JavaEnvironment& environment);

}  // namespace qv
