// The owner-drawn button and the coloured edit: their fonts, each button state
// drawn into an image, and the colours the edit answers with.
#include <gtest/gtest.h>

#include "dialogs/custom_controls.h"
#include "support/app_scope.h"
#include "support/test_image.h"

namespace {

using wintest::AppScope;
using wintest::TestImage;

int fontHeight(HFONT font) {
    LOGFONTW log{};
    if (!GetObjectW(font, sizeof log, &log)) return -1;
    return log.lfHeight;
}

TEST(CustomControls, FontsAreBoldMeiryoOfTheirOwnHeights) {
    struct Case {
        float dpi;
        int32_t percent;
        int button, edit;
    };
    // The button follows the DPI only; the edit the size setting too.
    const Case cases[] = {{1.0f, 100, 20, 20}, {1.0f, 120, 20, 24}, {1.0f, 80, 20, 16}, {1.5f, 120, 30, 36}};
    for (const Case& c : cases) {
        AppScope settings(c.dpi, c.percent);
        GButtonEx button;
        GEditEx edit;
        EXPECT_EQ(fontHeight(button.font()), c.button) << c.dpi << " " << c.percent;
        EXPECT_EQ(fontHeight(edit.font()), c.edit) << c.dpi << " " << c.percent;
        LOGFONTW log{};
        GetObjectW(edit.font(), sizeof log, &log);
        EXPECT_EQ(log.lfWeight, FW_BOLD);
        EXPECT_STREQ(log.lfFaceName, L"Meiryo");
    }
}

// A button face 70 x 18 drawn into an image in one state.
class DrawnButton {
public:
    static constexpr COLORREF FACE = RGB(0x20, 0x40, 0x90);
    static constexpr int W = 70, H = 18;

    DrawnButton(const wchar_t* caption, UINT state) : image_(W + 10, H + 10) {
        HWND window = CreateWindowW(L"BUTTON", caption, WS_POPUP | BS_OWNERDRAW, 0, 0, W, H, nullptr, nullptr,
                                    GetModuleHandleW(nullptr), nullptr);
        GButtonEx button;
        button.textColor = RGB(0, 0, 0);
        button.backgroundColor = FACE;
        HDC dc = image_.image.dc();
        HGDIOBJ oldFont = SelectObject(dc, button.font());
        DRAWITEMSTRUCT item{};
        item.CtlType = ODT_BUTTON;
        item.itemAction = ODA_DRAWENTIRE;
        item.itemState = state;
        item.hwndItem = window;
        item.hDC = dc;
        item.rcItem = {5, 5, 5 + W, 5 + H};
        button.drawItem(item);
        GdiFlush();
        SelectObject(dc, oldFont);
        DestroyWindow(window);
    }
    uint32_t at(int x, int y) const { return image_.rgb(x + 5, y + 5); }
    // Pixels of the face that are white or nearly so.
    int whitePixels() const {
        int count = 0;
        for (int y = 3; y < H - 3; ++y)
            for (int x = 3; x < W - 3; ++x) {
                uint32_t p = at(x, y);
                count += ((p >> 16) & 0xFF) > 0xE0 && ((p >> 8) & 0xFF) > 0xE0 && (p & 0xFF) > 0xE0;
            }
        return count;
    }

private:
    TestImage image_;
};

constexpr uint32_t FACE_RGB = 0x204090;  // FACE as the image stores it

TEST(CustomControls, ButtonStatesDrawTheirEdges) {
    AppScope settings(1.0f, 100);
    struct Case {
        UINT state;
        bool sunken, whiteCaption;
        const char* what;
    };
    const Case cases[] = {
        {0, false, false, "enabled, unfocused"},
        {ODS_FOCUS, false, false, "focused"},
        {ODS_FOCUS | ODS_SELECTED, true, false, "focused and pressed"},
        {ODS_SELECTED, false, false, "pressed without focus"},
        {ODS_DISABLED, false, true, "disabled"},
        {ODS_DISABLED | ODS_FOCUS, false, false, "disabled but focused"},
    };
    for (const Case& c : cases) {
        DrawnButton drawn(L"OK", c.state);
        // The raised edge: the right and bottom lines are darker than the face.
        EXPECT_NE(drawn.at(DrawnButton::W - 1, 9), FACE_RGB) << c.what;
        EXPECT_NE(drawn.at(35, DrawnButton::H - 1), FACE_RGB) << c.what;
        // Only a sunken frame touches the top and left lines.
        EXPECT_EQ(drawn.at(35, 0) != FACE_RGB, c.sunken) << c.what;
        EXPECT_EQ(drawn.at(0, 9) != FACE_RGB, c.sunken) << c.what;
        // The face itself, away from the caption.
        EXPECT_EQ(drawn.at(3, 3), FACE_RGB) << c.what;
        EXPECT_EQ(drawn.whitePixels() > 0, c.whiteCaption) << c.what;
    }
}

TEST(CustomControls, EmptyButtonIsStillFilled) {
    AppScope settings(1.0f, 100);
    DrawnButton drawn(L"", 0);
    EXPECT_EQ(drawn.at(35, 9), FACE_RGB);
    EXPECT_EQ(drawn.at(2, 2), FACE_RGB);
}

TEST(CustomControls, EditAnswersItsColoursAsColourReferences) {
    AppScope settings(1.0f, 100);
    GEditEx edit;
    edit.textColor = 0xFFE06060;
    edit.backgroundColor = 0xFF102030;
    HBRUSH brush = CreateSolidBrush(RGB(0x10, 0x20, 0x30));
    edit.backgroundBrush.reset(brush);
    HDC dc = CreateCompatibleDC(nullptr);
    LRESULT result = 0;
    fw::Control& control = edit;
    ASSERT_TRUE(control.reflect(WM_CTLCOLOREDIT, reinterpret_cast<WPARAM>(dc), 0, result));
    EXPECT_EQ(GetTextColor(dc), 0x6060E0u);
    EXPECT_EQ(GetBkColor(dc), 0x302010u);
    EXPECT_EQ(reinterpret_cast<HBRUSH>(result), brush);
    // Other reflected messages are not the edit's.
    EXPECT_FALSE(control.reflect(WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc), 0, result));
    DeleteDC(dc);
}

}  // namespace
