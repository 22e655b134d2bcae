// A cash book open in one document (or process) cannot be opened, created
// or saved over by another until it is let go; a crash leaves no lock.
#include "KassenbuchFixture.h"

#include "storage/CFileLock.h"

#include <sys/wait.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

const std::string kGesperrt = "Die Datei wird bereits von einem anderen Kuvex-Programm verwendet.";

class LockTest : public KassenbuchTest {
protected:
    void SetUp() override
    {
        CKassenbuch maker(messages);
        maker.New(file.string());
        FillJournal(*maker.GetBuchungen());
        ASSERT_TRUE(maker.Save());
        other.New(second.string());
        ASSERT_TRUE(other.Save());
        messages.Clear();
    }

    fs::path file = dir / "Laden.kbx";
    fs::path second = dir / "Zweit.kbx";
    CKassenbuch other{messages};
};

// Runs `body` in a child process and returns its exit status.
template <class Body>
int InChild(Body body)
{
    pid_t child = fork();
    if (child == 0)
        _exit(body());
    int status = 0;
    waitpid(child, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

} // namespace

TEST_F(LockTest, SecondDocumentCannotOpenUntilTheFirstCloses)
{
    CKassenbuch first(messages);
    ASSERT_TRUE(first.Open(file.string()));

    EXPECT_FALSE(other.Open(file.string()));
    EXPECT_EQ(messages.Texts(), std::vector<std::string>{kGesperrt});
    // The refused document keeps what it had.
    EXPECT_TRUE(other.IsOpen());
    EXPECT_EQ(other.GetFileName(), second.string());

    // The same file under another spelling of its path is the same file.
    messages.Clear();
    fs::path detour = dir / "." / "Laden.kbx";
    EXPECT_FALSE(other.Open(detour.string()));
    EXPECT_EQ(messages.Texts(), std::vector<std::string>{kGesperrt});

    first.Close();
    messages.Clear();
    EXPECT_TRUE(other.Open(file.string()));
    EXPECT_TRUE(messages.boxes.empty());
}

TEST_F(LockTest, ReopeningTheOwnFileKeepsTheLock)
{
    CKassenbuch first(messages);
    ASSERT_TRUE(first.Open(file.string()));
    EXPECT_TRUE(first.Open(file.string()));
    EXPECT_TRUE(first.Save());
    EXPECT_FALSE(other.Open(file.string()));
}

TEST_F(LockTest, NewTakesTheLockAndRefusesAFileOpenElsewhere)
{
    CKassenbuch first(messages);
    ASSERT_TRUE(first.Open(file.string()));
    EXPECT_FALSE(other.New(file.string()));
    EXPECT_EQ(messages.Texts(), std::vector<std::string>{kGesperrt});
    EXPECT_EQ(other.GetFileName(), second.string());

    fs::path fresh = dir / "Neu.kbx";
    messages.Clear();
    ASSERT_TRUE(first.New(fresh.string()));
    EXPECT_FALSE(other.New(fresh.string()));
    // The old file was let go when the first document turned to the new one.
    EXPECT_TRUE(other.Open(file.string()));
}

TEST_F(LockTest, SaveAsMovesTheLock)
{
    fs::path copy = dir / "Kopie.kbx";
    CKassenbuch first(messages);
    ASSERT_TRUE(first.Open(file.string()));
    ASSERT_TRUE(first.SaveAs(copy.string()));

    CKassenbuch third(messages);
    EXPECT_TRUE(third.Open(file.string()));
    EXPECT_FALSE(other.Open(copy.string()));
    EXPECT_EQ(messages.Texts(), std::vector<std::string>{kGesperrt});

    // Saving under a name another document holds is refused before anything
    // is written, and the document keeps its name.
    messages.Clear();
    std::string before = ReadFile(file);
    EXPECT_FALSE(first.SaveAs(file.string()));
    EXPECT_EQ(messages.Texts(), std::vector<std::string>{kGesperrt});
    EXPECT_EQ(first.GetFileName(), copy.string());
    EXPECT_EQ(ReadFile(file), before);
}

TEST_F(LockTest, FailedOpenAndDestructionReleaseTheLock)
{
    MakeArchive(dir / "Kaputt.kbx", {{"Buchungen.dat", EmptyJournal()}});
    {
        CKassenbuch first(messages);
        EXPECT_FALSE(first.Open((dir / "Kaputt.kbx").string()));
        CFileLock probe;
        EXPECT_EQ(probe.Acquire(dir / "Kaputt.kbx"), CFileLock::Result::Acquired);
        probe.Release();

        ASSERT_TRUE(first.Open(file.string()));
    }
    EXPECT_TRUE(other.Open(file.string()));
    other.Close();
    // Nothing is left beside the cash books once every document let go.
    for (const auto& entry : fs::directory_iterator(dir.Path()))
        EXPECT_EQ(entry.path().filename().string().find(".lock"), std::string::npos) << entry.path();
}

TEST_F(LockTest, AnotherProcessIsRefusedWhileTheFileIsOpen)
{
    CKassenbuch first(messages);
    ASSERT_TRUE(first.Open(file.string()));
    int status = InChild([&] {
        RecordingMessages childMessages;
        CKassenbuch book(childMessages);
        bool refused = !book.Open(file.string())
            && childMessages.Texts() == std::vector<std::string>{kGesperrt};
        return refused ? 0 : 1;
    });
    EXPECT_EQ(status, 0);

    first.Close();
    status = InChild([&] {
        RecordingMessages childMessages;
        CKassenbuch book(childMessages);
        return book.Open(file.string()) ? 0 : 1;
    });
    EXPECT_EQ(status, 0);
}

TEST_F(LockTest, AProcessThatDiesWithTheFileOpenLeavesNoLock)
{
    int status = InChild([&] {
        RecordingMessages childMessages;
        static CKassenbuch book(childMessages);
        // Ends without any destructor running, as a crash would.
        return book.Open(file.string()) ? 0 : 1;
    });
    ASSERT_EQ(status, 0);
    EXPECT_TRUE(fs::exists(CFileLock::LockFileFor(file))); // stale file, but no lock
    CKassenbuch next(messages);
    EXPECT_TRUE(next.Open(file.string()));
    EXPECT_TRUE(messages.boxes.empty());
}

TEST(FileLock, FolderWithoutRoomForALockFileIsUnavailableNotBusy)
{
    CFileLock lock;
    EXPECT_EQ(lock.Acquire("/nonexistent-kuvex-folder/Laden.kbx"), CFileLock::Result::Unavailable);
    EXPECT_FALSE(lock.IsHeld());
}
