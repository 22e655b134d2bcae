#include "reports/CReportViewBase.h"

#include <QBuffer>
#include <QFile>
#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QPicture>

#include <algorithm>

#include "core/CAtomicFile.h"
#include "core/CFirma.h"
#include "platform/Cp1252.h"
#include "platform/Monatsnamen.h"

CReportViewBase::CReportViewBase(CReportDaten daten) : m_daten(std::move(daten)) {}

CReportViewBase::~CReportViewBase() = default;

bool CReportViewBase::Drucke(QPagedPaintDevice& device, int von, int bis)
{
    if (!PrepareLines())
        return false;
    device.setPageOrientation(QPageLayout::Landscape);
    const double dpiX = device.logicalDpiX();
    const double dpiY = device.logicalDpiY();
    const int zeilen = MissZeilenProSeite(device.width() / dpiX, device.height() / dpiY, dpiX, dpiY);
    if (zeilen != m_rowsPerPage) {
        m_rowsPerPage = zeilen;
        PrepareLines();
    }
    const int erste = von > 0 ? std::min(von, m_pageCount) : 1;
    const int letzte = bis > 0 ? std::min(bis, m_pageCount) : m_pageCount;
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    for (int seite = erste; seite <= letzte; ++seite) {
        if (seite > erste)
            device.newPage();
        ZeichneSeite(painter, device.width() / dpiX, device.height() / dpiY, dpiX, dpiY, seite);
    }
    return painter.end();
}

void CReportViewBase::ZeichneSeite(QPainter& painter, double width, double height, double dpiX, double dpiY,
                                   int page)
{
    CReportPage surface(painter, width, height, dpiX, dpiY, true);
    m_page = &surface;
    m_currentPage = page;
    m_usableWidth = surface.Right() - LeftMargin;
    PrintReportPage(page);
    m_page = nullptr;
}

int CReportViewBase::MissZeilenProSeite(double width, double height, double dpiX, double dpiY)
{
    // The title block grows with the company name's lines; where the table
    // starts is learnt from a first page drawn into nothing.
    QPicture probe;
    {
        QPainter painter(&probe);
        ZeichneSeite(painter, width, height, dpiX, dpiY, 1);
    }
    // The line engines let a page run two rows past the count they are
    // given (the cash report's day sum and spacer, the statistics' balance).
    const int passen = static_cast<int>((FooterTop(height) - m_tableTop) / RowHeight) - 2;
    return std::clamp(passen, 1, StandardZeilen);
}

double CReportViewBase::FooterTop(double height)
{
    return height - 0.35;
}

bool CReportViewBase::SchreibePdf(const QString& pfad)
{
    // Written to memory first: a report that fails half-way leaves an
    // earlier file of that name as it was.
    QBuffer puffer;
    puffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter pdf(&puffer);
        pdf.setPageSize(QPageSize(QPageSize::A4));
        pdf.setPageOrientation(QPageLayout::Landscape);
        pdf.setPageMargins(QMarginsF(6.35, 6.35, 6.35, 6.35), QPageLayout::Millimeter);
        pdf.setResolution(600);
        pdf.setCreator(QStringLiteral("Kuvex - das Kassenbuch"));
        pdf.setTitle(PdfName().chopped(4));
        if (!Drucke(pdf))
            return false;
    }
    const QByteArray& bytes = puffer.data();
    return CAtomicFile::Replace(QFile::encodeName(pfad).toStdString(),
                                std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
}

