#pragma once
// zlib alone doing what a cash book's save and open cannot avoid: raw
// deflate at the default level (as in a ZIP member) and inflating back.
#include <string>

#include <zlib.h>

namespace bench {

// Raw deflate (as in a ZIP member) of one buffer at the default level.
inline std::string Deflate(const std::string& in)
{
    z_stream z{};
    deflateInit2(&z, Z_DEFAULT_COMPRESSION, Z_DEFLATED, -MAX_WBITS, 8, Z_DEFAULT_STRATEGY);
    std::string out(deflateBound(&z, static_cast<uLong>(in.size())), '\0');
    z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(in.data()));
    z.avail_in = static_cast<uInt>(in.size());
    z.next_out = reinterpret_cast<Bytef*>(out.data());
    z.avail_out = static_cast<uInt>(out.size());
    deflate(&z, Z_FINISH);
    out.resize(z.total_out);
    deflateEnd(&z);
    return out;
}

inline std::string Inflate(const std::string& in, std::size_t size)
{
    z_stream z{};
    inflateInit2(&z, -MAX_WBITS);
    std::string out(size, '\0');
    z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(in.data()));
    z.avail_in = static_cast<uInt>(in.size());
    z.next_out = reinterpret_cast<Bytef*>(out.data());
    z.avail_out = static_cast<uInt>(out.size());
    inflate(&z, Z_FINISH);
    out.resize(z.total_out);
    inflateEnd(&z);
    return out;
}

} // namespace bench
