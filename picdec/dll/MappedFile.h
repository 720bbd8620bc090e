#pragma once
// A whole file mapped read-only into memory, so decoders read it in place.
#include <windows.h>

#include <cstdint>
#include <span>

#include "picdec/Status.h"
#include "picdec/dll/DllHandles.h"

class MappedFile {
public:
    // CannotOpenFile, CannotReadFile or Ok.
    picdec::Status Open(const char* fileName);
    std::span<const std::uint8_t> Bytes() const { return {static_cast<const std::uint8_t*>(view_.get()), size_}; }

private:
    UniqueFile file_;
    UniqueKernelHandle mapping_;
    UniqueFileView view_;
    std::size_t size_ = 0;
};
