// The command table as the user meets it: every command where the program
// puts it, under its object name, with its key, switched off without a
// cash book where it needs one; the toolbar in its order with its tips;
// and the one way dialogs and reports are started (settle, unavailable
// while running, Cancel runs nothing).
#include "HauptfensterTestBasis.h"

#include "bookinggrids/CBuchungEingabe.h"
#include "bookinggrids/GridTyping.h"
#include "core/CBuchungen.h"
#include "mainwindow/CBefehlstabelle.h"
#include "mainwindow/CHauptfensterAktionen.h"
#include "mainwindow/CKassenbuchDlg.h"

#include <QAbstractButton>
#include <QAction>
#include <QDialog>
#include <QPushButton>
#include <QToolBar>
#include <QToolButton>

#include <cstring>

using namespace hauptfenster;
using A = UserMessages::Answer;

namespace {

struct Erwartet {
    const char* name;
    const char* taste;     // nullptr: none
    bool brauchtKasse;     // switched off while no cash book is open
};

// What the user finds, written down apart from the table it checks.
const Erwartet kBefehle[] = {
    {"actionNeu", "Ctrl+N", false}, {"actionOeffnen", "Ctrl+O", false}, {"actionSpeichern", "Ctrl+S", true},
    {"actionSpeichernUnter", nullptr, true}, {"actionSchliessen", "Ctrl+W", true},
    {"actionExport", nullptr, true}, {"actionBeenden", nullptr, false}, {"actionFirma", "Ctrl+F", true},
    {"actionBelegtexte", "Ctrl+B", true}, {"actionUmsatzsteuer", "Ctrl+U", true},
    {"actionKassenbericht", "Ctrl+P", true}, {"actionStatistik", nullptr, true}, {"actionProtokoll", nullptr, true},
    {"actionKassenabschluss", "Ctrl+K", true},
    {"actionAutostart", nullptr, false}, {"actionStayOnTop", nullptr, false},
    {"actionCloseToTray", nullptr, false}, {"actionAutosave", nullptr, false},
    {"actionWarnNegative", nullptr, false}, {"actionGoBD", nullptr, true}, {"actionHilfe", "F1", false}, {"actionInfo", nullptr, false},
    {"buttonMonatsuebersicht", nullptr, true}, {"buttonNeu", nullptr, true}, {"buttonSpeichern", nullptr, true},
    {"buttonAbbrechen", nullptr, true}, {"buttonLoeschen", nullptr, true}, {"buttonKorrigieren", nullptr, true}, {"radioTaeglich", nullptr, true},
    {"radioMonatlich", nullptr, true}, {"keyVerwerfen", "Esc", false}, {"keyJahr", "Ctrl+J", false},
    {"keyMonat", "Ctrl+M", false}, {"keyTag", "Ctrl+T", false}, {"keyHeute", "Home", false},
    {"keyVorheriges", "PgUp", false}, {"keyNaechstes", "PgDown", false}, {"keyGenerator", "Ctrl+G", false},
};

class Befehlstabelle : public HauptfensterTest {};

} // namespace

TEST_F(Befehlstabelle, EveryCommandHasItsNameKeyAndEnablingWithoutACashBook)
{
    Start();
    fenster->ProcessCommandLine({});
    EXPECT_EQ(::Befehlstabelle().size(), std::size(kBefehle));
    for (const CBefehl& befehl : ::Befehlstabelle()) {
        const Erwartet* e = nullptr;
        for (const Erwartet& k : kBefehle)
            if (std::strcmp(k.name, befehl.name) == 0)
                e = &k;
        ASSERT_NE(e, nullptr) << befehl.name;
        QAction* action = fenster->findChild<QAction*>(QString::fromLatin1(befehl.name));
        QAbstractButton* knopf = befehl.knopf ? fenster->findChild<QAbstractButton*>(befehl.knopf) : nullptr;
        EXPECT_TRUE(action || knopf || befehl.menue == Menue::Keines) << befehl.name;
        if (action) {
            EXPECT_EQ(action->isEnabled(), !e->brauchtKasse) << befehl.name;
        }
        if (knopf) {
            EXPECT_EQ(knopf->isEnabled(), !e->brauchtKasse) << befehl.name;
        }
        if (!e->taste)
            continue;
        // A key is either the action's own shortcut or the keyboard filter's.
        const QKeySequence key(QString::fromLatin1(e->taste));
        const bool alsShortcut = action && action->shortcut() == key;
        const bool imFilter = fenster->Tastatur().CommandFor(key[0]) == &befehl;
        EXPECT_NE(alsShortcut, imFilter) << befehl.name;
    }
    // Two keys for "Heute"; Enter belongs to the focused control.
    EXPECT_STREQ(fenster->Tastatur().CommandFor(QKeyCombination(Qt::ControlModifier, Qt::Key_H))->name, "keyHeute");
    EXPECT_EQ(fenster->Tastatur().CommandFor(QKeyCombination(Qt::Key_Return)), nullptr);
}

