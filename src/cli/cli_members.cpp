// quorvane-cli members [--class-path LIST] [--search TEXT] [--complete] NAME...
// The member model the window would show for NAME, as text: per group a line
// "G<TAB>index<TAB>label" (with "<TAB>*" on the group shown first), then a line
// "E<TAB>index<TAB>entry" per entry of that group.

#include <iostream>

#include "cli/cli_args.h"
#include "cli/cli_library.h"
#include "cli/cli_resolution.h"
#include "cli/class_blocks.h"
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
    // The class-name field's text for each name: completed as the Search command does,
    // when asked to.
    std::vector<std::string> fields;
    for (const std::string& given : parsed.positional)
        fields.push_back(parsed.has("--complete") ? resolveName(given, *library).text : given);
    return runClassBlocks(parsed.positional, *library,
                          {[&](std::size_t index) -> std::optional<std::string> {
                               // A blank name looks nothing up, as in the window.
                               std::string className(trim(fields[index]));
                               if (className.empty())
                                   return std::nullopt;
                               return className;
                           },
                           [&](const ReflectedClass& found, std::size_t index) {
                               const MemberModel model = buildMemberModel(signatureTexts(found), searchText, fields[index]);
                               if (model.status != RebuildStatus::Complete) {
                                   std::cout.flush();
                                   std::cerr << capacityMessage(model.status) << '\n';
                                   return ExitStatus::kCapacity;
                               }
                               printModel(model);
                               return 0;
                           }});
}

}  // namespace qv::cli
