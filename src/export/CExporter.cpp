#include "export/CExporter.h"

#include "core/CAtomicFile.h"
#include "core/CBelegtexte.h"
#include "core/CBuchungen.h"
#include "core/CFirma.h"
#include "core/CSteuersaetze.h"
#include "core/UserMessages.h"
#include "core/Windows1252.h"
#include "export/CCsvTable.h"
#include "export/CDatevExport.h"
#include "export/CExportMail.h"
#include "export/CWechselmedium.h"
#include "storage/CZipWriter.h"

#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <sstream>

namespace fs = std::filesystem;

CExporter::CExporter(CExportWerte werte, CExportDaten daten, fs::path programFolder, UserMessages& messages)
    : m_werte(std::move(werte)), m_daten(daten), m_programFolder(std::move(programFolder)), m_messages(messages)
{
}

// --- Where the archive goes ---------------------------------------------------

std::optional<std::string> CExporter::Zielordner() const
{
    switch (m_werte.Mode) {
    case CExportSettings::ModePfad:
    case CExportSettings::ModeEMail: {
        // A mailed archive stays in the export folder: the mail program may
        // read it only when the user presses Send.
        if (m_zielordner)
            return m_zielordner->string();
        // Stored with either separator; relative to the program's folder,
        // like every name in the settings, so the first export works
        // wherever the program was started from.
        std::string ordner = Windows1252::ToUtf8(m_werte.Path);
        std::replace(ordner.begin(), ordner.end(), '\\', '/');
        if (!ordner.empty() && ordner.front() == '/')
            return ordner;
        return (m_programFolder / ordner).string();
    }
    case CExportSettings::ModeDiskette: {
        const std::optional<fs::path> medium = m_mediumFest ? m_medium : CWechselmedium::Erstes();
        if (!medium)
            return std::nullopt;
        return medium->string();
    }
    default:
        return std::nullopt;
    }
}

std::string CExporter::GetTargetPath(const std::string& fileName) const
{
    std::optional<std::string> ordner = Zielordner();
    if (!ordner)
        return std::string();
    if (ordner->empty() || (ordner->back() != '/' && ordner->back() != '\\'))
        *ordner += static_cast<char>(fs::path::preferred_separator);
    return *ordner + Windows1252::ToUtf8(fileName);
}

std::string CExporter::MakeFileNameSafe(std::string name)
{
    for (char c : {' ', '\\', '/', '*', '?', '"', '>', '<', '|'})
        std::replace(name.begin(), name.end(), c, '_');
    return name;
}

std::string CExporter::GetArchiveName() const
{
    std::string kurz = "export";
    if (m_daten.Firma && !m_daten.Firma->GetKurzbezeichnung().empty())
        kurz = m_daten.Firma->GetKurzbezeichnung();
    const bool datev = m_werte.Format == CExportSettings::FormatDatev;
    char monat[48];
    std::snprintf(monat, sizeof monat, datev ? "_%4.4d%2.2d.csv" : "_%4.4d%2.2d.zip", m_werte.Year, m_werte.Month);
    return (datev ? "EXTF_Buchungsstapel_" : "") + MakeFileNameSafe(kurz) + monat;
}

bool CExporter::PruefeZielordner() const
{
    const std::optional<std::string> ordner = Zielordner();
    if (!ordner) {
        // No medium, like an empty drive.
        m_messages.ShowSystemError(ENOENT);
        return false;
    }
    struct stat st {};
    if (::stat(ordner->c_str(), &st) != 0) {
        m_messages.ShowSystemError(errno);
        return false;
    }
    if (!S_ISDIR(st.st_mode)) {
        m_messages.ShowSystemError(ENOTDIR);
        return false;
    }
    return true;
}

// --- The run --------------------------------------------------------------------

