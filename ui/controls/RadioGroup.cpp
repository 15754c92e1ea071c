#include "ui/controls/RadioGroup.h"

#include <QRadioButton>

namespace brewick {

namespace {
constexpr int kItemLeft = 8;
constexpr int kItemHeight = 17;
}  // namespace

RadioGroup::RadioGroup(const QString& caption, const QStringList& items, QWidget* parent) : QGroupBox(caption, parent)
{
    for (int i = 0; i < items.size(); ++i)
        buttons_.addButton(new QRadioButton(items[i], this), i);
    select(0);
    connect(&buttons_, &QButtonGroup::idClicked, this, [this](int index) {
        keepTabOnSelected();
        emit chosen(index);
    });
}

void RadioGroup::select(int index)
{
    buttons_.button(index)->setChecked(true);
    keepTabOnSelected();
}

void RadioGroup::resizeEvent(QResizeEvent* event)
{
    QGroupBox::resizeEvent(event);
    placeItems();
}

// The items share the room inside the frame evenly, one column.
void RadioGroup::placeItems()
{
    const QList<QAbstractButton*> items = buttons_.buttons();
    const QRect inside = contentsRect();
    const int slot = inside.height() / static_cast<int>(items.size());
    for (int i = 0; i < items.size(); ++i) {
        items[i]->setGeometry(kItemLeft, inside.top() + i * slot + (slot - kItemHeight) / 2, width() - 2 * kItemLeft,
                              kItemHeight);
    }
}

void RadioGroup::keepTabOnSelected()
{
    for (QAbstractButton* item : buttons_.buttons())
        item->setFocusPolicy(item->isChecked() ? Qt::StrongFocus : Qt::ClickFocus);
}

}  // namespace brewick
