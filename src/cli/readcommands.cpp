#include "cli/readcommands.h"

#include "cli/options.h"
#include "model/project.h"
#include "output/datawriter.h"

#include <algorithm>
#include <ostream>
#include <vector>

namespace menuloom::cli {

namespace {

template <typename List>
void printStyles(std::ostream& os, std::string_view title, const List& list) {
    os << title << ": " << list.size() << '\n';
    for (int k = 0; k < list.size(); ++k)
        os << "  " << k << ": " << list.nameAt(k) << '\n';
}

} // namespace

int cmdConvert(std::span<const std::string> args, Streams io) {
    const Args p = parseArgs(args, {"--preview"});
    if (!p.unknown.empty())
        return unknownOption(io, p.unknown);
    if (p.positional.size() != 2)
        return usage(io, "convert needs IN and OUT");
    const std::string& in = p.positional[0];
    const std::string& out = p.positional[1];

    model::Project project;
    if (!readMenu(io, project, in))
        return kExitFailure;
    const std::string text = output::renderDataFile(project, p.has("--preview"));
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
    return w ? kExitOk : failure(io, out, w.message);
}

int cmdCheck(std::span<const std::string> args, Streams io) {
    const Args p = parseArgs(args, {});
    if (!p.unknown.empty())
        return unknownOption(io, p.unknown);
    if (p.positional.size() != 1)
        return usage(io, "check needs IN");

    model::Project project;
    if (!readMenu(io, project, p.positional[0]))
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
