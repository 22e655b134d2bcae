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

    std::uint64_t expected = std::min<std::uint64_t>(
        info.uncompressed_size, info.compressed_size * kMaxDeflateRatio + kChunk);
    out.resize(static_cast<std::size_t>(std::max<std::uint64_t>(expected, kChunk)));

    std::size_t total = 0;
    Result result = Result::Ok;
    for (;;) {
        // Never ask for more than one byte past the limit: that byte is
        // enough to know the member is too large.
        std::uint64_t room = limit + 1 - total;
        if (out.size() - total < kChunk && out.size() < limit + 1)
            out.resize(static_cast<std::size_t>(std::min<std::uint64_t>(
                std::max<std::uint64_t>(out.size() * 2, total + kChunk), limit + 1)));
        std::size_t ask = static_cast<std::size_t>(
            std::min<std::uint64_t>({kChunk, room, out.size() - total}));
        int got = unzReadCurrentFile(unz, out.data() + total, static_cast<unsigned>(ask));
        if (got < 0) {
            result = Result::Unreadable;
            break;
        }
        if (got == 0)
            break;
        total += static_cast<std::size_t>(got);
        if (total > limit) {
            result = Result::TooLarge;
            break;
        }
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
