// The largest journal a cash-book file holds: a file saved at that size
// opens again, and one byte more is refused before anything is written.
#include "KassenbuchFixture.h"

#include "common/JournalOfSize.h"
#include "core/BuchungenFormat.h"

namespace fs = std::filesystem;

namespace {

const char* const kSpeichern = "Fehler beim speichern einer Datei";

} // namespace

TEST_F(KassenbuchTest, JournalAtTheLimitSavesAndReopensOneByteMoreIsRefused)
{
    const std::uint64_t limit = buchungen_format::kMaxFileSize;
    const fs::path file = dir / "Gross.kbx";
    std::size_t lines = 0;
    {
        CKassenbuch book(messages);
        book.New(file.string());
        *book.GetBuchungen() = JournalOfSize(limit);
        ASSERT_EQ(book.GetBuchungen()->FileSize(), limit);
        lines = book.GetBuchungen()->GetItem(0).Zeilen.size();
        ASSERT_TRUE(book.Save());
    }
    EXPECT_EQ(messages.Texts(), std::vector<std::string>{});

    CKassenbuch book(messages);
    ASSERT_TRUE(book.Open(file.string())) << book.LastError();
    ASSERT_EQ(book.GetBuchungen()->GetCount(), 1);
    EXPECT_EQ(book.GetBuchungen()->GetItem(0).Zeilen.size(), lines);
    EXPECT_EQ(book.GetBuchungen()->FileSize(), limit);
    const std::string before = ReadFile(file);

    // One byte over: refused with the size, the old file exactly as it was
    // and no temporary file left behind.
    CBuchungssatz& satz = book.GetBuchungen()->GetItem(0);
    (satz.Notiz.size() < buchungen_format::kMaxTextLength ? satz.Notiz : satz.RgNr) += 'x';
    ASSERT_EQ(book.GetBuchungen()->FileSize(), limit + 1);
    EXPECT_FALSE(book.Save());
    EXPECT_EQ(messages.Texts(),
              (std::vector<std::string>{"Die Buchungen w\xE4ren mit 134.217.729 Bytes zu gro\xDF f\xFCr eine "
                                        "Kassendatei (h\xF6" "chstens 128 MB). Bitte legen Sie f\xFCr weitere "
                                        "Buchungen eine neue Kasse an.",
                                        kSpeichern}));
    EXPECT_EQ(ReadFile(file), before);
    EXPECT_EQ(FileNames(dir.Path()), (std::vector<std::string>{".Gross.kbx.lock", "Gross.kbx"}));
}

TEST_F(KassenbuchTest, MemberOneByteOverTheLimitDoesNotOpen)
{
    // Written past the save's check, as another program might: the reader
    // holds to the same limit. The declared size is checked first, so the
    // member need not really be that large.
    const fs::path file = dir / "Fremd.kbx";
    {
        TestArchive archive(file);
        archive.AddWithDeclaredSize("Buchungen.dat", EmptyJournal(), buchungen_format::kMaxFileSize + 1);
        archive.Add("Belegtexte.xml", DefaultCatalogue());
        archive.Add("Firma.xml", BlankCompany());
    }
    EXPECT_EQ(OpenFailure(file), "Fehler beim lesen der Buchungen");
}