double CReportViewBase::PrintTitle(const QString& title, bool monthOnly)
{
    CReportPage& p = *m_page;
    p.SetFontFace(QStringLiteral("Arial"));
    const CFirma* firma = m_daten.firma;
    QString name = firma ? Cp1252::ToQString(firma->GetName()) : QString();
    // A name of several lines keeps them on the page, without stray CRs.
    name.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(QLatin1Char('\r'), QLatin1Char('\n'));
    const QString ort = firma ? Cp1252::ToQString(firma->GetOrt()) : QString();
    const QString waehrung = firma ? Cp1252::ToQString(firma->GetWaehrung()) : QString();
    const QString monat = Monatsnamen::Name(m_daten.monat);

    double y = p.PrintFormatted(0.6, 0.0, CReportPage::Fett, 12, QStringLiteral("%1 - %2").arg(name, ort));
    const QString zeile2 = !monthOnly && !m_daten.monatlich
        ? QStringLiteral("%1 vom %2. %3 %4").arg(title).arg(m_daten.tag).arg(monat).arg(m_daten.jahr)
        : QStringLiteral("%1 vom %2 %3").arg(title, monat).arg(m_daten.jahr);
    y = p.PrintFormatted(y, 0.0, CReportPage::Fett, 12, zeile2);
    return p.PrintFormatted(y, 0.0, CReportPage::Fett | CReportPage::Rechts, 11,
                            QStringLiteral("- Angaben in %1 - ").arg(waehrung));
}

double CReportViewBase::PrintColumnHeader(double y, const QStringList& titles)
{
    CReportPage& p = *m_page;
    QPainter& painter = p.Painter();
    // The band is drawn on the device itself and so is not centred.
    const QRectF band(QPointF(p.ToDeviceX(LeftMargin - 0.1), p.ToDeviceY(y)),
                      QPointF(p.ToDeviceX(m_usableWidth + 0.1), p.ToDeviceY(y + RowHeight)));
    painter.fillRect(band, QColor(0, 51, 170));
    const QColor vorher = p.TextColor();
    p.SetTextColor(Qt::white);
    for (int c = 0; c < titles.size(); ++c) {
        const double links = ColumnLeft(c);
        p.PrintInRect(y, links, y + RowHeight, links + GetColumnWidth(c), CReportPage::Fett | GetColumnFormat(c),
                      FontSize, titles[c]);
    }
    p.SetTextColor(vorher);
    m_tableTop = y + 1.25 * RowHeight;
    return m_tableTop;
}

void CReportViewBase::PrintCell(int row, int column, const QString& text, unsigned flags)
{
    const double top = m_tableTop + row * RowHeight;
    const double links = ColumnLeft(column);
    const unsigned f = flags == NurSpaltenformat ? GetColumnFormat(column) : (flags | GetColumnFormat(column));
    m_page->PrintInRect(top, links, top + RowHeight, links + GetColumnWidth(column), f, FontSize, text);
}

void CReportViewBase::PrintFooter(const QString& mitte)
{
    CReportPage& p = *m_page;
    const int klein = FontSize - 2;
    const double textTop = FooterTop(p.Bottom()) + 0.05;
    // A thin rule across the band's width, on the device like the band.
    QPainter& painter = p.Painter();
    painter.save();
    QPen pen(Qt::black);
    pen.setWidth(std::max(1, p.ToDeviceY(0.01)));
    painter.setPen(pen);
    const int linie = p.ToDeviceY(FooterTop(p.Bottom()));
    painter.drawLine(p.ToDeviceX(LeftMargin - 0.1), linie, p.ToDeviceX(m_usableWidth + 0.1), linie);
    painter.restore();

    const QDateTime jetzt = m_daten.gedruckt.isValid() ? m_daten.gedruckt : QDateTime::currentDateTime();
    const QColor vorher = p.TextColor();
    p.SetTextColor(Qt::black);
    p.PrintInRect(textTop, 0.0, textTop + RowHeight, m_usableWidth, CReportPage::Einzeilig, klein,
                  jetzt.toString(QStringLiteral("'Gedruckt am 'dd.MM.yyyy' um 'HH:mm")));
    p.PrintInRect(textTop, 0.0, textTop + RowHeight, p.Right(), CReportPage::Einzeilig | CReportPage::Rechts, klein,
                  QStringLiteral("Seite %1 von %2").arg(m_currentPage).arg(m_pageCount));
    if (!mitte.isEmpty())
        p.PrintInRect(textTop, 0.0, textTop + RowHeight, p.Right(), CReportPage::Einzeilig | CReportPage::Zentriert,
                      klein, mitte);
    p.SetTextColor(vorher);
}

double CReportViewBase::ColumnLeft(int column) const
{
    double x = 0.0;
    for (int c = 0; c < column; ++c)
        x += GetColumnWidth(c);
    return x;
}
