#include "core/CBelegtexte.h"

#include "core/Konvertierung.h"

#include <map>

const char* const CBelegtexte::LeeresDokument =
    "<?xml version=\"1.0\" encoding=\"iso-8859-1\" ?>\n<Belege></Belege>";

namespace {
const char* const AnfangsbestandText = "Anfangsbestand";
} // namespace

CBelegtexte::CBelegtexte() : CXmlDokument(LeeresDokument)
{
    AddDefaultEntry(AnfangsbestandText, 1, 100, System);
    AddDefaultEntry("Bankeinzahlung", -1, 100, nullptr);
    AddDefaultEntry("Bankauszahlung", 1, 100, nullptr);
    AddDefaultEntry("Betriebsbedarf", -1, 200, Statistik);
    AddDefaultEntry("Geringwertige Wirtschaftsg\xFC" "ter", -1, 200, Statistik);
    AddDefaultEntry("Porto", -1, 100, Statistik);
    AddDefaultEntry("Privatentnahme", -1, 100, Statistik);
    AddDefaultEntry("Verkauf", 1, 200, Statistik);
    AddDefaultEntry("Anlageinvestition", -1, 200, Statistik);
}

CBelegtexte::CBelegtexte(std::istream& in)
{
    m_loadOk = LoadStream(in);
}

void CBelegtexte::AddDefaultEntry(const char* bezeichnung, int einAus, int ustId, const char* flag)
{
    CXmlElement beleg = AddChild(GetRoot(), "Beleg");
    AddChild(beleg, Bezeichnung, bezeichnung);
    AddChild(beleg, Info);
    AddChild(beleg, EinAus, IntToText(einAus));
    AddChild(beleg, UStID, IntToText(ustId));
    AddChild(beleg, Sort);
    if (flag)
        AddChild(beleg, flag);
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
    CXmlElement root = GetRoot();
    return root ? CountChildren(root, "Beleg") : 0;
}

int CBelegtexte::AddEntry()
{
    CXmlElement root = GetRoot();
    if (!root)
        return -1;
    CXmlElement beleg = AddChild(root, "Beleg");
    AddChild(beleg, Bezeichnung, "Neue Buchung");
    AddChild(beleg, Info);
    AddChild(beleg, EinAus, "1");
    AddChild(beleg, UStID, "0");
    AddChild(beleg, Sort);
    return GetCount() - 1;
}

bool CBelegtexte::RemoveEntry(int i)
{
    // A negative index would read as entry 0 through the path text; it
    // names no entry, so it removes nothing.
    if (i < 0)
        return false;
    return RemoveAt(EntryPath(i));
}

int CBelegtexte::FindByBezeichnung(const std::string& text) const
{
    const int count = GetCount();
    for (int i = 0; i < count; ++i)
        if (GetBezeichnung(i) == text)
            return i;
    return -1;
}

void CBelegtexte::GetSelectionList(std::vector<std::string>& list, int flags) const
{
    // multimap::insert puts an equal key after the ones already there, which
    // keeps catalogue order within one sort key.
    std::multimap<int, std::string> sorted;
    const int count = GetCount();
    for (int i = 0; i < count; ++i) {
        if (IsInaktiv(i))
            continue;
        const std::string bezeichnung = GetBezeichnung(i);
        if (!(flags & 1) && IsSystem(i) && bezeichnung == AnfangsbestandText)
            continue;
        sorted.insert({GetSort(i), bezeichnung});
    }
    for (const auto& entry : sorted)
        list.push_back(entry.second);
}

std::string CBelegtexte::GetFeldText(int i, const std::string& feld) const
{
    if (i < 0)
        return std::string();
    return GetString(EntryPath(i) + "/" + feld);
}

bool CBelegtexte::SetFeldText(int i, const std::string& feld, const std::string& value)
{
    if (i < 0)
        return false;
    return SetString(EntryPath(i) + "/" + feld, value);
}

int CBelegtexte::GetFeldInt(int i, const std::string& feld) const
{
    if (i < 0)
        return 0;
    return GetInt(EntryPath(i) + "/" + feld);
}

bool CBelegtexte::SetFeldInt(int i, const std::string& feld, int value)
{
    if (i < 0)
        return false;
    return SetInt(EntryPath(i) + "/" + feld, value);
}

bool CBelegtexte::GetFeldFlag(int i, const std::string& feld) const
{
    if (i < 0)
        return false;
    return GetFlag(Find(EntryPath(i)), feld);
}

bool CBelegtexte::SetFeldFlag(int i, const std::string& feld, bool on)
{
    if (i < 0)
        return false;
    return SetFlag(Find(EntryPath(i)), feld, on);
}
