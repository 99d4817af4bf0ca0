#pragma once
// Acts on the next modal dialog as soon as it is shown, so that a test can call code that runs
// exec() and still press the dialog's buttons.

#include <QApplication>
#include <QDeadlineTimer>
#include <QDialog>
#include <QTest>
#include <QTimer>
#include <functional>
#include <memory>

namespace menuloom::app::testing {

// Closes every open modal widget, so that the exec() that runs it returns.
inline void closeModals() {
    for (int guard = 0; guard < 16; ++guard) {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal)
            return;
        if (auto* dialog = qobject_cast<QDialog*>(modal))
            dialog->reject();
        else
            modal->close();
    }
}

// Polls for a modal widget other than `except` and runs `act` on it once; gives up after 20 s.
// A check that fails inside `act` returns from it with the dialog still open: the dialogs are
// then closed, so that the test ends at once instead of at its time-out.
inline void onNextModal(std::function<void(QWidget*)> act, QWidget* except = nullptr) {
    auto deadline = std::make_shared<QDeadlineTimer>(20000);
    auto* timer = new QTimer;
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, [timer, deadline, act = std::move(act), except] {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal && modal != except && modal->isVisible()) {
            timer->stop();
            timer->deleteLater();
            act(modal);
            if (QTest::currentTestFailed())
                closeModals();
        } else if (deadline->hasExpired()) {
            timer->stop();
            timer->deleteLater();
        }
    });
    timer->start();
}

} // namespace menuloom::app::testing
