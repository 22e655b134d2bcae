#include "reports/CZaehlprotokollView.h"

#include "platform/Cp1252.h"

namespace {

constexpr double kBreiten[] = {0.30, 0.15, 0.15, 0.20};
constexpr unsigned kFormate[] = {CReportPage::Einzeilig, CReportPage::Einzeilig,
                                 CReportPage::Einzeilig | CReportPage::Rechts,
                                 CReportPage::Einzeilig | CReportPage::Rechts};
constexpr int kSpalten = 4;

QString Text(const std::string& cp1252)
{
    return Cp1252::ToQString(cp1252);
}

} // namespace

CZaehlprotokollView::CZaehlprotokollView(CReportDaten daten, CKassenabschluss abschluss)
    : CReportViewBase([&] {
        daten.hatAuswahl = true;
        daten.monatlich = false;
        daten.jahr = abschluss.Tag.Year();
        daten.monat = abschluss.Tag.Month();
        daten.tag = abschluss.Tag.Day();
        return daten;
    }())
    , m_abschluss(std::move(abschluss))
{
}

bool CZaehlprotokollView::PrepareLines()
{
    SetPageCount(1);
    return true;
}

double CZaehlprotokollView::GetColumnWidth(int column) const
{
    return column >= 0 && column < kSpalten ? kBreiten[column] * UsableWidth() : 0.0;
}

unsigned CZaehlprotokollView::GetColumnFormat(int column) const
{
    return column >= 0 && column < kSpalten ? kFormate[column] : 0;
}

std::string CZaehlprotokollView::BuchungText(const CKassenabschluss& a)
{
    return a.Buchung < 0 ? std::string("keine") : "Nr. " + std::to_string(a.Buchung + 1);
}

std::vector<std::pair<std::string, std::string>> CZaehlprotokollView::Kennzahlen(const CKassenabschluss& a)
{
    std::vector<std::pair<std::string, std::string>> z = {
        {"Gez\xE4hlter Bestand", FormatBetragAnzeige(a.Gezaehlt)},
        {"Kassenbestand laut Kassenbuch", FormatBetragAnzeige(a.Buchbestand)},
        {"Differenz", FormatBetragAnzeige(a.Differenz)},
        {"Buchung der Differenz", BuchungText(a)},
    };
    if (a.ProtokollNr)
        z.push_back({"Protokoll", "Nr. " + std::to_string(a.ProtokollNr) + " \xB7 " + a.ProtokollHash});
    return z;
}

void CZaehlprotokollView::PrintReportPage(int page)
{
    (void)page;
    const double y = PrintTitle(QStringLiteral("Z\u00e4hlprotokoll"), false);
    PrintColumnHeader(y, {QStringLiteral("Nennwert"), QStringLiteral("Art"), QStringLiteral("Anzahl"),
                          QStringLiteral("Summe")});
    Page().SetTextColor(Qt::black);
    int reihe = 0;
    for (const CZaehlposten& p : m_abschluss.Zaehlung) {
        const bool schein = CZaehlprotokoll::IstSchein(m_abschluss.Waehrung, p.Nennwert);
        PrintCell(reihe, 0, Text(CZaehlprotokoll::NennwertText(p.Nennwert)));
        PrintCell(reihe, 1, schein ? QStringLiteral("Schein") : QStringLiteral("M\u00fcnze"));
        PrintCell(reihe, 2, QString::number(p.Anzahl));
        PrintCell(reihe, 3, Text(FormatBetragAnzeige(p.Summe())));
        ++reihe;
    }
    ++reihe;
    for (const auto& [titel, wert] : Kennzahlen(m_abschluss)) {
        PrintCell(reihe, 0, Text(titel), CReportPage::Fett);
        PrintCell(reihe, 3, Text(wert), CReportPage::Fett);
        ++reihe;
    }
    // Room to sign below the figures.
    const double linie = TableTop() + (reihe + 3) * RowHeight;
    Page().Line(linie, 0.0, linie, GetColumnWidth(0) + GetColumnWidth(1), 1);
    Page().PrintInRect(linie + 0.02, 0.0, linie + 0.02 + RowHeight, GetColumnWidth(0), CReportPage::Einzeilig,
                       FontSize, QStringLiteral("Unterschrift"));
    PrintFooter();
}
