#include "AllocationProbe.h"

#include <atomic>
#include <cstdlib>
#include <new>

namespace {

std::atomic<bool> g_active{false};
std::atomic<std::size_t> g_largest{0};

} // namespace

AllocationProbe::AllocationProbe()
{
    g_largest = 0;
    g_active = true;
}

AllocationProbe::~AllocationProbe() { g_active = false; }

std::size_t AllocationProbe::Largest() const { return g_largest; }

void* operator new(std::size_t size)
{
    if (g_active.load(std::memory_order_relaxed)) {
        std::size_t seen = g_largest.load();
        while (size > seen && !g_largest.compare_exchange_weak(seen, size)) {
        }
    }
    if (void* p = std::malloc(size ? size : 1))
        return p;
    throw std::bad_alloc();
}

// GCC cannot see that these pair with the malloc above and warns.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"
void operator delete(void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }
#pragma GCC diagnostic pop
