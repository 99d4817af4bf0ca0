#include "output/publish.h"

#include "output/datawriter.h"
#include "output/pagewriter.h"
#include "output/textfile.h"
#include "util/systemmessage.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <filesystem>
#include <map>
#include <sys/stat.h>
#include <unistd.h>

namespace menuloom::output {

namespace fs = std::filesystem;

namespace {

char lower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool equalsNoCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(),
                                              [](char x, char y) { return lower(x) == lower(y); });
}

bool endsWithNoCase(std::string_view s, std::string_view suffix) {
    return s.size() >= suffix.size() && equalsNoCase(s.substr(s.size() - suffix.size()), suffix);
}

std::size_t findNoCase(std::string_view s, std::string_view what, std::size_t from = 0) {
    for (std::size_t i = from; i + what.size() <= s.size(); ++i)
        if (equalsNoCase(s.substr(i, what.size()), what))
            return i;
    return std::string_view::npos;
}

bool isSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f';
}

bool isPageName(std::string_view name) {
    return endsWithNoCase(name, ".html") || endsWithNoCase(name, ".htm");
}

// A marker comment at `at` ("<!--", blanks, `name`, blanks, "-->"): its length, or 0.
std::size_t markerAt(std::string_view bytes, std::size_t at, std::string_view name) {
    std::size_t i = at + 4;
    while (i < bytes.size() && isSpace(bytes[i]))
        ++i;
    if (bytes.substr(i, name.size()) != name)
        return 0;
    i += name.size();
    while (i < bytes.size() && isSpace(bytes[i]))
        ++i;
    if (bytes.substr(i, 3) != "-->")
        return 0;
    return i + 3 - at;
}

struct Markers {
    std::vector<std::size_t> begins, ends; // where each comment starts
    std::size_t beginLength = 0;
};

Markers findMarkers(std::string_view bytes) {
    Markers m;
    for (std::size_t at = bytes.find("<!--"); at != std::string_view::npos;
         at = bytes.find("<!--", at + 4)) {
        if (const std::size_t n = markerAt(bytes, at, "menuloom")) {
            m.begins.push_back(at);
            m.beginLength = n;
        } else if (markerAt(bytes, at, "/menuloom")) {
            m.ends.push_back(at);
        }
    }
    return m;
}

// The line end the page uses: the first after `after`, else the last before `before`.
std::string_view lineEnd(std::string_view bytes, std::size_t before, std::size_t after) {
    const auto at = [&](std::size_t i) -> std::string_view {
        if (bytes[i] == '\n')
            return i > 0 && bytes[i - 1] == '\r' ? "\r\n" : "\n";
        return i + 1 < bytes.size() && bytes[i + 1] == '\n' ? "\r\n" : "\r";
    };
    if (const auto i = bytes.find_first_of("\r\n", after); i != std::string_view::npos)
        return at(i);
    if (const auto i = bytes.substr(0, before).find_last_of("\r\n"); i != std::string_view::npos)
        return at(i);
    return "\n";
}

// The blanks between the start of the marker's line and the marker, when there is nothing else.
std::string_view indentOf(std::string_view bytes, std::size_t marker) {
    std::size_t start = marker;
    while (start > 0 && (bytes[start - 1] == ' ' || bytes[start - 1] == '\t'))
        --start;
    if (start > 0 && bytes[start - 1] != '\n' && bytes[start - 1] != '\r')
        return {};
    return bytes.substr(start, marker - start);
}

// The charset a meta element declares within `head`, or empty.
std::string declaredCharset(std::string_view head) {
    for (std::size_t at = findNoCase(head, "<meta"); at != std::string_view::npos;
         at = findNoCase(head, "<meta", at + 5)) {
        const std::size_t close = head.find('>', at);
        const std::string_view tag =
            head.substr(at, close == std::string_view::npos ? head.npos : close - at);
        std::size_t c = findNoCase(tag, "charset");
        if (c == std::string_view::npos)
            continue;
        c += 7;
        while (c < tag.size() && isSpace(tag[c]))
            ++c;
        if (c >= tag.size() || tag[c] != '=')
            continue;
        ++c;
        while (c < tag.size() && (isSpace(tag[c]) || tag[c] == '"' || tag[c] == '\''))
            ++c;
        std::size_t e = c;
        while (e < tag.size() && !isSpace(tag[e]) && tag[e] != '"' && tag[e] != '\'' &&
               tag[e] != ';' && tag[e] != '/')
            ++e;
        return std::string(tag.substr(c, e - c));
    }
    return {};
}

