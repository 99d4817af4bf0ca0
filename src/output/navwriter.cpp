#include "output/navwriter.h"

#include "output/datawriter.h"
#include "util/textcodes.h"

#include <algorithm>
#include <cstdint>

namespace menuloom::output {

using namespace model;

namespace {

constexpr char32_t kReplacement = 0xFFFD;

// Decodes one UTF-8 sequence at `i`, advancing it; malformed input gives U+FFFD and one byte.
char32_t nextCodePoint(std::string_view s, std::size_t& i) {
    const auto b0 = static_cast<unsigned char>(s[i]);
    if (b0 < 0x80) {
        ++i;
        return b0;
    }
    int len = 0;
    char32_t cp = 0;
    if (b0 >= 0xC2 && b0 <= 0xDF) {
        len = 2;
        cp = b0 & 0x1F;
    } else if (b0 >= 0xE0 && b0 <= 0xEF) {
        len = 3;
        cp = b0 & 0x0F;
    } else if (b0 >= 0xF0 && b0 <= 0xF4) {
        len = 4;
        cp = b0 & 0x07;
    } else {
        ++i;
        return kReplacement;
    }
    if (i + static_cast<std::size_t>(len) > s.size()) {
        ++i;
        return kReplacement;
    }
    for (int k = 1; k < len; ++k) {
        const auto b = static_cast<unsigned char>(s[i + static_cast<std::size_t>(k)]);
        if ((b & 0xC0) != 0x80) {
            ++i;
            return kReplacement;
        }
        cp = (cp << 6) | (b & 0x3F);
    }
    const bool overlong = (len == 3 && cp < 0x800) || (len == 4 && cp < 0x10000);
    if (overlong || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) {
        ++i;
        return kReplacement;
    }
    i += static_cast<std::size_t>(len);
    return cp;
}

std::string_view trimmed(std::string_view s) {
    const auto blank = [](char c) { return c == ' ' || (c >= '\t' && c <= '\r'); };
    while (!s.empty() && blank(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && blank(s.back()))
        s.remove_suffix(1);
    return s;
}

bool isAlpha(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

bool hasScheme(std::string_view p) {
    if (p.empty() || !isAlpha(p[0]))
        return false;
    for (std::size_t i = 1; i < p.size(); ++i) {
        const char c = p[i];
        if (c == ':')
            return true;
        if (!isAlpha(c) && !isDigit(c) && c != '+' && c != '.' && c != '-')
            return false;
    }
    return false;
}

// A CSS string of `text` in double quotes: anything but letters, digits, blanks, "-" and "_"
// as a CSS escape, so that no text can end the string or the style element.
std::string cssString(std::string_view text) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string out = "\"";
    for (std::size_t i = 0; i < text.size();) {
        const char32_t cp = nextCodePoint(text, i);
        if (cp < 0x80 && (isAlpha(static_cast<char>(cp)) || isDigit(static_cast<char>(cp)) ||
                          cp == ' ' || cp == '-' || cp == '_')) {
            out += static_cast<char>(cp);
            continue;
        }
        if (cp < 0x20 || cp == 0x7F)
            continue;
        std::string hex;
        for (char32_t v = cp; v > 0; v >>= 4)
            hex.insert(hex.begin(), kHex[v & 0xF]);
        out += '\\';
        out += hex;
        out += ' ';
    }
    out += '"';
    return out;
}

// The families of a font text ("Verdana, Arial") as a CSS font-family list with a generic end.
std::string cssFamilies(std::string_view text) {
    std::string out;
    while (!text.empty()) {
        const auto comma = text.find(',');
        const std::string_view one = trimmed(text.substr(0, comma));
        if (!one.empty()) {
            out += cssString(one);
            out += ',';
        }
        if (comma == std::string_view::npos)
            break;
        text.remove_prefix(comma + 1);
    }
    return out + "sans-serif";
}

std::string strsValue(const TPropType& p) {
    if (p.flag == 1)
        return p.text;
    if (p.num >= 0 && static_cast<std::size_t>(p.num) < p.strList.size())
        return p.strList[static_cast<std::size_t>(p.num)];
    return {};
}

int32_t entry(const TPropType& p, std::size_t i) {
    return i < p.intList.size() ? p.intList[i] : -1;
}

} // namespace

std::string escapeHtml(std::string_view text, TextEncoding encoding) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        const char32_t cp = nextCodePoint(text, i);
        switch (cp) {
        case '&':
            out += "&amp;";
            continue;
        case '<':
            out += "&lt;";
            continue;
        case '>':
            out += "&gt;";
            continue;
        case '"':
            out += "&quot;";
            continue;
        case '\'':
            out += "&#39;";
            continue;
        case '\t':
        case '\n':
        case '\r':
            out += ' ';
            continue;
        default:
            break;
        }
        // C0 and C1 controls have no place in a caption; references to C1 would even be read as
        // Windows-1252 characters.
        if (cp < 0x20 || (cp >= 0x7F && cp <= 0x9F))
            continue;
        if (cp < 0x80)
            out += static_cast<char>(cp);
        else if (encoding == TextEncoding::Utf8)
            util::appendUtf8(out, cp);
        else
            out += "&#" + std::to_string(static_cast<uint32_t>(cp)) + ';';
    }
    return out;
}

