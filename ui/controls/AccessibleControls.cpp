#include "ui/controls/AccessibleControls.h"

#include <QAbstractItemView>
#include <QAccessibleWidget>
#include <QComboBox>

#include "ui/controls/NamedComboBox.h"
#include "ui/controls/WebLink.h"

namespace brewick {

namespace {
class AccessibleWebLink : public QAccessibleWidget {
public:
    explicit AccessibleWebLink(WebLink* link) : QAccessibleWidget(link, QAccessible::Link) {}

    QStringList actionNames() const override { return {pressAction(), setFocusAction()}; }

    void doAction(const QString& action) override
    {
        if (action == pressAction())
            emit static_cast<WebLink*>(widget())->followed();
        else
            QAccessibleWidget::doAction(action);
    }
};

// Its name is the widget's accessible name, its value the current entry, and
// its one child the list that drops down, as in Qt's own account.
class AccessibleNamedComboBox : public QAccessibleWidget {
public:
    explicit AccessibleNamedComboBox(QComboBox* box) : QAccessibleWidget(box, QAccessible::ComboBox) {}

    int childCount() const override { return 1; }

    QAccessibleInterface* child(int index) const override
    {
        return index == 0 ? QAccessible::queryAccessibleInterface(box()->view()) : nullptr;
    }

    int indexOfChild(const QAccessibleInterface* child) const override
    {
        return child != nullptr && child->object() == box()->view() ? 0 : -1;
    }

    QString text(QAccessible::Text text) const override
    {
        return text == QAccessible::Value ? box()->currentText() : QAccessibleWidget::text(text);
    }

    QStringList actionNames() const override { return {showMenuAction(), pressAction(), setFocusAction()}; }

    void doAction(const QString& action) override
    {
        if (action == showMenuAction() || action == pressAction())
            box()->showPopup();
        else
            QAccessibleWidget::doAction(action);
    }

private:
    QComboBox* box() const { return static_cast<QComboBox*>(widget()); }
};

QAccessibleInterface* ownControl(const QString& className, QObject* object)
{
    if (className == QLatin1String(WebLink::staticMetaObject.className()))
        return new AccessibleWebLink(static_cast<WebLink*>(object));
    if (className == QLatin1String(NamedComboBox::staticMetaObject.className()))
        return new AccessibleNamedComboBox(static_cast<NamedComboBox*>(object));
    return nullptr;
}
}  // namespace

void describeOwnControls()
{
    static const bool installed = (QAccessible::installFactory(ownControl), true);
    Q_UNUSED(installed);
}

}  // namespace brewick
