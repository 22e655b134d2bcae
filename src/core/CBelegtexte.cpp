#include "core/CBelegtexte.h"

#include "core/Konvertierung.h"

#include <cstring>
#include <iterator>
#include <map>

const char* const CBelegtexte::LeeresDokument =
    "<?xml version=\"1.0\" encoding=\"iso-8859-1\" ?>\n<Belege></Belege>";

namespace {
const char* const AnfangsbestandText = "Anfangsbestand";

std::string Trimmed(const std::string& text)
{
    static const char* const blanks = " \t\r\n";
    const auto first = text.find_first_not_of(blanks);
    if (first == std::string::npos)
        return std::string();
    return text.substr(first, text.find_last_not_of(blanks) - first + 1);
}

// What the selection list and the description index read of one entry,
// in a single walk over its children: the same answers GetBezeichnung,
// GetSort and the flag getters give (the first element of a name counts,
// values trimmed), without building a path for each of them.
struct Eintrag {
    CXmlElement bezeichnung;
    CXmlElement sort;
    bool inaktiv = false;
    bool system = false;

    explicit Eintrag(CXmlElement beleg)
    {
        for (CXmlElement child : beleg.children()) {
            if (child.type() != pugi::node_element)
                continue;
            const char* name = child.name();
            if (!bezeichnung && std::strcmp(name, CBelegtexte::Bezeichnung) == 0)
                bezeichnung = child;
            else if (!sort && std::strcmp(name, CBelegtexte::Sort) == 0)
                sort = child;
            else if (std::strcmp(name, CBelegtexte::Inaktiv) == 0)
                inaktiv = true;
            else if (std::strcmp(name, CBelegtexte::System) == 0)
                system = true;
        }
    }
    std::string Bezeichnung() const
    {
        return bezeichnung ? Trimmed(CXmlDokument::GetText(bezeichnung)) : std::string();
    }
    int Sort() const { return sort ? TextToInt(Trimmed(CXmlDokument::GetText(sort))) : 0; }
};
} // namespace

namespace {
// The contra accounts of the default texts in the public standard charts
// SKR03 and SKR04: opening balance against the balance carry-forward
// account, money to and from the bank through the cash-in-transit
// account, then the accounts named like the texts. "Verkauf" goes to the
// revenue account with automatic 19 % VAT, so it needs no tax key.
struct StandardEintrag {
    const char* bezeichnung;
    int einAus;
    int ustId;
    const char* flag;
    const char* skr03;
    const char* skr04;
};
const StandardEintrag kStandard[] = {
    {AnfangsbestandText, 1, 100, CBelegtexte::System, "9000", "9000"},
    {"Bankeinzahlung", -1, 100, nullptr, "1360", "1460"},
    {"Bankauszahlung", 1, 100, nullptr, "1360", "1460"},
    {"Betriebsbedarf", -1, 200, CBelegtexte::Statistik, "4980", "6850"},
    {"Geringwertige Wirtschaftsg\xFC" "ter", -1, 200, CBelegtexte::Statistik, "0480", "0670"},
    {"Porto", -1, 100, CBelegtexte::Statistik, "4910", "6800"},
    {"Privatentnahme", -1, 100, CBelegtexte::Statistik, "1800", "2100"},
    {"Verkauf", 1, 200, CBelegtexte::Statistik, "8400", "4400"},
    {"Anlageinvestition", -1, 200, CBelegtexte::Statistik, "0490", "0690"},
};
} // namespace

CBelegtexte::CBelegtexte(int skr) : CXmlDokument(LeeresDokument)
{
    for (const StandardEintrag& e : kStandard)
        AddDefaultEntry(e.bezeichnung, e.einAus, e.ustId, e.flag, skr == 4 ? e.skr04 : e.skr03);
}

const char* CBelegtexte::StandardKonto(int i, int skr)
{
    if (i < 0 || i >= static_cast<int>(std::size(kStandard)))
        return "";
    return skr == 4 ? kStandard[i].skr04 : kStandard[i].skr03;
}

bool CBelegtexte::SetOderErgaenze(int i, const char* feld, const std::string& value)
{
    if (SetFeldText(i, feld, value))
        return true;
    const CXmlElement beleg = Entry(i);
    if (!beleg || Find(feld, beleg))
        return false;
    return static_cast<bool>(AddChild(beleg, feld, value));
}

CBelegtexte::CBelegtexte(std::istream& in)
{
    m_loadOk = LoadStream(in) && GetCount() <= kMaxEntries;
}

void CBelegtexte::ContentChanged()
{
    m_entriesValid = false;
    m_namesValid = false;
    m_entries.clear();
    m_byName.clear();
}

const std::vector<CXmlElement>& CBelegtexte::Entries() const
{
    if (m_entriesValid)
        return m_entries;
    m_entries.clear();
    m_count = 0;
    const CXmlElement root = GetRoot();
    if (root) {
        m_count = CountChildren(root, "Beleg");
        // Fields were always addressed by the path "Belege/Beleg[i]/...": a
        // root of another name counts its entries but has none to read.
        if (GetName(root) == "Belege") {
            m_entries.reserve(static_cast<std::size_t>(m_count));
            for (CXmlElement child : root.children("Beleg"))
                if (child.type() == pugi::node_element)
                    m_entries.push_back(child);
        }
    }
    m_entriesValid = true;
    return m_entries;
}

CXmlElement CBelegtexte::Entry(int i) const
{
    const std::vector<CXmlElement>& entries = Entries();
    if (i < 0 || static_cast<std::size_t>(i) >= entries.size())
        return CXmlElement();
    return entries[static_cast<std::size_t>(i)];
}

