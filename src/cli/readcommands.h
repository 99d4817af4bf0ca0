#pragma once
// menuloom-cli convert and check: data files read exactly as the designer's Open reads them.

#include "cli/commands.h"

namespace menuloom::cli {

// convert IN OUT [--preview]: reads IN into a new project and writes it again with the writer
// (the preview variant with --preview, IN's folder being the working folder). OUT "-" is
// standard output. On a read failure nothing is written.
int cmdConvert(std::span<const std::string> args, Streams io);

// check IN: reads IN and prints a summary, one "key: value" line each, with indented detail
// lines: the item count, the depth (number of levels, 0 without items), the item and submenu
// styles with their names, the parameters whose written value differs from a new project's,
// and the crossframe settings.
int cmdCheck(std::span<const std::string> args, Streams io);

} // namespace menuloom::cli
