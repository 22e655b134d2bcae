#pragma once
// Byte layout of "Protokoll.dat", the booking log of a cash book whose
// bookings are locked ("Buchungen festschreiben (GoBD)"). Integers are
// little-endian and strings are written as in "Buchungen.dat":
//
//   file   := magic:u32 ("KBPF") count:u32 anchor:byte[32] entry*count
//   entry  := nr:u32 time:i64 kind:u16 login:string ref:u32
//             length:u32 payload:byte*length hash:byte[32]
//   string := length:u16 byte*length
//
//   anchor   32 zero bytes, the "previous hash" of entry 1
//   nr       1, 2, 3, ... without gaps, in file order
//   time     capture time in seconds since 1970-01-01 00:00 UTC
//   kind     ProtokollArt (CProtokoll.h): 1 switch, 2 opening entry,
//            3 booking, 4 reversal, 5 daily close
//   login    the login name of whoever made the entry (at most 255 bytes)
//   ref      for a reversal the number of the booking it reverses, else 0
//   payload  switch: nothing; opening entry: the whole "Buchungen.dat" as
//            it stood at the switch; booking and reversal: the record's
//            bytes exactly as they stand in "Buchungen.dat"; daily close:
//            the close's own bytes
//   hash     SHA-256 over the 32 bytes right before the entry (the previous
//            entry's hash, or the anchor) followed by the entry from nr to
//            the end of its payload
//
// Since every hash follows the bytes it continues from, each entry's
// digest runs over one contiguous stretch of the file.
//
// A booking's number is its position in the journal plus one. The journal
// of a cash book with a log only grows: its first records are those of the
// opening entry, and record k after them is the k-th booking or reversal
// of the log.
#include <cstdint>

namespace protokoll_format {

// "KBPF" as the four bytes of a little-endian u32.
constexpr std::uint32_t kMagic = 0x4650424B;

constexpr int kHashSize = 32;
constexpr int kHeaderSize = 4 + 4 + kHashSize;
// An entry's bytes besides its login name and payload.
constexpr int kEntryFixedSize = 4 + 8 + 2 + 2 + 4 + 4 + kHashSize;
constexpr int kMaxLoginLength = 255;

// The largest log the program writes and the largest it reads. The log
// holds every booking's record once more, plus kEntryFixedSize and the
// login name: about 126 bytes for a real booking, so the bound carries the
// two million bookings "Buchungen.dat" holds. Held in memory are the bytes
// themselves and an index of 40 bytes per entry; the smallest entry has
// 56 bytes, so a crafted log at the bound takes at most 1.8 times its size.
constexpr std::uint64_t kMaxFileSize = std::uint64_t(256) << 20;

} // namespace protokoll_format
