#pragma once
// The embedded browser that shows the preview page.

#include <QString>

namespace menuloom::app {

class PreviewBrowser {
public:
    virtual ~PreviewBrowser() = default;
    // Loads the local file at `path`; always a fresh navigation, even to the same path.
    virtual void navigate(const QString& path) = 0;
};

} // namespace menuloom::app
