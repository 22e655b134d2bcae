#include "cli/CCliHilfe.h"

std::string CCliHilfe::Uebersicht()
{
    return "kuvex-cli - Kuvex, das Kassenbuch, auf der Kommandozeile\n"
           "\n"
           "Aufruf: kuvex-cli BEFEHL DATEI [OPTIONEN]\n"
           "\n"
           "Befehle:\n"
           "  new       legt ein neues, leeres Kassenbuch an\n"
           "  add       bucht eine Einnahme, eine Ausgabe oder eine Aufteilung\n"
           "  delete    l\xF6scht eine Buchung\n"
           "  list      listet die Buchungen eines Tages oder Monats\n"
           "  totals    zeigt \xDC" "bertrag, Einnahmen, Ausgaben und Kassenbestand\n"
           "  generate  erzeugt Testbuchungen\n"
           "  report    schreibt den Kassenbericht oder die Statistik als PDF\n"
           "  overview  zeigt die Monats\xFC" "bersicht Tag f\xFC" "r Tag\n"
           "  export    schreibt den Datenexport f\xFCr den Steuerberater\n"
           "  close     schlie\xDFt die Kasse eines Tages mit Z\xE4hlprotokoll ab\n"
           "  closes    listet die Kassenabschl\xFCsse eines Monats\n"
           "  datev     schreibt den DATEV-Buchungsstapel eines Monats\n"
           "  gobd      schreibt die Buchungen fest (GoBD), unwiderruflich\n"
           "  verify    pr\xFC" "ft das Protokoll der festgeschriebenen Buchungen\n"
           "  protokoll gibt das Protokoll eines Monats aus oder schreibt es als PDF\n"
           "\n"
           "Betr\xE4ge schreiben Sie wie im Programm, z. B. 1.234,56. Texte sind UTF-8.\n"
           "Die Steuers\xE4tze liest kuvex-cli aus der Datei, die \"settings.xml\" im\n"
           "Programmordner nennt. Vor dem \xD6" "ffnen eines Kassenbuchs legt es wie das\n"
           "Programm die t\xE4gliche und w\xF6" "chentliche Sicherungskopie an.\n"
           "\n"
           "R\xFC" "ckgabewert: 0 bei Erfolg, 1 bei einem Fehler, 2 wenn \"settings.xml\"\n"
           "oder die Steuersatzdatei fehlt.\n"
           "\n"
           "Hilfe zu einem Befehl: kuvex-cli BEFEHL --help\n"
           "Version und Datenordner: kuvex-cli --version\n";
}

