#pragma once
// "Crossframe Options": the frameset ID, the two frame numbers and the orientation of a menu
// that spans the frames of a frameset.

#include "model/crossframe.h"

#include <QDialog>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace menuloom::doc {
class Document;
}

namespace menuloom::app {

using doc::Document;

class TfrmCross : public QDialog {
    Q_OBJECT
public:
    // Edits the document's crossframe settings: what the fields hold when the window closes
    // (there is no cancel) becomes one step of the undo history.
    explicit TfrmCross(Document& document, QWidget* parent = nullptr);

    // The longest frame number the fields take: longer ones could not be read back.
    static constexpr int kFrameNumberLength = 9;

    // The fixed help text above the fields, one entry per line.
    static QStringList helpLines();

    QLineEdit* eFsetID = nullptr;
    QLineEdit* eTopNum = nullptr;
    QLineEdit* eSubNum = nullptr;
    QCheckBox* cbVertical = nullptr;
    QPushButton* spdOk = nullptr;

    // Shows the settings as they stand (after a reset or a read since the last opening).
    void loadFromSettings();
    // The settings as the fields hold them.
    model::CrossframeSettings fieldSettings() const;

    void done(int result) override;

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    Document& document_;
};

} // namespace menuloom::app