TEST_F(Befehlstabelle, ToolbarHoldsTheCommandsInOrderWithTipsFromTextAndKey)
{
    Start();
    const QToolBar* bar = fenster->DatumAuswahl();
    QStringList tips;
    int separators = 0;
    for (QAction* a : bar->actions()) {
        if (a->objectName() == QLatin1String("actionHeute"))
            break;
        if (a->isSeparator())
            ++separators;
        else if (qobject_cast<QToolButton*>(bar->widgetForAction(a)))
            tips << a->toolTip();
    }
    EXPECT_EQ(tips, (QStringList{"Legt eine neue Datenbank an (Strg+N)", "Öffnet eine bestehende Datenbank (Strg+O)",
                                 "Speichert eine Datenbank (Strg+S)", "Drucken (Strg+P)", "Statistik", "Export",
                                 "Firmendaten (Strg+F)", "Belegtexte (Strg+B)", "Beenden"}));
    EXPECT_EQ(separators, 5);  // three between groups, one before and one after the lists
    EXPECT_EQ(Aktion("actionKassenbericht")->text(), "&Kassenbericht");  // Ctrl+P not shown in the menu
    EXPECT_EQ(Aktion("actionSchliessen")->text(), "S&chließen\tStrg+W");
}

TEST_F(Befehlstabelle, ModalRunSettlesFirstAndMarksTheWindowUnavailableWhileItRuns)
{
    const std::string kasse = LegeKasseAn("Laden.kbx", {{CDatum::FromYMD(2004, 3, 15), CBetrag(10000), {}}});
    Start();
    int laeufe = 0;
    bool verfuegbarImLauf = true;
    auto lauf = [&] {
        ++laeufe;
        verfuegbarImLauf = fenster->IsAvailable();
    };
    EXPECT_FALSE(fenster->RunModal(lauf));  // no cash book open
    EXPECT_TRUE(fenster->RunModal(lauf, false));
    EXPECT_EQ(laeufe, 1);

    fenster->ProcessCommandLine({QString::fromStdString(kasse)});
    fenster->show();
    Knopf("buttonNeu")->click();
    gridtyping::PickInOpenList(fenster->Eingabe(), "Verk");
    gridtyping::TypeInto(fenster->Eingabe(), 1, 4, "5");
    ASSERT_EQ(fenster->GetEntryState(), EntryState::Changed);

    messages.Queue(A::Cancel);
    EXPECT_FALSE(fenster->RunModal(lauf));
    EXPECT_EQ(laeufe, 1);
    EXPECT_TRUE(fenster->IsAvailable());
    EXPECT_EQ(fenster->GetEntryState(), EntryState::Changed);

    messages.Queue(A::Yes);
    EXPECT_TRUE(fenster->RunModal(lauf));
    EXPECT_EQ(laeufe, 2);
    EXPECT_FALSE(verfuegbarImLauf);
    EXPECT_TRUE(fenster->IsAvailable());
    EXPECT_EQ(fenster->GetBuchungen()->GetCount(), 2);

    // A dialog run through the window goes to the runner, never into exec().
    QDialog dialog;
    dialog.setObjectName(QStringLiteral("testDlg"));
    modal.Queue(QStringLiteral("testDlg"), [](QDialog& d) {
        d.setWindowTitle(QStringLiteral("ausgefüllt"));
        return int(QDialog::Accepted);
    });
    EXPECT_EQ(fenster->RunDialog(dialog), QDialog::Accepted);
    EXPECT_EQ(dialog.windowTitle(), "ausgefüllt");
    ASSERT_EQ(modal.Count(), 1u);
    EXPECT_FALSE(modal.Calls()[0].unexpected);
    EXPECT_EQ(messages.UnexpectedCount(), 0u);
}
