#pragma once
// Publishing the menu into the user's own pages: the data file and the engine go into the site
// folder, and in every page the bytes between the two marker comments become a block that loads
// the engine, holds the static menu and loads the data file. Nothing outside the markers changes.

#include "model/project.h"
#include "output/navwriter.h"

#include <atomic>
#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace menuloom::output {

inline constexpr std::string_view kBeginMarker = "<!-- menuloom -->";
inline constexpr std::string_view kEndMarker = "<!-- /menuloom -->";
inline constexpr std::string_view kSiteDataFileName = "zel_data.js";
// Pages larger than this are refused rather than read into memory.
inline constexpr std::size_t kMaxPageBytes = 64u << 20;

enum class PageAction { Updated, Unchanged, NoMarkers, Refused };

struct PageOutcome {
    std::string path; // from the site folder, "/" between folders
    PageAction action = PageAction::NoMarkers;
    std::string reason; // why it was refused
};

// What a page's line shows after its path: "updated", "unchanged", "skipped: no markers" or
// "refused: REASON".
std::string describeOutcome(const PageOutcome& outcome);

// What publishing needs from a project, copied out so that a worker thread can use it while the
// project changes.
struct PublishInput {
    NavMenu menu;
    std::string dataText;     // the data file as a save writes it
    std::string engineSource; // the engine to copy into the site; empty: none is copied
};
PublishInput publishInputOf(const model::Project& project, std::string engineSource);

// The encoding a page's characters are written in: UTF-8 when the page has a UTF-8 byte-order
// mark or declares UTF-8, or declares nothing and holds nothing but UTF-8; references otherwise.
TextEncoding pageEncoding(std::string_view bytes);

// "../" once for every folder between the site root and the page at `pagePath`.
std::string rootPrefix(std::string_view pagePath);

// The bytes that go between the markers of the page at `pagePath`.
std::string renderBlock(const PublishInput& input, std::string_view pagePath, TextEncoding encoding,
                        std::string_view eol, std::string_view indent);

struct PageEdit {
    PageAction action = PageAction::NoMarkers;
    std::string reason;
    std::string bytes; // the new page, for Updated
};

// The page with its block made current; every byte outside the markers stays.
PageEdit editPage(std::string_view bytes, std::string_view pagePath, const PublishInput& input);

// A page found in the site: its path from the site, the file to read and write (a link's
// target), or why it cannot be published.
struct SitePage {
    std::string path;
    std::string file;
    std::string refusal;
};

// The .html and .htm files under `site`, sub-folders included but hidden folders and
// node_modules left out, in path order. A link that leads out of the site comes back refused;
// a link to a page inside it stands for that page. `error` is set when the site cannot be read.
std::vector<SitePage> findPages(const std::string& site, std::string& error);

struct PublishOptions {
    bool dryRun = false;                  // work out every page's outcome, write nothing
    const std::atomic<bool>* cancel = {}; // looked at before each page
    // Called after each page with the pages done so far and the number of pages.
    std::function<void(const PageOutcome&, std::size_t done, std::size_t total)> progress;
};

struct PublishResult {
    std::vector<PageOutcome> pages;
    std::vector<std::string> fileErrors; // "PATH: message" for the data file and engine copy
    std::string siteError;               // the site folder could not be read
    bool cancelled = false;

    // Nothing refused, nothing failed.
    bool ok() const;
};

// Publishes into the site at `site`: the data file and the engine (unless a dry run; each only
// when its bytes differ), then every page.
PublishResult publishSite(const PublishInput& input, const std::string& site,
                          const PublishOptions& options = {});

} // namespace menuloom::output
