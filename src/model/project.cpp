#include "model/project.h"

#include <stdexcept>

namespace menuloom::model {

Project::Project() {
    reset();
}

void Project::reset() {
    buildParamTable(params);
    resetContents();
}

void Project::resetContents() {
    deleteAllStyles(*this);
    deleteAllSmStyles(*this);
    items.deleteAll();
    items.setItemCounter(0);
    items.clearClipboard();
    itemStyles.resetCounter();
    smStyles.resetCounter();
    ResetCrossframeParams(crossframe);
}

TPropType& Project::param(std::string_view name) {
    const int row = findParam(params, name);
    if (row < 0)
        throw std::out_of_range("no parameter " + std::string(name));
    return params[static_cast<std::size_t>(row)];
}

const TPropType& Project::param(std::string_view name) const {
    return const_cast<Project*>(this)->param(name);
}

bool deleteStyleAt(Project& p, int k) {
    return deleteStyleAt(p.itemStyles, p.items, k);
}
void deleteAllStyles(Project& p) {
    deleteAllStyles(p.itemStyles, p.items);
}
bool deleteSmStyleAt(Project& p, int k) {
    return deleteSmStyleAt(p.smStyles, p.items, k);
}
void deleteAllSmStyles(Project& p) {
    deleteAllSmStyles(p.smStyles, p.items);
}

std::string folderOf(std::string_view path) {
    const auto sep = path.find_last_of("/\\");
    if (sep == std::string_view::npos)
        return {};
    return std::string(path.substr(0, sep + 1));
}

} // namespace menuloom::model
