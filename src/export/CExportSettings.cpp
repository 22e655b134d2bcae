#include "export/CExportSettings.h"

#include "core/UserMessages.h"

#include <cerrno>
#include <filesystem>

const char* const CExportSettings::Vorlage =
    "<?xml version=\"1.0\" encoding=\"iso-8859-1\" ?>\n<Export>\n\t<Path>Data/Export/</Path>\n\t<Mode>0</Mode>\n"
    "\t<Mandanten>\n\t\t<Id>1</Id>\n\t\t<KassenNr>1</KassenNr>\n\t\t<KassenBezeichnung>Hauptkassa</KassenBezeichnung>\n"
    "\t</Mandanten>\n\t<Belegtexte>\n\t\t<FirstId>1</FirstId>\n\t</Belegtexte>\n\t<Buchungen>\n"
    "\t\t<FirstId>1</FirstId>\n\t\t<Year>1</Year>\n\t\t<Month>1</Month>\n\t</Buchungen>\n"
    "\t<EMail>\n\t\t<SendTo />\n\t</EMail>\n\t<Format>0</Format>\n\t<DATEV>\n\t\t<Kontenrahmen>3</Kontenrahmen>\n"
    "\t\t<Beraternummer />\n\t\t<Mandantennummer />\n\t\t<WJBeginn>1</WJBeginn>\n"
    "\t\t<Sachkontenlaenge>4</Sachkontenlaenge>\n\t\t<Diktatkuerzel />\n\t</DATEV>\n</Export>\n";

CExportSettings::CExportSettings(std::string path) : m_path(std::move(path))
{
    std::error_code ec;
    if (!std::filesystem::exists(m_path, ec)) {
        LoadStream(std::string(Vorlage));
        return;
    }
    m_lesbar = LoadFile(m_path) && GetName(GetRoot()) == "Export";
    if (m_lesbar)
        Vervollstaendige();
}

void CExportSettings::Vervollstaendige()
{
    const CExportWerte d;
    const std::pair<const char*, std::string> schluessel[] = {
        {Path, d.Path}, {Mode, std::to_string(d.Mode)}, {MandantId, std::to_string(d.MandantId)},
        {KassenNr, std::to_string(d.KassenNr)}, {KassenBezeichnung, d.KassenBezeichnung},
        {BelegFirstId, std::to_string(d.BelegFirstId)}, {BuchungFirstId, std::to_string(d.BuchungFirstId)},
        {Year, std::to_string(d.Year)}, {Month, std::to_string(d.Month)}, {SendTo, d.SendTo},
        {Format, std::to_string(d.Format)}, {Kontenrahmen, std::to_string(d.Datev.Kontenrahmen)},
        {Beraternummer, std::string()}, {Mandantennummer, std::string()},
        {WjBeginn, std::to_string(d.Datev.WjBeginn)}, {Sachkontenlaenge, std::to_string(d.Datev.Sachkontenlaenge)},
        {Diktatkuerzel, d.Datev.Diktatkuerzel},
    };
    for (const auto& [pfad, wert] : schluessel) {
        // Below the root "Export", one segment after the other.
        const std::string key = pfad;
        CXmlElement element = GetRoot();
        std::size_t start = key.find('/') + 1;
        while (start != 0) {
            const std::size_t ende = key.find('/', start);
            const std::string name = key.substr(start, ende == std::string::npos ? std::string::npos : ende - start);
            CXmlElement kind = Find(name, element);
            if (!kind)
                kind = ende == std::string::npos ? AddChild(element, name, wert) : AddChild(element, name);
            element = kind;
            start = ende == std::string::npos ? 0 : ende + 1;
        }
    }
}

bool CExportSettings::Speichern(UserMessages& messages) const
{
    // A file that could not be read is the user's to repair, not ours to
    // replace by defaults.
    if (!m_lesbar) {
        messages.Error("Die Exporteinstellungen (" + std::filesystem::path(m_path).filename().string()
                       + ") konnten nicht gelesen werden und werden nicht gespeichert.");
        return false;
    }
    if (SaveFile(m_path))
        return true;
    messages.ShowSystemError(errno);
    return false;
}

CExportWerte CExportSettings::Werte() const
{
    const CExportWerte d;
    CExportWerte w;
    w.Path = GetString(Path, d.Path);
    w.Mode = GetInt(Mode, d.Mode);
    w.SendTo = GetString(SendTo, d.SendTo);
    w.Year = GetInt(Year, d.Year);
    w.Month = GetInt(Month, d.Month);
    w.MandantId = GetInt(MandantId, d.MandantId);
    w.KassenNr = GetInt(KassenNr, d.KassenNr);
    w.KassenBezeichnung = GetString(KassenBezeichnung, d.KassenBezeichnung);
    w.BelegFirstId = GetInt(BelegFirstId, d.BelegFirstId);
    w.BuchungFirstId = GetInt(BuchungFirstId, d.BuchungFirstId);
    w.Format = GetInt(Format, d.Format);
    w.Datev.Kontenrahmen = GetInt(Kontenrahmen, d.Datev.Kontenrahmen);
    w.Datev.Beraternummer = GetInt(Beraternummer, d.Datev.Beraternummer);
    w.Datev.Mandantennummer = GetInt(Mandantennummer, d.Datev.Mandantennummer);
    w.Datev.WjBeginn = GetInt(WjBeginn, d.Datev.WjBeginn);
    w.Datev.Sachkontenlaenge = GetInt(Sachkontenlaenge, d.Datev.Sachkontenlaenge);
    w.Datev.Diktatkuerzel = GetString(Diktatkuerzel, d.Datev.Diktatkuerzel);
    return w;
}
