// File dialogs: the Qt dialogs are set up for cash-book files (filter,
// suffix, overwrite question, start folder) and hand back the chosen path;
// the scripted double answers from its queue and records every call.
#include "platform/QtFileDialogs.h"
#include "platform/ScriptedFileDialogs.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTimer>

#include <functional>
#include <memory>

namespace {

void WhenDialogShows(std::function<void(QFileDialog&)> act)
{
    auto poll = std::make_shared<std::function<void()>>();
    *poll = [act, poll] {
        if (auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget())) {
            act(*dialog);
            return;
        }
        QTimer::singleShot(5, *poll);
    };
    QTimer::singleShot(0, *poll);
}

QString Canonical(const QString& path)
{
    return QDir(path).canonicalPath();
}

} // namespace

TEST(QtFileDialogs, OpenAndSaveAreSetUpForCashBooks)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());

    auto open = QtFileDialogs::CreateOpenDialog(folder.path(), nullptr);
    EXPECT_EQ(open->acceptMode(), QFileDialog::AcceptOpen);
    EXPECT_EQ(open->fileMode(), QFileDialog::ExistingFile);
    EXPECT_EQ(open->nameFilters(), QStringList{QStringLiteral("Kuvex Kasse (*.kbx)")});
    EXPECT_EQ(Canonical(open->directory().path()), Canonical(folder.path()));

    auto save = QtFileDialogs::CreateSaveDialog(folder.path(), QStringLiteral("Kasse.kbx"), nullptr);
    EXPECT_EQ(save->acceptMode(), QFileDialog::AcceptSave);
    EXPECT_EQ(save->defaultSuffix(), QStringLiteral("kbx"));
    EXPECT_FALSE(save->testOption(QFileDialog::DontConfirmOverwrite));
    EXPECT_EQ(save->nameFilters(), QStringList{QStringLiteral("Kuvex Kasse (*.kbx)")});

    auto folders = QtFileDialogs::CreateFolderDialog(folder.path(), QStringLiteral("Exportordner"), nullptr);
    EXPECT_EQ(folders->fileMode(), QFileDialog::Directory);
    EXPECT_EQ(folders->windowTitle(), QStringLiteral("Exportordner"));
}

TEST(QtFileDialogs, SaveAsStartsInTheFolderOfTheCurrentFile)
{
    QTemporaryDir start, current;
    ASSERT_TRUE(start.isValid() && current.isValid());
    const QString file = QDir(current.path()).filePath(QStringLiteral("Laden.kbx"));
    auto save = QtFileDialogs::CreateSaveDialog(start.path(), file, nullptr);
    EXPECT_EQ(Canonical(save->directory().path()), Canonical(current.path()));
}

TEST(QtFileDialogs, SaveAddsTheSuffixAndCancelGivesNothing)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    QtFileDialogs dialogs;

    WhenDialogShows([](QFileDialog& dialog) {
        auto* name = dialog.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        ASSERT_NE(name, nullptr);
        name->setText(QStringLiteral("neu"));
        QMetaObject::invokeMethod(&dialog, "accept");
    });
    const QString chosen = dialogs.SaveCashBook(folder.path(), QString());
    EXPECT_EQ(QFileInfo(chosen).fileName(), QStringLiteral("neu.kbx"));
    EXPECT_EQ(Canonical(QFileInfo(chosen).absolutePath()), Canonical(folder.path()));

    WhenDialogShows([](QFileDialog& dialog) { dialog.reject(); });
    EXPECT_TRUE(dialogs.OpenCashBook(folder.path()).isEmpty());
}

TEST(ScriptedFileDialogs, AnswersFromTheQueueAndRecordsCalls)
{
    ScriptedFileDialogs dialogs;
    dialogs.Queue(QStringList{QStringLiteral("/tmp/a.kbx"), QString()});
    dialogs.Queue(QStringLiteral("/tmp/export"));

    EXPECT_EQ(dialogs.OpenCashBook(QStringLiteral("/home/k")), QStringLiteral("/tmp/a.kbx"));
    EXPECT_TRUE(dialogs.SaveCashBook(QStringLiteral("/home/k"), QStringLiteral("alt.kbx")).isEmpty());
    EXPECT_EQ(dialogs.ChooseFolder(QStringLiteral("/"), QStringLiteral("Ordner")), QStringLiteral("/tmp/export"));
    EXPECT_EQ(dialogs.UnexpectedCount(), 0u);

    // Nothing queued: cancelled, and flagged.
    EXPECT_TRUE(dialogs.OpenCashBook(QString()).isEmpty());
    EXPECT_EQ(dialogs.UnexpectedCount(), 1u);

    ASSERT_EQ(dialogs.Count(), 4u);
    const auto& save = dialogs.Calls()[1];
    EXPECT_EQ(save.kind, ScriptedFileDialogs::Kind::Save);
    EXPECT_EQ(save.startFolder, QStringLiteral("/home/k"));
    EXPECT_EQ(save.initialName, QStringLiteral("alt.kbx"));
    EXPECT_EQ(dialogs.Calls()[2].title, QStringLiteral("Ordner"));
    EXPECT_TRUE(dialogs.Last().unexpected);
}
