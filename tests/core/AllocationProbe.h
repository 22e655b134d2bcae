#pragma once
// Records the largest single heap allocation and the peak of live heap
// bytes while a probe is alive, so a test can show that damaged input does
// not make code reserve memory on its say-so, and how much memory reading
// a file takes at most. Works through replaced global operator new/delete
// in this test binary (AllocationProbe.cpp); they only add counters to
// malloc/free. Bytes are counted as the heap hands them out
// (malloc_usable_size), so a small block's rounding counts too.
#include <cstddef>

class AllocationProbe {
public:
    AllocationProbe();
    ~AllocationProbe();
    AllocationProbe(const AllocationProbe&) = delete;
    AllocationProbe& operator=(const AllocationProbe&) = delete;

    std::size_t Largest() const;
    // Most bytes live at once since the probe began, beyond those live then.
    std::size_t Peak() const;
};
