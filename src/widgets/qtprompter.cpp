#include "widgets/qtprompter.h"

#include "widgets/contrastnote.h"

#include <QApplication>
#include <QBoxLayout>
#include <QColorDialog>
#include <QDesktopServices>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontDatabase>
#include <QMessageBox>
#include <QUrl>

namespace menuloom::widgets {

QString dialogFilterText(const QList<FileFilter>& filters) {
    QStringList parts;
    for (const FileFilter& f : filters) {
        QString patterns = f.pattern;
        patterns.replace(';', ' ');
        // The dialog takes the patterns from the last parenthesis; descriptions such as
        // "All files (*.*)" already end with theirs.
        if (f.description.endsWith(QStringLiteral("(%1)").arg(patterns)))
            parts << f.description;
        else
            parts << QStringLiteral("%1 (%2)").arg(f.description, patterns);
    }
    return parts.join(QStringLiteral(";;"));
}

QWidget* QtPrompter::parentWidget() const {
    if (QWidget* active = QApplication::activeModalWidget())
        return active;
    if (QWidget* active = QApplication::activeWindow())
        return active;
    return fallbackParent_;
}

Prompter::Answer QtPrompter::message(const QString& caption, const QString& text, Buttons buttons) {
    QString shown = text;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    QMessageBox box(parentWidget());
    box.setWindowTitle(caption);
    box.setText(shown);
    box.setTextFormat(Qt::PlainText);
    switch (buttons) {
    case Buttons::Ok:
        box.setIcon(QMessageBox::Information);
        box.setStandardButtons(QMessageBox::Ok);
        break;
    case Buttons::YesNo:
        box.setIcon(QMessageBox::Question);
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        break;
    case Buttons::YesNoCancel:
        box.setIcon(QMessageBox::Question);
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        break;
    }
    switch (box.exec()) {
    case QMessageBox::Yes:
        return Answer::Yes;
    case QMessageBox::No:
        return Answer::No;
    case QMessageBox::Ok:
        return Answer::Ok;
    default:
        return buttons == Buttons::Ok ? Answer::Ok : Answer::Cancel;
    }
}

QString QtPrompter::openFile(const QString& title, const QList<FileFilter>& filters,
                             const QString& startFolder) {
    return QFileDialog::getOpenFileName(parentWidget(), title, startFolder,
                                        dialogFilterText(filters));
}

QString QtPrompter::saveFile(const QString& title, const QList<FileFilter>& filters,
                             const QString& startFolder, const QString& initialName) {
    QString start = startFolder;
    if (!initialName.isEmpty())
        start = startFolder.isEmpty() ? initialName : startFolder + initialName;
    return QFileDialog::getSaveFileName(parentWidget(), title, start, dialogFilterText(filters));
}

QString QtPrompter::chooseFolder(const QString& title, const QString& startFolder) {
    return QFileDialog::getExistingDirectory(parentWidget(), title, startFolder);
}

std::optional<QColor> QtPrompter::pickColor(std::optional<QColor> initial,
                                            const doc::ColorJudge& judge) {
    // Qt's own dialog everywhere: the same controls (the "HTML:" field) on every desktop.
    QColorDialog dialog(initial.value_or(lastColor_), parentWidget());
    dialog.setOption(QColorDialog::DontUseNativeDialog);
    if (judge) {
        // The judge's word on the colour shown, above the dialog's buttons.
        auto* note = new ContrastNote(&dialog);
        note->setObjectName(QStringLiteral("lblPickerContrast"));
        auto show = [note, judge](const QColor& color) { note->setUses(judge(color)); };
        show(dialog.currentColor());
        QObject::connect(&dialog, &QColorDialog::currentColorChanged, note, show);
        if (auto* box = qobject_cast<QBoxLayout*>(dialog.layout()))
            box->insertWidget(box->count() - 1, note);
        else
            dialog.layout()->addWidget(note);
    }
    const int result = dialog.exec();
    lastColor_ = dialog.currentColor();
    if (result != QDialog::Accepted || !dialog.selectedColor().isValid())
        return std::nullopt;
    lastColor_ = dialog.selectedColor();
    return lastColor_;
}

QStringList QtPrompter::fontFamilies() {
    return QFontDatabase::families();
}

void QtPrompter::openExternally(const QString& pathOrUrl) {
    const QUrl url = pathOrUrl.contains(QStringLiteral("://")) || pathOrUrl.startsWith("mailto:")
                         ? QUrl(pathOrUrl)
                         : QUrl::fromLocalFile(QFileInfo(pathOrUrl).absoluteFilePath());
    QDesktopServices::openUrl(url);
}

} // namespace menuloom::widgets
