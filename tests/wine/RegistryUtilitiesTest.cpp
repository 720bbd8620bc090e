// The registry utilities on a scratch key of the current user.
#include <gtest/gtest.h>

#include <windows.h>

#include "system/Registry.h"

namespace {

const HKEY HKCU = HKEY_CURRENT_USER;
const std::string kKey = "Software\\Lumoscope32 registry test";

} // namespace

TEST(RegistryUtilities, StoreTextsWithTheirTerminatingZeroAndReadOnlyTexts)
{
    ::RegDeleteTreeA(HKCU, kKey.c_str());
    EXPECT_TRUE(WriteRegString(HKCU, kKey + "\\a\\b", "Name", "\xC3\xA9t\xC3\xA9"));
    EXPECT_TRUE(WriteRegString(HKCU, kKey, "", "default"));
    DWORD type = 0, size = 0;
    ::RegGetValueA(HKCU, (kKey + "\\a\\b").c_str(), "Name", RRF_RT_ANY, &type, nullptr, &size);
    EXPECT_EQ(type, static_cast<DWORD>(REG_SZ));
    EXPECT_EQ(size, sizeof "\xC3\xA9t\xC3\xA9");
    EXPECT_EQ(ReadRegString(HKCU, kKey + "\\a\\b", "Name"), "\xC3\xA9t\xC3\xA9");
    EXPECT_EQ(ReadRegString(HKCU, kKey, ""), "default");

    const char twoTexts[] = "first\0second";
    const DWORD number = 1;
    ::RegSetKeyValueA(HKCU, kKey.c_str(), "Two", REG_SZ, twoTexts, sizeof twoTexts);
    ::RegSetKeyValueA(HKCU, kKey.c_str(), "Expand", REG_EXPAND_SZ, "%PATH%", 7);
    ::RegSetKeyValueA(HKCU, kKey.c_str(), "Number", REG_DWORD, &number, sizeof number);
    EXPECT_EQ(ReadRegString(HKCU, kKey, "Two"), "first");
    for (const char* other : {"Expand", "Number", "Missing"})
        EXPECT_EQ(ReadRegString(HKCU, kKey, other), "") << other;
    EXPECT_EQ(ReadRegString(HKCU, kKey + "\\missing", ""), "");

    EXPECT_TRUE(DeleteRegValue(HKCU, kKey, "Two"));
    EXPECT_FALSE(DeleteRegValue(HKCU, kKey, "Two"));
    EXPECT_FALSE(DeleteRegValue(HKCU, kKey + "\\missing", "Two"));
}

TEST(RegistryUtilities, DeleteKeysWithEverythingBelowButNeverARoot)
{
    ASSERT_TRUE(WriteRegString(HKCU, kKey + "\\shell\\open\\command", "", "x"));
    EXPECT_FALSE(DeleteRegKey(HKCU, ""));
    EXPECT_TRUE(RegKeyExists(HKCU, "Software"));
    EXPECT_TRUE(DeleteRegKey(HKCU, kKey));
    EXPECT_FALSE(RegKeyExists(HKCU, kKey));
    EXPECT_FALSE(DeleteRegKey(HKCU, kKey));
}
