#pragma once
// The export sheet "Export": page "Export" (format, target and month, and
// the button that exports at once), page "Daten" (client and cash box) and
// page "DATEV" (what the adviser's DATEV needs, and this cash book's cash
// account, which OK puts into the company record in memory).
// The export settings are loaded when the sheet is made and live as long
// as it does. "&Export" takes the pages' values into them in memory and
// runs one export; the sheet stays open for the next. OK takes the values
// and closes; whoever opened the sheet writes the file then (Speichern).
// Cancel drops everything, also what an export took over.
#include "export/CExportSettings.h"

#include <QDialog>

#include <filesystem>
#include <string>

class CDatenZugriff;
class CExportPropPageData;
class CExportPropPageDatev;
class CExportPropPageMain;
class FileDialogs;
class QTabWidget;
class UserMessages;

class CExportSettingsDlg : public QDialog {
    Q_OBJECT
public:
    // exportDatei: the export settings file as "settings.xml" names it;
    // programmOrdner: what a relative export folder is relative to.
    // letztesJahr: the last year the year list offers (0: next year).
    CExportSettingsDlg(CDatenZugriff& zugriff, const std::string& exportDatei, std::filesystem::path programmOrdner,
                       UserMessages& messages, FileDialogs& dateien, QWidget* parent = nullptr, int letztesJahr = 0);

    const CExportSettings& Einstellungen() const { return m_einstellungen; }
    // Takes both pages into the settings and runs one export, then says
    // how it went. False when a field was refused or the export failed.
    bool Exportieren();
    void accept() override;
    // After OK: the cash account changed, so the cash book has changes.
    bool KassenbuchGeaendert() const { return m_kassenbuchGeaendert; }

private:
    bool UebernehmeSeiten();

    CDatenZugriff& m_zugriff;
    CExportSettings m_einstellungen;
    std::filesystem::path m_programmOrdner;
    UserMessages& m_messages;
    QTabWidget* m_seiten = nullptr;
    CExportPropPageMain* m_main = nullptr;
    CExportPropPageData* m_daten = nullptr;
    CExportPropPageDatev* m_datev = nullptr;
    bool m_kassenbuchGeaendert = false;
};
