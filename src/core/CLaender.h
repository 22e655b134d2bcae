#pragma once
// The list of selectable countries with their currency codes, a data file
// shipped beside the program (root "Laender", one "Land" per country with
// "Name" and "Waehrung"). Read only; a missing or broken file is an empty list.
#include "core/CXmlDokument.h"

#include <string>

class CLaender : public CXmlDokument {
public:
    // Loads the file at path (the program folder joined with the value of
    // "Settings/Files/Laender").
    explicit CLaender(const std::string& path);

    int GetCount() const;
    // Fields of country i (0-based); "" when there is no such country.
    std::string GetName(int i) const;
    std::string GetWaehrung(int i) const;

private:
    std::string Feld(int i, const char* feld) const;
};
