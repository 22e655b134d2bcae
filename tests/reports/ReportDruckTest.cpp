// The page framework: the centring offset and what it moves, the footer's
// page count also for a printed range, and reports that have nothing to
// prepare from (the title lines are read back by tests/cli/bericht_pdf.sh).
#include "BerichtJournal.h"

#include "core/CBelegtexte.h"
#include "core/CFirma.h"
#include "platform/Monatsnamen.h"
#include "reports/CKassabuchReportView.h"
#include "reports/CReportPage.h"
#include "reports/CStatistikReportView.h"

#include <gtest/gtest.h>

#include <QBuffer>
#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <QPdfWriter>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

using namespace berichte;

namespace {

struct Fixture {
    CBuchungen journal;
    CFirma firma;
    CBelegtexte texte;
    CReportDaten Daten(int jahr, int monat, int tag, bool monatlich)
    {
        CReportDaten d;
        d.journal = &journal;
        d.firma = &firma;
        d.belegtexte = &texte;
        d.hatAuswahl = true;
        d.jahr = jahr;
        d.monat = monat;
        d.tag = tag;
        d.monatlich = monatlich;
        d.gedruckt = QDateTime(QDate(2004, 3, 5), QTime(14, 7));
        return d;
    }
};

// The text pdftotext reads from the report's pages von to bis, or an
// empty text when poppler-utils are missing.
QString PdfText(CReportViewBase& view, int von = 0, int bis = 0)
{
    const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    if (pdftotext.isEmpty())
        return QString();
    QTemporaryDir dir;
    const QString pfad = dir.filePath(QStringLiteral("b.pdf"));
    {
        QPdfWriter pdf(pfad);
        pdf.setPageSize(QPageSize(QPageSize::A4));
        EXPECT_TRUE(view.Drucke(pdf, von, bis));
    }
    QProcess p;
    p.start(pdftotext, {QStringLiteral("-layout"), pfad, QStringLiteral("-")});
    p.waitForFinished();
    return QString::fromUtf8(p.readAllStandardOutput());
}

// Left-most column in rows [y0, y1) whose pixel is close to `farbe`.
int ErsteSpalte(const QImage& bild, int y0, int y1, QColor farbe)
{
    for (int x = 0; x < bild.width(); ++x)
        for (int y = y0; y < y1; ++y) {
            const QColor c = bild.pixelColor(x, y);
            if (std::abs(c.red() - farbe.red()) + std::abs(c.green() - farbe.green())
                    + std::abs(c.blue() - farbe.blue()) < 60)
                return x;
        }
    return -1;
}

} // namespace

TEST(ReportPage, CentringOffset)
{
    EXPECT_DOUBLE_EQ(CReportPage::CentringOffset(10.9, true), 0.0);
    EXPECT_NEAR(CReportPage::CentringOffset(11.3, true), 0.4, 1e-12);
    EXPECT_NEAR(CReportPage::CentringOffset(10.95, true), 0.225, 1e-12);
    EXPECT_DOUBLE_EQ(CReportPage::CentringOffset(8.0, false), 0.0);
    EXPECT_NEAR(CReportPage::CentringOffset(8.5, false), 0.25, 1e-12);
}

// At 11.3 in the title moves 0.4 in to the right, the header band does not.
TEST(ReportPage, TheOffsetMovesTextsButNotTheBand)
{
    constexpr int dpi = 50;
    Fixture f;
    f.firma.SetName("MMMM");
    f.firma.SetOrt("MMMM");
    Buche(f.journal, Tag(2004, 3, 1), {"Verkauf", Eur(1)});
    for (const auto& [breite, text] : {std::pair{10.9, 0}, std::pair{11.3, 20}}) {
        SCOPED_TRACE(breite);
        CKassabuchReportView view(f.Daten(2004, 3, 1, true));
        ASSERT_TRUE(view.PrepareLines());
        QImage bild(static_cast<int>(breite * dpi), 8 * dpi, QImage::Format_RGB32);
        bild.fill(Qt::white);
        {
            QPainter painter(&bild);
            view.ZeichneSeite(painter, breite, 8.0, dpi, dpi, 1);
        }
        const int titel = ErsteSpalte(bild, static_cast<int>(0.6 * dpi), static_cast<int>(0.8 * dpi), Qt::black);
        EXPECT_GE(titel, text);
        EXPECT_LE(titel, text + 3);
        // The band: the first blue pixel of the row below the title block.
        int bandZeile = -1;
        for (int y = 0; y < bild.height() && bandZeile < 0; ++y)
            if (bild.pixelColor(bild.width() / 2, y) == QColor(0, 51, 170))
                bandZeile = y;
        ASSERT_GT(bandZeile, 0);
        EXPECT_EQ(ErsteSpalte(bild, bandZeile, bandZeile + 1, QColor(0, 51, 170)), static_cast<int>(0.2 * dpi));
    }
}

