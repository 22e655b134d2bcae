#include "reports/CKassenabschlussDlg.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/CFehler.h"
#include "core/UserMessages.h"
#include "platform/Cp1252.h"

namespace {

QString Text(const std::string& cp1252)
{
    return Cp1252::ToQString(cp1252);
}

QLabel* Zahl(QWidget* parent, const QString& name, const QString& text = QString())
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return label;
}

} // namespace

CKassenabschlussDlg::CKassenabschlussDlg(CKassenabschluss vorlage, UserMessages& messages, QWidget* parent)
    : QDialog(parent)
    , m_abschluss(std::move(vorlage))
    , m_messages(messages)
{
    setObjectName(QStringLiteral("kassenabschlussDlg"));
    setWindowTitle(QStringLiteral("Kassenabschluss"));

    auto* titel = new QLabel(QStringLiteral("Kassenabschluss vom %1").arg(Text(m_abschluss.Tag.ToDisplay())), this);
    titel->setObjectName(QStringLiteral("labelTitel"));
    QFont fett = titel->font();
    fett.setBold(true);
    titel->setFont(fett);

    auto* blatt = new QGridLayout;
    const QString waehrung = Text(m_abschluss.Waehrung);
    if (m_abschluss.Zaehlung.empty()) {
        blatt->addWidget(new QLabel(QStringLiteral("&Gezählter Betrag (%1):").arg(waehrung), this), 0, 0);
        m_gezaehltFeld = new QLineEdit(this);
        m_gezaehltFeld->setObjectName(QStringLiteral("editGezaehlt"));
        m_gezaehltFeld->setAlignment(Qt::AlignRight);
        qobject_cast<QLabel*>(blatt->itemAtPosition(0, 0)->widget())->setBuddy(m_gezaehltFeld);
        blatt->addWidget(m_gezaehltFeld, 0, 1);
        connect(m_gezaehltFeld, &QLineEdit::textChanged, this, &CKassenabschlussDlg::Aktualisiere);
    } else {
        blatt->addWidget(new QLabel(QStringLiteral("<b>Nennwert</b>"), this), 0, 0);
        blatt->addWidget(new QLabel(QStringLiteral("<b>Anzahl</b>"), this), 0, 1);
        blatt->addWidget(Zahl(this, QString(), QStringLiteral("<b>Summe</b>")), 0, 2);
        for (std::size_t i = 0; i < m_abschluss.Zaehlung.size(); ++i) {
            const CBetrag wert = m_abschluss.Zaehlung[i].Nennwert;
            const int reihe = static_cast<int>(i) + 1;
            const QString art = CZaehlprotokoll::IstSchein(m_abschluss.Waehrung, wert) ? QStringLiteral("Schein")
                                                                                        : QStringLiteral("Münze");
            blatt->addWidget(new QLabel(Text(CZaehlprotokoll::NennwertText(wert)) + QLatin1Char(' ') + waehrung
                                            + QStringLiteral("  (") + art + QLatin1Char(')'),
                                        this),
                             reihe, 0);
            auto* feld = new QLineEdit(this);
            feld->setObjectName(QStringLiteral("editAnzahl%1").arg(i));
            feld->setAlignment(Qt::AlignRight);
            feld->setMaximumWidth(90);
            blatt->addWidget(feld, reihe, 1);
            m_summe.push_back(Zahl(this, QStringLiteral("labelSumme%1").arg(i), QStringLiteral("0,00")));
            blatt->addWidget(m_summe.back(), reihe, 2);
            m_anzahl.push_back(feld);
            connect(feld, &QLineEdit::textChanged, this, &CKassenabschlussDlg::Aktualisiere);
        }
    }

    auto* zahlen = new QGridLayout;
    m_gezaehlt = Zahl(this, QStringLiteral("labelGezaehlt"));
    m_differenz = Zahl(this, QStringLiteral("labelDifferenz"));
    zahlen->addWidget(new QLabel(QStringLiteral("Gezählter Bestand"), this), 0, 0);
    zahlen->addWidget(m_gezaehlt, 0, 1);
    zahlen->addWidget(new QLabel(QStringLiteral("Kassenbestand laut Kassenbuch"), this), 1, 0);
    zahlen->addWidget(Zahl(this, QStringLiteral("labelBestand"), Text(FormatBetragAnzeige(m_abschluss.Buchbestand))),
                      1, 1);
    zahlen->addWidget(new QLabel(QStringLiteral("<b>Differenz</b>"), this), 2, 0);
    zahlen->addWidget(m_differenz, 2, 1);

    m_buchen = new QPushButton(QStringLiteral("Differenz &buchen und abschließen"), this);
    m_buchen->setObjectName(QStringLiteral("buttonBuchen"));
    m_abschliessen = new QPushButton(QStringLiteral("Ab&schließen"), this);
    m_abschliessen->setObjectName(QStringLiteral("buttonAbschliessen"));
    auto* abbrechen = new QPushButton(QStringLiteral("&Abbrechen"), this);
    abbrechen->setObjectName(QStringLiteral("buttonAbbrechen"));
    connect(m_buchen, &QPushButton::clicked, this, &CKassenabschlussDlg::accept);
    connect(m_abschliessen, &QPushButton::clicked, this, &CKassenabschlussDlg::accept);
    connect(abbrechen, &QPushButton::clicked, this, &QDialog::reject);
    auto* knoepfe = new QHBoxLayout;
    knoepfe->addStretch(1);
    knoepfe->addWidget(m_buchen);
    knoepfe->addWidget(m_abschliessen);
    knoepfe->addWidget(abbrechen);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(titel);
    layout->addLayout(blatt);
    layout->addSpacing(8);
    layout->addLayout(zahlen);
    layout->addLayout(knoepfe);
    Aktualisiere();
}

