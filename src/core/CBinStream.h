#pragma once
// Typed little-endian primitives over an in-memory byte buffer: the one
// place where the booking file's bytes are encoded and decoded. Every read
// is bounds-checked and raises CFehler with the program's text; a read that
// runs past the end also puts the stream into the failed state, after which
// CBuchungen refuses to read or write it.
#include <cstddef>
#include <cstdint>
#include <string>
#include <utility>

class CBinStream {
public:
    // An empty stream for writing.
    CBinStream() = default;
    // A stream reading the given bytes from the start.
    explicit CBinStream(std::string bytes) : m_buf(std::move(bytes)) {}

    void WriteU16(std::uint16_t value);
    void WriteU32(std::uint32_t value);
    void WriteI64(std::int64_t value);
    void WriteBool(bool value);
    // Length as u16, then the bytes. The caller keeps texts within 32767
    // bytes; a longer text would read back with a negative length.
    void WriteString(const std::string& text);
    // Room for `extra` more bytes, so that a large write grows the buffer once.
    void Reserve(std::size_t extra) { m_buf.reserve(m_buf.size() + extra); }
    // Appends raw bytes (another stream's contents).
    void WriteBytes(const std::string& bytes) { m_buf += bytes; }

    std::int16_t ReadI16();
    std::uint32_t ReadU32();
    std::int64_t ReadI64();
    bool ReadBool();
    std::string ReadString();

    bool IsFailed() const { return m_failed; }
    // Lets a caller mark a stream whose source could not be read completely.
    void SetFailed() { m_failed = true; }

    bool AtEnd() const { return m_pos >= m_buf.size(); }
    std::size_t Position() const { return m_pos; }
    std::size_t Remaining() const { return m_buf.size() - m_pos; }

    const std::string& Bytes() const { return m_buf; }
    // Hands the bytes over and leaves the stream empty.
    std::string TakeBytes()
    {
        std::string out = std::move(m_buf);
        m_buf.clear();
        m_pos = 0;
        return out;
    }

private:
    // Checks that n more bytes are there; else fails the stream and raises
    // "Streamende erreicht".
    void Require(std::size_t n);
    template <class T> T ReadLittleEndian();

    std::string m_buf;
    std::size_t m_pos = 0;
    bool m_failed = false;
};
