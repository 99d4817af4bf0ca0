#pragma once
// A sitemap's addresses as an item tree by their paths.

#include "import/navimport.h"

namespace menuloom::importer {

// Parses `bytes` as a sitemap (a "urlset"). Entity declarations, a sitemap index and XML that
// is not well-formed are refused; nothing is ever read from the network or other files.
OpenResult openSitemap(std::string_view bytes);

} // namespace menuloom::importer
