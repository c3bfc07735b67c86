#include "docs/page_choice.h"

#include <sys/stat.h>

#include <algorithm>
#include <filesystem>
#include <optional>
#include <vector>

#include "docs/page_reader.h"
#include "signatures/text_rules.h"

namespace qv {
namespace {

std::optional<struct stat> statPath(const std::string& path)
{
    struct stat info {};
    if (path.find('\0') != std::string::npos || ::stat(path.c_str(), &info) != 0)
        return std::nullopt;
    return info;
}

bool exists(const std::string& path)
{
    return statPath(path).has_value();
}

bool isRegularFile(const std::string& path)
{
    const auto info = statPath(path);
    return info && S_ISREG(info->st_mode);
}

std::string replaceAll(std::string_view text, char from, char to)
{
    std::string out(text);
    std::replace(out.begin(), out.end(), from, to);
    return out;
}

// The module directories that may hold a package's pages. The tree's element-list
// names the module of each package ("module:NAME" lines, each followed by its
// packages); a tree without one has every directory of the root tried.
class ModuleDirectories {
public:
    explicit ModuleDirectories(std::string_view root) : root_(root) {}

    std::vector<std::string> forPackage(std::string_view package)
    {
        loadElementList();
        if (hasElementList_) {
            const auto it = std::find_if(packages_.begin(), packages_.end(),
                                         [&](const auto& entry) { return entry.first == package; });
            if (it == packages_.end() || it->second.empty())
                return {};
            return {it->second};
        }
        loadDirectories();
        return directories_;
    }

private:
    void loadElementList()
    {
        if (elementListLoaded_)
            return;
        elementListLoaded_ = true;
        auto reader = PageReader::open(root_ + "/element-list");
        if (!reader)
            return;
        hasElementList_ = true;
        std::string module;
        std::string line;
        while (reader->next(line) == PageReader::Status::Line) {
            const std::string_view entry = trim(line);
            if (entry.starts_with("module:"))
                module = std::string(trim(entry.substr(7)));
            else if (!entry.empty())
                packages_.emplace_back(std::string(entry), module);
        }
    }

    void loadDirectories()
    {
        if (directoriesLoaded_)
            return;
        directoriesLoaded_ = true;
        std::error_code ec;
        // The root used unchanged with "/" after it, as the spelled-out paths use it.
        for (std::filesystem::directory_iterator it(root_ + "/", ec), end; !ec && it != end; it.increment(ec)) {
            std::error_code typeError;
            if (it->is_directory(typeError))
                directories_.push_back(it->path().filename().string());
        }
        std::sort(directories_.begin(), directories_.end());
    }

    std::string root_;
    bool elementListLoaded_ = false;
    bool hasElementList_ = false;
    std::vector<std::pair<std::string, std::string>> packages_;  // package, module
    bool directoriesLoaded_ = false;
    std::vector<std::string> directories_;
};

}  // namespace

std::string laterJavadocPagePath(std::string_view root, std::string_view className)
{
    const std::string name = replaceAll(className, '$', '.');
    const std::string base = std::string(root) + "/";
    ModuleDirectories modules(root);
    // Split at each "." into package and page name, the longest package first.
    for (std::size_t dot = name.rfind('.'); dot != std::string::npos && dot > 0; dot = name.rfind('.', dot - 1)) {
        const std::string_view package = std::string_view(name).substr(0, dot);
        const std::string page = replaceAll(package, '.', '/') + "/" + name.substr(dot + 1) + ".html";
        if (const std::string plain = base + page; isRegularFile(plain))
            return plain;
        for (const std::string& module : modules.forPackage(package))
            if (const std::string inModule = base + module + "/" + page; isRegularFile(inModule))
                return inModule;
    }
    return {};
}

std::string choosePagePath(std::string_view root, std::string_view className)
{
    const std::string base = std::string(root) + "/";
    std::string flat = base + std::string(className) + ".html";
    if (exists(flat))
        return flat;
    std::string nested = base + replaceAll(className, '.', '/') + ".html";
    if (exists(nested))
        return nested;
    // Without a root there is no documentation tree to look through: the later layouts
    // would search the file system's own root.
    if (root.empty())
        return nested;
    if (std::string later = laterJavadocPagePath(root, className); !later.empty())
        return later;
    return nested;
}

}  // namespace qv
