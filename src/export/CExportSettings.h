#pragma once
// The export settings ("export.xml" beside the program, as "settings.xml"
// names it): target, recipient, export month, client and cash-box numbers
// and the first ids of the tables. Like every document of the program its
// setters never create an element, so the shipped file holds one for every
// key; a key whose element is missing keeps answering its default.
#include "core/CXmlDokument.h"

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

    // The three targets as "Export/Mode" stores them.
    static constexpr int ModePfad = 0;
    static constexpr int ModeDiskette = 1;
    static constexpr int ModeEMail = 2;

    // Loads the file at path; a missing or broken file leaves every key at
    // its default (and nothing that could be stored).
    explicit CExportSettings(std::string path);

    const std::string& GetFilePath() const { return m_path; }
    // Writes the document back to its file in one step; the system's text
    // says why when that fails.
    bool Speichern(UserMessages& messages) const;

    CExportWerte Werte() const;

private:
    std::string m_path;
};
