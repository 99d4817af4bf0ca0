#pragma once
// The HTML page that loads the engine and a data file, and the copy of the engine beside it.

#include "output/textfile.h"

#include <span>
#include <string>
#include <string_view>

namespace menuloom::output {

// The two page templates; "@@@" stands for the data file's bare name.
std::span<const std::string_view> pageTemplate();
std::span<const std::string_view> previewPageTemplate();

// The part of a path after its last separator ("/" or "\").
std::string bareName(std::string_view path);

// The page text for a data file: the first "@@@" of each line replaced, CR LF after every line.
// `beforeData` (whole lines, the static menu) goes right before the line that loads the data file.
std::string renderPage(std::string_view dataPath, bool preview, std::string_view beforeData = {});

// Writes the page atomically to `pagePath`.
WriteResult writePage(const std::string& pagePath, std::string_view dataPath, bool preview,
                      std::string_view beforeData = {});

inline constexpr std::string_view kEngineFileName = "zelmenu.js";

// Copies the engine from `programFolder` (with its trailing "/") to `dest`, replacing what is
// there. A missing engine or a failed copy is not reported: the caller goes on regardless.
void copyEngine(std::string_view programFolder, const std::string& dest);

} // namespace menuloom::output
