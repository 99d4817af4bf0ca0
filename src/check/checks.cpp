#include "check/checks.h"

#include "check/contrast.h"
#include "check/looks.h"
#include "check/trim.h"
#include "util/textcodes.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <iterator>
#include <optional>
#include <set>
#include <tuple>
#include <unordered_map>
#include <unordered_set>

namespace menuloom::check {

using namespace model;

namespace {

constexpr std::string_view kStateNames[] = {"normal", "mouse-over"};
constexpr std::string_view kStatePrefixes[] = {"normal ", "mouse-over "};

// The text compared for duplicates: without outer blanks, in lower case (ASCII and the Latin
// letters of UTF-8's first two-byte block, which cover the single-byte files' texts).
void foldInto(std::string_view text, std::string& s) {
    s.assign(trimmed(text));
    for (std::size_t i = 0; i < s.size(); ++i) {
        auto& c = s[i];
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
        else if (static_cast<unsigned char>(c) == 0xC3 && i + 1 < s.size()) {
            const auto next = static_cast<unsigned char>(s[i + 1]);
            if (next >= 0x80 && next <= 0x9E && next != 0x97)
                s[i + 1] = static_cast<char>(next + 0x20);
            ++i;
        }
    }
}

// FNV-1a over the folded form of `text`, without making it.
std::size_t foldedHash(std::string_view text) {
    text = trimmed(text);
    uint64_t h = 14695981039346656037ull;
    auto mix = [&h](unsigned char c) {
        h ^= c;
        h *= 1099511628211ull;
    };
    for (std::size_t i = 0; i < text.size(); ++i) {
        auto c = static_cast<unsigned char>(text[i]);
        if (c >= 'A' && c <= 'Z') {
            mix(static_cast<unsigned char>(c - 'A' + 'a'));
        } else if (c == 0xC3 && i + 1 < text.size()) {
            auto next = static_cast<unsigned char>(text[++i]);
            if (next >= 0x80 && next <= 0x9E && next != 0x97)
                next = static_cast<unsigned char>(next + 0x20);
            mix(c);
            mix(next);
        } else {
            mix(c);
        }
    }
    return static_cast<std::size_t>(h);
}

// Lets the maps keyed by text be searched with a view, without making a string.
struct TextHash {
    using is_transparent = void;
    std::size_t operator()(std::string_view s) const { return std::hash<std::string_view>{}(s); }
};

// Browsers drop leading blanks and tabs and line breaks anywhere before taking the scheme.
bool isScriptLink(std::string_view link) {
    constexpr std::string_view kScheme = "javascript:";
    std::string s;
    for (char c : trimmed(link)) {
        if (c == '\t' || c == '\n' || c == '\r')
            continue;
        s += (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
        if (s.size() == kScheme.size())
            break;
    }
    return s == kScheme;
}

bool hasScheme(std::string_view p) {
    // Two letters at least: "C:" is a drive.
    std::size_t i = 0;
    while (i < p.size() && (std::isalnum(static_cast<unsigned char>(p[i])) || p[i] == '+' ||
                            p[i] == '-' || p[i] == '.'))
        ++i;
    return i >= 2 && i < p.size() && p[i] == ':' && std::isalpha(static_cast<unsigned char>(p[0]));
}

bool fileOnDisk(const std::string& path) {
    std::error_code ec;
    const auto st = std::filesystem::status(path, ec);
    return !ec && std::filesystem::exists(st) && !std::filesystem::is_directory(st);
}

std::string inQuotes(std::string_view text) {
    return "\"" + std::string(text) + "\"";
}

class Checker {
public:
    Checker(const Project& project, const Options& options)
        : p_(project), o_(options), looks_(project) {}

    std::vector<Finding> run() {
        // Room for a few findings per item, taken up front: reserved pages cost nothing until
        // used, and a large menu's findings are then never moved while they are collected.
        items_.reserve(static_cast<std::size_t>(p_.items.count()) * 2 + 64);
        params();
        styles();
        items();
        contrast();
        // The items' findings come in tree order already; the others are sorted before them.
        std::stable_sort(out_.begin(), out_.end(), [this](const Finding& a, const Finding& b) {
            const auto& pa = a.place;
            const auto& pb = b.place;
            if (pa.kind != pb.kind)
                return order(pa.kind) < order(pb.kind);
            if (pa.kind == Place::Kind::Param)
                return findParam(p_.params, pa.param) < findParam(p_.params, pb.param);
            return pa.index < pb.index;
        });
        items_.insert(items_.begin(), std::make_move_iterator(out_.begin()),
                      std::make_move_iterator(out_.end()));
        return std::move(items_);
    }

private:
    static int order(Place::Kind k) {
        switch (k) {
        case Place::Kind::Param:
            return 0;
        case Place::Kind::ItemStyle:
            return 1;
        case Place::Kind::SmStyle:
            return 2;
        case Place::Kind::Item:
            return 3;
        }
        return 3;
    }

    void add(Rule rule, Severity sev, Place place, std::string message) {
        auto& to = place.kind == Place::Kind::Item ? items_ : out_;
        to.push_back({rule, sev, std::move(place), std::move(message), 0, 0});
    }

    // ----- pictures

    // The file a picture path names when nothing lies there; nothing when the picture is there
    // or is an address. Each path is looked up once.
    const std::string* missing(std::string_view path) {
        path = trimmed(path);
        if (path.empty())
            return nullptr;
        auto it = pictures_.find(path);
        if (it == pictures_.end()) {
            std::string file = picturePath(path, o_.baseFolder);
            if (!file.empty() && (o_.fileExists ? o_.fileExists(file) : fileOnDisk(file)))
                file.clear();
            it = pictures_.emplace(std::string(path), std::move(file)).first;
        }
        return it->second.empty() ? nullptr : &it->second;
    }

    // Built in one piece: a large menu may miss thousands of pictures.
    // `state` ("", "normal ", "mouse-over ") goes before `what`; the text is made only for a
    // picture that is missing.
    static std::string missingText(std::string_view state, std::string_view what,
                                   std::string_view path, const std::string& file) {
        path = trimmed(path);
        std::string s;
        s.reserve(state.size() + what.size() + path.size() + file.size() + 40);
        s.append("The ").append(state).append(what).append(" \"").append(path);
        s.append("\" names no file (looked for \"").append(file).append("\").");
        return s;
    }

    // A picture of a parameter or style, told once per place and path.
    void picture(const Place& place, std::string_view path, std::string_view state,
                 std::string_view what) {
        const std::string* file = missing(path);
        if (file && seenPictures_.insert({place.text(), std::string(trimmed(path))}).second)
            add(Rule::PictureMissing, Severity::Warning, place,
                missingText(state, what, path, *file));
    }

    void params() {
        for (const auto& param : p_.params) {
            const Place place = Place::ofParam(param.name);
            if (param.kind == ParamKind::Img)
                picture(place, param.text, "", "picture");
            else if (param.kind == ParamKind::ImgArray)
                for (std::size_t i = 0; i < param.strList.size(); ++i)
                    picture(place, param.strList[i],
                            param.strList.size() == 2 ? kStatePrefixes[i] : std::string_view(),
                            "picture");
        }
    }

    // The picture groups an item style writes (both paths set).
    void stylePair(const Place& place, bool use, const std::string& normal, const std::string& over,
                   std::string_view what) {
        if (!use || normal.empty() || over.empty())
            return;
        picture(place, normal, kStatePrefixes[0], what);
        picture(place, over, kStatePrefixes[1], what);
    }

    void styles() {
        const auto& items = p_.itemStyles.records();
        for (std::size_t k = 0; k < items.size(); ++k) {
            const TStyle& st = items[k];
            const Place place = Place::ofItemStyle(static_cast<int>(k));
            stylePair(place, st.useItemBackImage, st.itemBackImageNormal, st.itemBackImageOver,
                      "background picture");
            stylePair(place, st.useArrowImageMain, st.arrowImageMainNormal, st.arrowImageMainOver,
                      "top-level arrow");
            stylePair(place, st.useArrowImageSub, st.arrowImageSubNormal, st.arrowImageSubOver,
                      "submenu arrow");
        }
        const auto& boxes = p_.smStyles.records();
        for (std::size_t k = 0; k < boxes.size(); ++k)
            if (boxes[k].useMenuBackImage)
                picture(Place::ofSmStyle(static_cast<int>(k)), boxes[k].menuBackImage, "",
                        "background picture");
    }

    // ----- items

    // Walks the items in tree order without recursion (files may nest thousands of levels).
    // A separator's items are never drawn, so its subtree is left out with it.
    void items() {
        const ItemNode* root = p_.items.root();
        siblings(root, 0);
        const ItemNode* cur = root->hasChildren() ? root->child(0) : nullptr;
        path_.assign(1, 0);
        while (cur) {
            const bool sep = cur->props().caption == "-";
            if (!sep)
                item(*cur);
            if (!sep && cur->hasChildren()) {
                siblings(cur, path_.size());
                cur = cur->child(0);
                path_.push_back(0);
                continue;
            }
            while (cur && !cur->isRoot() && !cur->nextSibling()) {
                cur = cur->parent();
                path_.pop_back();
            }
            if (!cur || cur->isRoot())
                break;
            cur = cur->nextSibling();
            ++path_.back();
        }
    }

    void item(const ItemNode& node) {
        const TItemProps& it = node.props();
        const auto place = [this] { return Place::ofItem(path_); };
        const bool top = path_.size() == 1;
        if (const int dup = dups_[path_.size() - 1][static_cast<std::size_t>(path_.back())];
            dup >= 0) {
            std::vector<int> other = path_;
            other.back() = dup;
            add(Rule::NameDuplicate, Severity::Warning, place(),
                "The item's text " + inQuotes(trimmed(it.caption)) + " is also that of item " +
                    Place::ofItem(std::move(other)).text().substr(5) +
                    " beside it: visitors cannot tell the two apart.");
        }
        if (trimmed(it.caption).empty() && trimmed(it.tip).empty())
            add(Rule::NameMissing, Severity::Error, place(),
                !trimmed(it.img1).empty() || !trimmed(it.img2).empty()
                    ? "The item shows only a picture and has no tip: a screen reader has nothing "
                      "to read. Give it a text or a tip."
                    : "The item has no text and no tip: a screen reader has nothing to read.");
        const std::string_view link = trimmed(it.link);
        if (isScriptLink(link))
            add(Rule::LinkScript, Severity::Error, place(),
                "The link runs a script (" + inQuotes(link.substr(0, 40)) +
                    "): it does nothing without scripts, for search engines or when opened in a "
                    "new tab.");
        else if ((link.empty() || link == "#") && !node.hasChildren())
            add(Rule::LinkDead, Severity::Warning, place(),
                link.empty() ? "The item has no link and no submenu: it leads nowhere."
                             : "The item's link is only \"#\" and it has no submenu: it leads "
                               "nowhere.");
        if (const std::string* file = missing(it.img1))
            add(Rule::PictureMissing, Severity::Warning, place(),
                missingText("", "icon", it.img1, *file));
        if (const std::string* file = missing(it.img2);
            file && trimmed(it.img2) != trimmed(it.img1))
            add(Rule::PictureMissing, Severity::Warning, place(),
                missingText(kStatePrefixes[1], "icon", it.img2, *file));

        const int look = p_.itemStyles.valid(it.itemStyle) ? it.itemStyle : -1;
        int box = -1;
        if (!top) {
            const int32_t sm = node.parent()->props().smStyle;
            box = p_.smStyles.valid(sm) ? sm : -1;
        }
        // One key per kind of item drawn: submenu or not, item style and submenu style (each
        // +1 so that -1, none, fits).
        // Siblings mostly share theirs, so the set is asked only when the kind changes.
        const uint64_t kind = (top ? 0u : 1u) | (static_cast<uint64_t>(look + 1) << 1) |
                              (static_cast<uint64_t>(static_cast<uint32_t>(box + 1)) << 32);
        if (kind != lastKind_) {
            kinds_.insert(kind);
            lastKind_ = kind;
        }
    }

    // Marks the items below `parent` whose text an earlier sibling has; item() tells them. The
    // texts are sorted by a hash of their folded form, so that nothing is allocated per item;
    // equal hashes are confirmed on the texts.
    void siblings(const ItemNode* parent, std::size_t depth) {
        if (dups_.size() <= depth)
            dups_.resize(depth + 1);
        std::vector<int>& dups = dups_[depth];
        dups.assign(static_cast<std::size_t>(parent->childCount()), -1);
        auto& texts = texts_;
        texts.clear();
        for (int i = 0; i < parent->childCount(); ++i) {
            const std::string& text = parent->child(i)->props().caption;
            if (text != "-" && !trimmed(text).empty())
                texts.emplace_back(foldedHash(text), i);
        }
        std::sort(texts.begin(), texts.end());
        for (std::size_t run = 0, end = 0; run < texts.size(); run = end) {
            end = run + 1;
            while (end < texts.size() && texts[end].first == texts[run].first)
                ++end;
            for (std::size_t i = run + 1; i < end; ++i) {
                foldInto(parent->child(texts[i].second)->props().caption, foldA_);
                for (std::size_t j = run; j < i; ++j) {
                    foldInto(parent->child(texts[j].second)->props().caption, foldB_);
                    if (foldA_ == foldB_) {
                        dups[static_cast<std::size_t>(texts[i].second)] = texts[j].second;
                        break;
                    }
                }
            }
        }
    }

    // ----- contrast

    // "Submenu items of item style "A" in boxes of submenu style "B"", appended to `out`; in
    // lower case after the first of a list.
    void appendKind(std::string& out, bool sub, int look, int box, bool first = true) const {
        out += first ? (sub ? "Submenu items" : "Top-level items")
                     : (sub ? "submenu items" : "top-level items");
        if (look >= 0)
            out.append(" of item style \"").append(p_.itemStyles.nameAt(look)).append("\"");
        if (sub && box >= 0)
            out.append(" in boxes of submenu style \"")
                .append(p_.smStyles.nameAt(box))
                .append("\"");
    }

    // The place to fix: a style that sets a colour first, then the parameter that sets one.
    static Place placeOf(const TextLook& d, bool byOpacity) {
        for (const auto& from : {d.textFrom, d.backFrom})
            if (from && from->kind == Place::Kind::ItemStyle)
                return *from;
        if (d.backFrom && d.backFrom->kind == Place::Kind::SmStyle)
            return *d.backFrom;
        if (byOpacity)
            return Place::ofParam("transparency");
        if (d.textFrom)
            return *d.textFrom;
        if (d.backFrom)
            return *d.backFrom;
        return Place::ofParam("fontColor");
    }

    // Each kind of item drawn, both states. A large menu has thousands of kinds, so the keys
    // are built in reused buffers and the texts only for what is told.
    void contrast() {
        std::vector<uint64_t> kinds(kinds_.begin(), kinds_.end());
        std::sort(kinds.begin(), kinds.end());
        std::string& key = key_;
        for (uint64_t kind : kinds) {
            const bool sub = kind & 1u;
            const int look = static_cast<int>((kind >> 1) & 0x7FFFFFFFu) - 1;
            const int box = static_cast<int>(kind >> 32) - 1;
            const double alpha = looks_.opacity(sub);
            const TextLook states[2] = {looks_.draw(sub, look, box, 0, alpha),
                                        looks_.draw(sub, look, box, 1, alpha)};
            for (int s = 0; s < 2; ++s) {
                const TextLook& d = states[s];
                if (d.hasPicture()) {
                    const Place& place = *d.pictureFrom;
                    key.assign(place.text()).append(1, '\n').append(d.picture);
                    if (!seenContrastPictures_.insert(key).second)
                        continue;
                    std::string message;
                    appendKind(message, sub, look, box);
                    message.append(": the text lies on the picture \"")
                        .append(trimmed(d.picture))
                        .append("\", so its contrast cannot be computed. Check it by eye.");
                    add(Rule::ContrastUnknown, Severity::Warning, place, std::move(message));
                    continue;
                }
                if (!d.fails())
                    continue;
                const bool same = s == 0 && !states[1].hasPicture() && states[1].text == d.text &&
                                  states[1].back == d.back && states[1].large == d.large;
                if (s == 1 && !states[0].hasPicture() && states[0].text == d.text &&
                    states[0].back == d.back && states[0].large == d.large)
                    continue; // told with the normal state
                const bool byOpacity = alpha < 1.0 && !looks_.draw(sub, look, box, s, 1.0).fails();
                // Kinds of item that show the same fault through the same place are told once:
                // the place, the state and the colours decide the text.
                Place place = placeOf(d, byOpacity);
                key.assign(place.text()).append(1, '\n').append(1, same ? 'b' : char('0' + s));
                for (const Rgb& c : {d.text, d.back})
                    key.append({char(c.r), char(c.g), char(c.b)});
                key.append(1, d.large ? 'L' : 'n').append(1, alpha < 1.0 ? 'a' : 'o');
                auto found = contrastGroups_.find(std::string_view(key));
                if (found == contrastGroups_.end()) {
                    std::string detail = (same ? std::string("both states")
                                               : std::string(kStateNames[s]) + " state") +
                                         ": text " + hexOf(d.text) + " on " + hexOf(d.back) +
                                         " has a contrast of " + ratioText(d.ratio) +
                                         ", below the minimum of " + ratioText(d.required) +
                                         (d.large ? " for large text." : ".");
                    if (alpha < 1.0)
                        detail += " The submenu is drawn at " +
                                  std::to_string(looks_.transparency()) + "% opacity.";
                    found = contrastGroups_.emplace(key, contrast_.size()).first;
                    contrast_.push_back({{},
                                         std::move(detail),
                                         Finding{Rule::Contrast,
                                                 Severity::Error,
                                                 std::move(place),
                                                 {},
                                                 d.ratio,
                                                 d.required}});
                }
                contrast_[found->second].kinds.push_back({sub, look, box});
            }
        }
        for (auto& group : contrast_) {
            std::string& message = group.finding.message;
            for (std::size_t i = 0; i < group.kinds.size(); ++i) {
                if (i > 0)
                    message += i + 1 == group.kinds.size() ? " and " : ", ";
                const auto& [sub, look, box] = group.kinds[i];
                appendKind(message, sub, look, box, i == 0);
            }
            message.append(", ").append(group.detail);
            out_.push_back(std::move(group.finding));
        }
    }

    struct ContrastGroup {
        std::vector<std::tuple<bool, int, int>> kinds; // submenu or not, item style, box style
        std::string detail;
        Finding finding;
    };

    const Project& p_;
    const Options& o_;
    Looks looks_;
    std::vector<Finding> out_;   // findings on parameters and styles
    std::vector<Finding> items_; // findings on items, in tree order
    std::vector<int> path_;
    uint64_t lastKind_ = ~uint64_t{0};
    std::unordered_set<uint64_t> kinds_;             // the kinds of item drawn (see item())
    std::vector<std::pair<std::size_t, int>> texts_; // scratch of siblings()
    std::string foldA_, foldB_;                      // scratch of siblings()
    // By depth, for the items below the parent being walked there: the row of the first
    // sibling with the same text, or -1.
    std::vector<std::vector<int>> dups_;
    std::unordered_map<std::string, std::string, TextHash, std::equal_to<>>
        pictures_; // path: the missing file, or ""
    std::set<std::pair<std::string, std::string>> seenPictures_;
    std::vector<ContrastGroup> contrast_;
    std::unordered_map<std::string, std::size_t, TextHash, std::equal_to<>>
        contrastGroups_;                                   // place, state and colours: group
    std::unordered_set<std::string> seenContrastPictures_; // place and picture, told
    std::string key_;                                      // scratch of contrast()
};

} // namespace

std::vector<Finding> checkProject(const Project& project, const Options& options) {
    return Checker(project, options).run();
}

std::string picturePath(std::string_view path, std::string_view baseFolder) {
    path = trimmed(path);
    if (path.empty() || hasScheme(path) || path.starts_with("//") || path.starts_with("\\\\"))
        return {};
    std::string p(path);
    std::replace(p.begin(), p.end(), '\\', '/');
    if (const auto cut = p.find_first_of("?#"); cut != std::string::npos)
        p.erase(cut);
    const std::string decoded = util::percentDecoded(p);
    const bool absolute = decoded.starts_with('/') || (decoded.size() > 2 && decoded[1] == ':');
    if (absolute || baseFolder.empty())
        return decoded;
    std::string base(baseFolder);
    std::replace(base.begin(), base.end(), '\\', '/');
    if (!base.ends_with('/'))
        base += '/';
    return base + decoded;
}

} // namespace menuloom::check
