#pragma once
// Scripted stand-ins for the dialogs and the browser: they record what was asked and give the
// next prepared answer.

#include "app/previewbrowser.h"
#include "app/prompter.h"

#include <QQueue>
#include <QStringList>

namespace menuloom::app::testing {

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
    QQueue<Answer> answers; // for message(); Ok/Yes by default
    QQueue<QString> files;  // for openFile()/saveFile(); "" (cancel) by default
    QQueue<std::optional<QColor>> colors;
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
    std::optional<QColor> pickColor(const QColor&) override {
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

} // namespace menuloom::app::testing
