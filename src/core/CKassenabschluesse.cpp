#include "core/CKassenabschluesse.h"

#include "core/CFehler.h"
#include "core/CXmlDokument.h"

#include <cstring>
#include <sstream>

namespace {

const char* const kWurzel = "Kassenabschluesse";
const char* const kEintrag = "Kassenabschluss";
constexpr std::size_t kMaxPosten = 64;

std::string BetragText(CBetrag b)
{
    return FormatBetrag(b, 4, 0);
}

std::string ZahlText(std::int64_t n)
{
    return std::to_string(n);
}

void SchreibeEintrag(CXmlElement wurzel, const CKassenabschluss& a)
{
    CXmlElement e = CXmlDokument::AddChild(wurzel, kEintrag);
    CXmlDokument::AddChild(e, "Datum", a.Tag.ToXml());
    CXmlDokument::AddChild(e, "Zeitpunkt", ZahlText(a.Zeitpunkt));
    CXmlDokument::AddChild(e, "Waehrung", a.Waehrung);
    CXmlElement zaehlung = CXmlDokument::AddChild(e, "Zaehlung");
    for (const CZaehlposten& p : a.Zaehlung) {
        CXmlElement posten = CXmlDokument::AddChild(zaehlung, "Posten");
        posten.append_attribute("Nennwert").set_value(BetragText(p.Nennwert).c_str());
        posten.append_attribute("Anzahl").set_value(ZahlText(p.Anzahl).c_str());
    }
    CXmlDokument::AddChild(e, "Gezaehlt", BetragText(a.Gezaehlt));
    CXmlDokument::AddChild(e, "Kassenbestand", BetragText(a.Buchbestand));
    CXmlDokument::AddChild(e, "Differenz", BetragText(a.Differenz));
    CXmlDokument::AddChild(e, "Buchung", ZahlText(a.Buchung));
    if (a.ProtokollNr) {
        CXmlElement p = CXmlDokument::AddChild(e, "Protokoll");
        CXmlDokument::AddChild(p, "Nr", ZahlText(static_cast<std::int64_t>(a.ProtokollNr)));
        CXmlDokument::AddChild(p, "Hash", a.ProtokollHash);
    }
}

std::string Dokument(const std::vector<const CKassenabschluss*>& eintraege)
{
    CXmlDokument doc(std::string("<") + kWurzel + "/>");
    for (const CKassenabschluss* a : eintraege)
        SchreibeEintrag(doc.GetRoot(), *a);
    std::ostringstream out;
    doc.SaveStream(out);
    return out.str();
}

// The strict reading of one close: anything unexpected throws.
class Leser {
public:
    explicit Leser(CXmlElement e) : m_e(e) {}

    CXmlElement Kind(const char* name) const
    {
        CXmlElement k = m_e.child(name);
        if (!k || k.next_sibling(name))
            throw CFehler(std::string("Feld ") + name);
        return k;
    }
    std::string Text(const char* name) const { return Trimmed(CXmlDokument::GetText(Kind(name))); }

    static std::string Trimmed(const std::string& t)
    {
        const auto a = t.find_first_not_of(" \t\r\n");
        return a == std::string::npos ? std::string() : t.substr(a, t.find_last_not_of(" \t\r\n") - a + 1);
    }
    // Optional sign and 1 to 18 digits.
    static std::int64_t Zahl(const std::string& t)
    {
        std::size_t i = t.size() > 0 && t[0] == '-' ? 1 : 0;
        if (t.size() == i || t.size() - i > 18)
            throw CFehler("Zahl");
        std::int64_t n = 0;
        for (; i < t.size(); ++i) {
            if (t[i] < '0' || t[i] > '9')
                throw CFehler("Zahl");
            n = n * 10 + (t[i] - '0');
        }
        return t[0] == '-' ? -n : n;
    }
    // Exactly the written form: digits, a comma, four digits.
    static CBetrag Betrag(const std::string& t)
    {
        const std::size_t komma = t.find(',');
        if (komma == std::string::npos || t.size() - komma != 5 || komma == 0 || t.size() > 20)
            throw CFehler("Betrag");
        const std::string rest = t.substr(komma + 1);
        if (rest.find_first_not_of("0123456789") != std::string::npos)
            throw CFehler("Betrag");
        const CBetrag b(Zahl(t.substr(0, komma) + rest));
        if (!b.IsErfassbar())
            throw CFehler("Betrag");
        return b;
    }

