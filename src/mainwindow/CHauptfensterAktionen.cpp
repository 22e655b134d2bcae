#include "mainwindow/CHauptfensterAktionen.h"

#include <QAction>
#include <QKeySequence>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>

namespace {

// The menu text carries the shortcut after a tab, so the menu shows it in
// German whatever Qt's own translation says; the shortcut itself is set too.
QAction* Make(QObject* owner, const char* name, const char* text, const char* shortcut = nullptr)
{
    auto* action = new QAction(QString::fromUtf8(text), owner);
    action->setObjectName(QString::fromLatin1(name));
    if (shortcut)
        action->setShortcut(QKeySequence(QString::fromLatin1(shortcut)));
    return action;
}

QAction* Toggle(QObject* owner, const char* name, const char* text)
{
    QAction* action = Make(owner, name, text);
    action->setCheckable(true);
    return action;
}

} // namespace

CHauptfensterAktionen::CHauptfensterAktionen(QMainWindow& window)
    : QObject(&window)
    , m_window(window)
{
    setObjectName(QStringLiteral("hauptfensterAktionen"));
    QObject* o = &window;
    neu = Make(o, "actionNeu", "&Neu...\tStrg+N", "Ctrl+N");
    oeffnen = Make(o, "actionOeffnen", "&Öffnen...\tStrg+O", "Ctrl+O");
    speichern = Make(o, "actionSpeichern", "&Speichern\tStrg+S", "Ctrl+S");
    speichernUnter = Make(o, "actionSpeichernUnter", "Speichern &unter...");
    schliessen = Make(o, "actionSchliessen", "S&chließen\tStrg+W", "Ctrl+W");
    exportieren = Make(o, "actionExport", "&Export...");
    beenden = Make(o, "actionBeenden", "&Beenden");

    firma = Make(o, "actionFirma", "&Firma...\tStrg+F", "Ctrl+F");
    belegtexte = Make(o, "actionBelegtexte", "&Belegstexte...\tStrg+B", "Ctrl+B");
    umsatzsteuer = Make(o, "actionUmsatzsteuer", "&Umsatzsteuer...\tStrg+U", "Ctrl+U");

    kassenbericht = Make(o, "actionKassenbericht", "&Kassenbericht");
    statistik = Make(o, "actionStatistik", "&Statistik");

    autostart = Toggle(o, "actionAutostart", "mit Windows &starten");
    immerVorne = Toggle(o, "actionStayOnTop", "Immer im &Vordergrund");
    schliessenInTray = Toggle(o, "actionCloseToTray", "mit [&x]-Button verkleinern");
    autosave = Toggle(o, "actionAutosave", "&alle 2 Minuten speichern");
    negativPruefung = Toggle(o, "actionWarnNegative", "&Kassennegativprüfung");

    hilfe = Make(o, "actionHilfe", "&Hilfe...");
    info = Make(o, "actionInfo", "&Info...");

    QMenuBar* bar = window.menuBar();
    m_datei = bar->addMenu(QStringLiteral("&Datei"));
    m_datei->setObjectName(QStringLiteral("menuDatei"));
    m_datei->addAction(neu);
    m_datei->addAction(oeffnen);
    m_datei->addAction(speichern);
    m_datei->addAction(speichernUnter);
    m_datei->addAction(schliessen);
    m_datei->addSeparator();
    m_datei->addAction(exportieren);
    m_datei->addSeparator();
    // Position 8 onwards: the recent files, inserted before this separator.
    m_vorBeenden = m_datei->addSeparator();
    m_datei->addAction(beenden);

    QMenu* stammdaten = bar->addMenu(QStringLiteral("&Stammdaten"));
    stammdaten->setObjectName(QStringLiteral("menuStammdaten"));
    stammdaten->addAction(firma);
    stammdaten->addAction(belegtexte);
    stammdaten->addAction(umsatzsteuer);

    QMenu* auswertungen = bar->addMenu(QStringLiteral("&Auswertungen"));
    auswertungen->setObjectName(QStringLiteral("menuAuswertungen"));
    auswertungen->addAction(kassenbericht);
    auswertungen->addAction(statistik);

    QMenu* einstellungen = bar->addMenu(QStringLiteral("&Einstellungen"));
    einstellungen->setObjectName(QStringLiteral("menuEinstellungen"));
    for (QAction* a : {autostart, immerVorne, schliessenInTray, autosave, negativPruefung})
        einstellungen->addAction(a);

    QMenu* fragezeichen = bar->addMenu(QStringLiteral("&?"));
    fragezeichen->setObjectName(QStringLiteral("menuHilfe"));
    fragezeichen->addAction(hilfe);
    fragezeichen->addSeparator();
    fragezeichen->addAction(info);
}

QAction* CHauptfensterAktionen::Recent(int i) const
{
    return i >= 0 && i < RecentCount() ? m_recent[static_cast<std::size_t>(i)] : nullptr;
}

void CHauptfensterAktionen::SetRecent(int i, const QString& text)
{
    if (i < 0 || i >= MaxRecent)
        return;
    if (QAction* existing = Recent(i)) {
        existing->setText(text);
        return;
    }
    // The history never has holes in the menu: items come in order.
    while (RecentCount() <= i) {
        const int index = RecentCount();
        auto* action = new QAction(&m_window);
        action->setObjectName(QStringLiteral("actionRecent") + QString::number(index));
        connect(action, &QAction::triggered, this, [this, index] {
            if (m_recentHandler)
                m_recentHandler(index);
        });
        m_datei->insertAction(m_vorBeenden, action);
        m_recent.push_back(action);
    }
    m_recent[static_cast<std::size_t>(i)]->setText(text);
}
