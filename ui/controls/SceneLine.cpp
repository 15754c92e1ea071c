#include "ui/controls/SceneLine.h"

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

void SceneLine::showScene(const OneLineText& scene)
{
    const QSignalBlocker quiet(this);
    if (count() == 0) {
        auto* line = new QListWidgetItem(this);
        line->setSizeHint(QSize(0, kLineHeight));
    }
    QListWidgetItem* line = item(0);
    line->setFlags(scene.whole ? line->flags() | Qt::ItemIsEditable : line->flags() & ~Qt::ItemIsEditable);
    // Set only when it differs, so that an open editor keeps what is typed.
    if (line->text() != scene.shown)
        line->setText(scene.shown);
    setAccessibleDescription(scene.shown);
}

}  // namespace brewick
