#include "signatures/StreamTokenizer.h"

#include <algorithm>
#include <cmath>

#include "signatures/utf8.h"

namespace qv {

namespace {

constexpr bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

}  // namespace

// The platform's default setting.
constexpr StreamTokenizer::ClassTable StreamTokenizer::defaultClasses()
{
    ClassTable classes{};
    for (char32_t c = 'a'; c <= 'z'; ++c)
        classes[c] |= kLetter;
    for (char32_t c = 'A'; c <= 'Z'; ++c)
        classes[c] |= kLetter;
    for (char32_t c = 0xA0; c <= 0xFF; ++c)
        classes[c] |= kLetter;
    for (char32_t c = 0; c <= 0x20; ++c)
        classes[c] = kSeparator;
    classes['/'] = kComment;
    classes['"'] = kQuote;
    classes['\''] = kQuote;
    for (char32_t c = '0'; c <= '9'; ++c)
        classes[c] |= kDigit;
    classes['.'] |= kDigit;
    classes['-'] |= kDigit;
    return classes;
}

StreamTokenizer::StreamTokenizer(std::string text) : text_(std::move(text))
{
    static constexpr ClassTable defaults = defaultClasses();  // built by the compiler
    classes_ = defaults;
}

void StreamTokenizer::ordinaryChar(char32_t c)
{
    if (c < classes_.size())
        classes_[c] = 0;
}

StreamTokenizer::Classified StreamTokenizer::classifyNonAscii(std::size_t pos) const
{
    const Utf8Char c = decodeUtf8At(text_, pos);
    if (!c.valid)
        return {0, 1};
    return {c.code < classes_.size() ? classes_[c.code] : std::uint8_t{kLetter}, c.length};
}

StreamTokenizer::Kind StreamTokenizer::nextToken()
{
    setTokenText(0, 0);
    for (;;) {
        Classified c{};
        while (pos_ < text_.size() && ((c = classify(pos_)).classes & kSeparator))
            pos_ += c.length;
        if (pos_ >= text_.size())
            return Kind::End;

        if (c.classes & kDigit)
            return readNumber();
        if (c.classes & kLetter)
            return readWord(c.length);
        if (c.classes & kQuote)
            return readQuoted();
        if (c.classes & kComment) {
            skipComment();
            continue;
        }
        setTokenText(pos_, c.length);
        pos_ += c.length;
        return Kind::Character;
    }
}

StreamTokenizer::Kind StreamTokenizer::readNumber()
{
    const std::string_view text = text_;
    std::size_t p = pos_;
    bool negative = false;
    if (text[p] == '-') {
        ++p;
        if (p >= text.size() || (text[p] != '.' && !isDigit(text[p]))) {
            // A "-" that starts no number is an ordinary character; what follows is not taken.
            setTokenText(pos_, 1);
            pos_ = p;
            return Kind::Character;
        }
        negative = true;
    }
    // The platform's arithmetic, step for step, so that every value is the same double:
    // digits accumulate as v * 10 + d, the digits after the point are counted, and the sum
    // is divided once by a power of ten built by repeated multiplication.
    double v = 0;
    std::size_t fractionDigits = 0;
    bool seenPoint = false;
    for (; p < text.size(); ++p) {
        const char c = text[p];
        if (c == '.' && !seenPoint) {
            seenPoint = true;
        } else if (isDigit(c)) {
            v = v * 10 + (c - '0');
            if (seenPoint)
                ++fractionDigits;
        } else {
            break;
        }
    }
    pos_ = p;
    if (fractionDigits != 0) {
        double denominator = 10;
        // Once infinite the denominator stays infinite; no need to go on multiplying.
        for (std::size_t k = 1; k < fractionDigits && !std::isinf(denominator); ++k)
            denominator *= 10;
        v = v / denominator;
    }
    number_ = negative ? -v : v;
    return Kind::Number;
}

StreamTokenizer::Kind StreamTokenizer::readWord(std::size_t length)
{
    const std::size_t start = pos_;
    std::size_t p = pos_ + length;
    while (p < text_.size()) {
        const Classified c = classify(p);
        if (!(c.classes & (kLetter | kDigit)))
            break;
        p += c.length;
    }
    setTokenText(start, p - start);
    pos_ = p;
    return Kind::Word;
}

StreamTokenizer::Kind StreamTokenizer::readQuoted()
{
    // The quoted characters are dropped; only the quotation character comes out. A backslash
    // takes the character after it, whatever it is, even a line break. Every character that
    // can end the string is ASCII, so stepping byte by byte is safe in UTF-8.
    const char quote = text_[pos_];
    setTokenText(pos_, 1);
    std::size_t p = pos_ + 1;
    while (p < text_.size()) {
        const char d = text_[p];
        if (d == quote || d == '\n' || d == '\r')
            break;
        p += d == '\\' ? 2 : 1;
    }
    // The closing quote is taken; a line break is left to end the string as a separator.
    if (p < text_.size() && text_[p] == quote)
        ++p;
    pos_ = std::min(p, text_.size());
    return Kind::Character;
}

void StreamTokenizer::skipComment()
{
    while (pos_ < text_.size() && text_[pos_] != '\n' && text_[pos_] != '\r')
        ++pos_;
}

}  // namespace qv
