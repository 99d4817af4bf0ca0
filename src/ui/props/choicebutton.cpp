#include "ui/props/choicebutton.h"

#include <QAccessible>
#include <QAccessibleWidget>

namespace menuloom::ui {

namespace {

class ChoiceButtonAccessible : public QAccessibleWidget {
public:
    explicit ChoiceButtonAccessible(QWidget* widget)
        : QAccessibleWidget(widget, QAccessible::Button) {}

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name) {
            const QString name = widget()->accessibleName();
            return name.isEmpty() ? button()->text().remove(QLatin1Char('&')) : name;
        }
        return QAccessibleWidget::text(t);
    }
    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        s.checkable = true;
        s.checked = s.pressed = button()->isChecked();
        return s;
    }
    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString& action) override {
        if (action == pressAction())
            button()->click();
    }

private:
    QPushButton* button() const { return static_cast<QPushButton*>(widget()); }
};

QAccessibleInterface* choiceButtonFactory(const QString& className, QObject* object) {
    if (className == QLatin1String(ChoiceButton::staticMetaObject.className()) && object &&
        object->isWidgetType())
        return new ChoiceButtonAccessible(static_cast<QWidget*>(object));
    return nullptr;
}

} // namespace

ChoiceButton::ChoiceButton(const QString& caption, QWidget* parent) : QPushButton(caption, parent) {
    static const bool installed = [] {
        QAccessible::installFactory(choiceButtonFactory);
        return true;
    }();
    (void)installed;
    setCheckable(true);
}

} // namespace menuloom::ui
