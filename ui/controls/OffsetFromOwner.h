// Keeps a dialog where it stands relative to the window it belongs to: it
// opens at the offset from that window it was first placed at, and later
// where it was last left relative to it, wherever that window has been
// moved meanwhile. (Where the window system places windows itself, as
// Wayland does, it has the last word.)
#pragma once

#include <QObject>
#include <QPoint>

class QWidget;

namespace brewick {

class OffsetFromOwner : public QObject {
    Q_OBJECT

public:
    // Places the dialog at `position`, which is its offset from the owner
    // where the owner stands now.
    OffsetFromOwner(QWidget* dialog, const QWidget* owner, QPoint position);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void place();

    QWidget* dialog_;
    const QWidget* owner_;
    QPoint offset_;
};

}  // namespace brewick
