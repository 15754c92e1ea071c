// The main window's kept session: the inns of earlier runs brought back, and
// the window's inns kept as they stand, after each change and while the user
// types, the starred ones also in their own file.
#include "ui/InnForm.h"
#include "ui/MainWindow.h"

namespace brewick {

void MainWindow::keepInnsIn(const std::filesystem::path& folder, const std::filesystem::path& starredFile)
{
    sessionKeeper_ = std::make_unique<SessionKeeper>(folder, windowId_, starredFile, [this] {
        QMetaObject::invokeMethod(this, &MainWindow::takeSessionNews, Qt::QueuedConnection);
    });
    sessionRestoring_ = true;
    enableHistorySteps();
    if (painted_)
        sessionKeeper_->start();
}

// The first inn on the screen, the kept inns are read: the reading would
// take time from the first paint on a machine of few cores.
void MainWindow::paintEvent(QPaintEvent* event)
{
    QMainWindow::paintEvent(event);
    if (!std::exchange(painted_, true) && sessionKeeper_)
        QMetaObject::invokeMethod(
            this, [this] { sessionKeeper_->start(); }, Qt::QueuedConnection);
}

void MainWindow::takeSessionNews()
{
    restoreSession(false);
    takeStarred(false);
    for (const std::string& message : sessionKeeper_->takeMessages())
        reportError(message);
}

void MainWindow::restoreSession(bool wait)
{
    if (!sessionKeeper_)
        return;
    if (std::optional<std::vector<KeptInn>> inns = sessionKeeper_->takeRestored(wait)) {
        // The stars, read with the session, keep its starred inns within the bounds.
        takeStarred(false);
        history_.restore(std::move(*inns));
        sessionRestoring_ = false;
        enableHistorySteps();
        emit sessionRestored();
    }
}

void MainWindow::takeStarred(bool wait)
{
    if (!sessionKeeper_)
        return;
    if (std::optional<std::vector<KeptInn>> starred = sessionKeeper_->takeStarred(wait))
        useStarred(std::move(*starred));
}

void MainWindow::keepSessionSoon()
{
    if (sessionKeeper_)
        sessionKeeping_.start();
}

void MainWindow::keepSession()
{
    if (!sessionKeeper_)
        return;
    sessionKeeping_.stop();
    typingKeeping_.stop();
    // What is typed in an open editor is kept as typed, and the editor stays
    // open: Escape still gives the edit up, and the next keeping keeps that.
    std::vector<KeptInn> inns = history_.inns(shownInn());
    changeStars(starredUpdates(inns));
    sessionKeeper_->keep(std::move(inns), {history_.deleted().begin(), history_.deleted().end()});
}

}  // namespace brewick
