#pragma once
// kuvex-cli as a whole: starts like the program (settings.xml of its own
// folder, then the VAT-rate file it names), opens cash books like the
// program (backups first), runs one command through the same engines as
// the windows and saves like the program. Messages go to standard error.
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "cli/CStderrMessages.h"

class CKassenbuch;
class CSettings;
class CSteuersaetze;
class CCliArgumente;

class CCliProgramm {
public:
    explicit CCliProgramm(std::filesystem::path programmOrdner);
    ~CCliProgramm();

    // Runs the words after the program name; returns the exit status.
    int Ausfuehren(const std::vector<std::string>& woerter);

    // The folder of the running program file (/proc/self/exe).
    static std::filesystem::path EigenerOrdner();

private:
    void Starten();
    void Oeffnen(const std::string& datei);
    void Speichern();

    void New(const CCliArgumente& a);
    void Add(const CCliArgumente& a);
    void Delete(const CCliArgumente& a);
    void List(const CCliArgumente& a);
    void Totals(const CCliArgumente& a);
    void Generate(const CCliArgumente& a);

    std::filesystem::path m_ordner;
    CStderrMessages m_meldungen;
    std::unique_ptr<CSettings> m_settings;
    std::unique_ptr<CSteuersaetze> m_steuersaetze;
    std::unique_ptr<CKassenbuch> m_kassenbuch;
};
