#pragma once
// The booking commands of the main window: "&Neu", Enter on a complete
// booking, a new selection in the list, "&Löschen" and the booking
// generator. Each settles the booking being typed first, through the
// window's data-access interface, and then acts on the two grids.
#include <memory>

class CBuchungEingabe;
class CBuchungListe;
class CDatenZugriff;
class CGeneratorBefehl;
class UserMessages;

class CBuchungsBefehle {
public:
    // What the commands need of the window besides its data access.
    class Fenster {
    public:
        virtual ~Fenster() = default;
        virtual bool IsOpen() const = 0;
        virtual void UpdateTotals() = 0;
        // Title, currency, list and totals after a change of cash book.
        virtual void Refresh() = 0;
        // The journal now differs from the file.
        virtual void SetModified() = 0;
        // With locked bookings: reverses booking `satz` on the selected day
        // (false, the reason shown, when it may not be).
        virtual bool Storniere(int satz) = 0;
        // With locked bookings: logs what was added to the journal.
        virtual void NeueBuchungenProtokollieren() = 0;
    };

    CBuchungsBefehle(CDatenZugriff& zugriff, CBuchungEingabe& eingabe, CBuchungListe& liste,
                     UserMessages& messages, Fenster& fenster);
    ~CBuchungsBefehle();

    // "&Neu": a new booking when none is open (after settling).
    void NeueBuchung();
    // Enter on a complete booking: commit it and start the next one.
    void BuchungKomplett();
    // The user selected another row of the list.
    void AuswahlGeaendert(int row);
    // "&Löschen": the selected booking, after the question. The journal
    // then differs from the file, so the save command comes on.
    void Loeschen();
    // "&Korrigieren" (locked bookings): reverses the selected booking after
    // the question and opens a new one filled with its lines.
    void Korrigieren();
    // Ctrl+G; nothing happens without an open cash book.
    void Generator();

private:
    // The reversal behind "&Stornieren" and "&Korrigieren": the booking
    // reversed, or -1 when nothing happened.
    int StorniereAuswahl(const char* frage);
    // false, with the message, when the cash book may not change.
    bool Veraenderbar();

    CDatenZugriff& m_zugriff;
    CBuchungEingabe& m_eingabe;
    CBuchungListe& m_liste;
    UserMessages& m_messages;
    Fenster& m_fenster;
    std::unique_ptr<CGeneratorBefehl> m_generator;
};
