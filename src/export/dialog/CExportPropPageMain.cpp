#include "export/dialog/CExportPropPageMain.h"

#include "common/IDatumAuswahl.h"
#include "core/UserMessages.h"
#include "export/CExportSettings.h"
#include "platform/Cp1252.h"
#include "platform/Cp1252Validator.h"
#include "platform/FileDialogs.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <algorithm>

const char* const CExportPropPageMain::OrdnerTitel = "W\xE4hlen Sie einen Ordner aus";
const char* const CExportPropPageMain::OrdnerNichtMoeglich =
    "Der Name dieses Ordners enth\xE4lt Zeichen, die Kuvex nicht speichern kann. "
    "Bitte w\xE4hlen Sie einen anderen Ordner.";

namespace {

template <class T> T* Benannt(T* widget, const char* name)
{
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

// The user's month names when the user's locale is German (so "Jänner" in
// Austria), else the German ones.
QStringList Monatsnamen()
{
    const QLocale system = QLocale::system();
    const QLocale locale = system.language() == QLocale::German ? system : QLocale(QLocale::German, QLocale::Germany);
    QStringList namen;
    for (int m = 1; m <= 12; ++m)
        namen << locale.monthName(m, QLocale::LongFormat);
    return namen;
}

} // namespace

CExportPropPageMain::CExportPropPageMain(const std::filesystem::path& programmOrdner, FileDialogs& dateien,
                                         UserMessages& messages, int letztesJahr, QWidget* parent)
    : QWidget(parent), m_programmOrdner(programmOrdner), m_dateien(dateien), m_messages(messages)
{
    setObjectName(QStringLiteral("exportPropPageMain"));
    m_format = Benannt(new QComboBox(this), "comboFormat");
    m_format->addItems({QStringLiteral("Kuvex-Export (ZIP)"), QStringLiteral("DATEV-Buchungsstapel")});
    m_pfad = Benannt(new QRadioButton(QStringLiteral("Pfad"), this), "radioPfad");
    m_diskette = Benannt(new QRadioButton(QStringLiteral("Diskette (A:)"), this), "radioDiskette");
    m_email = Benannt(new QRadioButton(QString::fromUtf8("E-Mail-Empfänger:"), this), "radioEMail");
    m_ziel = new QButtonGroup(this);
    m_ziel->addButton(m_pfad, 0);
    m_ziel->addButton(m_diskette, 1);
    m_ziel->addButton(m_email, 2);
    m_ordner = Benannt(new QLineEdit(this), "editPfad");
    m_ordner->setValidator(new Cp1252Validator(m_ordner));
    m_waehlen = Benannt(new QPushButton(QStringLiteral("..."), this), "buttonPfadWaehlen");
    m_waehlen->setToolTip(Cp1252::ToQString(OrdnerTitel));
    m_waehlen->setAutoDefault(false);
    m_waehlen->setFixedWidth(m_waehlen->fontMetrics().horizontalAdvance(QStringLiteral("...")) + 24);
    m_empfaenger = Benannt(new QLineEdit(this), "editEMail");
    m_empfaenger->setValidator(new Cp1252Validator(m_empfaenger));
    m_jahr = Benannt(new QComboBox(this), "comboJahr");
    for (int jahr = ErstesJahr; jahr <= letztesJahr; ++jahr)
        m_jahr->addItem(QString::number(jahr));
    m_monat = Benannt(new QComboBox(this), "comboMonat");
    m_monat->addItems(Monatsnamen());
    m_export = Benannt(new QPushButton(QStringLiteral("&Export"), this), "buttonExport");
    m_export->setAutoDefault(false);

    auto* zielBox = Benannt(new QGroupBox(QString::fromUtf8("Ziel für Datenexport"), this), "groupZiel");
    auto* ziel = new QGridLayout(zielBox);
    ziel->addWidget(m_pfad, 0, 0);
    auto* ordner = new QHBoxLayout;
    ordner->addWidget(m_ordner, 1);
    ordner->addWidget(m_waehlen);
    ziel->addLayout(ordner, 0, 1);
    ziel->addWidget(m_diskette, 1, 0, 1, 2);
    ziel->addWidget(m_email, 2, 0);
    ziel->addWidget(m_empfaenger, 2, 1);
    ziel->setColumnStretch(1, 1);

    auto* zeitBox = Benannt(new QGroupBox(QString::fromUtf8("Zeitraum für Datenexport bis"), this), "groupZeitraum");
    auto* zeit = new QHBoxLayout(zeitBox);
    auto* jahrLabel = Benannt(new QLabel(QStringLiteral("&Jahr"), zeitBox), "labelJahr");
    jahrLabel->setBuddy(m_jahr);
    auto* monatLabel = Benannt(new QLabel(QStringLiteral("&Monat"), zeitBox), "labelMonat");
    monatLabel->setBuddy(m_monat);
    zeit->addWidget(jahrLabel);
    zeit->addWidget(m_jahr);
    zeit->addSpacing(12);
    zeit->addWidget(monatLabel);
    zeit->addWidget(m_monat, 1);

    auto* knopf = new QHBoxLayout;
    knopf->addStretch(1);
    knopf->addWidget(m_export);
    auto* format = new QHBoxLayout;
    auto* formatLabel = Benannt(new QLabel(QStringLiteral("&Format"), this), "labelFormat");
    formatLabel->setBuddy(m_format);
    format->addWidget(formatLabel);
    format->addWidget(m_format, 1);
    auto* seite = new QVBoxLayout(this);
    seite->addLayout(format);
    seite->addWidget(zielBox);
    seite->addWidget(zeitBox);
    seite->addStretch(1);
    seite->addLayout(knopf);

    connect(m_waehlen, &QPushButton::clicked, this, &CExportPropPageMain::OrdnerWaehlen);
    connect(m_export, &QPushButton::clicked, this, &CExportPropPageMain::exportRequested);
}

void CExportPropPageMain::Load(const CExportSettings& einstellungen, const IDatumAuswahl* datum)
{
    const CExportWerte w = einstellungen.Werte();
    m_ordner->setText(Cp1252::ToQString(w.Path));
    m_empfaenger->setText(Cp1252::ToQString(w.SendTo));
    m_format->setCurrentIndex(w.Format == CExportSettings::FormatDatev ? 1 : 0);
    if (QAbstractButton* knopf = m_ziel->button(w.Mode))
        knopf->setChecked(true);
    // The month the main window shows, not the one stored: the user exports
    // what is on the screen. Without a window the stored one.
    const int jahr = datum ? datum->GetYear() : w.Year;
    const int monat = datum ? datum->GetMonth() : w.Month;
    const int index = jahr - ErstesJahr;
    m_jahr->setCurrentIndex(index >= 0 && index < m_jahr->count() ? index : -1);
    m_monat->setCurrentIndex(monat >= 1 && monat <= 12 ? monat - 1 : -1);
}

void CExportPropPageMain::Save(CExportSettings& einstellungen) const
{
    // The fields refuse what Windows-1252 cannot hold, so nothing is lost.
    einstellungen.SetString(CExportSettings::Path, Cp1252::FromQString(m_ordner->text()).value_or(std::string()));
    einstellungen.SetString(CExportSettings::SendTo,
                            Cp1252::FromQString(m_empfaenger->text()).value_or(std::string()));
    if (m_ziel->checkedId() >= 0)
        einstellungen.SetInt(CExportSettings::Mode, m_ziel->checkedId());
    einstellungen.SetInt(CExportSettings::Format,
                         m_format->currentIndex() == 1 ? CExportSettings::FormatDatev : CExportSettings::FormatZip);
    // An empty list keeps the stored month rather than storing year 1999
    // or month 0.
    if (m_monat->currentIndex() >= 0)
        einstellungen.SetInt(CExportSettings::Month, m_monat->currentIndex() + 1);
    if (m_jahr->currentIndex() >= 0)
        einstellungen.SetInt(CExportSettings::Year, m_jahr->currentIndex() + ErstesJahr);
}

void CExportPropPageMain::OrdnerWaehlen()
{
    // A relative folder starts the browser where the export would go.
    std::string text = m_ordner->text().toStdString();
    std::replace(text.begin(), text.end(), '\\', '/');
    const std::filesystem::path start = std::filesystem::path(text).is_absolute() ? std::filesystem::path(text)
                                                                                  : m_programmOrdner / text;
    const QString gewaehlt = m_dateien.ChooseFolder(QString::fromStdString(start.string()), Cp1252::ToQString(OrdnerTitel));
    if (gewaehlt.isEmpty())
        return;
    if (!Cp1252::CanEncode(gewaehlt)) {
        m_messages.Error(OrdnerNichtMoeglich);
        return;
    }
    m_ordner->setText(gewaehlt);
    m_pfad->setChecked(true);
}
