// The designer's entry point.

#include "app/appstyle.h"
#include "app/apptitle.h"
#include "app/designer.h"
#include "app/startup.h"
#include "app/tfrm.h"
#include "app/webpreviewbrowser.h"
#include "doc/document.h"
#include "doc/recovery.h"
#include "widgets/qtprompter.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <unistd.h>

int main(int argc, char** argv) {
    // The browser's sandbox refuses to run as root; a desktop user is never root.
    if (::getuid() == 0 && qEnvironmentVariableIsEmpty("QTWEBENGINE_DISABLE_SANDBOX"))
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Menuloom"));
    QApplication::setOrganizationName(QStringLiteral("Zelvane"));
    QApplication::setApplicationDisplayName(menuloom::app::appTitle());
    QApplication::setApplicationVersion(QStringLiteral(MENULOOM_VERSION));
    menuloom::app::applyAppStyle(app);
    // The splash window ends the program when it is closed, after the main window's question.
    QApplication::setQuitOnLastWindowClosed(false);

    menuloom::widgets::QtPrompter prompter;
    menuloom::app::StartupOptions options;
    options.programFolder = QCoreApplication::applicationDirPath() + QLatin1Char('/');
    options.tempFolder = QDir::tempPath() + QLatin1Char('/');
    options.prompter = &prompter;
    options.browsers = menuloom::app::WebPreviewBrowser::factory();
    options.recoveryFolder = menuloom::doc::RecoveryStore::defaultFolder();

    // A data file named on the command line (the desktop's "open with") opens after start-up;
    // its path is taken before start-up moves the current folder to the program folder.
    const QStringList args = QCoreApplication::arguments();
    const QString file = args.size() > 1 && !args[1].startsWith(QLatin1Char('-'))
                             ? QFileInfo(args[1]).absoluteFilePath()
                             : QString();

    int exitCode = 0;
    auto designer = menuloom::app::DesignerApp::start(options, &exitCode);
    if (!designer)
        return exitCode;
    prompter.setFallbackParent(&designer->mainWindow());
    if (!file.isEmpty())
        designer->mainWindow().designer().openProject(file);
    // For the crash test only, which cannot type into a child process: one edit made as the
    // item area makes it, an item with this caption added at the end.
    const QString testEdit = qEnvironmentVariable("MENULOOM_TEST_EDIT");
    if (!testEdit.isEmpty()) {
        menuloom::doc::Document& document = designer->document();
        menuloom::model::ItemNode* item = document.addItem(nullptr).created;
        document.renameItem(item, testEdit.toStdString());
    }
    const int result = QApplication::exec();
    designer.reset();
    return result;
}
