#include "draw/panel_base.h"

namespace draw {

void fillPanel(Graphics& g, const RectF& r, const SolidBrush& fill) {
    g.setClip(r.x, r.y, r.width, r.height);
    g.fillRectangle(fill, r.x, r.y, r.width, r.height);
}

void drawPanelEdges(Graphics& g, const RectF& r, const Pen& edge) {
    g.drawLine(edge, r.x, r.y + r.height - 1, r.x + r.width, r.y + r.height - 1);
    g.drawLine(edge, r.x + r.width - 1, r.y, r.x + r.width - 1, r.y + r.height);
}

}  // namespace draw
