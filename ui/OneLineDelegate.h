// Item editors that are one-line fields like the window's others, items that
// show their whole text in a tooltip when their box cuts it, and the way a
// command takes what is typed in an open editor.
#pragma once

#include <QStyledItemDelegate>

class QAbstractItemView;

namespace brewick {

class OneLineDelegate : public QStyledItemDelegate {
    Q_OBJECT

public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    bool helpEvent(QHelpEvent* event, QAbstractItemView* view, const QStyleOptionViewItem& option,
                   const QModelIndex& index) override;
};

// Hands what is typed in the open editor of the view's current item to the
// item, leaving the editor open. Output calls this first: a menu command or
// a shortcut does not take the focus from the editor.
void commitOpenEditor(QAbstractItemView* view);

}  // namespace brewick
