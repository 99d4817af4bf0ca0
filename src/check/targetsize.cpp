// Items drawn too small to hit: judged from the sizes a browser reports, since only drawing
// tells how fonts, paddings and the page's width come together.

#include "check/checks.h"

#include <cmath>
#include <cstdio>

namespace menuloom::check {

namespace {

// "23.5" or "24": CSS pixels as a person reads them.
std::string pixels(double v) {
    char text[32];
    std::snprintf(text, sizeof text, "%.1f", std::floor(v * 10) / 10);
    std::string s = text;
    if (s.size() > 2 && s.compare(s.size() - 2, 2, ".0") == 0)
        s.resize(s.size() - 2);
    return s;
}

const model::ItemNode* itemAt(const model::Project& project, const std::vector<int>& path) {
    const model::ItemNode* node = project.items.root();
    for (int row : path) {
        if (row < 0 || row >= node->childCount())
            return nullptr;
        node = node->child(row);
    }
    return node == project.items.root() ? nullptr : node;
}

} // namespace

std::vector<Finding> checkTargetSizes(const model::Project& project,
                                      const std::vector<DrawnItem>& drawn, int viewportWidth) {
    std::vector<Finding> out;
    for (const DrawnItem& d : drawn) {
        if (d.width >= kMinTargetSize && d.height >= kMinTargetSize)
            continue;
        const model::ItemNode* node = itemAt(project, d.path);
        if (!node || node->props().caption == "-")
            continue;
        Finding f;
        f.rule = Rule::TargetSize;
        f.severity = Severity::Warning;
        f.place = Place::ofItem(d.path);
        f.message = "The item is drawn " + pixels(d.width) + " \xC3\x97 " + pixels(d.height) +
                    " CSS pixels at a page width of " + std::to_string(viewportWidth) +
                    " pixels, smaller than " + pixels(kMinTargetSize) + " \xC3\x97 " +
                    pixels(kMinTargetSize) +
                    ": hard to hit with a finger or an unsteady hand. A larger font, padding or "
                    "item height helps.";
        out.push_back(std::move(f));
    }
    return out;
}

} // namespace menuloom::check
