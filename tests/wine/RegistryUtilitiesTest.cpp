// The registry utilities on a scratch key of the current user, and the
// manifests that keep the programs' registry writes real.
#include <gtest/gtest.h>

#include <windows.h>

#include "system/Registry.h"
#include "framework/Handles.h"

TEST(RegistryUtilities, StoreAndReadTextsWithTheirTerminatingZero)
{
    const std::string key = "Software\\Lumoscope32 registry test";
    ::RegDeleteTreeA(HKEY_CURRENT_USER, key.c_str());
    EXPECT_TRUE(WriteRegString(HKEY_CURRENT_USER, key + "\\a\\b", "", "default"));
    EXPECT_TRUE(WriteRegString(HKEY_CURRENT_USER, key + "\\a\\b", "Name", "\xC3\xA9t\xC3\xA9"));
    DWORD type = 0, size = 0;
    ::RegGetValueA(HKEY_CURRENT_USER, (key + "\\a\\b").c_str(), "Name", RRF_RT_ANY, &type, nullptr, &size);
    EXPECT_EQ(type, static_cast<DWORD>(REG_SZ));
    EXPECT_EQ(size, sizeof "\xC3\xA9t\xC3\xA9");
    EXPECT_EQ(ReadRegString(HKEY_CURRENT_USER, key + "\\a\\b", ""), "default");
    EXPECT_EQ(ReadRegString(HKEY_CURRENT_USER, key + "\\a\\b", "Name"), "\xC3\xA9t\xC3\xA9");

    const char twoTexts[] = "first\0second";
    ::RegSetKeyValueA(HKEY_CURRENT_USER, key.c_str(), "Two", REG_SZ, twoTexts, sizeof twoTexts);
    ::RegSetKeyValueA(HKEY_CURRENT_USER, key.c_str(), "Expand", REG_EXPAND_SZ, "%PATH%", 7);
    const DWORD number = 1;
    ::RegSetKeyValueA(HKEY_CURRENT_USER, key.c_str(), "Number", REG_DWORD, &number, sizeof number);
    EXPECT_EQ(ReadRegString(HKEY_CURRENT_USER, key, "Two"), "first");
    EXPECT_EQ(ReadRegString(HKEY_CURRENT_USER, key, "Expand"), "");
    EXPECT_EQ(ReadRegString(HKEY_CURRENT_USER, key, "Number"), "");
    EXPECT_EQ(ReadRegString(HKEY_CURRENT_USER, key, "Missing"), "");
    EXPECT_EQ(ReadRegString(HKEY_CURRENT_USER, key + "\\missing", ""), "");

    EXPECT_TRUE(DeleteRegValue(HKEY_CURRENT_USER, key, "Two"));
    EXPECT_FALSE(DeleteRegValue(HKEY_CURRENT_USER, key, "Two"));
    EXPECT_FALSE(DeleteRegValue(HKEY_CURRENT_USER, key + "\\missing", "Two"));
    ::RegDeleteTreeA(HKEY_CURRENT_USER, key.c_str());
}

TEST(RegistryUtilities, DeleteKeysWithEverythingBelowButNeverARoot)
{
    const std::string key = "Software\\Lumoscope32 registry test";
    ASSERT_TRUE(WriteRegString(HKEY_CURRENT_USER, key + "\\shell\\open\\command", "", "x"));
    ASSERT_TRUE(WriteRegString(HKEY_CURRENT_USER, key, "Version", "1.1"));
    EXPECT_TRUE(RegKeyExists(HKEY_CURRENT_USER, key + "\\shell\\open"));
    EXPECT_FALSE(DeleteRegKey(HKEY_CURRENT_USER, ""));
    EXPECT_TRUE(RegKeyExists(HKEY_CURRENT_USER, "Software"));
    EXPECT_TRUE(DeleteRegKey(HKEY_CURRENT_USER, key));
    EXPECT_FALSE(RegKeyExists(HKEY_CURRENT_USER, key));
    EXPECT_FALSE(DeleteRegKey(HKEY_CURRENT_USER, key));
}

// Without this, Windows would send a standard user's registry writes to a
// virtual store of its own instead of failing them.
TEST(ProgramManifests, BothProgramsRunAsTheInvoker)
{
    for (const char* program : {LUMO_PROGRAM_PATH, LUMO_UNINSTALLER_PATH}) {
        UniqueModule module(::LoadLibraryExA(program, nullptr, LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE));
        ASSERT_TRUE(module) << program;
        HRSRC found = ::FindResourceA(module.get(), MAKEINTRESOURCEA(1), MAKEINTRESOURCEA(24));  // RT_MANIFEST
        ASSERT_TRUE(found) << program;
        const std::string manifest(static_cast<const char*>(::LockResource(::LoadResource(module.get(), found))),
                                   ::SizeofResource(module.get(), found));
        EXPECT_NE(manifest.find("<requestedExecutionLevel level=\"asInvoker\""), std::string::npos) << program;
    }
}
