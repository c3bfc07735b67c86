#pragma once
// PathsData: the built-in table of documentation page paths.

#include <string>

#include "docs/paths_table.h"

namespace qv {

class PathsData {
public:
    PathsData();
    virtual ~PathsData() = default;

    // Entry i, for 0 <= i <= 1522; any other index throws std::out_of_range.
    virtual std::string getString(int i) const;

private:
    const std::array<std::string_view, kPathCount>& paths;
};

}  // namespace qv
