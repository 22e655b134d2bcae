#include "reports/CStatistikZeilen.h"

#include <string_view>
#include <unordered_map>

#include "core/CBelegtexte.h"
#include "core/CBuchungen.h"
#include "core/CDatum.h"

namespace {

using Zeile = CStatistikZeilen::Zeile;

struct Abschnitt {
    std::vector<Zeile> zeilen;   // text rows in catalogue order
    Zeile summe;
};

// Where a line's amount goes: the rows listing its text, and which
// section's sum and amount (receipt or payment) they take.
struct Ziel {
    int abschnitt;   // 0 income, 1 expense
    int zeile;
};

void Anteile(std::vector<Zeile>& zeilen, const Zeile& summe)
{
    static constexpr CStatistikZeilen::Wert werte[][2] = {
        {CStatistikZeilen::Jahr, CStatistikZeilen::JahrAnteil},
        {CStatistikZeilen::Vorjahr, CStatistikZeilen::VorjahrAnteil},
        {CStatistikZeilen::Monat, CStatistikZeilen::MonatAnteil},
        {CStatistikZeilen::VjMonat, CStatistikZeilen::VjMonatAnteil},
    };
    const CBetrag hundert(100 * 10000);
    const auto summenwerte = summe.Werte;  // the sum row is one of `zeilen`
    for (Zeile& z : zeilen) {
        for (const auto& [wert, anteil] : werte) {
            const CBetrag t = summenwerte[wert];
            // Amount arithmetic truncates toward zero: 1/3 gives 33,33.
            z.Werte[anteil] = t.Raw() != 0 ? (z.Werte[wert] * hundert) / t : CBetrag();
        }
        z.Werte[CStatistikZeilen::JahrAbw] = z.Werte[CStatistikZeilen::Jahr] - z.Werte[CStatistikZeilen::Vorjahr];
        z.Werte[CStatistikZeilen::MonatAbw] = z.Werte[CStatistikZeilen::Monat] - z.Werte[CStatistikZeilen::VjMonat];
    }
}

} // namespace

void CStatistikZeilen::Baue(const CBuchungen& journal, const CBelegtexte& belegtexte, int jahr, int monat,
                            int zeilenProSeite)
{
    m_zeilen.clear();
    m_seiten = 1;

    Abschnitt abschnitte[2];
    abschnitte[0].summe.Text = "Summen der Einnahmen";
    abschnitte[1].summe.Text = "Summen der Ausgaben";
    abschnitte[0].summe.Art = abschnitte[1].summe.Art = Summe;

    // The rows by their text, so the journal is walked once whatever the
    // catalogue's size. A text listed twice gets its amounts twice, as
    // one walk per listed text would give it.
    std::unordered_map<std::string_view, std::vector<Ziel>> ziele;
    const int texte = belegtexte.GetCount();
    for (int i = 0; i < texte; ++i) {
        const int einAus = belegtexte.GetEinAus(i);
        if ((einAus != 1 && einAus != -1) || !belegtexte.IsStatistik(i))
            continue;
        Abschnitt& a = abschnitte[einAus == 1 ? 0 : 1];
        Zeile& z = a.zeilen.emplace_back();
        z.Art = Text;
        z.Text = belegtexte.GetBezeichnung(i);
    }
    for (int s = 0; s < 2; ++s)
        for (std::size_t j = 0; j < abschnitte[s].zeilen.size(); ++j)
            ziele[abschnitte[s].zeilen[j].Text].push_back({s, static_cast<int>(j)});

    // Local years and months as ranges of moments: no calendar conversion
    // per booking.
    const std::int64_t vorjahrStart = CDatum::FromYMD(jahr - 1, 1, 1).Seconds();
    const std::int64_t jahrStart = CDatum::FromYMD(jahr, 1, 1).Seconds();
    const std::int64_t jahrEnde = CDatum::FromYMD(jahr + 1, 1, 1).Seconds();
    const std::int64_t monatStart = CDatum::FromYMD(jahr, monat, 1).Seconds();
    const std::int64_t monatEnde = CDatum::FromYMD(jahr, monat + 1, 1).Seconds();
    const std::int64_t vjMonatStart = CDatum::FromYMD(jahr - 1, monat, 1).Seconds();
    const std::int64_t vjMonatEnde = CDatum::FromYMD(jahr - 1, monat + 1, 1).Seconds();

    if (!ziele.empty()) {
        const int n = journal.GetCount();
        for (int i = 0; i < n; ++i) {
            const CBuchungssatz& satz = journal.GetItem(i);
            const std::int64_t d = satz.Datum.Seconds();
            if (d < vorjahrStart || d >= jahrEnde)
                continue;
            const bool lfd = d >= jahrStart;
            const Wert jahrWert = lfd ? Jahr : Vorjahr;
            const Wert monatWert = lfd ? Monat : VjMonat;
            const bool imMonat = lfd ? (monatStart <= d && d < monatEnde) : (vjMonatStart <= d && d < vjMonatEnde);
            for (const CBuchungszeile& zeile : satz.Zeilen) {
                const auto it = ziele.find(zeile.Bezeichnung);
                if (it == ziele.end())
                    continue;
                for (const Ziel& z : it->second) {
                    Abschnitt& a = abschnitte[z.abschnitt];
                    const CBetrag betrag = z.abschnitt == 0 ? zeile.Einnahme : zeile.Ausgabe;
                    Zeile& row = a.zeilen[static_cast<std::size_t>(z.zeile)];
                    row.Werte[jahrWert] += betrag;
                    a.summe.Werte[jahrWert] += betrag;
                    if (imMonat) {
                        row.Werte[monatWert] += betrag;
                        a.summe.Werte[monatWert] += betrag;
                    }
                }
            }
        }
    }

    std::vector<Zeile> teile[2];
    for (int s = 0; s < 2; ++s) {
        for (Zeile& z : abschnitte[s].zeilen) {
            const auto& w = z.Werte;
            if (w[Jahr].Raw() != 0 || w[Monat].Raw() != 0 || w[Vorjahr].Raw() != 0 || w[VjMonat].Raw() != 0)
                teile[s].push_back(std::move(z));
        }
        teile[s].push_back(abschnitte[s].summe);
        Anteile(teile[s], teile[s].back());
    }

    Zeile saldo;
    saldo.Art = Saldo;
    saldo.Text = "Saldo";
    for (int w = 0; w < AnzahlWerte; ++w)
        saldo.Werte[w] = teile[0].back().Werte[w] - teile[1].back().Werte[w];

    const int R = zeilenProSeite;
    int p = 1;
    int r = 0;
    auto platziere = [&](std::vector<Zeile>& abschnitt) {
        for (Zeile& z : abschnitt) {
            z.Seite = p;
            z.Reihe = r;
            m_zeilen.push_back(std::move(z));
            if (++r > R) {
                ++p;
                r = 0;
            }
        }
    };
    platziere(teile[0]);
    // One empty row, and the expense section only where five rows still fit.
    if (++r + 5 > R) {
        ++p;
        r = 0;
    }
    platziere(teile[1]);
    ++r;
    saldo.Seite = p;
    saldo.Reihe = r;
    m_zeilen.push_back(std::move(saldo));
    m_seiten = p;
}
