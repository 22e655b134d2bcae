#pragma once
// Where one prepared line of a printed report goes: its page (from 1), its
// row on that page (from 0) and what kind of line it is. Each report's
// line record adds its own fields; the kinds are the report's.
struct CReportLine {
    int Seite = 1;
    int Reihe = 0;
    int Art = 0;
};
