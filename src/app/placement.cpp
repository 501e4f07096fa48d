#include "app/placement.h"

namespace app {

namespace {
// work.right - width without signed overflow for any stored size.
int32_t farEdge(int32_t edge, int32_t length) {
    int64_t v = static_cast<int64_t>(edge) - length;
    if (v < INT32_MIN) return INT32_MIN;
    if (v > INT32_MAX) return INT32_MAX;
    return static_cast<int32_t>(v);
}
}  // namespace

void clampToArea(Point& p, int32_t width, int32_t height, const app::IntRect& work) {
    if (p.x == UNSET_POSITION || p.y == UNSET_POSITION) {
        p.x = farEdge(work.right, width);
        p.y = work.top;
        return;
    }
    if (p.x < work.left) p.x = work.left;
    if (p.y < work.top) p.y = work.top;
    if (p.x > farEdge(work.right, width)) p.x = farEdge(work.right, width);
    if (p.y > farEdge(work.bottom, height)) p.y = farEdge(work.bottom, height);
}

}  // namespace app
