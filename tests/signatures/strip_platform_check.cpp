// Checks the stripping against the Java platform's own tokenizer, line by line: reads the
// file that StripReference.java wrote (text, tokens, stripped text, qualifier per line) and
// fails on any difference. The one difference allowed: the runtime writes some doubles with
// more digits than the shortest form that reads back to the same value (older runtimes do);
// the shortest form holds here, and every such line is printed, not hidden.
//
// usage: strip_platform_check CASES-FILE

#include <charconv>
#include <fstream>
#include <iostream>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "signatures/StripQualifiers.h"

namespace {

std::vector<std::string_view> split(std::string_view s, char separator)
{
    std::vector<std::string_view> parts;
    for (;;) {
        const std::size_t at = s.find(separator);
        parts.push_back(s.substr(0, at));
        if (at == std::string_view::npos)
            return parts;
        s.remove_prefix(at + 1);
    }
}

// Undoes the file's escaping: "\\" is a backslash, "\uXXXX" a character below U+0080.
std::optional<std::string> unescape(std::string_view s)
{
    std::string out;
    for (std::size_t i = 0; i < s.size(); ++i) {
        if (s[i] != '\\') {
            out += s[i];
        } else if (i + 1 < s.size() && s[i + 1] == '\\') {
            out += '\\';
            ++i;
        } else if (i + 5 < s.size() + 0 && s[i + 1] == 'u') {
            unsigned code = 0;
            const auto [end, ec] = std::from_chars(s.data() + i + 2, s.data() + i + 6, code, 16);
            if (ec != std::errc() || end != s.data() + i + 6 || code >= 0x80)
                return std::nullopt;
            out += static_cast<char>(code);
            i += 5;
        } else {
            return std::nullopt;
        }
    }
    return out;
}

// The text with control characters and backslashes made visible, for messages.
std::string visible(std::string_view s)
{
    std::string out;
    for (const char c : s) {
        const auto b = static_cast<unsigned char>(c);
        if (b == '\\') {
            out += "\\\\";
        } else if (b < 0x20 || b == 0x7F) {
            static constexpr char hex[] = "0123456789abcdef";
            out += "\\u00";
            out += hex[b >> 4];
            out += hex[b & 0xF];
        } else {
            out += c;
        }
    }
    return out;
}

std::optional<double> parseDouble(std::string_view s)
{
    double value = 0;
    const auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), value);
    if (ec != std::errc() || end != s.data() + s.size())
        return std::nullopt;
    return value;
}

// True when the platform's text of a number is a longer spelling of the same double.
bool isLongerSpellingOfSameDouble(std::string_view platform, std::string_view ours)
{
    const std::optional<double> a = parseDouble(platform);
    const std::optional<double> b = parseDouble(ours);
    return a && b && *a == *b && platform.size() > ours.size();
}

std::string stripTokens(const std::vector<std::string>& tokens)
{
    std::string r;
    for (const std::string& t : tokens) {
        const std::size_t dot = t.rfind('.');
        r += dot == std::string::npos ? t : t.substr(dot + 1);
    }
    return r;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::cerr << "usage: strip_platform_check CASES-FILE\n";
        return 2;
    }
    std::ifstream in(argv[1], std::ios::binary);
    if (!in) {
        std::cerr << "strip_platform_check: cannot read " << argv[1] << '\n';
        return 2;
    }

    int lines = 0;
    int failures = 0;
    int longerDoubles = 0;
    const auto fail = [&](int line, const std::string& text, const std::string& what) {
        if (++failures <= 30)
            std::cout << "FAIL line " << line << ": " << visible(text) << "\n  " << what << '\n';
    };

    std::string raw;
    while (std::getline(in, raw)) {
        ++lines;
        const std::vector<std::string_view> fields = split(raw, '\t');
        if (fields.size() != 4) {
            fail(lines, raw, "malformed line");
            continue;
        }
        std::vector<std::optional<std::string>> decoded;
        for (const std::string_view f : fields)
            decoded.push_back(unescape(f));
        std::vector<std::string> platformTokens;
        bool malformed = !decoded[0] || !decoded[2] || !decoded[3];
        if (!fields[1].empty()) {
            for (const std::string_view t : split(fields[1], '\037')) {
                std::optional<std::string> token = unescape(t);
                malformed = malformed || !token;
                platformTokens.push_back(token.value_or(""));
            }
        }
        if (malformed) {
            fail(lines, raw, "malformed escaping");
            continue;
        }
        const std::string& text = *decoded[0];
        const std::string& platformStripped = *decoded[2];
        const std::string& platformQualifier = *decoded[3];

        std::vector<std::string> tokens;
        qv::StripQualifiers tokenizer(text);
        while (std::optional<std::string> t = tokenizer.getNext())
            tokens.push_back(std::move(*t));
        const std::string stripped = qv::StripQualifiers::strip(text);
        const std::string qualifier = qv::StripQualifiers::getQualifier();

        if (qualifier != platformQualifier)
            fail(lines, text, "qualifier \"" + visible(qualifier) + "\", platform \"" + visible(platformQualifier) + "\"");

        if (tokens.size() != platformTokens.size()) {
            fail(lines, text, std::to_string(tokens.size()) + " tokens, platform " + std::to_string(platformTokens.size()));
            continue;
        }
        // Where the platform spells a double longer, its stripped text follows from its tokens;
        // compare ours with the platform's tokens under our spelling of those numbers.
        std::vector<std::string> expectedTokens = platformTokens;
        bool tokensDiffer = false;
        for (std::size_t k = 0; k < tokens.size(); ++k) {
            if (tokens[k] == platformTokens[k])
                continue;
            if (isLongerSpellingOfSameDouble(platformTokens[k], tokens[k])) {
                ++longerDoubles;
                std::cout << "longer double text from the platform, line " << lines << ": " << platformTokens[k]
                          << ", here " << tokens[k] << '\n';
                expectedTokens[k] = tokens[k];
            } else {
                tokensDiffer = true;
                fail(lines, text, "token " + std::to_string(k) + " \"" + visible(tokens[k]) + "\", platform \"" +
                                      visible(platformTokens[k]) + "\"");
            }
        }
        if (tokensDiffer)
            continue;
        if (stripTokens(platformTokens) != platformStripped)
            fail(lines, text, "the platform's stripped text does not follow from its tokens");
        const std::string expectedStripped = stripTokens(expectedTokens);
        if (stripped != expectedStripped)
            fail(lines, text, "stripped \"" + visible(stripped) + "\", expected \"" + visible(expectedStripped) + "\"");
    }

    std::cout << lines << " texts checked, " << longerDoubles << " longer double texts from the platform, " << failures
              << " failures\n";
    if (lines == 0) {
        std::cout << "no texts in " << argv[1] << '\n';
        return 1;
    }
    return failures == 0 ? 0 : 1;
}
