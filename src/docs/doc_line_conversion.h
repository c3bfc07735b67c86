#pragma once
// Turns one line of a member's documentation entry from HTML into indented plain text.

#include <string>
#include <string_view>

namespace qv {

// Drops the tags (a "<BR>" or "<DT>" becomes a line break, a "<DD>" a blank), turns each
// "&nbsp;" into a blank, indents the trimmed text by three blanks, sets the headings
// "Parameters:", "Returns:" and "Throws:" apart and in upper case, and the "Method Detail"
// heading apart by two empty lines. Tag names are compared case-sensitively.
std::string convertDocLine(std::string_view line);

}  // namespace qv
