// The allocation counters of the core tests, for this test binary too.
#include "core/AllocationProbe.cpp"