bool isUtf8Label(std::string_view label) {
    return equalsNoCase(label, "utf-8") || equalsNoCase(label, "utf8") ||
           equalsNoCase(label, "unicode-1-1-utf-8");
}

bool validUtf8(std::string_view s) {
    for (std::size_t i = 0; i < s.size();) {
        const auto b = static_cast<unsigned char>(s[i]);
        if (b < 0x80) {
            ++i;
            continue;
        }
        int len = b >= 0xC2 && b <= 0xDF   ? 2
                  : b >= 0xE0 && b <= 0xEF ? 3
                  : b >= 0xF0 && b <= 0xF4 ? 4
                                           : 0;
        if (len == 0 || i + static_cast<std::size_t>(len) > s.size())
            return false;
        const auto b1 = static_cast<unsigned char>(s[i + 1]);
        if ((b == 0xE0 && b1 < 0xA0) || (b == 0xED && b1 > 0x9F) || (b == 0xF0 && b1 < 0x90) ||
            (b == 0xF4 && b1 > 0x8F))
            return false;
        for (int k = 1; k < len; ++k)
            if ((static_cast<unsigned char>(s[i + static_cast<std::size_t>(k)]) & 0xC0) != 0x80)
                return false;
        i += static_cast<std::size_t>(len);
    }
    return true;
}

// Reads a whole file; an error comes back as the system's message.
bool readFile(const std::string& path, std::string& bytes, std::string& error,
              std::size_t limit = kMaxPageBytes) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) {
        error = util::systemMessage(errno);
        return false;
    }
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        error = util::systemMessage(S_ISDIR(st.st_mode) ? EISDIR : errno);
        ::close(fd);
        return false;
    }
    if (static_cast<std::size_t>(st.st_size) > limit) {
        error = "larger than " + std::to_string(limit >> 20) + " MB";
        ::close(fd);
        return false;
    }
    bytes.resize(static_cast<std::size_t>(st.st_size));
    std::size_t got = 0;
    while (true) {
        if (got == bytes.size())
            bytes.resize(bytes.size() + 4096); // the file grew since fstat
        const ssize_t n = ::read(fd, bytes.data() + got, bytes.size() - got);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            error = util::systemMessage(errno);
            ::close(fd);
            return false;
        }
        if (n == 0)
            break;
        got += static_cast<std::size_t>(n);
        if (got > limit) {
            error = "larger than " + std::to_string(limit >> 20) + " MB";
            ::close(fd);
            return false;
        }
    }
    bytes.resize(got);
    ::close(fd);
    return true;
}

// Writes `bytes` to `path` unless the file holds them already.
void writeIfChanged(const std::string& path, std::string_view bytes,
                    std::vector<std::string>& errors) {
    std::string old, ignored;
    if (readFile(path, old, ignored, bytes.size() + 1) && old == bytes)
        return;
    if (const WriteResult w = writeFileAtomically(path, bytes); !w.ok())
        errors.push_back(path + ": " + w.message);
}

bool isInside(const fs::path& path, const std::string& root) {
    const std::string s = path.string();
    return s.size() > root.size() && s.compare(0, root.size(), root) == 0 && s[root.size()] == '/';
}

} // namespace

std::string describeOutcome(const PageOutcome& outcome) {
    switch (outcome.action) {
    case PageAction::Updated:
        return "updated";
    case PageAction::Unchanged:
        return "unchanged";
    case PageAction::NoMarkers:
        return "skipped: no markers";
    case PageAction::Refused:
        return "refused: " + outcome.reason;
    }
    return {};
}

PublishInput publishInputOf(const model::Project& project, std::string engineSource) {
    PublishInput input;
    input.menu = navMenuOf(project);
    input.dataText = renderDataFile(project, false);
    input.engineSource = std::move(engineSource);
    return input;
}

