#include "reports/CStatistikReportView.h"

#include "platform/Cp1252.h"

namespace {

constexpr double kBreiten[] = {0.19, 0.088, 0.065, 0.088, 0.065, 0.088, 0.088, 0.065, 0.088, 0.065, 0.088};
constexpr int kSpalten = 11;

bool IstAnteil(int wert)
{
    return wert == CStatistikZeilen::JahrAnteil || wert == CStatistikZeilen::VorjahrAnteil
        || wert == CStatistikZeilen::MonatAnteil || wert == CStatistikZeilen::VjMonatAnteil;
}

} // namespace

bool CStatistikReportView::PrepareLines()
{
    const CReportDaten& d = Daten();
    if (!d.belegtexte || !d.journal || !d.hatAuswahl)
        return false;
    m_zeilen.Baue(*d.journal, *d.belegtexte, d.jahr, d.monat, RowsPerPage());
    SetPageCount(m_zeilen.Seiten());
    return true;
}

double CStatistikReportView::GetColumnWidth(int column) const
{
    return column >= 0 && column < kSpalten ? kBreiten[column] * UsableWidth() : 0.0;
}

unsigned CStatistikReportView::GetColumnFormat(int column) const
{
    if (column == 0)
        return CReportPage::Einzeilig;
    return column > 0 && column < kSpalten ? CReportPage::Einzeilig | CReportPage::Rechts : 0;
}

void CStatistikReportView::PrintReportPage(int page)
{
    const double y = PrintTitle(QStringLiteral("Statistik"), true);
    PrintColumnHeader(y, {QStringLiteral("Belegtext"), QStringLiteral("Lfd. Jahr"), QString(),
                          QStringLiteral("Vorjahr"), QString(), QStringLiteral("Abw."),
                          QStringLiteral("Lfd. Monat"), QString(), QStringLiteral("VJ-Monat"), QString(),
                          QStringLiteral("Abw.")});
    Page().SetTextColor(Qt::black);
    for (const CStatistikZeilen::Zeile& z : m_zeilen.Zeilen()) {
        if (z.Seite != page)
            continue;
        const unsigned zusatz = z.Art == CStatistikZeilen::Summe
            ? CReportPage::Unterstrichen
            : z.Art == CStatistikZeilen::Saldo ? CReportPage::Fett | CReportPage::Unterstrichen : 0;
        const unsigned flags = zusatz ? zusatz : CReportViewBase::NurSpaltenformat;
        PrintCell(z.Reihe, 0, Cp1252::ToQString(z.Text), flags);
        for (int w = 0; w < CStatistikZeilen::AnzahlWerte; ++w) {
            QString text = QString::fromLatin1(FormatBetragAnzeige(z.Werte[static_cast<std::size_t>(w)]));
            if (IstAnteil(w))
                text += QLatin1Char('%');
            PrintCell(z.Reihe, w + 1, text, flags);
        }
    }
    PrintFooter();
}
