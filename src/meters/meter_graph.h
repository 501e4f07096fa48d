#pragma once
// The geometry of a meter graph panel: heights of samples, grid levels and the
// polyline of the 32 newest samples, newest at the right edge.
#include <array>
#include <cstdint>
#include <span>
#include <string>

#include "app/scale.h"
#include "draw/rect_f.h"
#include "meters/meter_history.h"

namespace meters {

// Heights in 96-dpi units above the panel's floor, before the 1.5 of margin.
enum class HeightScale {
    Linear,         // percent: 100 % is 40 units, not clamped
    ClampedLinear,  // percent, at most 100 %
    Logarithmic,    // Mbps: ten units a decade from 0.01 (floor) to 1000 (ceiling)
};
float sampleHeight(HeightScale scale, double value);

// Grid levels, top first; the first is drawn with the top grid pen.
constexpr std::array<float, 4> PERCENT_LEVELS{41, 31, 21, 11};
constexpr std::array<float, 5> RATE_LEVELS{51, 41, 31, 21, 11};

struct GraphPoint {
    float x, y;
};

// The y of the grid line at `level` units above the panel's bottom edge.
float gridLineY(const draw::RectF& rect, const app::Scale& s, float level);

// One point per sample, newest first: sample k sits (2k + 1.5) units left of the
// right edge and its height plus 1.5 above the bottom.
std::array<GraphPoint, HISTORY_SLOTS> graphPoints(const SampleRing& ring, int32_t next, const draw::RectF& rect,
                                                  const app::Scale& s, HeightScale scale);

// Two points per sample, the second one pixel to the left, so each sample draws as
// a short level step (the clock graph).
std::array<GraphPoint, 2 * HISTORY_SLOTS> steppedGraphPoints(const SampleRing& ring, int32_t next,
                                                             const draw::RectF& rect, const app::Scale& s,
                                                             HeightScale scale);

// A printf-style format of one number, as the panels write their labels.
std::wstring formatFigure(const char* format, double value);

}  // namespace meters
