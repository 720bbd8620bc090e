// The registry utilities on a scratch key of the current user.
#include <gtest/gtest.h>

#include <windows.h>

#include "system/Registry.h"

// Texts are stored with their zero and read only from REG_SZ values; a key goes
// with everything below it, but a root never.
TEST(RegistryUtilities, StoreReadAndDeleteTextsAndKeys)
{
    const HKEY HKCU = HKEY_CURRENT_USER;
    const std::string key = "Software\\Lumoscope32 registry test";
    ::RegDeleteTreeA(HKCU, key.c_str());
    EXPECT_TRUE(WriteRegString(HKCU, key + "\\a\\b", "Name", "\xC3\xA9t\xC3\xA9"));
    EXPECT_TRUE(WriteRegString(HKCU, key, "", "default"));
    DWORD size = 0;
    EXPECT_EQ(::RegGetValueA(HKCU, (key + "\\a\\b").c_str(), "Name", RRF_RT_REG_SZ, nullptr, nullptr, &size),
              ERROR_SUCCESS);
    EXPECT_EQ(size, sizeof "\xC3\xA9t\xC3\xA9");
    EXPECT_EQ(ReadRegString(HKCU, key + "\\a\\b", "Name"), "\xC3\xA9t\xC3\xA9");
    EXPECT_EQ(ReadRegString(HKCU, key, ""), "default");

    const char twoTexts[] = "first\0second";
    const DWORD number = 1;
    ::RegSetKeyValueA(HKCU, key.c_str(), "Two", REG_SZ, twoTexts, sizeof twoTexts);
    ::RegSetKeyValueA(HKCU, key.c_str(), "Expand", REG_EXPAND_SZ, "%PATH%", 7);
    ::RegSetKeyValueA(HKCU, key.c_str(), "Number", REG_DWORD, &number, sizeof number);
    EXPECT_EQ(ReadRegString(HKCU, key, "Two"), "first");
    for (const char* other : {"Expand", "Number", "Missing"})
        EXPECT_EQ(ReadRegString(HKCU, key, other), "") << other;
    EXPECT_EQ(ReadRegString(HKCU, key + "\\missing", ""), "");
    EXPECT_TRUE(DeleteRegValue(HKCU, key, "Two"));
    EXPECT_FALSE(DeleteRegValue(HKCU, key, "Two"));
    EXPECT_FALSE(DeleteRegValue(HKCU, key + "\\missing", "Two"));

    EXPECT_FALSE(DeleteRegKey(HKCU, ""));
    EXPECT_TRUE(RegKeyExists(HKCU, "Software"));
    EXPECT_TRUE(DeleteRegKey(HKCU, key));
    EXPECT_FALSE(RegKeyExists(HKCU, key));
    EXPECT_FALSE(DeleteRegKey(HKCU, key));
}
