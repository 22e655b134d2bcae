#include "mainwindow/CGeneratorBefehl.h"

#include "core/CBuchungsGenerator.h"
#include "core/CFehler.h"
#include "core/UserMessages.h"
#include "mainwindow/CWarteCursor.h"

#include <ctime>
#include <string>

const char* const CGeneratorBefehl::Frage =
    "Geben Sie die Anzahl der zu generierenden Buchungen ein...\nJa = 200.000, Nein = 20.000";
const char* const CGeneratorBefehl::Titel = "BuchungsGenerator";
const char* const CGeneratorBefehl::Fertig = "Erzeugung abgeschlossen";

CGeneratorBefehl::CGeneratorBefehl(UserMessages& messages, Seed seed)
    : m_messages(messages)
    , m_seed(seed ? std::move(seed) : Seed([] { return static_cast<std::uint32_t>(std::time(nullptr)); }))
{
}

int CGeneratorBefehl::Run(CBuchungen& journal, const CBelegtexte& katalog)
{
    using M = UserMessages;
    const M::Answer answer = m_messages.Show(Frage, M::Icon::Question, M::Buttons::YesNoCancel, Titel);
    if (answer != M::Answer::Yes && answer != M::Answer::No)
        return 0;
    const int count = answer == M::Answer::Yes ? 200000 : 20000;

    m_messages.Show(std::to_string(count) + " Buchungen werden erzeugt", M::Icon::Information, M::Buttons::Ok);

    try {
        CWarteCursor warten;
        CBuchungsGenerator::GenerateBookings(journal, katalog, count, m_seed());
    } catch (const CFehler& fehler) {
        m_messages.Error(fehler.what());
        return 0;
    }
    m_messages.Show(Fertig, M::Icon::Information, M::Buttons::Ok);
    return count;
}
