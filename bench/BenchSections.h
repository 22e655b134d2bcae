#pragma once
// One function per benchmark section; BenchMain calls them in order. A new
// section is a .cpp file in this folder plus one line here and one in main.

// The booking journal: 200,000 bookings written and read as "Buchungen.dat",
// and a month's sum over the journal against a plain loop over flat arrays.
void BenchBuchungen();

// The cash-book file: Save and Open of 200,000 bookings against zlib's raw
// deflate and inflate of the same bytes.
void BenchKassenbuch();

// The booking list's period query for the busiest month of 200,000
// generated bookings, against a bare walk over the journal.
void BenchListe();

// The booking list grid switched to the busiest month of 200,000 generated
// bookings, against the engine's period query for that month.
void BenchListeGrid();

// The receipt-text catalogue at 100,000 entries: load, list and one booking.
void BenchKatalog();
// The cash report's lines, the statistics and the monthly overview for the
// busiest month of 200,000 generated bookings, and the cash report's PDF.
void BenchBerichte();
// The existing export (archive of three tables) and the DATEV booking
// batch of the busiest month of 200,000 generated bookings, each written.
void BenchExport();
// A daily close of the last day of 200,000 generated bookings, fixed and
// closed day by day before: sheet, checks, difference booking, record and
// log entry.
void BenchAbschluss();

// Locked bookings at 200,000 bookings: save with the log against deflating
// every member, open with the chain check against inflating every member
// and one SHA-256 over the same bytes.
void BenchProtokoll();
