#pragma once
// Byte layout of "Buchungen.dat", the journal's member of the cash-book
// file. All integers are little-endian, with no padding, version or checksum:
//
//   file    := magic:u32 ("KBBF") count:u32 record*count
//   record  := Datum:i64 Notiz:string RgNr:string Aufteilung:bool
//              lines:u16 line*lines          (Notiz comes before RgNr!)
//   line    := Bezeichnung:string Notiz:string Einnahme:i64 Ausgabe:i64
//              UStID:u16
//   string  := length:u16 byte*length        (Windows-1252, no terminator)
//   bool    := one byte, 0 or 1
//
// Lengths and line counts are read back as signed 16-bit values, so
// anything above 32767 cannot be stored.
#include <cstdint>

namespace buchungen_format {

// "KBBF" as the four bytes of a little-endian u32.
constexpr std::uint32_t kMagic = 0x4642424B;

constexpr int kHeaderSize = 8;      // magic + record count
constexpr int kMaxTextLength = 32767;
constexpr int kMaxLineCount = 32767;

// Fixed bytes of a record and of a line besides their strings' contents.
constexpr int kRecordFixedSize = 8 + 2 + 2 + 1 + 2;
constexpr int kLineFixedSize = 2 + 2 + 8 + 8 + 2;

// The largest "Buchungen.dat" the program writes, and the largest it reads:
// the save, the generators and the reader all use this one number, so that
// every cash book the program has saved opens again.
//
// It is set by what the bytes become in memory. A generated booking takes
// about 67 bytes in the file and about 210 in the journal (record and line
// with their short texts, the line's own heap block included), roughly
// threefold; opening also holds the inflated member while it is read. At
// 256 MiB that is about 1 GiB at the peak for four million bookings,
// which is a decade of a busy till, so no real cash book comes near it.
// Going higher would let one file take more memory than the machines this
// runs on can spare.
constexpr std::uint64_t kMaxFileSize = std::uint64_t(256) << 20;

} // namespace buchungen_format
