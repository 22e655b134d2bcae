#pragma once
// The window's side of the booking generator (Ctrl+G): asks how many
// bookings to make (Yes 200,000, No 20,000, Cancel nothing), announces the
// run, lets the core generator fill the journal and reports the end. The
// caller refreshes the window afterwards; the modified flag stays as it is.
#include <cstdint>
#include <functional>

class CBelegtexte;
class CBuchungen;
class UserMessages;

class CGeneratorBefehl {
public:
    static const char* const Frage;          // "Geben Sie die Anzahl ... Nein = 20.000"
    static const char* const Titel;          // "BuchungsGenerator"
    static const char* const Fertig;         // "Erzeugung abgeschlossen"

    using Seed = std::function<std::uint32_t()>;

    // seed defaults to the current time.
    explicit CGeneratorBefehl(UserMessages& messages, Seed seed = Seed());

    // The number of bookings made (0 after Cancel). A catalogue without any
    // receipt text is reported with the generator's message and adds nothing.
    int Run(CBuchungen& journal, const CBelegtexte& katalog);

private:
    UserMessages& m_messages;
    Seed m_seed;
};
