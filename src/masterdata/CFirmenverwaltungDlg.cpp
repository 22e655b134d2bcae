#include "masterdata/CFirmenverwaltungDlg.h"

#include "common/CDatenZugriff.h"
#include "core/CFirma.h"
#include "core/CLaender.h"
#include "core/UserMessages.h"
#include "masterdata/CPlzValidator.h"
#include "platform/Cp1252.h"
#include "platform/Cp1252Validator.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTextCursor>
#include <QVBoxLayout>

#include <algorithm>
#include <optional>

const char* const CFirmenverwaltungDlg::ZuVieleZeichen = "Bitte geben Sie h\xF6" "chstens 5 Zeichen ein.";

namespace {

QLineEdit* NeuesFeld(QWidget* parent, const char* name)
{
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QString::fromLatin1(name));
    edit->setValidator(new Cp1252Validator(edit));
    return edit;
}

QLabel* NeuesLabel(QWidget* parent, const char* name, const QString& text)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    return label;
}

// The record keeps the line breaks of a Windows edit field, CR LF; the
// widget works with bare line feeds.
QString NameFuerAnzeige(const std::string& name)
{
    QString text = Cp1252::ToQString(name);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text;
}

} // namespace

CFirmenverwaltungDlg::CFirmenverwaltungDlg(CDatenZugriff& zugriff, const std::string& laenderDatei,
                                           UserMessages& messages, QWidget* parent)
    : QDialog(parent)
    , m_zugriff(zugriff)
    , m_messages(messages)
{
    setObjectName(QStringLiteral("firmenverwaltungDlg"));
    setWindowTitle(QStringLiteral("Firmenverwaltung"));
    BaueAuf();

    const CFirma* firma = m_zugriff.GetFirma();
    const std::string land = firma ? firma->GetLand() : std::string();
    const std::string waehrung = firma ? firma->GetWaehrung() : std::string();
    if (firma) {
        m_name->setPlainText(NameFuerAnzeige(firma->GetName()));
        m_vorname->setText(Cp1252::ToQString(firma->GetVorname()));
        m_nachname->setText(Cp1252::ToQString(firma->GetNachname()));
        m_kurzbezeichnung->setText(Cp1252::ToQString(firma->GetKurzbezeichnung()));
        m_strasse->setText(Cp1252::ToQString(firma->GetStrasse()));
        m_plzRegel->SetText(Cp1252::ToQString(firma->GetPLZ()));
        m_ort->setText(Cp1252::ToQString(firma->GetOrt()));
    }
    m_letzterName = m_name->toPlainText();
    // Read each time the dialog is made and dropped with it.
    const CLaender laender(laenderDatei);
    FuelleLaender(laender, land, waehrung);

    connect(m_name, &QPlainTextEdit::textChanged, this, &CFirmenverwaltungDlg::NameGeaendert);
    connect(m_land, &QComboBox::currentIndexChanged, this, &CFirmenverwaltungDlg::LandGewaehlt);
    connect(m_ok, &QPushButton::clicked, this, &CFirmenverwaltungDlg::accept);
    connect(m_abbrechen, &QPushButton::clicked, this, &CFirmenverwaltungDlg::reject);
}

void CFirmenverwaltungDlg::BaueAuf()
{
    m_name = new QPlainTextEdit(this);
    m_name->setObjectName(QStringLiteral("editName"));
    m_name->setTabChangesFocus(true);
    // Room for two lines, as the record's name usually has.
    const int zeilen = 2 * m_name->fontMetrics().lineSpacing();
    m_name->setFixedHeight(zeilen + 2 * (m_name->frameWidth() + int(m_name->document()->documentMargin())));
    m_vorname = NeuesFeld(this, "editVorname");
    m_nachname = NeuesFeld(this, "editNachname");
    m_kurzbezeichnung = NeuesFeld(this, "editKurzbezeichnung");
    m_strasse = NeuesFeld(this, "editStrasse");
    m_plz = new QLineEdit(this);
    m_plz->setObjectName(QStringLiteral("editPlz"));
    m_plzRegel = new CPlzValidator(*m_plz);
    m_plz->setFixedWidth(m_plz->fontMetrics().horizontalAdvance(QStringLiteral("0000000")) + 12);
    m_ort = NeuesFeld(this, "editOrt");
    m_land = new QComboBox(this);
    m_land->setObjectName(QStringLiteral("comboLand"));
    m_waehrung = new QComboBox(this);
    m_waehrung->setObjectName(QStringLiteral("comboWaehrung"));
    m_waehrung->setEditable(true);
    // What is typed stays typed: no completion that changes its case, no
    // new list items from Enter.
    m_waehrung->setCompleter(nullptr);
    m_waehrung->setInsertPolicy(QComboBox::NoInsert);
    m_waehrung->lineEdit()->setValidator(new Cp1252Validator(m_waehrung));
    m_ok = new QPushButton(QStringLiteral("&OK"), this);
    m_ok->setObjectName(QStringLiteral("buttonOk"));
    m_ok->setDefault(true);
    m_abbrechen = new QPushButton(QStringLiteral("&Abbrechen"), this);
    m_abbrechen->setObjectName(QStringLiteral("buttonAbbrechen"));

    auto* felder = new QGridLayout;
    felder->addWidget(NeuesLabel(this, "labelFirma", QStringLiteral("Firma")), 0, 0, Qt::AlignTop);
    felder->addWidget(m_name, 0, 1);
    felder->addWidget(NeuesLabel(this, "labelVorname", QStringLiteral("Vorname")), 1, 0);
    felder->addWidget(m_vorname, 1, 1);
    felder->addWidget(NeuesLabel(this, "labelNachname", QStringLiteral("Nachname")), 2, 0);
    felder->addWidget(m_nachname, 2, 1);
    felder->addWidget(NeuesLabel(this, "labelKurzbezeichnung", QStringLiteral("Kurzbezeichnung")), 3, 0);
    felder->addWidget(m_kurzbezeichnung, 3, 1);
    felder->addWidget(NeuesLabel(this, "labelStrasse", QStringLiteral("Straße")), 4, 0);
    felder->addWidget(m_strasse, 4, 1);
    felder->addWidget(NeuesLabel(this, "labelPlzOrt", QStringLiteral("PLZ / Ort")), 5, 0);
    auto* plzOrt = new QHBoxLayout;
    plzOrt->addWidget(m_plz);
    plzOrt->addWidget(m_ort, 1);
    felder->addLayout(plzOrt, 5, 1);
    felder->addWidget(NeuesLabel(this, "labelLand", QStringLiteral("Land")), 6, 0);
    auto* landWaehrung = new QHBoxLayout;
    landWaehrung->addWidget(m_land, 3);
    landWaehrung->addWidget(NeuesLabel(this, "labelWaehrung", QStringLiteral("Währung")));
    landWaehrung->addWidget(m_waehrung, 2);
    felder->addLayout(landWaehrung, 6, 1);

    auto* knoepfe = new QVBoxLayout;
    knoepfe->addWidget(m_ok);
    knoepfe->addWidget(m_abbrechen);
    knoepfe->addStretch(1);

    auto* aussen = new QHBoxLayout(this);
    aussen->addLayout(felder, 1);
    aussen->addLayout(knoepfe);
    setMinimumWidth(480);
}

