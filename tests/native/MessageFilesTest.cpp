#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <optional>
#include <fstream>
#include <sstream>
#ifdef _WIN32
#include <share.h>
#endif

#include "framework/Exceptions.h"
#include "imagelib/CreditMessageFile.h"
#include "imagelib/ExtractBetween.h"
#include "imagelib/ScrollMessageFile.h"

namespace {

// What the readers change, starting from values no file below gives.
struct Settings {
    MessageFont font{.color = 1, .height = 2, .size = 3, .name = "P", .style = {.underline = true}};
    int speed = 5;
    std::uint32_t backColor = 4;
    std::string text = "t";
    std::vector<std::string> lines = {"l"};

    // colour,height,size,name,style,background,speed,text|line|line...
    std::string Described() const
    {
        const FontStyle& s = font.style;
        const std::string style = std::string(s.bold ? "B" : "") + (s.italic ? "I" : "") + (s.underline ? "U" : "") +
                                  (s.strikeOut ? "S" : "");
        std::ostringstream out;
        out << font.color << "," << font.height << "," << (font.size ? std::to_string(*font.size) : "-") << ","
            << font.name << "," << (style.empty() ? "-" : style) << "," << backColor << "," << speed << "," << text;
        for (const std::string& line : lines)
            out << "|" << line;
        return out.str();
    }
};

struct Case {
    std::string file, error /* empty when the reading succeeds */, settings;
};

template <class Read>
void ExpectOutcome(const Case& c, Read read)
{
    Settings settings;
    std::string error;
    try {
        read(settings);
    } catch (const Exception& e) {
        error = e.what();
    }
    EXPECT_EQ(error, c.error) << c.file;
    EXPECT_EQ(settings.Described(), c.settings) << c.file;
}

const std::string kEightLines = "Title\r\n65280\r\n-20\r\nArial\r\n12\r\n0101\r\n128\r\n3\r\n";

// A fresh path in the temporary folder, holding these bytes if given.
std::string TempPath(const std::string& name, const std::optional<std::string>& bytes = {})
{
    const std::string path = ::testing::TempDir() + name;
    std::filesystem::remove_all(path);
    if (bytes)
        std::ofstream(path, std::ios::binary) << *bytes;
    return path;
}

} // namespace

TEST(ExtractBetween, TakesEachCodeAtItsFirstOccurrenceInTheWholeText)
{
    const std::tuple<const char*, bool, const char*> cases[] = {
        {"/a|x y/b|", true, "x y"}, {"/a|1/b|2/b|", true, "1"}, {"/a|/b|", true, ""}, {"/b|/a|x/b|", true, ""},
        {"/a|x", false, ""},        {"x/b|", false, ""},
    };
    for (const auto& [text, found, expected] : cases) {
        std::string value = "old";
        EXPECT_EQ(ExtractBetween(text, "/a|", "/b|", value), found) << text;
        EXPECT_EQ(value, expected) << text;
    }
}

TEST(FontStyleFromFlags, ReadsA1InEachOfTheFirstFourCharacters)
{
    const std::pair<const char*, FontStyle> cases[] = {
        {"01", {.italic = true}}, {"1", {.bold = true}}, {"0011", {.underline = true, .strikeOut = true}},
        {"0001", {.strikeOut = true}}, {"11111", {true, true, true, true}}, {"x1y", {.italic = true}}, {"", {}},
    };
    for (const auto& [flags, style] : cases)
        EXPECT_EQ(FontStyleFromFlags(flags), style) << flags;
}

TEST(ParseScrollMessage, ReadsEachValueUpToItsEndCodeWithDefaultsForMissingOnes)
{
    const std::string invalid = " Invallid message format ! ";
    const Case cases[] = {
        {"/fc|65280/fh|-20/fn|Arial/fs|/ft|1100/bc|0/sp|3/sm|Hello/eo|", "", "65280,-20,-,Arial,BI,0,3,Hello|l"},
        {"/fc|$FF/fh|-20/fn|" + std::string(300, 'N') + "/fs|12/ft|0011/bc|$FFFFFF/sp|0/sm|a /fh| b\r\nc/eo|", "",
         "255,-20,12," + std::string(255, 'N') + ",US,16777215,0,a /fh| b\r\nc|l"},
        {"no codes", "", "255,-13,-,SYSTEM,B,128,1," + invalid + "|l"},
        {"/fc|7/fh|-20/fs|/ft|01/bc|0/sp|3/sm|Hi/eo|", "", "7,-13,-,SYSTEM,I,0,3,Hi|l"}, // no "/fn|" ends the height
        {std::string("/fc|9/fh|-20/fn|A\0/fs|/ft|/bc|0/sp|3/sm|x/eo|", 41), "",
         "9,-20,-,SYSTEM,B,128,1," + invalid + "|l"},
        // Empty values leave their setting, but the style becomes plain.
        {"/fc|/fh|/fn|/fs|/ft|/bc|/sp|/sm|/eo|", "", "1,2,3,P,-,4,5,t|l"},
        {"/fh|-20/fn|A/fs|/ft|1/bc|0/sp|3/sm|x/eo|/fc|65280", "", "1,-20,-,A,B,0,3,x|l"},
        // A number that does not convert stops the reading.
        {"/fc|\r\n65280\r\n/fh|\r\n-20\r\n/fn|\r\nArial\r\n/eo|", "'\r\n65280\r\n' ist kein gültiger Integerwert",
         "1,2,3,P,U,4,5,t|l"},
        {"/fc|9/fh|-20/fn|A/fs|/ft|1/bc|0/sp|fast/sm|x/eo|", "'fast' ist kein gültiger Integerwert",
         "9,-20,-,A,B,0,5,t|l"},
    };
    for (const Case& c : cases)
        ExpectOutcome(c, [&](Settings& s) { ParseScrollMessage(c.file, s.font, s.speed, s.backColor, s.text); });
}

