// A paint over the kept base must give exactly the pixels of the full paint, in
// every state the gadget and the browser can be in, including the ones reached
// by a change after the base was drawn (a new day, a stepped month, a theme
// picked in the popup). Any input missing from a base's key shows up here as a
// stale base.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "dialogs/calendar_dlg.h"
#include "gadget/ombrel_dlg.h"
#include "meters/meters.h"
#include "support/app_scope.h"
#include "support/panels_fixtures.h"
#include "support/probe_menu.h"
#include "unit/calendar_records_fixture.h"

namespace {

using namespace calendar_fixture;
using wintest::FixedNow;
using wintest::localTime;

// May 2024 has holidays on Wednesday 1, Saturday 4 and Sunday 5 (columns 3, 6
// and 0), a substitute on Monday 6, a special day and a rest day; 2019 changes era in May.
std::vector<SpecialDay> fixtureDays() {
    std::vector<SpecialDay> days = {fixed(5, 1),           fixed(5, 4), fixed(5, 5),   nth(5, 2, 0, Special),
                                    fixed(5, 18, RestDay), fixed(1, 1), fixed(12, 31), substitute()};
    const wchar_t* names[] = {L"憲法", L"みどりの日", L"こどもの日", L"母", L"休", L"元日", L"大晦日", L"振替休日"};
    for (size_t i = 0; i < days.size(); ++i) days[i].name = names[i];
    return days;
}

// The calendar records, the registry key and the meters of one test.
class BasePaint {
protected:
    BasePaint() {
        app_.setSpecialDays(fixtureDays())
            .setEraNames({era(L"平成", 1989, 1, 2019, 4), era(L"令和", 2019, 5, 9999, 12)})
            .setRegistryKey(L"OmbrelBasePaintTest");
        // Graphs that climb to the top of every panel, and figures of all widths.
        for (int i = 0; i < meters::HISTORY_SLOTS; ++i) {
            meters::Cpu.history.push(i * 100.0 / 31);
            meters::Disk.history.push(i % 2 ? 130.0 : 0.0);
            meters::CpuClock.history.push(140.0 - i * 4);
            meters::Memory.history.push(60 + i);
            meters::Network.rx.write(i, i % 3 ? 5000.0 : 0.004);
            meters::Network.tx.write(i, 0.5 * i);
        }
        meters::Memory.usedBytes = 12345.0 * 1048576;
        meters::CpuClock.currentGHz = 3.21;
    }
    ~BasePaint() { RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\OmbrelBasePaintTest"); }

private:
    wintest::AppScope app_;
};

std::vector<uint32_t> pixelsOf(const GImageEx& image) {
    GdiFlush();
    return std::vector<uint32_t>(image.pixels(), image.pixels() + image.width() * image.height());
}

// The first differing pixel and how many differ, for the failure message.
testing::AssertionResult samePixels(const std::vector<uint32_t>& kept, const std::vector<uint32_t>& full, int width) {
    if (kept.size() != full.size()) return testing::AssertionFailure() << "sizes differ";
    size_t count = 0, first = 0;
    for (size_t i = 0; i < kept.size(); ++i)
        if (kept[i] != full[i] && count++ == 0) first = i;
    if (count == 0) return testing::AssertionSuccess();
    return testing::AssertionFailure() << count << " pixels differ, the first at (" << first % width << ", "
                                       << first / width << "): " << std::hex << kept[first] << " against "
                                       << full[first];
}

// ---- the gadget ----

struct GadgetState {
    std::string name;
    float dpi = 1.0f;
    int32_t size = 100, theme = 0, shadow = 0;
    bool mouseInside = false;
    std::time_t now = localTime(2024, 5, 15, 10, 8, 42);  // a Wednesday
    // Set before the first paint, which draws the base.
    std::function<void(COmbrelDlg&)> before;
    // Made after the first paint; the second paint goes over the base as it then is.
    std::function<void(COmbrelDlg&, FixedNow&)> change;
};

void PrintTo(const GadgetState& state, std::ostream* out) { *out << state.name; }

std::vector<GadgetState> gadgetStates() {
    std::vector<GadgetState> states;
    // Every appearance, with the mouse in and out by turns.
    int turn = 0;
    for (float dpi : {1.0f, 1.5f})
        for (int32_t size : {80, 100, 120})
            for (int32_t theme = 0; theme < app::THEME_COUNT; ++theme)
                for (int32_t shadow : {0, 1}) {
                    GadgetState s;
                    s.name = "theme" + std::to_string(theme) + (shadow ? "_shadow_" : "_") + std::to_string(size) +
                             "pc_" + std::to_string(int(dpi * 96)) + "dpi";
                    s.dpi = dpi;
                    s.size = size;
                    s.theme = theme;
                    s.shadow = shadow;
                    s.mouseInside = turn++ % 2;
                    states.push_back(s);
                }

    auto add = [&](std::string name, std::function<void(COmbrelDlg&)> before,
                   std::function<void(COmbrelDlg&, FixedNow&)> change = nullptr) {
        GadgetState s;
        s.name = std::move(name);
        s.shadow = 1;
        s.mouseInside = true;
        s.before = std::move(before);
        s.change = std::move(change);
        states.push_back(s);
    };
    auto nothing = [](COmbrelDlg&) {};
    auto hover = [](bool COmbrelDlg::*flag) { return [flag](COmbrelDlg& g, FixedNow&) { g.*flag = true; }; };
    add("close_box_hovered", nothing, hover(&COmbrelDlg::closeHover));
    add("move_box_hovered", nothing, hover(&COmbrelDlg::moveHover));
    add("previous_month_hovered", nothing, hover(&COmbrelDlg::prevHover));
    add("next_month_hovered", nothing, hover(&COmbrelDlg::nextHover));
    add(
        "next_month_left", [](COmbrelDlg& g) { g.nextHover = true; },
        [](COmbrelDlg& g, FixedNow&) { g.nextHover = false; });
    add("mouse_left", nothing, [](COmbrelDlg& g, FixedNow&) { g.mouseInside = false; });
    // Labels over the cells of May 2024's holidays: the cell table says where they are.
    for (int column : {0, 3, 6})
        add("holiday_label_column" + std::to_string(column), nothing, [column](COmbrelDlg& g, FixedNow&) {
            for (int row = 0; row < 6; ++row)
                if (const SpecialDay* mark = theApp.calendarCellHolidays[column * 6 + row]) {
                    g.hoverColumn = column;
                    g.hoverRow = row;
                    g.hoveredHoliday = mark;
                }
            ASSERT_NE(g.hoveredHoliday, nullptr) << "no holiday in column " << column;
        });
    add("era_label", nothing, [](COmbrelDlg& g, FixedNow&) { g.titleHover = true; });
    add("era_label_of_a_month_with_two_eras", [](COmbrelDlg& g) {
        g.monthCalendar.followToday = false;
        g.monthCalendar.shownYear = 2019;
        g.monthCalendar.shownMonth = 5;
        g.titleHover = true;
    });
    add(
        "today_on_a_saturday", [](COmbrelDlg&) {},
        [](COmbrelDlg&, FixedNow& now) { now.set(localTime(2024, 5, 11, 9)); });
    add("today_on_a_holiday", nothing, [](COmbrelDlg&, FixedNow& now) { now.set(localTime(2024, 5, 4, 9)); });
    add(
        "across_midnight", [](COmbrelDlg&) {},
        [](COmbrelDlg&, FixedNow& now) { now.set(localTime(2024, 5, 16, 0, 0, 1)); });
    add("across_midnight_into_a_new_month", nothing,
        [](COmbrelDlg&, FixedNow& now) { now.set(localTime(2024, 6, 1, 0, 0, 1)); });
    add("month_stepped_forward", nothing, [](COmbrelDlg& g, FixedNow&) {
        g.monthCalendar.followToday = false;
        ++g.monthCalendar.shownMonth;
    });
    add("month_stepped_back", nothing, [](COmbrelDlg& g, FixedNow&) {
        g.monthCalendar.followToday = false;
        --g.monthCalendar.shownMonth;
    });
    add(
        "back_to_today_by_the_title",
        [](COmbrelDlg& g) {
            g.monthCalendar.followToday = false;
            g.monthCalendar.shownYear = 2023;
            g.monthCalendar.shownMonth = 2;
        },
        [](COmbrelDlg& g, FixedNow&) { g.monthCalendar.followToday = true; });
    add("theme_picked_in_the_popup", nothing, [](COmbrelDlg&, FixedNow&) { wintest::pressMenuItem(3); });
    add("size_picked_in_the_popup", nothing, [](COmbrelDlg&, FixedNow&) { wintest::pressMenuItem(6); });
    add("shadow_switched_in_the_popup", nothing, [](COmbrelDlg&, FixedNow&) { wintest::pressMenuItem(5); });
    add("seconds_later", nothing, [](COmbrelDlg&, FixedNow& now) { now.set(localTime(2024, 5, 15, 10, 9, 13)); });
    return states;
}

class GadgetBasePaint : public BasePaint, public testing::TestWithParam<GadgetState> {};

TEST_P(GadgetBasePaint, GivesThePixelsOfTheFullPaint) {
    const GadgetState& state = GetParam();
    wintest::AppScope settings(state.dpi, state.size, state.theme, state.shadow);
    FixedNow now(state.now);
    COmbrelDlg gadget;
    settings.setMainDialog(&gadget);
    gadget.rebuildBackBuffer(true);
    gadget.mouseInside = state.mouseInside;
    if (state.before) state.before(gadget);

    gadget.paintWindow(nullptr);
    if (state.change) state.change(gadget, now);
    gadget.paintWindow(nullptr);
    gadget.paintWindow(nullptr);  // and once more over a base that is now surely kept
    const std::vector<uint32_t> kept = pixelsOf(gadget.backBuffer);
    const auto keptCells = theApp.calendarCellHolidays;

    gadget.paintWindowFull(nullptr);
    EXPECT_TRUE(samePixels(kept, pixelsOf(gadget.backBuffer), gadget.backBuffer.width()));
    EXPECT_EQ(keptCells, theApp.calendarCellHolidays) << "the hover labels would read a stale cell table";
}

INSTANTIATE_TEST_SUITE_P(States, GadgetBasePaint, testing::ValuesIn(gadgetStates()),
                         [](const testing::TestParamInfo<GadgetState>& info) { return info.param.name; });

// The labels above need holidays in columns 0, 3 and 6 of the cell table.
TEST(GadgetBasePaintFixture, MayHasHolidaysInColumnsZeroThreeAndSix) {
    struct Scope : BasePaint {
    } scope;
    wintest::AppScope settings(1.0f, 100);
    FixedNow now(localTime(2024, 5, 15));
    COmbrelDlg gadget;
    settings.setMainDialog(&gadget);
    gadget.rebuildBackBuffer(true);
    gadget.paintWindow(nullptr);
    const auto& cells = theApp.calendarCellHolidays;
    EXPECT_EQ(cells[3 * 6 + 0], &theApp.specialDays[0]);  // Wednesday 1
    EXPECT_EQ(cells[6 * 6 + 0], &theApp.specialDays[1]);  // Saturday 4
    EXPECT_EQ(cells[0 * 6 + 1], &theApp.specialDays[2]);  // Sunday 5
}

// ---- the calendar browser ----

struct BrowserState {
    std::string name;
    int32_t year = 2024;
    std::time_t now = localTime(2024, 5, 15, 10);
    std::function<void(CCalendarDlg&)> before;
    std::function<void(CCalendarDlg&, FixedNow&)> change;
};

void PrintTo(const BrowserState& state, std::ostream* out) { *out << state.name; }

std::vector<BrowserState> browserStates() {
    std::vector<BrowserState> states;
    auto add = [&](std::string name, std::function<void(CCalendarDlg&)> before,
                   std::function<void(CCalendarDlg&, FixedNow&)> change = nullptr, int32_t year = 2024) {
        BrowserState s;
        s.name = std::move(name);
        s.year = year;
        s.before = std::move(before);
        s.change = std::move(change);
        states.push_back(s);
    };
    auto nothing = [](CCalendarDlg&) {};
    add("still", nothing);
    add("year_stepped_forward", nothing,
        [](CCalendarDlg& b, FixedNow&) { b.browseYear = dialogs::stepYear(b.browseYear, 1); });
    add("year_stepped_back", nothing,
        [](CCalendarDlg& b, FixedNow&) { b.browseYear = dialogs::stepYear(b.browseYear, -1); });
    add("year_typed", nothing, [](CCalendarDlg& b, FixedNow&) { b.browseYear = dialogs::parseYear(L"2019"); });
    // Hover labels at both ends of a row: the first column and the last one that hovers.
    for (int column : {0, dialogs::YEAR_GRID_COLUMNS - 2})
        add("holiday_label_column" + std::to_string(column), nothing, [column](CCalendarDlg& b, FixedNow&) {
            b.hoverColumn = column;
            b.hoverRow = 12;
            b.hoveredHoliday = &theApp.specialDays[0];
        });
    for (int block : {0, 11})
        add(
            "era_label_of_month" + std::to_string(block + 1), nothing,
            [block](CCalendarDlg& b, FixedNow&) {
                b.titleHover = true;
                b.hoverMonthColumn = block % 3;
                b.hoverMonthRow = block / 3;
            },
            2019);
    add("close_mark_hovered", nothing, [](CCalendarDlg& b, FixedNow&) { b.closeHover = true; });
    add("previous_year_mark_hovered", nothing, [](CCalendarDlg& b, FixedNow&) { b.prevHover = true; });
    add("next_year_mark_hovered", nothing, [](CCalendarDlg& b, FixedNow&) { b.nextHover = true; });
    add(
        "mark_left", [](CCalendarDlg& b) { b.nextHover = true; },
        [](CCalendarDlg& b, FixedNow&) { b.nextHover = false; });
    add("today_outside_the_shown_year", nothing, nullptr, 2023);
    add("today_leaves_the_shown_year_at_midnight", nothing,
        [](CCalendarDlg&, FixedNow& now) { now.set(localTime(2025, 1, 1, 0, 0, 1)); });
    add(
        "today_enters_the_shown_year_at_midnight", nothing,
        [](CCalendarDlg&, FixedNow& now) { now.set(localTime(2025, 1, 1, 0, 0, 1)); }, 2025);
    return states;
}

class BrowserBasePaint : public BasePaint, public testing::TestWithParam<BrowserState> {};

TEST_P(BrowserBasePaint, GivesThePixelsOfTheFullPaint) {
    const BrowserState& state = GetParam();
    wintest::AppScope settings(1.0f, 100, 4, 1);
    FixedNow now(state.now);
    const dialogs::BrowserLayout l = dialogs::browserLayout(theApp.scale());
    CCalendarDlg browser;
    browser.closeRect = l.closeRect;
    browser.prevYearRect = l.prevYearRect;
    browser.nextYearRect = l.nextYearRect;
    browser.browseYear = state.year;
    if (state.before) state.before(browser);

    // Each paint through an image of its own, as the window paints.
    auto paintThroughBase = [&] {
        auto image = std::make_unique<wintest::TestImage>(l.width, l.height);
        browser.paintBrowser(*image->graphics, image->image, l.width, l.height);
        return image;
    };
    paintThroughBase();
    if (state.change) state.change(browser, now);
    paintThroughBase();
    const std::vector<uint32_t> kept = pixelsOf(paintThroughBase()->image);
    const auto keptCells = browser.cellHolidays;

    wintest::TestImage full(l.width, l.height);
    browser.paintLayers(*full.graphics, full.image, l.width, l.height, draw::Layers::All,
                        calendar::localToday(app::now()));
    EXPECT_TRUE(samePixels(kept, pixelsOf(full.image), l.width));
    EXPECT_EQ(keptCells, browser.cellHolidays) << "the hover labels would read a stale cell table";
}

INSTANTIATE_TEST_SUITE_P(States, BrowserBasePaint, testing::ValuesIn(browserStates()),
                         [](const testing::TestParamInfo<BrowserState>& info) { return info.param.name; });

}  // namespace
