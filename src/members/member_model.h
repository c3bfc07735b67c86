#pragma once
// The member model: the signature texts of a looked-up class, filtered by the search
// text, sorted by member name, grouped by the class that declares them (the constructors
// together), each member turned into a one-line entry.
//
// The model lives in fixed tables that the window allocates once: at most 100 groups of
// at most 350 entries. The rebuild fills them in place.

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace qv {

inline constexpr int kMaxGroups = 100;
inline constexpr int kMaxEntries = 350;
inline constexpr int kGroupCounters = 350;  // only the first kMaxGroups can be non-zero

using GroupCounters = std::array<int, kGroupCounters>;
using EntryRows = std::array<std::array<std::string, kMaxEntries>, kMaxGroups>;
using GroupLabels = std::array<std::string, kMaxGroups>;

// The tables a rebuild writes: `k`, `methods`, `classes` and the qualifier buffer `sbq`.
struct MemberTables {
    GroupCounters& k;
    EntryRows& methods;
    GroupLabels& classes;
    std::string& sbq;
};

enum class RebuildStatus {
    Complete,
    TooManyGroups,   // a 101st group was needed: the rebuild stopped at that member
    TooManyEntries,  // a 351st entry in one group was needed: likewise
    TooManyMembers,  // more members than all groups together hold: stopped before sorting
};

struct RebuildOutcome {
    RebuildStatus status = RebuildStatus::Complete;
    int groups = 0;        // G, the groups made (up to the point of stopping)
    int initialGroup = 0;  // the group shown first; meaningful when Complete
};

// The member entry of a stripped member text: the simple name padded with blanks to 18
// characters, two blanks, then the text without its leading modifier word.
std::string memberEntry(std::string_view stripped);

// Rebuilds the model from `signatures` (constructors first). `searchText` filters by
// substring of the full signature text, case-sensitive; `classNameText` is the class-name
// field's text, untrimmed, which picks the "Constructors" group and the initial group.
// The counters of `k` must be 0 for the rows to start empty; a rebuild that stops at a
// capacity limit leaves the tables partly rebuilt.
RebuildOutcome rebuildMemberModel(const MemberTables& tables, const std::vector<std::string>& signatures,
                                  std::string_view searchText, std::string_view classNameText);

// A model of its own, for callers without the window's tables.
struct MemberModel {
    RebuildStatus status = RebuildStatus::Complete;
    std::vector<std::string> labels;                // one per group
    std::vector<std::vector<std::string>> entries;  // the entries of each group, in row order
    int initialGroup = 0;
};

MemberModel buildMemberModel(const std::vector<std::string>& signatures, std::string_view searchText,
                             std::string_view classNameText);

// The one line the program writes when a class has more members than the tables hold.
std::string capacityMessage(RebuildStatus status);

}  // namespace qv
