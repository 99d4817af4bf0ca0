#pragma once
// The embedded browser that shows the preview page.

#include <QString>
#include <functional>

class QWidget;

namespace menuloom::app {

class PreviewBrowser {
public:
    virtual ~PreviewBrowser() = default;
    // Loads the local file at `path`; always a fresh navigation, even to the same path.
    virtual void navigate(const QString& path) = 0;
};

// A browser as a window shows it: the widget placed in the layout and its navigation seam
// (usually the same object).
struct BrowserView {
    QWidget* widget = nullptr;
    PreviewBrowser* browser = nullptr;
};

// Makes the browser of a window; the widget is a child of `parent`.
using BrowserFactory = std::function<BrowserView(QWidget* parent)>;

} // namespace menuloom::app
