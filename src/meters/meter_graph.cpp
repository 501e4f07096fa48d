#include "meters/meter_graph.h"

#include <cmath>
#include <cstdio>

namespace meters {

float sampleHeight(HeightScale scale, double value) {
    switch (scale) {
        case HeightScale::Linear: return static_cast<float>(value) * 0.4f;
        case HeightScale::ClampedLinear: {
            float h = static_cast<float>(value) * 0.4f;
            return h < 40.0f ? h : 40.0f;
        }
        case HeightScale::Logarithmic: {
            float t = static_cast<float>(std::log10(value * 100.0)) * 10.0f;
            // Written so that NaN (a negative sample) and minus infinity (zero) land on the floor.
            float h = t > 0.0f ? t : 0.0f;
            return h < 50.0f ? h : 50.0f;
        }
    }
    return 0;
}

float gridLineY(const draw::RectF& rect, const app::Scale& s, float level) {
    return rect.y + rect.height - s.sy(level);
}

std::array<GraphPoint, HISTORY_SLOTS> graphPoints(const SampleRing& ring, int32_t next, const draw::RectF& rect,
                                                  const app::Scale& s, HeightScale scale) {
    std::array<GraphPoint, HISTORY_SLOTS> points{};
    float right = rect.x + rect.width, bottom = rect.y + rect.height;
    for (int32_t k = 0; k < HISTORY_SLOTS; ++k) {
        int32_t slot = ((next - 1 - k) % HISTORY_SLOTS + HISTORY_SLOTS) % HISTORY_SLOTS;
        float h = sampleHeight(scale, ring.sample(slot));
        points[k] = {right - s.sx(2.0f * static_cast<float>(k) + 1.5f), bottom - s.sy(h + 1.5f)};
    }
    return points;
}

std::array<GraphPoint, 2 * HISTORY_SLOTS> steppedGraphPoints(const SampleRing& ring, int32_t next,
                                                             const draw::RectF& rect, const app::Scale& s,
                                                             HeightScale scale) {
    std::array<GraphPoint, 2 * HISTORY_SLOTS> points{};
    std::array<GraphPoint, HISTORY_SLOTS> single = graphPoints(ring, next, rect, s, scale);
    for (size_t k = 0; k < single.size(); ++k) {
        points[2 * k] = single[k];
        points[2 * k + 1] = {single[k].x - 1.0f, single[k].y};
    }
    return points;
}

std::wstring formatFigure(const char* format, double value) {
    char text[64];
    int length = std::snprintf(text, sizeof text, format, value);
    if (length < 0) return {};
    if (length >= static_cast<int>(sizeof text)) length = sizeof text - 1;
    return std::wstring(text, text + length);
}

}  // namespace meters