TEST(ReportDruck, FooterCountsAllPagesAlsoForARange)
{
    Fixture f;
    for (int k = 0; k < 40; ++k)
        Buche(f.journal, Tag(2004, 3, 5), {"Verkauf", Eur(1)});
    CKassabuchReportView view(f.Daten(2004, 3, 5, false));
    const QString text = PdfText(view, 2, 2);
    if (text.isEmpty())
        GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";
    EXPECT_EQ(view.PageCount(), 2);
    EXPECT_TRUE(text.contains(QStringLiteral("Seite 2 von 2"))) << text.toStdString();
    EXPECT_FALSE(text.contains(QStringLiteral("Seite 1 von 2")));
    EXPECT_TRUE(text.contains(QStringLiteral("Gedruckt am 05.03.2004 um 14:07")));
    EXPECT_TRUE(text.contains(QStringLiteral("Summen/Tagessaldo")));
    EXPECT_FALSE(text.contains(QStringLiteral("Anfangsbestand")));   // on page 1
}

TEST(ReportDruck, EveryRowIsPrintedOnceUnderATitleOfOneToEightLines)
{
    Fixture f;
    for (int k = 100; k < 170; ++k) {
        Buche(f.journal, Tag(2004, 3, 1 + k % 28), {"S" + std::to_string(k), Eur(1)}, "R" + std::to_string(k));
        const int i = f.texte.AddEntry();
        f.texte.SetBezeichnung(i, "S" + std::to_string(k));
        f.texte.SetEinAus(i, 1);
        f.texte.SetStatistik(i, true);
    }
    std::string name = "Zeile 1";
    for (int zeilen = 1; zeilen <= 8; ++zeilen, name += "\r\nZeile " + std::to_string(zeilen)) {
        f.firma.SetName(name);
        CKassabuchReportView kasse(f.Daten(2004, 3, 1, true));
        CStatistikReportView statistik(f.Daten(2004, 3, 1, true));
        for (const auto& [view, zeichen] : {std::pair<CReportViewBase*, char>{&kasse, 'R'}, {&statistik, 'S'}}) {
            const QString text = PdfText(*view);
            if (text.isEmpty())
                GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";
            for (int k = 100; k < 170; ++k)
                EXPECT_EQ(text.count(QStringLiteral("%1%2").arg(QLatin1Char(zeichen)).arg(k)), 1)
                    << zeilen << " lines, " << zeichen << k;
        }
    }
}

TEST(ReportPage, WideAmountsGetAFontInWhichTheyFitTheirColumn)
{
    Fixture f;
    CStatistikReportView view(f.Daten(2004, 3, 1, true));
    ASSERT_TRUE(view.PrepareLines());
    QBuffer puffer;
    puffer.open(QIODevice::WriteOnly);
    QPdfWriter pdf(&puffer);
    pdf.setResolution(600);
    QPainter painter(&pdf);
    view.ZeichneSeite(painter, 11.2, 7.7, 600, 600, 1); // fixes the columns' widths
    const CReportPage seite(painter, 11.2, 7.7, 600, 600);
    // The largest amount the entry takes, the sum from the issue, a year of the largest.
    for (const std::int64_t raw : {CBetrag::kHoechstbetrag, std::int64_t{10000016633200}, -CBetrag::kHoechstbetrag * 12})
        for (int spalte = 1; spalte < 11; ++spalte) {
            const QString text = QString::fromLatin1(FormatBetragAnzeige(CBetrag(raw)));
            const QFont font = seite.SchriftFuer(view.GetColumnFormat(spalte) | CReportPage::Fett,
                                                 CReportViewBase::FontSize, text, view.GetColumnWidth(spalte));
            EXPECT_LE(QFontMetricsF(font, &pdf).horizontalAdvance(text), view.GetColumnWidth(spalte) * 600) << spalte;
        }
    painter.end();
}

TEST(ReportDruck, NothingToPrepareFromPrintsNothing)
{
    Fixture f;
    QTemporaryDir dir;
    const QString pfad = dir.filePath(QStringLiteral("x.pdf"));
    CReportDaten ohneJournal = f.Daten(2004, 3, 5, true);
    ohneJournal.journal = nullptr;
    CReportDaten ohneAuswahl = f.Daten(2004, 3, 5, true);
    ohneAuswahl.hatAuswahl = false;
    CReportDaten ohneTexte = f.Daten(2004, 3, 5, true);
    ohneTexte.belegtexte = nullptr;
    EXPECT_FALSE(CKassabuchReportView(ohneJournal).SchreibePdf(pfad));
    EXPECT_FALSE(CKassabuchReportView(ohneAuswahl).SchreibePdf(pfad));
    EXPECT_TRUE(CKassabuchReportView(ohneTexte).PrepareLines());
    EXPECT_FALSE(CStatistikReportView(ohneTexte).SchreibePdf(pfad));
    EXPECT_FALSE(QFile::exists(pfad));
}

TEST(Monatsnamen, GermanWhateverTheDesktopSpeaks)
{
    EXPECT_EQ(Monatsnamen::Name(3, QLocale::c()), QString::fromUtf8("März"));
    EXPECT_EQ(Monatsnamen::Name(1, QLocale(QStringLiteral("de_AT"))), QString::fromUtf8("Jänner"));
    EXPECT_EQ(Monatsnamen::Name(0), QString());
    EXPECT_EQ(Monatsnamen::Name(13), QString());
}
