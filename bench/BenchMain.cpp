// kuvex-bench: timings of the engine, printed as "name value unit" lines.
// Runs in the Berlin time zone like the tests, so dates mean the same days
// on every machine.
#include <cstdlib>
#include <cstring>
#include <ctime>

#include "BenchSections.h"

// Without arguments every section runs; otherwise only those named
// (e.g. "kuvex-bench protokoll").
int main(int argc, char** argv)
{
    setenv("TZ", "Europe/Berlin", 1);
    tzset();
    const struct {
        const char* name;
        void (*run)();
    } sections[] = {{"buchungen", BenchBuchungen}, {"kassenbuch", BenchKassenbuch}, {"liste", BenchListe},
                    {"listegrid", BenchListeGrid}, {"katalog", BenchKatalog},   {"berichte", BenchBerichte},
                    {"export", BenchExport},
                    {"protokoll", BenchProtokoll}, {"abschluss", BenchAbschluss}};
    for (const auto& s : sections) {
        bool run = argc < 2;
        for (int i = 1; i < argc; ++i)
            run = run || std::strcmp(argv[i], s.name) == 0;
        if (run)
            s.run();
    }
    return 0;
}
