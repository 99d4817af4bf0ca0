#include "app/fieldkeys.h"

#include "widgets/typingsession.h"

#include <QEvent>
#include <QKeyEvent>
#include <QLineEdit>

namespace menuloom::app {

namespace {

bool isEnter(const QKeyEvent* key) {
    return key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
}

} // namespace

bool FieldKeys::eventFilter(QObject* watched, QEvent* event) {
    auto* edit = qobject_cast<QLineEdit*>(watched);
    if (!edit)
        return false;
    switch (event->type()) {
    case QEvent::FocusIn:
        edit->setProperty(kRestore, edit->text());
        widgets::startTypingSession(edit);
        return false;
    case QEvent::ShortcutOverride: {
        // Keep Enter and Escape for the field even when a window shortcut uses them.
        auto* key = static_cast<QKeyEvent*>(event);
        if (isEnter(key) || key->key() == Qt::Key_Escape) {
            event->accept();
            return true;
        }
        return false;
    }
    case QEvent::KeyPress: {
        auto* key = static_cast<QKeyEvent*>(event);
        if (isEnter(key)) {
            edit->setProperty(kRestore, edit->text());
            edit->selectAll();
            widgets::startTypingSession(edit);
            return true;
        }
        if (key->key() == Qt::Key_Escape) {
            // Written back within the session, so that typing and its restore cancel out.
            edit->setText(edit->property(kRestore).toString());
            edit->selectAll();
            widgets::startTypingSession(edit);
            return true;
        }
        return false;
    }
    default:
        return false;
    }
}

} // namespace menuloom::app
