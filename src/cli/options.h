#pragma once
// What the commands share: splitting their arguments into options and the rest, the messages of
// a usage error and of a failure, and reading the menu they work on.

#include "cli/commands.h"
#include "model/project.h"

#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

namespace menuloom::cli {

inline constexpr std::string_view kTool = "menuloom-cli";

struct Args {
    std::vector<std::string> positional;
    std::vector<std::string> flags; // the known options given
    std::string unknown;            // the first other option, if any

    bool has(std::string_view flag) const;
};

// An option begins with '-' and is longer than that (a lone "-" is standard output or input).
bool isOption(std::string_view arg);
// Splits `args`; options are those named in `known`.
Args parseArgs(std::span<const std::string> args, std::initializer_list<std::string_view> known);

// "menuloom-cli: MESSAGE" and where help is ("--help", or "import --help" with `command`);
// kExitUsage.
int usage(Streams io, std::string_view message, std::string_view command = {});
// The usage error of an option the command does not know.
int unknownOption(Streams io, std::string_view option, std::string_view command = {});
// "menuloom-cli: WHERE: MESSAGE"; kExitFailure.
int failure(Streams io, std::string_view where, std::string_view message);

// Reads the data file at `path` into `project` as Open does; false after telling why.
bool readMenu(Streams io, model::Project& project, const std::string& path);

} // namespace menuloom::cli
