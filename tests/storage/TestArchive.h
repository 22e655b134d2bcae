#pragma once
// Builds and inspects ZIP archives with minizip directly, independent of the
// code under test: archives with odd member names, missing or damaged
// members, huge members written in a stream, and sizes that lie.
#include <minizip/unzip.h>
#include <minizip/zip.h>

#include <cstdint>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <vector>

#include <zlib.h>

class TestArchive {
public:
    explicit TestArchive(const std::filesystem::path& path)
        : m_zip(zipOpen64(path.c_str(), APPEND_STATUS_CREATE))
    {
        if (!m_zip)
            throw std::runtime_error("cannot create test archive");
    }
    ~TestArchive() { Close(); }

    void Add(const std::string& name, const std::string& bytes)
    {
        Begin(name);
        if (!bytes.empty())
            zipWriteInFileInZip(m_zip, bytes.data(), static_cast<unsigned>(bytes.size()));
        zipCloseFileInZip(m_zip);
    }

    // A member of `megabytes` MiB of zero bytes, deflated as it is written,
    // so the test never holds it in memory.
    void AddZeros(const std::string& name, int megabytes)
    {
        Begin(name);
        std::string chunk(1 << 20, '\0');
        for (int i = 0; i < megabytes; ++i)
            zipWriteInFileInZip(m_zip, chunk.data(), static_cast<unsigned>(chunk.size()));
        zipCloseFileInZip(m_zip);
    }

    // A stored member whose headers declare `declaredSize` bytes while
    // holding `bytes`.
    void AddWithDeclaredSize(const std::string& name, const std::string& bytes, std::uint64_t declaredSize)
    {
        zip_fileinfo info{};
        zipOpenNewFileInZip2_64(m_zip, name.c_str(), &info, nullptr, 0, nullptr, 0, nullptr,
                                0, 0, 1 /* raw */, 1 /* zip64 */);
        zipWriteInFileInZip(m_zip, bytes.data(), static_cast<unsigned>(bytes.size()));
        uLong crc = crc32(0L, reinterpret_cast<const Bytef*>(bytes.data()), static_cast<uInt>(bytes.size()));
        zipCloseFileInZipRaw64(m_zip, declaredSize, crc);
    }

    void Close()
    {
        if (m_zip) {
            zipClose(m_zip, nullptr);
            m_zip = nullptr;
        }
    }

private:
    void Begin(const std::string& name)
    {
        zip_fileinfo info{};
        zipOpenNewFileInZip(m_zip, name.c_str(), &info, nullptr, 0, nullptr, 0, nullptr,
                            Z_DEFLATED, Z_DEFAULT_COMPRESSION);
    }

    zipFile m_zip;
};

// What a test wants to know about one member of an archive.
struct MemberInfo {
    std::string name;
    std::string bytes;
    unsigned long method = 0;
    unsigned long extraSize = 0;
    unsigned long commentSize = 0;
    unsigned long externalAttributes = 0;
    tm_unz date{};
};

struct ArchiveInfo {
    std::vector<MemberInfo> members;
    unsigned long commentSize = 0;
};

inline ArchiveInfo InspectArchive(const std::filesystem::path& path)
{
    ArchiveInfo result;
    unzFile unz = unzOpen64(path.c_str());
    if (!unz)
        throw std::runtime_error("cannot open archive " + path.string());
    unz_global_info64 global{};
    unzGetGlobalInfo64(unz, &global);
    result.commentSize = global.size_comment;
    for (int rc = unzGoToFirstFile(unz); rc == UNZ_OK; rc = unzGoToNextFile(unz)) {
        MemberInfo m;
        char name[256] = {};
        unz_file_info64 info{};
        unzGetCurrentFileInfo64(unz, &info, name, sizeof name, nullptr, 0, nullptr, 0);
        m.name = name;
        m.method = info.compression_method;
        m.extraSize = info.size_file_extra;
        m.commentSize = info.size_file_comment;
        m.externalAttributes = info.external_fa;
        m.date = info.tmu_date;
        m.bytes.resize(info.uncompressed_size);
        unzOpenCurrentFile(unz);
        if (!m.bytes.empty())
            unzReadCurrentFile(unz, m.bytes.data(), static_cast<unsigned>(m.bytes.size()));
        if (unzCloseCurrentFile(unz) != UNZ_OK)
            throw std::runtime_error("damaged member " + m.name);
        result.members.push_back(std::move(m));
    }
    unzClose(unz);
    return result;
}
