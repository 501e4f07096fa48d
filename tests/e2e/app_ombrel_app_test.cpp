// Start-up as a user meets it: where the window appears, what its corners show,
// and what a second start does.
#include <gtest/gtest.h>

#include <vector>

#include "support/gadget_process.h"
#include "support/screen.h"

namespace e2e {
namespace {

TEST(Startup, FirstRunSitsAtTheTopRightOfTheWorkArea) {
    GadgetProcess gadget;
    ASSERT_TRUE(gadget.start());
    RECT r = gadget.windowRect();
    RECT work = workArea();
    EXPECT_EQ(r.right - r.left, 136);
    EXPECT_EQ(r.bottom - r.top, 462);
    EXPECT_EQ(r.right, work.right);
    EXPECT_EQ(r.top, work.top);
}

TEST(Startup, CornersShowTheDesktopBehind) {
    RECT work = workArea();
    RECT area{work.right - 136, work.top, work.right, work.top + 462};
    ScreenShot before(area);
    GadgetProcess gadget;
    ASSERT_TRUE(gadget.start());
    ScreenShot after(area);
    const POINT corners[] = {{area.left, area.top},
                             {area.right - 1, area.top},
                             {area.left, area.bottom - 1},
                             {area.right - 1, area.bottom - 1}};
    for (POINT p : corners) {
        EXPECT_NE(after.pixel(p.x, p.y), 0x000001u) << p.x << "," << p.y;
        EXPECT_EQ(after.pixel(p.x, p.y), before.pixel(p.x, p.y)) << p.x << "," << p.y;
    }
    // The middle of the window is the gadget's own.
    int cx = (area.left + area.right) / 2, cy = (area.top + area.bottom) / 2;
    EXPECT_NE(after.pixel(cx, cy), before.pixel(cx, cy));
}

TEST(Startup, TheGadgetRunsAtHighPriority) {
    GadgetProcess gadget;
    ASSERT_TRUE(gadget.start());
    HANDLE process = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, gadget.processId());
    ASSERT_NE(process, nullptr);
    EXPECT_EQ(GetPriorityClass(process), static_cast<DWORD>(HIGH_PRIORITY_CLASS));
    CloseHandle(process);
}

TEST(Startup, SecondCopyEndsAtOnceWithoutAWindow) {
    GadgetProcess gadget;
    ASSERT_TRUE(gadget.start());
    HANDLE second = gadget.startAnother();
    ASSERT_NE(second, nullptr);
    EXPECT_EQ(WaitForSingleObject(second, 5000), WAIT_OBJECT_0);
    DWORD secondId = GetProcessId(second);
    EXPECT_EQ(countTopLevelWindows(secondId), 0);
    CloseHandle(second);
    EXPECT_TRUE(gadget.running());
    EXPECT_TRUE(IsWindow(gadget.window()));
}

// A start-up shortcut and a double click at sign-in, or two quick double clicks:
// copies that start together, before any of them has a window.
TEST(Startup, ThreeCopiesStartedAtOnceLeaveOneGadget) {
    GadgetProcess gadget;
    for (int round = 0; round < 5; ++round) {
        std::vector<PROCESS_INFORMATION> copies;
        for (int i = 0; i < 3; ++i) copies.push_back(gadget.startSuspended());
        for (const PROCESS_INFORMATION& copy : copies) ASSERT_NE(copy.hProcess, nullptr);
        for (const PROCESS_INFORMATION& copy : copies) ResumeThread(copy.hThread);

        auto stillRunning = [&] {
            int n = 0;
            for (const PROCESS_INFORMATION& copy : copies) n += WaitForSingleObject(copy.hProcess, 0) == WAIT_TIMEOUT;
            return n;
        };
        HWND window = nullptr;
        EXPECT_TRUE(waitUntil(
            [&] { return stillRunning() == 1 && (window = FindWindowW(nullptr, L"OmbrelMainWindow3")) != nullptr; },
            10000))
            << "round " << round << ": " << stillRunning() << " copies running";
        // A copy that lost the race would have shown its window by now.
        Sleep(500);
        EXPECT_EQ(countGadgetWindows(), 1) << "round " << round;
        for (const PROCESS_INFORMATION& copy : copies) {
            DWORD code = 0;
            GetExitCodeProcess(copy.hProcess, &code);
            if (code != STILL_ACTIVE) {
                EXPECT_EQ(code, 0u) << "round " << round;
            }
        }

        if (window) SendMessageTimeoutW(window, WM_ENDSESSION, TRUE, 0, SMTO_ABORTIFHUNG, 2000, nullptr);
        for (const PROCESS_INFORMATION& copy : copies) {
            if (WaitForSingleObject(copy.hProcess, 5000) != WAIT_OBJECT_0) {
                ADD_FAILURE() << "round " << round << ": a copy did not end";
                TerminateProcess(copy.hProcess, 1);
                WaitForSingleObject(copy.hProcess, 3000);
            }
            CloseHandle(copy.hThread);
            CloseHandle(copy.hProcess);
        }
    }
}

}  // namespace
}  // namespace e2e
