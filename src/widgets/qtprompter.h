#pragma once
// The real dialogs behind the Prompter seam: message boxes, file dialogs, colour picker, fonts and
// the desktop's "open".

#include "doc/prompter.h"

#include <QColor>

class QWidget;

namespace menuloom::widgets {

using doc::FileFilter;
using doc::Prompter;

class QtPrompter : public Prompter {
public:
    // Boxes and dialogs are parented to the active window, or to `fallbackParent` when none is.
    explicit QtPrompter(QWidget* fallbackParent = nullptr) : fallbackParent_(fallbackParent) {}
    void setFallbackParent(QWidget* parent) { fallbackParent_ = parent; }

    Answer message(const QString& caption, const QString& text, Buttons buttons) override;
    QString openFile(const QString& title, const QList<FileFilter>& filters,
                     const QString& startFolder) override;
    QString saveFile(const QString& title, const QList<FileFilter>& filters,
                     const QString& startFolder, const QString& initialName) override;
    QString chooseFolder(const QString& title, const QString& startFolder) override;
    std::optional<QColor> pickColor(std::optional<QColor> initial,
                                    const doc::ColorJudge& judge) override;
    QStringList fontFamilies() override;
    void openExternally(const QString& pathOrUrl) override;

private:
    QWidget* parentWidget() const;
    QWidget* fallbackParent_ = nullptr;
    QColor lastColor_ = Qt::white;
};

// The filter text of a file dialog: "Description (pattern pattern)" entries separated by ";;".
QString dialogFilterText(const QList<FileFilter>& filters);

} // namespace menuloom::widgets
