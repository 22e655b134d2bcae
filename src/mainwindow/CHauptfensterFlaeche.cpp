#include "mainwindow/CHauptfensterFlaeche.h"

#include "bookinggrids/CBuchungEingabe.h"
#include "bookinggrids/CBuchungListe.h"
#include "mainwindow/CLogo.h"
#include "mainwindow/CSummenPanel.h"

#include <QButtonGroup>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

template <class T>
T* Named(T* widget, const char* name)
{
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

QFrame* Linie(QWidget* parent)
{
    auto* line = new QFrame(parent);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    return line;
}

// A column of buttons beside a grid, at its top.
QVBoxLayout* Knopfspalte(std::initializer_list<QPushButton*> buttons)
{
    auto* column = new QVBoxLayout;
    for (QPushButton* b : buttons) {
        b->setMinimumWidth(110);
        column->addWidget(b);
    }
    column->addStretch(1);
    return column;
}

} // namespace

CHauptfensterFlaeche::CHauptfensterFlaeche(CDatenZugriff& zugriff, QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("hauptfensterFlaeche"));

    datum = Named(new QLabel(QStringLiteral("Datum"), this), "labelDatum");
    QFont font(QStringLiteral("Arial"));
    font.setPointSize(14);
    datum->setFont(font);
    taeglich = Named(new QRadioButton(QStringLiteral("täglich"), this), "radioTaeglich");
    monatlich = Named(new QRadioButton(QStringLiteral("monatlich"), this), "radioMonatlich");
    auto* modes = new QButtonGroup(this);
    modes->addButton(taeglich);
    modes->addButton(monatlich);

    eingabe = Named(new CBuchungEingabe(zugriff, this), "gridEingabe");
    neu = Named(new QPushButton(QStringLiteral("&Neu"), this), "buttonNeu");
    speichern = Named(new QPushButton(QStringLiteral("S&peichern"), this), "buttonSpeichern");
    abbrechen = Named(new QPushButton(QStringLiteral("A&bbrechen"), this), "buttonAbbrechen");

    liste = Named(new CBuchungListe(zugriff, this), "gridListe");
    loeschen = Named(new QPushButton(QStringLiteral("&Löschen"), this), "buttonLoeschen");
    korrigieren = Named(new QPushButton(QStringLiteral("&Korrigieren"), this), "buttonKorrigieren");
    korrigieren->hide();

    summen = new CSummenPanel(this);
    monatsuebersicht = Named(new QPushButton(QStringLiteral("&Monatsübersicht"), this), "buttonMonatsuebersicht");
    kassenbericht = Named(new QPushButton(QStringLiteral("&Kassenbericht"), this), "buttonKassenbericht");
    statistik = Named(new QPushButton(QStringLiteral("S&tatistik"), this), "buttonStatistik");
    // Enter belongs to the grids: no button of the window is a default one.
    for (QPushButton* b : {neu, speichern, abbrechen, loeschen, korrigieren, monatsuebersicht, kassenbericht, statistik}) {
        b->setAutoDefault(false);
        b->setDefault(false);
    }

    auto* kopf = new QHBoxLayout;
    kopf->addWidget(datum, 1);
    kopf->addWidget(taeglich);
    kopf->addSpacing(12);
    kopf->addWidget(monatlich);

    auto* eingabeZeile = new QHBoxLayout;
    eingabeZeile->addWidget(eingabe, 1);
    eingabeZeile->addLayout(Knopfspalte({neu, speichern, abbrechen}));

    auto* listenZeile = new QHBoxLayout;
    listenZeile->addWidget(liste, 1);
    listenZeile->addLayout(Knopfspalte({loeschen, korrigieren}));

    auto* berichte = new QVBoxLayout;
    for (QPushButton* b : {monatsuebersicht, kassenbericht, statistik}) {
        b->setMinimumWidth(130);
        berichte->addWidget(b);
    }
    berichte->addStretch(1);

    auto* fuss = new QHBoxLayout;
    logo = new CLogo(this);
    fuss->addLayout(berichte);
    fuss->addSpacing(24);
    fuss->addWidget(logo, 0, Qt::AlignBottom);
    fuss->addStretch(1);
    fuss->addWidget(summen);

    auto* spalte = new QVBoxLayout(this);
    spalte->addLayout(kopf);
    spalte->addLayout(eingabeZeile, 1);
    spalte->addWidget(Linie(this));
    spalte->addLayout(listenZeile, 4);
    spalte->addWidget(Linie(this));
    spalte->addLayout(fuss);
}
