#include "CliProgrammOrdner.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <stdexcept>

#include "cli/CCliProgramm.h"
#include "core/CXmlDokument.h"

namespace fs = std::filesystem;

extern char** environ;

namespace {

std::string Lies(const fs::path& p)
{
    std::ifstream in(p, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

} // namespace

CliProgrammOrdner::CliProgrammOrdner()
{
    static int zaehler = 0;
    m_pfad = fs::temp_directory_path()
             / ("kuvex-cli-test-" + std::to_string(::getpid()) + "-" + std::to_string(++zaehler));
    fs::remove_all(m_pfad);
    fs::create_directories(m_pfad / "kassen");
    // As the build lays the program folder out.
    fs::create_directories(m_pfad / "Data" / "Export");
    const fs::path bin = KUVEX_BIN_DIR;
    fs::copy_file(bin / "kuvex-cli", m_pfad / "kuvex-cli");
    fs::copy_file(bin / "settings.xml", m_pfad / "settings.xml");
    CXmlDokument settings;
    if (!settings.LoadFile((bin / "settings.xml").string()))
        throw std::runtime_error("settings.xml of the build cannot be read");
    for (const char* key : {"Settings/Files/Laender", "Settings/Files/Steuersatz", "Settings/Files/Export"}) {
        const std::string name = settings.GetString(key);
        if (!name.empty() && fs::exists(bin / name))
            fs::copy_file(bin / name, m_pfad / name);
    }
    m_steuersatz = settings.GetString("Settings/Files/Steuersatz");
    if (!fs::exists(m_pfad / m_steuersatz))
        throw std::runtime_error("the VAT-rate file named in settings.xml was not built");
    std::ofstream(m_pfad / m_steuersatz, std::ios::trunc)
        << "<?xml version=\"1.0\" encoding=\"iso-8859-1\" ?>\n<Steuersaetze>"
           "<Steuersatz><Bezeichnung>voll</Bezeichnung><Sort>1</Sort><Prozentsatz><Id>100</Id>"
           "<Prozent>16,0000</Prozent></Prozentsatz></Steuersatz>"
           "<Steuersatz><Bezeichnung>halb</Bezeichnung><Sort>2</Sort><Prozentsatz><Id>200</Id>"
           "<Prozent>7,0000</Prozent></Prozentsatz></Steuersatz>"
           "<Steuersatz><Bezeichnung>alt</Bezeichnung><Inaktiv/><Prozentsatz><Id>300</Id>"
           "<Prozent>20,0000</Prozent></Prozentsatz></Steuersatz></Steuersaetze>\n";
}

CliProgrammOrdner::~CliProgrammOrdner()
{
    std::error_code ec;
    fs::remove_all(m_pfad, ec);
}

CliErgebnis CliProgrammOrdner::Starte(const std::vector<std::string>& argumente) const
{
    const std::string programm = (m_pfad / "kuvex-cli").string();
    const std::string aus = (m_pfad / "stdout.txt").string();
    const std::string fehler = (m_pfad / "stderr.txt").string();
    std::vector<char*> argv;
    argv.push_back(const_cast<char*>(programm.c_str()));
    for (const std::string& a : argumente)
        argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);

    posix_spawn_file_actions_t aktionen;
    posix_spawn_file_actions_init(&aktionen);
    posix_spawn_file_actions_addopen(&aktionen, 1, aus.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    posix_spawn_file_actions_addopen(&aktionen, 2, fehler.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    pid_t pid = 0;
    const int rc = posix_spawn(&pid, programm.c_str(), &aktionen, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&aktionen);
    if (rc != 0)
        throw std::runtime_error("kuvex-cli cannot be started");
    int status = 0;
    waitpid(pid, &status, 0);

    CliErgebnis e;
    e.Status = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    e.Aus = Lies(aus);
    e.Fehler = Lies(fehler);
    return e;
}

CliErgebnis CliProgrammOrdner::ImProzess(const std::vector<std::string>& argumente) const
{
    CliErgebnis e;
    testing::internal::CaptureStdout();
    testing::internal::CaptureStderr();
    {
        CCliProgramm programm(m_pfad);
        e.Status = programm.Ausfuehren(argumente);
    }
    std::fflush(stdout);
    std::fflush(stderr);
    e.Aus = testing::internal::GetCapturedStdout();
    e.Fehler = testing::internal::GetCapturedStderr();
    return e;
}
