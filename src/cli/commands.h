#pragma once
// The command table of menuloom-cli. Each command gets its arguments after the command name and
// writes to the given streams; it returns the process exit status.

#include <functional>
#include <iosfwd>
#include <span>
#include <string>
#include <string_view>

namespace menuloom::cli {

inline constexpr int kExitOk = 0;
inline constexpr int kExitFailure = 1; // a file could not be read or written
inline constexpr int kExitUsage = 2;

struct Streams {
    std::ostream& out;
    std::ostream& err;
};

using CommandFn = std::function<int(std::span<const std::string> args, Streams io)>;

struct Command {
    std::string_view name;
    std::string_view usage;   // arguments, e.g. "[OUT]"
    std::string_view summary; // one line for --help
    CommandFn run;
};

std::span<const Command> commands();

// The whole tool: parses options, picks the command, runs it.
int runCli(std::span<const std::string> args, Streams io);

} // namespace menuloom::cli
