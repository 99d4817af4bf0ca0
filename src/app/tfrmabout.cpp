#include "app/tfrmabout.h"

namespace menuloom::app {

TfrmAbout::TfrmAbout(Prompter&, QWidget* parent) : QDialog(parent) {}

} // namespace menuloom::app
