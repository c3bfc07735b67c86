#include "docs/doc_line_conversion.h"

#include "docs/text_decoding.h"
#include "signatures/text_rules.h"

namespace qv {
namespace {

constexpr std::string_view kIndent = "   ";

// One pass from left to right: the text before each tag is final once the tag is
// replaced, because nothing put in a tag's place holds a "<". A "<" with no ">" after it
// ends the pass and stays in the text.
std::string dropTags(std::string_view line)
{
    std::string out;
    out.reserve(line.size());
    std::size_t from = 0;
    for (;;) {
        const std::size_t open = line.find('<', from);
        if (open == std::string_view::npos)
            break;
        const std::size_t close = line.find('>', open);
        if (close == std::string_view::npos)
            break;
        out.append(line.substr(from, open - from));
        const std::string_view tag = line.substr(open);
        if (tag.starts_with("<BR>") || tag.starts_with("<DT>"))
            out += out.empty() ? ".\n   " : "\n\n";
        else if (tag.starts_with("<DD>"))
            out += ' ';
        from = close + 1;
    }
    out.append(line.substr(from));
    return out;
}

// Each "&nbsp;" becomes one blank, in place: a blank never forms a new "&nbsp;".
void replaceNbsp(std::string& text)
{
    constexpr std::string_view kNbsp = "&nbsp;";
    std::size_t at = text.find(kNbsp);
    if (at == std::string::npos)
        return;
    std::size_t to = at;
    for (std::size_t from = at; from < text.size();) {
        if (std::string_view(text).substr(from).starts_with(kNbsp)) {
            text[to++] = ' ';
            from += kNbsp.size();
        } else {
            text[to++] = text[from++];
        }
    }
    text.resize(to);
}

// The trimmed text behind an indent of three blanks.
void indent(std::string& text)
{
    const std::string_view kept = trim(text);
    const std::size_t lead = static_cast<std::size_t>(kept.data() - text.data());
    text.resize(lead + kept.size());
    text.replace(0, lead, kIndent);
}

}  // namespace

std::string convertDocLine(std::string_view line)
{
    std::string text = dropTags(line);
    replaceNbsp(text);
    indent(text);
    for (const std::string_view heading : {"   Parameters:", "   Returns:", "   Throws:"}) {
        if (std::string_view(text).starts_with(heading)) {
            text = "\n" + upperCase(text);
            break;
        }
    }
    if (contains(text, "Method Detail"))
        text.insert(0, "\n\n");
    return text;
}

}  // namespace qv
