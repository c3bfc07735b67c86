#include "cli/class_blocks.h"

#include <iostream>

#include "cli/exit_status.h"

namespace qv::cli {

int runClassBlocks(const std::vector<std::string>& names, ClassReflection& library, const ClassBlock& block)
{
    const bool headers = names.size() > 1;
    ExitStatus status;
    for (std::size_t index = 0; index < names.size(); ++index) {
        if (headers)
            std::cout << "# " << names[index] << '\n';
        const std::optional<std::string> lookedUp = block.lookupName(index);
        if (!lookedUp)
            continue;
        const std::string& className = *lookedUp;
        try {
            status.add(block.write(*library.forName(className), index));
        } catch (const ClassNotFoundError&) {
            std::cout << "Class not found : " << className << '\n';
            status.add(ExitStatus::kNotFound);
        } catch (const ClassLibraryError& e) {
            std::cout.flush();
            std::cerr << "quorvane-cli: " << e.what() << '\n';
            status.add(ExitStatus::kBrokenLibrary);
        }
    }
    std::cout.flush();
    return status.value();
}

}  // namespace qv::cli
