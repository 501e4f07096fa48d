// ombrel-bench: medians of the costly steps of the running gadget, in process,
// as scripts/bench prints them. Run beside ombrel.exe, with config.txt there.
// ws2ipdef.h must come before iphlpapi.h, or the interface table types are missing.
#include <winsock2.h>
#include <ws2ipdef.h>
#include <iphlpapi.h>
#include <windows.h>
#include <pdh.h>

#include <algorithm>
#include <chrono>
#include <clocale>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "app/now.h"
#include "app/ombrel_app.h"
#include "calendar/config_loader.h"
#include "framework/gdiplus_session.h"
#include "calendar/month_calendar.h"
#include "dialogs/calendar_dlg.h"
#include "gadget/ombrel_dlg.h"
#include "meters/meters.h"
#include "process_probe.h"

namespace {

// The medians of several steps timed in turns, so that the load of a shared
// machine weighs on each of them alike and their ratios hold.
std::vector<double> medianMsInTurns(int runs, const std::vector<std::function<void()>>& steps) {
    std::vector<std::vector<double>> times(steps.size());
    for (int i = 0; i < runs; ++i)
        for (size_t k = 0; k < steps.size(); ++k) {
            auto start = std::chrono::steady_clock::now();
            steps[k]();
            times[k].push_back(
                std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
        }
    std::vector<double> medians;
    for (std::vector<double>& t : times) {
        std::nth_element(t.begin(), t.begin() + runs / 2, t.end());
        medians.push_back(t[static_cast<size_t>(runs / 2)]);
    }
    return medians;
}

double medianMs(int runs, const std::function<void()>& step) { return medianMsInTurns(runs, {step})[0]; }

void row(const char* what, int runs, double ms) { std::printf("| %-58s | %9.3f | %5d |\n", what, ms, runs); }
void ratio(const char* what, double value) { std::printf("| %-58s | %9.3f | %5s |\n", what, value, "-"); }
void kib(const char* what, long long value) { std::printf("| %-58s | %9lld | %5s |\n", what, value, "-"); }

long long privateKb() { return probe::sampleProcess(GetCurrentProcessId()).privateKb; }

}  // namespace

int main() {
    fw::GdiplusSession gdiplus;
    _wsetlocale(LC_ALL, L"Japanese");
    auto silently = [](const std::wstring& message) { std::fwprintf(stderr, L"config.txt: %ls\n", message.c_str()); };
    loadCalendarConfig(silently);

    std::printf("| %-58s | %9s | %5s |\n", "step", "median ms", "runs");
    std::printf("|%s|%s|%s|\n", std::string(60, '-').c_str(), std::string(11, '-').c_str(),
                std::string(7, '-').c_str());

    // The gadget: every layer drawn whole, against a copy of the kept base with
    // only the moving layer drawn over it, and the first paint after a change,
    // which draws the base again.
    struct PaintCase {
        const char* what;
        int32_t size, shadow;
    } paints[] = {{"100 %, shadow off", 100, 0}, {"100 %, shadow on", 100, 1}, {"120 %, shadow on", 120, 1}};
    for (const PaintCase& p : paints) {
        theApp.sizePercent = p.size;
        theApp.shadow = p.shadow;
        theApp.applyTheme(0);
        COmbrelDlg gadget;
        theApp.mainDialog = &gadget;
        gadget.rebuildBackBuffer(true);
        gadget.mouseInside = true;  // the boxes too
        gadget.paintWindow(nullptr);
        std::vector<double> m =
            medianMsInTurns(200, {[&] { gadget.paintWindowFull(nullptr); }, [&] { gadget.paintWindow(nullptr); },
                                  [&] {
                                      ++gadget.backBufferGeneration;  // as after a size change
                                      gadget.paintWindow(nullptr);
                                  }});
        const double full = m[0], kept = m[1], first = m[2];
        row((std::string("gadget full paint, ") + p.what).c_str(), 200, full);
        row("  paint over the kept base (a tick)", 200, kept);
        row("  first paint after a change (base drawn again)", 200, first);
        ratio("  kept base / full paint (target at most 0.167)", kept / full);
        ratio("  first after a change / full paint (target at most 1.10)", first / full);
        theApp.mainDialog = nullptr;
    }

    {
        // The browser, through an image of its own per paint as its window does.
        theApp.sizePercent = 100;
        theApp.shadow = 0;
        theApp.applyTheme(0);
        CCalendarDlg browser;
        browser.browseYear = 2026;
        dialogs::BrowserLayout l = dialogs::browserLayout(theApp.scale());
        auto throughImage = [&](auto paint) {
            GImageEx image;
            image.create(l.width, -l.height, 32);
            draw::Graphics g(image.dc());
            paint(g, image);
        };
        throughImage([&](draw::Graphics& g, GImageEx& image) { browser.paintBrowser(g, image, l.width, l.height); });
        const calendar::SpecialDay* holiday = nullptr;
        for (const calendar::SpecialDay* cell : browser.cellHolidays)
            if (cell) holiday = cell;
        int moves = 0;
        std::vector<double> m =
            medianMsInTurns(50, {[&] {
                                     throughImage([&](draw::Graphics& g, GImageEx& image) {
                                         browser.paintLayers(g, image, l.width, l.height, draw::Layers::All,
                                                             calendar::localToday(app::now()));
                                     });
                                 },
                                 [&] {
                                     // The pointer moves from a holiday to a plain day and back.
                                     browser.hoveredHoliday = ++moves % 2 ? holiday : nullptr;
                                     throughImage([&](draw::Graphics& g, GImageEx& image) {
                                         browser.paintBrowser(g, image, l.width, l.height);
                                     });
                                 }});
        const double full = m[0], hover = m[1];
        row("calendar browser full paint (twelve months)", 50, full);
        row("  hover repaint over the kept base", 50, hover);
        ratio("  hover / full paint (target at most 0.100)", hover / full);
    }

    // Private memory that the kept bases add, in this process.
    for (int32_t size : {100, 120}) {
        theApp.sizePercent = size;
        COmbrelDlg gadget;
        theApp.mainDialog = &gadget;
        gadget.rebuildBackBuffer(true);
        gadget.paintWindowFull(nullptr);
        long long withoutBase = privateKb();
        gadget.paintWindow(nullptr);
        long long gadgetBase = privateKb() - withoutBase;
        CCalendarDlg browser;
        dialogs::BrowserLayout l = dialogs::browserLayout(theApp.scale());
        GImageEx image;
        image.create(l.width, -l.height, 32);
        draw::Graphics g(image.dc());
        browser.paintLayers(g, image, l.width, l.height, draw::Layers::All, calendar::localToday(app::now()));
        long long withoutBrowserBase = privateKb();
        browser.paintBrowser(g, image, l.width, l.height);
        long long browserBase = privateKb() - withoutBrowserBase;
        std::string at = " at " + std::to_string(size) + " %";
        kib(("KiB added by the gadget's base" + at + " (target 512)").c_str(), gadgetBase);
        kib(("KiB added by both bases" + at + ", browser open (target 1536)").c_str(), gadgetBase + browserBase);
        theApp.mainDialog = nullptr;
    }

    // Where a tick's time goes.
    row("tick, all meters", 50, medianMs(50, [] { meters::sampleMeters(); }));
    row("  processor meter (counter and system times)", 50, medianMs(50, [] { meters::Cpu.update(); }));
    row("  disk meter (counter)", 50, medianMs(50, [] { meters::Disk.update(); }));
    row("  processor clock (the spin)", 50, medianMs(50, [] { meters::CpuClock.update(); }));
    row("  memory status", 50, medianMs(50, [] { meters::Memory.update(); }));
    row("  interface table and rates", 50, medianMs(50, [] { meters::Network.update(); }));
    {
        PDH_HQUERY query = nullptr;
        PDH_HCOUNTER counter = nullptr;
        PdhOpenQueryW(nullptr, 0, &query);
        PdhAddEnglishCounterW(query, L"\\Processor(_Total)\\% Processor Time", 0, &counter);
        row("    of which one counter collection (PdhCollectQueryData)", 50,
            medianMs(50, [&] { PdhCollectQueryData(query); }));
        PdhCloseQuery(query);
    }
    row("    of which the system times (GetSystemTimes)", 50, medianMs(50, [] {
            FILETIME idle, kernel, user;
            GetSystemTimes(&idle, &kernel, &user);
        }));
    row("    of which the interface table (GetIfTable2)", 50, medianMs(50, [] {
            MIB_IF_TABLE2* table = nullptr;
            if (GetIfTable2(&table) == NO_ERROR) FreeMibTable(table);
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

    return 0;
}
