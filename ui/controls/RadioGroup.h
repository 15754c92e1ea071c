// A framed column of radio buttons with one item always selected, like the
// location and quality choices: Tab reaches the group once, on its selected
// item, and the arrow keys move the selection.
#pragma once

#include <QButtonGroup>
#include <QGroupBox>
#include <QStringList>

namespace brewick {

class RadioGroup : public QGroupBox {
    Q_OBJECT

public:
    RadioGroup(const QString& caption, const QStringList& items, QWidget* parent);

    int selected() const { return buttons_.checkedId(); }
    // Selects from the program; emits nothing.
    void select(int index);

signals:
    // The user selected an item (also the one already selected).
    void chosen(int index);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void placeItems();
    void keepTabOnSelected();

    QButtonGroup buttons_;
};

}  // namespace brewick
