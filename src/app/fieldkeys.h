#pragma once
// Enter and Escape in the item panel's fields, and the text a field had when it got the focus.

#include <QObject>

namespace menuloom::app {

// Installed as an event filter on each field: Enter keeps the text and starts a new typing
// session, Escape brings back the text the field had when it got the focus (as a step of the same
// session, so that the typing and its restore cancel out).
class FieldKeys : public QObject {
public:
    using QObject::QObject;

    bool eventFilter(QObject* watched, QEvent* event) override;

    // The property that holds the text to restore.
    static constexpr const char* kRestore = "restoreText";
};

} // namespace menuloom::app
