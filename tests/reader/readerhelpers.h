#pragma once
// Small helpers for reader tests: data file texts line by line, read into a fresh project.

#include "model/project.h"
#include "output/datawriter.h"
#include "reader/datareader.h"

#include <initializer_list>
#include <memory>
#include <string>
#include <string_view>

namespace menuloom::readertest {

// The lines joined with CR LF after each, as the writer would end them.
inline std::string crlf(std::initializer_list<std::string_view> lines) {
    std::string text;
    for (std::string_view line : lines) {
        text += line;
        text += "\r\n";
    }
    return text;
}

// A new project with `text` read into it, as the Open command does.
struct ReadProject {
    std::unique_ptr<model::Project> project = std::make_unique<model::Project>();
    reader::ReadResult result;
    model::Project& operator*() const { return *project; }
    model::Project* operator->() const { return project.get(); }
};

inline ReadProject readText(std::string_view text) {
    ReadProject r;
    r.result = reader::readDataText(*r.project, text);
    return r;
}

inline ReadProject readLines(std::initializer_list<std::string_view> lines) {
    return readText(crlf(lines));
}

// The item at `path` of row numbers from the top level down.
inline const model::ItemNode* itemAt(const model::Project& p, std::initializer_list<int> path) {
    const model::ItemNode* node = p.items.root();
    for (int row : path) {
        if (row >= node->childCount())
            return nullptr;
        node = node->child(row);
    }
    return node;
}

} // namespace menuloom::readertest
