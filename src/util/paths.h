#pragma once
// Path arithmetic the item panel, the grid and the style editors share.

#include <string>
#include <string_view>

namespace menuloom::util {

// `path` without the leading `workingFolder` when it lies inside that folder (a whole leading
// folder, compared without regard to ASCII case); otherwise `path` unchanged.
std::string makeRelativeToWorkingFolder(std::string_view path, std::string_view workingFolder);

} // namespace menuloom::util
