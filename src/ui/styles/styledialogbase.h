#pragma once
// What the Item Styles and Submenu Styles dialogs share: the style list with its Add,
// Duplicate, Delete and Delete All buttons, the name edit, Ok and Update, the selection that
// follows the document, and the steps every edit becomes.

#include "doc/prompter.h"
#include "model/project.h"
#include "widgets/framelessdialog.h"

#include <QString>
#include <functional>
#include <optional>

class QCheckBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace menuloom::doc {
class Document;
class Prompter;
} // namespace menuloom::doc

namespace menuloom::ui {

class StyleDialogBase : public widgets::FramelessDialog {
    Q_OBJECT
public:
    // The selected style, or -1.
    int selectedStyle() const { return selected_; }
    // Selects style k (anything else: none) as a click in the list does, and shows it.
    void selectStyle(int k);

signals:
    // "Update": the preview should be refreshed now.
    void updateRequested();

protected:
    // Object names of the list controls, which differ between the two dialogs.
    struct ListNames {
        const char* list;
        const char* add;
        const char* remove;
        const char* removeAll;
        const char* duplicate;
        const char* name;
    };

    StyleDialogBase(doc::Document& document, doc::Prompter& prompter, QString startFolder,
                    model::StyleKind kind, const QString& title, const ListNames& names,
                    QWidget* parent);

    // Places the list panel, `parameters` (the value controls) and the Ok and Update bar.
    void setParametersPanel(QWidget* parameters);
    // The selection display of the subclass; runs after every list operation, every Clear and
    // every change the document makes behind the dialog.
    virtual void showSelection() = 0;
    // The user changed the name edit's text.
    virtual void nameEdited() = 0;
    // The text's contrast under the colours, shown again after every change of the document
    // (the dialog's own, one behind it, an undo) and of the selection.
    virtual void showContrast() {}
    // Shows the common part: the list's selection, the name, what is enabled.
    void showCommon();

    // --- The steps (Record is model::TStyle or model::TSmStyle); each needs a selection except
    // Add and Delete All.
    template <typename Record> void addStep();
    template <typename Record> void duplicateStep();
    template <typename Record> void deleteStep();
    template <typename Record> void deleteAllStep();
    template <typename Record> void renameStep();
    // Changes the selected record; edits with the same non-zero session merge into one step.
    template <typename Record>
    void editStep(const std::function<void(Record&)>& change, int session = 0);
    // The selected record, or null.
    template <typename Record> const Record* selectedRecord() const;

    // A Latin-1 text of the tables of captions and names.
    static QString latin(const char* text);
    // A button of the parameters panel (made without a parent: the layout adopts it in reading
    // order); `accessibleName` where its caption repeats in the window.
    static QPushButton* makeButton(const char* name, const QString& caption,
                                   const QString& accessibleName = {});
    // The check box of a style group's flag. A toggle, also one made through the accessibility
    // interface, goes to `onToggle` unless the dialog is filling its controls.
    QCheckBox* makeFlagBox(const char* name, const char* caption,
                           std::function<void(QCheckBox*, bool)> onToggle);

    // The colour picker, not preset; the picked colour as a model value. With a judge, the
    // picker tells what each colour it shows would do.
    std::optional<int32_t> pickColor(const doc::ColorJudge& judge = {});
    // The image file picker; the path made relative to the working folder.
    std::optional<QString> pickImage();

    // A typing session per focus of `edit`, renewed when another style is selected.
    void trackSession(QLineEdit* edit);
    static int sessionOf(const QLineEdit* edit);
    // Sets an edit's text without it counting as typing.
    void setEditText(QLineEdit* edit, const QString& text);

    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

    void spdOkClick();
    void spdUpdateClick();
    // Enter and Escape anywhere in the dialog close it like Ok; the key goes no further.
    void FormKeyPress(QKeyEvent* event);

    doc::Document& document_;
    doc::Prompter& prompter_;
    QString startFolder_;
    model::StyleKind kind_;
    int selected_ = -1;
    bool filling_ = false; // the dialog fills its controls: nothing is written back
    int own_ = 0;          // the dialog's own step is running: the document's echo is expected

    QListWidget* list_ = nullptr;
    QPushButton* add_ = nullptr;
    QPushButton* remove_ = nullptr;
    QPushButton* removeAll_ = nullptr;
    QPushButton* duplicate_ = nullptr;
    QLineEdit* name_ = nullptr;
    QPushButton* spdOk = nullptr;
    QPushButton* spdUpdate = nullptr;
    QWidget* parameters_ = nullptr;
    QLabel* hint_ = nullptr; // says why the value controls take no input

private:
    const std::vector<std::string>& names() const;
    void fillList();
    void listSelectionChanged();
    void listChangedBehind();
    void renewSessions();

    int shownCount_ = 0;
    QList<QLineEdit*> sessionEdits_;
};

} // namespace menuloom::ui
