#include "reports/CKassabuchReportView.h"

#include "reports/CProtokollZeilen.h"

#include <QPainter>

#include "platform/Cp1252.h"

namespace {

constexpr double kBreiten[] = {0.10, 0.35, 0.10, 0.09, 0.11, 0.11, 0.11};
constexpr unsigned kLinks = CReportPage::Einzeilig;
constexpr unsigned kRechts = CReportPage::Einzeilig | CReportPage::Rechts;
constexpr unsigned kFormate[] = {kLinks, kLinks, kLinks, kRechts, kRechts, kRechts, kRechts};
constexpr int kSpalten = 7;

QString Betrag(CBetrag b)
{
    return QString::fromLatin1(FormatBetragAnzeige(b));
}

} // namespace

bool CKassabuchReportView::PrepareLines()
{
    const CReportDaten& d = Daten();
    if (!d.hatAuswahl || !d.journal)
        return false;
    m_zeilen.Baue(*d.journal, d.steuersaetze, d.Datum(), d.monatlich, RowsPerPage());
    SetPageCount(m_zeilen.Seiten());
    return true;
}

double CKassabuchReportView::GetColumnWidth(int column) const
{
    return column >= 0 && column < kSpalten ? kBreiten[column] * UsableWidth() : 0.0;
}

unsigned CKassabuchReportView::GetColumnFormat(int column) const
{
    return column >= 0 && column < kSpalten ? kFormate[column] : 0;
}

void CKassabuchReportView::PrintReportPage(int page)
{
    const double y = PrintTitle(QStringLiteral("Kassenbericht"), false);
    PrintColumnHeader(y, {QStringLiteral("Datum"), QStringLiteral("Belegtext"), QStringLiteral("RG Nummer"),
                          QStringLiteral("USt"), QStringLiteral("Einnahmen"), QStringLiteral("Ausgaben"),
                          QStringLiteral("Saldo")});
    using Z = CKassenberichtZeilen;
    const QColor schwarz(Qt::black);
    const QColor grau(128, 128, 128);
    for (const Z::Zeile& z : m_zeilen.Zeilen()) {
        if (z.Seite < page)
            continue;
        if (z.Seite > page)
            break;
        Page().SetTextColor(z.Art == Z::Aufteilung ? grau : schwarz);
        switch (z.Art) {
        case Z::Anfangsbestand:
            PrintCell(z.Reihe, 1, QStringLiteral("Anfangsbestand"), CReportPage::Fett);
            PrintCell(z.Reihe, 6, Betrag(z.Saldo), CReportPage::Fett);
            break;
        case Z::Buchung:
            PrintCell(z.Reihe, 0, QString::fromStdString(z.Datum.ToDisplay()));
            PrintCell(z.Reihe, 2, Cp1252::ToQString(z.RgNr));
            [[fallthrough]];
        case Z::Aufteilung:
            PrintCell(z.Reihe, 1, Cp1252::ToQString(z.Text));
            PrintCell(z.Reihe, 3, Betrag(z.Ust) + QLatin1Char('%'));
            PrintCell(z.Reihe, 4, Betrag(z.Einnahme));
            PrintCell(z.Reihe, 5, Betrag(z.Ausgabe));
            break;
        case Z::Tagessumme: {
            PrintCell(z.Reihe, 1, QStringLiteral("Summen/Tagessaldo"), CReportPage::Fett);
            PrintCell(z.Reihe, 4, Betrag(z.Einnahme), CReportPage::Fett);
            PrintCell(z.Reihe, 5, Betrag(z.Ausgabe), CReportPage::Fett);
            PrintCell(z.Reihe, 6, Betrag(z.Saldo), CReportPage::Fett);
            // Rules above and below the sums, the lower one doubled.
            const double top = TableTop() + z.Reihe * RowHeight;
            const double links = ColumnLeft(4);
            const double rechts = UsableWidth() - RightMargin;
            for (const double y : {top, top + RowHeight, top + RowHeight + 0.01})
                Page().Line(y, links, y, rechts, 1);
            break;
        }
        default:
            break;  // a spacer is an empty row
        }
    }
    Page().SetTextColor(schwarz);
    // With locked bookings the page keeps the log's last entry and hash, so
    // a file rewritten later can be held against the paper.
    PrintFooter(Daten().protokoll ? Cp1252::ToQString(CProtokollZeilen::Anker(*Daten().protokoll)) : QString());
}
