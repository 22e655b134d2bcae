#pragma once
// The main window: the whole working surface of the program. It shows the
// selected day or month with its bookings and totals, runs the commands of
// the command table, and is the data-access interface through which grids,
// dialogs and reports reach the cash book and the VAT-rate table that the
// program session holds. Every command that changes what the entry grid
// refers to settles the booking being typed first (SettlePendingEntry).
//
// Built with the session, the message boxes, the file dialogs and the
// modal-dialog runner handed in, so tests run it offscreen with their
// doubles and a pinned "today".
#include "bookinggrids/EntryState.h"
#include "common/CDatenZugriff.h"
#include "mainwindow/CBuchungsBefehle.h"
#include "mainwindow/CDatumAuswahl.h"
#include "mainwindow/CKassenbuchSteuerung.h"
#include "mainwindow/CTastaturFilter.h"

#include <QMainWindow>
#include <QStringList>

#include <functional>
#include <memory>
#include <string>

class CBuchungEingabe;
class CBuchungListe;
class CHauptfensterAktionen;
class CHauptfensterFlaeche;
class CProgrammSitzung;
class CSettings;
class FileDialogs;
class ModalDialogs;
class UserMessages;

class CKassenbuchDlg : public QMainWindow,
                       public CDatenZugriff,
                       private CKassenbuchSteuerung::Fenster,
                       private CBuchungsBefehle::Fenster,
                       private CTastaturFilter::Fenster {
    Q_OBJECT
public:
    static const char* const AenderungenSpeichern; // "Wollen Sie die aktuellen Änderungen speichern?"

    // The session must have started (settings and VAT-rate table loaded).
    CKassenbuchDlg(CProgrammSitzung& sitzung, UserMessages& messages, FileDialogs& fileDialogs,
                   ModalDialogs& dialogs, CDatumAuswahl::Clock today = CDatumAuswahl::Clock(),
                   QWidget* parent = nullptr);
    // Saves an open cash book without asking, then closes it.
    ~CKassenbuchDlg() override;

    // The arguments after the program's name (the file to open).
    void ProcessCommandLine(const QStringList& arguments);
    // After a fatal error the program ends without saving anything.
    void VerwerfenOhneSpeichern() { m_ohneSpeichern = true; }

    // CDatenZugriff
    IDatumAuswahl* GetDatumAuswahl() override;
    CBuchungen* GetBuchungen() override;
    CBelegtexte* GetBelegtexte() override;
    CFirma* GetFirma() override;
    CSteuersaetze* GetSteuersaetze() override;
    const IDatumAuswahl* GetDatumAuswahl() const override;
    const CBuchungen* GetBuchungen() const override;
    const CBelegtexte* GetBelegtexte() const override;
    const CFirma* GetFirma() const override;
    const CSteuersaetze* GetSteuersaetze() const override;
    bool SettlePendingEntry(SettleMode mode, bool reselect) override;
    void SetAvailable(bool available) override;
    bool IsAvailable() const { return m_available; }

    // How every dialog and report is started from the window: with a cash
    // book open (unless needsCashBook is false) and the booking being typed
    // settled, asking when it has changes; while `run` runs the window is
    // unavailable. false when nothing ran.
    bool RunModal(const std::function<void()>& run, bool needsCashBook = true);
    // Runs a dialog modally through the window's dialog runner.
    int RunDialog(QDialog& dialog);

    // What the master-data dialogs need besides the data access: the
    // country list's file as the settings name it, and the message boxes.
    std::string LaenderDatei() const;
    UserMessages& Meldungen() const { return m_messages; }
    // What the reports' preview runs its printer and file dialogs through.
    ModalDialogs& Dialoge() const { return m_dialogs; }
    FileDialogs& Dateidialoge() const { return m_fileDialogs; }
    // After the company record was changed in a dialog: the cash book has
    // a change to save and the title shows the short name.
    void FirmaGeaendert();

    // The negative-cash check of the shown period; false when it warned.
    bool CheckNegative();
    EntryState GetEntryState() const override;

    // What the command table's handlers act on.
    CBuchungsBefehle& Befehle() const { return *m_befehle; }
    CDatumAuswahl* DatumAuswahl() const { return m_datumAuswahl; }
    CKassenbuchSteuerung& Steuerung() { return *m_steuerung; }
    CHauptfensterAktionen& Aktionen() const { return *m_aktionen; }
    CHauptfensterFlaeche& Flaeche() const { return *m_flaeche; }
    const CTastaturFilter& Tastatur() const { return *m_tastatur; }
    CBuchungEingabe& Eingabe() const;
    CBuchungListe& Liste() const;
    // "&Beenden": settles the booking being typed, then closes the window.
    void Beenden();
    // "täglich" / "monatlich".
    void SetModeFromButton(bool monthly);
    // The "&Einstellungen" options.
    void ToggleOption(const char* option);
    bool IsOptionOn(const char* option) const;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    // CKassenbuchSteuerung::Fenster
    void EnableAll(bool enable) override;
    void Refresh() override;
    void RefreshTitle() override;
    void RebuildRecentMenu() override;
    void CompanyCommand() override;
    void ShowFromTray() override;
    // CBuchungsBefehle::Fenster
    bool IsOpen() const override;
    void UpdateTotals() override;
    void SetModified() override;
    // CTastaturFilter::Fenster
    void RunCommand(const CBefehl& befehl) override;

    void OnDateChanged();
    void OnEntryStateChanged();
    void UpdateDateLabel();
    void UpdateCurrency();
    void UpdateCommandStates();

    CProgrammSitzung& m_sitzung;
    CSettings& m_settings;
    UserMessages& m_messages;
    ModalDialogs& m_dialogs;
    FileDialogs& m_fileDialogs;
    CKassenbuchSteuerung* m_steuerung = nullptr;
    CDatumAuswahl* m_datumAuswahl = nullptr;
    CHauptfensterFlaeche* m_flaeche = nullptr;
    CHauptfensterAktionen* m_aktionen = nullptr;
    std::unique_ptr<CTastaturFilter> m_tastatur;
    std::unique_ptr<CBuchungsBefehle> m_befehle;
    bool m_available = true;
    bool m_ohneSpeichern = false;
};
