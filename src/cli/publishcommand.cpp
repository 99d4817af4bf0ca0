#include "cli/publishcommand.h"

#include "cli/options.h"
#include "cli/pagecommands.h"
#include "model/project.h"
#include "output/pagewriter.h"
#include "output/publish.h"

#include <ostream>
#include <vector>

namespace menuloom::cli {

int cmdPublish(std::span<const std::string> args, Streams io) {
    const Args p = parseArgs(args, {"--dry-run"});
    if (!p.unknown.empty())
        return unknownOption(io, p.unknown);
    if (p.positional.size() != 2)
        return usage(io, "publish needs IN and SITE");
    const std::vector<std::string>& positional = p.positional;

    model::Project project;
    if (!readMenu(io, project, positional[0]))
        return kExitFailure;
    const output::PublishInput input =
        output::publishInputOf(project, programFolder() + std::string(output::kEngineFileName));
    output::PublishOptions options;
    options.dryRun = p.has("--dry-run");
    options.progress = [&](const output::PageOutcome& page, std::size_t, std::size_t) {
        io.out << page.path << ' ' << output::describeOutcome(page) << '\n';
    };
    const output::PublishResult result = output::publishSite(input, positional[1], options);
    io.out.flush();
    if (!result.siteError.empty())
        return failure(io, positional[1], result.siteError);
    for (const std::string& error : result.fileErrors)
        io.err << kTool << ": " << error << '\n';
    return result.ok() ? kExitOk : kExitFailure;
}

} // namespace menuloom::cli
