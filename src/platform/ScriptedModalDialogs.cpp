#include "platform/ScriptedModalDialogs.h"

#include <QDialog>

int ScriptedModalDialogs::Run(QDialog& dialog)
{
    Call call{dialog.objectName(), dialog.windowTitle(), QDialog::Rejected, false};
    if (m_queue.empty() || m_queue.front().objectName != call.objectName) {
        call.unexpected = true;
        m_calls.push_back(call);
        if (m_onUnexpected)
            m_onUnexpected(call);
        return call.result;
    }
    const Answer answer = std::move(m_queue.front().answer);
    m_queue.pop_front();
    call.result = answer ? answer(dialog) : QDialog::Rejected;
    m_calls.push_back(call);
    return call.result;
}

void ScriptedModalDialogs::Queue(const QString& objectName, Answer answer)
{
    m_queue.push_back({objectName, std::move(answer)});
}

void ScriptedModalDialogs::QueueAccept(const QString& objectName)
{
    Queue(objectName, [](QDialog&) { return int(QDialog::Accepted); });
}

void ScriptedModalDialogs::QueueReject(const QString& objectName)
{
    Queue(objectName, [](QDialog&) { return int(QDialog::Rejected); });
}
