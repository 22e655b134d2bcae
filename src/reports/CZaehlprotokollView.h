#pragma once
// The count sheet ("Zählprotokoll") of one daily close, one page: the
// company and the day, every denomination with its count and sum, the
// counted total, the book's balance, the difference and the number of its
// booking, the log entry where the cash book keeps a log, and a line for
// the signature.
#include "core/CKassenabschluss.h"
#include "reports/CReportViewBase.h"

#include <array>
#include <string>
#include <vector>

class CZaehlprotokollView : public CReportViewBase {
public:
    // `daten` gives the company; its day is taken from the close.
    CZaehlprotokollView(CReportDaten daten, CKassenabschluss abschluss);

    bool PrepareLines() override;
    void PrintReportPage(int page) override;
    double GetColumnWidth(int column) const override;
    unsigned GetColumnFormat(int column) const override;
    QString PdfName() const override { return QStringLiteral("Zaehlprotokoll.pdf"); }

    // The figures below the denominations as (caption, value) pairs, in
    // the order of the sheet; kuvex-cli prints the same.
    static std::vector<std::pair<std::string, std::string>> Kennzahlen(const CKassenabschluss& a);
    // "Nr. 12", or "keine" without a difference booking.
    static std::string BuchungText(const CKassenabschluss& a);

private:
    CKassenabschluss m_abschluss;
};
