// The XML documents: any bytes parse or leave an empty document; the typed
// getters, and the receipt-text catalogue, VAT-rate table, company record,
// country list and daily closes read from them, answer without failing,
// and a saved document reads back as the same bytes.
#include "FuzzEngines.h"

#include "core/CBelegtexte.h"
#include "core/CFirma.h"
#include "core/CKassenabschluesse.h"
#include "core/CLaender.h"
#include "core/CSteuersaetze.h"
#include "core/CXmlDokument.h"

#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace {

std::string Saved(const CXmlDokument& doc)
{
    std::ostringstream out;
    doc.SaveStream(out);
    return out.str();
}

// The VAT-rate table and the country list load from files only.
const std::string& TempFile()
{
    static const std::string path = "/tmp/kuvex-fuzz-xml-" + std::to_string(getpid()) + ".xml";
    return path;
}

void Getters(const CXmlDokument& doc)
{
    for (const char* path : {"Belege/Beleg[1]/Sort", "Firma/Name", "Settings/Files/History/File[2]",
                             "Steuersaetze/Steuersatz/Prozentsatz/Prozent", "a/b[999999999]/c", "/"}) {
        (void)doc.GetString(path, "x");
        (void)doc.GetInt(path, 7);
        (void)doc.GetDouble(path, 1.5);
        (void)doc.GetDatum(path, CDatum(86400));
        (void)doc.GetBetrag(path, CBetrag(12345));
        (void)doc.GetBool(path, true);
        (void)doc.GetFlag(path, "Inaktiv");
    }
}

void Katalog(const std::string& bytes)
{
    std::istringstream in(bytes);
    CBelegtexte katalog(in);
    if (!katalog.LoadOk())
        return;
    std::vector<std::string> liste;
    katalog.GetSelectionList(liste, 1);
    const int count = katalog.GetCount();
    // Entries are addressed as "Belege/Beleg[i]": under a root of another
    // name they are counted but cannot be read, found or removed.
    const bool lesbar = CXmlDokument::GetName(katalog.GetRoot()) == "Belege";
    for (int i = 0; i < count && i < 64; ++i) {
        const std::string text = katalog.GetBezeichnung(i);
        const int k = katalog.FindByBezeichnung(text);
        fuzz::Check(lesbar ? k >= 0 && k <= i : k == -1); // the first entry of that text
        (void)katalog.GetEinAus(i);
        (void)katalog.GetUStID(i);
        (void)katalog.IsSystem(i);
    }
    const std::string saved = Saved(katalog);
    std::istringstream again(saved);
    const CBelegtexte wieder(again);
    fuzz::Check(wieder.LoadOk() && wieder.GetCount() == count && Saved(wieder) == saved);
    if (count > 0 && lesbar) {
        katalog.SetBezeichnung(0, "Neu");
        fuzz::Check(katalog.FindByBezeichnung("Neu") == 0 || katalog.GetBezeichnung(0) != "Neu");
        katalog.RemoveEntry(0);
        fuzz::Check(katalog.GetCount() == count - 1);
    }
    katalog.AddEntry();
}

void Steuersaetze(const std::string& bytes)
{
    {
        std::ofstream out(TempFile(), std::ios::binary | std::ios::trunc);
        out << bytes;
    }
    const CSteuersaetze st(TempFile());
    std::vector<std::string> texte;
    std::vector<int> ids;
    st.GetSelectionList(&texte, &ids);
    for (std::size_t k = 0; k < ids.size() && k < 32; ++k) {
        (void)st.GetAnzeigeText(ids[k]);
        (void)st.GetGueltigAb(ids[k]);
        (void)st.GetLandKuerzel(ids[k]);
    }
    const CLaender laender(TempFile());
    for (int i = 0; i < laender.GetCount() && i < 32; ++i) {
        (void)laender.GetName(i);
        (void)laender.GetWaehrung(i);
    }
}

// The daily closes: what the strict reader accepts is written and read
// back as the same closes.
void Abschluesse(const std::string& bytes)
{
    CKassenabschluesse liste;
    if (!liste.Lesen(bytes, 1000))
        return;
    CKassenabschluesse wieder;
    fuzz::Check(wieder.Lesen(liste.Schreiben(), 1000) && wieder.Alle() == liste.Alle());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    CXmlDokument doc;
    if (doc.LoadStream(bytes)) {
        Getters(doc);
        const std::string saved = Saved(doc);
        CXmlDokument wieder;
        fuzz::Check(wieder.LoadStream(saved) && Saved(wieder) == saved);
    }
    Katalog(bytes);
    std::istringstream in(bytes);
    const CFirma firma(in);
    (void)firma.GetName();
    (void)firma.GetWaehrung();
    Steuersaetze(bytes);
    Abschluesse(bytes);
    return 0;
}
