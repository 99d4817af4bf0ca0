#pragma once
// The typing session of a text field: the edits made in it between two starts merge into one
// undo step of the document. A field starts one when it takes the focus, on Enter and Escape.

class QWidget;

namespace menuloom::widgets {

void startTypingSession(QWidget* field);
// The field's current session (0 before its first).
int typingSession(const QWidget* field);

} // namespace menuloom::widgets
