#pragma once
// menuloom-cli import: a new menu made from the navigation of a page or a sitemap.

#include "cli/commands.h"

namespace menuloom::cli {

// import SOURCE OUT [--nav N] [--list]: reads SOURCE (an HTML page or a sitemap, told apart by
// content) and writes OUT ("-" for standard output) as the data file of a new menu holding the
// items of its default navigation, or of navigation N. With --list it prints the navigations,
// one a line (number, link count, label, and "default" on the default one), and writes nothing.
// Fails with status 1, writing nothing, when SOURCE cannot be read, holds nothing to import or
// is refused.
int cmdImport(std::span<const std::string> args, Streams io);

} // namespace menuloom::cli
