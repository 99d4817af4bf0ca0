#include "import/sitemapsource.h"

#include "util/textcodes.h"

#include "import/textrules.h"

#include <libxml/parser.h>
#include <libxml/parserInternals.h>
#include <libxml/tree.h>
#include <libxml/xmlerror.h>

#include <cstdint>
#include <mutex>
#include <unordered_map>

namespace menuloom::importer {

namespace {

// The parser compares each attribute with every earlier one of its element, so an element with a
// great many takes quadratic time. In XML every attribute has its "=" and no attribute value holds
// a "<", so the "=" between two "<" bound the attributes of an element from above.
constexpr std::size_t kMaxAttributes = 1024;

bool tooManyAttributes(std::string_view bytes) {
    std::size_t equals = 0;
    for (char c : bytes) {
        if (c == '<')
            equals = 0;
        else if (c == '=' && ++equals > kMaxAttributes)
            return true;
    }
    return false;
}

struct ParseState {
    bool entityDeclared = false;
    bool failed = false;
    std::string error; // the first error: the later ones often only follow from it
    int line = 0;
};

// Any entity declaration stops the parse: entities are the way to expansion bombs and to reading
// other files or addresses.
void refuseEntity(void* ctx, const xmlChar*, int, const xmlChar*, const xmlChar*, xmlChar*) {
    auto* ctxt = static_cast<xmlParserCtxtPtr>(ctx);
    static_cast<ParseState*>(ctxt->_private)->entityDeclared = true;
    xmlStopParser(ctxt);
}

void refuseUnparsedEntity(void* ctx, const xmlChar*, const xmlChar*, const xmlChar*,
                          const xmlChar*) {
    auto* ctxt = static_cast<xmlParserCtxtPtr>(ctx);
    static_cast<ParseState*>(ctxt->_private)->entityDeclared = true;
    xmlStopParser(ctxt);
}

// Errors are kept and reported as values; nothing is printed.
void keepError(void* ctx, xmlErrorPtr error) {
    auto* state = static_cast<ParseState*>(static_cast<xmlParserCtxtPtr>(ctx)->_private);
    if (state->failed || !error || error->level < XML_ERR_ERROR)
        return;
    state->failed = true;
    state->error = error->message ? collapseSpace(error->message) : "unknown error";
    state->line = error->line;
}

struct DocDeleter {
    void operator()(xmlDoc* doc) const { xmlFreeDoc(doc); }
};
struct ContextDeleter {
    void operator()(xmlParserCtxt* ctxt) const { xmlFreeParserCtxt(ctxt); }
};
using DocPtr = std::unique_ptr<xmlDoc, DocDeleter>;

std::string_view localName(const xmlNode* n) {
    return reinterpret_cast<const char*>(n->name);
}

bool isElement(const xmlNode* n, std::string_view name) {
    return n->type == XML_ELEMENT_NODE && localName(n) == name;
}

std::string contentOf(const xmlNode* n) {
    xmlChar* text = xmlNodeGetContent(n);
    std::string s = text ? reinterpret_cast<const char*>(text) : "";
    xmlFree(text);
    std::size_t b = 0, e = s.size();
    while (b < e && isHtmlSpace(s[b]))
        ++b;
    while (e > b && isHtmlSpace(s[e - 1]))
        --e;
    return s.substr(b, e - b);
}

// The "loc" of every child `entry` ("url" or "sitemap") of the root, in order.
std::vector<std::string> locations(const xmlNode* root, std::string_view entry) {
    std::vector<std::string> locs;
    for (const xmlNode* e = root->children; e; e = e->next) {
        if (!isElement(e, entry))
            continue;
        for (const xmlNode* loc = e->children; loc; loc = loc->next)
            if (isElement(loc, "loc")) {
                std::string text = contentOf(loc);
                if (!text.empty())
                    locs.push_back(std::move(text));
                break;
            }
    }
    return locs;
}

// An address taken apart: the site ("https://example.com"), the path's segments and the query.
struct Address {
    std::string_view site;
    std::vector<std::string_view> segments;
    std::string_view query;
};

Address splitAddress(std::string_view url) {
    Address a;
    std::string_view rest = url;
    const std::size_t scheme = url.find("://");
    if (scheme != std::string_view::npos && scheme > 0 &&
        url.substr(0, scheme).find_first_of("/?#") == std::string_view::npos) {
        const std::size_t end = url.find_first_of("/?#", scheme + 3);
        a.site = url.substr(0, end);
        rest = end == std::string_view::npos ? std::string_view() : url.substr(end);
    }
    rest = rest.substr(0, rest.find('#'));
    const std::size_t q = rest.find('?');
    if (q != std::string_view::npos) {
        a.query = rest.substr(q);
        rest = rest.substr(0, q);
    }
    while (!rest.empty()) {
        const std::size_t slash = rest.find('/');
        const std::string_view seg = rest.substr(0, slash);
        if (!seg.empty())
            a.segments.push_back(seg);
        rest = slash == std::string_view::npos ? std::string_view() : rest.substr(slash + 1);
    }
    return a;
}

class SitemapSource : public Source {
public:
    explicit SitemapSource(std::vector<ImportedItem> items, int listed) : items_(std::move(items)) {
        Candidate c;
        c.name = "sitemap";
        c.linkCount = listed;
        int shown = 0;
        for (const ImportedItem& item : items_)
            if (item.level == 0 && shown < 3)
                c.texts += (shown++ ? ", " : "") + item.props.caption;
        candidates_.push_back(std::move(c));
    }

