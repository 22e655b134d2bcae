#include "core/CAbschlussRegeln.h"

#include "core/CBuchungen.h"
#include "core/CBuchungsErfassung.h"
#include "core/CKassenabschluesse.h"

#include <algorithm>
#include <cstdint>
#include <map>

std::optional<std::string> CAbschlussRegeln::Gesperrt(const CKassenabschluesse& abschluesse, CDatum tag)
{
    const CDatum letzter = abschluesse.LetzterTag();
    if (letzter.IsNull() || tag.Midnight() > letzter)
        return std::nullopt;
    return "Die Kasse ist bis einschlie\xDFlich " + letzter.ToDisplay()
        + " abgeschlossen. Buchungen an diesem oder einem fr\xFCheren Tag k\xF6nnen nicht mehr erfasst, "
          "korrigiert oder storniert werden.";
}

std::optional<CAbschlussRegeln::Negativ> CAbschlussRegeln::ErsterNegativerTag(
    const CBuchungen& journal, std::span<const CBestandsAenderung> aenderungen)
{
    if (aenderungen.empty())
        return std::nullopt;
    CDatum ab = aenderungen.front().Tag.Midnight();
    for (const CBestandsAenderung& a : aenderungen)
        ab = std::min(ab, a.Tag.Midnight());
    // One walk: the balance before `ab`, and the net sum of every moment
    // from `ab` on, with what the changes add to it. Keyed by the stored
    // moment, so the calendar is asked once per distinct date, not per booking.
    std::map<CDatum, std::pair<CBetrag, CBetrag>> zeiten;
    CBetrag bestand;
    for (int i = 0; i < journal.GetCount(); ++i) {
        const CDatum d = journal.GetItem(i).Datum;
        const CBetrag netto = journal.GetLineSum(i, SumMode::Net);
        if (d < ab)
            bestand += netto;
        else
            zeiten[d].first += netto;
    }
    for (const CBestandsAenderung& a : aenderungen)
        zeiten[a.Tag.Midnight()].second += a.Betrag;
    CBetrag delta;
    for (auto it = zeiten.begin(); it != zeiten.end();) {
        const CDatum tag = it->first.Midnight();
        const CDatum naechster = tag.NextDay();
        // The first moment always counts: outside the calendar's range the
        // next day need not lie after it, and the walk must still move on.
        do {
            bestand += it->second.first + it->second.second;
            delta += it->second.second;
        } while (++it != zeiten.end() && it->first < naechster);
        // Only what the changes make worse counts: a till that was already
        // short on a later day does not hold back a receipt.
        if (bestand < CBetrag() && delta < CBetrag())
            return Negativ{tag, bestand};
    }
    return std::nullopt;
}

std::string CAbschlussRegeln::NegativMeldung(const Negativ& n)
{
    return "Der Kassenbestand w\xE4re am Ende des " + n.Tag.ToDisplay() + " negativ ("
        + FormatBetragAnzeige(n.Bestand) + "). Eine Kasse kann nicht weniger als nichts enthalten: "
          "buchen Sie zuerst die fehlenden Einnahmen.";
}

std::optional<std::string> CAbschlussRegeln::PruefeBuchung(const CBuchungen& journal,
                                                          const CKassenabschluesse& abschluesse, CDatum tag,
                                                          CBetrag netto)
{
    if (auto gesperrt = Gesperrt(abschluesse, tag))
        return gesperrt;
    const CBestandsAenderung aenderung[] = {{tag, netto}};
    if (const auto negativ = ErsterNegativerTag(journal, aenderung))
        return NegativMeldung(*negativ);
    return std::nullopt;
}

std::optional<std::string> CAbschlussRegeln::PruefeStorno(const CBuchungen& journal,
                                                         const CKassenabschluesse& abschluesse, int satz, CDatum tag)
{
    if (satz < 0 || satz >= journal.GetCount())
        return std::nullopt; // the reversal names the missing booking itself
    if (auto gesperrt = Gesperrt(abschluesse, journal.GetItem(satz).Datum))
        return gesperrt;
    return PruefeBuchung(journal, abschluesse, tag, CBetrag() - journal.GetLineSum(satz, SumMode::Net));
}

CBetrag CAbschlussRegeln::Netto(const CErfassteBuchung& buchung)
{
    CBetrag netto;
    const std::size_t n = buchung.Aufteilung ? buchung.Zeilen.size() : std::min<std::size_t>(1, buchung.Zeilen.size());
    for (std::size_t i = 0; i < n; ++i)
        if (!buchung.Zeilen[i].Geloescht)
            netto += buchung.Zeilen[i].Einnahme - buchung.Zeilen[i].Ausgabe;
    return netto;
}

std::optional<CDatum> CAbschlussRegeln::OffenerTagDavor(const CBuchungen& journal,
                                                         const CKassenabschluesse& abschluesse, CDatum tag)
{
    // Compared as plain second counts: one walk, no calendar work per booking.
    const CDatum letzter = abschluesse.LetzterTag();
    const CDatum offenAb = letzter.IsNull() ? CDatum(INT64_MIN) : letzter.NextDay();
    const CDatum bis = tag.Midnight();
    std::optional<CDatum> erster;
    for (int i = 0; i < journal.GetCount(); ++i) {
        const CDatum d = journal.GetItem(i).Datum;
        if (d < bis && d >= offenAb && (!erster || d < *erster))
            erster = d;
    }
    if (erster)
        erster = erster->Midnight();
    return erster;
}
