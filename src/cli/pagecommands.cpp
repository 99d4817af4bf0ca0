#include "cli/pagecommands.h"

#include "model/project.h"
#include "output/datawriter.h"
#include "output/pagewriter.h"
#include "output/savescript.h"
#include "reader/datareader.h"
#include "util/systemmessage.h"

#include <filesystem>
#include <ostream>
#include <vector>

namespace menuloom::cli {

namespace {

namespace fs = std::filesystem;

constexpr std::string_view kTool = "menuloom-cli";

struct Parsed {
    std::vector<std::string> positional;
    std::vector<std::string> flags;
    std::string unknown;
};

Parsed parse(std::span<const std::string> args, std::initializer_list<std::string_view> known) {
    Parsed p;
    for (const auto& a : args) {
        if (a.size() > 1 && a.rfind("--", 0) == 0) {
            bool ok = false;
            for (auto k : known)
                ok = ok || a == k;
            if (ok)
                p.flags.push_back(a);
            else if (p.unknown.empty())
                p.unknown = a;
        } else {
            p.positional.push_back(a);
        }
    }
    return p;
}

bool has(const Parsed& p, std::string_view flag) {
    for (const auto& f : p.flags)
        if (f == flag)
            return true;
    return false;
}

int usage(Streams io, std::string_view message) {
    io.err << kTool << ": " << message << "\nTry '" << kTool << " --help'.\n";
    return kExitUsage;
}

int failed(Streams io, const output::WriteResult& r) {
    io.err << kTool << ": " << r.path << ": " << r.message << '\n';
    return kExitFailure;
}

} // namespace

std::string programFolder() {
    std::error_code ec;
    const fs::path exe = fs::read_symlink("/proc/self/exe", ec);
    if (ec)
        return "./";
    return exe.parent_path().string() + "/";
}

int cmdPage(std::span<const std::string> args, Streams io) {
    const Parsed p = parse(args, {"--preview"});
    if (!p.unknown.empty())
        return usage(io, "unknown option '" + p.unknown + "'");
    if (p.positional.size() != 2)
        return usage(io, "page needs DATA and PAGE");
    const auto r = output::writePage(p.positional[1], p.positional[0], has(p, "--preview"));
    return r ? kExitOk : failed(io, r);
}

int cmdExport(std::span<const std::string> args, Streams io) {
    const Parsed p = parse(args, {"--force", "--links"});
    if (!p.unknown.empty())
        return usage(io, "unknown option '" + p.unknown + "'");
    if (p.positional.size() != 2)
        return usage(io, "export needs IN and DIR");
    std::string dir = p.positional[1];
    if (dir.empty() || dir.back() != '/')
        dir += '/';

    output::SaveRequest request;
    request.dataPath = dir + "zel_data.js";
    request.programFolder = programFolder();
    request.staticLinks = has(p, "--links");
    const output::SavePaths paths = output::savePaths(request);

    if (!has(p, "--force")) {
        std::error_code ec;
        for (const auto& path : {paths.data, paths.page, paths.engine}) {
            if (fs::exists(path, ec)) {
                io.err << kTool << ": " << path << " exists; use --force to replace it\n";
                return kExitFailure;
            }
        }
    }

    model::Project project;
    const auto read = reader::readDataFile(project, p.positional[0]);
    if (!read.ok()) {
        io.err << kTool << ": " << p.positional[0] << ": "
               << (read.message.empty() ? "the file is empty" : read.message) << '\n';
        return kExitFailure;
    }
    // A folder that does not exist yet is made, with its parents.
    if (std::error_code ec; !fs::create_directories(dir, ec) && ec) {
        io.err << kTool << ": " << p.positional[1] << ": " << util::systemMessage(ec.value())
               << '\n';
        return kExitFailure;
    }
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
