// Closes of a cash book with fixed bookings: the close as a log entry
// holding its count sheet, closed days refusing bookings and reversals, no
// close past an open day and no change that empties the till.
#include "KassenbuchFixture.h"

#include "core/CBuchungsErfassung.h"
#include "core/CFehler.h"
#include "storage/CTagesabschluss.h"

namespace {

CDatum Maerz(int tag) { return CDatum::FromYMD(2024, 3, tag); }
const CDatum kHeute = Maerz(20);

void Buche(CBuchungen& j, int tag, std::int64_t netto)
{
    const int i = j.AddItem();
    j.GetItem(i).Datum = Maerz(tag);
    CBuchungszeile& z = j.GetItem(i, j.AddLine(i));
    z.Bezeichnung = "Verkauf";
    (netto > 0 ? z.Einnahme : z.Ausgabe) = CBetrag(netto > 0 ? netto : -netto);
}

CErfassteBuchung Neu(int tag, std::int64_t netto)
{
    CErfassteBuchung b;
    b.Tag = tag;
    CErfassungsZeile z;
    z.Bezeichnung = "Verkauf";
    (netto > 0 ? z.Einnahme : z.Ausgabe) = CBetrag(netto > 0 ? netto : -netto);
    b.Zeilen.push_back(z);
    return b;
}

std::string Fehler(const std::function<void()>& f)
{
    try {
        f();
    } catch (const CFehler& e) {
        return e.what();
    }
    return "";
}

const std::string kGesperrt = "Die Kasse ist bis einschlie\xDFlich 01.03.2024 abgeschlossen. Buchungen an diesem "
                              "oder einem fr\xFCheren Tag k\xF6nnen nicht mehr erfasst, korrigiert oder storniert "
                              "werden.";

} // namespace

TEST_F(KassenbuchTest, FixedBookingsLogTheCloseAndLockItsDay)
{
    const auto path = dir / "gobd.kbx";
    CKassenbuch book(messages);
    book.New(path.string());
    CBuchungen& j = *book.GetBuchungen();
    Buche(j, 1, 1000000); // 100,00 on the 1st
    Buche(j, 2, 500000);  // 50,00 on the 2nd
    book.SchalteGoBDEin();
    const std::size_t eintraege = static_cast<std::size_t>(book.GetProtokoll()->GetCount());

    EXPECT_EQ(*CTagesabschluss::Pruefe(book, Maerz(2), kHeute),
              "Der 01.03.2024 hat Buchungen und ist noch nicht abgeschlossen. Schlie\xDF" "en Sie zuerst diesen Tag ab.");
    std::vector<CZaehlposten> zaehlung = CZaehlprotokoll::LeereZaehlung("EUR");
    zaehlung[3].Anzahl = 2; // 100,00 in fifties: no difference
    const CKassenabschluss a = CTagesabschluss::Schliesse(
        book, CZaehlprotokoll::Erstelle(j, Maerz(1), "EUR", zaehlung, {}), kHeute, 1709300000);

    // One entry more, holding the close with its whole sheet.
    const CProtokoll& log = *book.GetProtokoll();
    ASSERT_EQ(static_cast<std::size_t>(log.GetCount()), eintraege + 1);
    EXPECT_EQ(log.GetEintrag(log.GetCount() - 1).Art, ProtokollArt::Tagesabschluss);
    CKassenabschluss ohneNr = a;
    ohneNr.ProtokollNr = 0;
    ohneNr.ProtokollHash.clear();
    EXPECT_EQ(log.Nutzdaten(log.GetCount() - 1), CKassenabschluesse::Schreiben(ohneNr));
    EXPECT_NE(log.Nutzdaten(log.GetCount() - 1).find("Nennwert=\"50,0000\" Anzahl=\"2\""), std::string::npos);
    EXPECT_EQ(a.ProtokollNr, static_cast<std::uint64_t>(log.GetCount()));
    EXPECT_EQ(a.ProtokollHash, log.LetzterHash().substr(0, 16));

    // Refused while nothing changes: on and before the closed day, and
    // whatever takes a day's end below zero.
    Buche(j, 3, -1400000); // 10,00 left at the end of the 3rd
    book.ProtokolliereNeueBuchungen();
    const int buchungen = j.GetCount();
    const std::pair<std::function<void()>, std::string> faelle[] = {
        {[&] { book.Storniere(0, Maerz(5)); }, kGesperrt},
        {[&] { book.Storniere(1, Maerz(1)); }, kGesperrt},
        {[&] { book.Storniere(1, Maerz(2)); },
         "Der Kassenbestand w\xE4re am Ende des 03.03.2024 negativ (-40,00). Eine Kasse kann nicht weniger als "
         "nichts enthalten: buchen Sie zuerst die fehlenden Einnahmen."},
        {[&] { throw CFehler(CTagesabschluss::PruefeNeueBuchung(book, Neu(1, 10000), 2024, 3).value_or("")); },
         kGesperrt},
        {[&] { throw CFehler(CTagesabschluss::PruefeNeueBuchung(book, Neu(3, -200000), 2024, 3).value_or("")); },
         "Der Kassenbestand w\xE4re am Ende des 03.03.2024 negativ (-10,00). Eine Kasse kann nicht weniger als "
         "nichts enthalten: buchen Sie zuerst die fehlenden Einnahmen."},
        {[&] { throw CFehler(CTagesabschluss::PruefeNeueBuchung(book, Neu(2, 10000), 2024, 3).value_or("")); }, ""},
    };
    for (const auto& [f, meldung] : faelle) {
        EXPECT_EQ(Fehler(f), meldung);
        EXPECT_EQ(j.GetCount(), buchungen);
    }

    // A close that would leave a later day short is refused too.
    EXPECT_EQ(Fehler([&] {
                  CTagesabschluss::Schliesse(book, CZaehlprotokoll::Erstelle(j, Maerz(2), "EUR", {}, CBetrag(1000000)),
                                             kHeute, 0);
              }),
              "Der Kassenbestand w\xE4re am Ende des 03.03.2024 negativ (-40,00). Eine Kasse kann nicht weniger als "
              "nichts enthalten: buchen Sie zuerst die fehlenden Einnahmen.");
    EXPECT_EQ(book.GetKassenabschluesse().Alle().size(), 1u);

    ASSERT_TRUE(book.Save());
    book.Close();
    ASSERT_TRUE(book.Open(path.string()));
    EXPECT_TRUE(book.GetProtokoll()->IstInOrdnung());
    EXPECT_EQ(book.GetKassenabschluesse().Alle(), std::vector<CKassenabschluss>{a});
}
