#include "cli/cli_resolution.h"

namespace qv::cli {

SearchFieldText resolveName(std::string_view typed, ClassReflection& library)
{
    static const PathsData pages;
    return searchFieldText(pages, typed, library);
}

}  // namespace qv::cli
