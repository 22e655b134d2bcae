#include "storage/CZipWriter.h"

#include <minizip/zip.h>

#include <climits>

CZipWriter::~CZipWriter()
{
    if (m_zip)
        zipClose(static_cast<zipFile>(m_zip), nullptr);
}

bool CZipWriter::Create(const std::string& path)
{
    if (m_zip)
        return false;
    m_zip = zipOpen64(path.c_str(), APPEND_STATUS_CREATE);
    return m_zip != nullptr;
}

bool CZipWriter::AddMember(const std::string& name, const std::string& bytes, const std::tm& localTime,
                           const std::string& comment)
{
    if (!m_zip)
        return false;
    zip_fileinfo info{};
    info.tmz_date.tm_sec = static_cast<uInt>(localTime.tm_sec);
    info.tmz_date.tm_min = static_cast<uInt>(localTime.tm_min);
    info.tmz_date.tm_hour = static_cast<uInt>(localTime.tm_hour);
    info.tmz_date.tm_mday = static_cast<uInt>(localTime.tm_mday);
    info.tmz_date.tm_mon = static_cast<uInt>(localTime.tm_mon);
    info.tmz_date.tm_year = static_cast<uInt>(localTime.tm_year + 1900);

    auto zip = static_cast<zipFile>(m_zip);
    // Members stay far below 4 GiB (the reader caps them at 1 GiB), so the
    // plain 32-bit headers are written; every unzip tool reads those.
    if (zipOpenNewFileInZip(zip, name.c_str(), &info, nullptr, 0, nullptr, 0,
                            comment.empty() ? nullptr : comment.c_str(),
                            Z_DEFLATED, Z_DEFAULT_COMPRESSION) != ZIP_OK)
        return false;
    bool ok = bytes.size() <= UINT_MAX
        && zipWriteInFileInZip(zip, bytes.data(), static_cast<unsigned>(bytes.size())) == ZIP_OK;
    if (zipCloseFileInZip(zip) != ZIP_OK)
        ok = false;
    return ok;
}

bool CZipWriter::Close(const std::string& comment)
{
    if (!m_zip)
        return false;
    int rc = zipClose(static_cast<zipFile>(m_zip), comment.empty() ? nullptr : comment.c_str());
    m_zip = nullptr;
    return rc == ZIP_OK;
}

std::tm CZipWriter::Now()
{
    std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return local;
}
