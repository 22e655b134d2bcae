#pragma once
// One row of an export table and the text forms of its fields. The rows
// hold plain copies of what they show, taken when the row was added, so a
// table never refers back to the cash book. Every line ends in CR LF; the
// bytes are the cash book's own Windows-1252 bytes.
#include "core/CBetrag.h"
#include "core/CDatum.h"

#include <iosfwd>
#include <string>

class CCsvRecord {
public:
    virtual ~CCsvRecord() = default;
    // The row's fields joined by separator, then CR LF.
    virtual void Write(std::ostream& out, char separator) const = 0;
};

// A text as is, or between double quotes (inner quotes doubled) when it
// holds a quote, the separator, CR or LF.
void WriteCsvField(std::ostream& out, const std::string& text, char separator);

namespace csv {

inline constexpr const char* ZeilenEnde = "\r\n";

std::string Zahl(int value);
// "-" for a negative amount, the whole part without grouping, and the
// fraction only when there is one, trailing zeros dropped: 7.6, -0.0005.
std::string Betrag(CBetrag value);
// The local calendar day as "%Y-%m-%d"; empty when the date has no local
// form.
std::string Datum(CDatum value);

} // namespace csv
