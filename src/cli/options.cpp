#include "cli/options.h"

#include "reader/datareader.h"

#include <algorithm>
#include <ostream>

namespace menuloom::cli {

bool Args::has(std::string_view flag) const {
    return std::find(flags.begin(), flags.end(), flag) != flags.end();
}

bool isOption(std::string_view arg) {
    return arg.size() > 1 && arg[0] == '-';
}

Args parseArgs(std::span<const std::string> args, std::initializer_list<std::string_view> known) {
    Args p;
    for (const std::string& a : args) {
        if (!isOption(a))
            p.positional.push_back(a);
        else if (std::find(known.begin(), known.end(), a) != known.end())
            p.flags.push_back(a);
        else if (p.unknown.empty())
            p.unknown = a;
    }
    return p;
}

int usage(Streams io, std::string_view message, std::string_view command) {
    io.err << kTool << ": " << message << "\nTry '" << kTool << ' '
           << (command.empty() ? std::string() : std::string(command) + ' ') << "--help'.\n";
    return kExitUsage;
}

int unknownOption(Streams io, std::string_view option, std::string_view command) {
    return usage(io, "unknown option '" + std::string(option) + "'", command);
}

int failure(Streams io, std::string_view where, std::string_view message) {
    io.err << kTool << ": " << where << ": " << message << '\n';
    return kExitFailure;
}

bool readMenu(Streams io, model::Project& project, const std::string& path) {
    const reader::ReadResult r = reader::readDataFile(project, path);
    if (r.ok())
        return true;
    failure(io, path, r.message.empty() ? "the file is empty" : r.message);
    return false;
}

} // namespace menuloom::cli
