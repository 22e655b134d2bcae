// "&Speichern" of the receipt-text dialog: the checks over every row, then
// the rows written into the catalogue.
#include "masterdata/CBelegtexteDlg.h"

#include "common/CDatenZugriff.h"
#include "core/CBelegtexte.h"
#include "core/UserMessages.h"
#include "masterdata/CStammdatenGrid.h"
#include "widgets/grid/GridDefs.h"

#include <algorithm>
#include <functional>

namespace {

// The catalogue reads names without the blanks around them: so must the
// checks, or "Zwei " would pass beside "Zwei".
std::string Getrimmt(const std::string& text)
{
    const char* const leer = " \t\r\n";
    const std::size_t anfang = text.find_first_not_of(leer);
    return anfang == std::string::npos ? std::string() : text.substr(anfang, text.find_last_not_of(leer) - anfang + 1);
}

} // namespace

void CBelegtexteDlg::accept()
{
    if (m_grid->IsEditing())
        m_grid->EndEditing();
    CBelegtexte* katalog = m_zugriff.GetBelegtexte();
    if (!katalog) {
        reject();
        return;
    }
    switch (Pruefe()) {
    case Pruefung::Bestanden:
        Schreibe(*katalog);
        QDialog::accept();
        return;
    case Pruefung::Abbrechen:
        reject();
        return;
    case Pruefung::Bleiben:
        m_grid->setFocus();
        return;
    }
}

CBelegtexteDlg::Pruefung CBelegtexteDlg::Pruefe()
{
    using M = UserMessages;
    const int letzte = m_grid->GetRowCount() - 1;
    for (int r = 1; r <= letzte; ++r) {
        if (Getrimmt(m_grid->GetItemText(r, Bezeichnung)).empty() || m_grid->GetItemText(r, Art).empty()
            || m_grid->GetItemText(r, USt).empty()) {
            m_grid->SelectRow(r);
            switch (m_messages.Show(LeereZeile, M::Icon::Question, M::Buttons::YesNoCancel)) {
            case M::Answer::Yes:
                MarkiereGeloescht(r);
                // A row given up is compared with nothing: two empty rows
                // are not one name twice.
                continue;
            case M::Answer::Cancel:
                return Pruefung::Abbrechen;
            default:
                return Pruefung::Bleiben;
            }
        }
        // A deleted row leaves the catalogue with this save: its name is free.
        if (IstGeloescht(r))
            continue;
        const std::string name = Getrimmt(m_grid->GetItemText(r, Bezeichnung));
        for (int spaeter = r + 1; spaeter <= letzte; ++spaeter) {
            if (IstGeloescht(spaeter) || Getrimmt(m_grid->GetItemText(spaeter, Bezeichnung)) != name)
                continue;
            m_grid->SelectRow(spaeter);
            if (m_messages.Show(DoppelterText, M::Icon::Warning, M::Buttons::OkCancel) == M::Answer::Cancel)
                return Pruefung::Abbrechen;
            return Pruefung::Bleiben;
        }
    }
    return Pruefung::Bestanden;
}

void CBelegtexteDlg::Schreibe(CBelegtexte& katalog) const
{
    const CStammdatenGrid& g = *m_grid;
    const auto geaendert = [&g](int row, int col) { return (g.GetItemState(row, col) & GVIS_MODIFIED) != 0; };
    std::vector<int> entfernen;
    for (int r = 1; r < g.GetRowCount(); ++r) {
        const int position = g.GetItemData(r, Bezeichnung);
        if (IstGeloescht(r)) {
            if (position >= 0)
                entfernen.push_back(position);
            continue;
        }
        const int i = position >= 0 ? position : katalog.AddEntry();
        if (i < 0)
            continue;
        // Only what the user changed is written: a kind stored as neither
        // receipt nor payment stays so, and an untouched VAT cell keeps
        // the id of a rate that is no longer offered.
        if (geaendert(r, Bezeichnung))
            katalog.SetBezeichnung(i, g.GetItemText(r, Bezeichnung));
        if (geaendert(r, Info))
            katalog.SetInfo(i, g.GetItemText(r, Info));
        if (geaendert(r, USt))
            katalog.SetUStID(i, g.GetItemData(r, USt));
        if (geaendert(r, Art)) {
            const std::string art = g.GetItemText(r, Art);
            katalog.SetEinAus(i, art == "Ausgaben" ? -1 : art == "Einnahmen" ? 1 : 0);
        }
        if (geaendert(r, Konto))
            katalog.SetKonto(i, g.GetItemText(r, Konto));
        katalog.SetSort(i, r);
        katalog.SetInaktiv(i, g.GetCheck(r, Inaktiv));
        katalog.SetStatistik(i, g.GetCheck(r, Statistik));
    }
    // The positions are those of the catalogue as the dialog found it; from
    // the back, so each removal leaves the smaller ones where they were.
    std::sort(entfernen.begin(), entfernen.end(), std::greater<int>());
    for (int position : entfernen)
        katalog.RemoveEntry(position);
}
