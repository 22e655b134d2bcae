// Limits that hold when a cash book is opened: a catalogue member with more
// entries than any till has is refused like a damaged one, and a member is
// inflated into one buffer of its declared size, never grown past it.
#include "KassenbuchFixture.h"

#include "core/AllocationProbe.h"
#include "storage/CZipReader.h"

namespace fs = std::filesystem;

namespace {

std::string Katalog(int n)
{
    std::string xml = "<?xml version=\"1.0\" encoding=\"iso-8859-1\" ?>\n<Belege>";
    for (int i = 0; i < n; ++i)
        xml += "<Beleg><Bezeichnung>T" + std::to_string(i) + "</Bezeichnung></Beleg>";
    return xml + "</Belege>";
}

} // namespace

TEST_F(KassenbuchTest, CatalogueOverTheEntryLimitIsRefusedAtOpen)
{
    for (const int n : {CBelegtexte::kMaxEntries, CBelegtexte::kMaxEntries + 1}) {
        SCOPED_TRACE(n);
        const fs::path file = dir / ("K" + std::to_string(n) + ".kbx");
        MakeArchive(file, {{"Buchungen.dat", EmptyJournal()}, {"Belegtexte.xml", Katalog(n)},
                           {"Firma.xml", BlankCompany()}});
        EXPECT_EQ(OpenFailure(file), n > CBelegtexte::kMaxEntries ? "Fehler beim Lesen der Belegtexte" : "");
    }
}

TEST_F(KassenbuchTest, MemberIsInflatedIntoOneBufferOfItsSize)
{
    const fs::path file = dir / "Nullen.zip";
    {
        TestArchive archive(file);
        archive.AddZeros("Nullen", 24);
    }
    CZipReader zip;
    int error = 0;
    ASSERT_TRUE(zip.Open(file.string(), error));
    std::string out;
    AllocationProbe probe;
    ASSERT_EQ(zip.Extract("Nullen", 64u << 20, out), CZipReader::Result::Ok);
    EXPECT_EQ(out.size(), 24u << 20);
    // The declared size and the one byte that would tell a longer member.
    EXPECT_EQ(probe.Largest(), (24u << 20) + 2); // std::string adds its terminator
    EXPECT_LT(probe.Peak(), (25u << 20));
}
