// A whole cash-book file from bytes: it opens or is refused with a reason;
// one that opens runs the engines, saves, and the saved copy opens again
// with the same journal.
#include "FuzzEngines.h"

#include "core/CBinStream.h"
#include "core/CBelegtexte.h"
#include "core/UserMessages.h"
#include "storage/CKassenbuch.h"

#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <string>

namespace {

class StilleMeldungen : public UserMessages {
public:
    Answer Show(const std::string&, Icon, Buttons, const std::string&) override { return Answer::Ok; }
    void ShowSystemError(int) override {}
};

std::string Pfad(const char* name)
{
    return "/tmp/kuvex-fuzz-" + std::to_string(getpid()) + "-" + name;
}

std::string JournalBytes(const CBuchungen& journal)
{
    CBinStream out;
    journal.Write(out);
    return out.TakeBytes();
}

const CSteuersaetze& Steuersaetze()
{
    static const CSteuersaetze st(KUVEX_SOURCE_DIR "/data/steuersaetze.xml");
    return st;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const std::string datei = Pfad("a.kbx");
    static const std::string kopie = Pfad("b.kbx");
    {
        std::ofstream out(datei, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    }
    StilleMeldungen meldungen;
    CKassenbuch kasse(meldungen);
    if (!kasse.Open(datei)) {
        fuzz::Check(!kasse.LastError().empty() || !kasse.IsValid());
        return 0;
    }
    fuzz::RunEngines(*kasse.GetBuchungen(), &Steuersaetze(), *kasse.GetBelegtexte());
    std::vector<std::string> auswahl;
    kasse.GetBelegtexte()->GetSelectionList(auswahl, 0);

    // What the program opened it can save, and what it saved opens again.
    std::remove(kopie.c_str());
    fuzz::Check(kasse.SaveCopy(kopie));
    CKassenbuch wieder(meldungen);
    fuzz::Check(wieder.Open(kopie));
    fuzz::Check(JournalBytes(*wieder.GetBuchungen()) == JournalBytes(*kasse.GetBuchungen()));
    fuzz::Check(wieder.GetBelegtexte()->GetCount() == kasse.GetBelegtexte()->GetCount());
    return 0;
}
