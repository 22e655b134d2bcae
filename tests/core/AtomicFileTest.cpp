// The writer every file goes through: exact content, the old file's mode
// and symbolic links kept, and that no failure harms the old file or
// leaves a temporary file behind.
#include "core/CAtomicFile.h"

#include "common/InChild.h"
#include "storage/TempFolder.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

using Names = std::vector<std::string>;

const std::string kAlt = "alter Inhalt\n";
// Large enough to fail a file-size limit of a few bytes half-way.
const std::string kNeu = std::string(100000, 'n') + "\xFF\x80\r\n";

class AtomicFileTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        WriteFile(target, kAlt);
        // Writable for the other user of the child-process tests: only
        // what a test protects on purpose is protected.
        fs::permissions(target, fs::perms(0666));
        // The child process runs as another user: it must reach the folder.
        fs::permissions(dir.Path(), fs::perms(0777));
    }

    TempFolder dir;
    fs::path target = dir / "daten.xml";
};

TEST_F(AtomicFileTest, ReplaceWritesExactlyTheBytesAndKeepsTheMode)
{
    fs::permissions(target, fs::perms(0640));
    ASSERT_TRUE(CAtomicFile::Replace(target, kNeu));
    EXPECT_EQ(ReadFile(target), kNeu);
    EXPECT_EQ(fs::status(target).permissions(), fs::perms(0640));
    EXPECT_EQ(FileNames(dir.Path()), Names{"daten.xml"});

    // A new file, and an empty content, are files too.
    ASSERT_TRUE(CAtomicFile::Replace(dir / "neu.xml", ""));
    EXPECT_TRUE(fs::is_regular_file(dir / "neu.xml"));
    EXPECT_EQ(ReadFile(dir / "neu.xml"), "");
    EXPECT_EQ(FileNames(dir.Path()), (Names{"daten.xml", "neu.xml"}));
}

TEST_F(AtomicFileTest, FolderThatIsNotWritableLeavesTheOldFile)
{
    fs::permissions(dir.Path(), fs::perms(0555));
    EXPECT_FALSE(InChild([&] { return CAtomicFile::Replace(target, kNeu); }));
    EXPECT_EQ(ReadFile(target), kAlt);
    EXPECT_EQ(FileNames(dir.Path()), Names{"daten.xml"});
    // The same user may replace it once the folder lets him.
    fs::permissions(dir.Path(), fs::perms(0777));
    EXPECT_TRUE(InChild([&] { return CAtomicFile::Replace(target, kNeu); }));
    EXPECT_EQ(ReadFile(target), kNeu);
}

TEST_F(AtomicFileTest, WriteProtectedFileIsRefusedNotReplaced)
{
    // The folder lets the user rename over the file; the file says no.
    fs::permissions(target, fs::perms(0444));
    EXPECT_TRUE(InChild([&] { return !CAtomicFile::Replace(target, kNeu) && errno == EACCES; }));
    EXPECT_EQ(ReadFile(target), kAlt);
    EXPECT_EQ(fs::status(target).permissions(), fs::perms(0444));
    EXPECT_EQ(FileNames(dir.Path()), Names{"daten.xml"});
    // Refused at Create, before a temporary file exists.
    EXPECT_TRUE(InChild([&] {
        CAtomicFile file(target);
        return !file.Create() && errno == EACCES && file.TempPath().empty();
    }));
    // Once the user may write it, it is replaced as any other file.
    fs::permissions(target, fs::perms(0666));
    EXPECT_TRUE(InChild([&] { return CAtomicFile::Replace(target, kNeu); }));
    EXPECT_EQ(ReadFile(target), kNeu);
    EXPECT_EQ(fs::status(target).permissions(), fs::perms(0666));
}

