#include "docs/doc_line_conversion.h"

#include <gtest/gtest.h>

namespace qv {
namespace {

struct ConversionCase {
    std::string label;
    std::string line;
    std::string converted;

    friend void PrintTo(const ConversionCase& c, std::ostream* os) { *os << c.label; }
};

class ConversionCases : public testing::TestWithParam<ConversionCase> {};

TEST_P(ConversionCases, Convert)
{
    EXPECT_EQ(convertDocLine(GetParam().line), GetParam().converted);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, ConversionCases,
    testing::Values(
        ConversionCase{"GreaterThanAloneIsText", "a > b <i>c</i>", "   a > b c"},
        ConversionCase{"LessThanWithoutGreaterThanStays", "x < y", "   x < y"},
        ConversionCase{"UnclosedTagEndsTheTagPass", "<b>x</b> y <i z", "   x y <i z"},
        ConversionCase{"LessThanReachesToTheNextGreaterThan", "<b>x</b> < y <i>z</i>", "   x z"},
        ConversionCase{"DtAtTheStart", "<DT>term", "   .\n   term"},
        ConversionCase{"DtInTheMiddle", "text<DT>term", "   text\n\nterm"},
        ConversionCase{"BrAtTheStartAndInTheMiddle", "<BR>one<BR>two", "   .\n   one\n\ntwo"},
        ConversionCase{"DtAfterADroppedTagCountsAsAtTheStart", "<B></B><DT>x", "   .\n   x"},
        ConversionCase{"DdBecomesABlank", "a<DD>b", "   a b"},
        ConversionCase{"LowerCaseTagsAreDropped", "<dt>a<dd>b<br>c", "   abc"},
        ConversionCase{"TagWithAttributesStartingLikeBrIsDropped", "a<BR clear=all>b", "   ab"},
        ConversionCase{"CommentsAndAnchorsAreDropped", "<!-- note --><A NAME=\"x\">text</A>", "   text"},
        ConversionCase{"NbspBecomesABlank", "int&nbsp;depth&nbsp;&nbsp;x", "   int depth  x"},
        ConversionCase{"OtherEntitiesStay", "a &lt; b &amp;&amp; c &gt; d", "   a &lt; b &amp;&amp; c &gt; d"},
        ConversionCase{"TrimmedAndIndented", " \t text \t ", "   text"},
        ConversionCase{"EmptyBecomesTheIndent", "<P>", "   "},
        ConversionCase{"ParametersHeadingWholeLineUpperCased", "<dt><b>Parameters:</b> depth", "\n   PARAMETERS: DEPTH"},
        ConversionCase{"ReturnsHeading", "Returns: the size", "\n   RETURNS: THE SIZE"},
        ConversionCase{"ThrowsHeading", "<dt><b>Throws:</b>", "\n   THROWS:"},
        ConversionCase{"BreakBeforeAHeadingKeepsItAsItIs", "<DT><B>Throws:</B>", "   .\n   Throws:"},
        ConversionCase{"HeadingOnlyAtTheStart", "see Returns: x", "   see Returns: x"},
        ConversionCase{"HeadingIsCaseSensitive", "returns: x", "   returns: x"},
        ConversionCase{"HeadingUpperCasesBeyondAscii", "Throws: straße ÿ é", "\n   THROWS: STRASSE Ÿ É"},
        ConversionCase{"MethodDetailSetApart", "<H2>Method Detail</H2>", "\n\n   Method Detail"}),
    [](const auto& info) { return info.param.label; });

}  // namespace
}  // namespace qv
