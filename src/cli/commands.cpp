#include "cli/commands.h"

#include "cli/importcommand.h"
#include "cli/lintcommand.h"
#include "cli/options.h"
#include "cli/pagecommands.h"
#include "cli/publishcommand.h"
#include "cli/readcommands.h"

#include "model/project.h"
#include "output/datawriter.h"

#include <algorithm>
#include <array>
#include <ostream>

namespace menuloom::cli {

namespace {

// Writes `text` to OUT, or to standard output for "-"; reports a failure like the designer would.
int emit(const std::string& out, const std::string& text, Streams io) {
    if (out == "-") {
        io.out << text;
        io.out.flush();
        return io.out ? kExitOk : kExitFailure;
    }
    const auto result = output::writeFileAtomically(out, text);
    return result ? kExitOk : failure(io, out, result.message);
}

int cmdNew(std::span<const std::string> args, Streams io) {
    if (args.size() > 1)
        return usage(io, "new takes at most one argument");
    if (!args.empty() && isOption(args[0]))
        return unknownOption(io, args[0]);
    model::Project project;
    const std::string out = args.empty() ? "-" : args[0];
    return emit(out, output::renderDataFile(project, false), io);
}

const std::array kCommands = {
    Command{"new", "[OUT]",
            "write the data file of a new menu to OUT (standard output for - or none)", cmdNew},
    Command{"page", "DATA PAGE [--preview]",
            "write the HTML page (or the preview page) that loads DATA", cmdPage},
    Command{"export", "IN DIR [--force] [--links]",
            "read IN and write DIR/zel_data.js, DIR/zelmenu.html and DIR/zelmenu.js", cmdExport},
    Command{"convert", "IN OUT [--preview]",
            "read IN as Open does and write it again to OUT (standard output for -)", cmdConvert},
    Command{"check", "IN", "read IN and print a summary of the menu it holds", cmdCheck},
    Command{"lint", "IN [--json]", "list the menu's faults in IN (exit 3 when one is an error)",
            cmdLint},
    Command{"import", "SOURCE OUT [--nav N] [--list]",
            "make a new menu from a page's navigation or a sitemap", cmdImport},
    Command{"publish", "IN SITE [--dry-run]", "put the menu of IN into the marked pages of SITE",
            cmdPublish},
};

void printHelp(std::ostream& os) {
    os << "Usage: " << kTool << " COMMAND [ARGS]\n"
       << "Works on Menuloom menu data files without the designer.\n\nCommands:\n";
    for (const auto& c : kCommands) {
        std::string head = std::string(c.name) + " " + std::string(c.usage);
        os << "  " << head;
        for (std::size_t i = head.size(); i < std::max<std::size_t>(28, head.size() + 2); ++i)
            os << ' ';
        os << (head.size() >= 28 ? "  " : "") << c.summary << '\n';
    }
    os << "\nOptions:\n  --help       show this help\n  --version    show the version\n"
       << "\nExit status: 0 success, 1 a file could not be read or written, 2 usage error.\n";
}

} // namespace

std::span<const Command> commands() {
    return kCommands;
}

int runCli(std::span<const std::string> args, Streams io) {
    if (args.empty())
        return usage(io, "no command given");
    const std::string& first = args[0];
    if (first == "--help" || first == "-h" || first == "help") {
        printHelp(io.out);
        return kExitOk;
    }
    if (first == "--version") {
        io.out << kTool << " (Menuloom) " << MENULOOM_VERSION << '\n';
        return kExitOk;
    }
    for (const auto& c : kCommands) {
        if (c.name == first) {
            const auto rest = args.subspan(1);
            for (const auto& a : rest)
                if (a == "--help") {
                    io.out << "Usage: " << kTool << ' ' << c.name << ' ' << c.usage << '\n'
                           << c.summary << '\n';
                    return kExitOk;
                }
            return c.run(rest, io);
        }
    }
    return usage(io, "unknown command '" + first + "'");
}

} // namespace menuloom::cli
