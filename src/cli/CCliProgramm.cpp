#include "cli/CCliProgramm.h"
#include "cli/CCliAusgabe.h"

#include <cstdio>
#include <ctime>
#include <functional>
#include <limits>

#include "cli/CCliArgumente.h"
#include "cli/CCliBuchung.h"
#include "cli/CCliFehler.h"
#include "cli/CCliHilfe.h"
#include "cli/CCliWerte.h"
#include "core/BuchungenFormat.h"
#include "core/CBelegtexte.h"
#include "core/CBuchungen.h"
#include "core/CBuchungsAbfrage.h"
#include "core/CBuchungsErfassung.h"
#include "core/CBuchungsGenerator.h"
#include "core/CFehler.h"
#include "core/CFirma.h"
#include "core/CKassenSummen.h"
#include "core/CSteuersaetze.h"
#include "core/Windows1252.h"
#include "export/CExportSettings.h"
#include "export/CExporter.h"
#include "storage/CKassenbuch.h"
#include "storage/CDatenOrdner.h"
#include "storage/CProgrammSitzung.h"
#include "storage/CTagesabschluss.h"

namespace fs = std::filesystem;

using cli_ausgabe::Feld;
using cli_ausgabe::Zeile;

namespace {

// The most bookings one generate run could make: as many of the smallest
// generated booking (one line, no receipt text, note "Buchung #0") as a
// cash-book file holds. Larger counts are refused before the file is even
// opened; the generator then checks the real catalogue's texts.
constexpr std::int64_t kHoechstzahl = static_cast<std::int64_t>(
    (buchungen_format::kMaxFileSize - buchungen_format::kHeaderSize)
    / (buchungen_format::kRecordFixedSize + buchungen_format::kLineFixedSize + 10));

CPeriode Periode(const CCliArgumente& a)
{
    const std::string* tag = a.Wert("--day");
    const std::string* monat = a.Wert("--month");
    if ((tag != nullptr) == (monat != nullptr))
        throw CCliFehler("Geben Sie genau eine der Optionen --day oder --month an.");
    if (tag) {
        const CCliDatum d = CCliWerte::Tag("--day", *tag);
        return CPeriode::Tag(d.Jahr, d.Monat, d.Tag);
    }
    const CCliDatum m = CCliWerte::Monat("--month", *monat);
    return CPeriode::Monat(m.Jahr, m.Monat);
}

} // namespace

CCliProgramm::CCliProgramm(fs::path programmOrdner) : m_ordner(std::move(programmOrdner)) {}

CCliProgramm::~CCliProgramm() = default;

fs::path CCliProgramm::EigenerOrdner()
{
    std::error_code ec;
    const fs::path exe = fs::read_symlink("/proc/self/exe", ec);
    return ec ? fs::current_path() : exe.parent_path();
}

