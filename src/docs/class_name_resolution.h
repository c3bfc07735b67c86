#pragma once
// Completing a class name through the page table, and the Swing package rule of the
// Search command.

#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "docs/PathsData.h"
#include "platform/ClassReflection.h"

namespace qv {

// The full dotted class name of the first page whose path contains "/" + name + ".",
// in table order ("String" -> "java.lang.String", "Map.Entry" -> "java.util.Map.Entry");
// nullopt when no page does. Case and blanks count.
std::optional<std::string> completeClassName(const PathsData& pages, std::string_view name);

// The name the Search command looks up for a completed name. Swing lived under
// com.sun.java in the class library of the 1.1 generation, so a name containing "javax"
// has its first five characters replaced by "com.sun.java" -- but only where the library
// holds that class and not the javax one; on every library since 1.2 the javax name stays.
std::string swingPackageName(const std::string& completed,
                             const std::function<ClassPresence(std::string_view)>& presence);

// What the Search command leaves in the class-name field for the typed text: the
// completed name under the Swing package rule, or the text as typed when the table does
// not hold it (then `completed` is false).
struct SearchFieldText {
    std::string text;
    bool completed = false;
};
SearchFieldText searchFieldText(const PathsData& pages, std::string_view typed, ClassReflection& library);

}  // namespace qv
