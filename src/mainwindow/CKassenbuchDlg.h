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
#include "mainwindow/CFensterVerhalten.h"
#include "mainwindow/CKassenbuchSteuerung.h"
#include "mainwindow/CTastaturFilter.h"
#include "platform/CHilfeFenster.h"

#include <QMainWindow>
#include <QPointer>
#include <QStringList>

#include <filesystem>
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
class TrayIcon;
class UserMessages;

class CKassenbuchDlg : public QMainWindow,
                       public CDatenZugriff,
                       private CKassenbuchSteuerung::Fenster,
                       private CBuchungsBefehle::Fenster,
                       private CTastaturFilter::Fenster,
                       private CFensterVerhalten::Fenster {
    Q_OBJECT
public:
    static const char* const AenderungenSpeichern; // "Wollen Sie die aktuellen Änderungen speichern?"
    // A cash book handed over by a second start while a dialog is open.
    static const char* const DialogOffen;

    // The session must have started (settings and VAT-rate table loaded).
    CKassenbuchDlg(CProgrammSitzung& sitzung, UserMessages& messages, FileDialogs& fileDialogs,
                   ModalDialogs& dialogs, TrayIcon& tray, CDatumAuswahl::Clock today = CDatumAuswahl::Clock(),
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
    const CProtokoll* GetProtokoll() const override;
    CDatum GetGesperrtBis() const override;
    bool SettlePendingEntry(SettleMode mode, bool reselect) override;
    void SetAvailable(bool available) override;
    bool IsAvailable() const override { return m_available; }

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
    // What the export sheet needs besides: its settings file as the
    // settings name it, the program folder, and the folder browser.
    std::string ExportDatei() const;
    std::filesystem::path ProgrammOrdner() const;
    FileDialogs& Dateidialoge() const { return m_fileDialogs; }
    // After the company record was changed in a dialog: the cash book has
    // a change to save and the title shows the short name.
    void FirmaGeaendert();
    // After the receipt texts were changed in their dialog: the cash book
    // has a change to save and the grids offer the new texts.
    void BelegtexteGeaendert();
    // After the VAT-rate dialog changed the table: it is written to its
    // file at once (it belongs to no cash book); false when that failed.
    bool SteuersaetzeGeaendert();
    // After a day was closed: its difference booking shows and the cash
    // book has a change to save.
    void AbschlussGemacht();

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
    // "&Beenden": settles the booking being typed, then closes the window
    // (also when the close box would only hide it).
    void Beenden();
    // The help window at a topic; `from` is the dialog that asks, so the
    // help stays usable while that dialog is open.
    void Hilfe(int topic, QWidget* from = nullptr);
    CHilfeFenster* HilfeFenster() const { return m_hilfe; }
    // A second start of the program has handed over: bit 1 of flags shows
    // the window, bit 2 saves the open cash book and opens `path`.
    void Aufwecken(int flags, const std::string& path);
    CFensterVerhalten& Verhalten() const { return *m_verhalten; }
    // "täglich" / "monatlich".
    void SetModeFromButton(bool monthly);
    // The "&Einstellungen" options.
    void ToggleOption(const char* option);
    bool IsOptionOn(const char* option) const;

signals:
    // The window has accepted its close: the program ends, whether the
    // window was shown or hidden in the tray.
    void Beendet();

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
    void HideIntoTray() override;
    // CBuchungsBefehle::Fenster
    bool IsOpen() const override;
    void UpdateTotals() override;
    void SetModified() override;
    bool Storniere(int satz) override;
    void NeueBuchungenProtokollieren() override;
    // CTastaturFilter::Fenster
    void RunCommand(const CBefehl& befehl) override;
    // CFensterVerhalten::Fenster
    void RunCommandNamed(const char* name) override;

    void OnDateChanged();
    void OnEntryStateChanged();
    void UpdateDateLabel();
    void UpdateCurrency();
    void UpdateCommandStates();
public:
    // "Buchungen festschreiben (GoBD)...": asks once, then locks for good.
    void Festschreiben();
private:

    CProgrammSitzung& m_sitzung;
    CSettings& m_settings;
    UserMessages& m_messages;
    FileDialogs& m_fileDialogs;
    ModalDialogs& m_dialogs;
    CKassenbuchSteuerung* m_steuerung = nullptr;
    CDatumAuswahl* m_datumAuswahl = nullptr;
    CHauptfensterFlaeche* m_flaeche = nullptr;
    CHauptfensterAktionen* m_aktionen = nullptr;
    std::unique_ptr<CTastaturFilter> m_tastatur;
    std::unique_ptr<CBuchungsBefehle> m_befehle;
    CFensterVerhalten* m_verhalten = nullptr;
    QPointer<CHilfeFenster> m_hilfe;
    bool m_available = true;
    bool m_beenden = false;
    bool m_ohneSpeichern = false;
};
