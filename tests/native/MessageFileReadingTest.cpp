#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#ifdef _WIN32
#include <share.h>
#endif

#include "framework/Exceptions.h"
#include "imagelib/CreditMessageFile.h"
#include "imagelib/ScrollMessageFile.h"

namespace {

struct Settings {
    MessageFont font{.color = 1, .height = 2, .size = 3, .name = "Previous", .style = {}};
    int speed = 5;
    std::uint32_t backColor = 4;
    std::string text = "previous";
    std::vector<std::string> lines = {"previous"};

    bool ReadScroll(const std::string& fileName) { return ReadScrollMessage(fileName, font, speed, backColor, text); }
    bool ReadCredit(const std::string& fileName) { return ReadCreditMessage(fileName, font, speed, backColor, lines); }
};

std::string TempPath(const std::string& name)
{
    const std::string path = ::testing::TempDir() + name;
    std::filesystem::remove_all(path);
    return path;
}

std::string WrittenFile(const std::string& name, const std::string& bytes)
{
    const std::string path = TempPath(name);
    std::ofstream(path, std::ios::binary) << bytes;
    return path;
}

template <class Read>
std::string OpenErrorOf(Read read)
{
    try {
        read();
    } catch (const EFOpenError& error) {
        return error.what();
    }
    return "no error";
}

} // namespace

TEST(ReadMessageFiles, AMissingFileOrADirectoryGivesFalseAndChangesNothing)
{
    const std::string directory = TempPath("DIR.CMS");
    std::filesystem::create_directory(directory);
    for (const std::string& fileName : {TempPath("MISSING.SCM"), directory}) {
        Settings settings;
        EXPECT_FALSE(settings.ReadScroll(fileName)) << fileName;
        EXPECT_FALSE(settings.ReadCredit(fileName)) << fileName;
        EXPECT_EQ(settings.font.color, 1u);
        EXPECT_EQ(settings.text, "previous");
        EXPECT_TRUE(settings.lines.empty()); // a credit box's lines are emptied first
    }
}

TEST(ReadMessageFiles, ReadTheFilesBytesAndOnlyTheStartOfACreditBox)
{
    Settings settings;
    EXPECT_TRUE(settings.ReadScroll(WrittenFile("HELLO.SCM", "/fn|Arial/fs|/ft|1100/bc|0/sp|3/sm|Hello/eo|")));
    EXPECT_EQ(settings.text, "Hello");

    const std::string header = "Title\r\n1\r\n-20\r\nArial\r\n12\r\n1\r\n0\r\n3\r\n";
    EXPECT_TRUE(settings.ReadCredit(WrittenFile("LONG.CMS", header + std::string(100000, 'A') + "\r\nEnd\r\n")));
    ASSERT_EQ(settings.lines.size(), 1u);
    EXPECT_EQ(header.size() + settings.lines[0].size(), 65527u);
}

TEST(ReadMessageFiles, AFileThatCannotBeOpenedRaisesTheOpenError)
{
#ifdef _WIN32
    // Held open for writing by someone else: the readers let others read only.
    const std::string fileName = WrittenFile("HELD.SCM", "/sm|x/eo|");
    std::FILE* writer = _fsopen(fileName.c_str(), "ab", _SH_DENYNO);
    ASSERT_TRUE(writer);
#else
    const std::string fileName = TempPath("LOOP.SCM");
    std::filesystem::create_symlink(fileName, fileName);
#endif
    Settings settings;
    const std::string openError = "Kann Datei " + fileName + " nicht öffnen";
    EXPECT_EQ(OpenErrorOf([&] { settings.ReadScroll(fileName); }), openError);
    EXPECT_EQ(OpenErrorOf([&] { settings.ReadCredit(fileName); }), openError);
    EXPECT_EQ(settings.text, "previous");
    EXPECT_TRUE(settings.lines.empty());
#ifdef _WIN32
    std::fclose(writer);
#endif
}
