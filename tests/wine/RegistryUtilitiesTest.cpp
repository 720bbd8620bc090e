// The registry utilities on a scratch key of the current user.
#include <gtest/gtest.h>

#include <windows.h>

#include "system/Registry.h"

TEST(RegistryUtilities, DeletesAKeyWithEverythingBelowButNeverARoot)
{
    const std::string key = "Software\\Lumoscope32 registry test";
    ASSERT_TRUE(WriteRegString(HKEY_CURRENT_USER, key + "\\shell\\open", "", "x"));
    EXPECT_FALSE(DeleteRegKey(HKEY_CURRENT_USER, ""));
    EXPECT_TRUE(RegKeyExists(HKEY_CURRENT_USER, key));
    EXPECT_TRUE(DeleteRegKey(HKEY_CURRENT_USER, key));
    EXPECT_FALSE(RegKeyExists(HKEY_CURRENT_USER, key));
}
