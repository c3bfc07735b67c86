#pragma once
// A member's documentation entry, cut out of its class's HTML page under the
// documentation root and turned into indented plain text.

#include <string>
#include <string_view>

namespace qv {

// The class whose page is read: the label of the selected group (the choice's item,
// trimmed) when a group other than the first is selected, else the class-name field's
// text exactly as typed.
std::string pageClassName(int selectedIndex, std::string_view selectedItem, std::string_view classNameField);

// The entry of `member` whose signature line has `count` commas after its first "(" (at
// most 6), from the page of `className` under `root`. "" when the page cannot be read or
// holds no such entry. The page is read from its start on every call, only up to the
// end of the entry, and closed before returning.
std::string extractMemberDoc(std::string_view root, std::string_view className, std::string_view member, int count);

// The same, from the page at `pagePath`.
std::string extractMemberDocFromPage(std::string_view pagePath, std::string_view member, int count);

}  // namespace qv
