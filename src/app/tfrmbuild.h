#pragma once
// "Save script": the data file path, the page name and the switches, the overwrite question and
// the writes of the data file, the page and the engine copy.

#include "output/savescript.h"

#include <QDialog>

class QCheckBox;
class QLineEdit;
class QPushButton;

namespace menuloom::doc {
class Document;
class Prompter;
} // namespace menuloom::doc

namespace menuloom::app {

using doc::Document;
using doc::Prompter;

class TfrmCross;

// Shows the output folder in grey, shortened in the middle when it does not fit.
class FolderDisplay : public QWidget {
    Q_OBJECT
public:
    explicit FolderDisplay(QWidget* parent = nullptr);
    void setFolder(const QString& folder);
    QString folder() const { return folder_; }
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString folder_;
};

class TfrmBuild : public QDialog {
    Q_OBJECT
public:
    TfrmBuild(Document& document, Prompter& prompter, QString programFolder, TfrmCross& cross,
              QWidget* parent = nullptr);

    // The paths of a save attempt, computed from the two fields as they stand.
    struct Paths {
        QString data;
        QString folder; // output folder with its trailing "/"
        QString page;
        QString engine;
    };
    Paths paths() const;
    // The save as the fields and switches stand.
    output::SaveRequest request() const;

    bool keepNames() const { return keepNames_; }
    // The proposed names: the program folder's "zel_data.js", "zelmenu.html", all three ticked.
    void resetToDefaults();
    // After Open: save back to `path`, data file only; the names are kept from now on.
    void adoptOpenedFile(const QString& path);
    // After New: propose the default names at the next opening.
    void forgetNames() { keepNames_ = false; }
    // After New from Example: no data path, so that the first save asks where the user's copy
    // goes; data file, page and engine all ticked.
    void startFromExample();

    // The settings file that remembers "Links in the page"; read at once.
    void setSettingsPath(const QString& path);

    // "Save": the save attempt; true when it completed and the dialog closed with OK.
    bool spdBuildClick();

    QCheckBox* cbData = nullptr;
    QLineEdit* eData = nullptr;
    QPushButton* spdDataSelect = nullptr;
    QCheckBox* cbHTML = nullptr;
    FolderDisplay* pbPath = nullptr;
    QLineEdit* eHTML = nullptr;
    QCheckBox* cbScript = nullptr; // never shown
    QCheckBox* cbLinks = nullptr;  // "Links in the page (...)", remembered in the settings file
    QCheckBox* cbCross = nullptr;
    QPushButton* spdItemLink = nullptr; // "Crossframe options..."
    QPushButton* spdBuild = nullptr;
    QPushButton* spdCancel = nullptr;

signals:
    // A save completed: the project is no longer modified.
    void saved();

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void spdDataSelectClick();
    void eDataChange();
    void spdItemLinkClick();
    void showMessage(const QString& text);

    Document& document_;
    Prompter& prompter_;
    QString programFolder_;
    TfrmCross& cross_;
    bool keepNames_ = false;
    QString settingsPath_;
};

} // namespace menuloom::app
