// The findings' vocabulary: the names of the rules and severities, the places and their text.

#include "check/checks.h"

#include <algorithm>
#include <string>
#include <utility>

namespace menuloom::check {

std::string_view ruleName(Rule rule) {
    switch (rule) {
    case Rule::Contrast:
        return "contrast";
    case Rule::ContrastUnknown:
        return "contrast-unknown";
    case Rule::NameMissing:
        return "name-missing";
    case Rule::NameDuplicate:
        return "name-duplicate";
    case Rule::LinkScript:
        return "link-script";
    case Rule::LinkDead:
        return "link-dead";
    case Rule::PictureMissing:
        return "picture-missing";
    case Rule::TargetSize:
        return "target-size";
    }
    return {};
}

std::string_view severityName(Severity sev) {
    return sev == Severity::Error ? "error" : "warning";
}

Place Place::ofItem(std::vector<int> path) {
    Place p;
    p.kind = Kind::Item;
    p.item = std::move(path);
    return p;
}

Place Place::ofParam(std::string_view name) {
    Place p;
    p.kind = Kind::Param;
    p.param = std::string(name);
    return p;
}

Place Place::ofItemStyle(int k) {
    Place p;
    p.kind = Kind::ItemStyle;
    p.index = k;
    return p;
}

Place Place::ofSmStyle(int k) {
    Place p;
    p.kind = Kind::SmStyle;
    p.index = k;
    return p;
}

std::string Place::text() const {
    switch (kind) {
    case Kind::Item: {
        std::string s = "item:";
        for (std::size_t i = 0; i < item.size(); ++i) {
            if (i)
                s += '/';
            s += std::to_string(item[i]);
        }
        return s;
    }
    case Kind::Param:
        return "param:" + param;
    case Kind::ItemStyle:
        return "itemStyle:" + std::to_string(index);
    case Kind::SmStyle:
        return "smStyle:" + std::to_string(index);
    }
    return {};
}

int errorCount(const std::vector<Finding>& findings) {
    return static_cast<int>(std::count_if(findings.begin(), findings.end(), [](const Finding& f) {
        return f.severity == Severity::Error;
    }));
}

} // namespace menuloom::check
