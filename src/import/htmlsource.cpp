#include "import/htmlsource.h"

#include "import/parsearena.h"
#include "import/textrules.h"

#include <gumbo.h>

#include <algorithm>
#include <memory>

namespace menuloom::importer {

namespace {

// The most navigations listed for one page; the rest of a page that has more are left out, so
// that nested navigations cannot multiply the work of labelling them.
constexpr std::size_t kMaxCandidates = 100;

// --- Looking at elements

bool isElement(const GumboNode* n) {
    return n->type == GUMBO_NODE_ELEMENT;
}

bool isHtml(const GumboNode* n, GumboTag tag) {
    return isElement(n) && n->v.element.tag == tag &&
           n->v.element.tag_namespace == GUMBO_NAMESPACE_HTML;
}

bool isList(const GumboNode* n) {
    return isHtml(n, GUMBO_TAG_UL) || isHtml(n, GUMBO_TAG_OL) || isHtml(n, GUMBO_TAG_MENU);
}

const char* attribute(const GumboNode* n, const char* name) {
    if (!isElement(n))
        return nullptr;
    const GumboAttribute* a = gumbo_get_attribute(&n->v.element.attributes, name);
    return a ? a->value : nullptr;
}

std::string attributeOr(const GumboNode* n, const char* name) {
    const char* value = attribute(n, name);
    return value ? value : "";
}

bool equalsIgnoringCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return (x | 0x20) == (y | 0x20);
           });
}

// Whether the white-space separated attribute value holds `token` (ASCII case-insensitive).
bool hasToken(const char* value, std::string_view token) {
    if (!value)
        return false;
    std::string_view rest(value);
    while (!rest.empty()) {
        while (!rest.empty() && isHtmlSpace(rest.front()))
            rest.remove_prefix(1);
        std::size_t end = 0;
        while (end < rest.size() && !isHtmlSpace(rest[end]))
            ++end;
        if (end > 0 && equalsIgnoringCase(rest.substr(0, end), token))
            return true;
        rest.remove_prefix(end);
    }
    return false;
}

bool isNavigation(const GumboNode* n) {
    return isHtml(n, GUMBO_TAG_NAV) ||
           (isElement(n) && hasToken(attribute(n, "role"), "navigation"));
}

// Sectioning elements: a header inside one of them is not the page's header.
bool isSectioning(const GumboNode* n) {
    return isHtml(n, GUMBO_TAG_ARTICLE) || isHtml(n, GUMBO_TAG_ASIDE) ||
           isHtml(n, GUMBO_TAG_MAIN) || isHtml(n, GUMBO_TAG_NAV) || isHtml(n, GUMBO_TAG_SECTION);
}

// Subtrees that hold no navigation: scripts, styles, inert templates, pictures drawn in SVG or
// MathML.
bool isInert(const GumboNode* n) {
    if (n->type == GUMBO_NODE_TEMPLATE)
        return true;
    if (!isElement(n))
        return false;
    if (n->v.element.tag_namespace != GUMBO_NAMESPACE_HTML)
        return true;
    switch (n->v.element.tag) {
    case GUMBO_TAG_SCRIPT:
    case GUMBO_TAG_STYLE:
    case GUMBO_TAG_NOSCRIPT:
    case GUMBO_TAG_TEMPLATE:
        return true;
    default:
        return false;
    }
}

// What is hidden until the visitor opens it: left out of labels, though a hidden submenu is
// still a submenu.
bool isHidden(const GumboNode* n) {
    const char* hidden = attribute(n, "aria-hidden");
    return attribute(n, "hidden") || (hidden && equalsIgnoringCase(hidden, "true"));
}

// Subtrees whose text a visitor does not read as a label.
bool isSkippedForText(const GumboNode* n) {
    return isInert(n) || isHidden(n);
}

// Elements that start a line of their own: their text is kept apart from its neighbours.
bool breaksText(const GumboNode* n) {
    switch (n->v.element.tag) {
    case GUMBO_TAG_BR:
    case GUMBO_TAG_DIV:
    case GUMBO_TAG_P:
    case GUMBO_TAG_H1:
    case GUMBO_TAG_H2:
    case GUMBO_TAG_H3:
    case GUMBO_TAG_H4:
    case GUMBO_TAG_H5:
    case GUMBO_TAG_H6:
    case GUMBO_TAG_LI:
    case GUMBO_TAG_DT:
    case GUMBO_TAG_DD:
    case GUMBO_TAG_TD:
    case GUMBO_TAG_TH:
        return true;
    default:
        return false;
    }
}

const GumboVector& childrenOf(const GumboNode* n) {
    return n->type == GUMBO_NODE_DOCUMENT ? n->v.document.children : n->v.element.children;
}

