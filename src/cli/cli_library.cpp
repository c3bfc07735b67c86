#include "cli/cli_library.h"

namespace qv::cli {

std::shared_ptr<ClassLibrary> openLibrary(const std::optional<std::string>& classPath)
{
    return classPath ? openClassPath(*classPath) : openDefaultClassLibrary();
}

}  // namespace qv::cli