bool CKassenabschlussDlg::Lies(bool melden)
{
    QLineEdit* feld = m_gezaehltFeld;
    try {
        if (m_gezaehltFeld) {
            const std::string text = Cp1252::FromQString(m_gezaehltFeld->text().trimmed()).value_or("?");
            // Digits, one comma and thousands points, nothing else.
            if (text.empty() || text.find_first_not_of("0123456789.,") != std::string::npos)
                throw CFehler("Geben Sie den gez\xE4hlten Betrag ein, z. B. 1.234,56.");
            m_abschluss.Gezaehlt = ParseBetrag(text);
        } else {
            for (std::size_t i = 0; i < m_anzahl.size(); ++i) {
                feld = m_anzahl[i];
                const QString text = feld->text().trimmed();
                m_abschluss.Zaehlung[i].Anzahl = text.isEmpty() ? 0
                    : CZaehlprotokoll::LeseAnzahl(m_abschluss.Zaehlung[i].Nennwert,
                                                  Cp1252::FromQString(text).value_or("?"));
            }
            feld = nullptr;
            m_abschluss.Gezaehlt = CZaehlprotokoll::Summe(m_abschluss.Zaehlung);
        }
        if (!m_abschluss.Gezaehlt.IsErfassbar())
            throw CFehler("Der gez\xE4hlte Betrag ist zu gro\xDF.");
    } catch (const CFehler& e) {
        if (melden) {
            m_messages.Error(e.what());
            if (feld) {
                feld->setFocus();
                feld->selectAll();
            }
        }
        return false;
    }
    m_abschluss.Differenz = m_abschluss.Gezaehlt - m_abschluss.Buchbestand;
    return true;
}

void CKassenabschlussDlg::Aktualisiere()
{
    for (std::size_t i = 0; i < m_anzahl.size(); ++i) {
        const QString text = m_anzahl[i]->text().trimmed();
        bool ok = text.isEmpty();
        const qlonglong n = ok ? 0 : text.toLongLong(&ok);
        ok = ok && n >= 0 && n <= CZaehlprotokoll::kHoechstAnzahl && !text.startsWith(QLatin1Char('+'));
        m_summe[i]->setText(ok ? Text(FormatBetragAnzeige(CZaehlposten{m_abschluss.Zaehlung[i].Nennwert, n}.Summe()))
                               : QStringLiteral("?"));
    }
    const bool gut = Lies(false);
    m_gezaehlt->setText(gut ? Text(FormatBetragAnzeige(m_abschluss.Gezaehlt)) : QStringLiteral("?"));
    m_differenz->setText(gut ? Text(FormatBetragAnzeige(m_abschluss.Differenz)) : QStringLiteral("?"));
    const bool differenz = !gut || m_abschluss.Differenz != CBetrag();
    m_buchen->setEnabled(differenz);
    m_abschliessen->setEnabled(!differenz);
    m_buchen->setDefault(differenz);
    m_abschliessen->setDefault(!differenz);
}

void CKassenabschlussDlg::accept()
{
    if (Lies(true))
        QDialog::accept();
}

void CKassenabschlussDlg::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_F1) {
        emit HilfeAngefordert(HilfeThema);
        return;
    }
    QDialog::keyPressEvent(event);
}
