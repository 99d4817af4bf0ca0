#pragma once
// Shared by the import tests: the test pages and a compact view of imported items.

#include "import/navimport.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>

namespace menuloom::testing {

inline std::string importData(const std::string& name) {
    std::ifstream in(std::string(MENULOOM_TEST_DATA) + "/import/" + name, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

// One line per item: "|" per level, then caption, link, tip and target between "^".
inline std::string outline(const std::vector<importer::ImportedItem>& items) {
    std::string s;
    for (const auto& item : items) {
        s += std::string(static_cast<std::size_t>(item.level), '|') + item.props.caption + "^" +
             item.props.link + "^" + item.props.tip + "^" + item.props.target + "\n";
    }
    return s;
}

// The items of the default navigation, or the message that refused them.
inline std::string importDefault(std::string_view bytes, const importer::Limits& limits = {}) {
    const importer::OpenResult opened = importer::openSource(bytes, limits);
    if (!opened.ok())
        return "refused: " + opened.message;
    const importer::ItemsResult r = opened.source->items(opened.source->defaultCandidate());
    return r.ok() ? outline(r.items) : "refused: " + r.message;
}

} // namespace menuloom::testing
