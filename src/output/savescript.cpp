#include "output/savescript.h"

#include "output/datawriter.h"
#include "output/navwriter.h"
#include "output/pagewriter.h"

#include <algorithm>

namespace menuloom::output {

namespace {

bool isBlank(std::string_view text) {
    return std::all_of(text.begin(), text.end(),
                       [](char c) { return c == ' ' || (c >= '\t' && c <= '\r'); });
}

bool isFrameNumber(std::string_view text) {
    return !text.empty() && std::all_of(text.begin(), text.end(), model::isFrameNumberChar);
}

} // namespace

SavePaths savePaths(const SaveRequest& request) {
    SavePaths p;
    p.data = request.dataPath;
    const auto sep = p.data.find_last_of("/\\");
    p.folder = sep == std::string::npos ? request.currentFolder : p.data.substr(0, sep + 1);
    p.page = p.folder + request.pageName;
    p.engine = p.folder + std::string(kEngineFileName);
    return p;
}

std::string crossframeRefusal(const model::Project& project, const SaveRequest& request) {
    const model::CrossframeSettings& cross = project.crossframe;
    if (!request.createData || !cross.enabled)
        return {};
    if (isFrameNumber(cross.topFrame) && isFrameNumber(cross.subFrame))
        return {};
    return "Crossframe support is on, but the frame numbers are not both set: the menu would not "
           "start in the browser.\r\nEnter the number of the top menu frame and of the submenus' "
           "frame in \"Crossframe options...\", or untick \"Crossframe support\".";
}

SaveResult saveScript(const model::Project& project, const SaveRequest& request) {
    SaveResult result;
    if (std::string refusal = crossframeRefusal(project, request); !refusal.empty()) {
        result.refused = true;
        result.messages.push_back(std::move(refusal));
        return result;
    }
    const SavePaths paths = savePaths(request);

    bool failed = false;
    if (request.createData) {
        if (isBlank(request.dataPath)) {
            result.refused = true;
            result.messages.emplace_back(kEmptyDataNameMessage);
            return result;
        }
        if (const WriteResult w = writeDataFile(project, paths.data, false); !w.ok()) {
            result.messages.push_back(w.message);
            failed = true;
        }
    }
    if (request.createPage && isBlank(request.pageName)) {
        result.messages.emplace_back(kEmptyPageNameMessage);
        return result;
    }
    if (request.createPage && !failed) {
        std::string links;
        if (request.staticLinks) {
            NavOptions nav;
            nav.currentPage = request.pageName;
            links = renderStaticNav(navMenuOf(project), nav);
        }
        if (const WriteResult w = writePage(paths.page, paths.data, false, links); !w.ok()) {
            result.messages.push_back(w.message);
            failed = true;
        }
    }
    if (request.copyEngine && !failed)
        copyEngine(request.programFolder, paths.engine);
    result.completed = !failed;
    return result;
}

} // namespace menuloom::output
