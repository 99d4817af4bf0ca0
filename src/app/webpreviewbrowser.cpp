#include "app/webpreviewbrowser.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QWebEnginePage>
#include <QWebEngineProfile>
#include <QWebEngineSettings>

#include <optional>

namespace menuloom::app {

namespace {

// What a pick reports on the console, followed by the item's rows ("0.2.1").
const QLatin1String kPickPrefix("menuloom-pick:");
// What the measuring reports, followed by {"width": W, "items": [["0.2", w, h], ...]}.
const QLatin1String kSizesPrefix("menuloom-sizes:");

// The page's half of the pointing bridge, run after each load of the designer's preview (the
// shipped engine knows nothing of it). A click on an item is reported and goes no further: no
// link is followed, the engine does not close the menu; the disclosure buttons still open and
// close their submenus. show(rows) outlines an item and opens the submenus leading to it by
// pressing their buttons, as a keyboard user would. An item is found by the engine's mark
// "data-zm-path" when it has one, else by its place: the bar's list, then each submenu box's
// list nested in the item that opens it.
constexpr char kBridge[] = R"JS(
(function () {
  'use strict';
  const B = window.__menuloomBridge || (window.__menuloomBridge = {});
  const ITEM = 'li.zm-li';
  B.pathOf = function (li) {
    if (li.dataset && li.dataset.zmPath) return li.dataset.zmPath;
    const rows = [];
    for (let e = li; e; ) {
      const list = e.parentElement;
      if (!list) return '';
      rows.unshift(Array.prototype.indexOf.call(list.children, e));
      if (list.classList.contains('zm-bar')) return rows.join('.');
      const box = list.parentElement;
      e = box && box.classList.contains('zm-box') ? box.parentElement : null;
      if (!e || !e.matches(ITEM)) return '';
    }
    return '';
  };
  B.itemAt = function (list, row, rows, depth) {
    const path = rows.slice(0, depth + 1).join('.');
    const marked = document.querySelector(ITEM + '[data-zm-path="' + path + '"]');
    if (marked) return marked;
    const li = list ? list.children[row] : null;
    return li && li.matches(ITEM) ? li : null;
  };
  B.show = function (rows) {
    for (const e of document.querySelectorAll('[data-menuloom-shown]')) e.removeAttribute('data-menuloom-shown');
    if (!rows || !rows.length) return false;
    let list = document.querySelector('ul.zm-bar');
    let li = null;
    for (let d = 0; d < rows.length; d++) {
      li = B.itemAt(list, rows[d], rows, d);
      if (!li) return false;
      if (d === rows.length - 1) break;
      const button = li.querySelector(':scope > .zm-item > .zm-exp, :scope > button.zm-item');
      if (!button) return false;
      if (button.getAttribute('aria-expanded') !== 'true') {
        B.internal = true;
        try { button.click(); } finally { B.internal = false; }
      }
      list = li.querySelector(':scope > .zm-box > ul.zm-list');
    }
    const cell = li.querySelector(':scope > .zm-item') || li;
    cell.setAttribute('data-menuloom-shown', '');
    return true;
  };
  if (B.installed) return;
  B.installed = true;
  const style = document.createElement('style');
  style.textContent = '[data-menuloom-shown]{outline:2px solid #d0006f !important;outline-offset:-2px !important}';
  (document.head || document.documentElement).appendChild(style);
  const pick = function (ev) {
    if (B.internal || !ev.target || !ev.target.closest) return;
    const cell = ev.target.closest('.zm-item');
    const li = cell && cell.closest(ITEM);
    if (!li) return;
    const path = B.pathOf(li);
    // A disclosure button (or an item that only opens a submenu) has no link: the engine may
    // open or close its submenu as usual.
    const opener = ev.target.closest('.zm-exp') || cell.tagName === 'BUTTON';
    if (!opener) {
      ev.preventDefault();
      ev.stopPropagation();
    }
    if (ev.type === 'click' && path) console.info('menuloom-pick:' + path);
  };
  window.addEventListener('click', pick, true);
  window.addEventListener('auxclick', pick, true);
})();
)JS";

// The page's half of the measuring, run after the bridge. The items are measured in a copy of
// the page in an invisible frame of the same size, so that nothing the user sees or has opened
// changes: the copy opens every submenu once (the engine fills a box when it first opens),
// closes them, shows every box at once for a moment and reports the size of each item's cell.
// A change of the page's width resizes the copy and measures again.
constexpr char kMeasure[] = R"JS(
(function () {
  'use strict';
  const B = window.__menuloomBridge;
  const report = function (items) {
    console.info('menuloom-sizes:' + JSON.stringify({ width: window.innerWidth, items: items }));
  };
  const fill = function (d) {
    const start = performance.now();
    for (let n = 0; n < 5000 && performance.now() - start < 2000; n++) {
      const list = d.querySelector('li.zm-li > .zm-box > ul.zm-list:empty:not([data-menuloom-tried])');
      if (!list) break;
      list.setAttribute('data-menuloom-tried', '');
      const button = list.parentElement.parentElement.querySelector(':scope > .zm-item > .zm-exp, :scope > button.zm-item');
      if (button) button.click();
    }
    const open = 'ul.zm-bar > li.zm-li > .zm-item > .zm-exp[aria-expanded="true"], ul.zm-bar > li.zm-li > button.zm-item[aria-expanded="true"]';
    for (const button of d.querySelectorAll(open)) button.click();
  };
  const measureIn = function (w) {
    const d = w.document;
    if (!d.querySelector('ul.zm-bar')) return report([]);
    fill(d);
    const style = d.createElement('style');
    style.textContent = '.zm-box{display:flex!important}.zm-menu.zm-collapsed>.zm-bar{display:flex!important;flex-direction:column}';
    (d.head || d.documentElement).appendChild(style);
    const items = [];
    const down = (v) => Math.floor(v * 100) / 100;
    for (const li of d.querySelectorAll('li.zm-li')) {
      if (items.length >= 5000) break;
      const cell = li.querySelector(':scope > .zm-item');
      const path = cell ? B.pathOf(li) : '';
      const r = cell ? cell.getBoundingClientRect() : null;
      if (path && r.width > 0 && r.height > 0) items.push([path, down(r.width), down(r.height)]);
    }
    style.remove();
    report(items);
  };
  B.measureFrame = function () {
    let w = null;
    try {
      w = B.frame.contentWindow;
      if (!w.document.documentElement) w = null;
    } catch (e) {
      w = null;
    }
    if (!w) return report([]);
    // The engine fits the menu to the width in an animation frame of its own.
    w.requestAnimationFrame(() => w.requestAnimationFrame(() => measureIn(w)));
  };
  B.measure = function () {
    clearTimeout(B.measureTimer);
    if (!document.querySelector('ul.zm-bar')) return report([]);
    const size = 'width:' + window.innerWidth + 'px;height:' + window.innerHeight + 'px';
    if (B.frame && B.frame.isConnected) {
      B.frame.style.cssText = B.frameStyle + size;
      B.measureTimer = setTimeout(B.measureFrame, 200);
      return;
    }
    const f = B.frame = document.createElement('iframe');
    B.frameStyle = 'position:fixed;left:0;top:0;border:0;margin:0;padding:0;visibility:hidden;pointer-events:none;z-index:-2147483647;';
    f.style.cssText = B.frameStyle + size;
    f.setAttribute('aria-hidden', 'true');
    f.tabIndex = -1;
    f.addEventListener('load', B.measureFrame);
    f.src = location.href.split('#')[0];
    (document.body || document.documentElement).appendChild(f);
  };
  if (B.measuring) return;
  B.measuring = true;
  window.addEventListener('resize', function () {
    clearTimeout(B.measureTimer);
    B.measureTimer = setTimeout(B.measure, 300);
  });
})();
)JS";

