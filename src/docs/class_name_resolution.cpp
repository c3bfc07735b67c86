#include "docs/class_name_resolution.h"

#include <algorithm>

#include "signatures/text_rules.h"

namespace qv {

std::optional<std::string> completeClassName(const PathsData& pages, std::string_view name)
{
    const std::string key = "/" + std::string(name) + ".";
    for (int i = 0; i < static_cast<int>(kPathCount); ++i) {
        std::string path = pages.getString(i);
        if (!contains(path, key))
            continue;
        path.resize(path.size() - 5);  // ".html"
        std::replace(path.begin(), path.end(), '/', '.');
        return path;
    }
    return std::nullopt;
}

std::string swingPackageName(const std::string& completed,
                             const std::function<ClassPresence(std::string_view)>& presence)
{
    if (!contains(completed, "javax"))
        return completed;
    std::string rewritten = "com.sun.java" + completed.substr(std::min<std::size_t>(5, completed.size()));
    if (presence(rewritten) == ClassPresence::Present && presence(completed) == ClassPresence::Absent)
        return rewritten;
    return completed;
}

SearchFieldText searchFieldText(const PathsData& pages, std::string_view typed, ClassReflection& library)
{
    std::optional<std::string> completed = completeClassName(pages, typed);
    if (!completed)
        return {std::string(typed), false};
    return {swingPackageName(*completed, [&](std::string_view name) { return classPresence(library, name); }), true};
}

}  // namespace qv
