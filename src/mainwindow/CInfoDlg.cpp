#include "mainwindow/CInfoDlg.h"

#include "platform/Links.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

const char* const CInfoDlg::WebAdresse = "https://kuvex.example/";
const char* const CInfoDlg::MailAdresse = "support@kuvex.example";
const char* const CInfoDlg::Version = "Version " KUVEX_VERSION;

namespace {

QLabel* Verweis(const QString& text, const QString& ziel, const char* name, QWidget* parent)
{
    auto* label = new QLabel(QStringLiteral("<a href=\"%1\" style=\"color:#0000ff; text-decoration:underline\">%2</a>")
                                 .arg(ziel.toHtmlEscaped(), text.toHtmlEscaped()),
                             parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
    label->setCursor(Qt::PointingHandCursor);
    QObject::connect(label, &QLabel::linkActivated, label, [](const QString& link) { OpenLink(link); });
    return label;
}

} // namespace

CInfoDlg::CInfoDlg(QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("infoDlg"));
    setWindowTitle(QStringLiteral("Info"));

    auto* symbol = new QLabel(this);
    symbol->setPixmap(QApplication::windowIcon().pixmap(64, 64));
    symbol->setAlignment(Qt::AlignTop);

    auto* name = new QLabel(QStringLiteral("Kuvex - das Kassenbuch"), this);
    name->setObjectName(QStringLiteral("infoName"));
    QFont gross = name->font();
    gross.setPointSize(gross.pointSize() + 4);
    gross.setBold(true);
    name->setFont(gross);
    auto* version = new QLabel(QString::fromLatin1(Version), this);
    version->setObjectName(QStringLiteral("infoVersion"));
    auto* rechte = new QLabel(QStringLiteral("Das Kassenbuch für kleine Betriebe in Deutschland, Österreich und der "
                                             "Schweiz.\nAlle Rechte vorbehalten."),
                              this);
    auto* hilfe = new QLabel(QStringLiteral("Fragen und Anregungen nehmen wir gern per E-Mail entgegen:"), this);

    const QString web = QString::fromLatin1(WebAdresse);
    const QString mail = QString::fromLatin1(MailAdresse);
    auto* texte = new QVBoxLayout;
    texte->addWidget(name);
    texte->addWidget(version);
    texte->addSpacing(8);
    texte->addWidget(rechte);
    texte->addSpacing(8);
    texte->addWidget(Verweis(QStringLiteral("kuvex.example"), web, "infoWeb", this));
    texte->addWidget(hilfe);
    texte->addWidget(Verweis(mail, QStringLiteral("mailto:") + mail, "infoMail", this));

    auto* oben = new QHBoxLayout;
    oben->addWidget(symbol);
    oben->addSpacing(12);
    oben->addLayout(texte, 1);

    auto* knoepfe = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    knoepfe->button(QDialogButtonBox::Ok)->setText(QStringLiteral("OK"));
    connect(knoepfe, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(oben);
    layout->addWidget(knoepfe);
}
