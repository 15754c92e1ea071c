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

namespace {
// Enabled or not, the command says what it does, or why it cannot, in its
// tooltip and where the window shows status tips.
void offer(QAction* command, bool applies, const QString& does, const QString& whyNot)
{
    command->setEnabled(applies);
    command->setToolTip(applies ? does : whyNot);
    command->setStatusTip(command->toolTip());
}
}  // namespace

void MainWindow::rerollTable()
{
    if (generator_.sheet().chosenTable < 0)
        return;
    changeShownInn([this] { history_.changeShown(generator_, [this] { generator_.rerollChosenTable(); }); });
}

void MainWindow::rerollTableLine()
{
    const std::size_t line = form_->tableLineAtCursor();
    const TableLine::Role role = shownTableLine().role;
    // No step of the history where nothing is drawn.
    if (role != TableLine::Patron && role != TableLine::Action)
        return;
    changeShownInn([&] { history_.changeShown(generator_, [&] { generator_.rerollChosenTableLine(line); }); });
}

void MainWindow::copyTable() { QGuiApplication::clipboard()->setMimeData(clipboardTable(shownInn())); }

void MainWindow::enableTableCommands()
{
    const bool hasTable = generator_.sheet().chosenTable >= 0;
    const QString noTable = QStringLiteral("The inn has no table to show");
    offer(actions_.editRerollTable, hasTable, QStringLiteral("Draws the shown table again"), noTable);
    offer(actions_.editCopyTable, hasTable, QStringLiteral("Puts the shown table on the clipboard"), noTable);
    const TableLine::Role role = shownTableLine().role;
    offer(actions_.editRerollPatron, role == TableLine::Patron || role == TableLine::Action,
          role == TableLine::Action ? QStringLiteral("Draws again what the patrons at the cursor are doing")
                                    : QStringLiteral("Draws the patron at the cursor again"),
          QStringLiteral("Put the cursor of the shown table on a patron's line to draw that patron again"));
    actions_.editRerollPatron->setText(role == TableLine::Action ? QStringLiteral("Re-roll What They Are D&oing")
                                                                 : QStringLiteral("Re-roll Patr&on"));
}

TableLine MainWindow::shownTableLine() const
{
    const InnSheet& sheet = generator_.sheet();
    if (sheet.chosenTable < 0)
        return {};
    return tableLineAt(sheet, static_cast<std::size_t>(sheet.chosenTable), form_->tableLineAtCursor());
}

}  // namespace brewick
