#pragma once
// The desktop asking the program to end: SIGTERM (a logout, a shutdown,
// `kill`), SIGHUP and SIGINT. The handler only writes a byte into a pipe;
// the event loop reads it and calls `beim Ende` there, where the cash book
// may be saved. One object at a time; the signals' earlier handling comes
// back when it goes.
#include <QObject>

#include <functional>
#include <memory>

class QSocketNotifier;

class CEndeSignal : public QObject {
public:
    explicit CEndeSignal(std::function<void()> beimEnde);
    ~CEndeSignal() override;

private:
    void Lies();

    std::function<void()> m_beimEnde;
    std::unique_ptr<QSocketNotifier> m_notifier;
};
