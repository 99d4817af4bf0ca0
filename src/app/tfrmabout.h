#pragma once
// The about box: product picture and name, the maker, and links to the sites and to e-mail.

#include <QDialog>

namespace menuloom::doc {
class Prompter;
}

namespace menuloom::app {

using doc::Prompter;

class TfrmAbout : public QDialog {
    Q_OBJECT
public:
    explicit TfrmAbout(Prompter& prompter, QWidget* parent = nullptr);

    // What the three clickable texts open.
    static QString makerSite() { return QStringLiteral("https://zelvane.example/"); }
    static QString productSite() { return QStringLiteral("https://menuloom.example/"); }
    static QString makerMail() { return QStringLiteral("mailto:support@zelvane.example"); }

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
};

} // namespace menuloom::app
