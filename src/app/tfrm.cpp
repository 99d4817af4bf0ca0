#include "app/tfrm.h"

#include "app/previewlayout.h"

#include "app/apptitle.h"
#include "app/checkspanel.h"
#include "app/itemeditor.h"
#include "app/logo.h"
#include "app/tfrmimport.h"
#include "doc/document.h"
#include "doc/prompter.h"
#include "output/pagewriter.h"
#include "ui/props/dgprops.h"
#include "ui/props/valueeditors.h"
#include "ui/styles/styledialogbase.h"

#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSplitter>
#include <QTabBar>
#include <QTabWidget>
#include <QToolButton>
#include <QTreeView>
#include <QUndoStack>
#include <QVBoxLayout>

#include <utility>
#include <vector>

namespace menuloom::app {

namespace {

QLabel* regionCaption(const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setProperty("caption", true);
    return label;
}

QPushButton* commandButton(const char* name, const QString& text, QWidget* parent) {
    auto* button = new QPushButton(text, parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setCursor(Qt::PointingHandCursor);
    return button;
}

constexpr const char* kFrameStyle = R"(
QFrame#pnlTitle { background: #ffffff; border: none; border-bottom: 1px solid #dfe3ea; }
QLabel#lblProduct { color: #1f293b; font-size: 15px; font-weight: 600; }
QLabel#lblFile { color: #6b7280; }
QFrame[region="true"] { background: #ffffff; border: 1px solid #d8dde6; border-radius: 6px; }
QLabel[caption="true"] { color: #394356; font-weight: 600; }
QFrame#pnlUpdate { background: #ffffff; border: 1px solid #d8dde6; border-radius: 6px; }
QFrame#pnlPreview { background: #ffffff; border: 1px solid #c9d0db; }
QPlainTextEdit#mmNote { background: #f7f8fa; border: 1px solid #e1e5eb; border-radius: 4px;
                        color: #3f4a5c; }
QListWidget#lbChecks, QLabel#lblChecksClean { background: #f7f8fa; border: 1px solid #e1e5eb;
                                              border-radius: 4px; color: #3f4a5c; }
QSplitter::handle:vertical { height: 6px; }
QSplitter::handle:horizontal { width: 6px; }
)";

} // namespace

Tfrm::Tfrm(Document& document, Folders folders, Prompter& prompter, const BrowserFactory& browsers,
           const QString& settingsPath, QWidget* parent)
    : QMainWindow(parent), document_(document), prompter_(prompter) {
    setObjectName(QStringLiteral("frm"));
    setWindowTitle(appTitle());
    setWindowIcon(appIcon());
    // The file dialogs start where the user was when the program started.
    if (folders.start.isEmpty())
        folders.start = QDir::currentPath() + QLatin1Char('/');

    auto* backdrop = new Backdrop(this);
    backdrop->setObjectName(QStringLiteral("pnlBackground"));
    backdrop->setStyleSheet(QString::fromLatin1(kFrameStyle));
    setCentralWidget(backdrop);

    // The preview browser exists before the designer: the reset below shows the blank page.
    pnlPreview = new QFrame(backdrop);
    pnlPreview->setObjectName(QStringLiteral("pnlPreview"));
    auto* previewLayout = new CentredLayout(pnlPreview);
    // The browser keeps 2 pixels clear of its panel's edges on every side; at a tablet's or a
    // phone's width it stands in the middle.
    previewLayout->setContentsMargins(2, 2, 2, 2);
    const BrowserView view = browsers(pnlPreview);
    browser_ = view.browser;
    browserWidget_ = view.widget;
    browserWidget_->setMinimumHeight(120);
    previewLayout->addWidget(browserWidget_);

    designer_ = new Designer(document_, folders, prompter, *browser_, this);
    designer_->setSettingsPath(settingsPath);

    itemEditor_ = new ItemEditor(document_, prompter, folders.start, backdrop);
    const QString startFolder = folders.start;
    itemEditor_->setObjectName(QStringLiteral("itemEditor"));

    auto* layout = new QVBoxLayout(backdrop);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(buildTitleStrip());

    auto* body = new QWidget(backdrop);
    auto* bodyLayout = new QVBoxLayout(body);
    bodyLayout->setContentsMargins(10, 8, 10, 10);
    splitMain_ = new QSplitter(Qt::Vertical, body);
    splitMain_->setObjectName(QStringLiteral("splitMain"));
    splitMain_->setChildrenCollapsible(false);
    auto* upper = new QWidget(splitMain_);
    auto* upperLayout = new QVBoxLayout(upper);
    upperLayout->setContentsMargins(0, 0, 0, 0);
    upperLayout->setSpacing(6);
    upperLayout->addWidget(buildEditingArea(), 1);
    upperLayout->addWidget(buildUpdateBar());
    splitMain_->addWidget(upper);
    splitMain_->addWidget(pnlPreview);
    splitMain_->setStretchFactor(0, 3);
    splitMain_->setStretchFactor(1, 2);
    splitMain_->setSizes({470, 320});
    bodyLayout->addWidget(splitMain_);
    layout->addWidget(body, 1);

    buildMenus();
    // The value editors are panels of this window, placed over the grid's value cells.
    valueEditors = new ui::ValueEditors(document_, prompter, *DGProps, this, startFolder);

    connect(designer_, &Designer::recentFilesChanged, this, &Tfrm::rebuildRecentMenu);
    connect(&document_, &Document::modifiedChanged, this, &Tfrm::updateFileLabel);
    connect(&document_, &Document::fileNameChanged, this, &Tfrm::updateFileLabel);

    // The preview as a design surface: a click on an item selects it in the tree, and the item
    // selected in the tree is outlined there with its submenus open.
    browser_->setPointing([this](const PreviewBrowser::ItemRows& rows) {
        itemEditor_->selectItemAt(std::vector<int>(rows.begin(), rows.end()));
    });
    connect(itemEditor_->treeView()->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            [this] {
                PreviewBrowser::ItemRows rows;
                for (const model::ItemNode* n = itemEditor_->selectedItem(); n && !n->isRoot();
                     n = n->parent())
                    rows.prepend(n->row());
                browser_->showItem(rows);
            });

    // The sizes the preview draws the items at feed the checks' target sizes.
    browser_->setMeasuring([this](const QList<PreviewBrowser::DrawnItem>& items, int width) {
        std::vector<check::DrawnItem> drawn;
        drawn.reserve(static_cast<std::size_t>(items.size()));
        for (const PreviewBrowser::DrawnItem& item : items)
            drawn.push_back(
                {std::vector<int>(item.rows.begin(), item.rows.end()), item.width, item.height});
        checks->setDrawnItems(std::move(drawn), width);
    });

    // Creation steps: recent files, the reset (which writes the blank page), the blank page shown.
    designer_->loadRecentFiles();
    designer_->resetProject();
    designer_->showBlankPage();
    updateFileLabel();
    resize(1320, 860);
}

Tfrm::~Tfrm() = default;

QWidget* Tfrm::buildTitleStrip() {
    auto* strip = new QFrame(centralWidget());
    strip->setObjectName(QStringLiteral("pnlTitle"));
    auto* layout = new QHBoxLayout(strip);
    layout->setContentsMargins(12, 8, 12, 8);
    layout->setSpacing(8);

    auto* picture = new QLabel(strip);
    picture->setObjectName(QStringLiteral("imgTitle"));
    const qreal dpr = devicePixelRatioF();
    QPixmap mark = QPixmap::fromImage(logoMark(qRound(34 * dpr)));
    mark.setDevicePixelRatio(dpr);
    picture->setPixmap(mark);
    layout->addWidget(picture);

    auto* names = new QVBoxLayout;
    names->setSpacing(0);
    auto* product = new QLabel(QStringLiteral("Menuloom"), strip);
    product->setObjectName(QStringLiteral("lblProduct"));
    lblFile_ = new QLabel(strip);
    lblFile_->setObjectName(QStringLiteral("lblFile"));
    names->addWidget(product);
    names->addWidget(lblFile_);
    layout->addLayout(names);
    layout->addStretch();

    newSpd1 = commandButton("newSpd1", QStringLiteral("New Script..."), strip);
    spdOpen = commandButton("spdOpen", QStringLiteral("Open Script..."), strip);
    spdBuild = commandButton("spdBuild", QStringLiteral("Save Script..."), strip);
    spdFullScreen = commandButton("spdFullScreen", QStringLiteral("Fullscreen Preview..."), strip);
    spdPreviewBrowser =
        commandButton("spdPreviewBrowser", QStringLiteral("Preview in Browser..."), strip);
    newSpd1->setToolTip(QStringLiteral("Start a new menu (Ctrl+N)"));
    spdOpen->setToolTip(QStringLiteral("Open a data file (Ctrl+O)"));
    spdBuild->setToolTip(QStringLiteral("Save the data file and its page (Ctrl+S)"));
    spdFullScreen->setToolTip(QStringLiteral("Preview in a large window (Ctrl+F)"));
    spdPreviewBrowser->setToolTip(QStringLiteral("Preview in your web browser (Ctrl+B)"));
    layout->addWidget(newSpd1);
    layout->addWidget(spdOpen);
    layout->addWidget(spdBuild);
    layout->addSpacing(14);
    layout->addWidget(spdFullScreen);
    layout->addWidget(spdPreviewBrowser);

    connect(newSpd1, &QPushButton::clicked, this, &Tfrm::newSpd1Click);
    connect(spdOpen, &QPushButton::clicked, this, &Tfrm::spdOpenClick);
    connect(spdBuild, &QPushButton::clicked, this, &Tfrm::spdBuildClick);
    connect(spdFullScreen, &QPushButton::clicked, this, &Tfrm::spdFullScreenClick);
    connect(spdPreviewBrowser, &QPushButton::clicked, this, &Tfrm::spdPreviewBrowserClick);
    return strip;
}

QWidget* Tfrm::buildEditingArea() {
    auto* split = new QSplitter(Qt::Horizontal);
    split->setObjectName(QStringLiteral("splitRegions"));
    split->setChildrenCollapsible(false);

    auto* props = new QFrame(split);
    props->setObjectName(QStringLiteral("pnlProps"));
    props->setProperty("region", true);
    propsLayout_ = new QVBoxLayout(props);
    propsLayout_->setContentsMargins(10, 8, 10, 10);
    propsLayout_->setSpacing(6);
    auto* captionRow = new QHBoxLayout;
    captionRow->setSpacing(8);
    captionRow->addWidget(regionCaption(QStringLiteral("Menu Properties"), props));
    eFilter = new QLineEdit(props);
    eFilter->setObjectName(QStringLiteral("eFilter"));
    eFilter->setPlaceholderText(QStringLiteral("Filter by name"));
    eFilter->setAccessibleName(QStringLiteral("Filter properties"));
    eFilter->setClearButtonEnabled(true);
    for (QToolButton* clear : eFilter->findChildren<QToolButton*>())
        clear->setAccessibleName(QStringLiteral("Clear filter"));
    captionRow->addWidget(eFilter, 1);
    propsLayout_->addLayout(captionRow);
    DGProps = new ui::DGProps(document_, props);
    propsLayout_->addWidget(DGProps, 3);
    // The hint and the checks share the place under the grid, one tab each.
    tabNotes = new QTabWidget(props);
    tabNotes->setObjectName(QStringLiteral("tabNotes"));
    tabNotes->setDocumentMode(true);
    mmNote = new QPlainTextEdit(tabNotes);
    mmNote->setObjectName(QStringLiteral("mmNote"));
    mmNote->setReadOnly(true);
    mmNote->setAccessibleName(QStringLiteral("Hint"));
    mmNote->setPlaceholderText(QStringLiteral("Select a property to read what it does."));
    checks = new ChecksPanel(document_, tabNotes);
    tabNotes->addTab(mmNote, QStringLiteral("Hint"));
    tabNotes->addTab(checks, QString());
    tabNotes->setMinimumHeight(96);
    tabNotes->setMaximumHeight(170);
    propsLayout_->addWidget(tabNotes, 1);
    auto countChecks = [this](int count) {
        tabNotes->setTabText(1, QStringLiteral("Checks (%1)").arg(count));
        const int errors = check::errorCount(checks->findings());
        tabNotes->setTabToolTip(
            1, QStringLiteral("%1 errors, %2 warnings").arg(errors).arg(count - errors));
    };
    countChecks(static_cast<int>(checks->findings().size()));
    connect(checks, &ChecksPanel::countChanged, this, countChecks);
    connect(checks, &ChecksPanel::placeActivated, this, &Tfrm::goToPlace);
    props->setMinimumWidth(340);
    connect(eFilter, &QLineEdit::textChanged, DGProps, &ui::DGProps::setFilter);
    connect(DGProps, &ui::DGProps::rowSelected, this, &Tfrm::DGPropsSelectCell);

    split->addWidget(props);
    auto* right = new QWidget(split);
    auto* rightLayout = new QVBoxLayout(right);
    rightLayout->setContentsMargins(0, 0, 0, 0);
    rightLayout->setSpacing(8);
    itemEditor_->setParent(right);
    rightLayout->addWidget(itemEditor_, 1);
    rightLayout->addWidget(buildStylesRegion());
    split->addWidget(right);
    split->setStretchFactor(0, 4);
    split->setStretchFactor(1, 6);
    split->setSizes({400, 880});
    return split;
}

QWidget* Tfrm::buildStylesRegion() {
    auto* region = new QFrame;
    region->setObjectName(QStringLiteral("pnlStyles"));
    region->setProperty("region", true);
    auto* layout = new QHBoxLayout(region);
    layout->setContentsMargins(10, 6, 10, 6);
    layout->setSpacing(8);
    layout->addWidget(regionCaption(QStringLiteral("Styles"), region));
    layout->addStretch();
    spdStyles = commandButton("spdStyles", QStringLiteral("Item Styles..."), region);
    spdSubmenuStyles =
        commandButton("spdSubmenuStyles", QStringLiteral("Submenu Styles..."), region);
    spdStyles->setToolTip(QStringLiteral("Named looks for menu items"));
    spdSubmenuStyles->setToolTip(QStringLiteral("Named looks for submenu boxes"));
    layout->addWidget(spdStyles);
    layout->addWidget(spdSubmenuStyles);
    connect(spdStyles, &QPushButton::clicked, this, [this] { openStyleDialog(itemStyles_); });
    connect(spdSubmenuStyles, &QPushButton::clicked, this,
            [this] { openStyleDialog(submenuStyles_); });
    return region;
}

void Tfrm::setStyleDialogs(QDialog* itemStyles, QDialog* submenuStyles) {
    itemStyles_ = itemStyles;
    submenuStyles_ = submenuStyles;
}

void Tfrm::openStyleDialog(QDialog* dialog) {
    if (!dialog)
        return;
    dialog->exec();
    // The item panel's choice lists show the names as the dialog left them.
    itemEditor_->rebuildStyleLists();
}

QWidget* Tfrm::buildUpdateBar() {
    auto* bar = new QFrame;
    bar->setObjectName(QStringLiteral("pnlUpdate"));
    auto* layout = new QHBoxLayout(bar);
    layout->setContentsMargins(10, 4, 10, 4);
    layout->setSpacing(12);
    cbPreview = new QCheckBox(QStringLiteral("Preview"), bar);
    cbPreview->setObjectName(QStringLiteral("cbPreview"));
    cbPreview->setChecked(true);
    spdUpdate = commandButton("spdUpdate", QStringLiteral("Update"), bar);
    spdUpdate->setToolTip(QStringLiteral("Redraw the preview now"));
    cbAutoUpdate = new QCheckBox(QStringLiteral("Auto Update"), bar);
    cbAutoUpdate->setObjectName(QStringLiteral("cbAutoUpdate"));
    cbAutoUpdate->setChecked(true);
    cbAutoUpdate->setToolTip(QStringLiteral("Redraw the preview a second after each change"));
    cbPreviewWidth = new QComboBox(bar);
    cbPreviewWidth->setObjectName(QStringLiteral("cbPreviewWidth"));
    cbPreviewWidth->addItem(QStringLiteral("Desktop"), 0);
    cbPreviewWidth->addItem(QStringLiteral("Tablet"), kTabletWidth);
    cbPreviewWidth->addItem(QStringLiteral("Phone"), kPhoneWidth);
    cbPreviewWidth->setToolTip(QStringLiteral("See the menu as a tablet (768 px) or a phone "
                                              "(375 px) shows it"));
    auto* widthLabel = new QLabel(QStringLiteral("Width:"), bar);
    widthLabel->setBuddy(cbPreviewWidth);
    layout->addWidget(cbPreview);
    layout->addSpacing(8);
    layout->addWidget(widthLabel);
    layout->addWidget(cbPreviewWidth);
    layout->addStretch();
    layout->addWidget(spdUpdate);
    layout->addWidget(cbAutoUpdate);

    connect(cbPreview, &QCheckBox::clicked, this, &Tfrm::cbPreviewClick);
    connect(cbPreviewWidth, &QComboBox::currentIndexChanged, this, [this] {
        static_cast<CentredLayout*>(pnlPreview->layout())
            ->setWidthLimit(cbPreviewWidth->currentData().toInt());
    });
    connect(spdUpdate, &QPushButton::clicked, this, &Tfrm::spdUpdateClick);
    connect(cbAutoUpdate, &QCheckBox::toggled, this,
            [this](bool on) { designer_->preview().setAutoUpdate(on); });
    return bar;
}

void Tfrm::buildMenus() {
    QMenu* file = menuBar()->addMenu(QStringLiteral("File"));
    actNew = file->addAction(QStringLiteral("New script"), this, &Tfrm::newSpd1Click);
    actNew->setShortcut(QKeySequence(QStringLiteral("Ctrl+N")));
    actOpen = file->addAction(QStringLiteral("Open script..."), this, &Tfrm::spdOpenClick);
    actOpen->setShortcut(QKeySequence(QStringLiteral("Ctrl+O")));
    actSave = file->addAction(QStringLiteral("Save script..."), this, &Tfrm::spdBuildClick);
    actSave->setShortcut(QKeySequence(QStringLiteral("Ctrl+S")));
    actPublish = file->addAction(QStringLiteral("Publish to Site..."), this, [this] {
        if (publish_)
            publish_->exec();
    });
    file->addSeparator();
    actImport = file->addAction(QStringLiteral("Import Navigation..."), this, &Tfrm::importClick);
    actImport->setObjectName(QStringLiteral("actImport"));
    file->addSeparator();
    recentMenu = file->addMenu(QStringLiteral("Recent files"));
    recentMenu->setObjectName(QStringLiteral("mnuRecent"));
    examplesMenu = file->addMenu(QStringLiteral("New from Example"));
    examplesMenu->setObjectName(QStringLiteral("mnuExamples"));
    // Listed afresh at each opening, from the examples beside the program.
    connect(examplesMenu, &QMenu::aboutToShow, this, &Tfrm::rebuildExamplesMenu);
    rebuildExamplesMenu();
    file->addSeparator();
    actExit = file->addAction(QStringLiteral("Exit"), this, &QWidget::close);
    actExit->setShortcut(QKeySequence(QStringLiteral("Alt+X")));

    // Undo and redo carry the name of the step they act on ("Undo Move Up").
    QMenu* edit = menuBar()->addMenu(QStringLiteral("Edit"));
    edit->setObjectName(QStringLiteral("mnuEdit"));
    QUndoStack* stack = document_.undoStack();
    actUndo = stack->createUndoAction(this, QStringLiteral("Undo"));
    actUndo->setObjectName(QStringLiteral("actUndo"));
    actUndo->setShortcut(QKeySequence(QStringLiteral("Ctrl+Z")));
    actRedo = stack->createRedoAction(this, QStringLiteral("Redo"));
    actRedo->setObjectName(QStringLiteral("actRedo"));
    actRedo->setShortcuts(
        {QKeySequence(QStringLiteral("Ctrl+Shift+Z")), QKeySequence(QStringLiteral("Ctrl+Y"))});
    edit->addAction(actUndo);
    edit->addAction(actRedo);
    itemEditor_->addEditActions(edit);

    QMenu* projectMenu = menuBar()->addMenu(QStringLiteral("Project"));
    actFullscreen = projectMenu->addAction(QStringLiteral("Fullscreen preview..."), this,
                                           &Tfrm::spdFullScreenClick);
    actFullscreen->setShortcut(QKeySequence(QStringLiteral("Ctrl+F")));
    actPreviewBrowser = projectMenu->addAction(QStringLiteral("Preview in browser..."), this,
                                               &Tfrm::spdPreviewBrowserClick);
    actPreviewBrowser->setShortcut(QKeySequence(QStringLiteral("Ctrl+B")));

    QMenu* help = menuBar()->addMenu(QStringLiteral("Help"));
    actHelp = help->addAction(QStringLiteral("Index"), this, &Tfrm::helpIndexClick);
    actHelp->setShortcut(QKeySequence(Qt::Key_F1));
    // F1 works wherever the focus is inside the window, a text field included.
    actHelp->setShortcutContext(Qt::WindowShortcut);
    help->addSeparator();
    actAbout = help->addAction(QStringLiteral("About..."), this, &Tfrm::aboutClick);
    rebuildRecentMenu();
}

void Tfrm::rebuildRecentMenu() {
    recentMenu->clear();
    for (const QString& path : designer_->recentFiles().paths()) {
        QAction* entry = recentMenu->addAction(RecentFiles::captionForPath(path));
        entry->setData(path);
        connect(entry, &QAction::triggered, this, [this, path] { designer_->openProject(path); });
    }
    recentMenu->setEnabled(!designer_->recentFiles().isEmpty());
}

void Tfrm::rebuildExamplesMenu() {
    examplesMenu->clear();
    for (const QString& name : designer_->examples())
        examplesMenu->addAction(name, this, [this, name] { designer_->newFromExample(name); });
    if (examplesMenu->isEmpty())
        examplesMenu->addAction(QStringLiteral("(no examples installed)"))->setEnabled(false);
}

void Tfrm::updateFileLabel() {
    const QString file = document_.fileName();
    QString text = file.isEmpty() ? QStringLiteral("New menu")
                                  : QString::fromStdString(output::bareName(file.toStdString()));
    if (document_.isModified())
        text += QStringLiteral("  \u2022  modified");
    lblFile_->setText(text);
    lblFile_->setToolTip(file);
}

void Tfrm::newSpd1Click() {
    designer_->newProject();
}

void Tfrm::spdOpenClick() {
    designer_->openCommand();
}

void Tfrm::spdBuildClick() {
    designer_->saveCommand();
}

void Tfrm::spdUpdateClick() {
    designer_->preview().refresh();
}

void Tfrm::spdFullScreenClick() {
    designer_->preview().showFullscreen();
}

void Tfrm::spdPreviewBrowserClick() {
    designer_->preview().previewInBrowser();
}

void Tfrm::cbPreviewClick() {
    if (cbPreview->isChecked()) {
        pnlPreview->show();
        if (!splitState_.isEmpty())
            splitMain_->restoreState(splitState_);
    } else {
        splitState_ = splitMain_->saveState();
        pnlPreview->hide();
    }
}

void Tfrm::helpIndexClick() {
    prompter_.openExternally(designer_->folders().program + QStringLiteral("help/help.html"));
}

void Tfrm::DGPropsSelectCell(int row) {
    QString hint = QString::fromUtf8(model::paramHint(row).data(),
                                     static_cast<qsizetype>(model::paramHint(row).size()));
    hint.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    mmNote->clear();
    mmNote->setPlainText(hint);
}

void Tfrm::goToPlace(const check::Place& place) {
    const model::Project& project = document_.project();
    switch (place.kind) {
    case check::Place::Kind::Item:
        if (itemEditor_->selectItemAt(place.item))
            itemEditor_->treeView()->setFocus();
        return;
    case check::Place::Kind::Param: {
        const int row = model::findParam(project.params, place.param);
        if (row < 0)
            return;
        if (DGProps->isRowHidden(row))
            eFilter->clear();
        const QModelIndex index = DGProps->model()->index(row, 0);
        DGProps->setCurrentIndex(index);
        DGProps->scrollTo(index);
        DGProps->setFocus();
        tabNotes->setCurrentWidget(mmNote);
        return;
    }
    case check::Place::Kind::ItemStyle:
    case check::Place::Kind::SmStyle: {
        const bool item = place.kind == check::Place::Kind::ItemStyle;
        QDialog* dialog = item ? itemStyles_ : submenuStyles_;
        if (auto* styles = qobject_cast<ui::StyleDialogBase*>(dialog))
            styles->selectStyle(place.index);
        openStyleDialog(dialog);
        return;
    }
    }
}

void Tfrm::aboutClick() {
    if (about_)
        about_->exec();
}

void Tfrm::importClick() {
    // Made at its first opening; it keeps its source and choice between openings.
    if (!import_)
        import_ = new TfrmImport(document_, prompter_, designer_->folders().start, this);
    import_->exec();
}

void Tfrm::closeEvent(QCloseEvent* event) {
    if (!designer_->confirmDiscard()) {
        event->ignore();
        return;
    }
    designer_->preview().cancelScheduled();
    designer_->saveRecentFiles();
    event->accept();
    emit closed();
}

} // namespace menuloom::app