void CBelegtexte::AddDefaultEntry(const char* bezeichnung, int einAus, int ustId, const char* flag, const char* konto)
{
    CXmlElement beleg = AddChild(GetRoot(), "Beleg");
    AddChild(beleg, Bezeichnung, bezeichnung);
    AddChild(beleg, Info);
    AddChild(beleg, EinAus, IntToText(einAus));
    AddChild(beleg, UStID, IntToText(ustId));
    AddChild(beleg, Sort);
    if (flag)
        AddChild(beleg, flag);
    AddChild(beleg, Konto, konto);
    AddChild(beleg, BU);
}

std::string CBelegtexte::EntryPath(int i)
{
    std::string path = "Belege/Beleg";
    if (i > 0)
        path += "[" + IntToText(i) + "]";
    return path;
}

int CBelegtexte::GetCount() const
{
    Entries();
    return m_count;
}

int CBelegtexte::AddEntry()
{
    CXmlElement root = GetRoot();
    if (!root || GetCount() >= kMaxEntries)
        return -1;
    CXmlElement beleg = AddChild(root, "Beleg");
    AddChild(beleg, Bezeichnung, "Neue Buchung");
    AddChild(beleg, Info);
    AddChild(beleg, EinAus, "1");
    AddChild(beleg, UStID, "0");
    AddChild(beleg, Sort);
    const int index = m_count++;
    if (GetName(root) == "Belege")
        m_entries.push_back(beleg);
    if (m_namesValid)
        m_byName.emplace("Neue Buchung", index); // an earlier one keeps its place
    return index;
}

bool CBelegtexte::RemoveEntry(int i)
{
    // A negative index would read as entry 0 through the path text; it
    // names no entry, so it removes nothing. RemoveAt drops the indexes.
    if (i < 0)
        return false;
    return RemoveAt(EntryPath(i));
}

int CBelegtexte::FindByBezeichnung(const std::string& text) const
{
    if (!m_namesValid) {
        m_byName.clear();
        const int count = static_cast<int>(Entries().size());
        m_byName.reserve(static_cast<std::size_t>(count));
        const std::vector<CXmlElement>& entries = Entries();
        for (int i = 0; i < count; ++i)
            m_byName.emplace(Eintrag(entries[static_cast<std::size_t>(i)]).Bezeichnung(), i); // the first of equal texts wins
        m_namesValid = true;
    }
    const auto it = m_byName.find(text);
    return it == m_byName.end() ? -1 : it->second;
}

void CBelegtexte::GetSelectionList(std::vector<std::string>& list, int flags) const
{
    // multimap::insert puts an equal key after the ones already there, which
    // keeps catalogue order within one sort key.
    std::multimap<int, std::string> sorted;
    for (const CXmlElement beleg : Entries()) {
        const Eintrag e(beleg);
        if (e.inaktiv)
            continue;
        std::string bezeichnung = e.Bezeichnung();
        if (!(flags & 1) && e.system && bezeichnung == AnfangsbestandText)
            continue;
        sorted.insert({e.Sort(), std::move(bezeichnung)});
    }
    for (auto& entry : sorted)
        list.push_back(std::move(entry.second));
}

// A field name that is no path at all ("" or "/") addresses the entry
// itself, as the old path form "Belege/Beleg[i]/" did; only that rare case
// takes the path from the document's start.
namespace {
bool NamesTheEntry(const std::string& feld)
{
    return CXmlPfad(feld).IsEmpty();
}

// Whether a change of this field may change an entry's description.
bool TouchesBezeichnung(const std::string& feld)
{
    const CXmlPfad pfad(feld);
    return pfad.IsEmpty() || pfad.Segments().front().name == CBelegtexte::Bezeichnung;
}
} // namespace

std::string CBelegtexte::GetFeldText(int i, const std::string& feld) const
{
    if (i < 0)
        return std::string();
    if (NamesTheEntry(feld))
        return GetString(EntryPath(i) + "/" + feld);
    return GetString(Entry(i), feld);
}

bool CBelegtexte::SetFeldText(int i, const std::string& feld, const std::string& value)
{
    if (i < 0)
        return false;
    const bool changed = NamesTheEntry(feld) ? SetString(EntryPath(i) + "/" + feld, value)
                                             : SetString(Entry(i), feld, value);
    if (changed && TouchesBezeichnung(feld))
        m_namesValid = false;
    return changed;
}

int CBelegtexte::GetFeldInt(int i, const std::string& feld) const
{
    if (i < 0)
        return 0;
    if (NamesTheEntry(feld))
        return GetInt(EntryPath(i) + "/" + feld);
    return GetInt(Entry(i), feld, 0);
}

bool CBelegtexte::SetFeldInt(int i, const std::string& feld, int value)
{
    if (i < 0)
        return false;
    const bool changed = NamesTheEntry(feld) ? SetInt(EntryPath(i) + "/" + feld, value)
                                             : SetInt(Entry(i), feld, value);
    if (changed && TouchesBezeichnung(feld))
        m_namesValid = false;
    return changed;
}

bool CBelegtexte::GetFeldFlag(int i, const std::string& feld) const
{
    if (i < 0)
        return false;
    return GetFlag(Entry(i), feld);
}

bool CBelegtexte::SetFeldFlag(int i, const std::string& feld, bool on)
{
    if (i < 0)
        return false;
    return SetFlag(Entry(i), feld, on);
}
