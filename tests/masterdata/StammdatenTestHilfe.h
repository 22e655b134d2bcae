#pragma once
// What the receipt-text and VAT-rate dialog tests share: a small VAT-rate
// file, a data access with a default catalogue and that table, and the
// clicks the user makes on rows and buttons.
#include "common/CDatenZugriff.h"
#include "core/CBelegtexte.h"
#include "core/CSteuersaetze.h"
#include "widgets/grid/CGridCtrl.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QTest>

#include <fstream>
#include <memory>
#include <sstream>
#include <string>

namespace stammdaten {

inline std::string Satz(const char* name, const char* land, int sort, int id, const char* prozent,
                        const char* ab, bool inaktiv = false)
{
    return std::string("<Steuersatz><Bezeichnung>") + name + "</Bezeichnung><Land>" + land + "</Land><Sort>"
        + std::to_string(sort) + "</Sort>" + (inaktiv ? "<Inaktiv/>" : "") + "<Prozentsatz><Id>"
        + std::to_string(id) + "</Id><Prozent>" + prozent + "</Prozent><GueltigAb>" + ab
        + "</GueltigAb></Prozentsatz></Steuersatz>";
}

// In file order, not in "Sort" order; "alt" is inactive, "Zoll" has no country.
inline std::string SteuerDatei()
{
    return "<?xml version=\"1.0\" encoding=\"iso-8859-1\" ?>\n<Steuersaetze>"
        + Satz("Regelsatz", "Deutschland", 2, 200, "19,0000", "2007-01-01")
        + Satz("steuerfrei", "Deutschland", 1, 100, "0,0000", "1968-01-01")
        + Satz("erm\xE4\xDFigt", "Deutschland", 3, 201, "7,0000", "1970-06-01")
        + Satz("steuerfrei \xD6sterreich", "\xD6sterreich", 4, 300, "0,0000", "1971-01-01")
        + Satz("Normalsatz \xD6sterreich", "\xD6sterreich", 5, 301, "20,0000", "1984-01-01")
        + Satz("alt", "Deutschland", 6, 500, "16,0000", "1998-04-01", true)
        + Satz("Zoll", "", 7, 600, "5,0000", "2001-01-01") + "</Steuersaetze>\n";
}

template <class Dokument> std::string Bytes(const Dokument& dokument)
{
    std::ostringstream out;
    dokument.SaveStream(out);
    return out.str();
}

class Zugriff : public CDatenZugriff {
public:
    explicit Zugriff(const std::string& steuerDatei)
    {
        std::ofstream(steuerDatei, std::ios::binary) << SteuerDatei();
        steuer = std::make_unique<CSteuersaetze>(steuerDatei);
    }
    IDatumAuswahl* GetDatumAuswahl() override { return nullptr; }
    const IDatumAuswahl* GetDatumAuswahl() const override { return nullptr; }
    CBuchungen* GetBuchungen() override { return nullptr; }
    const CBuchungen* GetBuchungen() const override { return nullptr; }
    CBelegtexte* GetBelegtexte() override { return katalog.get(); }
    const CBelegtexte* GetBelegtexte() const override { return katalog.get(); }
    CFirma* GetFirma() override { return nullptr; }
    const CFirma* GetFirma() const override { return nullptr; }
    CSteuersaetze* GetSteuersaetze() override { return steuer.get(); }
    const CSteuersaetze* GetSteuersaetze() const override { return steuer.get(); }
    bool SettlePendingEntry(SettleMode, bool) override { return true; }
    void SetAvailable(bool) override {}
    std::string Katalog() const { return Bytes(*katalog); }

    std::unique_ptr<CBelegtexte> katalog = std::make_unique<CBelegtexte>();
    std::unique_ptr<CSteuersaetze> steuer;
};

// A click on the row's first cell; with Shift it extends the selection.
inline void KlickeZeile(CGridCtrl& grid, int row, Qt::KeyboardModifiers mods = {})
{
    const QRect zelle = grid.visualRect(grid.model()->index(row, 0));
    ASSERT_TRUE(zelle.isValid()) << "row " << row << " is not on screen";
    QTest::mouseClick(grid.viewport(), Qt::LeftButton, mods, zelle.center());
}

inline void KlickeKnopf(QWidget& dlg, const char* name)
{
    auto* knopf = dlg.findChild<QAbstractButton*>(QString::fromLatin1(name));
    ASSERT_NE(knopf, nullptr) << name;
    knopf->click();
}

// The row whose first column reads text, or -1.
inline int ZeileMit(const CGridCtrl& grid, const std::string& text)
{
    for (int r = 1; r < grid.GetRowCount(); ++r)
        if (grid.GetItemText(r, 0) == text)
            return r;
    return -1;
}

} // namespace stammdaten
