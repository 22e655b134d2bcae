#include "core/CLaender.h"

#include "core/Konvertierung.h"

CLaender::CLaender(const std::string& path)
{
    LoadFile(path);
}

int CLaender::GetCount() const
{
    CXmlElement root = GetRoot();
    return root ? CountChildren(root, "Land") : 0;
}

std::string CLaender::Feld(int i, const char* feld) const
{
    if (i < 0)
        return std::string();
    return GetString("Laender/Land[" + IntToText(i) + "]/" + feld);
}

std::string CLaender::GetName(int i) const
{
    return Feld(i, "Name");
}

std::string CLaender::GetWaehrung(int i) const
{
    return Feld(i, "Waehrung");
}
