#include "cli/CCliArgumente.h"

#include <algorithm>

#include "cli/CCliFehler.h"
#include "core/Windows1252.h"

namespace {

bool Enthaelt(const std::vector<std::string>& liste, const std::string& name)
{
    return std::find(liste.begin(), liste.end(), name) != liste.end();
}

} // namespace

CCliArgumente::CCliArgumente(const std::vector<std::string>& woerter,
                             const std::vector<std::string>& optionen,
                             const std::vector<std::string>& schalter)
{
    bool nurNochDateien = false;
    for (std::size_t i = 0; i < woerter.size(); ++i) {
        const std::string& w = woerter[i];
        if (!nurNochDateien && w == "--") {
            nurNochDateien = true;
            continue;
        }
        if (!nurNochDateien && w.size() > 1 && w[0] == '-') {
            if (w == "--help" || w == "-h") {
                m_hilfe = true;
                continue;
            }
            const std::size_t gleich = w.find('=');
            const std::string name = w.substr(0, gleich);
            if (Enthaelt(schalter, name) && gleich == std::string::npos) {
                m_schalter[name] = true;
                continue;
            }
            if (!Enthaelt(optionen, name))
                throw CCliFehler("Unbekannte Option: " + Windows1252::FromUtf8Lossy(w));
            if (gleich != std::string::npos) {
                m_werte[name].push_back(w.substr(gleich + 1));
            } else {
                if (i + 1 >= woerter.size())
                    throw CCliFehler("Die Option " + name + " braucht einen Wert.");
                m_werte[name].push_back(woerter[++i]);
            }
            continue;
        }
        if (m_hatDatei)
            throw CCliFehler("Unerwartetes Argument: " + Windows1252::FromUtf8Lossy(w));
        m_datei = w;
        m_hatDatei = true;
    }
}

const std::string& CCliArgumente::Datei() const
{
    if (!m_hatDatei || m_datei.empty())
        throw CCliFehler("Es wurde keine Datei angegeben.");
    return m_datei;
}

bool CCliArgumente::Schalter(const std::string& name) const
{
    return m_schalter.count(name) != 0;
}

const std::string* CCliArgumente::Wert(const std::string& name) const
{
    const auto it = m_werte.find(name);
    if (it == m_werte.end())
        return nullptr;
    if (it->second.size() > 1)
        throw CCliFehler("Die Option " + name + " darf nur einmal angegeben werden.");
    return &it->second.front();
}

std::vector<std::string> CCliArgumente::Werte(const std::string& name) const
{
    const auto it = m_werte.find(name);
    return it == m_werte.end() ? std::vector<std::string>() : it->second;
}
