// The signals by which a desktop or a terminal ends a program (SIGTERM,
// SIGHUP, SIGINT), told in the event loop, so that the program can end as
// Quit ends it, with nothing the user typed or made lost.
#pragma once

#include <QObject>
#include <QSocketNotifier>

namespace brewick {

class TerminationSignals : public QObject {
    Q_OBJECT

public:
    // One for the program's life: it takes the signals over from now on.
    explicit TerminationSignals(QObject* parent = nullptr);
    ~TerminationSignals() override;

signals:
    void received();

private:
    QSocketNotifier* notifier_ = nullptr;
};

}  // namespace brewick