bool isRelativeLink(std::string_view link) {
    if (link.empty() || hasScheme(link))
        return false;
    const char c = link.front();
    return c != '/' && c != '\\' && c != '#' && c != '?';
}

std::string siteLink(std::string_view link, std::string_view pathPrefix) {
    std::string p(trimmed(link));
    std::replace(p.begin(), p.end(), '\\', '/');
    if (p.size() >= 3 && isAlpha(p[0]) && p[1] == ':' && p[2] == '/')
        return "file:///" + p;
    if (isRelativeLink(p))
        return std::string(pathPrefix) + p;
    return p;
}

bool linkNamesPage(std::string_view link, std::string_view page) {
    if (!isRelativeLink(link))
        return false;
    link = link.substr(0, link.find_first_of("?#"));
    const std::string path = util::percentDecoded(link);
    std::vector<std::string_view> parts;
    std::string_view rest = path;
    bool folder = true; // the last segment names a folder: "dir/", ".", ".."
    while (true) {
        const auto slash = rest.find('/');
        const std::string_view seg = rest.substr(0, slash);
        folder = seg.empty() || seg == "." || seg == "..";
        if (seg == "..") {
            if (parts.empty())
                return false; // above the site root
            parts.pop_back();
        } else if (!seg.empty() && seg != ".") {
            parts.push_back(seg);
        }
        if (slash == std::string_view::npos)
            break;
        rest.remove_prefix(slash + 1);
    }
    std::string resolved;
    for (auto seg : parts) {
        if (!resolved.empty())
            resolved += '/';
        resolved += seg;
    }
    if (!folder)
        return resolved == page;
    const std::string dir = resolved.empty() ? "" : resolved + "/";
    return page == dir + "index.html" || page == dir + "index.htm";
}

NavMenu navMenuOf(const Project& project) {
    NavMenu menu;
    const auto param = [&](std::string_view name) -> const TPropType& {
        return project.param(name);
    };
    menu.horizontal = param("isHorizontal").boolValue != 0;
    menu.pathPrefix = strsValue(param("pathPrefix"));
    const std::string defaultTarget(trimmed(strsValue(param("itemTarget"))));

    const TPropType& font = param("fontStyle");
    menu.font =
        std::string(fontWeightName(font.flag).empty() ? "normal" : fontWeightName(font.flag));
    menu.font +=
        ' ' + std::to_string(font.num > 0 ? font.num : 10) + "pt " + cssFamilies(font.text);
    const TPropType& fc = param("fontColor");
    const TPropType& bc = param("itemBackColor");
    const TPropType& deco = param("fontDecoration");
    menu.color = formatColor(entry(fc, 0));
    menu.colorOver = formatColor(entry(fc, 1));
    menu.back = formatColor(entry(bc, 0));
    menu.backOver = formatColor(entry(bc, 1));
    menu.decoration = std::string(decorationName(entry(deco, 0)));
    menu.decorationOver = std::string(decorationName(entry(deco, 1)));
    menu.boxBack = formatColor(param("menuBackColor").num);
    menu.border = formatColor(entry(param("menuBorderColor"), 0));

    // Separators with their submenus left out, as the engine leaves them out.
    std::vector<NavItem> all;
    int skipBelow = -1; // skipping the subtree of a separator at this level
    project.items.forEach([&](const ItemNode& node, int level) {
        if (skipBelow >= 0 && level > skipBelow)
            return;
        skipBelow = -1;
        const TItemProps& p = node.props();
        if (p.caption == "-") {
            skipBelow = level;
            return;
        }
        NavItem item;
        item.link = std::string(trimmed(p.link));
        item.tip = p.tip;
        item.target = std::string(trimmed(p.target));
        if (item.target.empty())
            item.target = defaultTarget;
        item.level = level;
        if (!trimmed(p.caption).empty())
            item.text = p.caption;
        else if (!trimmed(p.tip).empty())
            item.text = p.tip;
        else
            item.text = item.link;
        all.push_back(std::move(item));
    });
    // From the end, so that an item knows whether anything is left below it; a leaf with
    // nothing to show or follow is dropped.
    std::vector<NavItem> kept;
    for (auto it = all.rbegin(); it != all.rend(); ++it) {
        it->hasChildren = !kept.empty() && kept.back().level > it->level;
        if (!it->hasChildren && it->text.empty() && it->link.empty())
            continue;
        kept.push_back(std::move(*it));
    }
    menu.items.assign(std::make_move_iterator(kept.rbegin()), std::make_move_iterator(kept.rend()));
    return menu;
}

