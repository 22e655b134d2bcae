#include "export/dialog/CExportPropPageDatev.h"

#include "core/CFirma.h"
#include "core/UserMessages.h"
#include "export/CExportSettings.h"
#include "export/dialog/CZahlenFeld.h"
#include "platform/Monatsnamen.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpressionValidator>

namespace {

template <class T> T* Benannt(T* widget, const char* name)
{
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

bool Leer(const CZahlenFeld* feld)
{
    return feld->text().isEmpty();
}

bool Innerhalb(const CZahlenFeld* feld)
{
    const std::optional<int> zahl = feld->Zahl();
    return zahl && *zahl >= feld->Minimum() && *zahl <= feld->Maximum();
}

} // namespace

CExportPropPageDatev::CExportPropPageDatev(UserMessages& messages, QWidget* parent)
    : QWidget(parent), m_messages(messages)
{
    setObjectName(QStringLiteral("exportPropPageDatev"));
    m_rahmen = Benannt(new QComboBox(this), "comboKontenrahmen");
    m_rahmen->addItems({QStringLiteral("SKR03"), QStringLiteral("SKR04")});
    m_berater = Benannt(new CZahlenFeld(1001, 9999999, this), "editBeraternummer");
    m_mandant = Benannt(new CZahlenFeld(1, 99999, this), "editMandantennummer");
    m_wjBeginn = Benannt(new QComboBox(this), "comboWjBeginn");
    for (int m = 1; m <= 12; ++m)
        m_wjBeginn->addItem(Monatsnamen::Name(m));
    m_laenge = Benannt(new CZahlenFeld(4, 8, this), "editSachkontenlaenge");
    m_kuerzel = Benannt(new QLineEdit(this), "editDiktatkuerzel");
    m_kuerzel->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[A-Za-z]{0,2}")), m_kuerzel));
    m_kuerzel->setMaximumWidth(m_kuerzel->fontMetrics().horizontalAdvance(QStringLiteral("WWWW")) + 16);
    m_kassenkonto = Benannt(new CZahlenFeld(1, 99999999, this), "editKassenkonto");

    auto* felder = new QGridLayout(this);
    const struct {
        const char* name;
        const char* text;
        QWidget* feld;
    } zeilen[] = {
        {"labelKontenrahmen", "&Kontenrahmen", m_rahmen},
        {"labelBeraternummer", "&Beraternummer", m_berater},
        {"labelMandantennummer", "&Mandantennummer", m_mandant},
        {"labelWjBeginn", "&Wirtschaftsjahr beginnt im", m_wjBeginn},
        {"labelSachkontenlaenge", "&Sachkontenl\xE4nge", m_laenge},
        {"labelDiktatkuerzel", "&Diktatk\xFCrzel", m_kuerzel},
        {"labelKassenkonto", "Kassen&konto dieses Kassenbuchs", m_kassenkonto},
    };
    int zeile = 0;
    for (const auto& z : zeilen) {
        auto* label = Benannt(new QLabel(QString::fromLatin1(z.text), this), z.name);
        label->setBuddy(z.feld);
        felder->addWidget(label, zeile, 0);
        felder->addWidget(z.feld, zeile, 1, Qt::AlignLeft);
        ++zeile;
    }
    felder->setColumnStretch(1, 1);
    felder->setRowStretch(zeile, 1);
    connect(m_rahmen, &QComboBox::currentIndexChanged, this, &CExportPropPageDatev::ZeigeStandardKonto);
}

void CExportPropPageDatev::ZeigeStandardKonto()
{
    // An empty field means the chart's cash account; the grey hint says which.
    m_kassenkonto->setPlaceholderText(
        QString::fromLatin1(CFirma::StandardKassenkonto(m_rahmen->currentIndex() == 1 ? 4 : 3)));
}

void CExportPropPageDatev::Load(const CExportSettings& einstellungen, const std::string& kassenkonto)
{
    const CDatevWerte w = einstellungen.Werte().Datev;
    m_rahmen->setCurrentIndex(w.Kontenrahmen == 4 ? 1 : 0);
    ZeigeStandardKonto();
    m_berater->setText(w.Beraternummer > 0 ? QString::number(w.Beraternummer) : QString());
    m_mandant->setText(w.Mandantennummer > 0 ? QString::number(w.Mandantennummer) : QString());
    m_wjBeginn->setCurrentIndex(w.WjBeginn >= 1 && w.WjBeginn <= 12 ? w.WjBeginn - 1 : 0);
    m_laenge->SetZahl(w.Sachkontenlaenge);
    m_kuerzel->setText(QString::fromLatin1(w.Diktatkuerzel.c_str()));
    m_kassenkonto->setText(QString::fromLatin1(kassenkonto.c_str()));
}

std::pair<const char*, QWidget*> CExportPropPageDatev::Fehler() const
{
    if (!Leer(m_berater) && !Innerhalb(m_berater))
        return {"Die Beraternummer liegt zwischen 1001 und 9999999.", m_berater};
    if (!Leer(m_mandant) && !Innerhalb(m_mandant))
        return {"Die Mandantennummer liegt zwischen 1 und 99999.", m_mandant};
    if (!Innerhalb(m_laenge))
        return {"Die Sachkontenl\xE4nge liegt zwischen 4 und 8.", m_laenge};
    if (m_kuerzel->text().size() == 1)
        return {"Das Diktatk\xFCrzel besteht aus zwei Buchstaben oder bleibt leer.", m_kuerzel};
    const int laenge = m_laenge->Zahl().value_or(4);
    if (!Leer(m_kassenkonto) && (!Innerhalb(m_kassenkonto) || m_kassenkonto->text().size() > laenge))
        return {"Das Kassenkonto hat h\xF6" "chstens so viele Ziffern, wie die Sachkontenl\xE4nge angibt.",
                m_kassenkonto};
    return {nullptr, nullptr};
}

bool CExportPropPageDatev::Pruefe()
{
    const auto [text, feld] = Fehler();
    if (!feld)
        return true;
    m_messages.Show(text, UserMessages::Icon::Warning, UserMessages::Buttons::Ok);
    feld->setFocus();
    if (auto* zeile = qobject_cast<QLineEdit*>(feld))
        zeile->selectAll();
    return false;
}

void CExportPropPageDatev::Save(CExportSettings& einstellungen) const
{
    einstellungen.SetInt(CExportSettings::Kontenrahmen, m_rahmen->currentIndex() == 1 ? 4 : 3);
    // An empty number stays empty in the file, so the export can say it
    // is missing.
    einstellungen.SetString(CExportSettings::Beraternummer, m_berater->text().toStdString());
    einstellungen.SetString(CExportSettings::Mandantennummer, m_mandant->text().toStdString());
    einstellungen.SetInt(CExportSettings::WjBeginn, m_wjBeginn->currentIndex() + 1);
    einstellungen.SetInt(CExportSettings::Sachkontenlaenge, m_laenge->Zahl().value_or(4));
    einstellungen.SetString(CExportSettings::Diktatkuerzel, m_kuerzel->text().toUpper().toStdString());
}

std::string CExportPropPageDatev::Kassenkonto() const
{
    return m_kassenkonto->text().toStdString();
}
