#pragma once
// The about box: product picture and name, the maker, and links to the sites and to e-mail.

#include <QDialog>

namespace menuloom::app {

class Prompter;

class TfrmAbout : public QDialog {
    Q_OBJECT
public:
    explicit TfrmAbout(Prompter& prompter, QWidget* parent = nullptr);
};

} // namespace menuloom::app
