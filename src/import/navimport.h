#pragma once
// Importing a site's navigation: the menus an HTML page offers, or the tree of a sitemap's
// addresses, as items for a new or existing menu. Errors are values with a message for the user.

#include "model/itemtree.h"

#include <chrono>
#include <cstddef>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace menuloom::importer {

// The deepest item nesting an import makes; deeper navigation is refused.
inline constexpr int kMaxItemDepth = 64;
// The largest source read from a file or accepted from the network.
inline constexpr std::size_t kMaxSourceBytes = std::size_t{64} << 20;

// One imported item, in tree order (a node, then its children) with its level (0 = top level).
// Imported items use no item or submenu style.
struct ImportedItem {
    int level = 0;
    model::TItemProps props;
};

struct ItemsResult {
    std::vector<ImportedItem> items;
    std::string message; // why there are no items; empty on success
    bool ok() const { return message.empty(); }
};

// A navigation the source offers.
struct Candidate {
    std::string name;  // aria-label, "#id", ".class" or the element's name ("sitemap")
    std::string texts; // the first three top-level item texts, ", " between them
    int linkCount = 0;
    // "name: texts" on one line, for lists
    std::string label() const;
};

enum class SourceKind { Html, Sitemap };

// A parsed source. Items are built on request, so that a page with many navigations costs only
// the one that is imported.
class Source {
public:
    virtual ~Source() = default;
    virtual SourceKind kind() const = 0;
    const std::vector<Candidate>& candidates() const { return candidates_; }
    // The index of the navigation imported when none is asked for.
    int defaultCandidate() const { return default_; }
    // The items of candidate `index` (counting from 0); fails with a message when there is no
    // such candidate, it holds no items or nests too deep.
    virtual ItemsResult items(int index) const = 0;

protected:
    std::vector<Candidate> candidates_;
    int default_ = 0;
};

// Limits that keep hostile pages from taking the machine: the parse of an HTML page is refused
// once it has used more processor time than `parseTime` or more memory than `memoryBase` plus
// `memoryPerByte` times the page's size. (The parser needs time that grows with the square of
// the nesting depth and of the attributes of one element, and formatting elements left open can
// make it build many times more elements than the page has.)
struct Limits {
    std::chrono::milliseconds parseTime{5000};
    std::size_t memoryBase = std::size_t{64} << 20;
    std::size_t memoryPerByte = 24;
};

struct OpenResult {
    std::unique_ptr<Source> source;
    std::string message; // why there is no source
    bool ok() const { return source != nullptr; }
};

// Tells an HTML page from a sitemap by content and parses it. Refused with a message: an empty or
// binary file, one that is neither, a page without navigation, XML that is not well-formed or
// declares entities, a sitemap index, and anything over the limits.
OpenResult openSource(std::string_view bytes, const Limits& limits = {});

// Reads a file (at most kMaxSourceBytes) into `bytes`; returns the reason when it cannot.
std::string readSourceFile(const std::string& path, std::string& bytes);

// Appends the items after the last top-level item of `tree`; returns the new top-level nodes.
std::vector<model::ItemNode*> appendItems(model::ItemTree& tree,
                                          const std::vector<ImportedItem>& items);

} // namespace menuloom::importer
