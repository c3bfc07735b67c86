// Arbitrary bytes through the stripping and the member sort: no crash, no hang, and the
// results keep their promises (no separator survives a strip, the qualifier is a piece of
// the text, the sort keeps every element and leaves them in non-decreasing order).

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "signatures/SortVector.h"
#include "signatures/StringCompare.h"
#include "signatures/StripQualifiers.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);

    const std::string stripped = qv::StripQualifiers::strip(text);
    const std::string qualifier = qv::StripQualifiers::getQualifier();
    for (const char c : stripped) {
        if (static_cast<unsigned char>(c) < 0x20)
            __builtin_trap();
    }
    if (text.find(qualifier) == std::string::npos)
        __builtin_trap();

    // The lines of the input as the elements of a vector.
    std::vector<std::string> lines;
    for (std::string_view rest = text;;) {
        const std::size_t end = rest.find('\n');
        lines.emplace_back(rest.substr(0, end));
        if (end == std::string_view::npos)
            break;
        rest.remove_prefix(end + 1);
    }
    qv::SortVector vector(std::make_unique<qv::StringCompare>());
    for (const std::string& line : lines)
        vector.add(line);
    vector.sort();
    const qv::StringCompare compare;
    std::vector<std::string> out;
    for (std::size_t i = 0; i < vector.size(); ++i) {
        if (i > 0 && !compare.lessThanOE(vector.elementAt(i - 1), vector.elementAt(i)))
            __builtin_trap();
        out.push_back(vector.elementAt(i));
    }
    std::sort(lines.begin(), lines.end());
    std::sort(out.begin(), out.end());
    if (lines != out)
        __builtin_trap();
    return 0;
}
