#include "platform/CHilfeFenster.h"

#include <QFileInfo>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QSplitter>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

#include <QSignalBlocker>

namespace {

struct Kapitel {
    const char* seite;
    const char* titel;
};

// The contents in reading order; the list on the left follows it.
constexpr Kapitel kKapitel[] = {
    {"index.html", "Inhalt"},
    {"erste-schritte.html", "Erste Schritte"},
    {"hauptfenster.html", "Das Hauptfenster"},
    {"buchen.html", "Buchen"},
    {"aufteilen.html", "Aufgeteilte Buchungen"},
    {"negativ.html", "Kassennegativpr\u00fcfung"},
    {"abschluss.html", "Kassenabschluss am Tagesende"},
    {"berichte.html", "Kassenbericht, Statistik, Monats\u00fcbersicht"},
    {"export.html", "Export an den Steuerberater"},
    {"sicherung.html", "Sicherungskopien und Speichern"},
    {"firma.html", "Firmendaten"},
    {"belegtexte.html", "Belegtexte"},
    {"umsatzsteuer.html", "Umsatzsteuers\u00e4tze"},
};

} // namespace

CHilfeFenster::CHilfeFenster(std::filesystem::path helpFolder, QWidget* parent)
    : QWidget(parent, Qt::Window)
    , m_folder(std::move(helpFolder))
{
    setObjectName(QStringLiteral("hilfeFenster"));
    setWindowTitle(QStringLiteral("Hilfe - Kuvex - das Kassenbuch"));
    auto* layout = new QVBoxLayout(this);
    auto* leiste = new QHBoxLayout;
    auto* inhalt = new QPushButton(QStringLiteral("&Inhalt"), this);
    m_zurueck = new QPushButton(QStringLiteral("&Zur\u00fcck"), this);
    m_vor = new QPushButton(QStringLiteral("&Vorw\u00e4rts"), this);
    inhalt->setObjectName(QStringLiteral("hilfeInhalt"));
    m_zurueck->setObjectName(QStringLiteral("hilfeZurueck"));
    m_vor->setObjectName(QStringLiteral("hilfeVor"));
    leiste->addWidget(inhalt);
    leiste->addWidget(m_zurueck);
    leiste->addWidget(m_vor);
    leiste->addStretch();
    layout->addLayout(leiste);

    auto* teiler = new QSplitter(this);
    m_inhalt = new QListWidget(teiler);
    m_inhalt->setObjectName(QStringLiteral("hilfeKapitel"));
    for (const Kapitel& k : kKapitel) {
        auto* item = new QListWidgetItem(QString::fromUtf8(k.titel), m_inhalt);
        item->setData(Qt::UserRole, QString::fromLatin1(k.seite));
    }
    m_browser = new QTextBrowser(teiler);
    m_browser->setObjectName(QStringLiteral("hilfeText"));
    m_browser->setSearchPaths({QString::fromStdString(m_folder.string())});
    // Links to the web or to mail leave the help window for the desktop's
    // handler; links between pages stay here.
    m_browser->setOpenExternalLinks(true);
    teiler->addWidget(m_inhalt);
    teiler->addWidget(m_browser);
    teiler->setStretchFactor(1, 3);
    layout->addWidget(teiler);
    resize(820, 560);

    connect(inhalt, &QPushButton::clicked, this, [this] { Oeffne(QStringLiteral("index.html")); });
    connect(m_zurueck, &QPushButton::clicked, m_browser, &QTextBrowser::backward);
    connect(m_vor, &QPushButton::clicked, m_browser, &QTextBrowser::forward);
    connect(m_browser, &QTextBrowser::backwardAvailable, m_zurueck, &QPushButton::setEnabled);
    connect(m_browser, &QTextBrowser::forwardAvailable, m_vor, &QPushButton::setEnabled);
    connect(m_inhalt, &QListWidget::itemActivated, this,
            [this](QListWidgetItem* item) { Oeffne(item->data(Qt::UserRole).toString()); });
    connect(m_inhalt, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { Oeffne(item->data(Qt::UserRole).toString()); });
    m_zurueck->setEnabled(false);
    m_vor->setEnabled(false);
}

const char* CHilfeFenster::Seite(int topic)
{
    switch (topic) {
    case ThemaFirma: return "firma.html";
    case ThemaBelegtexte: return "belegtexte.html";
    case ThemaUmsatzsteuer: return "umsatzsteuer.html";
    case ThemaHauptfenster: return "hauptfenster.html";
    case ThemaKassenabschluss: return "abschluss.html";
    default: return "index.html";
    }
}

void CHilfeFenster::Zeige(int topic)
{
    Oeffne(QString::fromLatin1(Seite(topic)));
    show();
    raise();
    activateWindow();
}

QString CHilfeFenster::AktuelleSeite() const
{
    return QFileInfo(m_browser->source().path()).fileName();
}

void CHilfeFenster::Oeffne(const QString& page)
{
    const QString pfad = QString::fromStdString((m_folder / page.toStdString()).string());
    if (!QFileInfo::exists(pfad)) {
        m_browser->setHtml(QStringLiteral("<h2>Hilfe nicht gefunden</h2><p>Die Hilfeseite \u201e%1\u201c fehlt im "
                                          "Programmordner. Bitte installieren Sie das Programm neu.</p>")
                               .arg(page.toHtmlEscaped()));
        return;
    }
    m_browser->setSource(QUrl::fromLocalFile(pfad));
    for (int i = 0; i < m_inhalt->count(); ++i) {
        if (m_inhalt->item(i)->data(Qt::UserRole).toString() == page) {
            const QSignalBlocker still(m_inhalt);
            m_inhalt->setCurrentRow(i);
        }
    }
}
