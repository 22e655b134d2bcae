#pragma once
// Small helpers shared by the XML document tests: a scratch file that is
// removed again, and the saved bytes of a document.
#include "core/CXmlDokument.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <unistd.h>

class XmlTempDatei {
public:
    explicit XmlTempDatei(const std::string& inhalt = std::string())
    {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        std::string name = "kuvex_xml_" + std::to_string(::getpid()) + "_";
        if (info)
            name += std::string(info->test_suite_name()) + "_" + info->name();
        m_path = (std::filesystem::temp_directory_path() / (name + ".xml")).string();
        if (!inhalt.empty()) {
            std::ofstream out(m_path, std::ios::binary | std::ios::trunc);
            out << inhalt;
        }
    }
    ~XmlTempDatei()
    {
        std::error_code ec;
        std::filesystem::remove(m_path, ec);
    }
    const std::string& Path() const { return m_path; }
    std::string Lesen() const
    {
        std::ifstream in(m_path, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }

private:
    std::string m_path;
};

inline std::string Gespeichert(const CXmlDokument& doc)
{
    std::ostringstream out;
    doc.SaveStream(out);
    return out.str();
}