bool hasChildren(const GumboNode* n) {
    return n->type == GUMBO_NODE_DOCUMENT || n->type == GUMBO_NODE_ELEMENT ||
           n->type == GUMBO_NODE_TEMPLATE;
}

const GumboNode* childAt(const GumboNode* n, unsigned i) {
    return static_cast<const GumboNode*>(childrenOf(n).data[i]);
}

// Visits the descendants of `root` in document order without recursion (pages may nest
// thousands of levels). `enter` returns whether to go into the node; `leave`, when given, is
// called for every node entered once its children are done.
template <typename Enter, typename Leave>
void walk(const GumboNode* root, Enter&& enter, Leave&& leave) {
    struct Frame {
        const GumboNode* node;
        unsigned next;
    };
    std::vector<Frame> stack;
    stack.push_back({root, 0});
    while (!stack.empty()) {
        Frame& top = stack.back();
        if (!hasChildren(top.node) || top.next >= childrenOf(top.node).length) {
            if (stack.size() > 1)
                leave(top.node);
            stack.pop_back();
            continue;
        }
        const GumboNode* child = childAt(top.node, top.next++);
        if (!enter(child))
            continue;
        if (hasChildren(child))
            stack.push_back({child, 0});
        else
            leave(child);
    }
}

template <typename Enter> void walk(const GumboNode* root, Enter&& enter) {
    walk(root, std::forward<Enter>(enter), [](const GumboNode*) {});
}

// --- Texts

// The text a visitor reads in `root`: its text with white space collapsed (entities are already
// decoded), else the alt texts of its pictures, else its aria-label, else its title. Lists in it
// are left out: they are submenus.
std::string labelText(const GumboNode* root) {
    std::string text;
    std::string alts;
    walk(
        root,
        [&](const GumboNode* n) {
            switch (n->type) {
            case GUMBO_NODE_TEXT:
            case GUMBO_NODE_WHITESPACE:
            case GUMBO_NODE_CDATA:
                text += n->v.text.text;
                return false;
            case GUMBO_NODE_ELEMENT:
                break;
            default:
                return false;
            }
            if (isSkippedForText(n) || isList(n))
                return false;
            if (isHtml(n, GUMBO_TAG_IMG)) {
                if (const char* alt = attribute(n, "alt")) {
                    alts += ' ';
                    alts += alt;
                }
                return false;
            }
            if (breaksText(n))
                text += ' ';
            return true;
        },
        [&](const GumboNode* n) {
            if (isElement(n) && breaksText(n))
                text += ' ';
        });
    for (const std::string& candidate :
         {text, alts, attributeOr(root, "aria-label"), attributeOr(root, "title")}) {
        std::string t = writableText(candidate);
        if (!t.empty())
            return t;
    }
    return {};
}

std::string attributeText(const GumboNode* n, const char* name) {
    return writableText(attributeOr(n, name));
}

// --- Items of one navigation

// An entry of a list: an `li`, or a list placed straight inside the list (a common slip that
// browsers show as the submenu of the item before it).
using Entries = std::vector<const GumboNode*>;

void appendEntries(const GumboNode* list, Entries& entries) {
    walk(list, [&](const GumboNode* n) {
        if (isHtml(n, GUMBO_TAG_LI) || isList(n)) {
            entries.push_back(n);
            return false;
        }
        return isElement(n) && !isInert(n);
    });
}

// What an `li` shows: its record, and the lists inside it that make its submenu.
struct Label {
    model::TItemProps props;
    Entries sublists;
};

Label labelOf(const GumboNode* li) {
    Label label;
    const GumboNode* anchor = nullptr;
    const GumboNode* titled = attribute(li, "title") ? li : nullptr;
    int hidden = 0; // hidden parts may hold the submenu, not the label
    walk(
        li,
        [&](const GumboNode* n) {
            if (!isElement(n) || isInert(n))
                return false;
            if (isList(n)) {
                label.sublists.push_back(n);
                return false;
            }
            if (isHidden(n))
                ++hidden;
            if (hidden == 0 && !titled && attribute(n, "title"))
                titled = n;
            if (hidden == 0 && !anchor && isHtml(n, GUMBO_TAG_A))
                anchor = n;
            return true;
        },
        [&](const GumboNode* n) {
            if (isHidden(n))
                --hidden;
        });
    model::TItemProps& p = label.props;
    if (anchor) {
        p.caption = labelText(anchor);
        if (const char* href = attribute(anchor, "href"))
            p.link = writableLink(href);
        p.tip = attributeText(anchor, "title");
        p.target = attributeText(anchor, "target");
    } else {
        // A label that is no link: a button, a span or the bare text of the item.
        p.caption = labelText(li);
        if (titled)
            p.tip = attributeText(titled, "title");
    }
    return label;
}

