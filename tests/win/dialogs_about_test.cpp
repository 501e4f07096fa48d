// The About box: where its buttons go, their colours and font, and what its
// paint shows in each theme.
#include <gtest/gtest.h>

#include "dialogs/about_dlg.h"
#include "support/test_image.h"

namespace {

using wintest::AppSettings;
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
        AppSettings settings(c.dpi, c.percent);
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
        EXPECT_TRUE(EqualRect(&inside, &both)) << c.dpi << ": face " << about.client.right << " x " << about.client.bottom;
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
        AppSettings settings(1.0f, 100, c.theme);
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
        AppSettings settings(1.0f, 100, c.theme, 0);
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
        AppSettings settings(1.0f, 100, c.theme, 1);
        PaintedAbout painted;
        // From the band's bottom-left corner the colour turns to the far one.
        EXPECT_EQ(painted.image.rgb(20, 78), c.nearColor) << c.theme;
        EXPECT_EQ(painted.image.rgb(W - 20, 3), c.farColor) << c.theme;
        // Below the band nothing is shaded.
        EXPECT_EQ(painted.image.rgb(W - 20, 120), c.nearColor) << c.theme;
    }
}

}  // namespace
