#pragma once
// The one project: parameters, item tree, style lists, crossframe settings and folders.

#include "model/crossframe.h"
#include "model/itemtree.h"
#include "model/paramtable.h"
#include "model/styles.h"

#include <string>

namespace menuloom::model {

class Project {
public:
    Project();

    TProps params;
    ItemTree items;
    ItemStyleList itemStyles;
    SmStyleList smStyles;
    CrossframeSettings crossframe;
    // Folder of the data file read last (the program folder at start), with a trailing "/".
    std::string workingFolder;

    // The reset of New and Open: every parameter back to its built-in default, both style lists
    // emptied with their counters at 0, no items, item counter 0, empty clipboard, crossframe off.
    void reset();
    // The same without rebuilding the parameter table (start-up builds it just before).
    void resetContents();

    TPropType& param(std::string_view name);
    const TPropType& param(std::string_view name) const;
};

// Style operations over a project's lists and items.
bool deleteStyleAt(Project& project, int k);
void deleteAllStyles(Project& project);
bool deleteSmStyleAt(Project& project, int k);
void deleteAllSmStyles(Project& project);

// The folder part of `path` with its trailing separator ("" when it has none).
std::string folderOf(std::string_view path);

} // namespace menuloom::model
