#include "members/member_model.h"

#include <memory>

#include "signatures/SortVector.h"
#include "signatures/StringCompare.h"
#include "signatures/StripQualifiers.h"
#include "signatures/text_rules.h"
#include "signatures/utf8.h"

namespace qv {
namespace {

constexpr std::size_t kNameWidth = 18;
constexpr std::string_view kConstructorsLabel = "Constructors";

// The group label that the class-name text picks: the last label containing it, cut
// before its last "." (the package of the class, which labels its constructors).
std::string constructorQualifier(const GroupLabels& classes, int groups, std::string_view classNameText)
{
    std::string label;
    for (int g = 0; g < groups; ++g)
        if (contains(classes[g], classNameText))
            label = classes[g];
    const std::size_t dot = label.rfind('.');
    if (dot != std::string::npos && dot != 0)
        label.resize(dot);
    return label;
}

}  // namespace

std::string memberEntry(std::string_view stripped)
{
    const std::size_t blank = stripped.find(' ');
    if (blank != std::string_view::npos && blank != 0)
        stripped.remove_prefix(blank + 1);
    const std::size_t paren = stripped.rfind('(');
    const std::string_view beforeParen = stripped.substr(0, paren);
    const std::size_t nameBlank = beforeParen.rfind(' ');
    const std::string_view simpleName =
        nameBlank == std::string_view::npos ? beforeParen : beforeParen.substr(nameBlank + 1);

    std::string entry(simpleName);
    const std::size_t width = utf16Length(simpleName);
    if (width < kNameWidth)
        entry.append(kNameWidth - width, ' ');
    entry += "  ";
    entry += stripped;
    return entry;
}

RebuildOutcome rebuildMemberModel(const MemberTables& tables, const std::vector<std::string>& signatures,
                                  std::string_view searchText, std::string_view classNameText)
{
    RebuildOutcome outcome;
    SortVector matches(std::make_unique<StringCompare>());
    for (const std::string& text : signatures)
        if (searchText.empty() || contains(text, searchText))
            matches.add(text);
    // More members than all the tables hold cannot fit whatever their order; the sort,
    // slow on some orders of a huge class, is not worth starting.
    if (matches.size() > static_cast<std::size_t>(kMaxGroups) * kMaxEntries) {
        outcome.status = RebuildStatus::TooManyMembers;
        return outcome;
    }
    matches.sort();
    int& groups = outcome.groups;
    for (std::size_t i = 0; i < matches.size(); ++i) {
        const std::string& text = matches.elementAt(i);
        const std::string stripped = StripQualifiers::strip(text);
        tables.sbq = StripQualifiers::getQualifier();

        int g = 0;
        while (g < groups && tables.classes[g] != tables.sbq)
            ++g;
        if (g == groups) {
            if (groups == kMaxGroups) {
                outcome.status = RebuildStatus::TooManyGroups;
                return outcome;
            }
            tables.classes[g] = tables.sbq;
            ++groups;
        }
        int& count = tables.k[g];
        if (count == kMaxEntries) {
            outcome.status = RebuildStatus::TooManyEntries;
            return outcome;
        }
        tables.methods[g][count] = memberEntry(stripped);
        ++count;
    }

    const std::string constructors = constructorQualifier(tables.classes, groups, classNameText);
    for (int g = 0; g < groups; ++g)
        if (tables.classes[g] == constructors)
            tables.classes[g] = kConstructorsLabel;

    for (int g = 0; g < groups; ++g)
        if (contains(tables.classes[g], classNameText))
            outcome.initialGroup = g;
    return outcome;
}

MemberModel buildMemberModel(const std::vector<std::string>& signatures, std::string_view searchText,
                             std::string_view classNameText)
{
    auto k = std::make_unique<GroupCounters>();
    auto methods = std::make_unique<EntryRows>();
    auto classes = std::make_unique<GroupLabels>();
    std::string sbq;
    const RebuildOutcome outcome =
        rebuildMemberModel(MemberTables{*k, *methods, *classes, sbq}, signatures, searchText, classNameText);

    MemberModel model;
    model.status = outcome.status;
    model.initialGroup = outcome.initialGroup;
    for (int g = 0; g < outcome.groups; ++g) {
        model.labels.push_back((*classes)[g]);
        model.entries.emplace_back((*methods)[g].begin(), (*methods)[g].begin() + (*k)[g]);
    }
    return model;
}

std::string capacityMessage(RebuildStatus status)
{
    switch (status) {
    case RebuildStatus::TooManyGroups:
        return "This class has too many members to show: its members come from more than 100 classes";
    case RebuildStatus::TooManyEntries:
        return "This class has too many members to show: more than 350 of them come from one class";
    case RebuildStatus::TooManyMembers:
        return "This class has too many members to show: more than 35000 of them";
    case RebuildStatus::Complete:
        break;
    }
    return {};
}

}  // namespace qv
