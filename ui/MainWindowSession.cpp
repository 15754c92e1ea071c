// The main window's kept session: the inns of earlier runs brought back, and
// the window's inns kept as they stand, after each change and while the user
// types.
#include "ui/InnForm.h"
#include "ui/MainWindow.h"

namespace brewick {

void MainWindow::keepSessionIn(const std::filesystem::path& folder)
{
    sessionKeeper_ = std::make_unique<SessionKeeper>(folder, windowId_, [this] {
        QMetaObject::invokeMethod(this, &MainWindow::takeSessionNews, Qt::QueuedConnection);
    });
    sessionRestoring_ = true;
    enableHistorySteps();
}

void MainWindow::takeSessionNews()
{
    restoreSession(false);
    for (const std::string& message : sessionKeeper_->takeMessages())
        reportError(message);
}

void MainWindow::restoreSession(bool wait)
{
    if (!sessionKeeper_)
        return;
    if (std::optional<std::vector<KeptInn>> inns = sessionKeeper_->takeRestored(wait)) {
        history_.restore(std::move(*inns));
        sessionRestoring_ = false;
        enableHistorySteps();
        emit sessionRestored();
    }
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
    form_->commitEdits();
    sessionKeeper_->keep(history_.inns(generator_.sheet()));
}

}  // namespace brewick
