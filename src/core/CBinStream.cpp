// Little-endian encoding independent of the host's byte order: values are
// written byte by byte, and read by a plain copy only where the machine is
// little-endian itself.
#include "core/CBinStream.h"

#include "core/CFehler.h"

#include <bit>
#include <cstring>
#include <type_traits>

namespace {

template <class U>
void AppendLittleEndian(std::string& buf, U value)
{
    for (std::size_t i = 0; i < sizeof(U); ++i)
        buf += static_cast<char>(static_cast<unsigned char>(value >> (8 * i)));
}

} // namespace

void CBinStream::WriteU16(std::uint16_t value) { AppendLittleEndian(m_buf, value); }
void CBinStream::WriteU32(std::uint32_t value) { AppendLittleEndian(m_buf, value); }

void CBinStream::WriteI64(std::int64_t value)
{
    AppendLittleEndian(m_buf, static_cast<std::uint64_t>(value));
}

void CBinStream::WriteBool(bool value) { m_buf += value ? '\1' : '\0'; }

void CBinStream::WriteString(const std::string& text)
{
    WriteU16(static_cast<std::uint16_t>(text.size()));
    m_buf += text;
}

void CBinStream::Require(std::size_t n)
{
    if (m_failed || Remaining() < n) {
        m_failed = true;
        throw CFehler("Streamende erreicht");
    }
}

template <class T>
T CBinStream::ReadLittleEndian()
{
    Require(sizeof(T));
    std::uint64_t v = 0;
    if constexpr (std::endian::native == std::endian::little) {
        // The file's byte order is the machine's: one copy instead of a
        // shift per byte, which was a tenth of the time of opening a file.
        std::make_unsigned_t<T> u;
        std::memcpy(&u, m_buf.data() + m_pos, sizeof(T));
        v = u;
    } else {
        for (std::size_t i = 0; i < sizeof(T); ++i)
            v |= std::uint64_t(static_cast<unsigned char>(m_buf[m_pos + i])) << (8 * i);
    }
    m_pos += sizeof(T);
    return static_cast<T>(v);
}

std::int16_t CBinStream::ReadI16() { return ReadLittleEndian<std::int16_t>(); }
std::uint32_t CBinStream::ReadU32() { return ReadLittleEndian<std::uint32_t>(); }
std::int64_t CBinStream::ReadI64() { return ReadLittleEndian<std::int64_t>(); }

bool CBinStream::ReadBool()
{
    Require(1);
    const unsigned char b = static_cast<unsigned char>(m_buf[m_pos++]);
    if (b > 1)
        throw CFehler("Ung\xFCltiger Boolean-Wert");
    return b == 1;
}

std::string CBinStream::ReadString()
{
    const std::int16_t length = ReadI16();
    if (length < 0)
        throw CFehler("Ein String hat eine negative L\xE4nge");
    if (length == 0)
        return std::string();
    Require(static_cast<std::size_t>(length));
    std::string text(m_buf.data() + m_pos, static_cast<std::size_t>(length));
    m_pos += static_cast<std::size_t>(length);
    return text;
}
