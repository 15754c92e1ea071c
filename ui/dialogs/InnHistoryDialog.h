// Edit > History…: every inn of the history and every starred inn, newest
// first, the shown one chosen, narrowed to the inns whose texts hold every
// word typed into its filter. Enter or a double-click chooses the inn to
// show; Delete takes the inns chosen off the list, saying which, after asking
// once when any is starred, and Undo puts them back while the list is open;
// "Export Handout…" chooses the inns chosen for a handout. The window
// carries out what was chosen and deleted once the list closes.
#pragma once

#include <QDialog>
#include <QString>

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class QLabel;
class QLineEdit;
class QModelIndex;
class QPushButton;
class QTreeView;

namespace brewick {

struct SearchWords;

// An inn as the list shows it.
struct InnListEntry {
    std::string id;
    QString name;
    QString landlord;
    QString location;
    QString quality;
    QString step;  // what this step of the history drew again, if it did
    QString pins;  // the lines pinned from the inn, one a line, shown in its row's tooltip
    // Every word of the inn, which the filter searches.
    std::shared_ptr<const SearchWords> searchWords;
    std::int64_t made = 0;  // milliseconds since 1970
    bool hasNotes = false;
    bool starred = false;
    bool shown = false;  // the inn the window shows, which cannot be deleted
};

class InnListModel;
class InnListFilter;

class InnHistoryDialog : public QDialog {
    Q_OBJECT

public:
    InnHistoryDialog(std::vector<InnListEntry> entries, QWidget* parent);

    // The inn chosen to be shown, if any.
    const std::optional<std::string>& chosen() const { return chosen_; }
    // The inns deleted and not brought back, in the order deleted.
    std::vector<std::string> deleted() const;
    // The inns chosen for a handout, in the order of the list; none unless
    // "Export Handout…" closed the list.
    const std::vector<std::string>& handout() const { return handout_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void sortNewestFirst();
    void createControls();
    void filter(const QString& text);
    void showChosen();
    void chooseHandout();
    // The rows chosen and shown, by their places in the list, in its order;
    // else the current one.
    std::vector<int> chosenRows() const;
    void deleteChosen();
    bool mayDeleteStarred(const std::vector<const InnListEntry*>& starred);
    // Delete in the filter where it has nothing to delete itself.
    bool isDeleteForTheList(const QObject* watched) const;
    void undoDeletion();
    void enableButtons();
    void tell(const QString& news);
    // The place in the list of the current row; none: -1.
    int currentRow() const;
    // Makes the inn at `row` of the list current, the others chosen as they
    // were, or chosen alone.
    void makeCurrent(int row, bool alone = true);
    // The first row the filter lets through, from `from` on; none: -1.
    int firstShownFrom(int from) const;
    QModelIndex indexOf(int row) const;

    std::vector<InnListEntry> entries_;      // newest first, as listed
    std::vector<std::vector<int>> deleted_;  // by their places in the list, a deletion each
    std::optional<std::string> chosen_;
    std::vector<std::string> handout_;
    // The current inn, also while the filter hides it, to be current again
    // once the filter lets it through.
    int current_ = -1;
    InnListModel* model_ = nullptr;
    InnListFilter* filter_ = nullptr;
    QLineEdit* filterEdit_ = nullptr;
    QTreeView* list_ = nullptr;
    QLabel* status_ = nullptr;
    QPushButton* showButton_ = nullptr;
    QPushButton* deleteButton_ = nullptr;
    QPushButton* undoButton_ = nullptr;
    QPushButton* handoutButton_ = nullptr;
};

}  // namespace brewick
