#include "cli/pagecommands.h"

#include "cli/options.h"
#include "model/project.h"
#include "output/datawriter.h"
#include "output/pagewriter.h"
#include "output/savescript.h"
#include "util/systemmessage.h"

#include <filesystem>
#include <ostream>
#include <vector>

namespace menuloom::cli {

namespace {

namespace fs = std::filesystem;

} // namespace

std::string programFolder() {
    std::error_code ec;
    const fs::path exe = fs::read_symlink("/proc/self/exe", ec);
    if (ec)
        return "./";
    return exe.parent_path().string() + "/";
}

int cmdPage(std::span<const std::string> args, Streams io) {
    const Args p = parseArgs(args, {"--preview"});
    if (!p.unknown.empty())
        return unknownOption(io, p.unknown);
    if (p.positional.size() != 2)
        return usage(io, "page needs DATA and PAGE");
    const auto r = output::writePage(p.positional[1], p.positional[0], p.has("--preview"));
    return r ? kExitOk : failure(io, r.path, r.message);
}

int cmdExport(std::span<const std::string> args, Streams io) {
    const Args p = parseArgs(args, {"--force", "--links"});
    if (!p.unknown.empty())
        return unknownOption(io, p.unknown);
    if (p.positional.size() != 2)
        return usage(io, "export needs IN and DIR");
    std::string dir = p.positional[1];
    if (dir.empty() || dir.back() != '/')
        dir += '/';

    output::SaveRequest request;
    request.dataPath = dir + "zel_data.js";
    request.programFolder = programFolder();
    request.staticLinks = p.has("--links");
    const output::SavePaths paths = output::savePaths(request);

    if (!p.has("--force")) {
        std::error_code ec;
        for (const auto& path : {paths.data, paths.page, paths.engine}) {
            if (fs::exists(path, ec)) {
                io.err << kTool << ": " << path << " exists; use --force to replace it\n";
                return kExitFailure;
            }
        }
    }

    model::Project project;
    if (!readMenu(io, project, p.positional[0]))
        return kExitFailure;
    // A folder that does not exist yet is made, with its parents.
    if (std::error_code ec; !fs::create_directories(dir, ec) && ec)
        return failure(io, p.positional[1], util::systemMessage(ec.value()));
    const output::SaveResult saved = output::saveScript(project, request);
    if (!saved.completed) {
        for (const std::string& message : saved.messages) {
            // The designer's messages break lines for a message box; one line each here.
            std::string line;
            for (char c : message)
                if (c != '\r')
                    line += c == '\n' ? ' ' : c;
            io.err << kTool << ": " << paths.folder << ": " << line << '\n';
        }
        return kExitFailure;
    }
    std::error_code ec;
    if (!fs::exists(paths.engine, ec))
        io.err << kTool << ": warning: no " << output::kEngineFileName << " in "
               << request.programFolder << "; the page needs it beside the data file\n";
    return kExitOk;
}

} // namespace menuloom::cli
