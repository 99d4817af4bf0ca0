#pragma once
// The splash window: the product picture and the maker's name while the designer starts. It
// stays the program's principal window: closing it ends the program.

#include <QTimer>
#include <QWidget>

namespace menuloom::app {

inline constexpr const char* kMakerName = "Zelvane";

class TfrmSplash : public QWidget {
    Q_OBJECT
public:
    static constexpr int kCheckInterval = 200; // ms

    explicit TfrmSplash(QWidget* parent = nullptr);
    // Hides the splash the first time `window` is visible, checked every 200 ms.
    void watch(QWidget* window);
    QTimer& timer() { return timer_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    QImage picture_;
    QWidget* watched_ = nullptr;
    QTimer timer_;
};

} // namespace menuloom::app