// Links that leave the local preview (the blank page's logo, a menu item's web address opened
// in a new window) go to the desktop's browser instead of a window the designer cannot show.
class PreviewPage : public QWebEnginePage {
public:
    using QWebEnginePage::QWebEnginePage;
    // Where the bridge's pick and measuring reports go; unset, they are ordinary console lines.
    std::function<void(const QString&)> onPick;
    std::function<void(const QString&)> onSizes;

protected:
    void javaScriptConsoleMessage(JavaScriptConsoleMessageLevel level, const QString& message,
                                  int line, const QString& source) override {
        if (onPick && message.startsWith(kPickPrefix)) {
            onPick(message.mid(kPickPrefix.size()));
            return;
        }
        if (onSizes && message.startsWith(kSizesPrefix)) {
            onSizes(message.mid(kSizesPrefix.size()));
            return;
        }
        QWebEnginePage::javaScriptConsoleMessage(level, message, line, source);
    }

    QWebEnginePage* createWindow(WebWindowType) override {
        auto* page = new QWebEnginePage(profile(), this);
        connect(page, &QWebEnginePage::urlChanged, page, [page](const QUrl& url) {
            if (url.isValid() && !url.isEmpty())
                QDesktopServices::openUrl(url);
            page->deleteLater();
        });
        return page;
    }
};

