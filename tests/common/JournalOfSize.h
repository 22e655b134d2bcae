#pragma once
// A journal whose "Buchungen.dat" is exactly a given number of bytes, made
// of few long texts so that even the largest file the program accepts is
// quick to build: one record, lines of two 32767-byte texts, and what is
// left over in the record's own texts.
#include "core/BuchungenFormat.h"
#include "core/CBuchungen.h"

#include <algorithm>
#include <cstdint>
#include <string>

inline CBuchungen JournalOfSize(std::uint64_t size)
{
    namespace fmt = buchungen_format;
    const std::uint64_t fullLine = fmt::kLineFixedSize + 2 * fmt::kMaxTextLength;
    std::uint64_t rest = size - fmt::kHeaderSize - fmt::kRecordFixedSize;
    std::uint64_t lines = rest / fullLine;
    std::uint64_t left = rest % fullLine;
    CBuchungen journal;
    const int i = journal.AddItem();
    journal.GetItem(i).Datum = CDatum(0);
    for (std::uint64_t n = 0; n < lines; ++n) {
        CBuchungszeile& z = journal.GetItem(i, journal.AddLine(i));
        z.Bezeichnung.assign(fmt::kMaxTextLength, 'b');
        z.Notiz.assign(fmt::kMaxTextLength, 'n');
    }
    // The record's two texts take up to 65534 bytes; one byte more than
    // that goes into a line of its own.
    if (left > 2u * fmt::kMaxTextLength) {
        CBuchungszeile& z = journal.GetItem(i, journal.AddLine(i));
        const std::uint64_t texts = left - fmt::kLineFixedSize;
        z.Bezeichnung.assign(std::min<std::uint64_t>(texts, fmt::kMaxTextLength), 'k');
        z.Notiz.assign(texts - z.Bezeichnung.size(), 'k');
        left = 0;
    }
    const std::uint64_t notiz = std::min<std::uint64_t>(left, fmt::kMaxTextLength);
    journal.GetItem(i).Notiz.assign(notiz, 'N');
    journal.GetItem(i).RgNr.assign(left - notiz, 'R');
    return journal;
}
