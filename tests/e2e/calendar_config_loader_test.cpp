// config.txt as the user meets it: a missing file or a bad line shows its message
// once, with the full path or the line number, and the gadget then runs; the
// shipped file shows nothing.
#include <gtest/gtest.h>

#include "support/config_text.h"
#include "support/gadget_process.h"

namespace e2e {
namespace {

std::wstring folderOf(const std::wstring& path) { return path.substr(0, path.find_last_of(L'\\')); }

struct ConfigCase {
    const char* what;
    std::wstring config;   // written in CP932; empty: no config.txt at all
    std::wstring message;  // empty: the full path's not-found text
};

void PrintTo(const ConfigCase& c, std::ostream* out) { *out << c.what; }

class CalendarConfigMessage : public testing::TestWithParam<ConfigCase> {};

TEST_P(CalendarConfigMessage, ShowsOnceAndTheGadgetRuns) {
    const ConfigCase& c = GetParam();
    GadgetProcess gadget;
    if (c.config.empty()) {
        gadget.removeConfig();
    } else {
        gadget.writeConfig(cp932(c.config));
    }
    std::wstring expected = c.message.empty() ? L"読込ファイルをオープンできません。: " + folderOf(gadget.exePath()) +
                                                    L"\\config.txt が見つかりませんでした。"
                                              : c.message;
    ASSERT_TRUE(gadget.launch());
    MessageBoxSeen box = waitForMessageBox(gadget.processId(), 15000);
    ASSERT_NE(box.window, nullptr) << c.what;
    EXPECT_EQ(box.text, expected) << c.what;
    answerMessageBox(box);
    ASSERT_TRUE(gadget.waitForGadget()) << c.what;
    // Reading stopped at the first problem: no second message follows.
    EXPECT_EQ(waitForMessageBox(gadget.processId(), 700).window, nullptr) << c.what;
    EXPECT_TRUE(gadget.running());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CalendarConfigMessage,
    testing::Values(ConfigCase{"Missing", L"", L""},
                    ConfigCase{"FirstFieldOnLine3",
                               L"祝日 元日 1949 9999 日付 1 1\r\n年号 令和 2019 5 1 9999 12 31\r\n祭日 x\r\n祭日 y\r\n",
                               L"第１フィールドが合っていません。：3 行目"},
                    ConfigCase{
                        "FieldCountAfterComments",
                        L"# コメント\r\n\r\n  # 字下げしたコメント\r\n年号 令和\u30002019 5 1 9999 12 31\r\n年号 x\r\n",
                        L"フィールド数が合っていません。：4 行目"}),
    [](const testing::TestParamInfo<ConfigCase>& info) { return info.param.what; });

TEST(CalendarConfig, TheShippedFileShowsNoMessage) {
    GadgetProcess gadget;
    ASSERT_TRUE(gadget.start());
    EXPECT_EQ(waitForMessageBox(gadget.processId(), 700).window, nullptr);
    EXPECT_TRUE(gadget.running());
}

}  // namespace
}  // namespace e2e