    CKassenabschluss Lies(int buchungen) const
    {
        CKassenabschluss a;
        // Read back exactly: a month 13 would otherwise roll into the next year.
        a.Tag = CDatum::FromXml(Text("Datum"));
        if (a.Tag.IsNull() || a.Tag.ToXml() != Text("Datum"))
            throw CFehler("Datum");
        a.Zeitpunkt = Zahl(Text("Zeitpunkt"));
        a.Waehrung = Text("Waehrung");
        for (CXmlElement p : Kind("Zaehlung").children("Posten")) {
            if (a.Zaehlung.size() >= kMaxPosten)
                throw CFehler("Zaehlung");
            CZaehlposten z{Betrag(p.attribute("Nennwert").value()), Zahl(p.attribute("Anzahl").value())};
            if (z.Nennwert <= CBetrag() || z.Anzahl < 0 || z.Anzahl > CZaehlprotokoll::kHoechstAnzahl)
                throw CFehler("Posten");
            a.Zaehlung.push_back(z);
        }
        a.Gezaehlt = Betrag(Text("Gezaehlt"));
        a.Buchbestand = Betrag(Text("Kassenbestand"));
        a.Differenz = Betrag(Text("Differenz"));
        const std::int64_t buchung = Zahl(Text("Buchung"));
        if (buchung < -1 || buchung >= buchungen)
            throw CFehler("Buchung");
        a.Buchung = static_cast<int>(buchung);
        if ((!a.Zaehlung.empty() && CZaehlprotokoll::Summe(a.Zaehlung) != a.Gezaehlt)
            || a.Gezaehlt - a.Buchbestand != a.Differenz || (a.Differenz == CBetrag()) != (a.Buchung < 0))
            throw CFehler("Summen");
        if (m_e.child("Protokoll")) {
            const Leser p(Kind("Protokoll"));
            const std::int64_t nr = Zahl(p.Text("Nr"));
            a.ProtokollHash = p.Text("Hash");
            if (nr <= 0 || a.ProtokollHash.size() != 16
                || a.ProtokollHash.find_first_not_of("0123456789abcdef") != std::string::npos)
                throw CFehler("Protokoll");
            a.ProtokollNr = static_cast<std::uint64_t>(nr);
        }
        return a;
    }

private:
    CXmlElement m_e;
};

} // namespace

CDatum CKassenabschluesse::LetzterTag() const
{
    return m_eintraege.empty() ? CDatum() : m_eintraege.back().Tag;
}

const CKassenabschluss* CKassenabschluesse::Fuer(CDatum tag) const
{
    for (const CKassenabschluss& a : m_eintraege)
        if (a.Tag == tag)
            return &a;
    return nullptr;
}

void CKassenabschluesse::Hinzufuegen(CKassenabschluss abschluss)
{
    if (!m_eintraege.empty() && abschluss.Tag <= LetzterTag())
        throw CFehler("Der " + abschluss.Tag.ToDisplay() + " ist bereits abgeschlossen.");
    if (m_eintraege.size() >= kMaxEintraege)
        throw CFehler("Das Kassenbuch fasst keine weiteren Kassenabschl\xFCsse.");
    m_eintraege.push_back(std::move(abschluss));
}

void CKassenabschluesse::SetzeProtokoll(std::uint64_t nr, const std::string& hash)
{
    if (!m_eintraege.empty()) {
        m_eintraege.back().ProtokollNr = nr;
        m_eintraege.back().ProtokollHash = hash;
    }
}

std::string CKassenabschluesse::Schreiben() const
{
    std::vector<const CKassenabschluss*> alle;
    for (const CKassenabschluss& a : m_eintraege)
        alle.push_back(&a);
    return Dokument(alle);
}

std::string CKassenabschluesse::Schreiben(const CKassenabschluss& abschluss)
{
    return Dokument({&abschluss});
}

bool CKassenabschluesse::Lesen(const std::string& bytes, int buchungen, std::string* fehler)
{
    CXmlDokument doc;
    std::vector<CKassenabschluss> gelesen;
    try {
        if (!doc.LoadStream(bytes) || CXmlDokument::GetName(doc.GetRoot()) != kWurzel)
            throw CFehler("Wurzel");
        for (CXmlElement e : doc.GetRoot().children()) {
            if (e.type() != pugi::node_element)
                continue;
            if (std::strcmp(e.name(), kEintrag) != 0 || gelesen.size() >= kMaxEintraege)
                throw CFehler("Eintrag");
            CKassenabschluss a = Leser(e).Lies(buchungen);
            if (!gelesen.empty() && a.Tag <= gelesen.back().Tag)
                throw CFehler("Reihenfolge");
            gelesen.push_back(std::move(a));
        }
    } catch (const CFehler& e) {
        if (fehler)
            *fehler = e.what();
        return false;
    }
    m_eintraege = std::move(gelesen);
    return true;
}
