// The bar scene on screen: a list of one line, as the layout has it, whose
// line is edited in place like every other field (F2 or a double-click) and
// whose whole scene a screen reader reads, and a tooltip shows, however much
// of it the line has room for. Its context menu offers the window's
// commands on the line.
#pragma once

#include <QList>
#include <QListWidget>

#include "ui/controls/OneLineDelegate.h"

namespace brewick {

class SceneLine : public QListWidget {
    Q_OBJECT

public:
    explicit SceneLine(QWidget* parent);

    // Shows the scene in the one line, once there is a scene; emits nothing.
    // A scene shown cut cannot be edited.
    void showScene(const OneLineText& scene);
    // Marks the scene pinned, or not.
    void showPinned(bool pinned);
    void setLineActions(QList<QAction*> actions) { lineActions_ = std::move(actions); }

signals:
    void sceneEdited(const QString& scene);
    // The context menu is about to show.
    void lineMenuAsked();

protected:
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    void describe();

    bool pinned_ = false;
    QList<QAction*> lineActions_;
};

}  // namespace brewick
