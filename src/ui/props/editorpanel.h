#pragma once
// The frame of one value editor: a bordered panel of the main window that a screen reader hears
// as one panel holding the editor's controls.

#include <QFrame>

namespace menuloom::ui {

class EditorPanel : public QFrame {
    Q_OBJECT
public:
    explicit EditorPanel(QWidget* parent);
};

} // namespace menuloom::ui
