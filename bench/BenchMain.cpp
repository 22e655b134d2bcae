// kuvex-bench: timings of the engine, printed as "name value unit" lines.
// Runs in the Berlin time zone like the tests, so dates mean the same days
// on every machine.
#include <cstdlib>
#include <ctime>

#include "BenchSections.h"

int main()
{
    setenv("TZ", "Europe/Berlin", 1);
    tzset();
    BenchBuchungen();
    BenchKassenbuch();
    BenchListe();
    BenchListeGrid();
    BenchKatalog();
    BenchBerichte();
    BenchExport();
    return 0;
}
