#include "cli/readcommands.h"

#include "model/project.h"
#include "output/datawriter.h"
#include "reader/datareader.h"

#include <algorithm>
#include <ostream>
#include <vector>

namespace menuloom::cli {

namespace {

constexpr std::string_view kTool = "menuloom-cli";

int usage(Streams io, std::string_view message) {
    io.err << kTool << ": " << message << "\nTry '" << kTool << " --help'.\n";
    return kExitUsage;
}

bool isOption(const std::string& arg) {
    return arg.size() > 1 && arg[0] == '-';
}

// Reads `path` as the Open command does: a new project (the reset), then the reader.
bool readAsOpen(model::Project& project, const std::string& path, Streams io) {
    const reader::ReadResult r = reader::readDataFile(project, path);
    if (r.ok())
        return true;
    io.err << kTool << ": " << path << ": " << (r.message.empty() ? "the file is empty" : r.message)
           << '\n';
    return false;
}

template <typename List>
void printStyles(std::ostream& os, std::string_view title, const List& list) {
    os << title << ": " << list.size() << '\n';
    for (int k = 0; k < list.size(); ++k)
        os << "  " << k << ": " << list.nameAt(k) << '\n';
}

} // namespace

int cmdConvert(std::span<const std::string> args, Streams io) {
    std::vector<std::string> positional;
    bool preview = false;
    for (const auto& a : args) {
        if (a == "--preview")
            preview = true;
        else if (isOption(a))
            return usage(io, "unknown option '" + a + "'");
        else
            positional.push_back(a);
    }
    if (positional.size() != 2)
        return usage(io, "convert needs IN and OUT");
    const std::string& in = positional[0];
    const std::string& out = positional[1];

    model::Project project;
    if (!readAsOpen(project, in, io))
        return kExitFailure;
    const std::string text = output::renderDataFile(project, preview);
    if (out == "-") {
        io.out << text;
        io.out.flush();
        if (!io.out) {
            io.err << kTool << ": standard output: write error\n";
            return kExitFailure;
        }
        return kExitOk;
    }
    const output::WriteResult w = output::writeFileAtomically(out, text);
    if (!w) {
        io.err << kTool << ": " << out << ": " << w.message << '\n';
        return kExitFailure;
    }
    return kExitOk;
}

int cmdCheck(std::span<const std::string> args, Streams io) {
    for (const auto& a : args)
        if (isOption(a))
            return usage(io, "unknown option '" + a + "'");
    if (args.size() != 1)
        return usage(io, "check needs IN");

    model::Project project;
    if (!readAsOpen(project, args[0], io))
        return kExitFailure;

    std::ostream& os = io.out;
    int levels = 0;
    project.items.forEach(
        [&](const model::ItemNode&, int level) { levels = std::max(levels, level + 1); });
    os << "items: " << project.items.count() << '\n';
    os << "depth: " << levels << '\n';
    printStyles(os, "item styles", project.itemStyles);
    printStyles(os, "submenu styles", project.smStyles);

    const model::Project fresh;
    std::vector<std::string> changed;
    for (std::size_t i = 0; i < project.params.size(); ++i) {
        const std::string value = output::formatParameterValue(project.params[i]);
        if (value != output::formatParameterValue(fresh.params[i]))
            changed.push_back(project.params[i].name + "=" + value);
    }
    os << "changed parameters: " << changed.size() << '\n';
    for (const auto& line : changed)
        os << "  " << line << '\n';

    const model::CrossframeSettings& cf = project.crossframe;
    os << "crossframe: " << (cf.enabled ? "on" : "off") << '\n';
    if (cf.enabled) {
        os << "  frameset: " << cf.framesetId << '\n'
           << "  top frame: " << cf.topFrame << '\n'
           << "  submenu frame: " << cf.subFrame << '\n'
           << "  vertical: " << (cf.vertical ? "yes" : "no") << '\n';
    }
    os.flush();
    return os ? kExitOk : kExitFailure;
}

} // namespace menuloom::cli
