// kuvex-cli: the cash book on the command line, for people who script
// their bookkeeping. Everything it does runs through the program's own
// storage and engines; see CCliProgramm.
#include <clocale>
#include <string>
#include <vector>

#include "cli/CCliProgramm.h"

int main(int argc, char** argv)
{
    // Only for the system's own error texts, which should come in the
    // user's language; everything kuvex-cli prints itself is UTF-8 anyway.
    std::setlocale(LC_MESSAGES, "");
    std::setlocale(LC_CTYPE, "");
    std::vector<std::string> woerter(argv + 1, argv + argc);
    CCliProgramm programm(CCliProgramm::EigenerOrdner());
    return programm.Ausfuehren(woerter);
}
