#pragma once
// The booking log ("Protokoll") of the selected day or month as a printed
// report: the rows of CProtokollZeilen in nine columns, the anchor of the
// last entry in the footer.
#include "reports/CProtokollZeilen.h"
#include "reports/CReportViewBase.h"

class CProtokollReportView : public CReportViewBase {
public:
    using CReportViewBase::CReportViewBase;

    // false without a booking log or a date selection.
    bool PrepareLines() override;
    void PrintReportPage(int page) override;
    double GetColumnWidth(int column) const override;
    unsigned GetColumnFormat(int column) const override;
    QString PdfName() const override { return QStringLiteral("Protokoll.pdf"); }

    const CProtokollZeilen& Zeilen() const { return m_zeilen; }

private:
    CProtokollZeilen m_zeilen;
};