int CCliProgramm::Ausfuehren(const std::vector<std::string>& woerter)
{
    struct Befehl {
        const char* Name;
        std::vector<std::string> Optionen;
        std::vector<std::string> Schalter;
        void (CCliProgramm::*Ausfuehren)(const CCliArgumente&);
    };
    static const Befehl befehle[] = {
        {"new", {}, {"--force"}, &CCliProgramm::New},
        {"add", {"--date", "--text", "--amount", "--split", "--note", "--invoice", "--vat"}, {},
         &CCliProgramm::Add},
        {"delete", {"--index", "--date"}, {}, &CCliProgramm::Delete},
        {"list", {"--day", "--month"}, {}, &CCliProgramm::List},
        {"totals", {"--day", "--month"}, {}, &CCliProgramm::Totals},
        {"generate", {"--count", "--seed"}, {}, &CCliProgramm::Generate},
        {"report", {"--day", "--month", "--pdf"}, {"--cash", "--stats"}, &CCliProgramm::Report},
        {"overview", {"--month"}, {}, &CCliProgramm::Overview},
        {"export", {"--month", "--to", "--client", "--till", "--till-name"}, {}, &CCliProgramm::Export},
        {"close", {"--day", "--count", "--counted", "--pdf"}, {}, &CCliProgramm::Close},
        {"closes", {"--month"}, {}, &CCliProgramm::Closes},
        {"datev", {"--month", "--to", "--berater", "--mandant", "--skr"}, {}, &CCliProgramm::Datev},
        {"verify", {}, {}, &CCliProgramm::Verify},
        {"gobd", {}, {}, &CCliProgramm::GoBD},
        {"protokoll", {"--month", "--pdf"}, {}, &CCliProgramm::Protokoll},
    };

    try {
        if (woerter.empty())
            throw CCliFehler("Es wurde kein Befehl angegeben. Hilfe: kuvex-cli --help");
        const std::string& name = woerter.front();
        if (name == "--help" || name == "-h" || name == "help") {
            std::fputs(Windows1252::ToUtf8(CCliHilfe::Uebersicht()).c_str(), stdout);
            return 0;
        }
        if (name == "--version") {
            // The folder the settings, VAT rates and backups are read from
            // and written to: beside the program, or the user's own.
            std::printf("kuvex-cli %s\nDatenordner: %s\n", KUVEX_VERSION,
                        CDatenOrdner::Fuer(m_ordner).Benutzer().c_str());
            return 0;
        }
        for (const Befehl& b : befehle) {
            if (name != b.Name)
                continue;
            const CCliArgumente a(std::vector<std::string>(woerter.begin() + 1, woerter.end()),
                                  b.Optionen, b.Schalter);
            if (a.Hilfe()) {
                std::fputs(Windows1252::ToUtf8(CCliHilfe::Befehl(name)).c_str(), stdout);
                return 0;
            }
            m_meldungen.SetRohtext(a.Datei());
            Starten();
            (this->*b.Ausfuehren)(a);
            std::fflush(stdout);
            return 0;
        }
        throw CCliFehler("Unbekannter Befehl: " + Windows1252::FromUtf8Lossy(name)
                         + ". Hilfe: kuvex-cli --help");
    } catch (const CCliFehler& e) {
        if (*e.what())
            m_meldungen.Error(e.what());
        return e.Status();
    } catch (const CFehler& e) {
        m_meldungen.Error(e.what());
        return 1;
    } catch (const std::exception& e) {
        m_meldungen.Error(std::string("Ein schwerwiegender Fehler ist aufgetreten.\n") + e.what());
        return 1;
    }
}

void CCliProgramm::Starten()
{
    // The program's own start: without its settings or its VAT rates it
    // does not run at all; the session has said why.
    m_sitzung = std::make_unique<CProgrammSitzung>(m_ordner, m_meldungen);
    if (!m_sitzung->Start())
        throw CCliFehler("", 2);
}

CKassenbuch& CCliProgramm::Kasse()
{
    return m_sitzung->Kassenbuch();
}

void CCliProgramm::Oeffnen(const std::string& datei, bool warnen)
{
    if (!m_sitzung->OpenFile(datei, warnen)) {
        if (!Kasse().LastError().empty())
            m_meldungen.Error(Kasse().LastError());
        throw CCliFehler(CProgrammSitzung::FehlerBeimLaden);
    }
}

void CCliProgramm::Speichern()
{
    if (!Kasse().Save())
        throw CCliFehler(""); // the cash book has shown its message
}

void CCliProgramm::New(const CCliArgumente& a)
{
    const std::string& datei = a.Datei();
    std::error_code ec;
    if (fs::exists(datei, ec) && !a.Schalter("--force"))
        throw CCliFehler("Die Datei " + datei
                         + " existiert bereits. Mit --force wird sie \xFC" "berschrieben.");
    const int kontenrahmen =
        CExportSettings(m_sitzung->Settings().GetAbsolute(CSettings::ExportFile)).Werte().Datev.Kontenrahmen;
    if (!Kasse().New(datei, kontenrahmen))
        throw CCliFehler("");
    Speichern();
}

