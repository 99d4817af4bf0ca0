// A generic Qt plugin that a test loads into the installed designer (QT_QPA_GENERIC_PLUGINS):
// once the main window is shown it closes it as the window manager would, so that the program
// takes its ordinary way out. When no main window shows within a minute (a message box stopped
// the start, say) it says so and ends the program with exit code 3.

#include <QApplication>
#include <QDeadlineTimer>
#include <QGenericPlugin>
#include <QTimer>
#include <QWidget>
#include <QWindow>
#include <cstdio>

namespace {

class Closer : public QObject {
public:
    Closer() {
        connect(&timer_, &QTimer::timeout, this, &Closer::poll);
        timer_.start(100);
    }

private:
    void poll() {
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            QWindow* window = widget->windowHandle();
            if (widget->objectName() == QLatin1String("frm") && window && window->isExposed()) {
                timer_.stop();
                window->close();
                return;
            }
        }
        if (deadline_.hasExpired()) {
            timer_.stop();
            std::fputs("closer: the designer's main window did not show\n", stderr);
            QCoreApplication::exit(3);
        }
    }

    QTimer timer_;
    QDeadlineTimer deadline_{60 * 1000};
};

} // namespace

class CloserPlugin : public QGenericPlugin {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QGenericPluginFactoryInterface_iid FILE "closeplugin.json")

public:
    QObject* create(const QString& key, const QString&) override {
        return key == QLatin1String("menuloomclose") ? new Closer : nullptr;
    }
};

#include "closeplugin.moc"
