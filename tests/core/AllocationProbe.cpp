#include "AllocationProbe.h"

#include <malloc.h>

#include <atomic>
#include <cstdlib>
#include <new>

namespace {

std::atomic<bool> g_active{false};
std::atomic<std::size_t> g_largest{0};
// Live bytes are counted all the time, so that blocks freed while a probe
// runs are subtracted even when they were allocated before it began.
std::atomic<long long> g_live{0};
std::atomic<long long> g_base{0};
std::atomic<long long> g_peak{0};

void RaiseTo(std::atomic<std::size_t>& max, std::size_t value)
{
    std::size_t seen = max.load();
    while (value > seen && !max.compare_exchange_weak(seen, value)) {
    }
}

void RaiseTo(std::atomic<long long>& max, long long value)
{
    long long seen = max.load();
    while (value > seen && !max.compare_exchange_weak(seen, value)) {
    }
}

} // namespace

AllocationProbe::AllocationProbe()
{
    g_largest = 0;
    g_base = g_live.load();
    g_peak = g_base.load();
    g_active = true;
}

AllocationProbe::~AllocationProbe() { g_active = false; }

std::size_t AllocationProbe::Largest() const { return g_largest; }

std::size_t AllocationProbe::Peak() const
{
    const long long peak = g_peak.load() - g_base.load();
    return peak > 0 ? static_cast<std::size_t>(peak) : 0;
}

void* operator new(std::size_t size)
{
    void* p = std::malloc(size ? size : 1);
    if (!p)
        throw std::bad_alloc();
    const long long live = g_live += static_cast<long long>(malloc_usable_size(p));
    if (g_active.load(std::memory_order_relaxed)) {
        RaiseTo(g_largest, size);
        RaiseTo(g_peak, live);
    }
    return p;
}

namespace {
void Release(void* p) noexcept
{
    if (p)
        g_live -= static_cast<long long>(malloc_usable_size(p));
    std::free(p);
}
} // namespace

// GCC cannot see that these pair with the malloc above and warns.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"
void operator delete(void* p) noexcept { Release(p); }
void operator delete(void* p, std::size_t) noexcept { Release(p); }
#pragma GCC diagnostic pop
