// Settings go to HKCU\Software\<company>\<executable name>\<section>.
#include <gtest/gtest.h>

#include "app/ombrel_app.h"
#include "support/app_scope.h"

namespace {

class Profile : public testing::Test {
protected:
    void SetUp() override {
        theApp.fw::Application::initInstance();
        app_.setRegistryKey(L"OmbrelProfileTest");
        RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\OmbrelProfileTest");
    }
    void TearDown() override { RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\OmbrelProfileTest"); }

    wintest::AppScope app_;
};

TEST_F(Profile, MissingValuesGiveTheirDefaults) {
    EXPECT_EQ(theApp.getProfileInt(SETTINGS_SECTION, L"MainLeft", 0x7fffffff), 0x7fffffff);
    EXPECT_EQ(theApp.getProfileInt(SETTINGS_SECTION, L"Size", 100), 100);
}

TEST_F(Profile, WrittenValuesComeBackAsDwordsUnderTheExecutablesKey) {
    const int values[] = {0, 1, -1, 120, -50, 2147483647, -2147483647 - 1};
    for (int v : values) {
        theApp.writeSetting(L"MainLeft", v);
        EXPECT_EQ(theApp.getProfileInt(SETTINGS_SECTION, L"MainLeft", 12345), v);
    }
    EXPECT_EQ(theApp.appName(), L"win_tests");
    DWORD type = 0, data = 0, size = sizeof data;
    ASSERT_EQ(RegGetValueW(HKEY_CURRENT_USER, L"Software\\OmbrelProfileTest\\win_tests\\Settings", L"MainLeft",
                           RRF_RT_ANY, &type, &data, &size),
              ERROR_SUCCESS);
    EXPECT_EQ(type, static_cast<DWORD>(REG_DWORD));
    EXPECT_EQ(size, 4u);
}

TEST_F(Profile, AValueOfAnotherTypeReadsAsMissing) {
    theApp.writeSetting(L"Size", 1);
    HKEY key = nullptr;
    ASSERT_EQ(
        RegOpenKeyExW(HKEY_CURRENT_USER, L"Software\\OmbrelProfileTest\\win_tests\\Settings", 0, KEY_SET_VALUE, &key),
        ERROR_SUCCESS);
    const wchar_t text[] = L"120";
    RegSetValueExW(key, L"Size", 0, REG_SZ, reinterpret_cast<const BYTE*>(text), sizeof text);
    RegCloseKey(key);
    EXPECT_EQ(theApp.getProfileInt(SETTINGS_SECTION, L"Size", 100), 100);
}

}  // namespace
