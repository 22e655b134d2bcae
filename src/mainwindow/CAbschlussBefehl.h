#pragma once
// "Kasse &abschließen...": closes the day selected in the main window. A day
// that is closed already shows its count sheet again; a day that may not
// be closed says why; otherwise the dialog "Kassenabschluss" takes the
// count, the close is made (its difference booked) and the count sheet is
// offered for printing. Runs inside the window's RunModal.
class CKassenbuchDlg;

class CAbschlussBefehl {
public:
    static const char* const DruckFrage; // "Möchten Sie das Zählprotokoll jetzt drucken?"

    static void Ausfuehren(CKassenbuchDlg& w);
};
