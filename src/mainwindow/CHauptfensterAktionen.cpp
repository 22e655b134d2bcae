#include "mainwindow/CHauptfensterAktionen.h"

#include "mainwindow/CKassenbuchDlg.h"

#include <QAbstractButton>
#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>

#include <algorithm>

namespace {

struct MenuKopf {
    Menue menue;
    const char* titel;
    const char* name;
};
const MenuKopf kMenus[] = {
    {Menue::Datei, "&Datei", "menuDatei"},
    {Menue::Stammdaten, "&Stammdaten", "menuStammdaten"},
    {Menue::Auswertungen, "&Auswertungen", "menuAuswertungen"},
    {Menue::Einstellungen, "&Einstellungen", "menuEinstellungen"},
    {Menue::Hilfe, "&?", "menuHilfe"},
};

QKeySequence ErsteTaste(const CBefehl& befehl)
{
    if (!befehl.tasten)
        return QKeySequence();
    const QList<QKeySequence> keys = QKeySequence::listFromString(QString::fromLatin1(befehl.tasten));
    return keys.isEmpty() ? QKeySequence() : keys.front();
}

} // namespace

CHauptfensterAktionen::CHauptfensterAktionen(CKassenbuchDlg& window, QWidget& surface)
    : QObject(&window)
    , m_window(window)
{
    setObjectName(QStringLiteral("hauptfensterAktionen"));
    QMenuBar* bar = window.menuBar();
    for (const MenuKopf& kopf : kMenus) {
        QMenu* menu = bar->addMenu(QString::fromUtf8(kopf.titel));
        menu->setObjectName(QString::fromLatin1(kopf.name));
        m_menus.push_back(menu);
    }
    m_datei = MenuFor(Menue::Datei);

    for (const CBefehl& befehl : Befehlstabelle()) {
        Eintrag e{&befehl, nullptr, nullptr};
        if (befehl.menue != Menue::Keines) {
            auto* action = new QAction(MenueText(befehl), &window);
            action->setObjectName(QString::fromLatin1(befehl.name));
            action->setToolTip(Tooltip(befehl));
            if (befehl.tasteImMenue)
                action->setShortcut(ErsteTaste(befehl));
            if (befehl.leiste)
                action->setIcon(MakeToolbarIcon(befehl.symbol));
            action->setCheckable(befehl.option != nullptr);
            QMenu* menu = MenuFor(befehl.menue);
            if (befehl.trennerDavor)
                menu->addSeparator();
            menu->addAction(action);
            connect(action, &QAction::triggered, this, [this, &befehl] { Run(befehl); });
            e.aktion = action;
        }
        if (befehl.knopf) {
            e.knopf = surface.findChild<QAbstractButton*>(QString::fromLatin1(befehl.knopf));
            if (e.knopf)
                connect(e.knopf, &QAbstractButton::clicked, this, [this, &befehl] { Run(befehl); });
        }
        m_eintraege.push_back(e);
    }
    // The recent files get a section of their own before the last item of
    // "&Datei" ("&Beenden"); they are inserted in front of this separator.
    m_vorBeenden = m_datei->insertSeparator(m_datei->actions().back());
}

QMenu* CHauptfensterAktionen::MenuFor(Menue menue)
{
    for (std::size_t i = 0; i < std::size(kMenus); ++i)
        if (kMenus[i].menue == menue)
            return m_menus[i];
    return nullptr;
}

void CHauptfensterAktionen::Run(const CBefehl& befehl)
{
    if (befehl.option)
        m_window.ToggleOption(befehl.option);
    else if (befehl.ausfuehren)
        befehl.ausfuehren(m_window);
}

QAction* CHauptfensterAktionen::Aktion(const char* name) const
{
    for (const Eintrag& e : m_eintraege)
        if (e.aktion && qstrcmp(e.befehl->name, name) == 0)
            return e.aktion;
    return nullptr;
}

std::vector<QAction*> CHauptfensterAktionen::Leiste() const
{
    std::vector<const Eintrag*> plaetze;
    for (const Eintrag& e : m_eintraege)
        if (e.aktion && e.befehl->leiste > 0)
            plaetze.push_back(&e);
    std::sort(plaetze.begin(), plaetze.end(),
              [](const Eintrag* a, const Eintrag* b) { return a->befehl->leiste < b->befehl->leiste; });
    std::vector<QAction*> leiste;
    int gruppe = 0;
    for (const Eintrag* e : plaetze) {
        if (gruppe != 0 && e->befehl->leiste / 10 != gruppe)
            leiste.push_back(nullptr);
        gruppe = e->befehl->leiste / 10;
        leiste.push_back(e->aktion);
    }
    return leiste;
}

bool CHauptfensterAktionen::Erlaubt(Freigabe freigabe, const CFreigabeZustand& z)
{
    switch (freigabe) {
    case Freigabe::Immer: return true;
    case Freigabe::Offen: return z.offen;
    case Freigabe::Geladen: return z.geladen;
    case Freigabe::Geaendert: return z.offen && z.geaendert;
    case Freigabe::Erfassung: return z.eingabe >= EntryState::Open;
    case Freigabe::Ruhig: return z.offen && z.eingabe < EntryState::Changed;
    case Freigabe::GoBD: return z.offen && z.gobd;
    case Freigabe::Festschreibbar: return z.offen && !z.gobd;
    case Freigabe::Korrigierbar: return z.offen && z.gobd && !z.nurLesen && z.eingabe < EntryState::Changed;
    }
    return false;
}

void CHauptfensterAktionen::Freigeben(const CFreigabeZustand& zustand)
{
    for (const Eintrag& e : m_eintraege) {
        const bool an = Erlaubt(e.befehl->freigabe, zustand);
        if (e.aktion)
            e.aktion->setEnabled(an);
        if (e.knopf)
            e.knopf->setEnabled(an);
    }
}

void CHauptfensterAktionen::ZeigeOptionen()
{
    for (const Eintrag& e : m_eintraege)
        if (e.aktion && e.befehl->option)
            e.aktion->setChecked(m_window.IsOptionOn(e.befehl->option));
}

QString CHauptfensterAktionen::TasteDeutsch(const QKeySequence& key)
{
    QString text = key.toString(QKeySequence::PortableText);
    text.replace(QLatin1String("Ctrl+"), QLatin1String("Strg+"));
    return text;
}

QString CHauptfensterAktionen::MenueText(const CBefehl& befehl)
{
    QString text = QString::fromUtf8(befehl.text ? befehl.text : "");
    if (befehl.tasteImMenue)
        text += QLatin1Char('\t') + TasteDeutsch(ErsteTaste(befehl));
    return text;
}

QString CHauptfensterAktionen::Tooltip(const CBefehl& befehl)
{
    QString tip = befehl.tipp ? QString::fromUtf8(befehl.tipp) : QString::fromUtf8(befehl.text ? befehl.text : "");
    tip.remove(QLatin1Char('&'));
    if (tip.endsWith(QLatin1String("...")))
        tip.chop(3);
    const QKeySequence key = ErsteTaste(befehl);
    if (!key.isEmpty())
        tip += QStringLiteral(" (") + TasteDeutsch(key) + QLatin1Char(')');
    return tip;
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
