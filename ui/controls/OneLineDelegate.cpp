#include "ui/controls/OneLineDelegate.h"

#include <QAbstractItemView>
#include <QHelpEvent>
#include <QLineEdit>
#include <QToolTip>

#include "output/print/QtText.h"
#include "ui/controls/OneLineValidator.h"

namespace brewick {

QWidget* OneLineDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                                       const QModelIndex& index) const
{
    QWidget* editor = QStyledItemDelegate::createEditor(parent, option, index);
    if (auto* field = qobject_cast<QLineEdit*>(editor)) {
        field->setValidator(new OneLineValidator(field));
        connect(field, &QLineEdit::textEdited, this, &OneLineDelegate::typed);
    }
    return editor;
}

bool OneLineDelegate::helpEvent(QHelpEvent* event, QAbstractItemView* view, const QStyleOptionViewItem& option,
                                const QModelIndex& index)
{
    if (event->type() != QEvent::ToolTip)
        return QStyledItemDelegate::helpEvent(event, view, option, index);
    QStyleOptionViewItem shown = option;
    initStyleOption(&shown, index);
    const QStyle* style = view->style();
    // The style keeps the text this far from either side of its box.
    const int margin = style->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, view) + 1;
    const int room = style->subElementRect(QStyle::SE_ItemViewItemText, &shown, view).width() - 2 * margin;
    if (shown.fontMetrics.horizontalAdvance(shown.text) > room)
        QToolTip::showText(event->globalPos(), shown.text, view->viewport(), option.rect);
    else
        QToolTip::hideText();
    return true;
}

OneLineText oneLineText(std::string_view text)
{
    if (text.size() <= kMostShownInOneLine)
        return {toQString(text), true};
    return {toQString(text.substr(0, kMostShownInOneLine)) + QChar(0x2026), false};
}

void commitOpenEditor(QAbstractItemView* view)
{
    if (QWidget* editor = view->indexWidget(view->currentIndex()))
        emit view->itemDelegate()->commitData(editor);
}

std::optional<QString> openEditorText(const QAbstractItemView* view)
{
    if (const auto* field = qobject_cast<const QLineEdit*>(view->indexWidget(view->currentIndex())))
        return field->text();
    return std::nullopt;
}

}  // namespace brewick
