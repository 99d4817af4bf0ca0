#pragma once
// The navigations of an HTML page, found in the tree an HTML5 parser builds.

#include "import/navimport.h"

namespace menuloom::importer {

// Parses UTF-8 `text` as a browser would and lists its navigations: every nav element and every
// element with role="navigation", or, when there is none, every outermost list holding at least
// two links. The default is the first one in the page's header, else the one with most links.
OpenResult openHtml(std::string text, const Limits& limits);

} // namespace menuloom::importer
