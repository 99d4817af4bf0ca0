// The style editors' dialogs with the application style and real content: their layouts hold
// together, and with MENULOOM_SHOT_DIR set each leaves a picture of itself there for a person
// to look at.

#include "app/appstyle.h"
#include "doc/document.h"
#include "fakeprompter.h"
#include "modaldriver.h"
#include "model/paramtable.h"
#include "ui/styles/tfrmfont.h"
#include "ui/styles/tfrmimages.h"
#include "ui/styles/tfrmsmstyles.h"
#include "ui/styles/tfrmstyles.h"
#include "ui/styles/tfrmtext.h"
#include "widgets/contrastnote.h"
#include "widgets/conversions.h"
#include "widgets/qtprompter.h"

#include <QApplication>
#include <QColorDialog>
#include <QFontDatabase>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

using namespace menuloom;

namespace {

class SystemFonts : public app::testing::FakePrompter {
public:
    QStringList fontFamilies() override { return QFontDatabase::families(); }
};

// Every control lies inside the dialog, and every button shows its whole caption.
void checkLayout(QDialog& dialog) {
    const QRect inside = dialog.rect();
    for (QWidget* w : dialog.findChildren<QWidget*>()) {
        if (!w->isVisible() || w->isWindow())
            continue;
        const QRect r(w->mapTo(&dialog, QPoint(0, 0)), w->size());
        QVERIFY2(inside.contains(r), qPrintable(w->objectName() + " lies outside"));
    }
    for (QPushButton* b : dialog.findChildren<QPushButton*>()) {
        if (!b->isVisible())
            continue;
        QVERIFY2(b->width() >= b->fontMetrics().horizontalAdvance(b->text()) + 8,
                 qPrintable(b->objectName()));
    }
}

void shoot(QDialog& dialog, const char* name) {
    const QByteArray dir = qgetenv("MENULOOM_SHOT_DIR");
    if (dir.isEmpty())
        return;
    // Let the style sheet's first paint settle.
    QCoreApplication::processEvents();
    QVERIFY(dialog.grab().save(QString::fromLocal8Bit(dir) + "/" + name + ".png"));
}

void open(QDialog& dialog) {
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
}

} // namespace

class TestDialogsLook : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { app::applyAppStyle(*qApp); }
    void valueDialogs();
    void styleDialogs();
    void pickerTellsTheContrast();
};

void TestDialogsLook::valueDialogs() {
    doc::Document document;
    model::Project& project = document.mutableProject();
    SystemFonts prompter;

    ui::TfrmFont font(document, prompter);
    font.setMode(ui::TfrmFont::ParameterMode);
    font.setParameterRow(model::findParam(project.params, "fontStyle"));
    project.param("fontStyle").text = QFontDatabase::families().value(0).toStdString();
    project.param("fontStyle").num = 14;
    project.param("fontStyle").flag = 1;
    open(font);
    QVERIFY(font.lbFontName->count() > 1);
    // Sizes and weights read whole in their narrow lists.
    for (QListWidget* list : {font.lbFontSize, font.lbFontStyle})
        for (int i = 0; i < list->count(); ++i)
            QVERIFY(list->visualItemRect(list->item(i)).width() >=
                    list->fontMetrics().horizontalAdvance(list->item(i)->text()));
    checkLayout(font);
    shoot(font, "font");
    font.hide();

    ui::TfrmText text(document);
    project.param("statusString").text = "Menuloom - drop-down menus";
    text.setParameter(model::findParam(project.params, "statusString"), 2);
    open(text);
    checkLayout(text);
    shoot(text, "text");
    text.hide();

    ui::TfrmImages images(document, prompter, "/tmp/");
    project.param("itemBackImage").strList = {"img/back_normal.gif", ""};
    images.setParameterRow(model::findParam(project.params, "itemBackImage"));
    open(images);
    QCOMPARE(images.lbImgArray->item(1)->text(), QString("[empty]"));
    checkLayout(images);
    shoot(images, "images");
}

