#include "util/paths.h"

#include <algorithm>
#include <cctype>

namespace menuloom::util {

std::string makeRelativeToWorkingFolder(std::string_view path, std::string_view workingFolder) {
    if (workingFolder.empty())
        return std::string(path);
    // Only a whole leading folder counts: "/work/a" must not claim "/work/ab/x.gif".
    std::string folder(workingFolder);
    if (folder.back() != '/' && folder.back() != '\\')
        folder += '/';
    const auto lower = [](unsigned char c) { return std::tolower(c); };
    if (path.size() > folder.size() &&
        std::equal(folder.begin(), folder.end(), path.begin(),
                   [&](char a, char b) { return lower(a) == lower(b); }))
        return std::string(path.substr(folder.size()));
    return std::string(path);
}

} // namespace menuloom::util
