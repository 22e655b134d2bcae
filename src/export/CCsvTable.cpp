#include "export/CCsvTable.h"

#include "export/CCsvBeleg.h"
#include "export/CCsvBuchung.h"
#include "storage/CZipWriter.h"

#include <ostream>
#include <sstream>

int CCsvTable::AddBuchung(int vaterId, CDatum datum, const std::string& belegtextBez, const std::string& notiz,
                          CBetrag ein, CBetrag aus, const std::string& waehrungsKuerzel, CBetrag mwStSatzProz,
                          const std::string& mwStSatzLand)
{
    const int id = m_nextId++;
    m_records.push_back(std::make_unique<CCsvBuchung>(CCsvBuchungWerte{
        m_mandantId, id, m_kassenId, vaterId, datum, belegtextBez, notiz, ein, aus, waehrungsKuerzel,
        mwStSatzProz, mwStSatzLand}));
    return id;
}

void CCsvTable::AddBeleg(const std::string& bez, int einAus, int mwStSatzTypId)
{
    m_records.push_back(std::make_unique<CCsvBeleg>(m_mandantId, m_nextId++, bez, einAus, mwStSatzTypId));
}

void CCsvTable::SetFirma(CCsvFirmaWerte werte)
{
    m_records.clear();
    m_records.push_back(std::make_unique<CCsvFirma>(std::move(werte)));
}

bool CCsvTable::Write(std::ostream& out) const
{
    for (std::size_t i = 0; i < m_columns.size(); ++i) {
        if (i)
            out << m_separator;
        WriteCsvField(out, m_columns[i], m_separator);
    }
    out << csv::ZeilenEnde;
    for (const auto& record : m_records)
        record->Write(out, m_separator);
    return true;
}

bool WriteTableToZip(CZipWriter& zip, const CCsvTable& table, const std::string& memberName,
                     const std::string& memberComment)
{
    std::ostringstream bytes;
    table.Write(bytes);
    return zip.AddMember(memberName, bytes.str(), CZipWriter::Now(), memberComment);
}
