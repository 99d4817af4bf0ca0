#include "ui/props/editorpanel.h"

#include <QAccessible>
#include <QAccessibleWidget>

namespace menuloom::ui {

namespace {

QAccessibleInterface* editorPanelFactory(const QString& className, QObject* object) {
    if (className == QLatin1String(EditorPanel::staticMetaObject.className()) && object &&
        object->isWidgetType())
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Pane);
    return nullptr;
}

} // namespace

EditorPanel::EditorPanel(QWidget* parent) : QFrame(parent) {
    static const bool installed = [] {
        QAccessible::installFactory(editorPanelFactory);
        return true;
    }();
    (void)installed;
}

} // namespace menuloom::ui
