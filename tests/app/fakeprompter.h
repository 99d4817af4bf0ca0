#pragma once
// Scripted stand-ins for the dialogs and the browser: they record what was asked and give the
// next prepared answer.

#include "app/previewbrowser.h"
#include "doc/prompter.h"

#include <QQueue>
#include <QStringList>
#include <QWidget>

namespace menuloom::app::testing {

using doc::FileFilter;
using doc::Prompter;

class FakePrompter : public Prompter {
public:
    struct Message {
        QString caption;
        QString text;
        Buttons buttons;
    };
    struct FileRequest {
        QString title;
        QList<FileFilter> filters;
        QString startFolder;
        QString initialName;
    };

    QList<Message> messages;
    QList<FileRequest> fileRequests;
    QStringList opened;
    QQueue<Answer> answers;                     // for message(); Ok/Yes by default
    QQueue<QString> files;                      // for openFile()/saveFile(); "" (cancel) by default
    QQueue<std::optional<QColor>> colors;       // answers of pickColor()
    QList<std::optional<QColor>> colorRequests; // the colour each pick opened with, if any
    doc::ColorJudge lastJudge;                  // what the last pick was told to judge by
    QStringList families{"Tahoma", "Verdana", "Arial"};

    Answer message(const QString& caption, const QString& text, Buttons buttons) override {
        messages.append({caption, text, buttons});
        if (!answers.isEmpty())
            return answers.dequeue();
        return buttons == Buttons::Ok ? Answer::Ok : Answer::Yes;
    }
    QString openFile(const QString& title, const QList<FileFilter>& filters,
                     const QString& startFolder) override {
        fileRequests.append({title, filters, startFolder, {}});
        return files.isEmpty() ? QString() : files.dequeue();
    }
    QString saveFile(const QString& title, const QList<FileFilter>& filters,
                     const QString& startFolder, const QString& initialName) override {
        fileRequests.append({title, filters, startFolder, initialName});
        return files.isEmpty() ? QString() : files.dequeue();
    }
    QString chooseFolder(const QString& title, const QString& startFolder) override {
        fileRequests.append({title, {}, startFolder, {}});
        return files.isEmpty() ? QString() : files.dequeue();
    }
    std::optional<QColor> pickColor(std::optional<QColor> initial,
                                    const doc::ColorJudge& judge) override {
        colorRequests.append(initial);
        lastJudge = judge;
        return colors.isEmpty() ? std::nullopt : colors.dequeue();
    }
    QStringList fontFamilies() override { return families; }
    void openExternally(const QString& pathOrUrl) override { opened.append(pathOrUrl); }
};

class FakeBrowser : public PreviewBrowser {
public:
    QStringList paths;
    void navigate(const QString& path) override { paths.append(path); }
};

// A fake browser that a window can place in its layout.
class FakeBrowserWidget : public QWidget, public FakeBrowser {
public:
    using QWidget::QWidget;
};

// Makes fake browsers for the windows and remembers them in the order they were made (the main
// window's first, then the full-screen window's).
class FakeBrowsers {
public:
    QList<FakeBrowserWidget*> made;
    BrowserFactory factory() {
        return [this](QWidget* parent) {
            auto* browser = new FakeBrowserWidget(parent);
            made.append(browser);
            return BrowserView{browser, browser};
        };
    }
};

} // namespace menuloom::app::testing
