// The calendar browser's initialisation: its place beside the gadget, the year
// field's place, limit, font, colours and text, and the marks.
#include <gtest/gtest.h>

#include <ctime>

#include "app/now.h"
#include "dialogs/calendar_dlg.h"
#include "support/app_scope.h"
#include "support/test_image.h"

namespace {

using wintest::AppScope;

std::time_t nowIn2031() {
    std::tm t{};
    t.tm_year = 2031 - 1900;
    t.tm_mon = 6;
    t.tm_mday = 1;
    t.tm_hour = 12;
    return std::mktime(&t);
}

class ProbeBrowser : public CCalendarDlg {
public:
    RECT window{}, field{};
    LRESULT limit = 0;
    HFONT fieldFont = nullptr;
    std::wstring fieldText;
    COLORREF fieldTextColour = 0;
    LONG_PTR exStyle = 0;

protected:
    BOOL onInitDialog() override {
        CCalendarDlg::onInitDialog();
        GetWindowRect(hwnd(), &window);
        GetWindowRect(yearEdit.hwnd(), &field);
        MapWindowPoints(nullptr, hwnd(), reinterpret_cast<POINT*>(&field), 2);
        limit = SendMessageW(yearEdit.hwnd(), EM_GETLIMITTEXT, 0, 0);
        fieldFont = reinterpret_cast<HFONT>(SendMessageW(yearEdit.hwnd(), WM_GETFONT, 0, 0));
        wchar_t text[32] = {};
        GetWindowTextW(yearEdit.hwnd(), text, 32);
        fieldText = text;
        // The colours the field is painted with, asked the way the system asks.
        HDC dc = GetDC(yearEdit.hwnd());
        SendMessageW(hwnd(), WM_CTLCOLOREDIT, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(yearEdit.hwnd()));
        fieldTextColour = GetTextColor(dc);
        ReleaseDC(yearEdit.hwnd(), dc);
        exStyle = GetWindowLongPtrW(hwnd(), GWL_EXSTYLE);
        endDialog(0);
        return TRUE;
    }
};

TEST(BrowserDialog, OpensLeftOfTheGadgetAtTheCurrentYear) {
    AppScope settings(1.0f, 100, 0);
    app::setNowForTesting(nowIn2031);
    settings.setMainPosition(1784, 40);
    ProbeBrowser browser;
    browser.doModal();
    app::setNowForTesting(nullptr);

    EXPECT_EQ(browser.window.right, 1784);
    EXPECT_EQ(browser.window.top, 40);
    EXPECT_EQ(browser.window.right - browser.window.left, 433);
    EXPECT_EQ(browser.window.bottom - browser.window.top, 558);
    RECT field{188, 15, 236, 35};
    EXPECT_TRUE(EqualRect(&browser.field, &field));
    EXPECT_EQ(browser.limit, 4);
    EXPECT_EQ(browser.fieldFont, browser.yearEdit.font());
    EXPECT_EQ(browser.fieldText, L"2031");
    EXPECT_EQ(browser.browseYear, 2031);
    EXPECT_EQ(browser.fieldTextColour, 0xFFFFFFu);  // the black theme's frameText
    EXPECT_TRUE(browser.exStyle & WS_EX_LAYERED);
    EXPECT_EQ(browser.closeRect.left, 401);
    EXPECT_EQ(browser.prevYearRect.left, 140);
    EXPECT_EQ(browser.nextYearRect.left, 260);
}

TEST(BrowserDialog, FieldFontFollowsTheSizeSetting) {
    AppScope settings(1.0f, 120);
    ProbeBrowser browser;
    browser.doModal();
    LOGFONTW log{};
    GetObjectW(browser.fieldFont, sizeof log, &log);
    EXPECT_EQ(log.lfHeight, 24);
    EXPECT_EQ(browser.window.right - browser.window.left, 25 * 20 + 9);
}

}  // namespace
