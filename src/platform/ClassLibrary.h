#pragma once
// The class reflection facility over a real Java class library, read without a JVM: a
// class path of runtime images, jmods, jars, zips and directories of class files.

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/ClassReflection.h"
#include "platform/class_path.h"

namespace qv {

class ClassGraph;

class ClassLibrary : public ClassReflection {
public:
    // Elements are opened on first use, in order; the first that holds a class wins.
    explicit ClassLibrary(std::vector<ClassPathElement> elements);
    ~ClassLibrary() override;

    // Binary names (java.util.Map$Entry); when the plain name is absent, its last dots are
    // turned into "$" one at a time, so that java.util.Map.Entry is found too.
    std::shared_ptr<const ReflectedClass> forName(std::string_view name) override;

    // The binary names of every class of the library, each once, sorted.
    std::vector<std::string> listClassNames();

private:
    std::shared_ptr<ClassGraph> graph_;  // shared with the ReflectedClass objects handed out
};

// The JDK this machine uses (see defaultJavaHome). When it has no class library, every
// look-up throws a ClassLibraryError naming where it looked.
std::shared_ptr<ClassLibrary> openDefaultClassLibrary();

// A ':'-separated list of JDK homes, images, jmods, jars, zips and directories. A list
// that holds no JDK class library (no image, rt.jar, classes.zip or java.base.jmod) gets
// the default library in front of it.
std::shared_ptr<ClassLibrary> openClassPath(std::string_view colonSeparatedList);

}  // namespace qv
