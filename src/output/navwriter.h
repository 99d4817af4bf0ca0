#pragma once
// The menu's links as static navigation markup: nested lists of real links in a `nav`, with a
// small style sheet of their own, so that the menu works without JavaScript and search engines
// find its links. Once the engine runs it hides this markup and draws the menu in its place.

#include "model/project.h"

#include <string>
#include <string_view>
#include <vector>

namespace menuloom::output {

// How characters outside ASCII are written: as UTF-8 bytes, or as numeric character references
// (for pages in any other encoding).
enum class TextEncoding { Utf8, Ascii };

// One item of the static menu, in pre-order.
struct NavItem {
    std::string text;   // what the item shows: its caption, else its tip, else its link
    std::string link;   // as the data file holds it, trimmed; empty when it has none
    std::string target; // its own target, else the menu's default target
    std::string tip;
    int level = 0;
    bool hasChildren = false;
};

// What the static markup needs from a project, copied out so that it can be used on another
// thread while the project changes.
struct NavMenu {
    std::vector<NavItem> items; // separators with their submenus and empty leaves left out
    bool horizontal = false;
    std::string pathPrefix; // put before relative links, as the engine does
    std::string font;       // CSS font shorthand
    std::string color, colorOver, back, backOver, decoration, decorationOver, boxBack, border;
};

// The static menu of a project.
NavMenu navMenuOf(const model::Project& project);

struct NavOptions {
    std::string root;        // prefix back to the site root ("../"), put before relative links
    std::string currentPage; // the page's path from the site root, for aria-current
    TextEncoding encoding = TextEncoding::Utf8;
    std::string eol = "\r\n"; // ends every line
    std::string indent;       // put before every line
};

// Text made safe for HTML content and attribute values: & < > " ' escaped, line breaks and tabs
// turned into blanks, other control characters dropped, malformed UTF-8 replaced by U+FFFD.
std::string escapeHtml(std::string_view text, TextEncoding encoding);

// A link as the engine sees it from the site root: backslashes made slashes, a drive path made a
// file address, a relative link put after the path prefix.
std::string siteLink(std::string_view link, std::string_view pathPrefix);

// Whether a link is relative to the page: no scheme and not starting with "/", "\", "#" or "?".
bool isRelativeLink(std::string_view link);

// Whether a link (from the site root, as siteLink gives it) names the page at `page` (a path
// from the site root): "dir/" names "dir/index.html" and "dir/index.htm".
bool linkNamesPage(std::string_view link, std::string_view page);

// The style element and the nav element, each line ended with `options.eol`.
std::string renderStaticNav(const NavMenu& menu, const NavOptions& options);

} // namespace menuloom::output