// Builds the items of navigation `nav`. With `topLimit`, stops after that many top-level items
// and leaves submenus out (for labels).
ItemsResult buildItems(const GumboNode* nav, std::size_t topLimit = 0) {
    ItemsResult result;
    const bool labelsOnly = topLimit > 0;

    Entries top;
    if (isList(nav)) {
        appendEntries(nav, top);
    } else {
        Entries lists;
        walk(nav, [&](const GumboNode* n) {
            if (isList(n)) {
                lists.push_back(n);
                return false;
            }
            return isElement(n) && !isInert(n);
        });
        for (const GumboNode* list : lists)
            appendEntries(list, top);
        if (lists.empty()) {
            // A navigation of bare links, such as many breadcrumb trails.
            walk(nav, [&](const GumboNode* n) {
                if (isHtml(n, GUMBO_TAG_A)) {
                    model::TItemProps p;
                    p.caption = labelText(n);
                    if (const char* href = attribute(n, "href"))
                        p.link = writableLink(href);
                    p.tip = attributeText(n, "title");
                    p.target = attributeText(n, "target");
                    if (p.caption.empty())
                        p.caption = writableText(p.link);
                    if (!p.caption.empty() && (!labelsOnly || result.items.size() < topLimit))
                        result.items.push_back({0, std::move(p)});
                    return false;
                }
                return isElement(n) && !isSkippedForText(n);
            });
            return result;
        }
    }

    struct Level {
        Entries entries;
        std::size_t next = 0;
        int level = 0;
        bool afterItem = false; // the entry before was an item (a bare list becomes its submenu)
    };
    std::vector<Level> stack;
    stack.push_back({std::move(top), 0, 0, false});
    std::size_t topCount = 0;
    while (!stack.empty()) {
        if (stack.back().next >= stack.back().entries.size()) {
            stack.pop_back();
            continue;
        }
        Level& cur = stack.back();
        const GumboNode* entry = cur.entries[cur.next++];
        const int level = cur.level;
        Entries sub;
        int subLevel = level;
        if (isList(entry)) {
            if (labelsOnly && cur.afterItem)
                continue;
            subLevel = cur.afterItem ? level + 1 : level;
            appendEntries(entry, sub);
        } else {
            Label label = labelOf(entry);
            // An item with nothing to show is left out; a submenu it has takes its place.
            if (!label.props.caption.empty() || !label.props.link.empty()) {
                if (label.props.caption.empty())
                    label.props.caption = writableText(label.props.link);
                if (level == 0 && labelsOnly && ++topCount > topLimit)
                    break;
                result.items.push_back({level, std::move(label.props)});
                cur.afterItem = true;
                if (labelsOnly)
                    continue;
                subLevel = level + 1;
            }
            for (const GumboNode* list : label.sublists)
                appendEntries(list, sub);
        }
        if (sub.empty())
            continue;
        if (subLevel >= kMaxItemDepth) {
            result.items.clear();
            result.message =
                "the navigation nests deeper than " + std::to_string(kMaxItemDepth) + " levels";
            return result;
        }
        stack.push_back({std::move(sub), 0, subLevel, false});
    }
    return result;
}

// --- The page

struct NavElement {
    const GumboNode* node;
    int linksBefore = 0; // links in the page before it starts
    int linkCount = 0;
    bool inHeader = false;
};

class HtmlSource : public Source {
public:
    HtmlSource(std::unique_ptr<ParseArena> arena, std::string text, std::vector<NavElement> navs)
        : arena_(std::move(arena)), text_(std::move(text)), navs_(std::move(navs)) {
        int best = -1;
        for (std::size_t i = 0; i < navs_.size(); ++i) {
            const NavElement& nav = navs_[i];
            Candidate c;
            c.linkCount = nav.linkCount;
            c.name = nameOf(nav.node);
            const ItemsResult firstItems = buildItems(nav.node, 3);
            for (std::size_t k = 0; k < firstItems.items.size(); ++k)
                c.texts += (k ? ", " : "") + firstItems.items[k].props.caption;
            candidates_.push_back(std::move(c));
            if (best < 0 && nav.inHeader && nav.linkCount > 0)
                best = static_cast<int>(i);
        }
        if (best < 0) {
            best = 0;
            for (std::size_t i = 1; i < navs_.size(); ++i)
                if (navs_[i].linkCount > navs_[static_cast<std::size_t>(best)].linkCount)
                    best = static_cast<int>(i);
        }
        default_ = best;
    }

    SourceKind kind() const override { return SourceKind::Html; }

