#pragma once
// The embedded browser that shows the preview page.

#include <QList>
#include <QString>
#include <functional>

class QWidget;

namespace menuloom::app {

class PreviewBrowser {
public:
    virtual ~PreviewBrowser() = default;
    // Loads the local file at `path`; always a fresh navigation, even to the same path.
    virtual void navigate(const QString& path) = 0;

    // An item named by its rows from the top level down (0-based, as in the item tree).
    using ItemRows = QList<int>;
    // Makes the page a design surface (the designer's own preview only): a click on an item
    // calls `picked` with its rows instead of following its link. Browsers that cannot, don't.
    virtual void setPointing(std::function<void(const ItemRows&)> picked) { (void)picked; }
    // Outlines the item and opens the submenus leading to it, now and after every later load;
    // empty rows: nothing outlined.
    virtual void showItem(const ItemRows& rows) { (void)rows; }

    // An item as the page drew it: its rows and its size in CSS pixels.
    struct DrawnItem {
        ItemRows rows;
        double width = 0;
        double height = 0;
    };
    using Measured = std::function<void(const QList<DrawnItem>& items, int pageWidth)>;
    // Measures every item the engine draws, submenus' too, after each load and each change of
    // the page's width (the designer's own preview only), and calls `measured` with the sizes
    // and the width they were drawn at. Browsers that cannot, don't.
    virtual void setMeasuring(Measured measured) { (void)measured; }
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