    SourceKind kind() const override { return SourceKind::Sitemap; }

    ItemsResult items(int index) const override {
        ItemsResult r;
        if (index != 0)
            r.message = "a sitemap has one navigation only; there is no navigation " +
                        std::to_string(index + 1);
        else
            r.items = items_;
        return r;
    }

private:
    std::vector<ImportedItem> items_;
};

// The tree of the addresses by their paths, in the order they first appear.
OpenResult buildTree(const std::vector<std::string>& locs) {
    struct Node {
        model::TItemProps props;
        std::vector<std::size_t> children;
        bool listed = false;
    };
    std::vector<Node> nodes;
    std::vector<std::size_t> top;
    std::unordered_map<std::string, std::size_t> byKey;
    int listed = 0;
    OpenResult result;
    for (const std::string& loc : locs) {
        const Address a = splitAddress(loc);
        if (a.segments.size() > static_cast<std::size_t>(kMaxItemDepth)) {
            result.message = "the address " + loc + " nests deeper than " +
                             std::to_string(kMaxItemDepth) + " levels";
            return result;
        }
        // A key per path prefix; the site's root address is "Home".
        std::string key(a.site);
        key += '\n';
        std::size_t parent = SIZE_MAX;
        const std::size_t steps = std::max<std::size_t>(a.segments.size(), 1);
        for (std::size_t i = 0; i < steps; ++i) {
            const bool last = i + 1 == steps;
            if (!a.segments.empty()) {
                key += '/';
                key += a.segments[i];
            }
            std::string nodeKey = key;
            if (last)
                nodeKey += a.query;
            auto [it, added] = byKey.try_emplace(std::move(nodeKey), nodes.size());
            if (added) {
                Node node;
                node.props.caption =
                    a.segments.empty() ? std::string("Home") : textOfSegment(a.segments[i]);
                if (node.props.caption.empty())
                    node.props.caption = writableText(util::percentDecoded(a.segments[i]));
                if (node.props.caption.empty())
                    node.props.caption = writableText(loc);
                nodes.push_back(std::move(node));
                (parent == SIZE_MAX ? top : nodes[parent].children).push_back(it->second);
            }
            parent = it->second;
        }
        Node& node = nodes[parent];
        if (!node.listed) {
            node.listed = true;
            node.props.link = writableLink(loc);
            ++listed;
        }
    }
    if (nodes.empty()) {
        result.message = "the sitemap lists no addresses";
        return result;
    }

    std::vector<ImportedItem> items;
    items.reserve(nodes.size());
    struct Frame {
        const std::vector<std::size_t>* children;
        std::size_t next;
    };
    std::vector<Frame> stack{{&top, 0}};
    while (!stack.empty()) {
        Frame& f = stack.back();
        if (f.next >= f.children->size()) {
            stack.pop_back();
            continue;
        }
        Node& node = nodes[(*f.children)[f.next++]];
        items.push_back({static_cast<int>(stack.size()) - 1, std::move(node.props)});
        if (!node.children.empty())
            stack.push_back({&node.children, 0});
    }
    result.source = std::make_unique<SitemapSource>(std::move(items), listed);
    return result;
}

} // namespace

OpenResult openSitemap(std::string_view bytes) {
    OpenResult result;
    if (tooManyAttributes(bytes)) {
        result.message = "the sitemap has an element with more than " +
                         std::to_string(kMaxAttributes) + " attributes";
        return result;
    }
    static std::once_flag initialised;
    std::call_once(initialised, [] { xmlInitParser(); });

    std::unique_ptr<xmlParserCtxt, ContextDeleter> ctxt(
        xmlCreateMemoryParserCtxt(bytes.data(), static_cast<int>(bytes.size())));
    if (!ctxt) {
        result.message = "the sitemap cannot be read";
        return result;
    }
    ParseState state;
    ctxt->_private = &state;
    ctxt->sax->entityDecl = refuseEntity;
    ctxt->sax->unparsedEntityDecl = refuseUnparsedEntity;
    ctxt->sax->serror = keepError;
    // No network, no external DTD, no entity substitution, no lifted limits.
    xmlCtxtUseOptions(ctxt.get(), XML_PARSE_NONET | XML_PARSE_NOERROR | XML_PARSE_NOWARNING);
    xmlParseDocument(ctxt.get());
    DocPtr doc(ctxt->myDoc);
    ctxt->myDoc = nullptr;

    if (state.entityDeclared) {
        result.message = "the sitemap declares XML entities, which are refused (they can expand "
                         "without bound or read other files)";
        return result;
    }
    if (!ctxt->wellFormed || !doc) {
        if (state.error.find("Excessive depth") != std::string::npos)
            result.message = "the sitemap nests elements too deep";
        else
            result.message = "the sitemap is not well-formed XML (line " +
                             std::to_string(state.line) + ": " +
                             (state.failed ? state.error : "unknown error") + ")";
        return result;
    }

    const xmlNode* root = xmlDocGetRootElement(doc.get());
    if (root && isElement(root, "sitemapindex")) {
        const std::vector<std::string> maps = locations(root, "sitemap");
        result.message = "this is a sitemap index: import one of the sitemaps it lists";
        if (!maps.empty())
            result.message += " (the first is " + maps.front() + ")";
        return result;
    }
    if (!root || !isElement(root, "urlset")) {
        result.message = "this is neither an HTML page nor a sitemap";
        return result;
    }
    return buildTree(locations(root, "url"));
}

} // namespace menuloom::importer
