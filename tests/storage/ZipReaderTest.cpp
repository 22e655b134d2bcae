// The size bound of member extraction, exactly at and just past the limit,
// and name lookup without regard to letter case.
#include "storage/CZipReader.h"

#include "TempFolder.h"
#include "TestArchive.h"

#include <gtest/gtest.h>

namespace {

class ZipReaderTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        TestArchive archive(file);
        archive.Add("Daten.bin", payload);
        archive.Add("leer", "");
        archive.AddZeros("Nullen", 3);
    }
    TempFolder dir;
    std::filesystem::path file = dir / "a.zip";
    std::string payload = std::string(100000, 'x') + "Ende";
};

} // namespace

TEST_F(ZipReaderTest, MemberOfExactlyTheLimitIsReadOneByteMoreIsRefused)
{
    CZipReader zip;
    int error = -1;
    ASSERT_TRUE(zip.Open(file.string(), error));
    EXPECT_EQ(error, 0);
    std::uint64_t count = 0;
    ASSERT_TRUE(zip.GetEntryCount(count));
    EXPECT_EQ(count, 3u);

    std::string out;
    EXPECT_EQ(zip.Extract("Daten.bin", payload.size(), out), CZipReader::Result::Ok);
    EXPECT_EQ(out, payload);
    EXPECT_EQ(zip.Extract("Daten.bin", payload.size() - 1, out), CZipReader::Result::TooLarge);
    EXPECT_TRUE(out.empty());
    EXPECT_EQ(zip.Extract("Nullen", 3u << 20, out), CZipReader::Result::Ok);
    EXPECT_EQ(out, std::string(3u << 20, '\0'));
    EXPECT_EQ(zip.Extract("Nullen", (3u << 20) - 1, out), CZipReader::Result::TooLarge);
}

TEST_F(ZipReaderTest, NamesMatchInAnyLetterCaseButExactly)
{
    CZipReader zip;
    int error = 0;
    ASSERT_TRUE(zip.Open(file.string(), error));
    std::string out = "alt";
    EXPECT_EQ(zip.Extract("DATEN.BIN", 1 << 20, out), CZipReader::Result::Ok);
    EXPECT_EQ(out, payload);
    EXPECT_EQ(zip.Extract("LEER", 0, out), CZipReader::Result::Ok);
    EXPECT_EQ(out, "");
    EXPECT_EQ(zip.Extract("Daten", 1 << 20, out), CZipReader::Result::NotFound);
    EXPECT_EQ(zip.Extract("Daten.bin.gz", 1 << 20, out), CZipReader::Result::NotFound);
}

TEST(ZipReader, MissingFileGivesTheSystemsCode)
{
    CZipReader zip;
    int error = 0;
    EXPECT_FALSE(zip.Open("/nonexistent-kuvex/a.zip", error));
    EXPECT_EQ(error, ENOENT);
    EXPECT_FALSE(zip.IsOpen());
}
