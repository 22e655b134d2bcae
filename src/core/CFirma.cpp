#include "core/CFirma.h"

const char* const CFirma::Vorlage =
    "<?xml version=\"1.0\" encoding=\"iso-8859-1\" ?>\n<Firma>\n<Name></Name> <Vorname></Vorname> "
    "<Nachname></Nachname> <Kurzbezeichnung></Kurzbezeichnung> <Strasse></Strasse> <PLZ></PLZ> "
    "<Ort></Ort> <Land>Deutschland</Land> <Waehrung>EUR</Waehrung> </Firma>";

CFirma::CFirma() : CXmlDokument(Vorlage) {}

CFirma::CFirma(std::istream& in)
{
    m_loadOk = LoadStream(in);
}

std::string CFirma::GetName() const
{
    return DecodeName(GetString("Firma/Name"));
}

bool CFirma::SetName(const std::string& name)
{
    return SetString("Firma/Name", EncodeName(name));
}

bool CFirma::SetKassenkonto(const std::string& konto)
{
    if (SetString("Firma/Kassenkonto", konto))
        return true;
    const CXmlElement root = GetRoot();
    if (!root || CXmlDokument::GetName(root) != "Firma" || Find("Kassenkonto", root))
        return false;
    return static_cast<bool>(AddChild(root, "Kassenkonto", konto));
}

std::string CFirma::EncodeName(const std::string& name)
{
    std::string stored;
    stored.reserve(name.size() + 8);
    for (const char c : name) {
        if (c == '\n')
            stored += "\\n";
        else if (c == '\r')
            stored += "\\r";
        else
            stored += c;
    }
    return stored;
}

std::string CFirma::DecodeName(const std::string& stored)
{
    std::string name;
    name.reserve(stored.size());
    for (std::size_t i = 0; i < stored.size(); ++i) {
        if (stored[i] == '\\' && i + 1 < stored.size()) {
            if (stored[i + 1] == 'n') {
                name += '\n';
                ++i;
                continue;
            }
            if (stored[i + 1] == 'r') {
                name += '\r';
                ++i;
                continue;
            }
        }
        name += stored[i];
    }
    return name;
}
