#pragma once
// The words after the command: one file name and options, each either a
// switch ("--force") or followed by its value ("--date 2004-03-07" or
// "--date=2004-03-07"). Which options a command knows is given by the
// command; anything else is refused with a German message. "--" ends the
// options, so a file name may begin with a dash.
#include <map>
#include <string>
#include <vector>

class CCliArgumente {
public:
    // optionen: names with their leading "--"; schalter take no value.
    CCliArgumente(const std::vector<std::string>& woerter, const std::vector<std::string>& optionen,
                  const std::vector<std::string>& schalter);

    bool Hilfe() const { return m_hilfe; }
    // The file name; raises CCliFehler when none was given.
    const std::string& Datei() const;
    bool Schalter(const std::string& name) const;
    bool Hat(const std::string& name) const { return m_werte.count(name) != 0; }
    // The value of an option given at most once; raises CCliFehler when it
    // was given twice. Null when absent.
    const std::string* Wert(const std::string& name) const;
    // Every value of a repeatable option, in order.
    std::vector<std::string> Werte(const std::string& name) const;

private:
    bool m_hilfe = false;
    bool m_hatDatei = false;
    std::string m_datei;
    std::map<std::string, std::vector<std::string>> m_werte;
    std::map<std::string, bool> m_schalter;
};
