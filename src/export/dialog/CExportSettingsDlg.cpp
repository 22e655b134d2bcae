#include "export/dialog/CExportSettingsDlg.h"

#include "common/CDatenZugriff.h"
#include "core/UserMessages.h"
#include "core/Windows1252.h"
#include "core/CFirma.h"
#include "export/CExporter.h"
#include "export/dialog/CExportPropPageData.h"
#include "export/dialog/CExportPropPageDatev.h"
#include "export/dialog/CExportPropPageMain.h"

#include <QDate>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

CExportSettingsDlg::CExportSettingsDlg(CDatenZugriff& zugriff, const std::string& exportDatei,
                                       std::filesystem::path programmOrdner, UserMessages& messages,
                                       FileDialogs& dateien, QWidget* parent, int letztesJahr)
    : QDialog(parent)
    , m_zugriff(zugriff)
    , m_einstellungen(exportDatei)
    , m_programmOrdner(std::move(programmOrdner))
    , m_messages(messages)
{
    setObjectName(QStringLiteral("exportSettingsDlg"));
    setWindowTitle(QStringLiteral("Export"));
    if (letztesJahr <= 0)
        letztesJahr = QDate::currentDate().year() + 1;

    m_seiten = new QTabWidget(this);
    m_seiten->setObjectName(QStringLiteral("tabsExport"));
    m_main = new CExportPropPageMain(m_programmOrdner, dateien, m_messages, letztesJahr, m_seiten);
    m_daten = new CExportPropPageData(m_messages, m_seiten);
    m_seiten->addTab(m_main, QStringLiteral("Export"));
    m_datev = new CExportPropPageDatev(m_messages, m_seiten);
    m_seiten->addTab(m_daten, QStringLiteral("Daten"));
    m_seiten->addTab(m_datev, QStringLiteral("DATEV"));

    auto* knoepfe = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    knoepfe->setObjectName(QStringLiteral("buttonBox"));
    QPushButton* ok = knoepfe->button(QDialogButtonBox::Ok);
    ok->setObjectName(QStringLiteral("buttonOk"));
    ok->setText(QStringLiteral("OK"));
    QPushButton* abbrechen = knoepfe->button(QDialogButtonBox::Cancel);
    abbrechen->setObjectName(QStringLiteral("buttonAbbrechen"));
    abbrechen->setText(QStringLiteral("Abbrechen"));

    auto* aussen = new QVBoxLayout(this);
    aussen->addWidget(m_seiten);
    aussen->addWidget(knoepfe);

    const CDatenZugriff& lesen = m_zugriff;
    m_main->Load(m_einstellungen, lesen.GetDatumAuswahl());
    m_daten->Load(m_einstellungen);
    const CFirma* firma = lesen.GetFirma();
    m_datev->Load(m_einstellungen, firma ? firma->GetKassenkonto() : std::string());

    connect(knoepfe, &QDialogButtonBox::accepted, this, &CExportSettingsDlg::accept);
    connect(knoepfe, &QDialogButtonBox::rejected, this, &CExportSettingsDlg::reject);
    connect(m_main, &CExportPropPageMain::exportRequested, this, [this] { Exportieren(); });
}

bool CExportSettingsDlg::UebernehmeSeiten()
{
    if (!m_daten->IstGueltig()) {
        // The refused field is on page "Daten": show the page, then the
        // message, then the focus goes back into the field.
        m_seiten->setCurrentWidget(m_daten);
        m_daten->Pruefe();
        return false;
    }
    if (!m_datev->IstGueltig()) {
        m_seiten->setCurrentWidget(m_datev);
        m_datev->Pruefe();
        return false;
    }
    m_main->Save(m_einstellungen);
    m_daten->Save(m_einstellungen);
    m_datev->Save(m_einstellungen);
    return true;
}

bool CExportSettingsDlg::Exportieren()
{
    if (!UebernehmeSeiten())
        return false;
    const CDatenZugriff& lesen = m_zugriff;
    const CExportDaten daten{lesen.GetBuchungen(), lesen.GetBelegtexte(), lesen.GetFirma(), lesen.GetSteuersaetze(),
                             lesen.GetGesperrtBis()};
    const CExportWerte werte = m_einstellungen.Werte();
    CExporter exporter(werte, daten, m_programmOrdner, m_messages);
    // The cash account as typed: the company record changes only on OK.
    exporter.SetKassenkonto(m_datev->Kassenkonto());
    if (!exporter.RunExport()) {
        m_messages.Error(CExporter::Fehlgeschlagen);
        return false;
    }
    // Where to find it, a mailed one too: the mail program has not
    // necessarily read it yet.
    std::string text = std::string(CExporter::Erfolgreich) + "\n"
                       + Windows1252::FromUtf8Lossy(exporter.GetTargetPath(exporter.GetArchiveName()));
    if (!exporter.Hinweis().empty())
        text += "\n\n" + exporter.Hinweis();
    m_messages.Show(text, UserMessages::Icon::Information, UserMessages::Buttons::Ok, "Export");
    return true;
}

void CExportSettingsDlg::accept()
{
    if (!UebernehmeSeiten())
        return;
    // An older cash book without the element is not changed by leaving
    // the field empty.
    CFirma* firma = m_zugriff.GetFirma();
    if (firma && firma->GetKassenkonto() != m_datev->Kassenkonto())
        m_kassenbuchGeaendert = firma->SetKassenkonto(m_datev->Kassenkonto());
    QDialog::accept();
}
