#pragma once
// The cash report ("Kassenbericht") of the selected day or month: the
// lines of CKassenberichtZeilen drawn in seven columns.
#include "reports/CKassenberichtZeilen.h"
#include "reports/CReportViewBase.h"

class CKassabuchReportView : public CReportViewBase {
public:
    using CReportViewBase::CReportViewBase;

    // false without a date selection or a journal.
    bool PrepareLines() override;
    void PrintReportPage(int page) override;
    double GetColumnWidth(int column) const override;
    unsigned GetColumnFormat(int column) const override;
    QString PdfName() const override { return QStringLiteral("Kassenbericht.pdf"); }

    const CKassenberichtZeilen& Zeilen() const { return m_zeilen; }

private:
    CKassenberichtZeilen m_zeilen;
};
