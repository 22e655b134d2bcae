#include "export/CExportSettings.h"

#include "core/UserMessages.h"

#include <cerrno>

CExportSettings::CExportSettings(std::string path) : m_path(std::move(path))
{
    LoadFile(m_path);
}

bool CExportSettings::Speichern(UserMessages& messages) const
{
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
    return w;
}
