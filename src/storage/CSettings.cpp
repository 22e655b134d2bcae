#include "storage/CSettings.h"

#include "core/UserMessages.h"

#include <algorithm>

namespace fs = std::filesystem;

CSettings::CSettings(fs::path programFolder, UserMessages& messages)
    : m_folder(std::move(programFolder)), m_messages(messages)
{
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
    // SaveFile replaces the file as a whole or not at all.
    return SaveFile(GetFilePath().string());
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
    return (m_folder / text.substr(start == std::string::npos ? text.size() : start)).string();
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
    if (k < 0)
        return std::string();
    CXmlElement entry = Find(EntryPath(k));
    return entry ? GetText(entry) : std::string();
}

void CSettings::SetHistoryEntry(int k, const std::string& text)
{
    if (k >= 0)
        SetText(Find(EntryPath(k)), text);
}

void CSettings::AddToHistory(const std::string& path)
{
    int n = GetHistoryCount();
    if (n == 0)
        return;
    int k = 0;
    while (k < n && GetHistoryEntry(k) != path)
        ++k;
    if (k == 0)
        return;
    for (int m = k; m >= 1; --m)
        SetHistoryEntry(m, GetHistoryEntry(m - 1));
    SetHistoryEntry(0, path);
}
