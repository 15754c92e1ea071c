#include "ui/dialogs/InnHistoryDialog.h"

#include <QApplication>
#include <QDateTime>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMessageBox>
#include <QPushButton>
#include <QShortcut>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <algorithm>

#include "core/SearchText.h"
#include "ui/controls/ObjectNames.h"

namespace brewick {

namespace {
namespace names = objectNames;

enum Column { Star, Name, Notes, Landlord, Location, Quality, Made, kColumnCount };
constexpr int kIndexRole = Qt::UserRole;

QString madeText(std::int64_t made)
{
    if (made <= 0)
        return {};
    return QLocale().toString(QDateTime::fromMSecsSinceEpoch(made), QLocale::ShortFormat);
}

// Every word of the filter, folded as the inn's texts are, is in them.
bool passes(const InnListEntry& inn, const std::vector<std::string>& words)
{
    const std::string_view text = inn.searchText ? std::string_view(*inn.searchText) : std::string_view();
    return std::all_of(words.begin(), words.end(),
                       [text](const std::string& word) { return text.find(word) != std::string_view::npos; });
}

QString innCount(int count) { return count == 1 ? QStringLiteral("1 inn") : QStringLiteral("%1 inns").arg(count); }

QString described(const InnListEntry& inn)
{
    return QStringLiteral("“%1”, run by %2, %3, %4%5")
        .arg(inn.name, inn.landlord, inn.location, inn.quality, inn.starred ? QStringLiteral(", starred") : QString());
}

// One inn described, or how many.
QString described(const std::vector<const InnListEntry*>& inns)
{
    return inns.size() == 1 ? described(*inns.front()) : innCount(static_cast<int>(inns.size()));
}

QString rowToolTip(const InnListEntry& inn)
{
    QStringList lines;
    if (inn.shown)
        lines.append(QStringLiteral("The inn shown now"));
    if (!inn.pins.isEmpty())
        lines.append(QStringLiteral("Pinned:\n") + inn.pins);
    return lines.join(QLatin1Char('\n'));
}

QPushButton* button(const QString& text, const char* name, QWidget* parent)
{
    auto* button = new QPushButton(text, parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setAutoDefault(true);
    return button;
}
}  // namespace

InnHistoryDialog::InnHistoryDialog(std::vector<InnListEntry> entries, QWidget* parent)
    : QDialog(parent),
      entries_(std::move(entries))
{
    setObjectName(QString::fromLatin1(names::historyDialog));
    setWindowTitle(QStringLiteral("History"));
    std::stable_sort(entries_.begin(), entries_.end(),
                     [](const InnListEntry& a, const InnListEntry& b) { return a.made > b.made; });
    createControls();
    fillList();
    filter({});
}

void InnHistoryDialog::createControls()
{
    filterEdit_ = new QLineEdit(this);
    filterEdit_->setObjectName(QString::fromLatin1(names::historyFilterEdit));
    filterEdit_->setPlaceholderText(QStringLiteral("Any words of the inn: name, landlord, patrons, menu…"));
    filterEdit_->setClearButtonEnabled(true);
    auto* filterCaption = new QLabel(QStringLiteral("&Filter:"), this);
    filterCaption->setBuddy(filterEdit_);
    filterEdit_->setAccessibleName(QStringLiteral("Filter the inns"));

    list_ = new QTreeWidget(this);
    list_->setObjectName(QString::fromLatin1(names::historyList));
    list_->setAccessibleName(QStringLiteral("Inns, newest first"));
    list_->setColumnCount(kColumnCount);
    list_->setHeaderLabels({QStringLiteral("★"), QStringLiteral("Name"), QStringLiteral("✎"),
                            QStringLiteral("Landlord"), QStringLiteral("Location"), QStringLiteral("Quality"),
                            QStringLiteral("Made")});
    list_->headerItem()->setData(Star, Qt::AccessibleTextRole, QStringLiteral("Starred"));
    list_->headerItem()->setData(Notes, Qt::AccessibleTextRole, QStringLiteral("Notes"));
    list_->headerItem()->setToolTip(Notes, QStringLiteral("Has notes"));
    list_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    list_->setRootIsDecorated(false);
    list_->setUniformRowHeights(true);
    list_->setAllColumnsShowFocus(true);
    list_->setAlternatingRowColors(true);
    list_->header()->setStretchLastSection(false);
    list_->header()->setSectionResizeMode(Name, QHeaderView::Stretch);
    for (const auto& [column, width] :
         {std::pair{Star, 28}, {Notes, 28}, {Landlord, 150}, {Location, 120}, {Quality, 76}})
        list_->setColumnWidth(column, width);

    status_ = new QLabel(this);
    status_->setObjectName(QString::fromLatin1(names::historyStatusLabel));
    status_->setAccessibleName(QStringLiteral("What the list shows"));
    status_->setWordWrap(true);

    showButton_ = button(QStringLiteral("&Show"), names::historyShowButton, this);
    deleteButton_ = button(QStringLiteral("&Delete"), names::historyDeleteButton, this);
    undoButton_ = button(QStringLiteral("&Undo"), names::historyUndoButton, this);
    handoutButton_ = button(QStringLiteral("Export &Handout…"), names::historyHandoutButton, this);
    handoutButton_->setToolTip(QStringLiteral("Writes the inns chosen into one PDF to hand to the players"));
    auto* closeButton = button(QStringLiteral("Close"), names::historyCloseButton, this);

    auto* filterRow = new QHBoxLayout;
    filterRow->addWidget(filterCaption);
    filterRow->addWidget(filterEdit_);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    for (QPushButton* each : {handoutButton_, showButton_, deleteButton_, undoButton_, closeButton})
        buttons->addWidget(each);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(filterRow);
    layout->addWidget(list_);
    layout->addWidget(status_);
    layout->addLayout(buttons);
    resize(760, 440);

    connect(filterEdit_, &QLineEdit::textChanged, this, &InnHistoryDialog::filter);
    connect(list_, &QTreeWidget::itemActivated, this, &InnHistoryDialog::showChosen);
    connect(list_, &QTreeWidget::currentItemChanged, this, &InnHistoryDialog::enableButtons);
    connect(list_, &QTreeWidget::itemSelectionChanged, this, &InnHistoryDialog::enableButtons);
    connect(showButton_, &QPushButton::clicked, this, &InnHistoryDialog::showChosen);
    connect(deleteButton_, &QPushButton::clicked, this, &InnHistoryDialog::deleteChosen);
    connect(handoutButton_, &QPushButton::clicked, this, &InnHistoryDialog::chooseHandout);
    connect(undoButton_, &QPushButton::clicked, this, &InnHistoryDialog::undoDeletion);
    connect(closeButton, &QPushButton::clicked, this, &QDialog::reject);
    auto* undo = new QShortcut(QKeySequence::Undo, this, nullptr, nullptr, Qt::WidgetWithChildrenShortcut);
    connect(undo, &QShortcut::activated, this, &InnHistoryDialog::undoDeletion);
    filterEdit_->installEventFilter(this);
    list_->installEventFilter(this);
}

void InnHistoryDialog::fillList()
{
    const QFont shownFont = [this] {
        QFont bold = list_->font();
        bold.setBold(true);
        return bold;
    }();
    QList<QTreeWidgetItem*> items;
    items.reserve(static_cast<qsizetype>(entries_.size()));
    QTreeWidgetItem* shown = nullptr;
    for (std::size_t index = 0; index < entries_.size(); ++index) {
        const InnListEntry& inn = entries_[index];
        const QString name = inn.step.isEmpty() ? inn.name : inn.name + QStringLiteral(" \u2014 ") + inn.step;
        auto* item = new QTreeWidgetItem({inn.starred ? QStringLiteral("★") : QString(), name,
                                          inn.hasNotes ? QStringLiteral("✎") : QString(), inn.landlord, inn.location,
                                          inn.quality, madeText(inn.made)});
        item->setData(0, kIndexRole, static_cast<int>(index));
        item->setData(Star, Qt::AccessibleTextRole,
                      inn.starred ? QStringLiteral("starred") : QStringLiteral("not starred"));
        item->setData(Notes, Qt::AccessibleTextRole,
                      inn.hasNotes ? QStringLiteral("has notes") : QStringLiteral("no notes"));
        item->setToolTip(Name, rowToolTip(inn));
        if (inn.shown) {
            for (int column = 0; column < kColumnCount; ++column)
                item->setFont(column, shownFont);
            item->setData(Name, Qt::AccessibleDescriptionRole, QStringLiteral("shown now"));
            shown = item;
        }
        items.append(item);
    }
    // Added at once, the items are laid out once.
    list_->addTopLevelItems(items);
    if (shown != nullptr)
        list_->setCurrentItem(shown);
    list_->resizeColumnToContents(Made);
}

std::vector<std::string> InnHistoryDialog::deleted() const
{
    std::vector<std::string> ids;
    for (const std::vector<int>& deletion : deleted_)
        for (int index : deletion)
            ids.push_back(entries_[static_cast<std::size_t>(index)].id);
    return ids;
}

bool InnHistoryDialog::eventFilter(QObject* watched, QEvent* event)
{
    // Ctrl+Z in the filter undoes a deletion while there is one, and only
    // then the typing, as a line edit does.
    if (event->type() == QEvent::ShortcutOverride && watched == filterEdit_ && !deleted_.empty() &&
        static_cast<QKeyEvent*>(event)->matches(QKeySequence::Undo))
        return true;
    if (event->type() != QEvent::KeyPress)
        return QDialog::eventFilter(watched, event);
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        // The list activates its item itself.
        if (watched == filterEdit_)
            showChosen();
        return watched == filterEdit_;
    }
    // The filter field moves through the list as the list would.
    if (watched == filterEdit_ &&
        (key == Qt::Key_Up || key == Qt::Key_Down || key == Qt::Key_PageUp || key == Qt::Key_PageDown)) {
        QApplication::sendEvent(list_, event);
        return true;
    }
    if (key == Qt::Key_Delete && isDeleteForTheList(watched)) {
        deleteChosen();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

bool InnHistoryDialog::isDeleteForTheList(const QObject* watched) const
{
    return watched == list_ ||
           (filterEdit_->cursorPosition() == filterEdit_->text().size() && !filterEdit_->hasSelectedText());
}

void InnHistoryDialog::filter(const QString& text)
{
    const QStringList words = text.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    std::vector<std::string> folded;
    for (const QString& word : words)
        folded.push_back(foldedForSearch(word.toStdString()));
    std::vector<bool> isDeleted(entries_.size());
    for (const std::vector<int>& deletion : deleted_)
        for (int row : deletion)
            isDeleted[static_cast<std::size_t>(row)] = true;
    int shown = 0;
    for (int row = 0; row < list_->topLevelItemCount(); ++row) {
        QTreeWidgetItem* item = list_->topLevelItem(row);
        const auto index = static_cast<std::size_t>(row);
        const bool passed = !isDeleted[index] && passes(entries_[index], folded);
        // Each change lays the list out anew.
        if (item->isHidden() == passed)
            item->setHidden(!passed);
        shown += passed;
    }
    // Words that no inn holds leave the chosen inn chosen for when they go.
    if (list_->currentItem() == nullptr || (list_->currentItem()->isHidden() && shown > 0))
        list_->setCurrentItem(firstShownFrom(0));
    const int listed =
        list_->topLevelItemCount() - static_cast<int>(std::count(isDeleted.begin(), isDeleted.end(), true));
    if (words.isEmpty())
        tell(innCount(listed));
    else if (shown == 0)
        tell(QStringLiteral("No inn holds “%1”.").arg(words.join(QLatin1Char(' '))));
    else
        tell(QStringLiteral("%1 of %2").arg(shown).arg(innCount(listed)));
    enableButtons();
}

void InnHistoryDialog::showChosen()
{
    QTreeWidgetItem* item = list_->currentItem();
    if (item == nullptr || item->isHidden())
        return;
    chosen_ = entryOf(item).id;
    accept();
}

void InnHistoryDialog::chooseHandout()
{
    for (const QTreeWidgetItem* item : chosenItems())
        handout_.push_back(entryOf(item).id);
    if (!handout_.empty())
        accept();
}

std::vector<QTreeWidgetItem*> InnHistoryDialog::chosenItems() const
{
    std::vector<QTreeWidgetItem*> items;
    for (int row = 0; row < list_->topLevelItemCount(); ++row) {
        QTreeWidgetItem* item = list_->topLevelItem(row);
        if (item->isSelected() && !item->isHidden())
            items.push_back(item);
    }
    QTreeWidgetItem* current = list_->currentItem();
    if (items.empty() && current != nullptr && !current->isHidden())
        items.push_back(current);
    return items;
}

void InnHistoryDialog::deleteChosen()
{
    const std::vector<QTreeWidgetItem*> items = chosenItems();
    std::vector<int> rows;
    std::vector<const InnListEntry*> inns, starred;
    for (QTreeWidgetItem* item : items) {
        const InnListEntry& inn = entryOf(item);
        if (inn.shown)
            continue;
        rows.push_back(list_->indexOfTopLevelItem(item));
        inns.push_back(&inn);
        if (inn.starred)
            starred.push_back(&inn);
    }
    if (items.empty())
        return;
    if (inns.empty()) {
        tell(QStringLiteral("The inn shown now cannot be deleted: show another first"));
        return;
    }
    if (!starred.empty() && !mayDeleteStarred(starred)) {
        tell(starred.size() == 1 ? QStringLiteral("“%1” stays, starred.").arg(starred.front()->name)
                                 : QStringLiteral("The inns stay, %1 of them starred.").arg(starred.size()));
        return;
    }
    deleted_.push_back(rows);
    for (int row : rows)
        list_->topLevelItem(row)->setHidden(true);
    QTreeWidgetItem* next = firstShownFrom(rows.back());
    for (int before = rows.front() - 1; next == nullptr && before >= 0; --before)
        if (!list_->topLevelItem(before)->isHidden())
            next = list_->topLevelItem(before);
    list_->setCurrentItem(next);
    const bool keptShown = inns.size() < items.size();
    tell(QStringLiteral("Deleted ") + described(inns) +
         (keptShown ? QStringLiteral("; the inn shown now stays") : QString()) +
         (inns.size() == 1 ? QStringLiteral(". Undo brings it back.") : QStringLiteral(". Undo brings them back.")));
    enableButtons();
}

// A star is the user's word to keep the inn, and a deletion outlasts the
// list: one key alone never takes it back.
bool InnHistoryDialog::mayDeleteStarred(const std::vector<const InnListEntry*>& starred)
{
    const QString text =
        starred.size() == 1
            ? QStringLiteral("“%1” is starred. Delete it from the history and from your starred inns?")
                  .arg(starred.front()->name)
            : QStringLiteral("%1 of the inns chosen are starred. Delete them from the history and from your starred "
                             "inns?")
                  .arg(starred.size());
    QMessageBox question(QMessageBox::Question, QStringLiteral("Brewick"), text, QMessageBox::Yes | QMessageBox::No,
                         this);
    question.setTextFormat(Qt::PlainText);
    question.setDefaultButton(QMessageBox::No);
    return question.exec() == QMessageBox::Yes;
}

void InnHistoryDialog::undoDeletion()
{
    if (deleted_.empty())
        return;
    const std::vector<int> rows = std::move(deleted_.back());
    deleted_.pop_back();
    filter(filterEdit_->text());
    std::vector<const InnListEntry*> inns;
    list_->clearSelection();
    for (int row : rows) {
        QTreeWidgetItem* item = list_->topLevelItem(row);
        inns.push_back(&entryOf(item));
        if (!item->isHidden())
            list_->setCurrentItem(item, 0, QItemSelectionModel::Select);
    }
    tell(QStringLiteral("Back: ") + described(inns) + QLatin1Char('.'));
}

void InnHistoryDialog::enableButtons()
{
    const QTreeWidgetItem* item = list_->currentItem();
    const bool chosen = item != nullptr && !item->isHidden();
    showButton_->setEnabled(chosen);
    deleteButton_->setEnabled(chosen && (!entryOf(item).shown || list_->selectedItems().size() > 1));
    handoutButton_->setEnabled(chosen);
    undoButton_->setEnabled(!deleted_.empty());
}

// Said in the status line, and by a screen reader as the list's description.
void InnHistoryDialog::tell(const QString& news)
{
    status_->setText(news);
    list_->setAccessibleDescription(news);
}

const InnListEntry& InnHistoryDialog::entryOf(const QTreeWidgetItem* item) const
{
    return entries_[static_cast<std::size_t>(item->data(0, kIndexRole).toInt())];
}

QTreeWidgetItem* InnHistoryDialog::firstShownFrom(int from) const
{
    for (int row = from; row < list_->topLevelItemCount(); ++row)
        if (!list_->topLevelItem(row)->isHidden())
            return list_->topLevelItem(row);
    return nullptr;
}

}  // namespace brewick
