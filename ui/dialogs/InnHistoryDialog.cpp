#include "ui/dialogs/InnHistoryDialog.h"

#include <QAbstractTableModel>
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
#include <QSortFilterProxyModel>
#include <QStyle>
#include <QTreeView>
#include <QVBoxLayout>

#include <algorithm>
#include <numeric>

#include "core/SearchText.h"
#include "ui/controls/ObjectNames.h"

namespace brewick {

namespace {
namespace names = objectNames;

enum Column { Star, Name, Notes, Landlord, Location, Quality, Made, kColumnCount };

QString madeText(std::int64_t made)
{
    if (made <= 0)
        return {};
    return QLocale().toString(QDateTime::fromMSecsSinceEpoch(made), QLocale::ShortFormat);
}

// Every word of the filter, folded as the inn's texts are, is in them.
bool passes(const InnListEntry& inn, const std::vector<std::string>& words)
{
    return std::all_of(words.begin(), words.end(),
                       [&inn](const std::string& word) { return inn.searchWords && inn.searchWords->holds(word); });
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

// The name, what its step drew again and the lines pinned from it, as the
// row shows them; the row's tooltip has the pinned lines whole.
QString rowName(const InnListEntry& inn)
{
    QStringList parts{inn.name};
    if (!inn.step.isEmpty())
        parts.append(inn.step);
    if (!inn.pins.isEmpty())
        parts.append(QStringLiteral("Pinned: ") + QString(inn.pins).replace(QLatin1Char('\n'), QStringLiteral("; ")));
    return parts.join(QStringLiteral(" \u2014 "));
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

// The inns, every one, a row each; the window's tests read its rows.
class InnListModel : public QAbstractTableModel {
public:
    InnListModel(const std::vector<InnListEntry>& entries, QFont shownFont, QObject* parent)
        : QAbstractTableModel(parent),
          entries_(entries),
          shownFont_(std::move(shownFont))
    {
    }

    int rowCount(const QModelIndex& parent) const override
    {
        return parent.isValid() ? 0 : static_cast<int>(entries_.size());
    }
    int columnCount(const QModelIndex& parent) const override { return parent.isValid() ? 0 : kColumnCount; }

    // Made when a row is painted or read, so that a thousand inns open as fast as ten.
    QVariant data(const QModelIndex& index, int role) const override
    {
        const InnListEntry& inn = entries_[static_cast<std::size_t>(index.row())];
        switch (role) {
        case Qt::DisplayRole:
            return text(inn, index.column());
        case Qt::FontRole:
            return inn.shown ? QVariant(shownFont_) : QVariant();
        case Qt::ToolTipRole:
            return index.column() == Name ? QVariant(rowToolTip(inn)) : QVariant();
        case Qt::AccessibleTextRole:
            if (index.column() == Star)
                return inn.starred ? QStringLiteral("starred") : QStringLiteral("not starred");
            if (index.column() == Notes)
                return inn.hasNotes ? QStringLiteral("has notes") : QStringLiteral("no notes");
            return {};
        case Qt::AccessibleDescriptionRole:
            return index.column() == Name && inn.shown ? QVariant(QStringLiteral("shown now")) : QVariant();
        default:
            return {};
        }
    }

    QVariant headerData(int section, Qt::Orientation orientation, int role) const override
    {
        static const QString labels[kColumnCount] = {
            QStringLiteral("★"),        QStringLiteral("Name"),    QStringLiteral("✎"),   QStringLiteral("Landlord"),
            QStringLiteral("Location"), QStringLiteral("Quality"), QStringLiteral("Made")};
        if (orientation != Qt::Horizontal)
            return {};
        if (role == Qt::DisplayRole)
            return labels[section];
        if (role == Qt::AccessibleTextRole && section == Star)
            return QStringLiteral("Starred");
        if ((role == Qt::AccessibleTextRole || role == Qt::ToolTipRole) && section == Notes)
            return QStringLiteral("Notes");
        return {};
    }

private:
    static QString text(const InnListEntry& inn, int column)
    {
        switch (column) {
        case Star:
            return inn.starred ? QStringLiteral("★") : QString();
        case Name:
            return rowName(inn);
        case Notes:
            return inn.hasNotes ? QStringLiteral("✎") : QString();
        case Landlord:
            return inn.landlord;
        case Location:
            return inn.location;
        case Quality:
            return inn.quality;
        default:
            return madeText(inn.made);
        }
    }

    const std::vector<InnListEntry>& entries_;
    const QFont shownFont_;
};

// The inns that hold every word of the filter and were not deleted.
class InnListFilter : public QSortFilterProxyModel {
public:
    InnListFilter(const std::vector<InnListEntry>& entries, QObject* parent)
        : QSortFilterProxyModel(parent),
          entries_(entries),
          deleted_(entries.size())
    {
    }

    void setWords(std::vector<std::string> words)
    {
        words_ = std::move(words);
        invalidateRowsFilter();
    }
    void setDeleted(int row, bool deleted)
    {
        deleted_[static_cast<std::size_t>(row)] = deleted;
        invalidateRowsFilter();
    }
    bool isDeleted(int row) const { return deleted_[static_cast<std::size_t>(row)]; }
    int deletedCount() const { return static_cast<int>(std::count(deleted_.begin(), deleted_.end(), true)); }

protected:
    bool filterAcceptsRow(int row, const QModelIndex&) const override
    {
        const auto index = static_cast<std::size_t>(row);
        return !deleted_[index] && passes(entries_[index], words_);
    }

private:
    const std::vector<InnListEntry>& entries_;
    std::vector<bool> deleted_;
    std::vector<std::string> words_;  // folded
};

InnHistoryDialog::InnHistoryDialog(std::vector<InnListEntry> entries, QWidget* parent)
    : QDialog(parent),
      entries_(std::move(entries))
{
    setObjectName(QString::fromLatin1(names::historyDialog));
    setWindowTitle(QStringLiteral("History"));
    sortNewestFirst();
    createControls();
    const auto shown =
        std::find_if(entries_.begin(), entries_.end(), [](const InnListEntry& inn) { return inn.shown; });
    // The filter, run once here, makes it current.
    if (shown != entries_.end())
        current_ = static_cast<int>(shown - entries_.begin());
    filter({});
}

// Sorted by place, each entry moved once.
void InnHistoryDialog::sortNewestFirst()
{
    std::vector<std::size_t> order(entries_.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(),
                     [this](std::size_t a, std::size_t b) { return entries_[a].made > entries_[b].made; });
    std::vector<InnListEntry> sorted;
    sorted.reserve(entries_.size());
    for (std::size_t index : order)
        sorted.push_back(std::move(entries_[index]));
    entries_ = std::move(sorted);
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

    list_ = new QTreeView(this);
    list_->setObjectName(QString::fromLatin1(names::historyList));
    list_->setAccessibleName(QStringLiteral("Inns, newest first"));
    QFont shownFont = list_->font();
    shownFont.setBold(true);
    model_ = new InnListModel(entries_, shownFont, this);
    filter_ = new InnListFilter(entries_, this);
    filter_->setSourceModel(model_);
    list_->setModel(filter_);
    list_->setRootIsDecorated(false);
    list_->setUniformRowHeights(true);
    list_->setAllColumnsShowFocus(true);
    list_->setAlternatingRowColors(true);
    list_->setSelectionBehavior(QAbstractItemView::SelectRows);
    list_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    list_->header()->setStretchLastSection(false);
    list_->header()->setSectionResizeMode(Name, QHeaderView::Stretch);
    for (const auto& [column, width] :
         {std::pair{Star, 28}, {Notes, 28}, {Landlord, 150}, {Location, 120}, {Quality, 76}})
        list_->setColumnWidth(column, width);
    // Wide enough for any date and time, measured once rather than on every row.
    const QString widestMade =
        QLocale().toString(QDateTime(QDate(2088, 12, 28), QTime(20, 58, 58)), QLocale::ShortFormat);
    list_->setColumnWidth(Made, list_->fontMetrics().horizontalAdvance(widestMade) +
                                    2 * (list_->style()->pixelMetric(QStyle::PM_FocusFrameHMargin) + 1) + 4);

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
    connect(list_, &QTreeView::activated, this, &InnHistoryDialog::showChosen);
    connect(list_->selectionModel(), &QItemSelectionModel::currentChanged, this, [this](const QModelIndex& index) {
        // The filter taking the current row away leaves the inn current.
        if (index.isValid())
            current_ = filter_->mapToSource(index).row();
        enableButtons();
    });
    connect(list_->selectionModel(), &QItemSelectionModel::selectionChanged, this, &InnHistoryDialog::enableButtons);
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
    const int chosen = current_;
    filter_->setWords(std::move(folded));
    const int shown = filter_->rowCount();
    // Words that no inn holds leave the chosen inn chosen for when they go.
    if (chosen >= 0 && indexOf(chosen).isValid())
        makeCurrent(chosen, false);
    else if (shown > 0)
        makeCurrent(firstShownFrom(0));
    else
        current_ = chosen;
    const int listed = static_cast<int>(entries_.size()) - filter_->deletedCount();
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
    const int row = currentRow();
    if (row < 0)
        return;
    chosen_ = entries_[static_cast<std::size_t>(row)].id;
    accept();
}

void InnHistoryDialog::chooseHandout()
{
    for (int row : chosenRows())
        handout_.push_back(entries_[static_cast<std::size_t>(row)].id);
    if (!handout_.empty())
        accept();
}

std::vector<int> InnHistoryDialog::chosenRows() const
{
    std::vector<int> rows;
    for (const QModelIndex& index : list_->selectionModel()->selectedRows())
        rows.push_back(filter_->mapToSource(index).row());
    std::sort(rows.begin(), rows.end());
    if (rows.empty() && currentRow() >= 0)
        rows.push_back(currentRow());
    return rows;
}

void InnHistoryDialog::deleteChosen()
{
    const std::vector<int> chosen = chosenRows();
    std::vector<int> rows;
    std::vector<const InnListEntry*> inns, starred;
    for (int row : chosen) {
        const InnListEntry& inn = entries_[static_cast<std::size_t>(row)];
        if (inn.shown)
            continue;
        rows.push_back(row);
        inns.push_back(&inn);
        if (inn.starred)
            starred.push_back(&inn);
    }
    if (chosen.empty())
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
        filter_->setDeleted(row, true);
    int next = firstShownFrom(rows.back());
    for (int before = rows.front() - 1; next < 0 && before >= 0; --before)
        if (indexOf(before).isValid())
            next = before;
    makeCurrent(next);
    const bool keptShown = inns.size() < chosen.size();
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
    for (int row : rows)
        filter_->setDeleted(row, false);
    filter(filterEdit_->text());
    std::vector<const InnListEntry*> inns;
    list_->clearSelection();
    for (int row : rows) {
        inns.push_back(&entries_[static_cast<std::size_t>(row)]);
        if (indexOf(row).isValid())
            makeCurrent(row, false);
    }
    tell(QStringLiteral("Back: ") + described(inns) + QLatin1Char('.'));
}

void InnHistoryDialog::enableButtons()
{
    const int row = currentRow();
    const bool chosen = row >= 0;
    showButton_->setEnabled(chosen);
    deleteButton_->setEnabled(chosen && (!entries_[static_cast<std::size_t>(row)].shown ||
                                         list_->selectionModel()->selectedRows().size() > 1));
    handoutButton_->setEnabled(chosen);
    undoButton_->setEnabled(!deleted_.empty());
}

// Said in the status line, and by a screen reader as the list's description.
void InnHistoryDialog::tell(const QString& news)
{
    status_->setText(news);
    list_->setAccessibleDescription(news);
}

int InnHistoryDialog::currentRow() const
{
    const QModelIndex current = list_->currentIndex();
    return current.isValid() ? filter_->mapToSource(current).row() : -1;
}

void InnHistoryDialog::makeCurrent(int row, bool alone)
{
    current_ = row;
    if (row < 0) {
        list_->setCurrentIndex({});
        return;
    }
    list_->selectionModel()->setCurrentIndex(indexOf(row),
                                             alone ? QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows
                                                   : QItemSelectionModel::Select | QItemSelectionModel::Rows);
}

int InnHistoryDialog::firstShownFrom(int from) const
{
    for (int row = from; row < static_cast<int>(entries_.size()); ++row)
        if (indexOf(row).isValid())
            return row;
    return -1;
}

QModelIndex InnHistoryDialog::indexOf(int row) const { return filter_->mapFromSource(model_->index(row, 0)); }

}  // namespace brewick
