// Replaces the global operator new and delete of the test program (the
// standard library's array, sized and nothrow forms call these); without a
// cap they behave as the standard ones.
#include "tests/native/picdec/AllocationCap.h"

#include <atomic>
#include <cstdlib>
#include <limits>
#include <new>

namespace {

std::atomic<std::size_t> cap{std::numeric_limits<std::size_t>::max()};
std::atomic<std::size_t> largest{0};

}  // namespace

namespace picdec::samples {

AllocationCap::AllocationCap(std::size_t bytes)
{
    largest = 0;
    cap = bytes;
}

AllocationCap::~AllocationCap() { cap = std::numeric_limits<std::size_t>::max(); }

std::size_t AllocationCap::LargestRequest() const { return largest; }

}  // namespace picdec::samples

void* operator new(std::size_t size)
{
    if (size > largest)
        largest = size;
    void* memory = size <= cap ? std::malloc(size == 0 ? 1 : size) : nullptr;
    if (memory == nullptr)
        throw std::bad_alloc();
    return memory;
}

void operator delete(void* memory) noexcept { std::free(memory); }

void operator delete(void* memory, std::size_t) noexcept { std::free(memory); }

// Under AddressSanitizer a request that no memory can satisfy fails as it
// does without it, with a null pointer, instead of ending the program.
extern "C" const char* __asan_default_options() { return "allocator_may_return_null=1"; }