TextEncoding pageEncoding(std::string_view bytes) {
    if (bytes.substr(0, 3) == "\xEF\xBB\xBF")
        return TextEncoding::Utf8;
    // Browsers look for the declaration near the start; a page's head is seldom longer.
    std::string_view head = bytes.substr(0, 8192);
    if (const auto body = findNoCase(head, "<body"); body != std::string_view::npos)
        head = head.substr(0, body);
    const std::string label = declaredCharset(head);
    if (!label.empty())
        return isUtf8Label(label) ? TextEncoding::Utf8 : TextEncoding::Ascii;
    // Undeclared: a page already in UTF-8 (or plain ASCII) takes UTF-8; a legacy one references.
    return validUtf8(bytes) ? TextEncoding::Utf8 : TextEncoding::Ascii;
}

std::string rootPrefix(std::string_view pagePath) {
    std::string root;
    for (char c : pagePath)
        if (c == '/')
            root += "../";
    return root;
}

std::string renderBlock(const PublishInput& input, std::string_view pagePath, TextEncoding encoding,
                        std::string_view eol, std::string_view indent) {
    NavOptions options;
    options.root = rootPrefix(pagePath);
    options.currentPage = std::string(pagePath);
    options.encoding = encoding;
    options.eol = std::string(eol);
    options.indent = std::string(indent);
    const std::string& root = options.root;
    std::string block(eol);
    block += std::string(indent) + "<script src=\"" + root + std::string(kEngineFileName) +
             "\"></script>" + std::string(eol);
    block += renderStaticNav(input.menu, options);
    block += std::string(indent) + "<script charset=\"utf-8\" src=\"" + root +
             std::string(kSiteDataFileName) + '"';
    if (!root.empty())
        block += " data-zel-root=\"" + root + '"';
    block += "></script>" + std::string(eol) + std::string(indent);
    return block;
}

PageEdit editPage(std::string_view bytes, std::string_view pagePath, const PublishInput& input) {
    PageEdit edit;
    const Markers m = findMarkers(bytes);
    const auto refuse = [&](std::string reason) {
        edit.action = PageAction::Refused;
        edit.reason = std::move(reason);
        return edit;
    };
    if (m.begins.empty() && m.ends.empty())
        return edit;
    if (m.ends.empty())
        return refuse("begin marker without end marker");
    if (m.begins.empty())
        return refuse("end marker without begin marker");
    if (m.begins.size() > 1 && m.ends.size() > 1)
        return refuse("more than one pair of markers");
    if (m.begins.size() > 1)
        return refuse("more than one begin marker");
    if (m.ends.size() > 1)
        return refuse("more than one end marker");
    if (m.ends[0] < m.begins[0])
        return refuse("end marker before begin marker");

    const std::size_t from = m.begins[0] + m.beginLength;
    const std::size_t to = m.ends[0];
    const std::string block =
        renderBlock(input, pagePath, pageEncoding(bytes), lineEnd(bytes, m.begins[0], to),
                    indentOf(bytes, m.begins[0]));
    if (bytes.substr(from, to - from) == block) {
        edit.action = PageAction::Unchanged;
        return edit;
    }
    edit.action = PageAction::Updated;
    edit.bytes.reserve(bytes.size() + block.size());
    edit.bytes.append(bytes.substr(0, from));
    edit.bytes.append(block);
    edit.bytes.append(bytes.substr(to));
    return edit;
}

