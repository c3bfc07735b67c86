#pragma once
// An ordering predicate over two elements, as SortVector uses it.

#include <string>

namespace qv {

class Compare {
public:
    virtual ~Compare() = default;
    // True when a comes strictly before b.
    virtual bool lessThan(const std::string& a, const std::string& b) const = 0;
    // True when a comes before b or compares equal with it.
    virtual bool lessThanOE(const std::string& a, const std::string& b) const = 0;
};

}  // namespace qv