void CFirmenverwaltungDlg::FuelleLaender(const CLaender& laender, const std::string& land,
                                         const std::string& waehrung)
{
    int gewaehltesLand = -1;
    int gewaehlteWaehrung = -1;
    for (int i = 0; i < laender.GetCount(); ++i) {
        // Countries that share a currency share its item, whatever its case.
        const std::string code = laender.GetWaehrung(i);
        int item = m_waehrung->findText(Cp1252::ToQString(code), Qt::MatchFixedString);
        if (item < 0) {
            m_waehrung->addItem(Cp1252::ToQString(code));
            item = m_waehrung->count() - 1;
        }
        const std::string name = laender.GetName(i);
        m_land->addItem(Cp1252::ToQString(name), item);
        if (name == land)
            gewaehltesLand = m_land->count() - 1;
        if (code == waehrung)
            gewaehlteWaehrung = item;
    }
    // A country the list does not know stays unselected; a currency no
    // country uses is shown as typed text only.
    m_land->setCurrentIndex(gewaehltesLand);
    m_waehrung->setCurrentIndex(gewaehlteWaehrung);
    if (gewaehlteWaehrung < 0)
        m_waehrung->setEditText(Cp1252::ToQString(waehrung));
}

void CFirmenverwaltungDlg::LandGewaehlt(int index)
{
    if (index >= 0)
        m_waehrung->setCurrentIndex(m_land->itemData(index).toInt());
}

void CFirmenverwaltungDlg::NameGeaendert()
{
    // A multi-line field has no validator; a character the cash book
    // cannot store is taken back here, leaving the cursor where it was.
    const QString text = m_name->toPlainText();
    if (Cp1252::CanEncode(text)) {
        m_letzterName = text;
        return;
    }
    const int position = m_name->textCursor().position() - int(text.size() - m_letzterName.size());
    const QSignalBlocker still(m_name);
    m_name->setPlainText(m_letzterName);
    QTextCursor cursor = m_name->textCursor();
    cursor.setPosition(std::clamp(position, 0, int(m_letzterName.size())));
    m_name->setTextCursor(cursor);
}

void CFirmenverwaltungDlg::accept()
{
    CFirma* firma = m_zugriff.GetFirma();
    if (!firma) {
        reject();
        return;
    }
    if (m_plz->text().size() > CPlzValidator::MaxZeichen) {
        m_messages.Show(ZuVieleZeichen, UserMessages::Icon::Warning, UserMessages::Buttons::Ok);
        m_plz->setFocus();
        m_plz->selectAll();
        return;
    }
    QString name = m_name->toPlainText();
    name.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    const QString land = m_land->currentIndex() >= 0 ? m_land->currentText() : QString();
    const QString texte[] = {name, m_vorname->text(), m_nachname->text(), m_kurzbezeichnung->text(),
                             m_strasse->text(), m_plz->text(), m_ort->text(), land, m_waehrung->currentText()};
    std::optional<std::string> bytes[std::size(texte)];
    for (std::size_t i = 0; i < std::size(texte); ++i) {
        bytes[i] = Cp1252::FromQString(texte[i]);
        // The fields refuse such characters as they are typed; should one
        // slip through, nothing is written rather than something lost.
        if (!bytes[i])
            return;
    }
    firma->SetName(*bytes[0]);
    firma->SetVorname(*bytes[1]);
    firma->SetNachname(*bytes[2]);
    firma->SetKurzbezeichnung(*bytes[3]);
    firma->SetStrasse(*bytes[4]);
    firma->SetPLZ(*bytes[5]);
    firma->SetOrt(*bytes[6]);
    firma->SetLand(*bytes[7]);
    firma->SetWaehrung(*bytes[8]);
    QDialog::accept();
}

void CFirmenverwaltungDlg::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_F1) {
        emit HilfeAngefordert(HilfeThema);
        return;
    }
    QDialog::keyPressEvent(event);
}