    ItemsResult items(int index) const override {
        if (index < 0 || static_cast<std::size_t>(index) >= navs_.size()) {
            ItemsResult r;
            r.message = "the page has no navigation " + std::to_string(index + 1) + " (it has " +
                        std::to_string(navs_.size()) + ")";
            return r;
        }
        ItemsResult r = buildItems(navs_[static_cast<std::size_t>(index)].node);
        if (r.ok() && r.items.empty())
            r.message = "navigation " + std::to_string(index + 1) + " holds no items";
        return r;
    }

private:
    static std::string nameOf(const GumboNode* n) {
        std::string name = attributeText(n, "aria-label");
        if (name.empty() && !attributeText(n, "id").empty())
            name = "#" + attributeText(n, "id");
        if (name.empty()) {
            for (char c : collapseSpace(attributeOr(n, "class")))
                name += c == ' ' ? '.' : c;
            if (!name.empty())
                name.insert(0, ".");
        }
        if (name.empty())
            name = n->v.element.tag == GUMBO_TAG_UNKNOWN
                       ? "element"
                       : gumbo_normalized_tagname(n->v.element.tag);
        return writableText(name);
    }

    // The parsed tree lives in the arena; the text it was parsed from is kept beside it.
    std::unique_ptr<ParseArena> arena_;
    std::string text_;
    std::vector<NavElement> navs_;
};

} // namespace

OpenResult openHtml(std::string text, const Limits& limits) {
    OpenResult result;
    auto arena = std::make_unique<ParseArena>(
        limits.memoryBase + limits.memoryPerByte * text.size(), limits.parseTime);
    GumboOutput* output = arena->parse(text);
    if (!output) {
        const auto ms = limits.parseTime.count();
        result.message = arena->stop() == ParseArena::Stop::Time
                             ? "the page takes too long to read (refused after " +
                                   std::to_string(ms / 1000) + "." +
                                   std::to_string(ms % 1000 / 100) + " s)"
                             : "the page needs too much memory to read";
        return result;
    }

    // One pass over the page: the navigations, the outermost lists (used when there is no
    // navigation), and how many links each holds, from the count of links before its start
    // and after its end.
    std::vector<NavElement> navs;
    std::vector<NavElement> lists;
    std::vector<std::pair<std::vector<NavElement>*, std::size_t>> open; // started, not ended
    int links = 0;
    int sectioning = 0;
    int listDepth = 0;
    bool sourceElement = output->document->v.document.has_doctype;
    std::vector<const GumboNode*> pageHeaders;
    walk(
        output->document,
        [&](const GumboNode* n) {
            if (!isElement(n))
                return false;
            sourceElement = sourceElement || !(n->parse_flags & GUMBO_INSERTION_BY_PARSER);
            if (isHtml(n, GUMBO_TAG_A) && attribute(n, "href"))
                ++links;
            const bool header = (isHtml(n, GUMBO_TAG_HEADER) && sectioning == 0) ||
                                hasToken(attribute(n, "role"), "banner");
            if (header)
                pageHeaders.push_back(n);
            const bool inHeader = !pageHeaders.empty();
            if (isNavigation(n) && navs.size() < kMaxCandidates) {
                navs.push_back({n, links, 0, inHeader});
                open.emplace_back(&navs, navs.size() - 1);
            }
            if (isList(n)) {
                if (listDepth == 0 && lists.size() < kMaxCandidates) {
                    lists.push_back({n, links, 0, inHeader});
                    open.emplace_back(&lists, lists.size() - 1);
                }
                ++listDepth;
            }
            if (isSectioning(n))
                ++sectioning;
            return true;
        },
        [&](const GumboNode* n) {
            if (!isElement(n))
                return;
            if (isSectioning(n))
                --sectioning;
            if (isList(n))
                --listDepth;
            if (!pageHeaders.empty() && pageHeaders.back() == n)
                pageHeaders.pop_back();
            while (!open.empty() && (*open.back().first)[open.back().second].node == n) {
                NavElement& e = (*open.back().first)[open.back().second];
                e.linkCount = links - e.linksBefore;
                open.pop_back();
            }
        });

    if (!sourceElement) {
        result.message = "this is neither an HTML page nor a sitemap";
        return result;
    }
    if (navs.empty()) {
        for (const NavElement& list : lists)
            if (list.linkCount >= 2)
                navs.push_back(list);
    }
    if (navs.empty()) {
        result.message = "the page has no navigation: no nav element, no element with "
                         "role=\"navigation\" and no list holding two links";
        return result;
    }
    result.source =
        std::make_unique<HtmlSource>(std::move(arena), std::move(text), std::move(navs));
    return result;
}

} // namespace menuloom::importer