// Rows as the page writes them ("0.2.1"); nothing for anything else.
std::optional<PreviewBrowser::ItemRows> rowsOf(const QString& text) {
    PreviewBrowser::ItemRows rows;
    for (const QString& part : text.split(QLatin1Char('.'))) {
        bool ok = false;
        const int row = part.toInt(&ok);
        if (!ok || row < 0)
            return std::nullopt;
        rows.append(row);
    }
    return rows;
}

} // namespace

QWebEngineProfile* WebPreviewBrowser::previewProfile() {
    static QWebEngineProfile* profile = [] {
        auto* p = new QWebEngineProfile(QCoreApplication::instance());
        p->setHttpCacheType(QWebEngineProfile::NoCache);
        p->settings()->setAttribute(QWebEngineSettings::LocalContentCanAccessFileUrls, true);
        return p;
    }();
    return profile;
}

WebPreviewBrowser::WebPreviewBrowser(QWidget* parent) : QWebEngineView(parent) {
    setObjectName(QStringLiteral("WB"));
    setPage(new PreviewPage(previewProfile(), this));
    setContextMenuPolicy(Qt::NoContextMenu);
}

void WebPreviewBrowser::navigate(const QString& path) {
    setUrl(QUrl::fromLocalFile(path));
}

void WebPreviewBrowser::setPointing(std::function<void(const ItemRows&)> picked) {
    picked_ = std::move(picked);
    auto* preview = static_cast<PreviewPage*>(page());
    preview->onPick = [this](const QString& text) {
        const std::optional<ItemRows> rows = rowsOf(text);
        if (rows && picked_)
            picked_(*rows);
    };
    connect(this, &QWebEngineView::loadFinished, this, [this](bool ok) {
        if (ok)
            applyPointing();
    });
    applyPointing();
}

void WebPreviewBrowser::showItem(const ItemRows& rows) {
    shown_ = rows;
    applyPointing();
}

void WebPreviewBrowser::applyPointing() {
    if (!picked_ || url().isEmpty())
        return;
    QStringList rows;
    for (int row : shown_)
        rows << QString::number(row);
    page()->runJavaScript(
        QString::fromUtf8(kBridge) +
        QStringLiteral("window.__menuloomBridge.show([%1]);").arg(rows.join(',')));
}

void WebPreviewBrowser::setMeasuring(Measured measured) {
    measured_ = std::move(measured);
    auto* preview = static_cast<PreviewPage*>(page());
    preview->onSizes = [this](const QString& text) {
        const QJsonObject report = QJsonDocument::fromJson(text.toUtf8()).object();
        QList<DrawnItem> items;
        for (const QJsonValue& entry : report.value(QLatin1String("items")).toArray()) {
            const QJsonArray e = entry.toArray();
            const std::optional<ItemRows> rows = rowsOf(e.at(0).toString());
            if (rows && e.size() == 3)
                items.append({*rows, e.at(1).toDouble(), e.at(2).toDouble()});
        }
        if (measured_)
            measured_(items, report.value(QLatin1String("width")).toInt());
    };
    connect(this, &QWebEngineView::loadFinished, this, [this](bool ok) {
        if (ok)
            applyMeasuring();
    });
    applyMeasuring();
}

void WebPreviewBrowser::applyMeasuring() {
    if (!measured_ || url().isEmpty())
        return;
    page()->runJavaScript(QString::fromUtf8(kBridge) + QString::fromUtf8(kMeasure) +
                          QStringLiteral("window.__menuloomBridge.measure();"));
}

BrowserFactory WebPreviewBrowser::factory() {
    return [](QWidget* parent) {
        auto* view = new WebPreviewBrowser(parent);
        return BrowserView{view, view};
    };
}

} // namespace menuloom::app
