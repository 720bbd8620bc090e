// The image library's mapped file, apart from the program's framework (the
// two name their handle owners alike).
#include <gtest/gtest.h>

#include <windows.h>

#include <fstream>
#include <string>
#include <vector>

#include "picdec/dll/MappedFile.h"

// A read error of the mapped file faults at the next byte read: here the
// view goes away as it does when a network drive is gone. The read goes on
// over zeros and gives the library's read error instead of ending the
// program.
TEST(MappedFile, AReadErrorWhileDecodingGivesTheReadErrorInsteadOfACrash)
{
    char temp[MAX_PATH];
    ::GetTempPathA(MAX_PATH, temp);
    const std::string path = std::string(temp) + "lumo-mapped.bin";
    const std::vector<char> bytes(1 << 18, '\xAB');
    std::ofstream(path, std::ios::binary).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    {
        MappedFile file;
        ASSERT_EQ(file.Open(path.c_str()), picdec::Status::Ok);
        EXPECT_EQ(file.Read([](std::span<const std::uint8_t>) { return picdec::Status::UnknownFormat; }),
                  picdec::Status::UnknownFormat);
        int zeros = 0;
        const picdec::Status status = file.Read([&](std::span<const std::uint8_t> view) {
            ::UnmapViewOfFile(view.data());
            for (std::size_t i = 0; i < view.size(); i += 4096)
                zeros += view[i] == 0;
            return picdec::Status::Ok;
        });
        EXPECT_EQ(status, picdec::Status::CannotReadFile);
        EXPECT_EQ(zeros, 64);
    }
    ::DeleteFileA(path.c_str());
}
