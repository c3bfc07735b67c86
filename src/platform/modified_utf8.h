#pragma once
// The class file's "modified UTF-8": NUL is written as C0 80 and a character outside the
// Basic Multilingual Plane as its two UTF-16 surrogates, three bytes each.

#include <optional>
#include <string>

#include "platform/byte_reader.h"

namespace qv {

// Decodes modified UTF-8 into standard UTF-8. A lone surrogate becomes U+FFFD. Returns
// nothing for bytes that are not modified UTF-8 (a 00 byte, F0 to FF, a missing or wrong
// continuation byte).
std::optional<std::string> decodeModifiedUtf8(Bytes bytes);

}  // namespace qv
