// Item editors that are one-line fields like the window's others, items that
// show their whole text in a tooltip when their box cuts it, the way a
// command takes what is typed in an open editor, and how much of a text a
// one-line control shows.
#pragma once

#include <QStyledItemDelegate>

#include <optional>
#include <string_view>

class QAbstractItemView;

namespace brewick {

class OneLineDelegate : public QStyledItemDelegate {
    Q_OBJECT

public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    bool helpEvent(QHelpEvent* event, QAbstractItemView* view, const QStyleOptionViewItem& option,
                   const QModelIndex& index) override;

signals:
    // The user typed in an open editor, which holds the typing back.
    void typed();
};

// What a one-line control shows of a text: all of it, or, past as much as
// any line has room for, the start of it and "…". A text shown cut cannot be
// edited in place, so that none of it is lost: the inn keeps it whole.
inline constexpr std::size_t kMostShownInOneLine = 4096;
struct OneLineText {
    QString shown;
    bool whole;
};
OneLineText oneLineText(std::string_view text);

// Hands what is typed in the open editor of the view's current item to the
// item, leaving the editor open: a command that changes the inn takes the
// edit in first, as a menu command or a shortcut does not take the focus
// from the editor.
void commitOpenEditor(QAbstractItemView* view);
// What the open editor of the view's current item holds, if one is open.
std::optional<QString> openEditorText(const QAbstractItemView* view);

}  // namespace brewick
