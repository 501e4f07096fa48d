// ombrel-bench: medians of the costly steps of the running gadget, in process,
// as scripts/bench prints them. Run beside ombrel.exe, with config.txt there.
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <clocale>
#include <cstdio>
#include <functional>
#include <vector>

#include "app/ombrel_app.h"
#include "calendar/config_loader.h"
#include "calendar/month_calendar.h"
#include "dialogs/calendar_dlg.h"
#include "gadget/ombrel_dlg.h"
#include "meters/meters.h"

namespace {

double medianMs(int runs, const std::function<void()>& step) {
    std::vector<double> times;
    times.reserve(static_cast<size_t>(runs));
    for (int i = 0; i < runs; ++i) {
        auto start = std::chrono::steady_clock::now();
        step();
        times.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
    }
    std::nth_element(times.begin(), times.begin() + runs / 2, times.end());
    return times[static_cast<size_t>(runs / 2)];
}

void row(const char* what, int runs, double ms) { std::printf("| %-52s | %9.3f | %5d |\n", what, ms, runs); }

}  // namespace

int main() {
    Gdiplus::GdiplusStartupInput input;
    ULONG_PTR token = 0;
    Gdiplus::GdiplusStartup(&token, &input, nullptr);
    _wsetlocale(LC_ALL, L"Japanese");
    auto silently = [](const std::wstring& message) { std::fwprintf(stderr, L"config.txt: %ls\n", message.c_str()); };
    loadCalendarConfig(silently);

    std::printf("| %-52s | %9s | %5s |\n", "step", "median ms", "runs");
    std::printf("|%s|%s|%s|\n", std::string(54, '-').c_str(), std::string(11, '-').c_str(), std::string(7, '-').c_str());

    struct PaintCase {
        const char* what;
        int32_t size, shadow;
    } paints[] = {{"gadget paint, 100 %, shadow off", 100, 0},
                  {"gadget paint, 100 %, shadow on", 100, 1},
                  {"gadget paint, 120 %, shadow on", 120, 1}};
    for (const PaintCase& p : paints) {
        theApp.sizePercent = p.size;
        theApp.shadow = p.shadow;
        theApp.applyTheme(0);
        COmbrelDlg gadget;
        theApp.mainDialog = &gadget;
        gadget.rebuildBackBuffer(true);
        gadget.mouseInside = true;  // the boxes too
        row(p.what, 200, medianMs(200, [&] { gadget.paintWindow(nullptr); }));
        if (p.size == 100 && p.shadow == 0) {
            // Where the time of a paint goes, piece by piece.
            draw::Graphics& g = *gadget.backGraphics;
            row("  of which the rounded background", 200, medianMs(200, [&] {
                    RoundedCornerWindow::fillRoundedBackground(g, 136, 462, theApp.ThemePalette.frame);
                }));
            row("  of which the eight panels", 200, medianMs(200, [&] { gadget.paintPanels(g); }));
        }
        theApp.mainDialog = nullptr;
    }

    {
        // The browser's paint without its window: background, panel and the year.
        theApp.sizePercent = 100;
        theApp.shadow = 0;
        CCalendarDlg browser;
        browser.browseYear = 2026;
        GImageEx image;
        image.create(433, -558, 32);
        draw::Graphics g(image.getDC());
        row("calendar browser paint (twelve months)", 50, medianMs(50, [&] {
                RoundedCornerWindow::fillRoundedBackground(g, 433, 558, theApp.ThemePalette.frame);
                draw::SolidBrush panel(theApp.ThemePalette.panel);
                g.fillRectangleI(panel, 6, 46, 421, 506);
                browser.drawYear(g);
            }));
    }

    row("tick, all meters", 50, medianMs(50, [] { meters::sampleMeters(); }));
    row("tick without the processor-clock spin", 50, medianMs(50, [] {
            meters::Cpu.update();
            meters::Disk.update();
            meters::Memory.update();
            meters::Network.update();
        }));

    row("loading the shipped config.txt", 50, medianMs(50, [&] {
            theApp.eraNames.clear();
            theApp.specialDays.clear();
            loadCalendarConfig(silently);
        }));
    row("computeHolidays, every month 1900-2100", 10, medianMs(10, [] {
            calendar::MonthCalendar month;
            for (int32_t year = 1900; year <= 2100; ++year)
                for (int32_t m = 1; m <= 12; ++m) {
                    calendar::setMonth(month, year, m);
                    calendar::computeHolidays(month, theApp.specialDays);
                }
        }));

    Gdiplus::GdiplusShutdown(token);
    return 0;
}
