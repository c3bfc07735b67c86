// quorvane-cli members [--class-path LIST] [--search TEXT] [--complete] NAME...
// The member model the window would show for NAME, as text: per group a line
// "G<TAB>index<TAB>label" (with "<TAB>*" on the group shown first), then a line
// "E<TAB>index<TAB>entry" per entry of that group.

#include <iostream>

#include "cli/cli_args.h"
#include "cli/cli_library.h"
#include "cli/cli_resolution.h"
#include "cli/exit_status.h"
#include "cli/subcommands.h"
#include "members/member_model.h"
#include "signatures/text_rules.h"

namespace qv::cli {
namespace {

constexpr std::string_view kUsage =
    "usage: quorvane-cli members [--class-path LIST] [--search TEXT] [--complete] NAME...\n";

void printModel(const MemberModel& model)
{
    for (std::size_t g = 0; g < model.labels.size(); ++g) {
        std::cout << "G\t" << g << '\t' << model.labels[g];
        if (static_cast<int>(g) == model.initialGroup)
            std::cout << "\t*";
        std::cout << '\n';
        for (std::size_t e = 0; e < model.entries[g].size(); ++e)
            std::cout << "E\t" << e << '\t' << model.entries[g][e] << '\n';
    }
}

}  // namespace

int runMembers(std::span<const std::string> args)
{
    const ParsedArgs parsed = parseArgs(args, {"--class-path", "--search"}, {"--complete"});
    if (!parsed.error.empty() || parsed.positional.empty()) {
        std::cerr << "quorvane-cli members: " << (parsed.error.empty() ? "expected NAME" : parsed.error) << '\n'
                  << kUsage;
        return 2;
    }
    const auto library = openLibrary(parsed.value("--class-path"));
    const std::string searchText = parsed.value("--search").value_or("");
    const bool headers = parsed.positional.size() > 1;
    ExitStatus status;
    for (const std::string& typed : parsed.positional) {
        if (headers)
            std::cout << "# " << typed << '\n';
        // The field's text: completed as the Search command does, when asked to.
        const std::string field = parsed.has("--complete") ? resolveName(typed, *library).text : typed;
        const std::string className(trim(field));
        if (className.empty())
            continue;  // the window looks nothing up
        try {
            const auto found = library->forName(className);
            std::vector<std::string> texts;
            for (const auto& member : found->getConstructors())
                texts.push_back(member.toString());
            for (const auto& member : found->getMethods())
                texts.push_back(member.toString());
            const MemberModel model = buildMemberModel(texts, searchText, field);
            if (model.status != RebuildStatus::Complete) {
                std::cout.flush();
                std::cerr << capacityMessage(model.status) << '\n';
                status.add(ExitStatus::kCapacity);
                continue;
            }
            printModel(model);
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
