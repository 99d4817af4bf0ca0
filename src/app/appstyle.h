#pragma once
// The application style sheet: hover and pressed looks of every button, edit, list and check box.

class QApplication;

namespace menuloom::app {

void applyAppStyle(QApplication& app);

} // namespace menuloom::app
