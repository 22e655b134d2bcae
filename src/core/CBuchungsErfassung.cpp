#include "core/CBuchungsErfassung.h"

#include <algorithm>
#include <cstdint>

#include "core/CBelegtexte.h"
#include "core/CBuchungen.h"
#include "core/CDatum.h"
#include "core/CFehler.h"

const char* const CBuchungsErfassung::Titel = "Unvollst\xE4ndige Eingabe";
const char* const CBuchungsErfassung::MeldungTag = "Geben Sie einen g\xFC" "ltigen Tag ein!";
const char* const CBuchungsErfassung::MeldungBelegtext = "Geben Sie einen Belegtext ein!";
const char* const CBuchungsErfassung::MeldungBetrag = "Geben Sie einen Betrag ein!";
const char* const CBuchungsErfassung::MeldungUnbekannt = "Unbekannter Fehler";
const char* const CBuchungsErfassung::MeldungBetragZuGross =
    "Der Betrag ist zu gro\xDF (h\xF6" "chstens 999.999.999,99).";

namespace {

const char* const kSatzIndexUngueltig = "GetItem: Index ung\xFC" "ltig";
const char* const kZeilenIndexUngueltig = "GetItem: Buchungssatz-Index ung\xFC" "ltig";

void SchreibeZeile(CBuchungen& journal, int satz, const CErfassungsZeile& zeile,
                   const std::string& notiz)
{
    const int j = zeile.Zeile < 0 ? journal.AddLine(satz) : zeile.Zeile;
    CBuchungszeile& ziel = journal.GetItem(satz, j);
    ziel.Bezeichnung = zeile.Bezeichnung;
    ziel.Notiz = notiz;
    ziel.Einnahme = zeile.Einnahme;
    ziel.Ausgabe = zeile.Ausgabe;
    ziel.UStID = static_cast<std::int16_t>(zeile.UStID);
}

// Every index the commit will touch is checked before anything changes, so
// a stale index leaves the journal as it was instead of half written.
void PruefeIndizes(const CBuchungen& journal, const CErfassteBuchung& buchung)
{
    int zeilen = 0;
    if (buchung.Satz != -1) {
        if (buchung.Satz < 0 || buchung.Satz >= journal.GetCount())
            throw CFehler(kSatzIndexUngueltig);
        zeilen = journal.GetLineCount(buchung.Satz);
    }
    std::vector<int> benutzt;
    const std::size_t n = buchung.Aufteilung ? buchung.Zeilen.size() : 1;
    for (std::size_t r = 0; r < n; ++r) {
        const int j = buchung.Zeilen[r].Zeile;
        if (j == -1)
            continue;
        if (j < 0 || j >= zeilen)
            throw CFehler(kZeilenIndexUngueltig);
        benutzt.push_back(j);
    }
    // Two rows claiming one journal line would overwrite (or delete) each
    // other's data; that can only be a stale description.
    std::sort(benutzt.begin(), benutzt.end());
    if (std::adjacent_find(benutzt.begin(), benutzt.end()) != benutzt.end())
        throw CFehler(kZeilenIndexUngueltig);
}

} // namespace

void CBuchungsErfassung::WendeEinAusAn(CErfassungsZeile& zeile, int einAus)
{
    zeile.EinnahmeEditierbar = einAus == 1;
    zeile.AusgabeEditierbar = einAus == -1;
    if (!zeile.EinnahmeEditierbar)
        zeile.Einnahme = CBetrag();
    if (!zeile.AusgabeEditierbar)
        zeile.Ausgabe = CBetrag();
}

void CBuchungsErfassung::WendeBelegtextAn(CErfassungsZeile& zeile, const CBelegtexte& katalog, int k)
{
    const bool gueltig = k >= 0 && k < katalog.GetCount();
    // 0 is no direction at all, so an unknown text opens neither column.
    WendeEinAusAn(zeile, gueltig ? katalog.GetEinAus(k) : 0);
}

std::optional<CErfassungsFehler> CBuchungsErfassung::Pruefe(const CErfassteBuchung& buchung,
                                                            int jahr, int monat)
{
    if (buchung.Zeilen.empty() && !buchung.Aufteilung)
        return CErfassungsFehler{MeldungUnbekannt, -1, 0};
    if (buchung.Tag < 1 || buchung.Tag > DaysOfMonth(jahr, monat))
        return CErfassungsFehler{MeldungTag, -1, 0};

    const std::size_t n = buchung.Aufteilung ? buchung.Zeilen.size() : 1;
    for (std::size_t r = 0; r < n; ++r) {
        const CErfassungsZeile& z = buchung.Zeilen[r];
        if (buchung.Aufteilung && z.Geloescht)
            continue;
        const int row = static_cast<int>(r);
        if (z.Bezeichnung.empty())
            return CErfassungsFehler{MeldungBelegtext, row, 1};
        if (z.EinnahmeEditierbar && z.Einnahme == CBetrag())
            return CErfassungsFehler{MeldungBetrag, row, 4};
        if (z.AusgabeEditierbar && z.Ausgabe == CBetrag())
            return CErfassungsFehler{MeldungBetrag, row, 5};
        // No till holds more; beyond it the sums of a journal could leave
        // the 64-bit range.
        if (!z.Einnahme.IsErfassbar())
            return CErfassungsFehler{MeldungBetragZuGross, row, 4};
        if (!z.Ausgabe.IsErfassbar())
            return CErfassungsFehler{MeldungBetragZuGross, row, 5};
    }
    return std::nullopt;
}

int CBuchungsErfassung::Commit(CBuchungen& journal, const CErfassteBuchung& buchung,
                               int jahr, int monat)
{
    if (auto fehler = Pruefe(buchung, jahr, monat))
        throw CFehler(fehler->Meldung);
    PruefeIndizes(journal, buchung);

    const int satz = buchung.Satz < 0 ? journal.AddItem() : buchung.Satz;
    CBuchungssatz& s = journal.GetItem(satz);
    s.Datum = CDatum::FromYMD(jahr, monat, buchung.Tag);
    s.Notiz = buchung.Notiz;
    s.RgNr = buchung.RgNr;
    s.Aufteilung = buchung.Aufteilung;

    if (!buchung.Aufteilung) {
        SchreibeZeile(journal, satz, buchung.Zeilen.front(), buchung.Notiz);
        return satz;
    }

    // Each split row addresses the journal line it was filled from. Writing
    // all kept rows before removing anything, and removing from the highest
    // line down, keeps those addresses valid for the whole commit.
    std::vector<int> entfernen;
    for (const CErfassungsZeile& z : buchung.Zeilen) {
        if (!z.Geloescht)
            SchreibeZeile(journal, satz, z, z.Notiz);
        else if (z.Zeile >= 0)
            entfernen.push_back(z.Zeile);
    }
    std::sort(entfernen.begin(), entfernen.end(), std::greater<int>());
    entfernen.erase(std::unique(entfernen.begin(), entfernen.end()), entfernen.end());
    for (int j : entfernen)
        journal.RemoveLine(satz, j);
    return satz;
}
