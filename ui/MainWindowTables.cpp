// The main window's table commands: a table or a patron drawn again, each a
// step of the history, and the shown table copied.
#include <QAction>
#include <QClipboard>
#include <QGuiApplication>

#include "core/TableText.h"
#include "ui/InnExport.h"
#include "ui/InnForm.h"
#include "ui/MainWindow.h"

namespace brewick {

void MainWindow::rerollTable()
{
    if (!form_->isBrowsingTables())
        return;
    changeShownInn([this] { history_.changeShown(generator_, [this] { generator_.rerollChosenTable(); }); });
}

void MainWindow::rerollTableLine()
{
    const std::optional<std::size_t> line = form_->tableLineAtCursor();
    const TableLine::Role role = shownTableLine().role;
    // No step of the history where nothing is drawn.
    if (role != TableLine::Patron && role != TableLine::Action)
        return;
    changeShownInn([&] { history_.changeShown(generator_, [&] { generator_.rerollChosenTableLine(*line); }); });
}

void MainWindow::copyTable() { QGuiApplication::clipboard()->setMimeData(clipboardTable(shownInn())); }

void MainWindow::enableTableCommands()
{
    const bool hasTable = generator_.sheet().chosenTable >= 0;
    actions_.editRerollTable->setEnabled(hasTable && form_->isBrowsingTables());
    const TableLine::Role role = shownTableLine().role;
    actions_.editRerollPatron->setEnabled(role == TableLine::Patron || role == TableLine::Action);
    actions_.editRerollPatron->setText(role == TableLine::Action ? QStringLiteral("Re-roll What They Are D&oing")
                                                                 : QStringLiteral("Re-roll Patr&on"));
    actions_.tableCopy->setEnabled(hasTable);
}

TableLine MainWindow::shownTableLine() const
{
    const InnSheet& sheet = generator_.sheet();
    const std::optional<std::size_t> line = form_->tableLineAtCursor();
    return line ? tableLineAt(sheet, static_cast<std::size_t>(sheet.chosenTable), *line) : TableLine();
}

}  // namespace brewick