std::vector<SitePage> findPages(const std::string& site, std::string& error) {
    std::error_code ec;
    const fs::path root = fs::canonical(site, ec);
    if (ec || !fs::is_directory(root, ec)) {
        error = util::systemMessage(ec ? ec.value() : ENOTDIR);
        return {};
    }
    const std::string rootText = root.string();
    const auto relative = [&](const fs::path& p) {
        return p.lexically_relative(root).generic_string();
    };
    std::map<std::string, SitePage> found; // by path, so that each page comes once and in order
    std::vector<fs::path> folders = {root};
    while (!folders.empty()) {
        const fs::path folder = std::move(folders.back());
        folders.pop_back();
        fs::directory_iterator it(folder, ec), end;
        if (ec) {
            const std::string rel = relative(folder) + "/";
            found[rel] = {rel, folder.string(), "cannot read: " + util::systemMessage(ec.value())};
            continue;
        }
        for (; it != end; it.increment(ec)) {
            const fs::path path = it->path();
            const std::string name = path.filename().string();
            const fs::file_status st = it->symlink_status(ec);
            if (fs::is_symlink(st)) {
                std::error_code tec;
                const fs::path target = fs::canonical(path, tec);
                const bool dir = !tec && fs::is_directory(target, tec);
                if (!dir && !isPageName(name))
                    continue;
                const std::string rel = relative(path) + (dir ? "/" : "");
                if (tec) {
                    found[rel] = {rel, path.string(),
                                  "cannot read: " + util::systemMessage(tec.value())};
                } else if (!isInside(target, rootText)) {
                    found[rel] = {rel, path.string(), "outside the site"};
                } else if (!dir) {
                    // A link to a page of the site stands for that page.
                    const std::string real = relative(target);
                    found[real] = {real, target.string(), {}};
                }
                // A link to a folder of the site: the folder is searched where it lies.
            } else if (fs::is_directory(st)) {
                if (!name.empty() && name[0] != '.' && name != "node_modules")
                    folders.push_back(path);
            } else if (fs::is_regular_file(st) && isPageName(name)) {
                const std::string rel = relative(path);
                found[rel] = {rel, path.string(), {}};
            }
        }
        if (ec) {
            const std::string rel = relative(folder) + "/";
            found[rel] = {rel, folder.string(), "cannot read: " + util::systemMessage(ec.value())};
        }
    }
    std::vector<SitePage> pages;
    pages.reserve(found.size());
    for (auto& [path, page] : found)
        pages.push_back(std::move(page));
    return pages;
}

bool PublishResult::ok() const {
    if (!siteError.empty() || !fileErrors.empty())
        return false;
    return std::none_of(pages.begin(), pages.end(),
                        [](const PageOutcome& p) { return p.action == PageAction::Refused; });
}

PublishResult publishSite(const PublishInput& input, const std::string& site,
                          const PublishOptions& options) {
    PublishResult result;
    const std::vector<SitePage> pages = findPages(site, result.siteError);
    if (!result.siteError.empty())
        return result;
    const std::string folder = site.empty() || site.back() == '/' ? site : site + "/";
    if (!options.dryRun) {
        writeIfChanged(folder + std::string(kSiteDataFileName), input.dataText, result.fileErrors);
        if (!input.engineSource.empty()) {
            std::string engine, error;
            if (readFile(input.engineSource, engine, error))
                writeIfChanged(folder + std::string(kEngineFileName), engine, result.fileErrors);
            else
                result.fileErrors.push_back(input.engineSource + ": " + error);
        }
    }
    result.pages.reserve(pages.size());
    std::string bytes;
    bool written = false;
    for (const SitePage& page : pages) {
        if (options.cancel && options.cancel->load()) {
            result.cancelled = true;
            break;
        }
        PageOutcome outcome;
        outcome.path = page.path;
        std::string error;
        if (!page.refusal.empty()) {
            outcome.action = PageAction::Refused;
            outcome.reason = page.refusal;
        } else if (!readFile(page.file, bytes, error)) {
            outcome.action = PageAction::Refused;
            outcome.reason = "cannot read: " + error;
        } else {
            PageEdit edit = editPage(bytes, page.path, input);
            outcome.action = edit.action;
            outcome.reason = std::move(edit.reason);
            if (edit.action == PageAction::Updated && options.dryRun) {
                // What the real run would meet: a page that may not be written.
                struct stat st {};
                if (::access(page.file.c_str(), W_OK) != 0 ||
                    (::stat(page.file.c_str(), &st) == 0 && (st.st_mode & 0222) == 0)) {
                    outcome.action = PageAction::Refused;
                    outcome.reason = "cannot write: " + util::systemMessage(EACCES);
                }
            } else if (edit.action == PageAction::Updated) {
                // Flushed all at once below: one flush per page would cost more than the rest.
                if (const WriteResult w = writeFileAtomically(page.file, edit.bytes, {}, false);
                    !w.ok()) {
                    outcome.action = PageAction::Refused;
                    outcome.reason = "cannot write: " + w.message;
                }
            }
        }
        written = written || (outcome.action == PageAction::Updated && !options.dryRun);
        result.pages.push_back(std::move(outcome));
        if (options.progress)
            options.progress(result.pages.back(), result.pages.size(), pages.size());
    }
    if (written) {
        // The pages written, on the disk before publishing reports them done.
        if (const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC); fd >= 0) {
            ::syncfs(fd);
            ::close(fd);
        }
    }
    return result;
}

} // namespace menuloom::output
