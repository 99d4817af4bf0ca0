#pragma once
// menuloom-cli lint: the menu checks of a data file, for people and for build scripts.

#include "cli/commands.h"

namespace menuloom::cli {

// Exit status of lint when a finding is an error.
inline constexpr int kExitFindings = 3;

// lint IN [--json]: reads IN as Open does and prints every finding of the checks, one line each
// ("severity rule place message"), or with --json one object {"findings": [...]}. Pictures are
// looked for beside IN. Exit 0 without errors, 3 with one or more, 1 when IN cannot be read, 2 on
// a usage error.
int cmdLint(std::span<const std::string> args, Streams io);

} // namespace menuloom::cli
