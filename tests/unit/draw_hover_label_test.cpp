#include <gtest/gtest.h>

#include "draw/hover_label.h"

namespace {

// The gadget's and the browser's hover labels: 12 units a character plus 5,
// whatever the text measures.
TEST(HoverLabel, WidthFollowsTheNumberOfCharacters) {
    struct Case {
        app::Scale scale;
        size_t characters;
        float width;
    } cases[] = {
        {{1, 1, 100}, 2, 29.0f},        // a two-character holiday name
        {{1, 1, 100}, 4, 53.0f},        // an era with its year
        {{1.5f, 1.5f, 120}, 2, 52.2f},  // 144 dpi at 120 %
        {{1, 1, 100}, 0, 5.0f},
    };
    for (const Case& c : cases)
        EXPECT_FLOAT_EQ(draw::labelWidth(c.scale, c.characters), c.width)
            << c.characters << " characters at " << c.scale.dpiX << " and " << c.scale.sizePercent << " %";
}

}  // namespace
