// Edit > History…: every inn of the history and every starred inn, newest
// first, the shown one chosen, narrowed to the inns whose texts hold every
// word typed into its filter. Enter or a double-click chooses the inn to
// show; Delete takes an inn off the list, saying which, after asking when it
// is starred, and Undo puts it back while the list is open. The window
// carries out what was chosen and deleted once the list closes.
#pragma once

#include <QDialog>
#include <QString>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

class QLabel;
class QLineEdit;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

namespace brewick {

// An inn as the list shows it.
struct InnListEntry {
    std::string id;
    QString name;
    QString landlord;
    QString location;
    QString quality;
    QString step;           // what this step of the history drew again, if it did
    QString texts;          // the inn as File > Save writes it, which the filter searches too
    std::int64_t made = 0;  // milliseconds since 1970
    bool starred = false;
    bool shown = false;  // the inn the window shows, which cannot be deleted
};

class InnHistoryDialog : public QDialog {
    Q_OBJECT

public:
    InnHistoryDialog(std::vector<InnListEntry> entries, QWidget* parent);

    // The inn chosen to be shown, if any.
    const std::optional<std::string>& chosen() const { return chosen_; }
    // The inns deleted and not brought back, in the order deleted.
    std::vector<std::string> deleted() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void createControls();
    void fillList();
    void filter(const QString& text);
    void showChosen();
    void deleteCurrent();
    bool mayDeleteStarred(const InnListEntry& inn);
    // Delete in the filter where it has nothing to delete itself.
    bool isDeleteForTheList(const QObject* watched) const;
    void undoDeletion();
    void enableButtons();
    void tell(const QString& news);
    const InnListEntry& entryOf(const QTreeWidgetItem* item) const;
    // The first item the filter lets through, from `from` on; none: null.
    QTreeWidgetItem* firstShownFrom(int from) const;

    std::vector<InnListEntry> entries_;  // newest first, as listed
    std::vector<int> deleted_;           // by their place in the list
    std::optional<std::string> chosen_;
    QLineEdit* filterEdit_ = nullptr;
    QTreeWidget* list_ = nullptr;
    QLabel* status_ = nullptr;
    QPushButton* showButton_ = nullptr;
    QPushButton* deleteButton_ = nullptr;
    QPushButton* undoButton_ = nullptr;
};

}  // namespace brewick