bool CExporter::WriteDatev() const
{
    // Every check comes before the target is touched: a refused month
    // leaves no file behind, not even an empty one.
    const CBuchungen leer;
    std::istringstream leererKatalog(CBelegtexte::LeeresDokument);
    const CBelegtexte keineTexte(leererKatalog);
    CDatevAuftrag auftrag;
    auftrag.Jahr = m_werte.Year;
    auftrag.Monat = m_werte.Month;
    auftrag.Werte = m_werte.Datev;
    if (m_daten.Firma) {
        auftrag.Kassenkonto = m_daten.Firma->GetKassenkonto();
        auftrag.Waehrung = m_daten.Firma->GetWaehrung();
    }
    if (m_kassenkonto)
        auftrag.Kassenkonto = *m_kassenkonto;
    if (!m_daten.GesperrtBis.IsNull())
        auftrag.GesperrtBis = m_daten.GesperrtBis;
    auftrag.ErzeugtAm = CDatevExport::ZeitStempel(std::chrono::system_clock::now());
    CDatevExport datev(m_daten.Buchungen ? *m_daten.Buchungen : leer,
                       m_daten.Belegtexte ? *m_daten.Belegtexte : keineTexte, m_daten.Steuersaetze, auftrag);
    if (!datev.Baue()) {
        m_messages.Error(datev.Meldung());
        return false;
    }
    if (!PruefeZielordner())
        return false;
    errno = 0;
    if (!CAtomicFile::Replace(GetTargetPath(GetArchiveName()), datev.Bytes())) {
        m_messages.ShowSystemError(errno ? errno : EIO);
        return false;
    }
    m_hinweis = datev.Rundungshinweis();
    return true;
}

bool CExporter::WriteArchive() const
{
    m_hinweis.clear();
    if (m_werte.Format == CExportSettings::FormatDatev)
        return WriteDatev();
    if (!PruefeZielordner())
        return false;
    // Written beside the target and renamed over it at the end, so an
    // earlier archive of the same month is replaced whole or kept.
    CAtomicFile datei(GetTargetPath(GetArchiveName()));
    if (!datei.Create()) {
        m_messages.ShowSystemError(errno);
        return false;
    }
    CZipWriter zip;
    if (!zip.Create(datei.TempPath().string())) {
        m_messages.ShowSystemError(errno ? errno : EIO);
        return false;
    }
    {
        CCsvTable firma;
        FillFirma(firma);
        WriteTableToZip(zip, firma, "firma.csv", "Firma");
    }
    {
        CCsvTable belege;
        FillBelegtexte(belege);
        WriteTableToZip(zip, belege, "belegtexte.csv", "Belegtexte");
    }
    {
        CCsvTable buchungen;
        FillBuchungen(buchungen);
        WriteTableToZip(zip, buchungen, "buchungen.csv", "Buchungen");
    }
    // A full medium shows here at the latest; the archive is then not
    // reported as written.
    errno = 0;
    if (!zip.Close(ArchivKommentar) || !datei.Commit()) {
        m_messages.ShowSystemError(errno ? errno : EIO);
        return false;
    }
    return true;
}

bool CExporter::RunExport() const
{
    if (!WriteArchive())
        return false;
    if (m_werte.Mode != CExportSettings::ModeEMail)
        return true;
    const std::string pfad = GetTargetPath(GetArchiveName());
    if (SendExportMail(m_werte.SendTo, pfad, GetArchiveName(), m_messages))
        return true;
    // Nothing was handed over: the next try writes it again.
    std::error_code ec;
    if (!fs::remove(pfad, ec) || ec)
        m_messages.ShowSystemError(ec ? ec.value() : ENOENT);
    return false;
}

// --- The tables -----------------------------------------------------------------

void CExporter::FillFirma(CCsvTable& table) const
{
    for (const char* spalte : {"Id", "Firma", "Vorname", "Nachname", "Kurzbezeichnung", "Stra\xDF" "e", "PLZ", "Ort",
                               "Land", "Waehrung", "KassaId", "Kassabezeichnung"})
        table.AddColumn(spalte);
    CCsvFirmaWerte w;
    w.Id = m_werte.MandantId;
    if (const CFirma* f = m_daten.Firma) {
        // Its lines joined by CR LF, as the dialog writes them; the field
        // is quoted, so the row stays one row for every reader.
        w.Firma = f->GetName();
        w.Vorname = f->GetVorname();
        w.Nachname = f->GetNachname();
        w.Kurzbezeichnung = f->GetKurzbezeichnung();
        w.Strasse = f->GetStrasse();
        w.PLZ = f->GetPLZ();
        w.Ort = f->GetOrt();
        w.Land = f->GetLand();
        w.Waehrung = f->GetWaehrung();
    }
    w.KassaId = m_werte.KassenNr;
    w.Kassabezeichnung = m_werte.KassenBezeichnung;
    table.SetFirma(std::move(w));
}

