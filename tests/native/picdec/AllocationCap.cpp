// Replaces the global operator new and delete of the test program; without
// a cap they behave as the standard ones. Every form is replaced: under
// AddressSanitizer the forms left out would not call these.
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

void* operator new[](std::size_t size) { return operator new(size); }

void* operator new(std::size_t size, const std::nothrow_t&) noexcept
{
    try {
        return operator new(size);
    } catch (const std::bad_alloc&) {
        return nullptr;
    }
}

void* operator new[](std::size_t size, const std::nothrow_t&) noexcept { return operator new(size, std::nothrow); }

void operator delete(void* memory) noexcept { std::free(memory); }

void operator delete[](void* memory) noexcept { std::free(memory); }

void operator delete(void* memory, std::size_t) noexcept { std::free(memory); }

void operator delete[](void* memory, std::size_t) noexcept { std::free(memory); }

void operator delete(void* memory, const std::nothrow_t&) noexcept { std::free(memory); }

void operator delete[](void* memory, const std::nothrow_t&) noexcept { std::free(memory); }

// Under AddressSanitizer a request that no memory can satisfy fails as it
// does without it, with a null pointer, instead of ending the program.
extern "C" const char* __asan_default_options() { return "allocator_may_return_null=1"; }
