#include "platform/ScriptedFileDialogs.h"

#include <algorithm>

QString ScriptedFileDialogs::Answer(Call call)
{
    if (m_queue.empty()) {
        call.unexpected = true;
    } else {
        call.answer = m_queue.front();
        m_queue.pop_front();
    }
    m_calls.push_back(call);
    return call.answer;
}

QString ScriptedFileDialogs::OpenCashBook(const QString& startFolder)
{
    Call call;
    call.kind = Kind::Open;
    call.startFolder = startFolder;
    return Answer(std::move(call));
}

QString ScriptedFileDialogs::SavePdf(const QString& startFolder, const QString& initialName)
{
    Call call;
    call.kind = Kind::SavePdf;
    call.startFolder = startFolder;
    call.initialName = initialName;
    return Answer(std::move(call));
}

QString ScriptedFileDialogs::SaveCashBook(const QString& startFolder, const QString& initialName)
{
    Call call;
    call.kind = Kind::Save;
    call.startFolder = startFolder;
    call.initialName = initialName;
    return Answer(std::move(call));
}

QString ScriptedFileDialogs::ChooseFolder(const QString& startFolder, const QString& title)
{
    Call call;
    call.kind = Kind::Folder;
    call.startFolder = startFolder;
    call.title = title;
    return Answer(std::move(call));
}

void ScriptedFileDialogs::Queue(const QString& path)
{
    m_queue.push_back(path);
}

void ScriptedFileDialogs::Queue(const QStringList& paths)
{
    for (const QString& p : paths)
        m_queue.push_back(p);
}

std::size_t ScriptedFileDialogs::UnexpectedCount() const
{
    return static_cast<std::size_t>(
        std::count_if(m_calls.begin(), m_calls.end(), [](const Call& c) { return c.unexpected; }));
}

void ScriptedFileDialogs::Clear()
{
    m_calls.clear();
    m_queue.clear();
}