void CCliProgramm::Add(const CCliArgumente& a)
{
    Oeffnen(a.Datei());
    CBuchungen& journal = *Kasse().GetBuchungen();
    const CCliBuchungsAuftrag auftrag =
        CCliBuchung::Baue(a, *Kasse().GetBelegtexte(), journal, m_sitzung->Steuersaetze());
    if (const auto fehler = CBuchungsErfassung::Pruefe(auftrag.Buchung, auftrag.Jahr, auftrag.Monat))
        throw CCliFehler(fehler->Meldung);
    if (const auto grund = CTagesabschluss::PruefeNeueBuchung(Kasse(), auftrag.Buchung, auftrag.Jahr, auftrag.Monat))
        throw CCliFehler(*grund);
    CBuchungsErfassung::Commit(journal, auftrag.Buchung, auftrag.Jahr, auftrag.Monat);
    Kasse().ProtokolliereNeueBuchungen();
    Speichern();
}

void CCliProgramm::Delete(const CCliArgumente& a)
{
    const std::string* index = a.Wert("--index");
    if (!index)
        throw CCliFehler("Die Option --index fehlt.");
    const int i = static_cast<int>(CCliWerte::Zahl("--index", *index, 0, std::numeric_limits<int>::max()));
    CDatum tag = CDatum::Now();
    tag = CDatum::FromYMD(tag.Year(), tag.Month(), tag.Day());
    if (const std::string* datum = a.Wert("--date")) {
        const CCliDatum d = CCliWerte::Tag("--date", *datum);
        tag = CDatum::FromYMD(d.Jahr, d.Monat, d.Tag);
    }
    Oeffnen(a.Datei());
    if (!Kasse().IsGoBD()) {
        Kasse().GetBuchungen()->RemoveItem(i);
        Speichern();
        return;
    }
    // Locked bookings are never removed: a reversal undoes them.
    const int storno = Kasse().Storniere(i, tag);
    Speichern();
    Zeile("Buchung Nr. " + std::to_string(i + 1) + " storniert durch Nr. " + std::to_string(storno + 1) + ".");
}

void CCliProgramm::List(const CCliArgumente& a)
{
    const CPeriode periode = Periode(a);
    Oeffnen(a.Datei());
    const CBuchungen& journal = *Kasse().GetBuchungen();
    const std::string waehrung = Kasse().GetFirma()->GetWaehrung();

    std::string kopf;
    for (const char* k : CBuchungsAbfrage::Spaltenkoepfe())
        kopf += (kopf.empty() ? "" : "\t") + std::string(k);
    Zeile(kopf);

    CBuchungsAbfrage abfrage;
    CBuchungsAbfrage::Zeilentexte texte;
    for (int i : abfrage.Abfragen(journal, periode)) {
        abfrage.Zeilentext(journal, i, waehrung, &m_sitzung->Steuersaetze(), texte);
        std::string zeile;
        for (int c = 0; c < CBuchungsAbfrage::Spalten; ++c)
            zeile += (c ? "\t" : "") + Feld(texte[c]);
        Zeile(zeile);
    }
}

void CCliProgramm::Totals(const CCliArgumente& a)
{
    const CPeriode periode = Periode(a);
    Oeffnen(a.Datei());
    const CKassenSummen s = CKassenSummen::Berechne(*Kasse().GetBuchungen(), periode);
    Zeile("\xDC" "bertrag\t" + FormatBetragAnzeige(s.Uebertrag()));
    Zeile("Einnahmen\t" + FormatBetragAnzeige(s.Einnahmen()));
    Zeile("Ausgaben\t" + FormatBetragAnzeige(s.Ausgaben()));
    Zeile("Kassenbestand\t" + FormatBetragAnzeige(s.Kassenbestand()));
}

void CCliProgramm::Generate(const CCliArgumente& a)
{
    const std::string* anzahl = a.Wert("--count");
    if (!anzahl)
        throw CCliFehler("Die Option --count fehlt.");
    const std::int64_t wunsch = CCliWerte::Zahl("--count", *anzahl, 1, std::numeric_limits<std::int64_t>::max());
    if (wunsch > kHoechstzahl)
        throw CCliFehler("So viele Buchungen fasst keine Kassendatei (h\xF6" "chstens "
                         + std::to_string(buchungen_format::kMaxFileSize >> 20) + " MB, also h\xF6" "chstens "
                         + std::to_string(kHoechstzahl) + " Buchungen).");
    const int count = static_cast<int>(wunsch);
    std::uint32_t seed = static_cast<std::uint32_t>(std::time(nullptr));
    if (const std::string* s = a.Wert("--seed"))
        seed = static_cast<std::uint32_t>(CCliWerte::Zahl("--seed", *s, 0, 0xFFFFFFFFLL));
    Oeffnen(a.Datei());
    CBuchungsGenerator::GenerateBookings(*Kasse().GetBuchungen(),
                                         *Kasse().GetBelegtexte(), count, seed);
    Kasse().ProtokolliereNeueBuchungen();
    Speichern();
}

