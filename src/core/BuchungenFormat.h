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
// It is set by what the bytes become in memory. Measured with kuvex-cli:
// a million generated bookings take 66 MB in the file and 337 MB at the
// peak of opening them (the inflated member held while it is read, plus
// about 267 bytes per booking in the journal: record, line and their short
// texts with the heap's own overhead), about five times the file. At
// 256 MiB that is roughly four million bookings, a decade of a busy till,
// and about 1.3 GB at the peak; twice the limit would ask for more memory
// than the machines this runs on can spare for one cash book.
constexpr std::uint64_t kMaxFileSize = std::uint64_t(256) << 20;

} // namespace buchungen_format
