#pragma once
// Records the largest single heap allocation made while a probe is alive,
// so a test can show that damaged input does not make code reserve memory
// on its say-so. Works through replaced global operator new/delete in this
// test binary (AllocationProbe.cpp); they only add a counter to malloc/free.
#include <cstddef>

class AllocationProbe {
public:
    AllocationProbe();
    ~AllocationProbe();
    AllocationProbe(const AllocationProbe&) = delete;
    AllocationProbe& operator=(const AllocationProbe&) = delete;

    std::size_t Largest() const;
};
