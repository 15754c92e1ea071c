#include "ui/controls/SceneLine.h"

#include <QContextMenuEvent>
#include <QMenu>

#include "ui/controls/PinnedLineMarks.h"

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
        describe();
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
    describe();
}

void SceneLine::showPinned(bool pinned)
{
    pinned_ = pinned;
    if (QListWidgetItem* line = item(0)) {
        const QSignalBlocker quiet(this);
        line->setBackground(pinned ? QBrush(pinnedLineTint(palette())) : QBrush());
    }
    describe();
}

void SceneLine::contextMenuEvent(QContextMenuEvent* event)
{
    emit lineMenuAsked();
    QMenu menu;
    menu.addActions(lineActions_);
    menu.exec(event->globalPos());
}

void SceneLine::describe()
{
    const QString scene = count() == 0 ? QString() : item(0)->text();
    setAccessibleDescription(pinned_ ? pinnedDescription({scene}) : scene);
}

}  // namespace brewick
