#pragma once
// The dialog double for tests: records which dialog the program asked for
// (its object name and title) and answers it with the next queued answer
// instead of running it. An answer is a function that may fill the
// dialog's widgets the way a user would before it returns the dialog's
// result; a dialog nobody queued an answer for, or another one than the
// queue expected, is marked unexpected, the SetOnUnexpected hook runs and
// it is answered Rejected.
#include "platform/ModalDialogs.h"

#include <QString>

#include <deque>
#include <functional>
#include <vector>

class ScriptedModalDialogs : public ModalDialogs {
public:
    using Answer = std::function<int(QDialog&)>;
    struct Call {
        QString objectName;
        QString title;
        int result = 0;
        bool unexpected = false;
    };

    int Run(QDialog& dialog) override;

    // The next dialog must be the one named objectName; answer decides.
    void Queue(const QString& objectName, Answer answer);
    // Shorthands: the user presses OK (Accepted) or Cancel (Rejected).
    void QueueAccept(const QString& objectName);
    void QueueReject(const QString& objectName);
    void SetOnUnexpected(std::function<void(const Call&)> hook) { m_onUnexpected = std::move(hook); }

    const std::vector<Call>& Calls() const { return m_calls; }
    std::size_t Count() const { return m_calls.size(); }
    std::size_t PendingAnswers() const { return m_queue.size(); }

private:
    struct Queued {
        QString objectName;
        Answer answer;
    };
    std::vector<Call> m_calls;
    std::deque<Queued> m_queue;
    std::function<void(const Call&)> m_onUnexpected;
};
