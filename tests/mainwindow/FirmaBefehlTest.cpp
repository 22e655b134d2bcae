// "&Firma..." from the main window: the company dialog asked for through
// the dialog runner while the window is unavailable, the title following
// the short name typed there, and Cancel changing nothing.
#include "HauptfensterTestBasis.h"

#include "bookinggrids/GridTyping.h"
#include "core/CFirma.h"
#include "mainwindow/CKassenbuchDlg.h"
#include "storage/CKassenbuch.h"

#include <QAction>
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <sstream>

using namespace hauptfenster;

namespace {

const QString kDialog = QStringLiteral("firmenverwaltungDlg");

class FirmaBefehl : public HauptfensterTest {
protected:
    void OeffneLaden()
    {
        laden = LegeKasseAn("Laden.kbx", {});
        Start();
        fenster->ProcessCommandLine({QString::fromStdString(laden)});
        ASSERT_EQ(Titel(), "Kuvex - Laden <Laden.kbx>");
    }
    // The user replaces the short name and presses the button named knopf.
    ScriptedModalDialogs::Answer Kurzname(const QString& text, const char* knopf)
    {
        return [this, text, knopf](QDialog& dlg) {
            verfuegbarImDialog = fenster->IsAvailable();
            auto* feld = dlg.findChild<QLineEdit*>(QStringLiteral("editKurzbezeichnung"));
            auto* taste = dlg.findChild<QPushButton*>(QString::fromLatin1(knopf));
            if (!feld || !taste) {
                ADD_FAILURE() << "no short-name field or " << knopf;
                return int(QDialog::Rejected);
            }
            QTest::keyClick(feld, Qt::Key_A, Qt::ControlModifier);
            gridtyping::TypeCharacters(feld, text);
            taste->click();
            return dlg.result();
        };
    }
    std::string Firma() const
    {
        std::ostringstream out;
        fenster->GetFirma()->SaveStream(out);
        return out.str();
    }

    std::string laden;
    bool verfuegbarImDialog = true;
};

TEST_F(FirmaBefehl, OkWithANewShortNameRetitlesTheWindow)
{
    OeffneLaden();
    modal.Queue(kDialog, Kurzname(QString::fromUtf8("Müller & Söhne"), "buttonOk"));
    Aktion("actionFirma")->trigger();
    ASSERT_EQ(modal.Count(), 1u);
    EXPECT_EQ(modal.Calls()[0].title, "Firmenverwaltung");
    EXPECT_FALSE(verfuegbarImDialog);
    EXPECT_TRUE(fenster->IsAvailable());
    EXPECT_EQ(fenster->GetFirma()->GetKurzbezeichnung(), "M\xFCller & S\xF6hne");
    EXPECT_EQ(Titel(), QString::fromUtf8("Kuvex - Müller & Söhne <Laden.kbx>"));
    // The change is the cash book's, to be saved like any other.
    ASSERT_TRUE(Aktion("actionSpeichern")->isEnabled());
    Aktion("actionSpeichern")->trigger();
    Aktion("actionSchliessen")->trigger();
    ScriptedUserMessages still;
    CKassenbuch kasse(still);
    ASSERT_TRUE(kasse.Open(laden));
    EXPECT_EQ(kasse.GetFirma()->GetKurzbezeichnung(), "M\xFCller & S\xF6hne");
}

TEST_F(FirmaBefehl, CancelChangesNothing)
{
    OeffneLaden();
    const std::string vorher = Firma();
    modal.Queue(kDialog, Kurzname(QStringLiteral("Anders"), "buttonAbbrechen"));
    Aktion("actionFirma")->trigger();
    ASSERT_EQ(modal.Count(), 1u);
    EXPECT_EQ(modal.Calls()[0].result, QDialog::Rejected);
    EXPECT_EQ(Firma(), vorher);
    EXPECT_EQ(Titel(), "Kuvex - Laden <Laden.kbx>");
    EXPECT_FALSE(Aktion("actionSpeichern")->isEnabled());
    EXPECT_TRUE(fenster->IsAvailable());
}

} // namespace