void TestDialogsLook::styleDialogs() {
    doc::Document document;
    model::Project& project = document.mutableProject();
    SystemFonts prompter;
    for (const char* name : {"Top bar", "Highlight", "Footer links"}) {
        const int k = model::appendDefaultStyle(project.itemStyles);
        project.itemStyles.rename(k, name);
    }
    model::TStyle& top = project.itemStyles.at(0);
    top.useFontStyle = top.useFontColor = top.useItemBackColor = top.useItemBorderStyle = true;
    top.fontWeight = 1;
    top.fontSize = 9;
    top.fontName = "Verdana";
    top.fontColorNormal = 0x3B291F;
    top.fontColorOver = 0xFFFFFF;
    top.itemBackColorNormal = 0xFBF8F6;
    top.itemBackColorOver = 0xF67C2F;
    top.itemBorderStyleNormal = 2;
    top.itemBorderWidth = 1;
    top.useArrowImageMain = true;
    top.arrowImageMainNormal = "img/arrow_down.gif";
    top.arrowImageMainOver = "img/arrow_down_over.gif";
    for (const char* name : {"Drop shadow", "Plain box"}) {
        const int k = model::appendDefaultSmStyle(project.smStyles);
        project.smStyles.rename(k, name);
    }
    model::TSmStyle& box = project.smStyles.at(0);
    box.useMenuBorderColor = box.useMenuBackColor = box.useMenuBorderWidth = true;
    box.menuBorderColor = 0xD8C3B4;
    box.menuBackColor = 0xFFFFFF;
    box.menuBorderWidth = 1;
    box.menuBorderStyle = 2;
    box.menuBackImage = "img/submenu_back.png";

    ui::TfrmFont font(document, prompter);
    ui::TfrmStyles styles(document, prompter, font, "/tmp/");
    ui::TfrmSmStyles smStyles(document, prompter, "/tmp/");
    for (ui::StyleDialogBase* dialog : {static_cast<ui::StyleDialogBase*>(&styles),
                                        static_cast<ui::StyleDialogBase*>(&smStyles)}) {
        const QString name = dialog == &styles ? "itemstyles" : "submenustyles";
        open(*dialog);
        checkLayout(*dialog);
        shoot(*dialog, qPrintable(name + "-none"));
        dialog->selectStyle(0);
        checkLayout(*dialog);
        shoot(*dialog, qPrintable(name + "-selected"));
        dialog->hide();
    }
}

// The real colour picker with a judge: its note below the colours follows the colour shown.
void TestDialogsLook::pickerTellsTheContrast() {
    doc::Document document;
    const check::Place place = check::Place::ofParam("fontColor");
    const doc::ColorJudge judge = [&](const QColor& color) {
        return widgets::colorUses(document.project(), place, {0}, [&](check::Looks& looks) {
            looks.param("fontColor")->intList[0] = widgets::colorValue(color);
        });
    };
    widgets::QtPrompter prompter;
    QStringList seen;
    bool shortfall = false;
    app::testing::onNextModal([&](QWidget* modal) {
        auto* picker = qobject_cast<QColorDialog*>(modal);
        QVERIFY(picker);
        auto* note = picker->findChild<widgets::ContrastNote*>("lblPickerContrast");
        QVERIFY(note);
        seen << note->text();
        picker->setCurrentColor(QColor(0x99, 0x99, 0x99));
        seen << note->text();
        shortfall = note->shortfall();
        checkLayout(*picker);
        shoot(*picker, "picker-contrast");
        picker->reject();
    });
    QCOMPARE(prompter.pickColor(QColor(Qt::black), judge), std::nullopt);
    QCOMPARE(seen, QStringList({"Text contrast: normal 21:1 (minimum 4.5:1).",
                                "Text contrast: normal 2.85:1, too low (minimum 4.5:1)."}));
    QVERIFY(shortfall);
}

QTEST_MAIN(TestDialogsLook)
#include "test_dialogs_look.moc"
