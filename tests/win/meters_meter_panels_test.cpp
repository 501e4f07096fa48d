// The six meter panels drawn for real through GDI+ into an image: grid, edges,
// graph and labels where the scale puts them.
#include <gtest/gtest.h>

#include <cmath>
#include <optional>

#include "common/case_name.h"
#include "gadget/gadget_layout.h"
#include "meters/meter_panels.h"
#include "meters/meters.h"
#include "support/app_scope.h"
#include "support/test_image.h"

namespace {

// Colours that tell every element apart.
// The image starts black, so the panel colour is not black.
constexpr uint32_t PANEL = 0x000010, TEXT = 0xFF0000, GREEN = 0x00FF00, BLUE = 0x0000FF, GRID = 0x404040,
                   GRID_TOP = 0x808080, BORDER = 0xFFFF00;

class MeterPanels : public testing::Test {
protected:
    explicit MeterPanels(float dpi = 1.0f, int32_t sizePercent = 100) : settings_(dpi, sizePercent) {
        app::ThemePalette& p = theApp.ThemePalette;
        p.panel = 0xFF000000 | PANEL;
        p.text = 0xFF000000 | TEXT;
        p.green = 0xFF000000 | GREEN;
        p.blue = 0xFF000000 | BLUE;
        p.grid = 0xFF000000 | GRID;
        p.gridTop = 0xFF000000 | GRID_TOP;
        p.border = 0xFF000000 | BORDER;
        app::WindowSize size = app::gadgetWindowSize(theApp.scale());
        canvas_.emplace(size.width, size.height);
        canvas_->graphics->setSmoothingMode(Gdiplus::SmoothingModeAntiAlias);  // as the window leaves it
        rects_ = gadget::panelRects(theApp.scale());
    }

