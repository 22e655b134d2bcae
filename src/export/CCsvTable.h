#pragma once
// One export table: its column names (the header line) and its rows in
// the order they were added, with the client number, the cash-box number
// and the next running id that the rows take when they are added.
#include "export/CCsvFirma.h"

#include <iosfwd>
#include <memory>
#include <string>
#include <vector>

class CZipWriter;

class CCsvTable {
public:
    explicit CCsvTable(char separator = ';') : m_separator(separator) {}

    void AddColumn(const std::string& name) { m_columns.push_back(name); }
    int GetColumnCount() const { return static_cast<int>(m_columns.size()); }
    int GetRecordCount() const { return static_cast<int>(m_records.size()); }

    void SetMandantId(int id) { m_mandantId = id; }
    void SetNextId(int id) { m_nextId = id; }
    void SetKassenId(int id) { m_kassenId = id; }

    // Appends a booking row with the table's client, next id and cash box,
    // and returns the id it got.
    int AddBuchung(int vaterId, CDatum datum, const std::string& belegtextBez, const std::string& notiz,
                   CBetrag ein, CBetrag aus, const std::string& waehrungsKuerzel, CBetrag mwStSatzProz,
                   const std::string& mwStSatzLand);
    // Appends a receipt-text row with the table's client and next id.
    void AddBeleg(const std::string& bez, int einAus, int mwStSatzTypId);
    // The table's only row from now on.
    void SetFirma(CCsvFirmaWerte werte);
    void Clear() { m_records.clear(); }

    // The header line, then every row. Nothing here can fail.
    bool Write(std::ostream& out) const;

private:
    char m_separator;
    std::vector<std::string> m_columns;
    std::vector<std::unique_ptr<CCsvRecord>> m_records;
    int m_mandantId = 0;
    int m_nextId = 0;
    int m_kassenId = 0;
};

// The whole table as one deflated member of an open archive, stamped with
// the local time of now. False when the member could not be opened (the
// archive's own close reports anything later).
bool WriteTableToZip(CZipWriter& zip, const CCsvTable& table, const std::string& memberName,
                     const std::string& memberComment);
