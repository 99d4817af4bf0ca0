#include "cli/publishcommand.h"

#include "cli/pagecommands.h"
#include "model/project.h"
#include "output/pagewriter.h"
#include "output/publish.h"
#include "reader/datareader.h"

#include <ostream>
#include <vector>

namespace menuloom::cli {

namespace {

constexpr std::string_view kTool = "menuloom-cli";

int usage(Streams io, std::string_view message) {
    io.err << kTool << ": " << message << "\nTry '" << kTool << " --help'.\n";
    return kExitUsage;
}

} // namespace

int cmdPublish(std::span<const std::string> args, Streams io) {
    std::vector<std::string> positional;
    bool dryRun = false;
    for (const std::string& a : args) {
        if (a == "--dry-run")
            dryRun = true;
        else if (a.size() > 1 && a[0] == '-')
            return usage(io, "unknown option '" + a + "'");
        else
            positional.push_back(a);
    }
    if (positional.size() != 2)
        return usage(io, "publish needs IN and SITE");

    model::Project project;
    const auto read = reader::readDataFile(project, positional[0]);
    if (!read.ok()) {
        io.err << kTool << ": " << positional[0] << ": "
               << (read.message.empty() ? "the file is empty" : read.message) << '\n';
        return kExitFailure;
    }
    const output::PublishInput input =
        output::publishInputOf(project, programFolder() + std::string(output::kEngineFileName));
    output::PublishOptions options;
    options.dryRun = dryRun;
    options.progress = [&](const output::PageOutcome& page, std::size_t, std::size_t) {
        io.out << page.path << ' ' << output::describeOutcome(page) << '\n';
    };
    const output::PublishResult result = output::publishSite(input, positional[1], options);
    io.out.flush();
    if (!result.siteError.empty()) {
        io.err << kTool << ": " << positional[1] << ": " << result.siteError << '\n';
        return kExitFailure;
    }
    for (const std::string& error : result.fileErrors)
        io.err << kTool << ": " << error << '\n';
    return result.ok() ? kExitOk : kExitFailure;
}

} // namespace menuloom::cli