TEST_F(AtomicFileTest, ReplacedFileKeepsItsOwnerWhereTheSystemAllows)
{
    if (geteuid() != 0)
        GTEST_SKIP() << "only root may give a file to another user";
    ASSERT_EQ(chown(target.c_str(), 65534, 65534), 0);
    ASSERT_TRUE(CAtomicFile::Replace(target, kNeu));
    struct stat st{};
    ASSERT_EQ(stat(target.c_str(), &st), 0);
    EXPECT_EQ(st.st_uid, 65534u);
    EXPECT_EQ(st.st_gid, 65534u);
    EXPECT_EQ(st.st_mode & 07777, 0666u);
    EXPECT_EQ(ReadFile(target), kNeu);
}

TEST_F(AtomicFileTest, WriteThatFailsHalfWayLeavesTheOldFileAndNoTemporary)
{
    // A file-size limit makes the write fail as a full disk would.
    EXPECT_FALSE(InChild([&] { return CAtomicFile::Replace(target, kNeu); }, 4096));
    EXPECT_EQ(ReadFile(target), kAlt);
    EXPECT_EQ(FileNames(dir.Path()), Names{"daten.xml"});
    EXPECT_TRUE(InChild([&] { return CAtomicFile::Replace(target, kNeu.substr(0, 4096)); }, 4096));
    EXPECT_EQ(ReadFile(target), kNeu.substr(0, 4096));
}

TEST_F(AtomicFileTest, TargetThatIsAFolderIsRefusedAndKept)
{
    fs::create_directory(dir / "ordner");
    WriteFile(dir / "ordner" / "innen", kAlt);
    CAtomicFile file(dir / "ordner");
    EXPECT_FALSE(file.Create());
    EXPECT_EQ(errno, EISDIR);
    EXPECT_FALSE(file.Write(kNeu));
    EXPECT_FALSE(file.Commit());
    EXPECT_TRUE(fs::is_directory(dir / "ordner"));
    EXPECT_EQ(ReadFile(dir / "ordner" / "innen"), kAlt);
    EXPECT_EQ(FileNames(dir.Path()), (Names{"daten.xml", "ordner"}));
}

TEST_F(AtomicFileTest, UncommittedContentIsThrownAway)
{
    {
        CAtomicFile file(target);
        ASSERT_TRUE(file.Create());
        ASSERT_TRUE(file.Write(kNeu));
        EXPECT_EQ(file.TempPath().parent_path(), dir.Path());
        EXPECT_EQ(FileNames(dir.Path()).size(), 2u);
    }
    EXPECT_EQ(ReadFile(target), kAlt);
    EXPECT_EQ(FileNames(dir.Path()), Names{"daten.xml"});
}

TEST_F(AtomicFileTest, SymbolicLinkStaysALinkToTheNewContent)
{
    fs::create_directory(dir / "echt");
    const fs::path real = dir / "echt" / "daten.xml";
    fs::rename(target, real);
    fs::permissions(real, fs::perms(0600));
    fs::create_symlink("echt/daten.xml", target);

    ASSERT_TRUE(CAtomicFile::Replace(target, kNeu));
    EXPECT_TRUE(fs::is_symlink(target));
    EXPECT_EQ(fs::read_symlink(target), "echt/daten.xml");
    EXPECT_EQ(ReadFile(real), kNeu);
    EXPECT_EQ(fs::status(real).permissions(), fs::perms(0600));
    EXPECT_EQ(FileNames(dir / "echt"), Names{"daten.xml"});
    EXPECT_EQ(FileNames(dir.Path()), (Names{"daten.xml", "echt"}));
}

TEST_F(AtomicFileTest, PermissionsCanBeSetForTheNewFile)
{
    CAtomicFile file(target);
    ASSERT_TRUE(file.Create());
    ASSERT_TRUE(file.Write(kNeu));
    ASSERT_TRUE(file.SetPermissions(fs::perms(0600)));
    ASSERT_TRUE(file.Commit());
    EXPECT_EQ(fs::status(target).permissions(), fs::perms(0600));
    EXPECT_EQ(ReadFile(target), kNeu);
    EXPECT_FALSE(file.Write("x")); // committed: nothing more goes in
    EXPECT_EQ(ReadFile(target), kNeu);
}

} // namespace
