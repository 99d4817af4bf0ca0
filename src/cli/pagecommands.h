#pragma once
// menuloom-cli page and export: HTML pages and whole output folders from data files.

#include "cli/commands.h"

namespace menuloom::cli {

// page DATA PAGE [--preview]: writes the page (or preview page) that loads DATA.
int cmdPage(std::span<const std::string> args, Streams io);
// export IN DIR [--force] [--links]: reads IN as Open does and writes DIR/zel_data.js,
// DIR/zelmenu.html and DIR/zelmenu.js as a save with the default names would; existing files need
// --force; --links puts the menu's links into the page as static markup.
int cmdExport(std::span<const std::string> args, Streams io);

// The folder of the running executable with its trailing "/" (where zelmenu.js lies).
std::string programFolder();

} // namespace menuloom::cli
