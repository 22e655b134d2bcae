// The booking log reader: any bytes read as a log or name the first bad
// entry, never crash and never take more than the bytes allow. A log that
// reads as sound reads the same again from its own bytes, takes one more
// entry, and its report lines are made.
#include "FuzzEngines.h"

#include "core/CFehler.h"
#include "reports/CProtokollZeilen.h"
#include "storage/CProtokoll.h"

#include <cstddef>
#include <cstdint>
#include <limits>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    CProtokoll log(bytes);
    CProtokollZeilen zeilen;
    zeilen.Baue(log, std::numeric_limits<std::int64_t>::min(), std::numeric_limits<std::int64_t>::max());
    fuzz::Check(static_cast<int>(zeilen.Zeilen().size()) == log.GetCount());
    if (!log.IstInOrdnung()) {
        fuzz::Check(log.Fehler().Nr >= 1 && log.Fehler().Nr <= static_cast<std::uint32_t>(log.GetCount()) + 1);
        fuzz::Check(!log.Fehler().Grund.empty());
        return 0;
    }
    fuzz::Check(log.Bytes() == bytes);
    const CProtokoll wieder(log.Bytes());
    fuzz::Check(wieder.IstInOrdnung() && wieder.LetzterHash() == log.LetzterHash());
    try {
        log.Anfuegen(ProtokollArt::Tagesabschluss, "Abschluss", 1, "fuzz");
        const CProtokoll laenger(log.Bytes());
        fuzz::Check(laenger.IstInOrdnung() && laenger.GetCount() == wieder.GetCount() + 1);
    } catch (const CFehler&) {
        // Only a log at its size limit refuses a daily close.
        fuzz::Check(log.Bytes().size() == bytes.size());
    }
    return 0;
}
