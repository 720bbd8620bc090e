#pragma once

#include <cstddef>

namespace picdec::samples {

// While one exists, operator new refuses any single request above the cap
// with std::bad_alloc, as a system out of memory would: a decode that stays
// below it provably used only small buffers.
class AllocationCap {
public:
    explicit AllocationCap(std::size_t bytes);
    ~AllocationCap();

    // The largest request made since the cap was set, refused or not.
    std::size_t LargestRequest() const;
    AllocationCap(const AllocationCap&) = delete;
    AllocationCap& operator=(const AllocationCap&) = delete;
};

}  // namespace picdec::samples
