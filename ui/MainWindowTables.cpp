// The main window's commands as they apply to the shown inn: stepping,
// starring, the table commands and Pin Line, each saying what it does or why it
// cannot; and the shown table copied.
#include <QAction>
#include <QClipboard>
#include <QGuiApplication>

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

void MainWindow::copyTable() { QGuiApplication::clipboard()->setMimeData(clipboardTable(shownInn())); }

void MainWindow::showCommands()
{
    const InnDesk::Commands commands = desk_.commands();
    // While the inns of earlier runs are read, a step back waits for them.
    actions_.editPreviousInn->setEnabled(commands.previous);
    actions_.editNextInn->setEnabled(commands.next);
    actions_.editKeepInn->setEnabled(commands.star);
    actions_.editKeepInn->setChecked(commands.starred);
    setWindowTitle(commands.starred ? QStringLiteral("Brewick \u2605") : QStringLiteral("Brewick"));
    showNotesMark();
    const QString noTable = QStringLiteral("The inn has no table to show");
    offer(actions_.editRerollTable, commands.table, QStringLiteral("Draws the shown table again"), noTable);
    offer(actions_.editCopyTable, commands.table, QStringLiteral("Puts the shown table on the clipboard"), noTable);
    const bool action = commands.line == TableLine::Action;
    offer(actions_.editRerollPatron, (commands.line == TableLine::Patron || action) && !commands.tableLinePinned,
          action ? QStringLiteral("Draws again what the patrons at the cursor are doing")
                 : QStringLiteral("Draws the patron at the cursor again"),
          commands.tableLinePinned
              ? QStringLiteral("The line at the cursor is pinned: unpin it to draw it again")
              : QStringLiteral("Put the cursor of the shown table on a patron's line to draw that patron again"));
    actions_.editRerollPatron->setText(action ? QStringLiteral("Re-roll What They Are D&oing")
                                              : QStringLiteral("Re-roll Patr&on"));
    const bool onPatron = commands.line == TableLine::Patron || commands.line == TableLine::Details;
    offer(actions_.editFleshOutPatron, commands.fleshOutPatron,
          QStringLiteral("Gives the patron at the cursor a name, a trait and a rumour"),
          commands.fleshedOut ? QStringLiteral("The patron at the cursor has a name, a trait and a rumour already")
          : onPatron          ? QStringLiteral("The patron's line was changed, so who they are is no longer known")
                     : QStringLiteral("Put the cursor of the shown table on a patron's line to flesh out that patron"));
    offer(actions_.editFleshOutTable, commands.fleshOutTable,
          QStringLiteral("Gives every patron of the shown table a name, a trait and a rumour"),
          commands.table ? QStringLiteral("No patron of the shown table is left to flesh out") : noTable);
    showPinCommand(commands);
}

// Pin Line acts on the line at the cursor of the box the user was last in,
// and its tooltip names that box, so that the user sees which line it is.
void MainWindow::showPinCommand(const InnDesk::Commands& commands)
{
    struct Box {
        QString line;
        QString whyNot;
    };
    const Box box = commands.lineBox == LineBox::Menu
                        ? Box{QStringLiteral("the menu line at the cursor"),
                              QStringLiteral("Put the cursor of the menu on a dish or a drink to pin it")}
                    : commands.lineBox == LineBox::Scene
                        ? Box{QStringLiteral("the bar scene"), QStringLiteral("The inn has no bar scene to pin")}
                        : Box{QStringLiteral("the line at the cursor of the shown table"),
                              QStringLiteral("Put the cursor of the shown table on a patron's line or on what "
                                             "they are doing to pin it")};
    offer(actions_.editPinLine, commands.pinnable,
          commands.pinned ? QStringLiteral("Unpins ") + box.line
                          : QStringLiteral("Keeps ") + box.line + QStringLiteral(" through Generate and the re-rolls"),
          box.whyNot);
    actions_.editPinLine->setText(commands.pinned ? QStringLiteral("Unpin Lin&e") : QStringLiteral("Pin Lin&e"));
    form_->showPinnedLines(desk_.pinnedLines(LineBox::Table), desk_.pinnedLines(LineBox::Menu),
                           !desk_.pinnedLines(LineBox::Scene).empty());
}

}  // namespace brewick
