#pragma once
// The page the preview shows when there is nothing to preview: the logo, linking to the maker.

#include <QString>

namespace menuloom::app {

inline constexpr const char* kBlankPageName = "blank.html";
inline constexpr const char* kLogoFileName = "menuloom_logo.png";
inline constexpr const char* kMakerSite = "https://zelvane.example/";

// The one line of the blank page.
QString blankPageHtml();
// Writes "blank.html" and the logo bitmap into `tempFolder` (with its trailing "/"). Returns the
// page's path; a failure to write is not reported (the preview then shows an empty page).
QString writeBlankPage(const QString& tempFolder);

} // namespace menuloom::app
