#pragma once
// The one seam to modal boxes, native dialogs and the desktop, so that windows can be tested.

#include "check/looks.h"

#include <QColor>
#include <QList>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

namespace menuloom::doc {

// What a colour does where it goes: how readable it leaves the text in one state ("normal",
// "mouse-over").
struct ColorUse {
    QString state;
    check::Readability readability;
};
// Judges a colour the picker offers, before it is chosen.
using ColorJudge = std::function<QList<ColorUse>(const QColor&)>;

struct FileFilter {
    QString description; // e.g. "JavaScript files (*.js)"
    QString pattern;     // e.g. "*.js", several separated by ";"
};

class Prompter {
public:
    enum class Buttons { Ok, YesNo, YesNoCancel };
    enum class Answer { Ok, Yes, No, Cancel };

    virtual ~Prompter() = default;
    // A modal message box; returns the button pressed (Ok for an Ok-only box).
    virtual Answer message(const QString& caption, const QString& text, Buttons buttons) = 0;
    // File dialogs; the empty string means the user cancelled.
    virtual QString openFile(const QString& title, const QList<FileFilter>& filters,
                             const QString& startFolder) = 0;
    virtual QString saveFile(const QString& title, const QList<FileFilter>& filters,
                             const QString& startFolder, const QString& initialName) = 0;
    // A folder dialog; the empty string means the user cancelled.
    virtual QString chooseFolder(const QString& title, const QString& startFolder) {
        (void)title, (void)startFolder;
        return {};
    }
    // The colour picker, full palette, any colour; a cancel gives nothing. It opens with
    // `initial`, or without one with the colour it held when it was last closed (one picker
    // for the whole program). With a judge, the picker shows its word on the colour shown, as
    // it changes.
    virtual std::optional<QColor> pickColor(std::optional<QColor> initial,
                                            const ColorJudge& judge) = 0;
    virtual QStringList fontFamilies() = 0;
    // Opens a local file or an address with the program the system has for it.
    virtual void openExternally(const QString& pathOrUrl) = 0;
};

} // namespace menuloom::doc
