#include "ui/SceneLine.h"

#include "ui/OneLineDelegate.h"

namespace brewick {

namespace {
constexpr int kLineHeight = 16;
}  // namespace

SceneLine::SceneLine(QWidget* parent) : QListWidget(parent)
{
    setAccessibleName(QStringLiteral("Bar scene"));
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed);
    setItemDelegate(new OneLineDelegate(this));
    connect(this, &QListWidget::itemChanged, this, [this](QListWidgetItem* line) {
        setAccessibleDescription(line->text());
        emit sceneEdited(line->text());
    });
}

void SceneLine::showScene(const QString& scene)
{
    const QSignalBlocker quiet(this);
    if (count() == 0) {
        auto* line = new QListWidgetItem(this);
        line->setFlags(line->flags() | Qt::ItemIsEditable);
        line->setSizeHint(QSize(0, kLineHeight));
    }
    // Set only when it differs, so that an open editor keeps what is typed.
    if (item(0)->text() != scene)
        item(0)->setText(scene);
    setAccessibleDescription(scene);
}

}  // namespace brewick
