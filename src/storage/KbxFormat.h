#pragma once
// Layout of a ".kbx" cash-book file: a plain ZIP archive (deflate, no
// comments, no extra fields) holding three members, written in this order:
//
//   1. "Buchungen.dat"   the journal in its binary form
//   2. "Belegtexte.xml"  the receipt-text catalogue
//   3. "Firma.xml"       the company record
//   4. "Protokoll.dat"   the booking log, only when the bookings are locked
//                        (GoBD; see ProtokollFormat.h)
//   5. "Kassenabschluesse.xml"  the daily closes (core/CKassenabschluesse.h),
//                        only once a day has been closed; a file without it
//                        has no closes
//
// Members are found by name without regard to letter case when reading, so
// archives written by other tools in another order still open.
#include <cstdint>

namespace kbx_format {

constexpr const char* kBuchungen = "Buchungen.dat";
constexpr const char* kBelegtexte = "Belegtexte.xml";
constexpr const char* kFirma = "Firma.xml";
constexpr const char* kProtokoll = "Protokoll.dat";
constexpr const char* kKassenabschluesse = "Kassenabschluesse.xml";

constexpr int kMinEntries = 3;

// Upper bounds of what a member may inflate to. Anything bigger is a
// damaged or hostile file and must not be allowed to eat the machine's
// memory. The journal's bound is buchungen_format::kMaxFileSize, which the
// save keeps to as well. Receipt texts and the company record are a few
// kilobytes in practice; 16 MiB of XML is tens of thousands of entries.
constexpr std::uint64_t kMaxXmlBytes = std::uint64_t(16) << 20;

} // namespace kbx_format
