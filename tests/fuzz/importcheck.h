#pragma once
// Shared by the import fuzz targets: every navigation a source offers is imported, written as a
// data file and read back; the items read must be the items imported.
#include "import/navimport.h"
#include "model/project.h"
#include "output/datawriter.h"
#include "reader/datareader.h"

#include <cstddef>
#include <string>
#include <vector>

namespace menuloom::fuzz {

// Whether the reader's scanning rules, which look for their marks anywhere in a line, would take
// an item line holding `text` for something else: a parameter ("var" and a name, blanks
// ignored), the crossframe call or the style-name comments. Such texts do not come back from any
// data file, whoever wrote it; the check leaves them aside.
inline bool readerTakesLine(const std::string& text) {
    for (const char* mark : {"var", "zel_init", "//ItemStyles", "//SmStyles", "//End of"})
        if (text.find(mark) != std::string::npos)
            return true;
    return false;
}

inline void checkImport(const importer::OpenResult& opened) {
    if (!opened.ok())
        return;
    const importer::Source& source = *opened.source;
    const int count = static_cast<int>(source.candidates().size());
    if (count == 0 || source.defaultCandidate() < 0 || source.defaultCandidate() >= count)
        __builtin_trap();
    for (int i = 0; i < count && i < 4; ++i) { // a few suffice, and keep the runs quick
        const importer::ItemsResult r = source.items(i);
        if (!r.ok())
            continue;
        model::Project project;
        importer::appendItems(project.items, r.items);
        model::Project again;
        const std::string text = output::renderDataFile(project, false);
        if (!reader::readDataText(again, text).ok())
            __builtin_trap();
        const std::size_t first = text.find('\n', text.find("var menuItems = ["));
        if (readerTakesLine(text.substr(first, text.find("\n];", first) - first)))
            continue;
        std::size_t k = 0;
        bool same = again.items.count() == static_cast<int>(r.items.size());
        again.items.forEach([&](const model::ItemNode& node, int level) {
            same = same && k < r.items.size() && r.items[k].level == level &&
                   r.items[k].props == node.props();
            ++k;
        });
        if (!same)
            __builtin_trap();
    }
}

} // namespace menuloom::fuzz
