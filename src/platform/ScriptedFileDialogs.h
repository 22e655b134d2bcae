#pragma once
// The file-dialog double for tests: every call is recorded with what the
// program passed in, and answered with the next queued path. An empty
// queued path is the user pressing "Abbrechen"; a call with nothing queued
// is also answered as cancelled but marked unexpected.
#include "platform/FileDialogs.h"

#include <QStringList>

#include <deque>
#include <vector>

class ScriptedFileDialogs : public FileDialogs {
public:
    enum class Kind { Open, Save, Folder, SavePdf };
    struct Call {
        Kind kind = Kind::Open;
        QString startFolder;
        QString initialName;  // saving only
        QString title;        // folder only
        QString answer;       // empty: cancelled
        bool unexpected = false;
    };

    QString OpenCashBook(const QString& startFolder) override;
    QString SaveCashBook(const QString& startFolder, const QString& initialName) override;
    QString ChooseFolder(const QString& startFolder, const QString& title) override;
    QString SavePdf(const QString& startFolder, const QString& initialName) override;

    // The user's next choice; an empty path cancels that dialog.
    void Queue(const QString& path);
    void Queue(const QStringList& paths);

    const std::vector<Call>& Calls() const { return m_calls; }
    std::size_t Count() const { return m_calls.size(); }
    const Call& Last() const { return m_calls.back(); } // only when Count() > 0
    std::size_t UnexpectedCount() const;
    std::size_t PendingAnswers() const { return m_queue.size(); }
    void Clear();

private:
    QString Answer(Call call);

    std::vector<Call> m_calls;
    std::deque<QString> m_queue;
};
