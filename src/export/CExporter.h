#pragma once
// One export run: the three tables of the cash book up to the end of the
// export month, written into a ZIP archive named after the company and the
// month, in the target folder, on the removable medium, or in the current
// folder and then mailed and deleted. The cash book is only read; the run
// takes the export settings as plain values and changes none of them.
// Every failure is shown through the message interface before the run
// answers false.
#include "export/CExportSettings.h"

#include "core/CDatum.h"

#include <filesystem>
#include <optional>
#include <string>

class CBelegtexte;
class CBuchungen;
class CCsvTable;
class CFirma;
class CSteuersaetze;
class UserMessages;

// What a run reads of the cash book; a missing part exports as empty.
struct CExportDaten {
    const CBuchungen* Buchungen = nullptr;
    const CBelegtexte* Belegtexte = nullptr;
    const CFirma* Firma = nullptr;
    const CSteuersaetze* Steuersaetze = nullptr;
    // Bookings on or before this day are locked ("Festschreibung" in the
    // DATEV batch); a null date locks none.
    CDatum GesperrtBis;
};

class CExporter {
public:
    static constexpr const char* ArchivKommentar = "Export von Kuvex - das Kassenbuch";
    // Shown by the front ends after a failed run.
    static constexpr const char* Fehlgeschlagen = "Es ist ein Fehler beim Exportieren aufgetreten";
    static constexpr const char* Erfolgreich = "Die Daten wurden erfolgreich exportiert";

    // A relative export folder is taken relative to programFolder, the
    // folder of "settings.xml".
    CExporter(CExportWerte werte, CExportDaten daten, std::filesystem::path programFolder, UserMessages& messages);

    // Another folder than the stored one for the folder target (kuvex-cli's --to).
    void SetZielordner(std::filesystem::path ordner) { m_zielordner = std::move(ordner); }
    // Bookings on this day or before are locked; DATEV's batch marks them
    // so. Without it (the default) no booking is.
    // The DATEV cash account to use instead of the company record's.
    void SetKassenkonto(std::string konto) { m_kassenkonto = std::move(konto); }
    // The medium that stands for drive A:; without it the system's is looked up.
    void SetWechselmedium(std::optional<std::filesystem::path> medium) { m_medium = std::move(medium); m_mediumFest = true; }

    // The folder of the target joined with fileName (Windows-1252), as the
    // file system spells it; "" when the target has no folder (no medium,
    // an unknown mode).
    std::string GetTargetPath(const std::string& fileName) const;
    // "export" or the company's short name, made safe, then
    // "_YYYYMM.zip"; for the DATEV format
    // "EXTF_Buchungsstapel_<short name>_YYYYMM.csv". Windows-1252.
    std::string GetArchiveName() const;
    // Blanks and the characters a file name cannot hold on Windows become
    // "_"; a colon is kept.
    static std::string MakeFileNameSafe(std::string name);

    // The target folder exists; otherwise the system's text is shown.
    bool PruefeZielordner() const;
    bool WriteArchive() const;
    bool RunExport() const;
    // What the success message adds after a run (the DATEV rounding note),
    // or "".
    const std::string& Hinweis() const { return m_hinweis; }

    // Each fills an empty table: its header, then its rows.
    void FillFirma(CCsvTable& table) const;
    void FillBelegtexte(CCsvTable& table) const;
    void FillBuchungen(CCsvTable& table) const;

    // 23:59:59 local time on the last day of month of year (February has
    // 29 days in every fourth year); out-of-range values are normalised
    // like the C library's mktime does.
    static CDatum PeriodEnd(int year, int month);
    // "A", "CH" or "DE" for the country of a VAT rate.
    std::string GetLandKuerzel(int ustId) const;

private:
    std::optional<std::string> Zielordner() const;
    bool WriteDatev() const;
    CBetrag Prozent(int ustId) const;

    CExportWerte m_werte;
    CExportDaten m_daten;
    std::filesystem::path m_programFolder;
    UserMessages& m_messages;
    std::optional<std::filesystem::path> m_zielordner;
    std::optional<std::filesystem::path> m_medium;
    bool m_mediumFest = false;
    std::optional<std::string> m_kassenkonto;
    mutable std::string m_hinweis;
};
