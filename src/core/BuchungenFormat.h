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

} // namespace buchungen_format
