#pragma once
// The main window: the menus, the command buttons, the property and item regions, the update
// bar and the live preview.

#include "app/designer.h"
#include "app/previewbrowser.h"
#include "check/checks.h"

#include <QMainWindow>

class QAction;
class QCheckBox;
class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QMenu;
class QPlainTextEdit;
class QPushButton;
class QSplitter;
class QTabWidget;
class QVBoxLayout;

namespace menuloom::ui {
class DGProps;
class ValueEditors;
} // namespace menuloom::ui

namespace menuloom::doc {
class Document;
class Prompter;
} // namespace menuloom::doc

namespace menuloom::app {

using doc::Document;
using doc::Prompter;

class ChecksPanel;
class ItemEditor;
class TfrmImport;

class Tfrm : public QMainWindow {
    Q_OBJECT
public:
    // Creates the window as start-up needs it: recent files loaded from `settingsPath`, the
    // project reset, the blank page written and shown.
    Tfrm(Document& document, Folders folders, Prompter& prompter, const BrowserFactory& browsers,
         const QString& settingsPath, QWidget* parent = nullptr);
    ~Tfrm() override;

    Document& document() { return document_; }
    Designer& designer() { return *designer_; }
    ItemEditor* itemEditor() const { return itemEditor_; }
    PreviewBrowser& browser() { return *browser_; }
    QWidget* browserWidget() const { return browserWidget_; }

    // Shown modally by Help > "About...".
    void setAboutBox(QDialog* about) { about_ = about; }
    // Shown modally by File > "Publish to Site...".
    void setPublishWindow(QDialog* publish) { publish_ = publish; }
    // Shown modally by "Item Styles..." and "Submenu Styles...".
    void setStyleDialogs(QDialog* itemStyles, QDialog* submenuStyles);
    // The place of the property grid, above the hint box.
    QVBoxLayout* propertyArea() const { return propsLayout_; }

    // Widths of the preview browser for "Tablet" and "Phone".
    static constexpr int kTabletWidth = 768;
    static constexpr int kPhoneWidth = 375;

    // Controls by the names the rest of the program and the tests use.
    QPushButton* spdBuild = nullptr;
    QPushButton* spdFullScreen = nullptr;
    QPushButton* spdPreviewBrowser = nullptr;
    QPushButton* spdOpen = nullptr;
    QPushButton* newSpd1 = nullptr;
    QPushButton* spdUpdate = nullptr;
    QPushButton* spdStyles = nullptr;
    QPushButton* spdSubmenuStyles = nullptr;
    QCheckBox* cbAutoUpdate = nullptr;
    QCheckBox* cbPreview = nullptr;
    QComboBox* cbPreviewWidth = nullptr; // "Desktop", "Tablet", "Phone"
    QFrame* pnlPreview = nullptr;
    QPlainTextEdit* mmNote = nullptr;
    QTabWidget* tabNotes = nullptr; // the hint and the checks
    ChecksPanel* checks = nullptr;
    QLineEdit* eFilter = nullptr;
    ui::DGProps* DGProps = nullptr;
    ui::ValueEditors* valueEditors = nullptr;
    QMenu* recentMenu = nullptr;
    QMenu* examplesMenu = nullptr;
    QAction* actNew = nullptr;
    QAction* actOpen = nullptr;
    QAction* actSave = nullptr;
    QAction* actImport = nullptr;
    QAction* actPublish = nullptr;
    QAction* actExit = nullptr;
    QAction* actUndo = nullptr;
    QAction* actRedo = nullptr;
    QAction* actFullscreen = nullptr;
    QAction* actPreviewBrowser = nullptr;
    QAction* actHelp = nullptr;
    QAction* actAbout = nullptr;

signals:
    // The close question allowed the window to close and the recent files were written.
    void closed();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildMenus();
    QWidget* buildTitleStrip();
    QWidget* buildEditingArea();
    QWidget* buildUpdateBar();
    QWidget* buildStylesRegion();
    void rebuildRecentMenu();
    void rebuildExamplesMenu();
    void updateFileLabel();

    void newSpd1Click();
    void spdOpenClick();
    void spdBuildClick();
    void spdUpdateClick();
    void spdFullScreenClick();
    void spdPreviewBrowserClick();
    void cbPreviewClick();
    void helpIndexClick();
    void aboutClick();
    void importClick();
    void DGPropsSelectCell(int row);
    void openStyleDialog(QDialog* dialog);
    // Shows the place of a finding: the item in the tree, the parameter's row in the grid, or the
    // style dialog with that style selected.
    void goToPlace(const check::Place& place);

    Document& document_;
    Prompter& prompter_;
    Designer* designer_ = nullptr;
    PreviewBrowser* browser_ = nullptr;
    QWidget* browserWidget_ = nullptr;
    ItemEditor* itemEditor_ = nullptr;
    QSplitter* splitMain_ = nullptr;
    QByteArray splitState_;
    QVBoxLayout* propsLayout_ = nullptr;
    QLabel* lblFile_ = nullptr;
    QDialog* about_ = nullptr;
    TfrmImport* import_ = nullptr;
    QDialog* publish_ = nullptr;
    QDialog* itemStyles_ = nullptr;
    QDialog* submenuStyles_ = nullptr;
};

} // namespace menuloom::app
