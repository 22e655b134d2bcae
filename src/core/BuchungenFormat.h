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
// It is set by what the bytes can become in memory while a cash book is
// opened: the inflated member (held whole while it is read, in one buffer
// of its declared size) plus the journal built from it. Per byte of the
// file the journal takes, on a 64-bit build with glibc's heap:
//
//   record without lines   15 bytes -> 104 (the record itself)     6.9 x
//   line                   22 bytes ->  88 (lines reserved once)   4.0 x
//   text of 16 bytes       18 bytes ->  32 (heap block)            1.8 x
//   shorter texts live inside the record or line at no extra cost.
//
// The worst shape is a member of nothing but empty records. At 128 MiB
// that is 8.9 million records, 887 MiB of journal and, with the buffer,
// 1015 MiB at the peak: kMaxOpenMemory below, which a test measures from
// the allocator. Real bookings are far from that shape: a million
// generated ones take 66 MB in the file and 267 bytes each in memory, so
// the limit holds about two million bookings, years of a busy till. The
// earlier 256 MiB let a crafted member take 2.1 GB.
constexpr std::uint64_t kMaxFileSize = std::uint64_t(128) << 20;

// What opening the largest member of the worst shape may take at the peak.
constexpr std::uint64_t kMaxOpenMemory = std::uint64_t(1) << 30;

} // namespace buchungen_format
