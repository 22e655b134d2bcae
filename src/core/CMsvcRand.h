#pragma once
// The random numbers of the classic Windows C runtime (rand/srand), written
// out so that a seed gives the same generated bookings on every system:
// state = state * 214013 + 2531011 (32-bit wrap), value = bits 16..30.
#include <cstdint>

class CMsvcRand {
public:
    static constexpr int Max = 0x7FFF;

    explicit CMsvcRand(std::uint32_t seed = 1) : m_state(seed) {}

    void Seed(std::uint32_t seed) { m_state = seed; }

    // 0 ... 32767.
    int Next()
    {
        m_state = m_state * 214013u + 2531011u;
        return static_cast<int>((m_state >> 16) & 0x7FFFu);
    }

private:
    std::uint32_t m_state;
};