CExportWerte CCliProgramm::ExportWerte(const CCliArgumente& a) const
{
    const std::string* monat = a.Wert("--month");
    if (!monat)
        throw CCliFehler("Die Option --month fehlt.");
    const CCliDatum m = CCliWerte::Monat("--month", *monat);
    // The stored settings with this run's options on top; the file itself
    // is never written from here.
    CExportWerte werte = CExportSettings(m_sitzung->Settings().GetAbsolute(CSettings::ExportFile)).Werte();
    werte.Mode = CExportSettings::ModePfad;
    werte.Year = m.Jahr;
    werte.Month = m.Monat;
    return werte;
}

void CCliProgramm::Export(const CCliArgumente& a)
{
    CExportWerte werte = ExportWerte(a);
    constexpr std::int64_t kGroesste = std::numeric_limits<int>::max();
    werte.Format = CExportSettings::FormatZip;
    if (const std::string* s = a.Wert("--client"))
        werte.MandantId = static_cast<int>(CCliWerte::Zahl("--client", *s, 0, kGroesste));
    if (const std::string* s = a.Wert("--till"))
        werte.KassenNr = static_cast<int>(CCliWerte::Zahl("--till", *s, 0, kGroesste));
    if (const std::string* s = a.Wert("--till-name"))
        werte.KassenBezeichnung = CCliWerte::Text("--till-name", *s);
    Exportiere(a, werte);
}

void CCliProgramm::Datev(const CCliArgumente& a)
{
    CExportWerte werte = ExportWerte(a);
    werte.Format = CExportSettings::FormatDatev;
    if (const std::string* s = a.Wert("--berater"))
        werte.Datev.Beraternummer = static_cast<int>(CCliWerte::Zahl("--berater", *s, 1001, 9999999));
    if (const std::string* s = a.Wert("--mandant"))
        werte.Datev.Mandantennummer = static_cast<int>(CCliWerte::Zahl("--mandant", *s, 1, 99999));
    if (const std::string* s = a.Wert("--skr")) {
        if (*s != "03" && *s != "04")
            throw CCliFehler("Die Option --skr nimmt 03 oder 04.");
        werte.Datev.Kontenrahmen = *s == "04" ? 4 : 3;
    }
    Exportiere(a, werte);
}

void CCliProgramm::Exportiere(const CCliArgumente& a, const CExportWerte& werte)
{
    const std::string* ziel = a.Wert("--to");
    const auto exporter = [&](const CExportDaten& daten) {
        CExporter e(werte, daten, m_ordner, m_meldungen);
        if (ziel)
            e.SetZielordner(fs::absolute(*ziel).lexically_normal());
        return e;
    };

    // A missing folder is refused before the cash book is opened, so a
    // failed run leaves nothing behind.
    if (!exporter(CExportDaten()).PruefeZielordner())
        throw CCliFehler(CExporter::Fehlgeschlagen);
    Oeffnen(a.Datei());
    const CKassenbuch& kasse = Kasse();
    const CExporter e = exporter({kasse.GetBuchungen(), kasse.GetBelegtexte(), kasse.GetFirma(),
                                  &m_sitzung->Steuersaetze(), kasse.GesperrtBis()});
    if (!e.RunExport())
        throw CCliFehler(CExporter::Fehlgeschlagen);
    std::fputs((e.GetTargetPath(e.GetArchiveName()) + "\n").c_str(), stdout);
    // Standard output holds only the path; the rounding note is a message.
    if (!e.Hinweis().empty())
        m_meldungen.Show(e.Hinweis(), UserMessages::Icon::Information, UserMessages::Buttons::Ok);
}
