#pragma once
// Checks of a menu for what hurts its visitors: unreadable colours, items without a name,
// script links and links to nowhere, pictures that are not there. Plain values, no output.

#include "model/project.h"

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace menuloom::check {

enum class Severity { Error, Warning };

enum class Rule {
    Contrast,        // text and background below the minimum contrast
    ContrastUnknown, // a picture behind the text
    NameMissing,     // nothing a screen reader can read
    NameDuplicate,   // two siblings with the same text
    LinkScript,      // a javascript: link
    LinkDead,        // no link and no submenu
    PictureMissing,  // a picture path that names no file
    TargetSize,      // an item drawn too small to hit easily (told by a browser that drew it)
};

std::string_view ruleName(Rule rule);        // "contrast", "name-missing", ...
std::string_view severityName(Severity sev); // "error", "warning"

// Where a finding lies.
struct Place {
    enum class Kind { Item, Param, ItemStyle, SmStyle };
    Kind kind = Kind::Item;
    std::vector<int> item; // Item: child indexes from the top level, from 0
    std::string param;     // Param: the parameter's name
    int index = -1;        // ItemStyle, SmStyle: the style's position

    static Place ofItem(std::vector<int> path);
    static Place ofParam(std::string_view name);
    static Place ofItemStyle(int k);
    static Place ofSmStyle(int k);

    // "item:0/2", "param:fontColor", "itemStyle:1", "smStyle:0".
    std::string text() const;
    bool operator==(const Place&) const = default;
};

struct Finding {
    Rule rule = Rule::Contrast;
    Severity severity = Severity::Error;
    Place place;
    std::string message;
    double ratio = 0;    // contrast: the ratio found
    double required = 0; // contrast: the minimum
};

struct Options {
    // The folder relative picture paths are resolved against (the working folder, with its
    // trailing separator; empty: the current folder).
    std::string baseFolder;
    // Whether a file lies at a path; the file system when not given.
    std::function<bool(const std::string& path)> fileExists;
};

// Every finding of the menu: parameters, item styles and submenu styles first, then the items
// in tree order.
std::vector<Finding> checkProject(const model::Project& project, const Options& options = {});

int errorCount(const std::vector<Finding>& findings);

// An item as a browser drew it: its path (as Place::item) and its size in CSS pixels.
struct DrawnItem {
    std::vector<int> path;
    double width = 0, height = 0;
};

// The smallest target a pointer or a finger hits easily, in CSS pixels each way.
inline constexpr double kMinTargetSize = 24;

// A warning for each drawn item smaller than kMinTargetSize either way, in the order given.
// Items the project no longer has at that path, and separators, are left out; `viewportWidth`
// is the width the browser drew at, told in the message.
std::vector<Finding> checkTargetSizes(const model::Project& project,
                                      const std::vector<DrawnItem>& drawn, int viewportWidth);

// The file a picture path names when the preview draws it, or the empty text for an address
// with a scheme, which is not checked: backslashes become "/", a relative path is put after
// `baseFolder`, a query or fragment is dropped and %XX escapes are decoded.
std::string picturePath(std::string_view path, std::string_view baseFolder);

} // namespace menuloom::check
