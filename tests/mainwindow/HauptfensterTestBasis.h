#pragma once
// The main window as the user meets it, offscreen: a temporary program
// folder with "settings.xml" and the shipped data files, the message and
// file-dialog doubles (an unscripted question fails the test), the date
// selector's "today" and the backups' "now" pinned. Cash-book files are
// made through the storage layer, as an earlier run of the program would
// have left them.
#include "core/CBetrag.h"
#include "core/CDatum.h"
#include "platform/ScriptedFileDialogs.h"
#include "platform/ScriptedModalDialogs.h"
#include "platform/ScriptedTrayIcon.h"
#include "platform/ScriptedUserMessages.h"

#include <gtest/gtest.h>

#include <QDate>
#include <QTemporaryDir>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

class CKassenbuchDlg;
class CProgrammSitzung;
class CSettings;
class QAction;
class QLabel;
class QPushButton;

namespace hauptfenster {

// One booking of one line, for cash books made by the tests.
struct Buchung {
    CDatum datum;
    CBetrag einnahme;
    CBetrag ausgabe;
    std::string bezeichnung = "Verkauf";
};

// A program folder: settings.xml (with `history` as its file history) and
// the shipped data files beside it.
void LegeProgrammOrdnerAn(const std::filesystem::path& folder, const std::vector<std::string>& history = {},
                          int historyLength = 8);

class HauptfensterTest : public ::testing::Test {
protected:
    HauptfensterTest();
    ~HauptfensterTest() override;

    // Starts the session and builds the window on `today`.
    void Start(QDate today = QDate(2004, 3, 15));
    // Writes a cash book file with these bookings and company short name.
    std::string LegeKasseAn(const std::string& name, const std::vector<Buchung>& buchungen,
                            const std::string& kurzbezeichnung = "Laden");

    QAction* Aktion(const char* name) const;
    QPushButton* Knopf(const char* name) const;
    QLabel* Label(const char* name) const;
    QString Titel() const;
    std::string Pfad(const std::string& name) const { return (ordner / name).string(); }
    // The texts of every box shown so far.
    std::vector<std::string> Texte() const;

    QTemporaryDir temp;
    std::filesystem::path ordner;
    std::vector<std::string> history;
    ScriptedUserMessages messages;
    ScriptedFileDialogs dialogs;
    ScriptedModalDialogs modal;
    ScriptedTrayIcon tray;
    QDate heute;
    std::int64_t jetzt = 0;
    std::unique_ptr<CProgrammSitzung> sitzung;
    CSettings* settings = nullptr;
    std::unique_ptr<CKassenbuchDlg> fenster;
};

} // namespace hauptfenster