std::string CCliHilfe::Befehl(const std::string& befehl)
{
    if (befehl == "new")
        return "Aufruf: kuvex-cli new DATEI [--force]\n"
               "\n"
               "Legt ein neues Kassenbuch mit den Standard-Belegtexten an und speichert es.\n"
               "Eine vorhandene DATEI wird nur mit --force \xFC" "berschrieben.\n";
    if (befehl == "add")
        return "Aufruf: kuvex-cli add DATEI --date JJJJ-MM-TT --text TEXT --amount BETRAG\n"
               "                     [--note NOTIZ] [--invoice RG-NR] [--vat ID]\n"
               "       kuvex-cli add DATEI --date JJJJ-MM-TT --split TEXT=BETRAG[=NOTIZ] ...\n"
               "                     [--note NOTIZ] [--invoice RG-NR] [--vat ID]\n"
               "\n"
               "Bucht wie die Eingabezeile des Programms. TEXT muss ein Belegtext sein,\n"
               "den das Programm zur Auswahl anbietet; seine Richtung entscheidet, ob\n"
               "BETRAG eine Einnahme oder eine Ausgabe ist. --vat w\xE4hlt einen anderen\n"
               "Steuersatz als den des Belegtexts (bei einer Aufteilung f\xFC" "r alle Zeilen).\n"
               "Jedes --split ergibt eine Zeile einer Aufteilung, in der angegebenen\n"
               "Reihenfolge; --note ist dann die Notiz der ganzen Buchung.\n"
               "Die Datei wird danach gespeichert.\n";
    if (befehl == "delete")
        return "Aufruf: kuvex-cli delete DATEI --index I [--date JJJJ-MM-TT]\n"
               "\n"
               "L\xF6scht die Buchung mit der Nummer I (ab 0, in der Reihenfolge der\n"
               "Erfassung) und speichert die Datei. Die Nummern der sp\xE4teren Buchungen\n"
               "werden dabei um eins kleiner.\n"
               "Sind die Buchungen festgeschrieben (GoBD), wird nichts gel\xF6scht: die\n"
               "Buchung wird storniert. Das Storno tr\xE4gt ihre Zeilen mit umgekehrten\n"
               "Betr\xE4gen und die Notiz \"Storno zu Nr. I+1\", ist auf --date datiert\n"
               "(ohne --date auf heute) und wird ausgegeben.\n";
    if (befehl == "list")
        return "Aufruf: kuvex-cli list DATEI (--day JJJJ-MM-TT | --month JJJJ-MM)\n"
               "\n"
               "Gibt die Buchungen des Tages oder Monats aus wie die Buchungsliste des\n"
               "Programms: zuerst die Kopfzeile, dann eine Zeile je Buchung, die Spalten\n"
               "durch Tabulatoren getrennt.\n";
    if (befehl == "totals")
        return "Aufruf: kuvex-cli totals DATEI (--day JJJJ-MM-TT | --month JJJJ-MM)\n"
               "\n"
               "Gibt \xDC" "bertrag, Einnahmen, Ausgaben und Kassenbestand des Tages oder\n"
               "Monats aus, je eine Zeile mit Tabulator vor dem Betrag.\n";
    if (befehl == "generate")
        return "Aufruf: kuvex-cli generate DATEI --count N [--seed S]\n"
               "\n"
               "Erzeugt N Testbuchungen (N von 1 bis 10.000.000) vom 1. Januar 2003 bis\n"
               "Ende 2005 aus den Belegtexten des Kassenbuchs und speichert die Datei.\n"
               "Mit demselben S entstehen auf jedem System dieselben Buchungen; ohne\n"
               "--seed wird die aktuelle Zeit genommen.\n";
    if (befehl == "report")
        return "Aufruf: kuvex-cli report DATEI --cash (--day JJJJ-MM-TT | --month JJJJ-MM) --pdf AUS.pdf\n"
               "       kuvex-cli report DATEI --stats --month JJJJ-MM --pdf AUS.pdf\n"
               "\n"
               "Schreibt den Kassenbericht des Tages oder Monats (--cash) oder die\n"
               "Statistik des Monats und Jahres gegen das Vorjahr (--stats) als PDF,\n"
               "A4 quer, wie das Programm sie druckt. Das Kassenbuch bleibt unver\xE4ndert.\n";
    if (befehl == "overview")
        return "Aufruf: kuvex-cli overview DATEI --month JJJJ-MM\n"
               "\n"
               "Gibt die Monats\xFC" "bersicht aus wie das Programm: die Kopfzeile, dann eine\n"
               "Zeile je Tag mit Kalenderwoche, Tag, Einnahmen, Ausgaben und Kassenbestand,\n"
               "die Spalten durch Tabulatoren getrennt.\n";
    if (befehl == "export")
        return "Aufruf: kuvex-cli export DATEI --month JJJJ-MM [--to ORDNER] [--client N]\n"
               "                     [--till N] [--till-name NAME]\n"
               "\n"
               "Schreibt firma.csv, belegtexte.csv und buchungen.csv mit allen Buchungen\n"
               "bis zum Ende des Monats in ein ZIP-Archiv, wie der Export des Programms,\n"
               "und gibt den vollst\xE4ndigen Pfad des Archivs aus. Das Archiv kommt in\n"
               "ORDNER, ohne --to in den Ordner der Exporteinstellungen (ein relativer\n"
               "Ordner gilt vom Programmordner aus). --client, --till und --till-name\n"
               "ersetzen f\xFCr diesen Lauf Mandanten Nr., Kassen Nr. und Kassenname;\n"
               "die Exporteinstellungen selbst bleiben unver\xE4ndert.\n";
    if (befehl == "close")
        return "Aufruf: kuvex-cli close DATEI --day JJJJ-MM-TT (--count NENNWERT=ANZAHL,... |\n"
               "                       --counted BETRAG) [--pdf AUSGABE]\n"
               "\n"
               "Schlie\xDFt die Kasse am Ende eines Tages ab wie \"Kasse abschlie\xDF" "en...\" im\n"
               "Programm: --count z\xE4hlt Scheine und M\xFCnzen der W\xE4hrung des Kassenbuchs\n"
               "(z. B. 50=2,20=3,0.50=4), --counted nimmt den gez\xE4hlten Betrag als Ganzes.\n"
               "Eine Differenz zum Kassenbestand wird mit dem Belegtext \"Kassendifferenz\"\n"
               "gebucht. Ausgegeben werden die Zahlen des Z\xE4hlprotokolls; --pdf schreibt\n"
               "es als PDF. Die Datei wird danach gespeichert.\n";
    if (befehl == "closes")
        return "Aufruf: kuvex-cli closes DATEI --month JJJJ-MM\n"
               "\n"
               "Listet die Kassenabschl\xFCsse eines Monats, eine Zeile je Tag.\n";
    if (befehl == "datev")
        return "Aufruf: kuvex-cli datev DATEI --month JJJJ-MM [--to ORDNER] [--berater N]\n"
               "                    [--mandant N] [--skr 03|04]\n"
               "\n"
               "Schreibt die Buchungen des Monats als DATEV-Buchungsstapel\n"
               "EXTF_Buchungsstapel_<Kurzbezeichnung>_JJJJMM.csv, wie der Export des\n"
               "Programms im Format \"DATEV-Buchungsstapel\", und gibt den vollst\xE4ndigen\n"
               "Pfad der Datei aus. Die Datei kommt in ORDNER, ohne --to in den Ordner der\n"
               "Exporteinstellungen. --berater, --mandant und --skr ersetzen f\xFCr diesen\n"
               "Lauf Beraternummer, Mandantennummer und Kontenrahmen der Seite \"DATEV\";\n"
               "die Exporteinstellungen selbst bleiben unver\xE4ndert. Fehlt einem\n"
               "Belegtext des Monats das Konto, wird nichts geschrieben.\n";
    if (befehl == "gobd")
        return "Aufruf: kuvex-cli gobd DATEI\n"
               "\n"
               "Schreibt die Buchungen des Kassenbuchs fest (GoBD) und speichert es. Von\n"
               "da an f\xFChrt es ein Protokoll aller Buchungen, in dem jeder Eintrag eine\n"
               "Nummer und eine Pr\xFC" "fsumme (SHA-256) \xFC" "ber seinen Vorg\xE4nger tr\xE4gt;\n"
               "Buchungen werden storniert statt ge\xE4ndert oder gel\xF6scht. Die\n"
               "vorhandenen Buchungen gehen als ein Eintrag \"\xDC" "bernahme\" ins Protokoll.\n"
               "Das l\xE4sst sich nicht r\xFC" "ckg\xE4ngig machen.\n";
    if (befehl == "verify")
        return "Aufruf: kuvex-cli verify DATEI\n"
               "\n"
               "Pr\xFC" "ft die Kette des Protokolls und ob die Buchungen dazu passen. Gibt\n"
               "\"Protokoll in Ordnung: N Eintr\xE4ge, letzter Hash ...\" aus und endet mit 0,\n"
               "oder nennt den ersten fehlerhaften Eintrag und endet mit 1. Ein Kassenbuch\n"
               "ohne Protokoll meldet das und endet mit 0.\n";
    if (befehl == "protokoll")
        return "Aufruf: kuvex-cli protokoll DATEI --month JJJJ-MM [--pdf AUS.pdf]\n"
               "\n"
               "Gibt die Eintr\xE4ge des Protokolls aus, die im Monat erfasst wurden: Nr.,\n"
               "Erfassungszeit, Art, Buchungsnummer, Buchungsdatum, Text, Betrag, die\n"
               "stornierte Buchung und die ersten 16 Stellen des Hashs, durch Tabulatoren\n"
               "getrennt. Mit --pdf wird es statt dessen als PDF geschrieben.\n";
    return std::string();
}
