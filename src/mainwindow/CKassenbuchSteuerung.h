#pragma once
// The main window's file flows around the open cash book: new, open, save,
// save as, close, the recent files, the command line at start, the
// two-minute autosave and "save before leaving". It owns the document and
// its modified flag; what the flows need of the window (settling the entry
// being typed, enabling the commands, redrawing) it asks through Fenster.
//
// Paths are the user's file names: they travel as the platform's 8-bit
// file names, never through the cash book's text conversion.
#include "common/CDatenZugriff.h"
#include "storage/CKassenbuch.h"

#include <QObject>
#include <QStringList>

#include <string>

class CProgrammSitzung;
class CSettings;
class FileDialogs;
class QTimer;
class UserMessages;

class CKassenbuchSteuerung : public QObject {
    Q_OBJECT
public:
    static constexpr int AutosaveIntervall = 120000; // ms

    // What the file flows ask of the main window.
    class Fenster {
    public:
        virtual ~Fenster() = default;
        virtual bool SettlePendingEntry(SettleMode mode, bool reselect) = 0;
        virtual void SetAvailable(bool available) = 0;
        virtual void EnableAll(bool enable) = 0;
        // Title, currency, list and totals after a change of cash book.
        virtual void Refresh() = 0;
        // Only the title (the periodic save changes nothing else).
        virtual void RefreshTitle() = 0;
        virtual void RebuildRecentMenu() = 0;
        // The company command, run right after a new cash book was made.
        virtual void CompanyCommand() = 0;
        // Bring the window up (also from the tray) before a file is chosen.
        virtual void ShowFromTray() = 0;
        // "/hide": into the tray once the start is over.
        virtual void HideIntoTray() = 0;
    };

    CKassenbuchSteuerung(Fenster& fenster, CProgrammSitzung& sitzung, UserMessages& messages,
                         FileDialogs& dialogs, QObject* parent = nullptr);
    ~CKassenbuchSteuerung() override;

    CKassenbuch& Dokument();
    const CKassenbuch& Dokument() const;
    // Journal, catalogue and company are all there.
    bool IsOpen() const { return Dokument().IsValid(); }

    bool IsModified() const { return m_modified; }
    void SetModified(bool modified);

    // Settles the entry (asking when it has changes), then saves an open
    // cash book without asking. true when there is nothing to save.
    bool SaveBeforeLeaving();

    // The commands of the "&Datei" menu. Save settles the booking being
    // typed first, so what the user sees is what is written.
    void New();
    void Open();
    void Save();
    void SaveAs();
    void Close();
    void OpenRecent(int i);

    // Opens the cash book at path after making its backups; an empty path
    // closes the open one. false (with "Fehler beim Laden der Datei") when
    // the file is missing or does not open; no cash book is open then.
    bool OpenFile(const std::string& path);

    // The program's arguments after its name: the first one naming an
    // existing file is opened, else the most recent file of the history.
    void ProcessCommandLine(const QStringList& arguments);

    // One tick of the autosave timer: saves when the option is on.
    void AutosaveTick();
    // Saves an open cash book at once, without asking and without touching
    // the booking being typed (autosave, or the desktop ending the program).
    void SaveNow();
    QTimer* AutosaveTimer() const { return m_autosave; }

    static std::string ToPath(const QString& fileName);
    static QString FromPath(const std::string& path);

signals:
    void modifiedChanged(bool modified);

private:
    bool SaveDocument();
    QString StartFolder() const;

    Fenster& m_fenster;
    CProgrammSitzung& m_sitzung;
    CSettings& m_settings;
    UserMessages& m_messages;
    FileDialogs& m_dialogs;
    bool m_modified = false;
    QTimer* m_autosave = nullptr;
};
