#include "signatures/StripQualifiers.h"

#include <string_view>

#include "signatures/double_text.h"

namespace qv {

namespace {

// The qualifier worked out from the text alone: the text before the last "(" that is not
// at position 0, cut before its last "." (unless that "." ends it), then what follows its
// last blank. Empty when any of these is missing.
std::string_view qualifierOf(std::string_view text)
{
    const std::size_t open = text.rfind('(');
    if (open == std::string_view::npos || open == 0)
        return {};
    std::string_view head = text.substr(0, open);
    const std::size_t dot = head.rfind('.');
    if (dot != std::string_view::npos && dot != head.size() - 1)
        head = head.substr(0, dot);
    const std::size_t blank = head.rfind(' ');
    if (blank == std::string_view::npos)
        return {};
    return head.substr(blank + 1);
}

}  // namespace

StripQualifiers::StripQualifiers(std::string text) : st(std::move(text))
{
    st.ordinaryChar(' ');
    sbq = std::string();
}

std::optional<std::string> StripQualifiers::getNext()
{
    switch (st.nextToken()) {
    case StreamTokenizer::Kind::End:
        return std::nullopt;
    case StreamTokenizer::Kind::Number:
        return doubleText(st.number());
    case StreamTokenizer::Kind::Word:
    case StreamTokenizer::Kind::Character:
        break;
    }
    return std::string(st.text());
}

std::string StripQualifiers::strip(std::string text)
{
    StripQualifiers stripper(text);
    sbq.clear();
    const std::string_view qualifier = qualifierOf(text);

    std::string result;
    result.reserve(text.size());
    while (std::optional<std::string> token = stripper.getNext()) {
        const std::size_t dot = token->rfind('.');
        if (dot == std::string::npos)
            result += *token;
        else
            result.append(*token, dot + 1);
    }
    sbq += qualifier;
    return result;
}

std::string StripQualifiers::getQualifier()
{
    return sbq;
}

}  // namespace qv
