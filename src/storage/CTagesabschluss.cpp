#include "storage/CTagesabschluss.h"

#include "core/CAbschlussRegeln.h"
#include "core/CBelegtexte.h"
#include "core/CBuchungen.h"
#include "core/CBuchungsErfassung.h"
#include "core/CFehler.h"
#include "storage/CKassenbuch.h"

bool CTagesabschluss::Festgeschrieben(const CKassenbuch& kasse)
{
    (void)kasse;
    return false;
}

std::optional<std::string> CTagesabschluss::Pruefe(const CKassenbuch& kasse, CDatum tag, CDatum heute)
{
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
    const int vorher = journal.GetCount();
    const int texte = kasse.GetBelegtexte()->GetCount();
    try {
        CZaehlprotokoll::BucheDifferenz(journal, *kasse.GetBelegtexte(), abschluss);
        kasse.GetKassenabschluesse().Hinzufuegen(abschluss);
    } catch (...) {
        // Back to where it was: no booking without its close.
        while (journal.GetCount() > vorher)
            journal.RemoveItem(journal.GetCount() - 1);
        while (kasse.GetBelegtexte()->GetCount() > texte)
            kasse.GetBelegtexte()->RemoveEntry(kasse.GetBelegtexte()->GetCount() - 1);
        throw;
    }
    return kasse.GetKassenabschluesse().Alle().back();
}
