#include "platform/class_path.h"

#include <algorithm>
#include <cstdlib>
#include <fstream>

#include <unistd.h>

namespace qv {
namespace fs = std::filesystem;
namespace {

constexpr char kDefaultHome[] = "/usr/lib/jvm/default-java";
constexpr unsigned char kJmodMagic[4] = {'J', 'M', 1, 0};

bool isFile(const fs::path& p)
{
    std::error_code error;
    return fs::is_regular_file(p, error);
}

bool isDirectory(const fs::path& p)
{
    std::error_code error;
    return fs::is_directory(p, error);
}

// The jars of a directory, rt.jar first and the others by name.
std::vector<ClassPathElement> jarsOf(const fs::path& directory)
{
    std::vector<fs::path> jars;
    std::error_code error;
    for (const auto& entry : fs::directory_iterator(directory, error))
        if (entry.path().extension() == ".jar" && entry.path().filename() != "rt.jar" && isFile(entry.path()))
            jars.push_back(entry.path());
    std::sort(jars.begin(), jars.end());
    jars.insert(jars.begin(), directory / "rt.jar");
    std::vector<ClassPathElement> elements;
    for (const auto& jar : jars)
        elements.push_back({jar, SourceKind::Zip, true, {}});
    return elements;
}

// What kind of file an element is, from its first bytes.
ClassPathElement classifyFile(const fs::path& file)
{
    unsigned char head[4] = {};
    std::ifstream in(file, std::ios::binary);
    in.read(reinterpret_cast<char*>(head), sizeof head);
    const auto word = std::uint32_t{head[0]} << 24 | std::uint32_t{head[1]} << 16 | std::uint32_t{head[2]} << 8 | head[3];
    if (word == 0xCAFEDADA || word == 0xDADAFECA)
        return {file, SourceKind::RuntimeImage, true, {}};
    const std::string name = file.filename().string();
    if (std::equal(std::begin(kJmodMagic), std::end(kJmodMagic), head))
        return {file, SourceKind::Jmod, name == "java.base.jmod", {}};
    return {file, SourceKind::Zip, name == "rt.jar" || name == "classes.zip", {}};
}

std::optional<fs::path> javaOnPath(const std::string& path)
{
    std::size_t start = 0;
    while (start <= path.size()) {
        const std::size_t end = std::min(path.find(':', start), path.size());
        const std::string directory = path.substr(start, end - start);
        start = end + 1;
        if (directory.empty())
            continue;
        const fs::path candidate = fs::path(directory) / "java";
        if (isFile(candidate) && ::access(candidate.c_str(), X_OK) == 0) {
            std::error_code error;
            const fs::path resolved = fs::canonical(candidate, error);
            if (!error)
                return resolved;
        }
    }
    return std::nullopt;
}

}  // namespace

JavaEnvironment JavaEnvironment::current()
{
    JavaEnvironment environment;
    if (const char* home = std::getenv("JAVA_HOME"); home && *home)
        environment.javaHome = home;
    if (const char* path = std::getenv("PATH"))
        environment.path = path;
    return environment;
}

std::vector<ClassPathElement> jdkLibraryOf(const fs::path& home)
{
    if (isFile(home / "lib" / "modules"))
        return {{home / "lib" / "modules", SourceKind::RuntimeImage, true, {}}};
    for (const fs::path& directory : {home / "jre" / "lib", home / "lib"})
        if (isFile(directory / "rt.jar"))
            return jarsOf(directory);
    if (isFile(home / "lib" / "classes.zip"))
        return {{home / "lib" / "classes.zip", SourceKind::Zip, true, {}}};
    return {};
}

fs::path defaultJavaHome(const JavaEnvironment& environment, std::string* how)
{
    if (environment.javaHome && !environment.javaHome->empty()) {
        if (how)
            *how = "from JAVA_HOME";
        return *environment.javaHome;
    }
    if (environment.path)
        if (const auto java = javaOnPath(*environment.path)) {
            if (how)
                *how = "from " + java->string();
            return java->parent_path().parent_path();
        }
    if (how)
        *how = "JAVA_HOME is not set and no java is on PATH";
    return kDefaultHome;
}

std::vector<ClassPathElement> defaultLibrary(const JavaEnvironment& environment)
{
    std::string how;
    const fs::path home = defaultJavaHome(environment, &how);
    auto elements = jdkLibraryOf(home);
    if (elements.empty()) {
        ClassPathElement missing{home, SourceKind::Directory, true, {}};
        missing.error = "no Java class library found: looked for lib/modules, jre/lib/rt.jar, lib/rt.jar and "
                        "lib/classes.zip in " +
                        home.string() + " (" + how + ")";
        elements.push_back(std::move(missing));
    }
    return elements;
}

std::vector<ClassPathElement> parseClassPath(std::string_view list, const JavaEnvironment& environment)
{
    std::vector<ClassPathElement> elements;
    std::size_t start = 0;
    while (start <= list.size()) {
        const std::size_t end = std::min(list.find(':', start), list.size());
        const fs::path item(std::string(list.substr(start, end - start)));
        start = end + 1;
        if (item.empty())
            continue;
        if (isDirectory(item)) {
            auto library = jdkLibraryOf(item);
            if (library.empty())
                elements.push_back({item, SourceKind::Directory, false, {}});
            else
                elements.insert(elements.end(), library.begin(), library.end());
        } else if (isFile(item)) {
            elements.push_back(classifyFile(item));
        } else {
            ClassPathElement missing{item, SourceKind::Directory, false, {}};
            std::error_code error;
            missing.error = item.string() + (fs::exists(item, error) ? ": not a regular file or directory"
                                                                     : ": no such file or directory");
            elements.push_back(std::move(missing));
        }
    }
    const bool hasJdkLibrary =
        std::any_of(elements.begin(), elements.end(), [](const ClassPathElement& e) { return e.isJdkLibrary; });
    if (!hasJdkLibrary) {
        auto library = defaultLibrary(environment);
        elements.insert(elements.begin(), library.begin(), library.end());
    }
    return elements;
}

}  // namespace qv
