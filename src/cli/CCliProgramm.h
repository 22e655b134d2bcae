#pragma once
// kuvex-cli as a whole: starts, opens and ends through the same program
// session as the window (settings.xml of its own folder, the VAT-rate file
// it names, the lock, then the backups, then the cash book), runs one
// command through the same engines as the windows and saves like the
// program. Results go to standard output, messages to standard error.
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "cli/CStderrMessages.h"

class CCliArgumente;
struct CExportWerte;
class CKassenbuch;
class CProgrammSitzung;

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
    CKassenbuch& Kasse();
    void Oeffnen(const std::string& datei, bool warnen = true);
    void Speichern();
    // Writes the report to `pdf` on the offscreen platform.
    void SchreibeBerichtPdf(std::unique_ptr<class CReportViewBase> view, const std::string& pdf);

    void New(const CCliArgumente& a);
    void Add(const CCliArgumente& a);
    void Delete(const CCliArgumente& a);
    void List(const CCliArgumente& a);
    void Totals(const CCliArgumente& a);
    void Generate(const CCliArgumente& a);
    void Report(const CCliArgumente& a);
    void Overview(const CCliArgumente& a);
    void Export(const CCliArgumente& a);
    void Close(const CCliArgumente& a);
    void Closes(const CCliArgumente& a);
    void Datev(const CCliArgumente& a);
    // The stored export settings with --month, for the folder target.
    CExportWerte ExportWerte(const CCliArgumente& a) const;
    // Runs one export of the file named on the command line and prints
    // the path it wrote.
    void Exportiere(const CCliArgumente& a, const CExportWerte& werte);
    void Verify(const CCliArgumente& a);
    void GoBD(const CCliArgumente& a);
    void Protokoll(const CCliArgumente& a);

    std::filesystem::path m_ordner;
    CStderrMessages m_meldungen;
    std::unique_ptr<CProgrammSitzung> m_sitzung;
};
