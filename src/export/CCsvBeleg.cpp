#include "export/CCsvBeleg.h"

#include <ostream>

void CCsvBeleg::Write(std::ostream& out, char separator) const
{
    out << csv::Zahl(m_mandantId) << separator << csv::Zahl(m_id) << separator;
    WriteCsvField(out, m_bez, separator);
    out << separator << csv::Zahl(m_einAus) << separator << csv::Zahl(m_mwStSatzTypId) << csv::ZeilenEnde;
}
