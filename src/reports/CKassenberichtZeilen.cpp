#include "reports/CKassenberichtZeilen.h"

#include <algorithm>

#include "core/CBuchungen.h"
#include "core/CSteuersaetze.h"

namespace {

std::string MitNotiz(const std::string& text, const std::string& notiz)
{
    return notiz.empty() ? text : text + " (" + notiz + ")";
}

} // namespace

CBetrag CKassenberichtZeilen::Prozent(const CSteuersaetze* steuersaetze, int id)
{
    // A month repeats a handful of ids thousands of times, and each lookup
    // in the table reads its XML.
    for (const auto& p : m_prozente)
        if (p.first == id)
            return p.second;
    m_prozente.emplace_back(id, steuersaetze ? steuersaetze->GetProzent(id) : CBetrag());
    return m_prozente.back().second;
}

void CKassenberichtZeilen::Baue(const CBuchungen& journal, const CSteuersaetze* steuersaetze, CDatum datum,
                                bool monatlich, int zeilenProSeite)
{
    m_zeilen.clear();
    m_treffer.clear();
    m_prozente.clear();
    m_seiten = 1;

    const int jahr = datum.Year();
    const int monat = datum.Month();
    // The period as [start, next start): a booking with a time of day still
    // belongs to its calendar day, and midnights keep clock changes right.
    const CDatum start = monatlich ? CDatum::FromYMD(jahr, monat, 1) : datum.Midnight();
    const CDatum ende = monatlich ? CDatum::FromYMD(jahr, monat + 1, 1) : start.NextDay();

    // One walk collects the period and the balance before it.
    CBetrag anfangsbestand;
    const int n = journal.GetCount();
    for (int i = 0; i < n; ++i) {
        const CBuchungssatz& satz = journal.GetItem(i);
        if (satz.Datum < start) {
            // The net sum of the booking, as GetSumBefore adds it; summed
            // here so the journal is walked once for both.
            for (const CBuchungszeile& z : satz.Zeilen)
                anfangsbestand += z.Einnahme - z.Ausgabe;
        } else if (satz.Datum < ende) {
            m_treffer.emplace_back(satz.Datum.Seconds(), i);
        }
    }
    if (m_treffer.empty())
        return;
    // Collected in journal order, so (date, index) is "by date, equal dates
    // in journal order"; a journal typed day by day is sorted already.
    if (!std::is_sorted(m_treffer.begin(), m_treffer.end()))
        std::sort(m_treffer.begin(), m_treffer.end());

    const int R = zeilenProSeite;
    int p = 1;
    int r = 0;
    CBetrag tagEin;
    CBetrag tagAus;
    CBetrag saldo = anfangsbestand;
    std::int64_t vorher = m_treffer.front().first;
    m_zeilen.reserve(m_treffer.size() * 2 + 2);

    auto neu = [&](int art) -> Zeile& {
        Zeile& z = m_zeilen.emplace_back();
        z.Seite = p;
        z.Reihe = r;
        z.Art = art;
        return z;
    };
    auto tagessumme = [&] {
        Zeile& z = neu(Tagessumme);
        z.Einnahme = tagEin;
        z.Ausgabe = tagAus;
        z.Saldo = saldo + tagEin - tagAus;
        saldo = z.Saldo;
        tagEin = tagAus = CBetrag();
    };

    neu(Anfangsbestand).Saldo = anfangsbestand;
    r = 1;
    for (const auto& [sekunden, i] : m_treffer) {
        if (sekunden > vorher) {
            // Sum and spacer stay on the page even past its last row.
            tagessumme();
            ++r;
            neu(Leer);
            ++r;
        }
        vorher = sekunden;

        const CBuchungssatz& satz = journal.GetItem(i);
        const int k = static_cast<int>(satz.Zeilen.size());
        const int s = satz.Aufteilung ? 1 : 0;
        if (r > 0 && r + k + s > R) {
            ++p;
            r = 0;
        }
        Zeile& b = neu(Buchung);
        b.Datum = satz.Datum;
        b.RgNr = satz.RgNr;
        b.Einnahme = journal.GetLineSum(i, SumMode::Income);
        b.Ausgabe = journal.GetLineSum(i, SumMode::Expense) * CBetrag(-10000);
        tagEin += b.Einnahme;
        tagAus += b.Ausgabe;
        if (satz.Aufteilung) {
            b.Text = MitNotiz("Aufteilung", satz.Notiz);
        } else if (k > 0) {
            const CBuchungszeile& z0 = satz.Zeilen.front();
            b.Text = MitNotiz(z0.Bezeichnung, z0.Notiz);
            b.Ust = Prozent(steuersaetze, z0.UStID);
        }
        ++r;
        if (!satz.Aufteilung)
            continue;
        for (const CBuchungszeile& zeile : satz.Zeilen) {
            Zeile& t = neu(Aufteilung);
            t.Text = MitNotiz(zeile.Bezeichnung, zeile.Notiz);
            t.Ust = Prozent(steuersaetze, zeile.UStID);
            t.Einnahme = zeile.Einnahme;
            t.Ausgabe = zeile.Ausgabe;
            ++r;
            if (r > R) {
                ++p;
                r = 0;
            }
        }
    }
    tagessumme();
    m_seiten = p;
}
