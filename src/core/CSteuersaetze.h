#pragma once
// The VAT-rate table shared by all cash books: a data file beside the
// program with one "Steuersatz" per rate, looked up by the id of its first
// "Prozentsatz". The id index is built once at load time; when two rates
// carry the same id the first one wins. The VAT-rate dialog changes only
// "Sort" and "Inaktiv" and then writes the table back to its file.
#include "core/CXmlDokument.h"

#include <map>
#include <string>
#include <vector>

class CSteuersaetze : public CXmlDokument {
public:
    // Loads the file at path (program folder joined with the value of
    // "Settings/Files/Steuersatz"). A missing or broken file gives an
    // empty table.
    explicit CSteuersaetze(const std::string& path);

    const std::string& GetPath() const { return m_path; }
    using CXmlDokument::SaveFile;
    // Writes the table back to the file it was loaded from.
    bool SaveFile() const;

    // All ids of the table in ascending order.
    std::vector<int> GetIds() const;
    bool Contains(int id) const { return m_index.count(id) != 0; }
    // The rate's "Steuersatz" element, or none for an unknown id.
    CXmlElement GetElement(int id) const;

    // Field access relative to the rate's element; an unknown id answers
    // the defaults ("", 0, no date, flag absent) and changes nothing.
    std::string GetFeldText(int id, const std::string& feld) const;
    int GetFeldInt(int id, const std::string& feld) const;
    bool SetFeldInt(int id, const std::string& feld, int value);
    bool GetFeldFlag(int id, const std::string& feld) const;
    bool SetFeldFlag(int id, const std::string& feld, bool on);
    // Fields of the first "Prozentsatz" of the rate ("Id", "GueltigAb", "Prozent").
    int GetProzentsatzInt(int id, const std::string& feld) const;
    CDatum GetProzentsatzDatum(int id, const std::string& feld) const;
    CBetrag GetProzentsatzBetrag(int id, const std::string& feld) const;

    std::string GetBezeichnung(int id) const { return GetFeldText(id, "Bezeichnung"); }
    std::string GetLand(int id) const { return GetFeldText(id, "Land"); }
    int GetSort(int id) const { return GetFeldInt(id, "Sort"); }
    bool SetSort(int id, int sort) { return SetFeldInt(id, "Sort", sort); }
    bool IsInaktiv(int id) const { return GetFeldFlag(id, "Inaktiv"); }
    bool SetInaktiv(int id, bool on) { return SetFeldFlag(id, "Inaktiv", on); }
    CBetrag GetProzent(int id) const { return GetProzentsatzBetrag(id, "Prozent"); }
    CDatum GetGueltigAb(int id) const { return GetProzentsatzDatum(id, "GueltigAb"); }

    // "A" for "Österreich", "CH" for "Schweiz", "DE" for anything else.
    std::string GetLandKuerzel(int id) const;
    // "19,00% (Bezeichnung)".
    std::string GetAnzeigeText(int id) const;

    // Ids ordered by "Sort", equal keys by ascending id; inactive rates
    // left out unless includeInactive.
    std::vector<int> GetIdsBySort(bool includeInactive) const;
    // The active rates for the grids' VAT column: display texts and ids in
    // parallel (either may be null); both lists are emptied first.
    void GetSelectionList(std::vector<std::string>* texts, std::vector<int>* ids) const;

private:
    void BuildIndex();

    std::string m_path;
    std::map<int, CXmlElement> m_index;
};