TEST(ParseCreditMessage, ReadsLinesTwoToEightThenTheCreditLines)
{
    const std::string listError = "Listenindex außerhalb des zulässigen Bereichs";
    const Case cases[] = {
        {kEightLines, "", "65280,-20,12,Arial,IS,128,3,t"},
        {kEightLines + "Alice\r\n\r\n  Bob ", "", "65280,-20,12,Arial,IS,128,3,t|Alice||  Bob "},
        {"T\n1\n2\nN\n3\n1\n4\n5\nAlice\nBob\n", "", "1,2,3,N,B,4,5,t|Alice|Bob"},
        {"T\r1\r2\rN\r3\r1\r4\r5\rAlice\rBob\r", "", "1,2,3,N,B,4,5,t|Alice|Bob"},
        {kEightLines + "Alice\n\rBob\r\r", "", "65280,-20,12,Arial,IS,128,3,t|Alice||Bob|"},
        {kEightLines + std::string(70000, 'A'), "",
         "65280,-20,12,Arial,IS,128,3,t|" + std::string(65527 - kEightLines.size(), 'A')},
        {"Title\r\n65280\r\n-20\r\nArial\r\n12\r\n0101\r\n128\r\n", listError, "65280,-20,12,Arial,IS,128,5,t"},
        {std::string("Title\r\n7\0\r\n-20\r\n", 16), listError, "7,2,3,P,U,4,5,t"},
        {"Title\r\n7\r\nbig\r\nArial\r\n12\r\n0101\r\n128\r\n3\r\n", "'big' ist kein gültiger Integerwert",
         "7,2,3,P,U,4,5,t"},
        {"Title\r\n\r\n-20\r\n", "'' ist kein gültiger Integerwert", "1,2,3,P,U,4,5,t"},
    };
    for (const Case& c : cases)
        ExpectOutcome(c, [&](Settings& s) { ParseCreditMessage(c.file, s.font, s.speed, s.backColor, s.lines); });
}

TEST(ReadMessageFiles, AMissingFileOrADirectoryGivesFalseAndChangesNothingButTheCreditLines)
{
    const std::string directory = TempPath("DIR.CMS");
    std::filesystem::create_directory(directory);
    for (const std::string& fileName : {TempPath("MISSING.SCM"), directory}) {
        Settings settings;
        EXPECT_FALSE(ReadScrollMessage(fileName, settings.font, settings.speed, settings.backColor, settings.text));
        EXPECT_FALSE(ReadCreditMessage(fileName, settings.font, settings.speed, settings.backColor, settings.lines));
        EXPECT_EQ(settings.Described(), "1,2,3,P,U,4,5,t") << fileName;
    }
}

TEST(ReadMessageFiles, ReadTheFilesBytesAndOnlyTheStartOfACreditBox)
{
    Settings s;
    EXPECT_TRUE(ReadScrollMessage(TempPath("HELLO.SCM", "/sm|Hello/eo|"), s.font, s.speed, s.backColor, s.text));
    const std::string longFile = TempPath("LONG.CMS", kEightLines + std::string(100000, 'A') + "\r\nEnd\r\n");
    EXPECT_TRUE(ReadCreditMessage(longFile, s.font, s.speed, s.backColor, s.lines));
    EXPECT_EQ(s.Described(), "65280,-20,12,Arial,IS,128,3,Hello|" + std::string(65527 - kEightLines.size(), 'A'));
}

TEST(ReadMessageFiles, AFileThatCannotBeOpenedRaisesTheOpenError)
{
#ifdef _WIN32
    // Held open for writing by someone else: the readers let others read only.
    const std::string fileName = TempPath("HELD.SCM", "/sm|x/eo|");
    std::FILE* writer = _fsopen(fileName.c_str(), "ab", _SH_DENYNO);
    ASSERT_TRUE(writer);
#else
    const std::string fileName = TempPath("LOOP.SCM");
    std::filesystem::create_symlink(fileName, fileName);
#endif
    const std::string openError = "Kann Datei " + fileName + " nicht öffnen";
    ExpectOutcome({fileName, openError, "1,2,3,P,U,4,5,t|l"},
                  [&](Settings& s) { ReadScrollMessage(fileName, s.font, s.speed, s.backColor, s.text); });
    ExpectOutcome({fileName, openError, "1,2,3,P,U,4,5,t"},
                  [&](Settings& s) { ReadCreditMessage(fileName, s.font, s.speed, s.backColor, s.lines); });
#ifdef _WIN32
    std::fclose(writer);
#endif
}
