// The preview window: page buttons and indicator, printing a range through
// the printer dialog, and saving as PDF, with the dialog doubles answering.
#include "BerichtJournal.h"

#include "core/CFirma.h"
#include "platform/ScriptedFileDialogs.h"
#include "platform/ScriptedModalDialogs.h"
#include "platform/ScriptedUserMessages.h"
#include "reports/CKassabuchReportView.h"
#include "reports/CReportFrame.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QLabel>
#include <QPrintDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>

using namespace berichte;

namespace {

class ReportFrame : public ::testing::Test {
protected:
    ReportFrame()
    {
        for (int k = 0; k < 40; ++k)   // two pages
            Buche(journal, Tag(2004, 3, 5), {"Verkauf", Eur(1)});
        CReportDaten d;
        d.journal = &journal;
        d.firma = &firma;
        d.hatAuswahl = true;
        d.jahr = 2004;
        d.monat = 3;
        d.tag = 5;
        view = std::make_unique<CKassabuchReportView>(d);
        modal.SetOnUnexpected([](const ScriptedModalDialogs::Call& c) {
            ADD_FAILURE() << "unexpected dialog " << c.objectName.toStdString();
        });
        frame = std::make_unique<CReportFrame>(*view, modal, files, messages);
    }
    QPushButton* Knopf(const char* name) const { return frame->findChild<QPushButton*>(QString::fromLatin1(name)); }
    QString Seite() const { return frame->findChild<QLabel*>(QStringLiteral("labelSeite"))->text(); }
    static int Seiten(const QString& pdf)
    {
        QFile f(pdf);
        if (!f.open(QIODevice::ReadOnly))
            return -1;
        return static_cast<int>(QString::fromLatin1(f.readAll()).count(QRegularExpression(QStringLiteral("/Type /Page[^s]"))));
    }

    CBuchungen journal;
    CFirma firma;
    std::unique_ptr<CKassabuchReportView> view;
    ScriptedModalDialogs modal;
    ScriptedFileDialogs files;
    ScriptedUserMessages messages;
    std::unique_ptr<CReportFrame> frame;
    QTemporaryDir dir;
};

} // namespace

TEST_F(ReportFrame, PageButtonsAndIndicator)
{
    EXPECT_EQ(frame->windowTitle(), "Druckmodul");
    ASSERT_EQ(frame->Preview()->pageCount(), 2);
    EXPECT_EQ(Seite(), "Seite 1");
    EXPECT_FALSE(Knopf("buttonVorherige")->isEnabled());
    Knopf("buttonNaechste")->click();
    EXPECT_EQ(Seite(), "Seite 2");
    EXPECT_FALSE(Knopf("buttonNaechste")->isEnabled());
    EXPECT_TRUE(Knopf("buttonVorherige")->isEnabled());
    Knopf("buttonVorherige")->click();
    Knopf("buttonSeiten")->click();
    EXPECT_EQ(Knopf("buttonSeiten")->text(), "&Eine Seite");
    EXPECT_EQ(Seite(), "Seiten 1-2");
    Knopf("buttonSeiten")->click();
    EXPECT_EQ(Knopf("buttonSeiten")->text(), "&Zwei Seiten");
    EXPECT_EQ(Seite(), "Seite 1");
}

TEST_F(ReportFrame, PrintsTheRangeChosenInThePrinterDialog)
{
    const QString pdf = dir.filePath(QStringLiteral("druck.pdf"));
    int minimum = 0, maximum = 0;
    modal.Queue(QStringLiteral("printDialog"), [&](QDialog& d) {
        auto& dlg = static_cast<QPrintDialog&>(d);
        minimum = dlg.minPage();
        maximum = dlg.maxPage();
        dlg.printer()->setOutputFormat(QPrinter::PdfFormat);
        dlg.printer()->setOutputFileName(pdf);
        dlg.printer()->setPrintRange(QPrinter::PageRange);
        dlg.printer()->setFromTo(2, 2);
        return int(QDialog::Accepted);
    });
    Knopf("buttonDrucken")->click();
    EXPECT_EQ(std::make_pair(minimum, maximum), std::make_pair(1, 2));
    EXPECT_EQ(Seiten(pdf), 1);
    modal.QueueReject(QStringLiteral("printDialog"));
    Knopf("buttonDrucken")->click();
    EXPECT_EQ(modal.Count(), 2u);
    EXPECT_EQ(messages.Count(), 0u);
}

TEST_F(ReportFrame, SaveAsPdfWritesEveryPageOrSaysWhy)
{
    const QString pdf = dir.filePath(QStringLiteral("bericht.pdf"));
    files.Queue(pdf);
    Knopf("buttonPdf")->click();
    EXPECT_EQ(files.Last().kind, ScriptedFileDialogs::Kind::SavePdf);
    EXPECT_EQ(files.Last().initialName, "Kassenbericht.pdf");
    EXPECT_EQ(Seiten(pdf), 2);
    EXPECT_EQ(messages.Count(), 0u);

    const QString falsch = dir.filePath(QStringLiteral("fehlt/bericht.pdf"));
    files.Queue(falsch);
    Knopf("buttonPdf")->click();
    ASSERT_EQ(messages.Count(), 1u);
    EXPECT_EQ(messages.Last().text, "Die Datei " + falsch.toStdString() + " konnte nicht geschrieben werden.");
    EXPECT_EQ(messages.Last().icon, UserMessages::Icon::Error);
}
