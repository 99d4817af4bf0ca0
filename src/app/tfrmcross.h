#pragma once
// "Crossframe Options": the frameset ID, the two frame numbers and the orientation of a menu
// that spans the frames of a frameset.

#include "model/crossframe.h"

#include <QDialog>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace menuloom::output {

class TfrmCross : public QDialog {
    Q_OBJECT
public:
    // Edits `settings` in place: every change stays, there is no cancel.
    explicit TfrmCross(model::CrossframeSettings& settings, QWidget* parent = nullptr);

    // The fixed help text above the fields, one entry per line.
    static QStringList helpLines();

    QLineEdit* eFsetID = nullptr;
    QLineEdit* eTopNum = nullptr;
    QLineEdit* eSubNum = nullptr;
    QCheckBox* cbVertical = nullptr;
    QPushButton* spdOk = nullptr;

    // Shows the settings as they stand (after a reset or a read since the last opening).
    void loadFromSettings();

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    model::CrossframeSettings& settings_;
    bool loading_ = false;
};

} // namespace menuloom::output
