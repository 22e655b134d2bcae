// A whole cash-book file from bytes: it opens or is refused with a reason;
// one that opens runs the engines, saves, and the saved copy opens again
// with the same journal and the same verdict on its booking log.
//
// Mutated ZIP bytes rarely inflate, so the target brings its own mutator:
// it unpacks the members, lets libFuzzer mutate one of them, and packs
// them again, so the readers behind the archive see their own kind of
// damage.
#include "FuzzEngines.h"

#include "core/CBinStream.h"
#include "core/CBelegtexte.h"
#include "core/UserMessages.h"
#include "storage/CKassenbuch.h"

#include <minizip/unzip.h>
#include <minizip/zip.h>
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <algorithm>
#include <fstream>
#include <iterator>
#include <string>
#include <utility>
#include <vector>

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

using Mitglieder = std::vector<std::pair<std::string, std::string>>;

// The members of the archive in `datei`; false when it is no archive.
// Members are capped so a bomb cannot stall the mutator.
bool Entpacke(const std::string& datei, Mitglieder& mitglieder)
{
    unzFile unz = unzOpen64(datei.c_str());
    if (!unz)
        return false;
    for (int rc = unzGoToFirstFile(unz); rc == UNZ_OK && mitglieder.size() < 16; rc = unzGoToNextFile(unz)) {
        char name[256] = {};
        unz_file_info64 info{};
        if (unzGetCurrentFileInfo64(unz, &info, name, sizeof name, nullptr, 0, nullptr, 0) != UNZ_OK
            || unzOpenCurrentFile(unz) != UNZ_OK)
            break;
        std::string bytes(std::min<std::uint64_t>(info.uncompressed_size, 1 << 20), '\0');
        const int n = bytes.empty() ? 0 : unzReadCurrentFile(unz, bytes.data(), static_cast<unsigned>(bytes.size()));
        unzCloseCurrentFile(unz);
        bytes.resize(n > 0 ? static_cast<std::size_t>(n) : 0);
        mitglieder.emplace_back(name, std::move(bytes));
    }
    unzClose(unz);
    return !mitglieder.empty();
}

bool Packe(const std::string& datei, const Mitglieder& mitglieder)
{
    zipFile zip = zipOpen64(datei.c_str(), APPEND_STATUS_CREATE);
    if (!zip)
        return false;
    for (const auto& [name, bytes] : mitglieder) {
        zip_fileinfo info{};
        zipOpenNewFileInZip(zip, name.c_str(), &info, nullptr, 0, nullptr, 0, nullptr, Z_DEFLATED,
                            Z_DEFAULT_COMPRESSION);
        if (!bytes.empty())
            zipWriteInFileInZip(zip, bytes.data(), static_cast<unsigned>(bytes.size()));
        zipCloseFileInZip(zip);
    }
    return zipClose(zip, nullptr) == ZIP_OK;
}

std::string LiesDatei(const std::string& datei)
{
    std::ifstream in(datei, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

} // namespace

extern "C" std::size_t LLVMFuzzerMutate(std::uint8_t* data, std::size_t size, std::size_t maxSize);

extern "C" std::size_t LLVMFuzzerCustomMutator(std::uint8_t* data, std::size_t size, std::size_t maxSize,
                                               unsigned int seed)
{
    static const std::string datei = Pfad("m.kbx");
    {
        std::ofstream out(datei, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    }
    Mitglieder mitglieder;
    if (!Entpacke(datei, mitglieder))
        return LLVMFuzzerMutate(data, size, maxSize);
    // One member, by the seed: its bytes mutated with libFuzzer's own
    // mutations, within room for what the archive around it adds.
    std::string& bytes = mitglieder[seed % mitglieder.size()].second;
    const std::size_t alt = bytes.size();
    const std::size_t raum = std::max<std::size_t>(alt * 2, 64);
    bytes.resize(raum);
    bytes.resize(LLVMFuzzerMutate(reinterpret_cast<std::uint8_t*>(bytes.data()), alt, raum));
    std::remove(datei.c_str());
    if (!Packe(datei, mitglieder))
        return LLVMFuzzerMutate(data, size, maxSize);
    const std::string gepackt = LiesDatei(datei);
    if (gepackt.size() > maxSize)
        return LLVMFuzzerMutate(data, size, maxSize);
    std::copy(gepackt.begin(), gepackt.end(), data);
    return gepackt.size();
}

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
    fuzz::Check(wieder.IsGoBD() == kasse.IsGoBD() && wieder.IsNurLesen() == kasse.IsNurLesen());
    return 0;
}
