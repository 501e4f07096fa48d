#include <gtest/gtest.h>

#include "common/case_name.h"
#include "app/placement.h"
#include "app/scale.h"

namespace {

using app::IntRect;
using app::Point;
using app::UNSET_POSITION;

constexpr app::IntRect fullHd{0, 0, 1920, 1080};

struct ClampCase {
    const char* what;
    Point start;
    int32_t width, height;
    app::IntRect work;
    Point expected;
};

void PrintTo(const ClampCase& c, std::ostream* os) { *os << c.what; }

class ClampToArea : public testing::TestWithParam<ClampCase> {};

TEST_P(ClampToArea, KeepsTheWindowInside) {
    const ClampCase& c = GetParam();
    Point p = c.start;
    app::clampToArea(p, c.width, c.height, c.work);
    EXPECT_EQ(p.x, c.expected.x) << c.what;
    EXPECT_EQ(p.y, c.expected.y) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ClampToArea,
    testing::Values(
        ClampCase{"first run goes to the top right", {UNSET_POSITION, UNSET_POSITION}, 136, 462, fullHd, {1784, 0}},
        ClampCase{"only x unset", {UNSET_POSITION, 300}, 136, 462, fullHd, {1784, 0}},
        ClampCase{"only y unset", {200, UNSET_POSITION}, 136, 462, fullHd, {1784, 0}},
        ClampCase{"above and left of the area", {-50, -50}, 136, 462, fullHd, {0, 0}},
        ClampCase{"inside stays", {100, 200}, 136, 462, fullHd, {100, 200}},
        ClampCase{"past the bottom right", {1900, 1000}, 136, 462, fullHd, {1784, 618}},
        ClampCase{"larger than the area: far edges win", {10, 10}, 2000, 1200, fullHd, {-80, -120}},
        ClampCase{"task bar on top", {UNSET_POSITION, UNSET_POSITION}, 136, 462, {0, 40, 1920, 1080}, {1784, 40}},
        ClampCase{"second monitor", {2000, 500}, 136, 462, {1920, 0, 2720, 600}, {2000, 138}},
        ClampCase{"extreme stored values", {INT32_MIN, INT32_MAX - 1}, 136, 462, fullHd, {0, 618}},
        ClampCase{"huge window", {0, 0}, INT32_MAX, INT32_MAX, fullHd, {1920 - INT32_MAX, 1080 - INT32_MAX}}),
    testing_names::ByWhat());

struct SizeCase {
    float dpi;
    int32_t percent;
    int32_t width, height;
};

TEST(GadgetWindowSize, FollowsTheTableOfDpiAndSize) {
    const SizeCase cases[] = {
        {1.0f, 80, 108, 369},   {1.0f, 90, 122, 415},   {1.0f, 100, 136, 462}, {1.0f, 110, 149, 508},
        {1.0f, 120, 163, 554},  {1.25f, 80, 136, 462},  {1.25f, 90, 153, 519}, {1.25f, 100, 170, 577},
        {1.25f, 110, 187, 635}, {1.25f, 120, 204, 693}, {1.5f, 80, 163, 554},  {1.5f, 90, 183, 623},
        {1.5f, 100, 204, 693},  {1.5f, 110, 224, 762},  {1.5f, 120, 244, 831},
    };
    for (const SizeCase& c : cases) {
        app::WindowSize size = app::gadgetWindowSize({c.dpi, c.dpi, c.percent});
        EXPECT_EQ(size.width, c.width) << c.dpi * 96 << " dpi, " << c.percent << " %";
        EXPECT_EQ(size.height, c.height) << c.dpi * 96 << " dpi, " << c.percent << " %";
    }
}

}  // namespace
