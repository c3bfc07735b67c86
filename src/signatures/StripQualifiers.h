#pragma once
// The stripped form of a member signature text: every package and class qualifier removed
// from every name ("public static java.lang.String java.lang.String.valueOf(char[],int,int)"
// becomes "public static String valueOf(char[],int,int)"), and the member's qualifier: the
// declaring class of a method, the package of a constructor's class.

#include <optional>
#include <string>

#include "signatures/StreamTokenizer.h"

namespace qv {

class StripQualifiers {
public:
    // Prepares the tokenizer over the text, with the blank as a token of its own, and
    // empties the qualifier buffer.
    explicit StripQualifiers(std::string text);
    virtual ~StripQualifiers() = default;

    // The next token as text: a word as it stands, a number as the platform writes a
    // double, any other token as its one character; nullopt when the text is used up.
    virtual std::optional<std::string> getNext();

    // The stripped text; leaves the qualifier of the text in the qualifier buffer.
    static std::string strip(std::string text);

    // The qualifier of the text passed to the latest strip.
    static std::string getQualifier();

private:
    StreamTokenizer st;

    // One qualifier buffer for the whole process; not guarded: a strip and the
    // getQualifier that reads its result must not interleave with another strip.
    static inline std::string sbq;
};

}  // namespace qv
