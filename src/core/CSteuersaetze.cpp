#include "core/CSteuersaetze.h"

#include <map>

CSteuersaetze::CSteuersaetze(const std::string& path) : m_path(path)
{
    LoadFile(path);
    BuildIndex();
}

void CSteuersaetze::BuildIndex()
{
    m_index.clear();
    CXmlElement root = GetRoot();
    if (!root)
        return;
    for (CXmlElement rate : root.children("Steuersatz")) {
        if (rate.type() != pugi::node_element)
            continue;
        const int id = GetInt(rate, "Prozentsatz/Id", 0);
        m_index.emplace(id, rate); // keeps the first rate of a repeated id
    }
}

bool CSteuersaetze::SaveFile() const
{
    return SaveFile(m_path);
}

std::vector<int> CSteuersaetze::GetIds() const
{
    std::vector<int> ids;
    ids.reserve(m_index.size());
    for (const auto& entry : m_index)
        ids.push_back(entry.first);
    return ids;
}

CXmlElement CSteuersaetze::GetElement(int id) const
{
    const auto it = m_index.find(id);
    return it == m_index.end() ? CXmlElement() : it->second;
}

std::string CSteuersaetze::GetFeldText(int id, const std::string& feld) const
{
    return GetString(GetElement(id), feld);
}

int CSteuersaetze::GetFeldInt(int id, const std::string& feld) const
{
    return GetInt(GetElement(id), feld, 0);
}

bool CSteuersaetze::SetFeldInt(int id, const std::string& feld, int value)
{
    return SetInt(GetElement(id), feld, value);
}

bool CSteuersaetze::GetFeldFlag(int id, const std::string& feld) const
{
    return GetFlag(GetElement(id), feld);
}

bool CSteuersaetze::SetFeldFlag(int id, const std::string& feld, bool on)
{
    return SetFlag(GetElement(id), feld, on);
}

int CSteuersaetze::GetProzentsatzInt(int id, const std::string& feld) const
{
    return GetInt(GetElement(id), "Prozentsatz/" + feld, 0);
}

CDatum CSteuersaetze::GetProzentsatzDatum(int id, const std::string& feld) const
{
    return GetDatum(GetElement(id), "Prozentsatz/" + feld, CDatum());
}

CBetrag CSteuersaetze::GetProzentsatzBetrag(int id, const std::string& feld) const
{
    return GetBetrag(GetElement(id), "Prozentsatz/" + feld, CBetrag());
}

std::string CSteuersaetze::GetLandKuerzel(int id) const
{
    const std::string land = GetLand(id);
    if (land == "\xD6sterreich")
        return "A";
    if (land == "Schweiz")
        return "CH";
    return "DE";
}

std::string CSteuersaetze::GetAnzeigeText(int id) const
{
    return FormatBetragAnzeige(GetProzent(id)) + "% (" + GetBezeichnung(id) + ")";
}

std::vector<int> CSteuersaetze::GetIdsBySort(bool includeInactive) const
{
    // Walking the index gives ascending ids; multimap::insert keeps that
    // order within one sort key.
    std::multimap<int, int> bySort;
    for (const auto& entry : m_index) {
        if (!includeInactive && GetFlag(entry.second, "Inaktiv"))
            continue;
        bySort.insert({GetInt(entry.second, "Sort", 0), entry.first});
    }
    std::vector<int> ids;
    ids.reserve(bySort.size());
    for (const auto& entry : bySort)
        ids.push_back(entry.second);
    return ids;
}

void CSteuersaetze::GetSelectionList(std::vector<std::string>* texts, std::vector<int>* ids) const
{
    if (texts)
        texts->clear();
    if (ids)
        ids->clear();
    for (const int id : GetIdsBySort(false)) {
        if (texts)
            texts->push_back(GetAnzeigeText(id));
        if (ids)
            ids->push_back(id);
    }
}
