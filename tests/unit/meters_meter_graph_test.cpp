#include <gtest/gtest.h>

#include <limits>

#include "common/case_name.h"
#include "meters/meter_graph.h"

namespace {

using meters::HeightScale;
using meters::sampleHeight;

struct HeightCase {
    HeightScale scale;
    double value;
    float height;
};

void PrintTo(const HeightCase& c, std::ostream* os) { *os << c.value << " -> " << c.height; }

// Cases are named by their value: each instantiation holds one scale.
std::string valueName(const testing::TestParamInfo<HeightCase>& info) {
    return testing_names::numberName(info.param.value);
}

class SampleHeight : public testing::TestWithParam<HeightCase> {};

TEST_P(SampleHeight, FollowsItsScale) {
    const HeightCase& c = GetParam();
    EXPECT_NEAR(sampleHeight(c.scale, c.value), c.height, 1e-5f) << c.value;
}

constexpr double NaN = std::numeric_limits<double>::quiet_NaN();

INSTANTIATE_TEST_SUITE_P(Linear, SampleHeight,
                         testing::Values(HeightCase{HeightScale::Linear, 0, 0},
                                         HeightCase{HeightScale::Linear, 100, 40},
                                         HeightCase{HeightScale::Linear, 120, 48},
                                         HeightCase{HeightScale::Linear, -10, -4}),
                         valueName);
INSTANTIATE_TEST_SUITE_P(Clamped, SampleHeight,
                         testing::Values(HeightCase{HeightScale::ClampedLinear, 50, 20},
                                         HeightCase{HeightScale::ClampedLinear, 100, 40},
                                         HeightCase{HeightScale::ClampedLinear, 125, 40}),
                         valueName);
INSTANTIATE_TEST_SUITE_P(
    Logarithmic, SampleHeight,
    testing::Values(HeightCase{HeightScale::Logarithmic, 0, 0}, HeightCase{HeightScale::Logarithmic, 0.005, 0},
                    HeightCase{HeightScale::Logarithmic, 0.01, 0}, HeightCase{HeightScale::Logarithmic, 0.1, 10},
                    HeightCase{HeightScale::Logarithmic, 1, 20}, HeightCase{HeightScale::Logarithmic, 10, 30},
                    HeightCase{HeightScale::Logarithmic, 1000, 50}, HeightCase{HeightScale::Logarithmic, 2000, 50},
                    HeightCase{HeightScale::Logarithmic, NaN, 0}, HeightCase{HeightScale::Logarithmic, -1, 0}),
    valueName);

constexpr draw::RectF cpuRect{6, 258, 60, 54};
constexpr app::Scale plain{1.0f, 1.0f, 100};

// A ring whose slot s holds s + 1, so each point tells which slot it came from.
void fillNumbered(meters::MeterHistory& h) {
    for (int32_t s = 0; s < meters::HISTORY_SLOTS; ++s) h.push(s + 1);
}

int32_t slotOfPoint(const meters::GraphPoint& p) {
    // Linear height: y = 312 - (0.4 (slot + 1) + 1.5)
    return static_cast<int32_t>(std::lround(((312.0f - p.y) - 1.5f) / 0.4f)) - 1;
}

TEST(GraphPoints, RunBackwardsFromTheSampleBeforeNext) {
    meters::MeterHistory h;
    fillNumbered(h);
    struct {
        int32_t next;
        std::array<int32_t, 7> slots;  // of points 0 to 5, and 31
    } cases[] = {{0, {31, 30, 29, 28, 27, 26, 0}}, {5, {4, 3, 2, 1, 0, 31, 5}}};
    for (const auto& c : cases) {
        auto points = meters::graphPoints(h, c.next, cpuRect, plain, HeightScale::Linear);
        for (int k = 0; k < 6; ++k) EXPECT_EQ(slotOfPoint(points[k]), c.slots[k]) << "next " << c.next << " k " << k;
        EXPECT_EQ(slotOfPoint(points[31]), c.slots[6]) << "next " << c.next;
    }
}

TEST(GraphPoints, NewestSitsOneAndAHalfUnitsInsideAndEachOlderTwoFurtherLeft) {
    meters::MeterHistory zeros;
    auto points = meters::graphPoints(zeros, 0, cpuRect, plain, HeightScale::Linear);
    for (int k = 0; k < 32; ++k) {
        EXPECT_FLOAT_EQ(points[k].x, 66.0f - 1.5f - 2.0f * static_cast<float>(k)) << k;
        EXPECT_FLOAT_EQ(points[k].y, 312.0f - 1.5f) << k;  // flat line before the first tick
    }
    // Samples 30 and 31 fall left of a 60-unit panel.
    EXPECT_LT(points[30].x, cpuRect.x);
    EXPECT_GT(points[29].x, cpuRect.x);
}

TEST(GraphPoints, FollowTheScaleAtOneHundredTwentyPercent) {
    app::Scale big{1.0f, 1.0f, 120};
    draw::RectF rect{big.sx(6), big.sy(258), big.sx(60), big.sy(54)};
    EXPECT_NEAR(rect.x, 7.2f, 1e-4f);
    EXPECT_NEAR(rect.y, 309.6f, 1e-3f);
    EXPECT_NEAR(rect.width, 72.0f, 1e-4f);
    EXPECT_NEAR(rect.height, 64.8f, 1e-4f);
    meters::MeterHistory h;
    h.push(100);
    auto points = meters::graphPoints(h, h.nextSlot(), rect, big, HeightScale::Linear);
    EXPECT_NEAR(points[0].x, rect.x + rect.width - 1.8f, 1e-4f);
    EXPECT_NEAR(points[0].y, rect.y + rect.height - 41.5f * 1.2f, 1e-3f);
    EXPECT_NEAR(meters::gridLineY(rect, big, 41), rect.y + rect.height - 49.2f, 1e-3f);
}

TEST(GraphPoints, ClockGraphStepsOnePixelLeftAtAnyScale) {
    app::Scale big{1.5f, 1.5f, 120};
    draw::RectF rect{big.sx(6), big.sy(315), big.sx(60), big.sy(64)};
    meters::MeterHistory h;
    fillNumbered(h);
    auto single = meters::graphPoints(h, 3, rect, big, HeightScale::ClampedLinear);
    auto stepped = meters::steppedGraphPoints(h, 3, rect, big, HeightScale::ClampedLinear);
    for (int k = 0; k < 32; ++k) {
        EXPECT_EQ(stepped[2 * k].x, single[k].x) << k;
        EXPECT_EQ(stepped[2 * k].y, single[k].y) << k;
        EXPECT_EQ(stepped[2 * k + 1].x, single[k].x - 1.0f) << k;
        EXPECT_EQ(stepped[2 * k + 1].y, single[k].y) << k;
    }
}

TEST(GridLines, LevelsCountUpFromTheBottomEdge) {
    EXPECT_FLOAT_EQ(meters::gridLineY(cpuRect, plain, 41), 271.0f);
    EXPECT_FLOAT_EQ(meters::gridLineY(cpuRect, plain, 11), 301.0f);
    EXPECT_FLOAT_EQ(meters::gridLineY(cpuRect, app::Scale{2.0f, 2.0f, 100}, 11), 290.0f);
}

struct FormatCase {
    const char* format;
    double value;
    const wchar_t* text;
};

void PrintTo(const FormatCase& c, std::ostream* os) { *os << c.format << " of " << c.value; }

class Labels : public testing::TestWithParam<FormatCase> {};

TEST_P(Labels, FormatOneFigure) {
    EXPECT_EQ(meters::formatFigure(GetParam().format, GetParam().value), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(Panels, Labels,
                         testing::Values(FormatCase{"CPU:%3.0f%%", 0, L"CPU:  0%"},
                                         FormatCase{"CLK:%3.0f%%", 125, L"CLK:125%"},
                                         FormatCase{"%4.2f GHz", 3.6, L"3.60 GHz"},
                                         FormatCase{"%5.0f MB", 6144, L" 6144 MB"}, FormatCase{"%8.2f", 0, L"    0.00"},
                                         // a figure wider than its field is not cut
                                         FormatCase{"%8.2f", 123456.789, L"123456.79"}),
                         [](const testing::TestParamInfo<FormatCase>& info) {
                             return testing_names::identifier(std::wstring_view(info.param.text));
                         });

}  // namespace
