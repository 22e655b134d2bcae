#include "reports/CProtokollZeilen.h"

#include <ctime>

#include "core/CBinStream.h"
#include "core/CBuchungen.h"
#include "storage/CProtokoll.h"

namespace {

std::string Zeitpunkt(std::int64_t sekunden)
{
    const std::time_t t = static_cast<std::time_t>(sekunden);
    std::tm lokal{};
    char buf[32] = "";
    if (localtime_r(&t, &lokal))
        std::strftime(buf, sizeof buf, "%d.%m.%Y %H:%M:%S", &lokal);
    return buf;
}

// The record an entry of a booking or reversal carries.
bool Satz(const CProtokoll& log, int i, CBuchungen& einer)
{
    CBinStream s;
    s.WriteU32(0x4642424B); // "KBBF"
    s.WriteU32(1);
    s.WriteBytes(log.Nutzdaten(i));
    CBinStream lesen(s.TakeBytes());
    return einer.Read(lesen) && einer.GetCount() == 1;
}

} // namespace

const std::array<const char*, CProtokollZeilen::Spalten>& CProtokollZeilen::Spaltenkoepfe()
{
    static const std::array<const char*, Spalten> koepfe = {
        "Nr.", "Erfasst", "Art", "Buchung", "Datum", "Text", "Betrag", "Storno zu", "Hash"};
    return koepfe;
}

void CProtokollZeilen::Baue(const CProtokoll& log, std::int64_t von, std::int64_t bis, int zeilenProSeite)
{
    m_zeilen.clear();
    int seite = 1;
    int reihe = 0;
    for (int i = 0; i < log.GetCount(); ++i) {
        const CProtokollEintrag& e = log.GetEintrag(i);
        if (e.Zeit < von || e.Zeit > bis)
            continue;
        if (reihe == zeilenProSeite) {
            ++seite;
            reihe = 0;
        }
        Zeile z;
        z.Seite = seite;
        z.Reihe = reihe++;
        z.Texte[Nr] = std::to_string(i + 1);
        z.Texte[Erfasst] = Zeitpunkt(e.Zeit);
        z.Texte[Art] = CProtokoll::ArtText(e.Art);
        z.Texte[Hash] = CSha256::Hex(log.Hash(i), 8);
        CBuchungen einer;
        if (e.Art == ProtokollArt::Buchung || e.Art == ProtokollArt::Storno) {
            z.Texte[Buchung] = std::to_string(e.Satz + 1);
            if (e.Art == ProtokollArt::Storno)
                z.Texte[StornoZu] = std::to_string(e.Bezug);
            if (Satz(log, i, einer)) {
                const CBuchungssatz& s = einer.GetItem(0);
                z.Texte[Datum] = s.Datum.ToDisplay();
                z.Texte[Text] = s.Aufteilung || s.Zeilen.empty() ? std::string("Aufteilung") : s.Zeilen[0].Bezeichnung;
                if (!s.Notiz.empty())
                    z.Texte[Text] += " (" + s.Notiz + ")";
                z.Texte[Betrag] = FormatBetragAnzeige(einer.GetLineSum(0, SumMode::Net));
            }
        } else if (e.Art == ProtokollArt::Uebernahme) {
            z.Texte[Text] = std::to_string(log.Uebernommen())
                + (log.Uebernommen() == 1 ? " Buchung \xFC" "bernommen" : " Buchungen \xFC" "bernommen");
        } else if (e.Art == ProtokollArt::Umstellung) {
            z.Texte[Text] = "Buchungen festgeschrieben (GoBD)";
        }
        m_zeilen.push_back(std::move(z));
    }
    m_seiten = seite;
}

std::string CProtokollZeilen::Anker(const CProtokoll& log)
{
    if (log.GetCount() == 0)
        return {};
    return "Protokoll Nr. " + std::to_string(log.GetCount()) + " \xB7 " + CSha256::Hex(log.Hash(log.GetCount() - 1), 8);
}
