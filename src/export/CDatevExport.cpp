#include "export/CDatevExport.h"

#include "core/CBelegtexte.h"
#include "core/CBuchungen.h"
#include "core/CBuchungsAbfrage.h"
#include "core/CFirma.h"
#include "core/CPeriode.h"
#include "core/CSteuersaetze.h"

#include <algorithm>
#include <cstdio>
#include <ctime>

const char* const CDatevExport::Abgelehnt = "Der DATEV-Buchungsstapel wurde nicht geschrieben:";

namespace {

constexpr std::int64_t kProzent = 10000; // CBetrag's raw value of 1 %

std::string Zahl(long long n)
{
    return std::to_string(n);
}

// A text field: in double quotes, inner quotes doubled.
void Text(std::string& out, const std::string& text)
{
    out += '"';
    for (const char c : text) {
        if (c == '"')
            out += '"';
        out += c;
    }
    out += '"';
}

std::string Trimmed(std::string text)
{
    const auto first = text.find_first_not_of(" \t\r\n");
    if (first == std::string::npos)
        return std::string();
    return text.substr(first, text.find_last_not_of(" \t\r\n") - first + 1);
}

bool NurZiffern(const std::string& text, std::size_t min, std::size_t max)
{
    return text.size() >= min && text.size() <= max
           && std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// A character DATEV's "Belegfeld 1" takes: a letter or digit (the
// Windows-1252 letters included), "_", "$", "%", "-" or "/".
bool BelegfeldZeichen(unsigned char c)
{
    if ((c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'))
        return true;
    if (c == '_' || c == '$' || c == '%' || c == '-' || c == '/')
        return true;
    return c >= 0xC0 && c != 0xD7 && c != 0xF7;
}

// The invoice number as DATEV takes it: other characters become "_", at
// most 36 of them. A locked booking cannot be changed, so refusing would
// block its month for good.
std::string Belegfeld(const std::string& rgNr)
{
    std::string feld = Trimmed(rgNr).substr(0, 36);
    for (char& c : feld)
        if (!BelegfeldZeichen(static_cast<unsigned char>(c)))
            c = '_';
    return feld;
}

// Receipt text and note on one line, at most 60 characters.
std::string Buchungstext(const std::string& text, const std::string& notiz)
{
    std::string t = Trimmed(text);
    const std::string n = Trimmed(notiz);
    if (!n.empty())
        t += t.empty() ? n : ", " + n;
    for (char& c : t)
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F)
            c = ' ';
    if (t.size() > 60)
        t.resize(60);
    return t;
}

std::string Datum8(int jahr, int monat, int tag)
{
    char text[16];
    std::snprintf(text, sizeof text, "%04d%02d%02d", jahr, monat, tag);
    return text;
}

int LetzterTag(int jahr, int monat)
{
    static const int tage[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool schalt = (jahr % 4 == 0 && jahr % 100 != 0) || jahr % 400 == 0;
    return monat == 2 && schalt ? 29 : tage[(monat - 1) % 12];
}

std::string Betrag(std::int64_t cent)
{
    char text[32];
    std::snprintf(text, sizeof text, "%lld,%02lld", static_cast<long long>(cent / 100),
                  static_cast<long long>(cent % 100));
    return text;
}

} // namespace

CDatevExport::CDatevExport(const CBuchungen& journal, const CBelegtexte& texte, const CSteuersaetze* steuersaetze,
                           CDatevAuftrag auftrag)
    : m_journal(journal), m_texte(texte), m_steuersaetze(steuersaetze), m_auftrag(std::move(auftrag))
{
    if (Trimmed(m_auftrag.Kassenkonto).empty())
        m_auftrag.Kassenkonto = CFirma::StandardKassenkonto(m_auftrag.Werte.Kontenrahmen);
    m_auftrag.Kassenkonto = Trimmed(m_auftrag.Kassenkonto);
}

const std::array<const char*, CDatevExport::kSpalten>& CDatevExport::Spalten()
{
    static const std::array<const char*, kSpalten> namen = [] {
        std::array<const char*, kSpalten> n{};
        const char* const fest[] = {
            "Umsatz (ohne Soll/Haben-Kz)", "Soll/Haben-Kennzeichen", "WKZ Umsatz", "Kurs", "Basis-Umsatz",
            "WKZ Basis-Umsatz", "Konto", "Gegenkonto (ohne BU-Schl\xFCssel)", "BU-Schl\xFCssel", "Belegdatum",
            "Belegfeld 1", "Belegfeld 2", "Skonto", "Buchungstext", "Postensperre", "Diverse Adressnummer",
            "Gesch\xE4" "ftspartnerbank", "Sachverhalt", "Zinssperre", "Beleglink"};
        int i = 0;
        for (const char* name : fest)
            n[i++] = name;
        static std::vector<std::string> nummeriert; // lives as long as the table
        nummeriert.reserve(2 * 8 + 2 * 20);
        for (int k = 1; k <= 8; ++k) {
            nummeriert.push_back("Beleginfo - Art " + std::to_string(k));
            nummeriert.push_back("Beleginfo - Inhalt " + std::to_string(k));
        }
        for (std::size_t k = 0; k < nummeriert.size(); ++k)
            n[i++] = nummeriert[k].c_str();
        const char* const mitte[] = {
            "KOST1 - Kostenstelle", "KOST2 - Kostenstelle", "Kost-Menge", "EU-Land u. UStID (Bestimmung)",
            "EU-Steuersatz (Bestimmung)", "Abw. Versteuerungsart", "Sachverhalt L+L",
            "Funktionserg\xE4nzung L+L", "BU 49 Hauptfunktionstyp", "BU 49 Hauptfunktionsnummer",
            "BU 49 Funktionserg\xE4nzung"};
        for (const char* name : mitte)
            n[i++] = name;
        const std::size_t ab = nummeriert.size();
        for (int k = 1; k <= 20; ++k) {
            nummeriert.push_back("Zusatzinformation - Art " + std::to_string(k));
            nummeriert.push_back("Zusatzinformation- Inhalt " + std::to_string(k));
        }
        for (std::size_t k = ab; k < nummeriert.size(); ++k)
            n[i++] = nummeriert[k].c_str();
        const char* const ende[] = {
            "St\xFC" "ck", "Gewicht", "Zahlweise", "Forderungsart", "Veranlagungsjahr", "Zugeordnete F\xE4lligkeit",
            "Skontotyp", "Auftragsnummer", "Buchungstyp", "USt-Schl\xFCssel (Anzahlungen)", "EU-Land (Anzahlungen)",
            "Sachverhalt L+L (Anzahlungen)", "EU-Steuersatz (Anzahlungen)", "Erl\xF6skonto (Anzahlungen)",
            "Herkunft-Kz", "Buchungs GUID", "KOST-Datum", "SEPA-Mandatsreferenz", "Skontosperre",
            "Gesellschaftername", "Beteiligtennummer", "Identifikationsnummer", "Zeichnernummer",
            "Postensperre bis", "Bezeichnung SoBil-Sachverhalt", "Kennzeichen SoBil-Buchung", "Festschreibung",
            "Leistungsdatum", "Datum Zuord. Steuerperiode", "F\xE4lligkeit", "Generalumkehr (GU)", "Steuersatz",
            "Land", "Abrechnungsreferenz", "BVV-Position", "EU-Land u. UStID (Ursprung)",
            "EU-Steuersatz (Ursprung)", "Abw. Skontokonto"};
        for (const char* name : ende)
            n[i++] = name;
        return n;
    }();
    return namen;
}

std::string CDatevExport::ZeitStempel(std::chrono::system_clock::time_point zeit)
{
    const std::time_t sekunden = std::chrono::system_clock::to_time_t(zeit);
    const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(zeit.time_since_epoch()).count() % 1000;
    std::tm lokal{};
    localtime_r(&sekunden, &lokal);
    char text[96];
    std::snprintf(text, sizeof text, "%04d%02d%02d%02d%02d%02d%03d", lokal.tm_year + 1900, lokal.tm_mon + 1,
                  lokal.tm_mday, lokal.tm_hour, lokal.tm_min, lokal.tm_sec, static_cast<int>(ms));
    return text;
}

std::int64_t CDatevExport::Cent(std::int64_t raw)
{
    // 100 raw units are one cent; 50 and more round away from zero.
    // Written without raw + 50, which would overflow at the largest amounts.
    const std::int64_t rest = raw % 100;
    return raw / 100 + (rest >= 50 ? 1 : rest <= -50 ? -1 : 0);
}

std::optional<const char*> CDatevExport::Steuerschluessel(CBetrag prozent, bool einnahme, CDatum tag)
{
    // DATEV's keys 2/3 (output VAT) and 8/9 (input VAT) follow the rates
    // of the booking date: from July to December 2020 they stood for 5 %
    // and 16 %, and 19 % and 7 % had keys of their own.
    const std::int64_t p = prozent.Raw();
    const bool senkung = tag >= CDatum::FromYMD(2020, 7, 1) && tag < CDatum::FromYMD(2021, 1, 1);
    struct Satz {
        std::int64_t prozent;
        const char* ust;
        const char* vst;
    };
    static const Satz saetze[] = {
        {19, "3", "9"}, {7, "2", "8"}, {16, "5", "7"}, {0, nullptr, nullptr},               // regular
        {16, "3", "9"}, {5, "2", "8"}, {19, "5", "7"}, {7, "4", "6"}, {0, nullptr, nullptr}, // 2020/2
    };
    for (const Satz* s = senkung ? saetze + 4 : saetze; s->ust; ++s)
        if (p == s->prozent * kProzent)
            return einnahme ? s->ust : s->vst;
    if (p == 5 * kProzent && tag >= CDatum::FromYMD(2021, 1, 1))
        return einnahme ? "4" : "6";
    return std::nullopt;
}

bool CDatevExport::IstAutomatikkonto(const std::string& konto, int skr)
{
    // Revenue 7 % and 19 %, goods bought 7 % and 19 %.
    static const char* const skr03[] = {"8300", "8400", "3300", "3400"};
    static const char* const skr04[] = {"4300", "4400", "5300", "5400"};
    for (const char* k : skr == 4 ? skr04 : skr03)
        if (konto == k)
            return true;
    return false;
}

void CDatevExport::Problem(std::string text)
{
    if (static_cast<int>(m_probleme.size()) >= kMaxProbleme)
        return;
    if (std::find(m_probleme.begin(), m_probleme.end(), text) == m_probleme.end())
        m_probleme.push_back(std::move(text));
}

std::string CDatevExport::Meldung() const
{
    std::string text = Abgelehnt;
    for (const std::string& p : m_probleme)
        text += "\n- " + p;
    return text;
}

bool CDatevExport::IstSachkonto(const std::string& konto) const
{
    return NurZiffern(konto, 1, static_cast<std::size_t>(m_auftrag.Werte.Sachkontenlaenge))
           && konto.find_first_not_of('0') != std::string::npos;
}

const CDatevExport::Satz& CDatevExport::Steuersatz(int ustId)
{
    // A month names a handful of rates thousands of times.
    const auto gefunden = m_saetze.find(ustId);
    if (gefunden != m_saetze.end())
        return gefunden->second;
    Satz s;
    if (m_steuersaetze) {
        s.Prozent = m_steuersaetze->GetProzent(ustId);
        const std::string land = m_steuersaetze->GetLand(ustId);
        s.Deutsch = land.empty() || land == "Deutschland";
    }
    return m_saetze.emplace(ustId, s).first->second;
}

const CDatevExport::Gegenkonto& CDatevExport::Konto(const std::string& bezeichnung)
{
    const auto gefunden = m_konten.find(bezeichnung);
    if (gefunden != m_konten.end())
        return gefunden->second;
    Gegenkonto g;
    const int i = m_texte.FindByBezeichnung(bezeichnung);
    const int laenge = m_auftrag.Werte.Sachkontenlaenge;
    if (bezeichnung.empty()) {
        Problem("Eine Buchungszeile des Monats hat keinen Belegtext. W\xE4hlen Sie ihn in der Buchung aus.");
    } else if (i < 0) {
        Problem("Der Belegtext \"" + bezeichnung
                + "\" steht nicht in den Belegtexten. Tragen Sie ihn mit Konto unter Stammdaten > Belegtexte ein.");
    } else {
        g.Konto = Trimmed(m_texte.GetKonto(i));
        g.BU = Trimmed(m_texte.GetBU(i));
        g.EinAus = m_texte.GetEinAus(i);
        g.Automatik = IstAutomatikkonto(g.Konto, m_auftrag.Werte.Kontenrahmen);
        if (g.Konto.empty())
            Problem("Der Belegtext \"" + bezeichnung
                    + "\" hat kein Konto. Tragen Sie es unter Stammdaten > Belegtexte ein.");
        else if (!IstSachkonto(g.Konto))
            Problem("Das Konto \"" + g.Konto + "\" des Belegtextes \"" + bezeichnung
                    + "\" ist keine Kontonummer mit h\xF6" "chstens " + Zahl(laenge) + " Ziffern.");
        else if (!g.BU.empty() && !NurZiffern(g.BU, 1, 4))
            Problem("Der BU-Schl\xFCssel \"" + g.BU + "\" des Belegtextes \"" + bezeichnung
                    + "\" ist keine Zahl mit ein bis vier Ziffern.");
        else
            g.Gueltig = true;
    }
    return m_konten.emplace(bezeichnung, std::move(g)).first->second;
}

std::string CDatevExport::Kopfzeile() const
{
    const CDatevWerte& w = m_auftrag.Werte;
    const int jahr = m_auftrag.Jahr;
    const int monat = m_auftrag.Monat;
    const int wjJahr = monat >= w.WjBeginn ? jahr : jahr - 1;
    char bezeichnung[32];
    std::snprintf(bezeichnung, sizeof bezeichnung, "Kassenbuch %02d/%04d", monat, jahr);
    std::string z;
    Text(z, "EXTF");
    z += ";700;21;";
    Text(z, "Buchungsstapel");
    z += ";13;" + m_auftrag.ErzeugtAm + ";;";
    Text(z, "RE");
    z += ';';
    Text(z, "Kuvex");
    z += ';';
    Text(z, "");
    z += ';' + Zahl(w.Beraternummer) + ';' + Zahl(w.Mandantennummer) + ';' + Datum8(wjJahr, w.WjBeginn, 1) + ';'
         + Zahl(w.Sachkontenlaenge) + ';' + Datum8(jahr, monat, 1) + ';'
         + Datum8(jahr, monat, LetzterTag(jahr, monat)) + ';';
    Text(z, bezeichnung);
    z += ';';
    Text(z, w.Diktatkuerzel);
    // Buchungstyp 1 (financial accounting), purpose 0 (any); the batch is
    // locked as a whole only when every row of it is.
    z += ";1;0;";
    z += m_zeilen > 0 && m_auftrag.GesperrtBis && m_alleGesperrt ? "1" : "0";
    z += ';';
    Text(z, m_auftrag.Waehrung);
    z += ";;\"\";;;";
    Text(z, w.Kontenrahmen == 4 ? "04" : "03");
    z += ";;;\"\";\"\"\r\n";
    return z;
}

bool CDatevExport::Baue()
{
    m_probleme.clear();
    m_konten.clear();
    m_saetze.clear();
    m_bytes.clear();
    m_zeilen = 0;
    m_differenz = CBetrag();
    m_alleGesperrt = true;

    const CDatevWerte& w = m_auftrag.Werte;
    if (w.Beraternummer < 1001 || w.Beraternummer > 9999999)
        Problem("Die Beraternummer fehlt oder liegt nicht zwischen 1001 und 9999999. Tragen Sie sie unter "
                "Export > DATEV ein.");
    if (w.Mandantennummer < 1 || w.Mandantennummer > 99999)
        Problem("Die Mandantennummer fehlt oder liegt nicht zwischen 1 und 99999. Tragen Sie sie unter "
                "Export > DATEV ein.");
    if (w.Kontenrahmen != 3 && w.Kontenrahmen != 4)
        Problem("Als Kontenrahmen sind nur SKR03 und SKR04 m\xF6glich.");
    if (w.Sachkontenlaenge < 4 || w.Sachkontenlaenge > 8)
        Problem("Die Sachkontenl\xE4nge muss zwischen 4 und 8 liegen.");
    if (w.WjBeginn < 1 || w.WjBeginn > 12)
        Problem("Der erste Monat des Wirtschaftsjahres muss zwischen 1 und 12 liegen.");
    const std::string& dk = w.Diktatkuerzel;
    if (!dk.empty() && !(dk.size() == 2 && std::all_of(dk.begin(), dk.end(), [](char c) { return c >= 'A' && c <= 'Z'; })))
        Problem("Das Diktatk\xFCrzel besteht aus zwei Gro\xDF" "buchstaben oder bleibt leer.");
    if (m_auftrag.Jahr < 2000 || m_auftrag.Jahr > 2099 || m_auftrag.Monat < 1 || m_auftrag.Monat > 12)
        Problem("DATEV nimmt nur Monate der Jahre 2000 bis 2099 an.");
    const std::string& wkz = m_auftrag.Waehrung;
    if (!(wkz.size() == 3 && std::all_of(wkz.begin(), wkz.end(), [](char c) { return c >= 'A' && c <= 'Z'; })))
        Problem("Die W\xE4hrung der Firma (\"" + wkz + "\") ist kein K\xFCrzel aus drei Gro\xDF" "buchstaben wie EUR.");
    if (!IstSachkonto(m_auftrag.Kassenkonto))
        Problem("Das Kassenkonto \"" + m_auftrag.Kassenkonto + "\" ist keine Kontonummer mit h\xF6" "chstens "
                + Zahl(w.Sachkontenlaenge) + " Ziffern.");

    std::string zeilen;
    const std::string kasse = m_auftrag.Kassenkonto;
    // Sums wrap around like every amount; a rounded line always fits one.
    CBetrag summeRoh;
    CBetrag summeGerundet;
    CBuchungsAbfrage abfrage;
    const std::vector<int>& monat = abfrage.Abfragen(m_journal, CPeriode::Monat(m_auftrag.Jahr, m_auftrag.Monat));
    for (std::size_t nr = 0; nr < monat.size(); ++nr) {
        const CBuchungssatz& satz = m_journal.GetItem(monat[nr]);
        const std::string beleg = satz.RgNr.empty() ? Zahl(static_cast<long long>(nr + 1)) : Belegfeld(satz.RgNr);
        char tag[8];
        std::snprintf(tag, sizeof tag, "%02d%02d", satz.Datum.Day(), satz.Datum.Month());
        const bool gesperrt = m_auftrag.GesperrtBis && satz.Datum.Midnight() <= m_auftrag.GesperrtBis->Midnight();
        for (const CBuchungszeile& z : satz.Zeilen) {
            const std::int64_t roh = (z.Einnahme - z.Ausgabe).Raw();
            summeRoh += CBetrag(roh);
            const std::int64_t cent = Cent(roh);
            // DATEV takes no row of 0,00; a line that rounds to nothing
            // shows in the rounding difference.
            if (cent == 0)
                continue;
            summeGerundet += CBetrag(cent * 100);
            const Gegenkonto& g = Konto(z.Bezeichnung);

            // The rate decides whether DATEV can take the line at all,
            // also on an account that computes its VAT itself.
            const Satz& satzInfo = Steuersatz(z.UStID);
            const CBetrag prozent = satzInfo.Prozent;
            const bool einnahme = g.EinAus == 1 || (g.EinAus != -1 && z.Einnahme.Raw() != 0);
            std::optional<const char*> schluessel = "";
            if (prozent.Raw() != 0) {
                if (satzInfo.Deutsch)
                    schluessel = Steuerschluessel(prozent, einnahme, satz.Datum);
                else
                    schluessel = std::nullopt;
                if (!schluessel) {
                    const std::string name = m_steuersaetze->GetBezeichnung(z.UStID);
                    Problem("F\xFCr den Steuersatz \"" + name + "\" (" + FormatBetragAnzeige(prozent)
                            + " %) gibt es keinen DATEV-Steuerschl\xFCssel. Exportiert werden k\xF6nnen nur "
                              "deutsche Steuers\xE4tze.");
                }
            }
            if (!g.Gueltig || !schluessel || !m_probleme.empty())
                continue;
            const std::string bu = !g.BU.empty() ? g.BU : g.Automatik ? std::string() : std::string(*schluessel);

            ++m_zeilen;
            if (m_zeilen > kMaxZeilen)
                continue;
            m_alleGesperrt = m_alleGesperrt && gesperrt;
            zeilen += Betrag(cent < 0 ? -cent : cent);
            zeilen += cent > 0 ? ";\"S\";;;;;" : ";\"H\";;;;;";
            zeilen += kasse;
            zeilen += ';';
            zeilen += g.Konto;
            zeilen += ';';
            if (!bu.empty())
                Text(zeilen, bu);
            zeilen += ';';
            zeilen += tag;
            zeilen += ';';
            Text(zeilen, beleg);
            zeilen += ";;;";
            Text(zeilen, Buchungstext(z.Bezeichnung, z.Notiz.empty() ? satz.Notiz : z.Notiz));
            // Columns 15 to 113 stay empty, 114 is "Festschreibung", 115 to 125 empty.
            zeilen.append(113 - 14 + 1, ';');
            zeilen += gesperrt ? '1' : '0';
            zeilen.append(kSpalten - 114, ';');
            zeilen += "\r\n";
        }
    }
    if (m_zeilen > kMaxZeilen)
        Problem("Der Monat ergibt " + Zahl(m_zeilen) + " Buchungszeilen; DATEV nimmt h\xF6" "chstens 99.999 in "
                "einer Datei an.");
    if (!m_probleme.empty()) {
        m_zeilen = 0;
        return false;
    }
    m_differenz = summeGerundet - CBetrag(Cent(summeRoh.Raw()) * 100);

    m_bytes = Kopfzeile();
    const auto& spalten = Spalten();
    for (int i = 0; i < kSpalten; ++i) {
        if (i)
            m_bytes += ';';
        m_bytes += spalten[static_cast<std::size_t>(i)];
    }
    m_bytes += "\r\n";
    m_bytes += zeilen;
    return true;
}

std::string CDatevExport::Rundungshinweis() const
{
    if (m_differenz.Raw() == 0)
        return std::string();
    const std::string betrag = FormatBetragAnzeige(m_differenz < CBetrag() ? CBetrag() - m_differenz : m_differenz);
    return "Betr\xE4ge mit Bruchteilen eines Cents wurden je Zeile auf ganze Cent gerundet. Die Summe der Zeilen "
           "ist deshalb um " + betrag + " " + m_auftrag.Waehrung
           + (m_differenz > CBetrag() ? " h\xF6her" : " niedriger") + " als die gerundete Summe des Monats.";
}
