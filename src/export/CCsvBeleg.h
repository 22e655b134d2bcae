#pragma once
// A row of "belegtexte.csv": one receipt text of the catalogue.
#include "export/CCsvRecord.h"

class CCsvBeleg : public CCsvRecord {
public:
    CCsvBeleg(int mandantId, int id, std::string bez, int einAus, int mwStSatzTypId)
        : m_mandantId(mandantId), m_id(id), m_bez(std::move(bez)), m_einAus(einAus), m_mwStSatzTypId(mwStSatzTypId)
    {
    }
    void Write(std::ostream& out, char separator) const override;

private:
    int m_mandantId;
    int m_id;
    std::string m_bez;
    int m_einAus;
    int m_mwStSatzTypId;
};
