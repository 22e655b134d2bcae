#pragma once
// The statistics report ("Statistik") of the selected month and year
// against the year before: the rows of CStatistikZeilen in eleven columns.
#include "reports/CReportViewBase.h"
#include "reports/CStatistikZeilen.h"

class CStatistikReportView : public CReportViewBase {
public:
    using CReportViewBase::CReportViewBase;

    // false without a receipt-text catalogue, a journal or a date selection.
    bool PrepareLines() override;
    void PrintReportPage(int page) override;
    double GetColumnWidth(int column) const override;
    unsigned GetColumnFormat(int column) const override;
    QString PdfName() const override { return QStringLiteral("Statistik.pdf"); }

    const CStatistikZeilen& Zeilen() const { return m_zeilen; }

private:
    CStatistikZeilen m_zeilen;
};
