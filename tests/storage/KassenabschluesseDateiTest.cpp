// The closes in the cash-book file: kept across save and reopen, absent
// from files that never had one, and a damaged member refused at open.
#include "KassenbuchFixture.h"

#include "storage/KbxFormat.h"

TEST_F(KassenbuchTest, ClosesSurviveSaveAndReopenAndDamageIsRefused)
{
    const auto path = (dir / "kasse.kbx");
    CKassenbuch book(messages);
    ASSERT_TRUE(book.New(path.string()));
    FillJournal(*book.GetBuchungen());
    CKassenabschluss a = CZaehlprotokoll::Erstelle(*book.GetBuchungen(), CDatum::FromYMD(2024, 3, 31), "EUR",
                                                   CZaehlprotokoll::LeereZaehlung("EUR"), CBetrag());
    CZaehlprotokoll::BucheDifferenz(*book.GetBuchungen(), *book.GetBelegtexte(), a);
    book.GetKassenabschluesse().Hinzufuegen(a);
    ASSERT_TRUE(book.Save());
    book.Close();

    ASSERT_TRUE(book.Open(path.string()));
    EXPECT_EQ(book.GetKassenabschluesse().Alle(), std::vector<CKassenabschluss>{a});
    EXPECT_EQ(book.LetzterAbschlussTag(), CDatum::FromYMD(2024, 3, 31));
    const std::string journal = JournalBytes(*book.GetBuchungen());
    const std::string belege = XmlBytes(*book.GetBelegtexte());
    const std::string closes = book.GetKassenabschluesse().Schreiben();
    book.Close();

    // Without the member: no closes; a damaged or oversized one: the load message.
    const std::pair<std::string, std::string> faelle[] = {
        {"", ""},
        {kbx_format::kKassenabschluesse, "<Kassenabschluesse><Kassenabschluss/></Kassenabschluesse>"},
        {kbx_format::kKassenabschluesse, closes.substr(0, closes.size() / 2)},
    };
    for (const auto& [name, bytes] : faelle) {
        const auto other = (dir / "andere.kbx");
        std::filesystem::remove(other);
        std::vector<std::pair<std::string, std::string>> members = {
            {kbx_format::kBuchungen, journal}, {kbx_format::kBelegtexte, belege}, {kbx_format::kFirma, BlankCompany()}};
        if (!name.empty())
            members.push_back({name, bytes});
        MakeArchive(other, members);
        EXPECT_EQ(OpenFailure(other), name.empty() ? "" : "Fehler beim Lesen der Kassenabschl\xFCsse");
    }
    EXPECT_TRUE(messages.boxes.empty());
}
