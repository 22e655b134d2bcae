// The bookings member reader: any bytes either read as a journal or are
// refused, and a journal that was read writes back as the bytes it came
// from, then the engines run over it.
#include "FuzzEngines.h"

#include "core/CBinStream.h"
#include "core/CFehler.h"

#include <cstddef>
#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    CBinStream in(bytes);
    CBuchungen journal;
    std::string error;
    if (!journal.Read(in, &error)) {
        fuzz::Check(!error.empty());
        return 0;
    }
    // Every record read keeps its bytes: the written form is exactly the
    // part of the input the reader consumed.
    CBinStream out;
    try {
        fuzz::Check(journal.Write(out));
        fuzz::Check(out.Bytes() == bytes.substr(0, in.Position()));
        fuzz::Check(journal.FileSize() == out.Bytes().size());
    } catch (const CFehler&) {
        fuzz::Check(false); // what was read always fits the file again
    }
    static const CBelegtexte katalog;
    fuzz::RunEngines(journal, nullptr, katalog);
    return 0;
}
