#include "platform/ProcessWait.h"

#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QEventLoop>
#include <QSocketNotifier>

namespace brewick {

void waitForChildProcess(pid_t pid)
{
    // A pidfd becomes readable when the process ends.
    const int pidfd = static_cast<int>(syscall(SYS_pidfd_open, pid, 0));
    if (pidfd >= 0) {
        QEventLoop loop;
        QSocketNotifier ended(pidfd, QSocketNotifier::Read);
        QObject::connect(&ended, &QSocketNotifier::activated, &loop, &QEventLoop::quit);
        loop.exec();
        close(pidfd);
    }
    // Reaps the child, and without a pidfd (kernels before 5.3) waits for it.
    while (waitpid(pid, nullptr, 0) < 0 && errno == EINTR) {
    }
}

}  // namespace brewick
