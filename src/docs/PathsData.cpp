#include "docs/PathsData.h"

#include <stdexcept>

namespace qv {

PathsData::PathsData() : paths(kPaths) {}

std::string PathsData::getString(int i) const
{
    if (i < 0 || static_cast<std::size_t>(i) >= paths.size())
        throw std::out_of_range("PathsData::getString: index " + std::to_string(i) + " is outside 0.." +
                                std::to_string(paths.size() - 1));
    return std::string(paths[static_cast<std::size_t>(i)]);
}

}  // namespace qv
