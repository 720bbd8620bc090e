#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>
#ifdef _WIN32
#include <share.h>
#endif

#include "framework/Exceptions.h"
#include "imagelib/CreditMessageFile.h"
#include "imagelib/IntegerText.h"
#include "imagelib/ScrollMessageFile.h"

namespace {

// What the readers change, starting from values no file below gives.
struct Settings {
    MessageFont font{.color = 1, .height = 2, .size = 3, .name = "P", .style = {.underline = true}};
    int speed = 5;
    std::uint32_t backColor = 4;
    std::string text = "t";
    std::vector<std::string> lines = {"l"};

    // colour,height,size,name,style flags as in a scroll file,background,speed,text|line|line...
    std::string Described() const
    {
        const FontStyle& s = font.style;
        std::ostringstream out;
        out << font.color << "," << font.height << "," << (font.size ? std::to_string(*font.size) : "-") << ","
            << font.name << "," << s.bold << s.italic << s.underline << s.strikeOut << "," << backColor << "," << speed
            << "," << text;
        for (const std::string& line : lines)
            out << "|" << line;
        return out.str();
    }
};

struct Case { std::string file, error /* empty when the reading succeeds */, settings; };

template <class Read>
void ExpectOutcome(const Case& c, Read read)
{
    Settings settings;
    std::string error;
    try {
        read(settings, c.file);
    } catch (const Exception& e) {
        error = e.what();
    }
    EXPECT_EQ(error, c.error) << c.file;
    EXPECT_EQ(settings.Described(), c.settings) << c.file;
}

bool Scroll(Settings& s, const std::string& file) { return ReadScrollMessage(file, s.font, s.speed, s.backColor, s.text); }
bool Credit(Settings& s, const std::string& file) { return ReadCreditMessage(file, s.font, s.speed, s.backColor, s.lines); }

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

TEST(StrToInt, ReadsDecimalAndDollarHexadecimalAndRefusesAnythingElse)
{
    for (const auto& [text, value] : {std::pair<const char*, std::int32_t>{"  +7", 7}, {"-20", -20}, {"$ff00", 65280},
                                      {"-$10", -16}, {"$FFFFFFFF", -1}, {"$0000000080", 128},
                                      {"2147483647", 2147483647}, {"-2147483648", -2147483647 - 1}})
        EXPECT_EQ(StrToInt(text), value) << text;
    for (const char* text :
         {"", "12 ", "\t5", "1a", "$", "$G", "-", "+-1", "- 1", "2147483648", "-2147483649", "$100000000"})
        EXPECT_THROW(StrToInt(text), EConvertError) << text;
}

TEST(ParseScrollMessage, ReadsEachValueUpToItsEndCodeWithDefaultsForMissingOnes)
{
    const std::string invalid = " Invallid message format ! ";
    const Case cases[] = {
        // Each code counts at its first occurrence; a style reads a "1" in its first four characters.
        {"/fc|65280/fh|-20/fn|Arial/fs|/ft|1x011/bc|0/sp|3/sm|Hello/eo|x/eo|", "", "65280,-20,-,Arial,1001,0,3,Hello|l"},
        {"/fc|$FF/fh|-20/fn|" + std::string(300, 'N') + "/fs|12/ft|0011/bc|$FFFFFF/sp|0/sm|a /fh| b\r\nc/eo|", "",
         "255,-20,12," + std::string(255, 'N') + ",0011,16777215,0,a /fh| b\r\nc|l"},
        {"no codes", "", "255,-13,-,SYSTEM,1000,128,1," + invalid + "|l"},
        // A NUL ends the message; a value without its end code takes the default.
        {std::string("/fc|9/fh|-20/fn|A\0/fs|/ft|/bc|0/sp|3/sm|x/eo|", 41), "",
         "9,-20,-,SYSTEM,1000,128,1," + invalid + "|l"},
        // Empty values leave their setting, but the style becomes plain.
        {"/fc|/fh|/fn|/fs|/ft|/bc|/sp|/sm|/eo|", "", "1,2,3,P,0000,4,5,t|l"},
        {"/fh|-20/fn|A/fs|/ft|1/bc|0/sp|3/sm|x/eo|/fc|65280", "", "1,-20,-,A,1000,0,3,x|l"},
        // A number that does not convert stops the reading.
        {"/fc|\r\n65280\r\n/fh|\r\n-20\r\n/fn|\r\nArial\r\n/eo|", "'\r\n65280\r\n' ist kein gültiger Integerwert",
         "1,2,3,P,0010,4,5,t|l"},
    };
    for (const Case& c : cases)
        ExpectOutcome(
            c, [](Settings& s, const std::string& bytes) { ParseScrollMessage(bytes, s.font, s.speed, s.backColor, s.text); });
}

// Line ends: CR LF, CR or LF alone; the text after the last one is a line too.
TEST(ParseCreditMessage, ReadsLinesTwoToEightThenTheCreditLines)
{
    const std::string listError = "Listenindex außerhalb des zulässigen Bereichs";
    const Case cases[] = {
        {kEightLines + "Alice\n\r\r\n  Bob ", "", "65280,-20,12,Arial,0101,128,3,t|Alice|||  Bob "},
        {kEightLines + std::string(70000, 'A'), "",
         "65280,-20,12,Arial,0101,128,3,t|" + std::string(65527 - kEightLines.size(), 'A')},
        {"Title\r\n65280\r\n-20\r\nArial\r\n12\r\n0101\r\n128\r\n", listError, "65280,-20,12,Arial,0101,128,5,t"},
        {std::string("Title\r\n7\0\r\n-20\r\n", 16), listError, "7,2,3,P,0010,4,5,t"},
        {"Title\r\n7\r\nbig\r\nArial\r\n12\r\n0101\r\n128\r\n3\r\n", "'big' ist kein gültiger Integerwert",
         "7,2,3,P,0010,4,5,t"},
    };
    for (const Case& c : cases)
        ExpectOutcome(
            c, [](Settings& s, const std::string& bytes) { ParseCreditMessage(bytes, s.font, s.speed, s.backColor, s.lines); });
}

TEST(ReadMessageFiles, ReadTheStartOfTheFileGiveFalseWithoutOneAndRaiseTheOpenErrorWhenItCannotBeOpened)
{
    Settings s;
    const std::string longFile = TempPath("LONG.CMS", kEightLines + std::string(100000, 'A') + "\r\nEnd\r\n");
    EXPECT_TRUE(Scroll(s, TempPath("HELLO.SCM", "/sm|Hello/eo|")) && Credit(s, longFile));
    EXPECT_EQ(s.Described(), "65280,-20,12,Arial,0101,128,3,Hello|" + std::string(65527 - kEightLines.size(), 'A'));
    // A message's end beyond the bytes read is no end: the text keeps its default.
    EXPECT_TRUE(Scroll(s, TempPath("LONG.SCM", "/sm|" + std::string(70000, 'A') + "/eo|")));
    EXPECT_EQ(s.text, " Invallid message format ! ");

    const std::string directory = TempPath("DIR.CMS");
    std::filesystem::create_directory(directory);
    for (const std::string& fileName : {TempPath("MISSING.SCM"), directory}) {
        Settings unread;
        EXPECT_FALSE(Scroll(unread, fileName) || Credit(unread, fileName)) << fileName;
        EXPECT_EQ(unread.Described(), "1,2,3,P,0010,4,5,t") << fileName;
    }
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
    ExpectOutcome({fileName, openError, "1,2,3,P,0010,4,5,t|l"}, Scroll);
    ExpectOutcome({fileName, openError, "1,2,3,P,0010,4,5,t"}, Credit);
#ifdef _WIN32
    std::fclose(writer);
#endif
}
