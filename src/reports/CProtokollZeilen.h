#pragma once
// The booking log's lines for a period, apart from any drawing: one row per
// entry captured in the period, with what the entry itself holds (a
// booking's date, text and amount are read from the entry's own bytes, so
// the report shows the log even where the journal was changed). The
// preview, the PDF and `kuvex-cli protokoll` all print from here.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "reports/CReportLine.h"

class CProtokoll;

class CProtokollZeilen {
public:
    enum Spalte { Nr, Erfasst, Art, Buchung, Datum, Text, Betrag, StornoZu, Hash, Spalten };

    struct Zeile : CReportLine {
        std::array<std::string, Spalten> Texte;   // Windows-1252
    };

    static const std::array<const char*, Spalten>& Spaltenkoepfe();

    // Entries captured from `von` to `bis` (UTC seconds, both included).
    void Baue(const CProtokoll& log, std::int64_t von, std::int64_t bis, int zeilenProSeite = 30);

    const std::vector<Zeile>& Zeilen() const { return m_zeilen; }
    int Seiten() const { return m_seiten; }

    // "Protokoll Nr. 1234 · a1b2c3d4e5f60718": the last entry and the start
    // of its hash, the anchor a printed page keeps outside the file.
    static std::string Anker(const CProtokoll& log);

private:
    std::vector<Zeile> m_zeilen;
    int m_seiten = 1;
};
