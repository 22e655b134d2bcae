#pragma once
// Layout of a ".kbx" cash-book file: a plain ZIP archive (deflate, no
// comments, no extra fields) holding three members, written in this order:
//
//   1. "Buchungen.dat"   the journal in its binary form
//   2. "Belegtexte.xml"  the receipt-text catalogue
//   3. "Firma.xml"       the company record
//
// Members are found by name without regard to letter case when reading, so
// archives written by other tools in another order still open.
#include <cstdint>

namespace kbx_format {

constexpr const char* kBuchungen = "Buchungen.dat";
constexpr const char* kBelegtexte = "Belegtexte.xml";
constexpr const char* kFirma = "Firma.xml";

constexpr int kMinEntries = 3;

// Upper bounds of what a member may inflate to. A booking takes well under
// 200 bytes, so 1 GiB holds several million bookings; the XML members are
// a few kilobytes in practice. Anything bigger is a damaged or hostile file
// and must not be allowed to eat the machine's memory.
constexpr std::uint64_t kMaxBuchungenBytes = std::uint64_t(1) << 30;
constexpr std::uint64_t kMaxXmlBytes = std::uint64_t(64) << 20;

} // namespace kbx_format
