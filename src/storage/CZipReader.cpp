#include "storage/CZipReader.h"

#include <minizip/unzip.h>

#include <algorithm>
#include <cerrno>

namespace {

// minizip compares names ignoring ASCII letter case with this value.
constexpr int kCaseInsensitive = 2;

// Bytes asked of the inflater per call. Larger than a page of the old
// program's 1 KiB reads: each call re-enters inflate, and 64 KiB keeps that
// overhead out of the time of opening a big cash book.
constexpr std::size_t kChunk = 64 * 1024;

// Deflate cannot expand data beyond about 1032:1, so a declared size far
// above that is a lie; this keeps the first allocation honest.
constexpr std::uint64_t kMaxDeflateRatio = 1032;

} // namespace

bool CZipReader::Open(const std::string& path, int& errorCode)
{
    Close();
    errno = 0;
    m_unz = unzOpen64(path.c_str());
    errorCode = m_unz ? 0 : errno;
    return m_unz != nullptr;
}

void CZipReader::Close()
{
    if (m_unz) {
        unzClose(static_cast<unzFile>(m_unz));
        m_unz = nullptr;
    }
}

bool CZipReader::GetEntryCount(std::uint64_t& count) const
{
    if (!m_unz)
        return false;
    unz_global_info64 info{};
    if (unzGetGlobalInfo64(static_cast<unzFile>(m_unz), &info) != UNZ_OK)
        return false;
    count = info.number_entry;
    return true;
}

CZipReader::Result CZipReader::Extract(const std::string& name, std::uint64_t limit, std::string& out)
{
    out.clear();
    auto unz = static_cast<unzFile>(m_unz);
    if (!unz)
        return Result::NotFound;
    if (unzLocateFile(unz, name.c_str(), kCaseInsensitive) != UNZ_OK)
        return Result::NotFound;

    unz_file_info64 info{};
    if (unzGetCurrentFileInfo64(unz, &info, nullptr, 0, nullptr, 0, nullptr, 0) != UNZ_OK)
        return Result::Unreadable;
    if (info.uncompressed_size > limit)
        return Result::TooLarge;
    if (unzOpenCurrentFile(unz) != UNZ_OK)
        return Result::Unreadable;

    // The buffer is sized once, from the declared size and one byte more
    // (which tells a member longer than it says), and never grows: doubling
    // it near the end of a large member would have asked for twice its size.
    // The declared size cannot lie upwards either, as deflate cannot expand
    // beyond kMaxDeflateRatio.
    if (info.uncompressed_size > info.compressed_size * kMaxDeflateRatio + kChunk) {
        unzCloseCurrentFile(unz);
        return Result::Unreadable;
    }
    out.resize(static_cast<std::size_t>(info.uncompressed_size + 1));

    std::size_t total = 0;
    Result result = Result::Ok;
    for (;;) {
        const std::size_t ask = std::min<std::size_t>(kChunk, out.size() - total);
        if (ask == 0) {
            // More bytes than declared: refused as too large when that is
            // beyond the limit, else as a damaged member.
            result = total > limit ? Result::TooLarge : Result::Unreadable;
            break;
        }
        int got = unzReadCurrentFile(unz, out.data() + total, static_cast<unsigned>(ask));
        if (got < 0) {
            result = Result::Unreadable;
            break;
        }
        if (got == 0)
            break;
        total += static_cast<std::size_t>(got);
    }
    // Closing checks the CRC once the whole member was read.
    int closed = unzCloseCurrentFile(unz);
    if (result == Result::Ok && closed != UNZ_OK)
        result = Result::Unreadable;
    if (result == Result::Ok && total != info.uncompressed_size)
        result = Result::Unreadable;
    if (result != Result::Ok) {
        out.clear();
        out.shrink_to_fit();
        return result;
    }
    out.resize(total);
    return result;
}
