#include "storage/CSettings.h"

#include "core/UserMessages.h"

#include <algorithm>
#include <cerrno>
#include <vector>

namespace fs = std::filesystem;

CSettings::CSettings(fs::path programFolder, UserMessages& messages, fs::path shippedFolder)
    : m_folder(std::move(programFolder)), m_shipped(std::move(shippedFolder)), m_messages(messages)
{
}

fs::path CSettings::GetReadPath(const std::string& relative) const
{
    std::error_code ec;
    const fs::path eigen = m_folder / relative;
    if (m_shipped.empty() || fs::exists(eigen, ec))
        return eigen;
    return m_shipped / relative;
}

bool CSettings::Load()
{
    std::error_code ec;
    if (!fs::is_regular_file(GetFilePath(), ec)) {
        m_messages.Error("Die Einstellungsdatei (settings.xml) wurde nicht gefunden");
        return false;
    }
    m_parsed = LoadFile(GetFilePath().string());
    return true;
}

bool CSettings::Save() const
{
    if (!m_parsed)
        return false;
    // SaveFile replaces the file as a whole or not at all; a write-protected
    // file is left alone, and the system's text says why.
    if (SaveFile(GetFilePath().string()))
        return true;
    m_messages.ShowSystemError(errno);
    return false;
}

std::string CSettings::GetAbsolute(const std::string& key) const
{
    std::string value = GetString(key);
    std::replace(value.begin(), value.end(), '\\', '/');
    fs::path relative = fs::path(value).make_preferred();
    // Joining with an absolute value would drop the program folder, and
    // every value is meant relative to it.
    std::string text = relative.string();
    std::size_t start = text.find_first_not_of('/');
    return GetReadPath(text.substr(start == std::string::npos ? text.size() : start)).string();
}

std::string CSettings::EntryPath(int k)
{
    return std::string(HistoryPath) + "/File[" + std::to_string(k) + "]";
}

int CSettings::GetHistoryCount() const
{
    return CountChildren(Find(HistoryPath), "File");
}

std::string CSettings::GetHistoryEntry(int k) const
{
    // Trimmed like every other text of the file: "  /x/a.kbx  " is the
    // file /x/a.kbx, and must not stand in the list a second time.
    if (k < 0)
        return std::string();
    return GetString(EntryPath(k));
}

void CSettings::SetHistoryEntry(int k, const std::string& text)
{
    if (k >= 0)
        SetText(Find(EntryPath(k)), text);
}

void CSettings::AddToHistory(const std::string& path)
{
    const int n = GetHistoryCount();
    if (n == 0)
        return;
    // The list ends at the first blank entry, as the menu shows it. What
    // stands behind a blank is not part of it and is cleared when the list
    // is written back: moving entries down into the blank would otherwise
    // bring an old copy of a listed file back into view.
    std::vector<std::string> list;
    for (int k = 0; k < n; ++k) {
        std::string entry = GetHistoryEntry(k);
        if (entry.empty())
            break;
        list.push_back(std::move(entry));
    }
    if (!list.empty() && list.front() == path)
        return;
    const auto old = std::find(list.begin(), list.end(), path);
    if (old != list.end())
        list.erase(old);
    list.insert(list.begin(), path);
    list.resize(static_cast<std::size_t>(n));
    for (int k = 0; k < n; ++k)
        SetHistoryEntry(k, list[static_cast<std::size_t>(k)]);
}
