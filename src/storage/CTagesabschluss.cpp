#include "storage/CTagesabschluss.h"

#include "core/CAbschlussRegeln.h"
#include "core/CBelegtexte.h"
#include "core/CBuchungen.h"
#include "core/CBuchungsErfassung.h"
#include "core/CFehler.h"
#include "storage/CKassenbuch.h"

#include <algorithm>

bool CTagesabschluss::Festgeschrieben(const CKassenbuch& kasse)
{
    return kasse.IsGoBD();
}

std::optional<std::string> CTagesabschluss::Pruefe(const CKassenbuch& kasse, CDatum tag, CDatum heute)
{
    // A book changed outside the program takes nothing, a close neither.
    if (kasse.IsNurLesen())
        return kasse.Manipulation();
    if (tag.Midnight() > heute.Midnight())
        return "Der " + tag.ToDisplay() + " liegt in der Zukunft und kann noch nicht abgeschlossen werden.";
    const CDatum letzter = kasse.LetzterAbschlussTag();
    if (!letzter.IsNull() && tag.Midnight() <= letzter)
        return "Die Kasse ist bereits bis einschlie\xDFlich " + letzter.ToDisplay() + " abgeschlossen.";
    if (Festgeschrieben(kasse)) {
        if (const auto offen = CAbschlussRegeln::OffenerTagDavor(*kasse.GetBuchungen(), kasse.GetKassenabschluesse(),
                                                                 tag))
            return "Der " + offen->ToDisplay() + " hat Buchungen und ist noch nicht abgeschlossen. Schlie\xDF"
                   "en Sie zuerst diesen Tag ab.";
    }
    return std::nullopt;
}

std::optional<std::string> CTagesabschluss::PruefeNeueBuchung(const CKassenbuch& kasse,
                                                             const CErfassteBuchung& buchung, int jahr, int monat)
{
    if (!Festgeschrieben(kasse) || CBuchungsErfassung::Pruefe(buchung, jahr, monat))
        return std::nullopt;
    return CAbschlussRegeln::PruefeBuchung(*kasse.GetBuchungen(), kasse.GetKassenabschluesse(),
                                           CDatum::FromYMD(jahr, monat, buchung.Tag), CAbschlussRegeln::Netto(buchung));
}

const CKassenabschluss& CTagesabschluss::Schliesse(CKassenbuch& kasse, CKassenabschluss abschluss, CDatum heute,
                                                   std::int64_t jetzt)
{
    if (const auto grund = Pruefe(kasse, abschluss.Tag, heute))
        throw CFehler(*grund);
    CBuchungen& journal = *kasse.GetBuchungen();
    if (Festgeschrieben(kasse)) {
        // A smaller count can only take later days below zero.
        const CBestandsAenderung aenderung[] = {{abschluss.Tag, abschluss.Differenz}};
        if (const auto negativ = CAbschlussRegeln::ErsterNegativerTag(journal, aenderung))
            throw CFehler(CAbschlussRegeln::NegativMeldung(*negativ));
    }
    abschluss.Zeitpunkt = jetzt;
    const bool protokoll = Festgeschrieben(kasse);
    // Whatever was booked before enters the log first, so that only this
    // close's own booking can be left to take back.
    if (protokoll)
        kasse.ProtokolliereNeueBuchungen();
    const int vorher = journal.GetCount();
    const int texte = kasse.GetBelegtexte()->GetCount();
    bool eingetragen = false;
    try {
        CZaehlprotokoll::BucheDifferenz(journal, *kasse.GetBelegtexte(), abschluss);
        kasse.GetKassenabschluesse().Hinzufuegen(abschluss);
        eingetragen = true;
        if (protokoll) {
            // The entry's bytes are the close with its whole count sheet.
            const std::uint32_t nr = kasse.Protokolliere(ProtokollArt::Tagesabschluss,
                                                         CKassenabschluesse::Schreiben(abschluss));
            kasse.GetKassenabschluesse().SetzeProtokoll(nr, kasse.GetProtokoll()->LetzterHash().substr(0, 16));
        }
    } catch (...) {
        // Back to where it was: no booking without its close, but nothing
        // the log has taken is taken out of the journal.
        if (eingetragen)
            kasse.GetKassenabschluesse().EntferneLetzten();
        const int fest = protokoll ? std::max(vorher, kasse.GetProtokoll()->GetSatzCount()) : vorher;
        while (journal.GetCount() > fest)
            journal.RemoveItem(journal.GetCount() - 1);
        if (journal.GetCount() == vorher)
            while (kasse.GetBelegtexte()->GetCount() > texte)
                kasse.GetBelegtexte()->RemoveEntry(kasse.GetBelegtexte()->GetCount() - 1);
        throw;
    }
    return kasse.GetKassenabschluesse().Alle().back();
}
