// Replaces the global operator new and delete of the test program (the
// standard library's array, sized and nothrow forms call these); without a
// cap they behave as the standard ones.
#include "tests/native/picdec/AllocationCap.h"

#include <cstdlib>
#include <new>

using picdec::samples::AllocationCap;

void* operator new(std::size_t size)
{
    if (size > AllocationCap::largest)
        AllocationCap::largest = size;
    void* memory = size <= AllocationCap::cap ? std::malloc(size == 0 ? 1 : size) : nullptr;
    if (memory == nullptr)
        throw std::bad_alloc();
    return memory;
}

void operator delete(void* memory) noexcept { std::free(memory); }

void operator delete(void* memory, std::size_t) noexcept { std::free(memory); }

// Under AddressSanitizer a request that no memory can satisfy fails as it
// does without it, with a null pointer, instead of ending the program.
extern "C" const char* __asan_default_options() { return "allocator_may_return_null=1"; }
