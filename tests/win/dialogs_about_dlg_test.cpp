// The About box: where its buttons go, their colours and font, what its paint
// shows in each theme, and what a click on "Website" does when no program can
// open the page.
#include <gtest/gtest.h>

#include <atomic>
#include <string>
#include <thread>
#include <vector>

#include "dialogs/about_dlg.h"
#include "e2e/support/gadget_process.h"
#include "e2e/support/screen.h"
#include "framework/shell.h"
#include "resource.h"
#include "support/app_scope.h"
#include "support/test_image.h"

namespace {

using wintest::AppScope;
using wintest::TestImage;

// Runs the real initialisation and records what it set up, then ends.
class ProbeAbout : public CAboutDlg {
public:
    RECT website{}, ok{}, client{};
    HFONT websiteFont = nullptr, okFont = nullptr;
    LONG_PTR exStyle = 0;

protected:
    BOOL onInitDialog() override {
        CAboutDlg::onInitDialog();
        website = childRect(websiteButton.hwnd());
        ok = childRect(okButton.hwnd());
        websiteFont = reinterpret_cast<HFONT>(SendMessageW(websiteButton.hwnd(), WM_GETFONT, 0, 0));
        okFont = reinterpret_cast<HFONT>(SendMessageW(okButton.hwnd(), WM_GETFONT, 0, 0));
        exStyle = GetWindowLongPtrW(hwnd(), GWL_EXSTYLE);
        GetClientRect(hwnd(), &client);
        endDialog(0);
        return TRUE;
    }

private:
    RECT childRect(HWND child) const {
        RECT r{};
        GetWindowRect(child, &r);
        MapWindowPoints(nullptr, hwnd(), reinterpret_cast<POINT*>(&r), 2);
        return r;
    }
};

TEST(AboutDialog, ButtonsSitAtTheirDpiPlacesWhateverTheSize) {
    struct Case {
        float dpi;
        int32_t percent;
        RECT website, ok;
    };
    const Case cases[] = {
        {1.0f, 100, {65, 115, 135, 133}, {295, 115, 325, 133}},
        {1.0f, 120, {65, 115, 135, 133}, {295, 115, 325, 133}},
        {1.5f, 100, {97, 172, 202, 199}, {442, 172, 487, 199}},
    };
    for (const Case& c : cases) {
        AppScope settings(c.dpi, c.percent);
        ProbeAbout about;
        about.doModal();
        EXPECT_TRUE(EqualRect(&about.website, &c.website))
            << c.dpi << ": " << about.website.left << "," << about.website.top << "," << about.website.right << ","
            << about.website.bottom;
        EXPECT_TRUE(EqualRect(&about.ok, &c.ok))
            << c.dpi << ": " << about.ok.left << "," << about.ok.top << "," << about.ok.right << "," << about.ok.bottom;
        EXPECT_EQ(about.websiteFont, about.websiteButton.font());
        EXPECT_EQ(about.okFont, about.okButton.font());
        EXPECT_TRUE(about.exStyle & WS_EX_LAYERED);
        // Whatever the template's font makes of its size, both buttons lie on the face.
        RECT both{};
        UnionRect(&both, &about.website, &about.ok);
        RECT inside{};
        IntersectRect(&inside, &both, &about.client);
        EXPECT_TRUE(EqualRect(&inside, &both))
            << c.dpi << ": face " << about.client.right << " x " << about.client.bottom;
    }
}

TEST(AboutDialog, ButtonColoursFollowTheTheme) {
    struct Case {
        int theme;
        COLORREF caption, face;
    };
    // Black theme: face frame (404040), caption text (C0C0C0); green: face panel (E0F0E0), caption text (202020).
    const Case cases[] = {{0, 0xC0C0C0, 0x404040}, {1, 0x202020, 0xE0F0E0}, {3, 0x202020, 0xE0E0F0}};
    for (const Case& c : cases) {
        AppScope settings(1.0f, 100, c.theme);
        ProbeAbout about;
        about.doModal();
        EXPECT_EQ(about.websiteButton.textColor, c.caption) << c.theme;
        EXPECT_EQ(about.okButton.backgroundColor, c.face) << c.theme;
    }
}

constexpr int W = 392, H = 150;

struct PaintedAbout {
    TestImage image{W, H};
    PaintedAbout() {
        CAboutDlg about;
        about.paintContent(*image.graphics, image.image, W, H);
    }
    // Pixels of `rgb` inside [x0, x1) x [y0, y1).
    int count(uint32_t rgb, int x0, int y0, int x1, int y1) const {
        int n = 0;
        for (int y = y0; y < y1; ++y)
            for (int x = x0; x < x1; ++x) n += image.rgb(x, y) == rgb;
        return n;
    }
};

TEST(AboutDialog, PaintsTheNameAndTextsInTheThemeColours) {
    struct Case {
        int theme;
        uint32_t background, writing;
    };
    const Case cases[] = {{0, 0x404040, 0xC0C0C0}, {1, 0xE0F0E0, 0x000000}, {4, 0xF0F0F0, 0x000000}};
    for (const Case& c : cases) {
        AppScope settings(1.0f, 100, c.theme, 0);
        PaintedAbout painted;
        EXPECT_EQ(painted.image.rgb(0, 0), 0x000001u) << c.theme;
        EXPECT_EQ(painted.image.rgb(20, 100), c.background) << c.theme;
        EXPECT_EQ(painted.image.rgb(W - 20, 10), c.background) << "no gradient without shadow, theme " << c.theme;
        // "Ombrel" from (60, 20); nothing written left of it.
        EXPECT_GT(painted.count(c.writing, 60, 20, 200, 55), 20) << c.theme;
        EXPECT_EQ(painted.count(c.writing, 5, 20, 58, 55), 0) << c.theme;
        // The version and the notice, two lines from (65, 60).
        EXPECT_GT(painted.count(c.writing, 65, 60, W, 78), 5) << c.theme;
        EXPECT_GT(painted.count(c.writing, 65, 78, W, 100), 5) << c.theme;
    }
}

TEST(AboutDialog, ShadowShadesTheTopBand) {
    struct Case {
        int theme;
        uint32_t nearColor, farColor;
    };
    const Case cases[] = {{0, 0x404040, 0x808080}, {2, 0xE0E0F0, 0x8080E0}};
    for (const Case& c : cases) {
        AppScope settings(1.0f, 100, c.theme, 1);
        PaintedAbout painted;
        // From the band's bottom-left corner the colour turns to the far one.
        EXPECT_EQ(painted.image.rgb(20, 78), c.nearColor) << c.theme;
        EXPECT_EQ(painted.image.rgb(W - 20, 3), c.farColor) << c.theme;
        // Below the band nothing is shaded.
        EXPECT_EQ(painted.image.rgb(W - 20, 120), c.nearColor) << c.theme;
    }
}

// A shell that cannot open anything, as on a system without a browser.
std::atomic<int> shellCalls{0};
std::wstring shellVerb, shellFile;
HINSTANCE WINAPI shellWithoutABrowser(HWND, LPCWSTR verb, LPCWSTR file, LPCWSTR, LPCWSTR, INT) {
    if (shellCalls++ == 0) shellVerb = verb ? verb : L"", shellFile = file ? file : L"";
    return reinterpret_cast<HINSTANCE>(static_cast<INT_PTR>(SE_ERR_NOASSOC));
}

// Stands for the gadget: the framework's main window, which opens the About box
// over itself once it runs, as a double click on the clock does.
class Host : public fw::Dialog {
public:
    Host() : fw::Dialog(IDD_MENU_DIALOG) {}
    std::atomic<HWND> about{nullptr};

protected:
    BOOL onInitDialog() override {
        ShowWindow(hwnd(), SW_SHOW);
        PostMessageW(hwnd(), WM_APP, 0, 0);
        return TRUE;
    }
    bool handleMessage(UINT message, WPARAM, LPARAM, LRESULT& result) override {
        if (message != WM_APP) return false;
        struct RecordingAbout : CAboutDlg {
            std::atomic<HWND>& window;
            explicit RecordingAbout(std::atomic<HWND>& w) : window(w) {}
            BOOL onInitDialog() override {
                BOOL r = CAboutDlg::onInitDialog();
                window = hwnd();
                return r;
            }
        } box(about);
        box.doModal();
        endDialog(0);
        result = 0;
        return true;
    }
};

// The dialogs of this thread other than the host and the About box: the message boxes.
int messageBoxesOf(DWORD thread, HWND host, HWND about) {
    struct Query {
        HWND host, about;
        int count;
    } query{host, about, 0};
    EnumThreadWindows(
        thread,
        [](HWND window, LPARAM param) -> BOOL {
            auto* q = reinterpret_cast<Query*>(param);
            wchar_t className[16] = {};
            GetClassNameW(window, className, 16);
            if (window != q->host && window != q->about && IsWindowVisible(window) &&
                std::wstring(className) == L"#32770")
                ++q->count;
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&query));
    return query.count;
}

TEST(AboutDialog, AWebsiteThatCannotOpenGivesOneMessagePerClickOwnedByTheAboutBox) {
    AppScope settings(1.0f, 100);
    fw::ShellExecuteFunction realShell = fw::shellExecute;
    fw::shellExecute = shellWithoutABrowser;
    shellCalls = 0;
    Host host;
    settings.setMainWindow(&host);
    DWORD uiThread = GetCurrentThreadId();

    // Seen by the driver while the About box runs; checked here once it is closed.
    struct Seen {
        bool aboutOpened = false;
        std::wstring text;
        HWND owner = nullptr;
        BOOL aboutEnabledUnderTheMessage = TRUE;
        int callsAfterASecondClick = 0, boxesAfterASecondClick = 0;
        BOOL aboutEnabledAfterTheAnswer = FALSE, aboutVisibleAfterTheAnswer = FALSE;
        int callsAfterAThirdClick = 0;
        std::wstring secondText;
    } seen;
    std::thread driver([&] {
        HWND hostWindow = nullptr, about = nullptr;
        if (!e2e::waitUntil([&] { return (about = host.about.load()) != nullptr && IsWindowVisible(about); }, 5000))
            return;
        hostWindow = host.hwnd();
        seen.aboutOpened = true;
        Sleep(300);
        RECT button{};
        GetWindowRect(GetDlgItem(about, IDC_WEBSITE), &button);
        int x = (button.left + button.right) / 2, y = (button.top + button.bottom) / 2;

        e2e::mouse::click(x, y);
        e2e::MessageBoxSeen box = e2e::waitForMessageBox(GetCurrentProcessId());
        seen.text = box.text;
        if (box.window) {
            seen.owner = GetWindow(box.window, GW_OWNER);
            seen.aboutEnabledUnderTheMessage = IsWindowEnabled(about);
            // Out of the way, so that the next click lands on the button, not on the box.
            SetWindowPos(box.window, nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
            Sleep(200);
            e2e::mouse::click(x, y);
            Sleep(700);
            seen.callsAfterASecondClick = shellCalls;
            seen.boxesAfterASecondClick = messageBoxesOf(uiThread, hostWindow, about);
            for (int tries = 0; tries < 10 && messageBoxesOf(uiThread, hostWindow, about) > 0; ++tries) {
                e2e::answerMessageBox(e2e::waitForMessageBox(GetCurrentProcessId(), 500));
                Sleep(200);
            }
            Sleep(200);
            seen.aboutEnabledAfterTheAnswer = IsWindowEnabled(about);
            seen.aboutVisibleAfterTheAnswer = IsWindowVisible(about);
            // The About box takes clicks again: the next one gives the message again.
            e2e::mouse::click(x, y);
            e2e::MessageBoxSeen again = e2e::waitForMessageBox(GetCurrentProcessId());
            seen.secondText = again.text;
            seen.callsAfterAThirdClick = shellCalls;
            e2e::answerMessageBox(again);
            e2e::waitUntil([&] { return messageBoxesOf(uiThread, hostWindow, about) == 0; }, 3000);
        }
        PostMessageW(about, WM_COMMAND, IDOK, 0);
    });
    host.doModal();
    driver.join();
    fw::shellExecute = realShell;

    ASSERT_TRUE(seen.aboutOpened);
    EXPECT_EQ(shellVerb, L"open");
    EXPECT_EQ(shellFile, PRODUCT_WEB_PAGE);
    EXPECT_EQ(seen.text, L"ウェブサイトが開けません。");
    EXPECT_NE(seen.owner, nullptr);
    EXPECT_EQ(seen.owner, host.about.load()) << "the message belongs to the About box, not to the gadget";
    EXPECT_FALSE(seen.aboutEnabledUnderTheMessage);
    // A click on the About box while its message is up does nothing.
    EXPECT_EQ(seen.callsAfterASecondClick, 1);
    EXPECT_EQ(seen.boxesAfterASecondClick, 1);
    // Answered, the About box is open and usable again.
    EXPECT_TRUE(seen.aboutVisibleAfterTheAnswer);
    EXPECT_TRUE(seen.aboutEnabledAfterTheAnswer);
    EXPECT_EQ(seen.secondText, L"ウェブサイトが開けません。");
    EXPECT_EQ(seen.callsAfterAThirdClick, 2);
}

}  // namespace
