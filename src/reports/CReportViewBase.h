#pragma once
// What both printed reports share: the lines are prepared before a preview
// or print job starts (which fixes the page count), then every page is
// drawn in one layout: three title lines, the coloured column header band,
// rows of a fixed height, the footer with the print time and "Seite n von
// m". Preview, printer and PDF all draw through Drucke. A page holds 30
// rows, fewer only when a tall title (a company name of many lines) leaves
// no room for them above the footer.
#include <QString>
#include <QStringList>

#include <memory>

#include "reports/CReportDaten.h"
#include "reports/CReportPage.h"

class QPagedPaintDevice;
class QPainter;

class CReportViewBase {
public:
    explicit CReportViewBase(CReportDaten daten);
    virtual ~CReportViewBase();

    // Builds the lines and the page count; false: nothing to print from.
    virtual bool PrepareLines() { return true; }
    virtual void PrintReportPage(int page) { (void)page; }
    virtual double GetColumnWidth(int column) const { (void)column; return 0.0; }
    virtual unsigned GetColumnFormat(int column) const { (void)column; return 0; }
    // The name offered when the report is saved as PDF.
    virtual QString PdfName() const { return QStringLiteral("Bericht.pdf"); }

    // Prepares the lines and draws pages von to bis (from 1; 0 for either
    // end: the first or last page) on the device, in landscape. false when
    // the preparation failed or the device cannot be painted on.
    bool Drucke(QPagedPaintDevice& device, int von = 0, int bis = 0);
    // The whole report as an A4 landscape PDF with its fonts embedded,
    // replacing the file only once it is complete.
    bool SchreibePdf(const QString& pfad);
    // One page of the prepared report on any painter whose printable area
    // is width x height inches at the given resolution.
    void ZeichneSeite(QPainter& painter, double width, double height, double dpiX, double dpiY, int page);

    int PageCount() const { return m_pageCount; }
    int RowsPerPage() const { return m_rowsPerPage; }
    double UsableWidth() const { return m_usableWidth; }
    const CReportDaten& Daten() const { return m_daten; }

    static constexpr double RowHeight = 0.18;
    static constexpr int StandardZeilen = 30;
    static constexpr int FontSize = 10;
    static constexpr double LeftMargin = 0.3;
    static constexpr double RightMargin = 0.3;
    static constexpr unsigned NurSpaltenformat = 0xFFFF;

protected:
    // The page-layout steps a report's PrintReportPage uses.
    double PrintTitle(const QString& title, bool monthOnly);
    double PrintColumnHeader(double y, const QStringList& titles);
    void PrintCell(int row, int column, const QString& text, unsigned flags = NurSpaltenformat);
    // `mitte` goes in the middle of the footer line.
    void PrintFooter(const QString& mitte = QString());
    double ColumnLeft(int column) const;
    double TableTop() const { return m_tableTop; }
    CReportPage& Page() { return *m_page; }
    void SetPageCount(int pages) { m_pageCount = pages < 1 ? 1 : pages; }

private:
    // How many rows fit between the table's top and the footer on a page
    // of that size, at most StandardZeilen; the lines must be prepared.
    int MissZeilenProSeite(double width, double height, double dpiX, double dpiY);
    // Where the footer's rule runs; rows end above it.
    static double FooterTop(double height);

    CReportDaten m_daten;
    int m_pageCount = 1;
    int m_rowsPerPage = StandardZeilen;
    double m_tableTop = 1.45;
    double m_usableWidth = 0.0;
    int m_currentPage = 0;
    CReportPage* m_page = nullptr;   // only while a page is drawn
};
