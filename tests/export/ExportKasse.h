#pragma once
// A small cash book for the export tests: a VAT-rate table with a rate for
// each country rule, a catalogue with an inactive and a system text, a
// company in Austria and a journal whose records cover split bookings,
// quoting, amounts and the month boundary. Files live in a temporary folder.
#include "core/CBelegtexte.h"
#include "core/CBuchungen.h"
#include "core/CFirma.h"
#include "core/CSteuersaetze.h"
#include "export/CExporter.h"

#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <unistd.h>

namespace exportkasse {

// 16 % Deutschland (100), 7.6 % Schweiz (200), 20 % Österreich (300),
// 8 % "schweiz" in lower case (400).
inline const char* const kSteuersaetze =
    "<?xml version=\"1.0\" encoding=\"iso-8859-1\" ?>\n<Steuersaetze>"
    "<Steuersatz><Bezeichnung>voll</Bezeichnung><Land>Deutschland</Land><Prozentsatz><Id>100</Id>"
    "<Prozent>16,0000</Prozent></Prozentsatz></Steuersatz>"
    "<Steuersatz><Bezeichnung>CH</Bezeichnung><Land>Schweiz</Land><Prozentsatz><Id>200</Id>"
    "<Prozent>7,6000</Prozent></Prozentsatz></Steuersatz>"
    "<Steuersatz><Bezeichnung>AT</Bezeichnung><Land>\xD6sterreich</Land><Prozentsatz><Id>300</Id>"
    "<Prozent>20,0000</Prozent></Prozentsatz></Steuersatz>"
    "<Steuersatz><Bezeichnung>klein</Bezeichnung><Land>schweiz</Land><Prozentsatz><Id>400</Id>"
    "<Prozent>8,0000</Prozent></Prozentsatz></Steuersatz></Steuersaetze>\n";

inline const char* const kBelegtexte =
    "<?xml version=\"1.0\" encoding=\"iso-8859-1\" ?>\n<Belege>"
    "<Beleg><Bezeichnung>Verkauf</Bezeichnung><EinAus>1</EinAus><UStID>100</UStID></Beleg>"
    "<Beleg><Bezeichnung>Alt; \"x\"</Bezeichnung><EinAus>-1</EinAus><UStID>200</UStID><Inaktiv/></Beleg>"
    "<Beleg><Bezeichnung>Anfangsbestand</Bezeichnung><System/></Beleg></Belege>";

inline CBuchungszeile Zeile(const char* text, std::int64_t ein, std::int64_t aus, std::int16_t ust,
                            const char* notiz = "")
{
    CBuchungszeile z;
    z.Bezeichnung = text;
    z.Notiz = notiz;
    z.Einnahme = CBetrag(ein);
    z.Ausgabe = CBetrag(aus);
    z.UStID = ust;
    return z;
}

class Kasse {
public:
    Kasse()
    {
        m_ordner = std::filesystem::temp_directory_path()
                   / ("kuvex-export-test-" + std::to_string(::getpid()) + "-" + std::to_string(++Zaehler()));
        std::filesystem::remove_all(m_ordner);
        std::filesystem::create_directories(m_ordner);
        std::ofstream(m_ordner / "steuersaetze.xml", std::ios::binary) << kSteuersaetze;
        steuersaetze = std::make_unique<CSteuersaetze>((m_ordner / "steuersaetze.xml").string());
        std::istringstream belege(kBelegtexte);
        belegtexte = std::make_unique<CBelegtexte>(belege);
        firma.SetName("M\xFCller & S\xF6hne\r\nFiliale");
        firma.SetKurzbezeichnung("Nord/S\xFC" "d Kasse");
        firma.SetStrasse("Hauptstra\xDF" "e 1");
        firma.SetPLZ("1010");
        firma.SetOrt("Wien");
        firma.SetLand("\xD6sterreich");

        werte.MandantId = 42;
        werte.KassenNr = 3;
        werte.KassenBezeichnung = "Kasse; \"Nord\"";
        werte.Year = 2004;
        werte.Month = 3;
    }
    ~Kasse()
    {
        std::error_code ec;
        std::filesystem::remove_all(m_ordner, ec);
    }

    // The journal of the byte tests, in this insertion order.
    void FuelleJournal()
    {
        Satz(CDatum::FromLocal(2004, 3, 31, 23, 59, 59), false, "", {Zeile("Verkauf", 1000000, 0, 100, "mit ; Semikolon")});
        Satz(CDatum::FromYMD(2004, 3, 5), true, "Markt \"Nord\"",
             {Zeile("Verkauf", 125000, 0, 200), Zeile("Porto", 0, 76000, 300, "Zeile1\r\nZeile2"),
              Zeile("Rundung", 0, 5, 400)});
        Satz(CDatum::FromYMD(2004, 4, 1), false, "", {Zeile("Verkauf", 990000, 0, 100, "April")});
        Satz(CDatum::FromYMD(2004, 3, 10), true, "leer", {});
        Satz(CDatum::FromYMD(2004, 1, 15), false, "Satznotiz", {Zeile("Bankeinzahlung", -5, 0, 999)});
    }
    int Satz(CDatum datum, bool aufteilung, const char* notiz, std::vector<CBuchungszeile> zeilen)
    {
        const int i = journal.AddItem();
        CBuchungssatz& s = journal.GetItem(i);
        s.Datum = datum;
        s.Aufteilung = aufteilung;
        s.Notiz = notiz;
        s.Zeilen = std::move(zeilen);
        return i;
    }

    CExportDaten Daten() const { return {&journal, belegtexte.get(), &firma, steuersaetze.get(), CDatum()}; }
    const std::filesystem::path& Ordner() const { return m_ordner; }

    CBuchungen journal;
    std::unique_ptr<CBelegtexte> belegtexte;
    CFirma firma;
    std::unique_ptr<CSteuersaetze> steuersaetze;
    CExportWerte werte;

private:
    static int& Zaehler()
    {
        static int n = 0;
        return n;
    }
    std::filesystem::path m_ordner;
};

} // namespace exportkasse
