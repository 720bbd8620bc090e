#pragma once

#include <atomic>
#include <cstddef>
#include <limits>

namespace picdec::samples {

// While one exists, operator new (AllocationCap.cpp) refuses any single
// request above the cap with std::bad_alloc, as a system out of memory would:
// a decode that stays below it provably used only small buffers.
class AllocationCap {
public:
    explicit AllocationCap(std::size_t bytes)
    {
        largest = 0;
        cap = bytes;
    }
    ~AllocationCap() { cap = std::numeric_limits<std::size_t>::max(); }
    AllocationCap(const AllocationCap&) = delete;
    AllocationCap& operator=(const AllocationCap&) = delete;

    inline static std::atomic<std::size_t> cap{std::numeric_limits<std::size_t>::max()};
    inline static std::atomic<std::size_t> largest{0};  // the largest request since the cap was set, refused or not
};

}  // namespace picdec::samples
