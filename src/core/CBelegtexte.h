#pragma once
// The receipt-text catalogue of a cash book ("Belegtexte.xml"): one "Beleg"
// per text, addressed by its 0-based position, each with its description,
// direction, VAT-rate id, sort key and the flags "Inaktiv", "Statistik" and
// "System". A new cash book starts with the default catalogue.
//
// The entries' elements are kept in an index (and their descriptions in a
// second one), built on first use after a load or a removal, so that the
// entry grid, the lists and the reports reach entry i without walking the
// document from its start each time. Entries are added and removed through
// AddEntry and RemoveEntry (or the document's own RemoveAt); both indexes
// follow those.
#include "core/CXmlDokument.h"

#include <iosfwd>
#include <string>
#include <unordered_map>
#include <vector>

class CBelegtexte : public CXmlDokument {
public:
    // Element names of the fields of an entry.
    static constexpr const char* Bezeichnung = "Bezeichnung";
    static constexpr const char* Info = "Info";
    static constexpr const char* EinAus = "EinAus";
    static constexpr const char* UStID = "UStID";
    static constexpr const char* Sort = "Sort";
    static constexpr const char* Inaktiv = "Inaktiv";
    static constexpr const char* Statistik = "Statistik";
    static constexpr const char* System = "System";
    // The adviser's contra account and an optional DATEV tax key; files
    // written before they existed lack both and read as empty.
    static constexpr const char* Konto = "Konto";
    static constexpr const char* BU = "BU";

    static const char* const LeeresDokument;

    // The most entries a catalogue holds. No till has anywhere near this
    // many texts; a member with more is damaged or made to keep the entry
    // grid busy, and is refused at open like any other damaged member.
    static constexpr int kMaxEntries = 100000;

    // The default catalogue of a new cash book, with the accounts of the
    // chart of accounts skr (3: SKR03, 4: SKR04).
    explicit CBelegtexte(int skr = 3);
    // "Belegtexte.xml" of an opened cash book; when it cannot be parsed the
    // document is empty (GetRoot() is none) and LoadOk() is false. A
    // catalogue of more than kMaxEntries entries is not LoadOk() either.
    explicit CBelegtexte(std::istream& in);

    bool LoadOk() const { return m_loadOk; }

    int GetCount() const;
    // Appends "Neue Buchung" (receipt, VAT id 0) and returns its index, or
    // -1 when the document has no root or already holds kMaxEntries
    // entries (a catalogue saved with more would not open again).
    int AddEntry();
    bool RemoveEntry(int i);
    // Index of the first entry with exactly this description, or -1.
    int FindByBezeichnung(const std::string& text) const;

    // Appends the descriptions offered by the entry grid: active entries
    // by ascending "Sort", equal keys in catalogue order. The opening
    // balance (system text "Anfangsbestand") only when bit 0 of flags is set.
    void GetSelectionList(std::vector<std::string>& list, int flags) const;

    // Field access by entry index and field name; a missing entry or field
    // answers "" / 0 / false and cannot be set.
    std::string GetFeldText(int i, const std::string& feld) const;
    bool SetFeldText(int i, const std::string& feld, const std::string& value);
    int GetFeldInt(int i, const std::string& feld) const;
    bool SetFeldInt(int i, const std::string& feld, int value);
    bool GetFeldFlag(int i, const std::string& feld) const;
    bool SetFeldFlag(int i, const std::string& feld, bool on);

    std::string GetBezeichnung(int i) const { return GetFeldText(i, Bezeichnung); }
    bool SetBezeichnung(int i, const std::string& v) { return SetFeldText(i, Bezeichnung, v); }
    std::string GetInfo(int i) const { return GetFeldText(i, Info); }
    bool SetInfo(int i, const std::string& v) { return SetFeldText(i, Info, v); }
    int GetEinAus(int i) const { return GetFeldInt(i, EinAus); }
    bool SetEinAus(int i, int v) { return SetFeldInt(i, EinAus, v); }
    int GetUStID(int i) const { return GetFeldInt(i, UStID); }
    bool SetUStID(int i, int v) { return SetFeldInt(i, UStID, v); }
    int GetSort(int i) const { return GetFeldInt(i, Sort); }
    bool SetSort(int i, int v) { return SetFeldInt(i, Sort, v); }
    bool IsInaktiv(int i) const { return GetFeldFlag(i, Inaktiv); }
    bool SetInaktiv(int i, bool on) { return SetFeldFlag(i, Inaktiv, on); }
    bool IsStatistik(int i) const { return GetFeldFlag(i, Statistik); }
    bool SetStatistik(int i, bool on) { return SetFeldFlag(i, Statistik, on); }
    bool IsSystem(int i) const { return GetFeldFlag(i, System); }
    bool SetSystem(int i, bool on) { return SetFeldFlag(i, System, on); }

    // Digits, or "" when the entry has none (also in an older file).
    std::string GetKonto(int i) const { return GetFeldText(i, Konto); }
    std::string GetBU(int i) const { return GetFeldText(i, BU); }
    // Add the element when an older entry lacks it.
    bool SetKonto(int i, const std::string& v) { return SetOderErgaenze(i, Konto, v); }
    bool SetBU(int i, const std::string& v) { return SetOderErgaenze(i, BU, v); }

    // The account the default catalogue gives its entry i in chart skr
    // ("" for another index).
    static const char* StandardKonto(int i, int skr);

    // "Belege/Beleg" for entry 0, "Belege/Beleg[i]" after it.
    static std::string EntryPath(int i);

private:
    void AddDefaultEntry(const char* bezeichnung, int einAus, int ustId, const char* flag, const char* konto);
    bool SetOderErgaenze(int i, const char* feld, const std::string& value);
    void ContentChanged() override;
    // The element of entry i, or none.
    CXmlElement Entry(int i) const;
    const std::vector<CXmlElement>& Entries() const;

    bool m_loadOk = true;
    // "Beleg" children of the root, in order; valid while m_entriesValid.
    mutable std::vector<CXmlElement> m_entries;
    mutable int m_count = 0;
    mutable bool m_entriesValid = false;
    // Description -> index of its first entry; valid while m_namesValid.
    mutable std::unordered_map<std::string, int> m_byName;
    mutable bool m_namesValid = false;
};
