#pragma once

#include <QObject>

class QSocketNotifier;

namespace Platform {

// Turns SIGTERM and SIGINT into a Qt signal delivered on the event loop, so the program can
// close its window the ordinary way, saving what closing saves. One instance per process.
class TerminationSignals final : public QObject
{
    Q_OBJECT

public:
    explicit TerminationSignals(QObject *parent = nullptr);
    ~TerminationSignals() override;

    bool isInstalled() const { return m_notifier != nullptr; }

Q_SIGNALS:
    void terminationRequested();

private:
    QSocketNotifier *m_notifier = nullptr;
};

} // namespace Platform
