#include "docs/member_doc.h"

#include <initializer_list>

#include "docs/doc_line_conversion.h"
#include "docs/page_choice.h"
#include "docs/page_reader.h"
#include "docs/text_decoding.h"
#include "signatures/text_rules.h"
#include "signatures/utf8.h"

namespace qv {
namespace {

bool containsAny(std::string_view line, std::initializer_list<std::string_view> markers)
{
    for (const std::string_view marker : markers)
        if (contains(line, marker))
            return true;
    return false;
}

// Later javadoc leaves out the modifiers an interface implies, so the signature of an
// interface method holds no "public"; its signature block carries this mark instead.
constexpr std::string_view kSignatureBlockMark = "class=\"member-signature\"";

// The signature line of the wanted member: the member's name comes after "public" (or,
// on a line without "public", after the signature block's mark).
bool isSignatureOf(std::string_view line, std::string_view member)
{
    if (const std::size_t modifier = line.find("public"); modifier != std::string_view::npos) {
        const std::size_t name = line.find(member);
        return name != std::string_view::npos && name > modifier;
    }
    // The name must stand after the mark, not inside it ("sign" in "member-signature").
    const std::size_t mark = line.find(kSignatureBlockMark);
    return mark != std::string_view::npos && line.find(member, mark + kSignatureBlockMark.size()) != std::string_view::npos;
}

// What one extraction has gathered: the text and the last line kept in it.
class EntryText {
public:
    void add(std::string_view converted)
    {
        const std::string_view kept = trim(converted);
        const bool shortLine = utf16Length(kept) < 4;
        // Of a run of blank or nearly blank lines only the first after a longer one stays.
        if (!(shortLine && lastKeptShort_)) {
            text_.append(converted);
            text_ += '\n';
            lastKeptShort_ = shortLine;
        }
        if (!firstDone_) {
            // The signature line is followed by an empty line.
            text_ += '\n';
            firstDone_ = true;
        }
    }
    std::string take() { return std::move(text_); }

private:
    std::string text_;
    bool lastKeptShort_ = true;  // nothing kept yet counts as short
    bool firstDone_ = false;
};

}  // namespace

std::string pageClassName(int selectedIndex, std::string_view selectedItem, std::string_view classNameField)
{
    return std::string(selectedIndex > 0 ? trim(selectedItem) : classNameField);
}

std::string extractMemberDoc(std::string_view root, std::string_view className, std::string_view member, int count)
{
    return extractMemberDocFromPage(choosePagePath(root, className), member, count);
}

std::string extractMemberDocFromPage(std::string_view pagePath, std::string_view member, int count)
{
    auto reader = PageReader::open(pagePath);
    if (!reader)
        return {};
    EntryText entry;
    bool inDetails = false;
    bool found = false;
    bool done = false;
    std::string line;
    std::string continuation;
    while (!done && reader->next(line) == PageReader::Status::Line) {
        decodePageLine(line);
        // A signature broken after a comma is read with its next line, once.
        if (!line.empty() && line.back() == ',') {
            if (reader->next(continuation) != PageReader::Status::Line)
                break;
            decodePageLine(continuation);
            line += ' ';
            line += trim(continuation);
        }
        if (!found && inDetails && commaCount(line) == count && isSignatureOf(line, member))
            found = true;
        if (found && containsAny(line, {"</dl>", "</TR>", "<HR>", "See Also"}))
            done = true;
        if (containsAny(line, {"Constructor Detail", "constructors"}))
            inDetails = true;
        if (containsAny(line, {"Overview", "All Packages"}))
            inDetails = false;
        if (inDetails && found && !done)
            entry.add(convertDocLine(line));
    }
    return entry.take();
}

}  // namespace qv
