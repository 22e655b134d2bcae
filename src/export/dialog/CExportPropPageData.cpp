#include "export/dialog/CExportPropPageData.h"

#include "core/UserMessages.h"
#include "export/CExportSettings.h"
#include "export/dialog/CZahlenFeld.h"
#include "platform/Cp1252.h"
#include "platform/Cp1252Validator.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

#include <limits>

const char* const CExportPropPageData::KeineZahl = "Bitte geben Sie eine ganze Zahl ein.";

namespace {

constexpr int kOhneGrenze = std::numeric_limits<int>::max();

} // namespace

CExportPropPageData::CExportPropPageData(UserMessages& messages, QWidget* parent)
    : QWidget(parent), m_messages(messages)
{
    setObjectName(QStringLiteral("exportPropPageData"));
    m_mandant = new CZahlenFeld(0, 34463, this);
    m_mandant->setObjectName(QStringLiteral("editMandantenNr"));
    m_kasse = new CZahlenFeld(0, kOhneGrenze, this);
    m_kasse->setObjectName(QStringLiteral("editKassenNr"));
    m_kassenname = new QLineEdit(this);
    m_kassenname->setObjectName(QStringLiteral("editKassenname"));
    m_kassenname->setValidator(new Cp1252Validator(m_kassenname));
    m_ersterBeleg = new CZahlenFeld(0, 100, this);
    m_ersterBeleg->setObjectName(QStringLiteral("editErsteBelegNr"));
    m_ersteBuchung = new CZahlenFeld(0, kOhneGrenze, this);
    m_ersteBuchung->setObjectName(QStringLiteral("editErsteBuchungsNr"));

    auto* felder = new QGridLayout(this);
    const struct {
        const char* name;
        const char* text;
        QWidget* feld;
        bool sichtbar;
    } zeilen[] = {
        {"labelMandantenNr", "&Mandanten Nr.", m_mandant, true},
        {"labelKassenNr", "&Kassen Nr.", m_kasse, true},
        {"labelKassenname", "Kassen&name", m_kassenname, true},
        {"labelErsteBelegNr", "erste Beleg Nr.", m_ersterBeleg, false},
        {"labelErsteBuchungsNr", "erste Buchungs Nr.", m_ersteBuchung, false},
    };
    int zeile = 0;
    for (const auto& z : zeilen) {
        auto* label = new QLabel(QString::fromLatin1(z.text), this);
        label->setObjectName(QString::fromLatin1(z.name));
        label->setBuddy(z.feld);
        felder->addWidget(label, zeile, 0);
        felder->addWidget(z.feld, zeile, 1);
        // Kept on the page so their values go back into the file as read.
        label->setVisible(z.sichtbar);
        z.feld->setVisible(z.sichtbar);
        ++zeile;
    }
    felder->setColumnStretch(1, 1);
    felder->setRowStretch(zeile, 1);
}

void CExportPropPageData::Load(const CExportSettings& einstellungen)
{
    const CExportWerte w = einstellungen.Werte();
    m_mandant->SetZahl(w.MandantId);
    m_kasse->SetZahl(w.KassenNr);
    m_kassenname->setText(Cp1252::ToQString(w.KassenBezeichnung));
    m_ersterBeleg->SetZahl(w.BelegFirstId);
    m_ersteBuchung->SetZahl(w.BuchungFirstId);
}

CZahlenFeld* CExportPropPageData::ErstesUngueltiges() const
{
    for (CZahlenFeld* feld : {m_mandant, m_kasse, m_ersterBeleg, m_ersteBuchung})
        if (!feld->Zahl())
            return feld;
    return nullptr;
}

bool CExportPropPageData::Pruefe()
{
    CZahlenFeld* feld = ErstesUngueltiges();
    if (!feld)
        return true;
    m_messages.Show(KeineZahl, UserMessages::Icon::Warning, UserMessages::Buttons::Ok);
    feld->setFocus();
    feld->selectAll();
    return false;
}

void CExportPropPageData::Save(CExportSettings& einstellungen) const
{
    einstellungen.SetInt(CExportSettings::MandantId, m_mandant->Zahl().value_or(0));
    einstellungen.SetInt(CExportSettings::KassenNr, m_kasse->Zahl().value_or(0));
    einstellungen.SetString(CExportSettings::KassenBezeichnung,
                            Cp1252::FromQString(m_kassenname->text()).value_or(std::string()));
    einstellungen.SetInt(CExportSettings::BelegFirstId, m_ersterBeleg->Zahl().value_or(0));
    einstellungen.SetInt(CExportSettings::BuchungFirstId, m_ersteBuchung->Zahl().value_or(0));
}