void CExporter::FillBelegtexte(CCsvTable& table) const
{
    for (const char* spalte : {"MandantId", "Id", "Bez", "EinAus", "MwStSatzTypId"})
        table.AddColumn(spalte);
    table.SetMandantId(m_werte.MandantId);
    table.SetNextId(m_werte.BelegFirstId);
    const CBelegtexte* belege = m_daten.Belegtexte;
    if (!belege)
        return;
    // Every entry, inactive and system texts included: the adviser's
    // system needs every text a booking may name.
    for (int i = 0; i < belege->GetCount(); ++i)
        table.AddBeleg(belege->GetBezeichnung(i), belege->GetEinAus(i), belege->GetUStID(i));
}

CDatum CExporter::PeriodEnd(int year, int month)
{
    int letzter = 31;
    if (month == 4 || month == 6 || month == 9 || month == 11)
        letzter = 30;
    else if (month == 2)
        letzter = year % 4 == 0 ? 29 : 28;
    return CDatum::FromLocal(year, month, letzter, 23, 59, 59);
}

CBetrag CExporter::Prozent(int ustId) const
{
    return m_daten.Steuersaetze ? m_daten.Steuersaetze->GetProzent(ustId) : CBetrag();
}

std::string CExporter::GetLandKuerzel(int ustId) const
{
    return m_daten.Steuersaetze ? m_daten.Steuersaetze->GetLandKuerzel(ustId) : std::string("DE");
}

void CExporter::FillBuchungen(CCsvTable& table) const
{
    for (const char* spalte : {"MandantId", "Id", "KassenId", "VaterId", "Datum", "BelegtextBez", "Notiz", "Ein",
                               "Aus", "WaehrungsKuerzel", "MwStSatzProz", "MwStSatzLand"})
        table.AddColumn(spalte);
    table.SetMandantId(m_werte.MandantId);
    table.SetNextId(m_werte.BuchungFirstId);
    table.SetKassenId(m_werte.KassenNr);
    const CBuchungen* journal = m_daten.Buchungen;
    if (!journal)
        return;
    const std::string waehrung = m_daten.Firma ? m_daten.Firma->GetWaehrung() : std::string();
    const CDatum ende = PeriodEnd(m_werte.Year, m_werte.Month);

    // Journal order, not date order; there is no lower bound, every booking
    // up to the end of the month goes out.
    for (int i = 0; i < journal->GetCount(); ++i) {
        const CBuchungssatz& satz = journal->GetItem(i);
        if (satz.Datum.Seconds() > ende.Seconds())
            continue;
        const CBetrag ein = journal->GetLineSum(i, SumMode::Income);
        const CBetrag aus = CBetrag() - journal->GetLineSum(i, SumMode::Expense);
        if (!satz.Aufteilung) {
            // The entry grid always makes line 0; a record without one
            // still goes out, with its own note, instead of failing the run.
            if (satz.Zeilen.empty()) {
                table.AddBuchung(0, satz.Datum, std::string(), satz.Notiz, ein, aus, waehrung, Prozent(0),
                                 GetLandKuerzel(0));
                continue;
            }
            const CBuchungszeile& z = satz.Zeilen.front();
            table.AddBuchung(0, satz.Datum, z.Bezeichnung, z.Notiz, ein, aus, waehrung, Prozent(z.UStID),
                             GetLandKuerzel(z.UStID));
            continue;
        }
        const int vater = table.AddBuchung(0, satz.Datum, "Aufteilung", satz.Notiz, ein, aus, waehrung, CBetrag(),
                                           std::string());
        for (const CBuchungszeile& z : satz.Zeilen)
            table.AddBuchung(vater, satz.Datum, z.Bezeichnung, z.Notiz, z.Einnahme, z.Ausgabe, waehrung,
                             Prozent(z.UStID), GetLandKuerzel(z.UStID));
    }
}
