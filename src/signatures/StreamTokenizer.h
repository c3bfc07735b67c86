#pragma once
// A tokenizer over a UTF-8 text that splits it as the Java platform's java.io.StreamTokenizer
// does in its default setting: separators U+0000 to U+0020 are dropped; words run from a
// letter (A-Z, a-z, U+00A0 and above) over letters, digits, "." and "-"; numbers are read
// from a digit, "." or "-"; "/" starts a comment to the end of the line; ' and " start a
// quoted string to the matching quote or the end of the line; every other character is a
// token by itself. Characters are classified by code point; a byte that is not valid UTF-8
// is one ordinary character.

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace qv {

class StreamTokenizer {
public:
    enum class Kind {
        End,       // the text is used up
        Word,      // text() is the word
        Number,    // number() is its value
        Character  // an ordinary character or an opening quote; text() is that one character
    };

    explicit StreamTokenizer(std::string text);

    // Makes a character below U+0100 ordinary: a token by itself, whatever it was before.
    void ordinaryChar(char32_t c);

    // Reads the next token and returns its kind.
    Kind nextToken();

    // The word, or the one character of a Character token; valid until the next call.
    std::string_view text() const { return std::string_view(text_).substr(tokenStart_, tokenLength_); }
    double number() const { return number_; }

private:
    // Character classes of the platform's tokenizer; a character may be in several.
    enum : std::uint8_t {
        kSeparator = 1,
        kDigit = 2,
        kLetter = 4,
        kQuote = 8,
        kComment = 16,
    };

    using ClassTable = std::array<std::uint8_t, 256>;  // for U+0000 to U+00FF; all above are letters
    static constexpr ClassTable defaultClasses();

    struct Classified {
        std::uint8_t classes;
        std::size_t length;  // bytes of the character
    };
    // The character at pos: ASCII by table, the rest decoded.
    Classified classify(std::size_t pos) const
    {
        const auto byte = static_cast<unsigned char>(text_[pos]);
        return byte < 0x80 ? Classified{classes_[byte], 1} : classifyNonAscii(pos);
    }
    Classified classifyNonAscii(std::size_t pos) const;

    void setTokenText(std::size_t start, std::size_t length)
    {
        tokenStart_ = start;
        tokenLength_ = length;
    }
    Kind readNumber();
    Kind readWord(std::size_t length);
    Kind readQuoted();
    void skipComment();

    std::string text_;
    std::size_t pos_ = 0;
    ClassTable classes_;
    std::size_t tokenStart_ = 0;  // the token's text as a place in text_, so that copies stay sound
    std::size_t tokenLength_ = 0;
    double number_ = 0;
};

}  // namespace qv
