#pragma once
// The save sequence: the data file, the page that loads it and the engine copy beside them, in
// that order, with the checks that come with them. The save-script dialog asks its questions and
// shows the messages; the command-line export runs the same sequence.

#include "model/project.h"

#include <string>
#include <string_view>
#include <vector>

namespace menuloom::output {

struct SaveRequest {
    std::string dataPath;                  // as typed, not trimmed
    std::string pageName = "zelmenu.html"; // the page's file name, in the data file's folder
    bool createData = true;
    bool createPage = true;
    bool copyEngine = true;
    bool staticLinks = false;  // the menu's links in the page, for visitors without JavaScript
    std::string programFolder; // where the engine is copied from, with its trailing "/"
    std::string currentFolder; // where a data path without a folder lies, with its trailing "/"
};

struct SavePaths {
    std::string data;
    std::string folder; // the data file's folder with its trailing separator
    std::string page;
    std::string engine;
};

// The paths of a save, worked out afresh from the request's two names.
SavePaths savePaths(const SaveRequest& request);

inline constexpr std::string_view kEmptyDataNameMessage = "Please, enter correct data-filename.";
inline constexpr std::string_view kEmptyPageNameMessage = "Please, enter correct HTML-filename.";

// Why a data file of this project may not be written as it stands: the crossframe call needs
// both frame numbers, or the page's script would not run. Empty when nothing stands in the way.
std::string crossframeRefusal(const model::Project& project, const SaveRequest& request);

struct SaveResult {
    bool completed = false;
    bool refused = false;              // stopped before anything was written
    std::vector<std::string> messages; // to show, in this order
};

// Runs the save: refusal check, data file (unless switched off), page name check, page, engine
// copy. A file that cannot be written stops the later steps; what was written before stays.
SaveResult saveScript(const model::Project& project, const SaveRequest& request);

} // namespace menuloom::output
