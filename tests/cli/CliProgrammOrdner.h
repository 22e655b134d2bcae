#pragma once
// A throw-away program folder for kuvex-cli: a copy of the built binary
// (a copy, not a link: the program finds its folder through /proc/self/exe,
// which resolves links to the build folder), "settings.xml" and the data
// files it names. Commands run in it as separate processes (Starte) or as
// the same command object inside the test (ImProzess); their standard
// output, standard error and exit status are captured byte for byte.
// The VAT-rate file is replaced by a small table of the test's own (16 %
// under id 100, 7 % under 200, an inactive 20 % under 300), so the expected
// columns do not depend on the rates shipped with the program.
#include <filesystem>
#include <string>
#include <vector>

struct CliErgebnis {
    int Status = -1;
    std::string Aus;
    std::string Fehler;
};

class CliProgrammOrdner {
public:
    CliProgrammOrdner();
    ~CliProgrammOrdner();

    const std::filesystem::path& Pfad() const { return m_pfad; }
    // The VAT-rate file as "settings.xml" names it.
    const std::string& SteuersatzDatei() const { return m_steuersatz; }
    std::string Datei(const std::string& name) const { return (m_pfad / "kassen" / name).string(); }

    CliErgebnis Starte(const std::vector<std::string>& argumente) const;
    CliErgebnis ImProzess(const std::vector<std::string>& argumente) const;

private:
    std::filesystem::path m_pfad;
    std::string m_steuersatz;
};
