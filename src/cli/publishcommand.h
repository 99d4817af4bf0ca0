#pragma once
// menuloom-cli publish: the menu into the marked pages of a site.

#include "cli/commands.h"

namespace menuloom::cli {

// publish IN SITE [--dry-run]: reads IN, writes SITE/zel_data.js and SITE/zelmenu.js (not in a
// dry run) and brings the block between the markers of every page under SITE up to date,
// printing one line per page. 0 when nothing was refused or failed, 1 otherwise, 2 usage.
int cmdPublish(std::span<const std::string> args, Streams io);

} // namespace menuloom::cli
