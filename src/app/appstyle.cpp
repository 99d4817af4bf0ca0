#include "app/appstyle.h"

#include <QApplication>

namespace menuloom::app {

void applyAppStyle(QApplication&) {}

} // namespace menuloom::app
