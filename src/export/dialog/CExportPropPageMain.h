#pragma once
// Page "Export" of the export sheet: which format (the archive of three
// tables or DATEV's booking batch), where the file goes (a folder,
// the removable medium that stands for drive A:, or a mail recipient),
// up to which month the bookings go out, and the button that runs the
// export at once. The year and month shown are the main window's.
#include <QWidget>

#include <filesystem>

class CExportSettings;
class FileDialogs;
class IDatumAuswahl;
class QButtonGroup;
class QComboBox;
class QLineEdit;
class QPushButton;
class QRadioButton;
class UserMessages;

class CExportPropPageMain : public QWidget {
    Q_OBJECT
public:
    static constexpr int ErstesJahr = 2000;
    static const char* const OrdnerTitel; // "Wählen Sie einen Ordner aus"
    static const char* const OrdnerNichtMoeglich;

    // The year list runs from 2000 to letztesJahr, as the toolbar's does.
    CExportPropPageMain(const std::filesystem::path& programmOrdner, FileDialogs& dateien, UserMessages& messages,
                        int letztesJahr, QWidget* parent = nullptr);

    void Load(const CExportSettings& einstellungen, const IDatumAuswahl* datum);
    void Save(CExportSettings& einstellungen) const;

signals:
    void exportRequested();

private:
    void OrdnerWaehlen();

    std::filesystem::path m_programmOrdner;
    FileDialogs& m_dateien;
    UserMessages& m_messages;
    QComboBox* m_format = nullptr;
    QButtonGroup* m_ziel = nullptr;
    QRadioButton* m_pfad = nullptr;
    QRadioButton* m_diskette = nullptr;
    QRadioButton* m_email = nullptr;
    QLineEdit* m_ordner = nullptr;
    QPushButton* m_waehlen = nullptr;
    QLineEdit* m_empfaenger = nullptr;
    QComboBox* m_jahr = nullptr;
    QComboBox* m_monat = nullptr;
    QPushButton* m_export = nullptr;
};
