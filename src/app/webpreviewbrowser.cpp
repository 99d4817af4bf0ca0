#include "app/webpreviewbrowser.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QWebEnginePage>
#include <QWebEngineProfile>
#include <QWebEngineSettings>

namespace menuloom::app {

namespace {

// What a pick reports on the console, followed by the item's rows ("0.2.1").
const QLatin1String kPickPrefix("menuloom-pick:");

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

// Links that leave the local preview (the blank page's logo, a menu item's web address opened
// in a new window) go to the desktop's browser instead of a window the designer cannot show.
class PreviewPage : public QWebEnginePage {
public:
    using QWebEnginePage::QWebEnginePage;
    // Where the bridge's pick reports go; unset, they are ordinary console lines.
    std::function<void(const QString&)> onPick;

protected:
    void javaScriptConsoleMessage(JavaScriptConsoleMessageLevel level, const QString& message,
                                  int line, const QString& source) override {
        if (onPick && message.startsWith(kPickPrefix)) {
            onPick(message.mid(kPickPrefix.size()));
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
        ItemRows rows;
        for (const QString& part : text.split(QLatin1Char('.'))) {
            bool ok = false;
            const int row = part.toInt(&ok);
            if (!ok || row < 0)
                return;
            rows.append(row);
        }
        if (picked_)
            picked_(rows);
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

BrowserFactory WebPreviewBrowser::factory() {
    return [](QWidget* parent) {
        auto* view = new WebPreviewBrowser(parent);
        return BrowserView{view, view};
    };
}

} // namespace menuloom::app
