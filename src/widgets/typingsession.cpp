#include "widgets/typingsession.h"

#include "doc/document.h"

#include <QVariant>
#include <QWidget>

namespace menuloom::widgets {

namespace {
constexpr const char* kSession = "typingSession";
} // namespace

void startTypingSession(QWidget* field) {
    field->setProperty(kSession, doc::Document::newSession());
}

int typingSession(const QWidget* field) {
    return field->property(kSession).toInt();
}

} // namespace menuloom::widgets
