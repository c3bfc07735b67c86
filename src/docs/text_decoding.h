#pragma once
// How the text of a documentation page becomes the program's UTF-8 text, and the
// character rules the extraction applies to it.

#include <cstddef>
#include <string>
#include <string_view>

namespace qv {

bool isValidUtf8(std::string_view bytes);

// Pages are UTF-8, but older ones are Latin-1. A line that is not valid UTF-8 is taken
// as Latin-1 and re-encoded, so that no byte is dropped or garbled. Each line is judged
// on its own: one damaged line does not change how the rest of the page reads.
void decodePageLine(std::string& line);

// Upper-cases as Java's String.toUpperCase does in a locale without special rules: every
// code point of Unicode (as of Java 17), with the mappings to several characters (U+00DF
// becomes "SS"). Bytes that are not valid UTF-8 are kept as they are.
std::string upperCase(std::string_view text);

}  // namespace qv
