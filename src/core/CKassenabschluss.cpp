#include "core/CKassenabschluss.h"

#include "core/CBelegtexte.h"
#include "core/CBuchungen.h"
#include "core/CFehler.h"

#include <algorithm>

namespace {

constexpr std::int64_t kEinheit = 10000; // raw units of 1,00

constexpr CNennwert Schein(std::int64_t einheiten) { return {CBetrag(einheiten * kEinheit), true}; }
constexpr CNennwert Muenze(std::int64_t hundertstel) { return {CBetrag(hundertstel * 100), false}; }

constexpr CNennwert kEuro[] = {
    Schein(500), Schein(200), Schein(100), Schein(50), Schein(20), Schein(10), Schein(5),
    Muenze(200), Muenze(100), Muenze(50), Muenze(20), Muenze(10), Muenze(5), Muenze(2), Muenze(1),
};

constexpr CNennwert kFranken[] = {
    Schein(1000), Schein(200), Schein(100), Schein(50), Schein(20), Schein(10),
    Muenze(500), Muenze(200), Muenze(100), Muenze(50), Muenze(20), Muenze(10), Muenze(5),
};

bool IstZiffer(char c) { return c >= '0' && c <= '9'; }

} // namespace

const char* const CZaehlprotokoll::TextKassendifferenz = "Kassendifferenz";

std::span<const CNennwert> CZaehlprotokoll::Nennwerte(const std::string& waehrung)
{
    if (waehrung == "EUR")
        return kEuro;
    if (waehrung == "CHF")
        return kFranken;
    return {};
}

bool CZaehlprotokoll::IstSchein(const std::string& waehrung, CBetrag wert)
{
    for (const CNennwert& n : Nennwerte(waehrung))
        if (n.Wert == wert)
            return n.Schein;
    return false;
}

std::string CZaehlprotokoll::NennwertText(CBetrag wert)
{
    return FormatBetragAnzeige(wert);
}

std::optional<CBetrag> CZaehlprotokoll::LeseNennwert(const std::string& waehrung, const std::string& text)
{
    // Whole units, optionally with one or two decimals after "." or ",".
    std::size_t i = 0;
    std::int64_t einheiten = 0;
    while (i < text.size() && IstZiffer(text[i]) && i < 6)
        einheiten = einheiten * 10 + (text[i++] - '0');
    if (i == 0)
        return std::nullopt;
    std::int64_t hundertstel = 0;
    if (i < text.size() && (text[i] == '.' || text[i] == ',')) {
        const std::size_t nach = text.size() - i - 1;
        if (nach < 1 || nach > 2 || !IstZiffer(text[i + 1]) || (nach == 2 && !IstZiffer(text[i + 2])))
            return std::nullopt;
        hundertstel = (text[i + 1] - '0') * 10 + (nach == 2 ? text[i + 2] - '0' : 0);
        i = text.size();
    }
    if (i != text.size())
        return std::nullopt;
    const CBetrag wert(einheiten * kEinheit + hundertstel * 100);
    for (const CNennwert& n : Nennwerte(waehrung))
        if (n.Wert == wert)
            return wert;
    return std::nullopt;
}

std::int64_t CZaehlprotokoll::LeseAnzahl(CBetrag nennwert, const std::string& text)
{
    std::int64_t anzahl = 0;
    bool gut = !text.empty() && text.size() <= 7;
    for (char c : text) {
        if (!IstZiffer(c)) {
            gut = false;
            break;
        }
        anzahl = anzahl * 10 + (c - '0');
    }
    if (!gut)
        throw CFehler("Die Anzahl bei " + NennwertText(nennwert) + " muss eine ganze Zahl von 0 bis "
                      + FormatBetrag(CBetrag(kHoechstAnzahl * kEinheit), 0, 1) + " sein, nicht \"" + text + "\".");
    return anzahl;
}