    void fill(meters::MeterHistory& h, double value) {
        for (int i = 0; i < meters::HISTORY_SLOTS; ++i) h.push(value);
    }
    void fillRates(double rx, double tx) {
        for (int32_t s = 0; s < meters::HISTORY_SLOTS; ++s) {
            meters::Network.rx.write(s, rx);
            meters::Network.tx.write(s, tx);
        }
    }
    void paintAll() {
        draw::Graphics& g = *canvas_->graphics;
        paintCpuPanel(g, rects_[gadget::CpuPanel]);
        paintDiskPanel(g, rects_[gadget::DiskPanel]);
        paintClockPanel(g, rects_[gadget::CpuClockPanel]);
        paintMemoryPanel(g, rects_[gadget::MemoryPanel]);
        paintRxPanel(g, rects_[gadget::RxPanel]);
        paintTxPanel(g, rects_[gadget::TxPanel]);
    }
    const draw::RectF& rect(gadget::Panel p) const { return rects_[p]; }
    uint32_t rgb(int x, int y) const { return canvas_->rgb(x, y); }
    // The first row from the top, within the panel, where column x has `colour`.
    std::optional<int> topmost(gadget::Panel p, int x, uint32_t colour) const {
        const draw::RectF& r = rect(p);
        for (int y = static_cast<int>(r.y); y < static_cast<int>(r.y + r.height); ++y)
            if (rgb(x, y) == colour) return y;
        return std::nullopt;
    }
    int bottom(gadget::Panel p) const { return static_cast<int>(std::lround(rect(p).y + rect(p).height)); }
    int right(gadget::Panel p) const { return static_cast<int>(std::lround(rect(p).x + rect(p).width)); }

private:
    wintest::AppScope settings_;
    std::optional<wintest::TestImage> canvas_;
    std::array<draw::RectF, gadget::PANEL_COUNT> rects_{};
};

// A line at y covers the pixel row above or below it; Wine draws shapes without anti-aliasing.
#define EXPECT_ROW_NEAR(row, y) EXPECT_LE(std::abs(static_cast<double>(row) - (y)), 1.0)

TEST_F(MeterPanels, GridLinesSitAtTheirLevelsTopOneInItsOwnColour) {
    fill(meters::Cpu.history, 0);
    paintAll();
    int x = static_cast<int>(rect(gadget::CpuPanel).x) + 30;
    int b = bottom(gadget::CpuPanel);  // 312
    EXPECT_ROW_NEAR(*topmost(gadget::CpuPanel, x, GRID_TOP), b - 41);
    std::optional<int> grid = topmost(gadget::CpuPanel, x, GRID);
    ASSERT_TRUE(grid);
    EXPECT_ROW_NEAR(*grid, b - 31);
    for (int level : {21, 11}) {
        bool found = false;
        for (int y = b - level - 1; y <= b - level; ++y) found |= rgb(x, y) == GRID;
        EXPECT_TRUE(found) << "level " << level;
    }
    // The rate panels have a fifth line, at 1000 Mbps.
    int rx = static_cast<int>(rect(gadget::RxPanel).x) + 30;
    EXPECT_ROW_NEAR(*topmost(gadget::RxPanel, rx, GRID_TOP), bottom(gadget::RxPanel) - 51);
}

TEST_F(MeterPanels, EdgesRunAlongTheBottomAndRight) {
    // Graphs at half height, away from the edges.
    fill(meters::Cpu.history, 50);
    fill(meters::Memory.history, 50);
    fillRates(1, 1);
    paintAll();
    for (gadget::Panel p : {gadget::CpuPanel, gadget::MemoryPanel, gadget::TxPanel}) {
        int b = bottom(p), r = right(p);
        int midX = static_cast<int>(rect(p).x + rect(p).width / 2);
        int midY = static_cast<int>(rect(p).y + rect(p).height / 2);
        EXPECT_EQ(rgb(midX, b - 1), BORDER) << p;
        EXPECT_EQ(rgb(r - 1, midY), BORDER) << p;
        // Cut at the panel's edge: nothing of it outside.
        EXPECT_NE(rgb(midX, b), BORDER) << p;
        EXPECT_NE(rgb(r, midY), BORDER) << p;
    }
}

TEST_F(MeterPanels, BeforeTheFirstTickEveryGraphIsFlatOneAndAHalfAboveTheFloor) {
    fill(meters::Cpu.history, 0);
    fill(meters::Disk.history, 0);
    fill(meters::CpuClock.history, 0);
    fill(meters::Memory.history, 0);
    fillRates(0, 0);
    paintAll();
    struct {
        gadget::Panel panel;
        uint32_t colour;
    } graphs[] = {{gadget::CpuPanel, GREEN},    {gadget::DiskPanel, GREEN}, {gadget::CpuClockPanel, GREEN},
                  {gadget::MemoryPanel, GREEN}, {gadget::RxPanel, BLUE},    {gadget::TxPanel, BLUE}};
    for (const auto& g : graphs) {
        for (int dx : {5, 20, 40, 55}) {
            int x = static_cast<int>(rect(g.panel).x) + dx;
            std::optional<int> row = topmost(g.panel, x, g.colour);
            ASSERT_TRUE(row) << g.panel << " x " << x;
            EXPECT_ROW_NEAR(*row, bottom(g.panel) - 1.5) << g.panel << " x " << x;
        }
    }
}

TEST_F(MeterPanels, ClockSampleAboveTheRatedClockDrawsAtTheFullLevelButCpuIsNotClamped) {
    fill(meters::CpuClock.history, 125);
    fill(meters::Cpu.history, 120);
    paintAll();
    int clk = static_cast<int>(rect(gadget::CpuClockPanel).x) + 30;
    EXPECT_ROW_NEAR(*topmost(gadget::CpuClockPanel, clk, GREEN), bottom(gadget::CpuClockPanel) - 41.5);
    int cpu = static_cast<int>(rect(gadget::CpuPanel).x) + 30;
    EXPECT_ROW_NEAR(*topmost(gadget::CpuPanel, cpu, GREEN), bottom(gadget::CpuPanel) - 49.5);
}

TEST_F(MeterPanels, NetworkRatesDrawOnTheLogarithmicScale) {
    struct {
        double rate;
        double height;  // above the bottom edge
    } cases[] = {{0.005, 1.5}, {1, 21.5}, {2000, 51.5}};
    for (const auto& c : cases) {
        // Transmit holds the floor value so that each panel is seen to read its own ring.
        fillRates(c.rate, 0.001);
        paintAll();
        int x = static_cast<int>(rect(gadget::RxPanel).x) + 30;
        EXPECT_ROW_NEAR(*topmost(gadget::RxPanel, x, BLUE), bottom(gadget::RxPanel) - c.height) << c.rate;
        int tx = static_cast<int>(rect(gadget::TxPanel).x) + 30;
        EXPECT_ROW_NEAR(*topmost(gadget::TxPanel, tx, BLUE), bottom(gadget::TxPanel) - 1.5) << c.rate;
    }
}

TEST_F(MeterPanels, LabelsAreWrittenInTheTextColourAtTheTop) {
    fill(meters::Cpu.history, 0);
    paintAll();
    for (gadget::Panel p : {gadget::CpuPanel, gadget::DiskPanel, gadget::CpuClockPanel, gadget::MemoryPanel,
                            gadget::RxPanel, gadget::TxPanel}) {
        int text = 0;
        const draw::RectF& r = rect(p);
        for (int y = static_cast<int>(r.y); y < static_cast<int>(r.y) + 11; ++y)
            for (int x = static_cast<int>(r.x); x < static_cast<int>(r.x + r.width); ++x)
                text += (rgb(x, y) >> 16) > 0x80 && ((rgb(x, y) >> 8) & 0xFF) < 0x20;
        EXPECT_GT(text, 20) << p;
    }
}

// At twice the DPI and at 120 %: the CPU panel fills its scaled rectangle, and
// the newest sample's spike tops out 41.5 units above the bottom, 1.5 units in.
struct ScaledCase {
    const char* what;
    float dpi;
    int32_t percent;
    // Pixels just inside the panel's corners, and just left of and above it.
    int insideX, insideY, farInsideX, farInsideY, leftX, aboveY;
    double spikeTop, spikeX;
};

void PrintTo(const ScaledCase& c, std::ostream* os) { *os << c.what; }

class ScaledMeterPanels : public MeterPanels, public testing::WithParamInterface<ScaledCase> {
protected:
    ScaledMeterPanels() : MeterPanels(GetParam().dpi, GetParam().percent) {}
};

TEST_P(ScaledMeterPanels, CpuPanelFillsItsRectangleAndItsNewestSampleSitsAtTheRightEdge) {
    const ScaledCase& c = GetParam();
    meters::MeterHistory& h = meters::Cpu.history;
    fill(h, 0);
    h.push(100);
    paintAll();
    EXPECT_EQ(rgb(c.insideX, c.insideY), PANEL);
    EXPECT_EQ(rgb(c.farInsideX, c.farInsideY), PANEL);
    EXPECT_NE(rgb(c.leftX, c.farInsideY - 40), PANEL);
    EXPECT_NE(rgb(c.farInsideX - 30, c.aboveY), PANEL);
    int topRow = 1000, topX = 0;
    const int r = right(gadget::CpuPanel);
    for (int x = r - 10; x < r; ++x) {
        std::optional<int> row = topmost(gadget::CpuPanel, x, GREEN);
        if (row && *row < topRow) topRow = *row, topX = x;
    }
    EXPECT_ROW_NEAR(topRow, c.spikeTop);
    EXPECT_LE(std::abs(topX - c.spikeX), 1.0);
}

INSTANTIATE_TEST_SUITE_P(Scales, ScaledMeterPanels,
                         testing::Values(
                             // (12, 516, 120, 108): the spike at 624 - 83, 132 - 3.
                             ScaledCase{"dpi192", 2.0f, 100, 13, 518, 121, 615, 11, 515, 541.0, 129.0},
                             // (7.2, 309.6, 72, 64.8): the spike at 374.4 - 49.8, 79.2 - 1.8.
                             ScaledCase{"size120", 1.0f, 120, 8, 311, 76, 371, 6, 308, 324.6, 77.4}),
                         testing_names::ByWhat());

}  // namespace
