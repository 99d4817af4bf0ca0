#include "import/navimport.h"

#include "import/htmlsource.h"
#include "import/sitemapsource.h"
#include "import/textrules.h"
#include "reader/encoding.h"
#include "util/systemmessage.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace menuloom::importer {

namespace {

bool startsWith(std::string_view s, std::string_view prefix) {
    return s.substr(0, prefix.size()) == prefix;
}

bool isNameChar(char c) {
    return c != '>' && c != '/' && c != '[' && !isHtmlSpace(c);
}

// What the text starts with: whether it opens with an XML declaration, and the name of its first
// element, found past processing instructions and comments, or the name its document type
// declaration gives the root. A look at the start only, to pick the parser; the parsers decide
// everything else.
struct Start {
    bool xmlDeclaration = false;
    std::string_view root;
};

Start sniff(std::string_view s) {
    Start start;
    if (startsWith(s, "\xEF\xBB\xBF"))
        s.remove_prefix(3);
    start.xmlDeclaration = startsWith(s, "<?xml");
    while (true) {
        while (!s.empty() && isHtmlSpace(s.front()))
            s.remove_prefix(1);
        std::string_view end;
        if (startsWith(s, "<?"))
            end = "?>";
        else if (startsWith(s, "<!--"))
            end = "-->";
        if (!end.empty()) {
            const std::size_t at = s.find(end);
            if (at == std::string_view::npos)
                return start;
            s.remove_prefix(at + end.size());
            continue;
        }
        if (s.size() > 9 && s[0] == '<' && s[1] == '!' &&
            strncasecmp(s.data() + 2, "doctype", 7) == 0) {
            s.remove_prefix(9);
            while (!s.empty() && isHtmlSpace(s.front()))
                s.remove_prefix(1);
        } else if (s.size() > 1 && s[0] == '<') {
            s.remove_prefix(1);
        } else {
            return start;
        }
        std::size_t n = 0;
        while (n < s.size() && isNameChar(s[n]))
            ++n;
        start.root = s.substr(0, n);
        const std::size_t colon = start.root.rfind(':');
        if (colon != std::string_view::npos)
            start.root.remove_prefix(colon + 1);
        return start;
    }
}

} // namespace

std::string Candidate::label() const {
    return texts.empty() ? name : name + ": " + texts;
}

OpenResult openSource(std::string_view bytes, const Limits& limits) {
    OpenResult result;
    std::size_t firstText = 0;
    while (firstText < bytes.size() && isHtmlSpace(bytes[firstText]))
        ++firstText;
    if (firstText == bytes.size()) {
        result.message = "the file is empty";
        return result;
    }
    if (startsWith(bytes, "\xFF\xFE") || startsWith(bytes, "\xFE\xFF")) {
        result.message = "the file is in UTF-16, which is not read: save it as UTF-8";
        return result;
    }
    if (std::memchr(bytes.data(), '\0', bytes.size())) {
        result.message = "this is a binary file, not an HTML page or a sitemap";
        return result;
    }
    if (bytes.size() > kMaxSourceBytes) {
        result.message = "the file is larger than " + std::to_string(kMaxSourceBytes >> 20) + " MB";
        return result;
    }
    const Start start = sniff(bytes);
    if (start.root == "urlset" || start.root == "sitemapindex")
        return openSitemap(bytes);
    const bool html = start.root.size() == 4 && strncasecmp(start.root.data(), "html", 4) == 0;
    if (start.xmlDeclaration && !html) {
        result.message = "this is neither an HTML page nor a sitemap";
        if (!start.root.empty())
            result.message += " (an XML file of <" + writableText(start.root) + ">)";
        return result;
    }
    return openHtml(reader::decodeDataFileText(std::string(bytes)), limits);
}

std::string readSourceFile(const std::string& path, std::string& bytes) {
    bytes.clear();
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return util::systemMessage(errno);
    int error = 0;
    bool tooLarge = false;
    struct stat info {};
    if (::fstat(fd, &info) != 0) {
        error = errno;
    } else if (S_ISDIR(info.st_mode)) {
        error = EISDIR;
    } else {
        char buffer[1 << 16];
        while (true) {
            const ssize_t n = ::read(fd, buffer, sizeof buffer);
            if (n > 0) {
                bytes.append(buffer, static_cast<std::size_t>(n));
                if (bytes.size() > kMaxSourceBytes) {
                    tooLarge = true;
                    break;
                }
            } else if (n == 0) {
                break;
            } else if (errno != EINTR) {
                error = errno;
                break;
            }
        }
    }
    ::close(fd);
    if (tooLarge) {
        bytes.clear();
        return "the file is larger than " + std::to_string(kMaxSourceBytes >> 20) + " MB";
    }
    return error ? util::systemMessage(error) : std::string();
}

std::vector<model::ItemNode*> appendItems(model::ItemTree& tree,
                                          const std::vector<ImportedItem>& items) {
    std::vector<model::ItemNode*> added;
    std::vector<model::ItemNode*> path; // the last node made at each level
    for (const ImportedItem& item : items) {
        const std::size_t level =
            path.empty() ? 0 : std::min(static_cast<std::size_t>(item.level), path.size());
        model::ItemNode* node =
            level == 0 ? tree.addItem(nullptr, false) : tree.addItem(path[level - 1], true);
        tree.setProps(node, item.props);
        path.resize(level);
        path.push_back(node);
        if (level == 0)
            added.push_back(node);
    }
    return added;
}

} // namespace menuloom::importer
