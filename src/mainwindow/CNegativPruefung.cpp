#include "mainwindow/CNegativPruefung.h"

#include "core/CBuchungen.h"
#include "core/CPeriode.h"

std::optional<CDatum> CNegativPruefung::ErsterNegativerTag(const CBuchungen& journal, const CPeriode& periode)
{
    std::optional<CDatum> gefunden;
    journal.WalkDailyBalance(periode.Start(), periode.Ende(), [&](CDatum tag, CBetrag bestand) {
        if (bestand.AsDouble() < 0.0) {
            gefunden = tag;
            return false;
        }
        return true;
    });
    return gefunden;
}

std::string CNegativPruefung::Warnung(CDatum tag)
{
    return "Der Bestand in der Kasse ist seit " + tag.ToDisplay() + " negativ.";
}
