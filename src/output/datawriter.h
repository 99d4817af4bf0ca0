#pragma once
// The data file: every parameter as a global variable, the style and item arrays, and the call
// that starts the engine.

#include "model/project.h"
#include "output/textfile.h"

#include <string>
#include <string_view>

namespace menuloom::output {

// "#RRGGBB" of a colour held as 0x00BBGGRR; the empty text for -1.
std::string formatColor(int32_t color);

// Whether a path is absolute: a drive letter ("C:..." longer than two characters), a leading
// "/" or "\", or an address holding "://".
bool isAbsolutePath(std::string_view path);

// How image paths are written: in preview mode relative paths get the working folder in front.
struct PathContext {
    bool preview = false;
    std::string_view workingFolder;
};

// The text of one image path: optionally prefixed, every "\" turned into "/", optionally quoted
// (a double quote in it then escaped).
std::string formatPath(std::string_view path, bool quote, const PathContext& ctx = {});

std::string formatParameterValue(const model::TPropType& param, const PathContext& ctx = {});
std::string formatItemStyle(const model::TStyle& style, const PathContext& ctx = {});
std::string formatSubmenuStyle(const model::TSmStyle& style, const PathContext& ctx = {});
std::string formatItem(const model::TItemProps& item, int depth, const PathContext& ctx = {});
// "zel_init();", or the crossframe call when saving with crossframe support on.
std::string closingCall(const model::CrossframeSettings& cross, bool preview);

// The whole text of the data file, CR LF after every line.
std::string renderDataFile(const model::Project& project, bool preview);

// Renders the data file and writes it atomically to `path`.
WriteResult writeDataFile(const model::Project& project, const std::string& path, bool preview,
                          const ChunkWriter& writer = {});

} // namespace menuloom::output