std::string renderStaticNav(const NavMenu& menu, const NavOptions& options) {
    const std::string& eol = options.eol;
    const std::string& ind = options.indent;
    const auto or_ = [](const std::string& a, std::string_view b) {
        return a.empty() ? std::string(b) : a;
    };
    const std::string k = "#zelmenu-static";
    const std::string color = or_(menu.color, "inherit");
    const std::string back = or_(menu.back, "transparent");
    const std::string boxBack = or_(menu.boxBack, or_(menu.back, "#FFFFFF"));
    // Text on the white box of a menu without colours of its own stays readable on any page.
    const std::string boxColor =
        menu.color.empty() && menu.boxBack.empty() && menu.back.empty() ? "#000000" : color;
    const std::string items = k + " a," + k + " button," + k + " span";

    std::vector<std::string> rules = {
        k + "{font:" + menu.font + ";margin:0}",
        ".zel-js " + k + "{display:none}",
        k + " ul{list-style:none;margin:0;padding:0}",
        k + " li{position:relative;margin:0;padding:0}",
        items +
            "{display:block;box-sizing:border-box;padding:.35em .7em;margin:0;font:inherit;color:" +
            color + ";background:" + back + ";text-decoration:" + or_(menu.decoration, "none") +
            ";text-align:start;border:0;border-radius:0;overflow-wrap:anywhere}",
        k + " button{width:100%;cursor:pointer}",
        k + " a:hover," + k + " a:focus," + k + " button:hover," + k + " button:focus{color:" +
            or_(menu.colorOver, color) + ";background:" + or_(menu.backOver, back) +
            ";text-decoration:" + or_(menu.decorationOver, or_(menu.decoration, "none")) + "}",
        k +
            " li>ul{display:none;position:absolute;top:0;inset-inline-start:100%;min-width:12em;"
            "z-index:1000;color:" +
            boxColor + ";background:" + boxBack + ";border:1px solid " +
            or_(menu.border, "#808080") + "}",
        k + " li:hover>ul," + k + " li:focus-within>ul{display:block}",
        k + ".zelmenu-bar>ul{display:flex;flex-wrap:wrap}",
        k + ".zelmenu-bar>ul>li>ul{top:100%;inset-inline-start:0}",
        k + ".zelmenu-column{width:max-content;max-width:100%}",
        // A narrow window opens the submenus in place, so that nothing sticks out sideways.
        "@media (max-width:40em){" + k + ".zelmenu-bar>ul{display:block}" + k +
            " li>ul{position:" + "static;min-width:0;border:0;padding-inline-start:1em}}",
    };

    std::string out;
    out += ind + "<style>" + eol;
    for (const std::string& rule : rules)
        out += ind + rule + eol;
    out += ind + "</style>" + eol;
    out += ind + "<nav id=\"zelmenu-static\" class=\"zelmenu-static " +
           (menu.horizontal ? "zelmenu-bar" : "zelmenu-column") + "\" aria-label=\"Menu\">" + eol;
    out += ind + "<ul>" + eol;

    const TextEncoding enc = options.encoding;
    // Items two blanks inside their list, lists two inside their item; deep levels stop moving.
    const auto blanks = [&](int n) { return ind + std::string(static_cast<std::size_t>(n), ' '); };
    const auto pad = [&](int level) { return blanks(2 + 4 * std::min(level, 8)); };
    const auto listPad = [&](int open) { return blanks(4 * std::min(open, 8)); };
    int open = 0; // submenu lists open below the top list
    for (const NavItem& item : menu.items) {
        for (; open > item.level; --open) {
            out += listPad(open) + "</ul>" + eol;
            out += pad(open - 1) + "</li>" + eol;
        }
        std::string attrs;
        if (!item.tip.empty() && item.tip != item.text)
            attrs += " title=\"" + escapeHtml(item.tip, enc) + '"';
        const std::string text = item.text.empty() ? std::string("Submenu") : item.text;
        std::string element;
        if (!item.link.empty()) {
            const std::string fromRoot = siteLink(item.link, menu.pathPrefix);
            const std::string href = isRelativeLink(fromRoot) ? options.root + fromRoot : fromRoot;
            element = "<a href=\"" + escapeHtml(href, enc) + '"';
            if (!item.target.empty())
                element += " target=\"" + escapeHtml(item.target, enc) + '"';
            element += attrs;
            if (!options.currentPage.empty() && linkNamesPage(fromRoot, options.currentPage))
                element += " aria-current=\"page\"";
            element += '>' + escapeHtml(text, enc) + "</a>";
        } else if (item.hasChildren) {
            // Without a link the item still takes the focus, which opens its submenu.
            element = "<button type=\"button\"" + attrs + '>' + escapeHtml(text, enc) + "</button>";
        } else {
            element = "<span" + attrs + '>' + escapeHtml(text, enc) + "</span>";
        }
        if (item.hasChildren) {
            out += pad(item.level) + "<li>" + element + eol;
            out += listPad(item.level + 1) + "<ul>" + eol;
            open = item.level + 1;
        } else {
            out += pad(item.level) + "<li>" + element + "</li>" + eol;
        }
    }
    for (; open > 0; --open) {
        out += listPad(open) + "</ul>" + eol;
        out += pad(open - 1) + "</li>" + eol;
    }
    out += ind + "</ul>" + eol;
    out += ind + "</nav>" + eol;
    return out;
}

} // namespace menuloom::output
