#include "reports/CProtokollReportView.h"

#include "platform/Cp1252.h"

#include <iterator>

namespace {

constexpr double kBreiten[] = {0.04, 0.13, 0.11, 0.06, 0.08, 0.25, 0.08, 0.08, 0.14};
static_assert(std::size(kBreiten) == CProtokollZeilen::Spalten);

} // namespace

bool CProtokollReportView::PrepareLines()
{
    const CReportDaten& d = Daten();
    if (!d.protokoll || !d.hatAuswahl)
        return false;
    m_zeilen.Baue(*d.protokoll, d.Von(), d.Bis(), RowsPerPage());
    SetPageCount(m_zeilen.Seiten());
    return true;
}

double CProtokollReportView::GetColumnWidth(int column) const
{
    return column >= 0 && column < CProtokollZeilen::Spalten ? kBreiten[column] * UsableWidth() : 0.0;
}

unsigned CProtokollReportView::GetColumnFormat(int column) const
{
    // Numbers of entries and bookings read left; the amount right, and the
    // reversed number centred so it keeps apart from it.
    switch (column) {
    case CProtokollZeilen::Betrag:
        return CReportPage::Einzeilig | CReportPage::Rechts;
    case CProtokollZeilen::StornoZu:
        return CReportPage::Einzeilig | CReportPage::Zentriert;
    default:
        return column >= 0 && column < CProtokollZeilen::Spalten ? unsigned(CReportPage::Einzeilig) : 0u;
    }
}

void CProtokollReportView::PrintReportPage(int page)
{
    const double y = PrintTitle(QStringLiteral("Protokoll"), false);
    QStringList koepfe;
    for (const char* k : CProtokollZeilen::Spaltenkoepfe())
        koepfe << Cp1252::ToQString(k);
    PrintColumnHeader(y, koepfe);
    Page().SetTextColor(Qt::black);
    for (const CProtokollZeilen::Zeile& z : m_zeilen.Zeilen()) {
        if (z.Seite != page)
            continue;
        for (int c = 0; c < CProtokollZeilen::Spalten; ++c)
            PrintCell(z.Reihe, c, Cp1252::ToQString(z.Texte[static_cast<std::size_t>(c)]));
    }
    PrintFooter(Cp1252::ToQString(CProtokollZeilen::Anker(*Daten().protokoll)));
}
