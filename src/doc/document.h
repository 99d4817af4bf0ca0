#pragma once
// The document: the one project of a run with its undo history, the modified flag and the
// current file. Every change from every window goes through here as a command on the undo
// stack; views follow the typed signals below instead of each other.

#include "import/navimport.h"
#include "model/project.h"

#include <QObject>
#include <QString>
#include <memory>

class QUndoCommand;
class QUndoStack;

namespace menuloom::doc {

class Document : public QObject {
    Q_OBJECT
public:
    explicit Document(QObject* parent = nullptr);
    ~Document() override;

    // Read access for views; changes go through the edit operations below.
    const model::Project& project() const { return project_; }
    // The project itself, for commands, the reader and the resets.
    model::Project& mutableProject() { return project_; }
    QUndoStack* undoStack() const { return stack_; }

    // Changes that were not saved: the undo stack away from its clean state (the state saved or
    // opened last), or an edit marked outside the history since then.
    bool isModified() const { return modified_; }
    // The project as it stands is the saved one: the stack's clean state moves here.
    void clearModified();
    // Marks a change that the undo history does not hold (a step that changed nothing but counts
    // as an edit, the image list's "Ok"): sets the flag and, with `autoPreview`, starts the
    // countdown of the automatic preview.
    void markModified(bool autoPreview = true);

    // The data file the project was opened from or saved to last; empty for a new project.
    QString fileName() const { return fileName_; }
    void setFileName(const QString& path);

    // Replaces the whole project (New, Open, the start-up file): the history is cleared and the
    // views hear one reset. The flag is cleared unless `keepModified`.
    template <typename Fn> void replaceProject(Fn&& change, bool keepModified = false) {
        beginReplace();
        change(project_);
        endReplace(keepModified);
    }

    // Runs a command: pushes it on the undo stack (which applies it).
    void push(QUndoCommand* command);

    // --- Item operations (the selection is passed in; each does nothing without what it needs).
    // The results tell the caller what to select; a removed subtree stays with the command.
    model::TreeOpResult addItem(model::ItemNode* selection);
    model::TreeOpResult addSubItem(model::ItemNode* selection);
    model::TreeOpResult insertItem(model::ItemNode* selection);
    model::TreeOpResult deleteItem(model::ItemNode* selection);
    void deleteAllItems();
    model::TreeOpResult moveItemUp(model::ItemNode* selection);
    model::TreeOpResult moveItemDown(model::ItemNode* selection);
    // Fills the item clipboard (not a change of the menu, so not a step).
    bool copyItem(const model::ItemNode* selection);
    model::TreeOpResult pasteItem(model::ItemNode* selection);
    model::TreeOpResult dropItem(model::ItemNode* dragged, model::DropZone zone,
                                 model::ItemNode* target);
    // Record edits. Edits with the same non-zero `session` for the same node and field merge
    // into one undo step (a typing session).
    void renameItem(model::ItemNode* node, const std::string& text, int session = 0);
    void setItemField(model::ItemNode* node, model::ItemField field, const std::string& text,
                      int session = 0);
    void setItemImages(model::ItemNode* node, const std::string& img1, const std::string& img2);
    void setItemStyle(model::ItemNode* node, int32_t index);
    void setSmStyle(model::ItemNode* node, int32_t index);

    // --- Imported items (from a page's navigation or a sitemap): they replace every item, or
    // go after the last top-level item, as one step named `stepName`. Nothing happens without
    // items.
    void importItems(const std::vector<importer::ImportedItem>& items, bool replace,
                     const QString& stepName);

    // --- Parameters. Named after the parameter ("menuWidth"); edits of one row with the same
    // non-zero `session` merge (a track bar drag, a typing session, one opening of a list).
    void setParam(int row, model::TPropType value, int session = 0, bool autoPreview = true);
    void resetParam(int row);

    // --- Crossframe settings, as a whole (one "Ok" of the crossframe window, the save dialog's
    // "Crossframe support").
    void setCrossframe(const model::CrossframeSettings& settings);

    // --- Styles (Record is model::TStyle or model::TSmStyle). The style dialogs' edits set the
    // modified flag without starting the automatic preview. Returns the new or changed index,
    // or -1 when nothing happened.
    template <typename Record> int addStyle();
    template <typename Record> int duplicateStyle(int k);
    template <typename Record> bool deleteStyle(int k);
    template <typename Record> void deleteAllStyles();
    template <typename Record> bool renameStyle(int k, const std::string& name, int session = 0);
    template <typename Record> bool setStyle(int k, const Record& record, int session = 0);

    // A new number for a typing session, a track bar drag or a list opening.
    static int newSession();

signals:
    // After every change (a command, its undo or redo, a marked edit): drives the countdown of
    // the automatic preview (when `autoPreview`) and the window's modified mark.
    void changed(bool autoPreview);
    void modifiedChanged(bool modified);
    void fileNameChanged(const QString& path);

    // What changed, for the views.
    void paramChanged(int row);
    void itemChanged(model::ItemNode* node);
    void styleListChanged(model::StyleKind kind);
    void styleChanged(model::StyleKind kind, int k);
    void crossframeChanged();
    void aboutToReset();
    void projectReset();
    // After an undo or redo of an item step: the item it touched, for the item area to select
    // (null: select nothing).
    void itemTouched(model::ItemNode* node);

private:
    friend class DocumentCommand;
    void beginReplace();
    void endReplace(bool keepModified);
    // Called by commands after they applied, undid or redid a change.
    void noteChange(bool autoPreview);
    // Recomputes the flag and reports a change of it.
    void updateModified(bool assumeChanged = false);

    class Relay; // turns the project's observer calls into the signals above

    model::Project project_;
    std::unique_ptr<Relay> relay_;
    QUndoStack* stack_ = nullptr;
    QString fileName_;
    bool modified_ = false;
    bool markedOutsideHistory_ = false;
};

} // namespace menuloom::doc
