#pragma once
// The export settings ("export.xml" beside the program, as "settings.xml"
// names it): target, recipient, export month, client and cash-box numbers
// and the first ids of the tables. Like every document of the program its
// setters never create an element, so the shipped file holds one for every
// key. A file that lacks some (an older one, or none at all) gets them at
// their defaults when it is loaded: otherwise the month the user chose
// would silently not be kept, and the export would hold no bookings.
#include "core/CXmlDokument.h"
#include "export/CDatevExport.h"

#include <string>

class UserMessages;

// The values of one export run, read from the document once, so a run (or
// kuvex-cli with its options) can change them without touching the file.
struct CExportWerte {
    std::string Path = "Data/Export/";    // Windows-1252, as stored
    int Mode = 0;
    std::string SendTo;
    int Year = 1;
    int Month = 1;
    int MandantId = 1;
    int KassenNr = 1;
    std::string KassenBezeichnung = "Hauptkassa";
    int BelegFirstId = 1;
    int BuchungFirstId = 1;
    int Format = 0;     // FormatZip or FormatDatev
    CDatevWerte Datev;
};

class CExportSettings : public CXmlDokument {
public:
    static constexpr const char* Path = "Export/Path";
    static constexpr const char* Mode = "Export/Mode";
    static constexpr const char* SendTo = "Export/EMail/SendTo";
    static constexpr const char* Year = "Export/Buchungen/Year";
    static constexpr const char* Month = "Export/Buchungen/Month";
    static constexpr const char* MandantId = "Export/Mandanten/Id";
    static constexpr const char* KassenNr = "Export/Mandanten/KassenNr";
    static constexpr const char* KassenBezeichnung = "Export/Mandanten/KassenBezeichnung";
    static constexpr const char* BelegFirstId = "Export/Belegtexte/FirstId";
    static constexpr const char* BuchungFirstId = "Export/Buchungen/FirstId";
    static constexpr const char* Format = "Export/Format";
    static constexpr const char* Kontenrahmen = "Export/DATEV/Kontenrahmen";
    static constexpr const char* Beraternummer = "Export/DATEV/Beraternummer";
    static constexpr const char* Mandantennummer = "Export/DATEV/Mandantennummer";
    static constexpr const char* WjBeginn = "Export/DATEV/WJBeginn";
    static constexpr const char* Sachkontenlaenge = "Export/DATEV/Sachkontenlaenge";
    static constexpr const char* Diktatkuerzel = "Export/DATEV/Diktatkuerzel";

    // What "Export/Format" stores: the archive of three tables or the
    // DATEV booking batch.
    static constexpr int FormatZip = 0;
    static constexpr int FormatDatev = 1;

    // The three targets as "Export/Mode" stores them.
    static constexpr int ModePfad = 0;
    static constexpr int ModeDiskette = 1;
    static constexpr int ModeEMail = 2;

    // Loads the file at path and adds the elements it lacks. A file that
    // cannot be parsed is left as it is: every key answers its default and
    // Speichern refuses to write over it.
    explicit CExportSettings(std::string path);

    // The shipped file's content.
    static const char* const Vorlage;

    const std::string& GetFilePath() const { return m_path; }
    // Writes the document back to its file in one step; the system's text
    // says why when that fails.
    bool Speichern(UserMessages& messages) const;

    CExportWerte Werte() const;

private:
    void Vervollstaendige();

    std::string m_path;
    bool m_lesbar = true;
};
