#pragma once
// The main window: the whole working surface of the program. It owns the
// open cash book (through its document controller) and the VAT-rate
// table, shows the selected day or month with its bookings and totals, and
// is the data-access interface through which grids, dialogs and reports
// reach the data. Every command that changes what the entry grid refers to
// settles the booking being typed first (SettlePendingEntry).
//
// Built with the settings, the message boxes and the file dialogs handed
// in, so tests run it offscreen with their doubles and pinned clocks.
#include "common/CDatenZugriff.h"
#include "mainwindow/CDatumAuswahl.h"
#include "mainwindow/CKassenbuchSteuerung.h"
#include "mainwindow/CTastaturFilter.h"

#include <QMainWindow>
#include <QStringList>

#include <memory>
#include <string>

class CBuchungEingabe;
class CBuchungListe;
class CBuchungsBefehle;
class CHauptfensterAktionen;
class CHauptfensterFlaeche;
class CSettings;
class CSteuersaetze;
class FileDialogs;
class UserMessages;

class CKassenbuchDlg : public QMainWindow,
                       public CDatenZugriff,
                       private CKassenbuchSteuerung::Fenster,
                       private CTastaturFilter::Ziel {
    Q_OBJECT
public:
    // Shown for a missing VAT-rate file, after the file name.
    static const char* const SteuersatzFehlt; // " nicht gefunden. Das Programm wird beendet."
    static const char* const AenderungenSpeichern; // "Wollen Sie die aktuellen Änderungen speichern?"

    struct Uhren {
        CDatumAuswahl::Clock datum;   // "today" of the date selector
        CBackups::Clock backups;      // "now" of the backup copies
    };

    CKassenbuchDlg(CSettings& settings, UserMessages& messages, FileDialogs& dialogs, Uhren uhren = {},
                   QWidget* parent = nullptr);
    // Saves an open cash book without asking.
    ~CKassenbuchDlg() override;

    // The VAT-rate file was missing: the message is shown and the program
    // must end without showing this window.
    bool MussBeenden() const { return m_mussBeenden; }
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
    bool SettlePendingEntry(int mode, bool reselect) override;
    void SetAvailable(bool available) override;
    bool IsAvailable() const { return m_available; }

    // The negative-cash check of the shown period; false when it warned.
    bool CheckNegative();
    // The booking commands ("&Neu", "&Löschen", list selection, Ctrl+G).
    CBuchungsBefehle& Befehle() const { return *m_befehle; }

    CDatumAuswahl* DatumAuswahl() const { return m_datumAuswahl; }
    CKassenbuchSteuerung& Steuerung() { return *m_steuerung; }
    CHauptfensterAktionen& Aktionen() const { return *m_aktionen; }
    CHauptfensterFlaeche& Flaeche() const { return *m_flaeche; }
    CBuchungEingabe& Eingabe() const;
    CBuchungListe& Liste() const;

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
    // CTastaturFilter::Ziel
    int EntryState() const override;
    void DiscardEntry() override;
    void DateToday() override;
    void DatePrevious() override;
    void DateNext() override;
    void FocusYearList() override;
    void FocusMonthList() override;
    void FocusDayList() override;
    void CashReport() override;
    void Generator() override;

    void BuildWindow();
    void ConnectCommands();
    void ApplySettingsToMenu();
    void Toggle(QAction* action, const char* option);

    void OnDateChanged();
    void OnModeButton(bool monthly);
    void OnEntryStateChanged(int state);

    void UpdateTotals();
    void UpdateDateLabel();
    void UpdateCurrency();
    void UpdateCommandStates();
    bool IsOpen() const;

    CSettings& m_settings;
    UserMessages& m_messages;
    FileDialogs& m_dialogs;
    Uhren m_uhren;
    std::unique_ptr<CSteuersaetze> m_steuersaetze;
    CKassenbuchSteuerung* m_steuerung = nullptr;
    CDatumAuswahl* m_datumAuswahl = nullptr;
    CHauptfensterAktionen* m_aktionen = nullptr;
    CHauptfensterFlaeche* m_flaeche = nullptr;
    std::unique_ptr<CTastaturFilter> m_tastatur;
    std::unique_ptr<CBuchungsBefehle> m_befehle;
    bool m_available = true;
    bool m_mussBeenden = false;
    bool m_ohneSpeichern = false;
};