CBetrag CZaehlprotokoll::Summe(const std::vector<CZaehlposten>& zaehlung)
{
    CBetrag summe;
    for (const CZaehlposten& p : zaehlung) {
        if (p.Anzahl < 0 || p.Anzahl > kHoechstAnzahl)
            throw CFehler("Die Anzahl bei " + NennwertText(p.Nennwert) + " ist ung\xFCltig.");
        summe += p.Summe();
    }
    if (!summe.IsErfassbar())
        throw CFehler("Der gez\xE4hlte Betrag ist zu gro\xDF.");
    return summe;
}

CBetrag CZaehlprotokoll::Buchbestand(const CBuchungen& journal, CDatum tag)
{
    return journal.GetSumBefore(tag.NextDay(), SumMode::Net);
}

std::vector<CZaehlposten> CZaehlprotokoll::LeereZaehlung(const std::string& waehrung)
{
    std::vector<CZaehlposten> zaehlung;
    for (const CNennwert& n : Nennwerte(waehrung))
        zaehlung.push_back({n.Wert, 0});
    return zaehlung;
}

CKassenabschluss CZaehlprotokoll::Erstelle(const CBuchungen& journal, CDatum tag, const std::string& waehrung,
                                           std::vector<CZaehlposten> zaehlung, CBetrag gezaehlt)
{
    CKassenabschluss a;
    a.Tag = tag.Midnight();
    a.Waehrung = waehrung;
    a.Gezaehlt = zaehlung.empty() ? gezaehlt : Summe(zaehlung);
    if (!a.Gezaehlt.IsErfassbar() || a.Gezaehlt < CBetrag())
        throw CFehler("Der gez\xE4hlte Betrag muss zwischen 0,00 und "
                      + FormatBetragAnzeige(CBetrag(CBetrag::kHoechstbetrag)) + " liegen.");
    a.Zaehlung = std::move(zaehlung);
    a.Buchbestand = Buchbestand(journal, a.Tag);
    a.Differenz = a.Gezaehlt - a.Buchbestand;
    return a;
}

int CZaehlprotokoll::SichereBelegtext(CBelegtexte& katalog)
{
    const int vorhanden = katalog.FindByBezeichnung(TextKassendifferenz);
    if (vorhanden >= 0)
        return vorhanden;
    const int k = katalog.AddEntry();
    if (k < 0)
        return -1;
    // Direction neither: a difference is booked by the close, either way,
    // never chosen by hand as a plain receipt or payment.
    katalog.SetBezeichnung(k, TextKassendifferenz);
    katalog.SetEinAus(k, 0);
    katalog.SetUStID(k, UStIdSteuerfrei);
    katalog.SetSystem(k, true);
    return k;
}

void CZaehlprotokoll::BucheDifferenz(CBuchungen& journal, CBelegtexte& katalog, CKassenabschluss& abschluss)
{
    abschluss.Buchung = -1;
    if (abschluss.Differenz == CBetrag())
        return;
    if (!abschluss.Differenz.IsErfassbar())
        throw CFehler("Die Kassendifferenz ist zu gro\xDF, um gebucht zu werden.");
    const int k = SichereBelegtext(katalog);
    if (k < 0)
        throw CFehler("Der Belegtext \"Kassendifferenz\" kann nicht angelegt werden.");
    const int satz = journal.AddItem();
    CBuchungssatz& s = journal.GetItem(satz);
    s.Datum = abschluss.Tag;
    const int j = journal.AddLine(satz);
    CBuchungszeile& z = journal.GetItem(satz, j);
    z.Bezeichnung = TextKassendifferenz;
    z.UStID = static_cast<std::int16_t>(katalog.GetUStID(k));
    if (abschluss.Differenz > CBetrag())
        z.Einnahme = abschluss.Differenz;
    else
        z.Ausgabe = CBetrag() - abschluss.Differenz;
    abschluss.Buchung = satz;
}
