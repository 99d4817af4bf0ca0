#pragma once
// The application's title: the caption of the main window and of the program's plain messages.

#include <QString>

namespace menuloom::app {

inline QString appTitle() {
    return QStringLiteral("[Menuloom]");
}

} // namespace menuloom::app
