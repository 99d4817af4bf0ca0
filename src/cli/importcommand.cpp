#include "cli/importcommand.h"

#include "cli/options.h"
#include "import/navimport.h"
#include "model/project.h"
#include "output/datawriter.h"

#include <charconv>
#include <ostream>
#include <vector>

namespace menuloom::cli {

namespace {

// A navigation number counting from 1; 0 when the text is not one.
int parseNumber(std::string_view text) {
    int n = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), n);
    return ec == std::errc() && end == text.data() + text.size() && n > 0 ? n : 0;
}

} // namespace

int cmdImport(std::span<const std::string> args, Streams io) {
    std::vector<std::string> positional;
    bool list = false;
    int nav = 0;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "--list") {
            list = true;
        } else if (a == "--nav" || a.starts_with("--nav=")) {
            std::string value;
            if (a == "--nav") {
                if (i + 1 == args.size())
                    return usage(io, "--nav needs a number", "import");
                value = args[++i];
            } else {
                value = a.substr(6);
            }
            nav = parseNumber(value);
            if (nav == 0)
                return usage(io, "--nav needs a number from 1 on, not '" + value + "'", "import");
        } else if (isOption(a)) {
            return unknownOption(io, a, "import");
        } else {
            positional.push_back(a);
        }
    }
    if (list && positional.size() != 1)
        return usage(io, "import --list needs SOURCE only (it writes nothing)", "import");
    if (!list && positional.size() != 2)
        return usage(io, "import needs SOURCE and OUT", "import");
    const std::string& source = positional[0];

    std::string bytes;
    if (const std::string error = importer::readSourceFile(source, bytes); !error.empty())
        return failure(io, source, error);
    const importer::OpenResult opened = importer::openSource(bytes);
    if (!opened.ok())
        return failure(io, source, opened.message);
    const importer::Source& src = *opened.source;

    if (list) {
        const auto& candidates = src.candidates();
        for (std::size_t i = 0; i < candidates.size(); ++i) {
            const importer::Candidate& c = candidates[i];
            io.out << i + 1 << '\t' << c.linkCount << (c.linkCount == 1 ? " link\t" : " links\t")
                   << c.label();
            if (static_cast<int>(i) == src.defaultCandidate())
                io.out << "\tdefault";
            io.out << '\n';
        }
        io.out.flush();
        return io.out ? kExitOk : kExitFailure;
    }

    const importer::ItemsResult items = src.items(nav > 0 ? nav - 1 : src.defaultCandidate());
    if (!items.ok())
        return failure(io, source, items.message);
    model::Project project;
    importer::appendItems(project.items, items.items);
    const std::string text = output::renderDataFile(project, false);

    const std::string& out = positional[1];
    if (out == "-") {
        io.out << text;
        io.out.flush();
        if (!io.out)
            return failure(io, "standard output", "write error");
        return kExitOk;
    }
    const output::WriteResult w = output::writeFileAtomically(out, text);
    if (!w)
        return failure(io, out, w.message);
    return kExitOk;
}

} // namespace menuloom::cli
