#include "meters/meter_panels.h"

#include <span>
#include <string>

#include "app/ombrel_app.h"
#include "draw/panel_base.h"
#include "meters/meter_graph.h"
#include "meters/meters.h"

namespace {

using meters::HeightScale;

struct Panel {
    HeightScale scale;
    std::span<const float> levels;
    bool rateGraph;  // drawn in blue on a logarithmic scale
    std::wstring label;
    bool fixedLabel;          // the first line holds no figure
    std::wstring secondLine;  // none when empty
    bool secondLineRight;
};

template <size_t N>
void drawPolyline(draw::Graphics& g, const draw::Pen& pen, const std::array<meters::GraphPoint, N>& points) {
    std::array<draw::PointF, N> line;
    for (size_t i = 0; i < N; ++i) line[i] = {points[i].x, points[i].y};
    g.drawLines(pen, line.data(), static_cast<int>(N));
}

// The fill, the grid and the edges: the base layer.
void drawPanelBack(draw::Graphics& g, const draw::RectF& r, const Panel& panel) {
    const app::ThemePalette& palette = theApp.ThemePalette;
    app::Scale s = theApp.scale();

    draw::SolidBrush backBrush(palette.panel);
    draw::Pen edgePen(palette.border, 2.0f);
    draw::Pen gridPen(palette.grid, 1.0f);
    draw::Pen topGridPen(palette.gridTop, 1.0f);

    draw::fillPanel(g, r, backBrush);
    for (size_t i = 0; i < panel.levels.size(); ++i) {
        float y = meters::gridLineY(r, s, panel.levels[i]);
        g.drawLine(i == 0 ? topGridPen : gridPen, r.x, y, r.x + r.width, y);
    }
    draw::drawPanelEdges(g, r, edgePen);
}

// The graph line: the moving layer.
void drawGraph(draw::Graphics& g, const draw::RectF& r, const meters::SampleRing& ring, int32_t next,
               const Panel& panel) {
    const app::ThemePalette& palette = theApp.ThemePalette;
    app::Scale s = theApp.scale();
    draw::Pen graphPen(panel.rateGraph ? palette.blue : palette.green, 1.0f);

    g.setClip(r.x, r.y, r.width, r.height);
    if (panel.scale == HeightScale::ClampedLinear)
        drawPolyline(g, graphPen, meters::steppedGraphPoints(ring, next, r, s, panel.scale));
    else
        drawPolyline(g, graphPen, meters::graphPoints(ring, next, r, s, panel.scale));
}

// The label's first line and the second line, as asked.
void drawText(draw::Graphics& g, const draw::RectF& r, const Panel& panel, bool firstLine, bool secondLine) {
    const app::ThemePalette& palette = theApp.ThemePalette;
    app::Scale s = theApp.scale();

    draw::Font font = draw::createFont(L"Lucida Console", s.points(8), 0);
    draw::SolidBrush textBrush(palette.text);
    draw::StringFormat format;

    if (firstLine) g.drawString(panel.label, font, r.x, r.y, r.width, r.height, format, textBrush);
    if (secondLine) {
        if (panel.secondLineRight) format.setAlignment(Gdiplus::StringAlignmentFar);
        g.drawString(panel.secondLine, font, r.x, r.y + s.sy(11), r.width, r.height, format, textBrush);
    }
}

void paintPanel(draw::Graphics& g, const draw::RectF& r, const meters::SampleRing& ring, int32_t next,
                const Panel& panel, draw::Layers layers) {
    const bool base = draw::has(layers, draw::Layers::Base), moving = draw::has(layers, draw::Layers::Moving);
    if (base) drawPanelBack(g, r, panel);
    if (moving) drawGraph(g, r, ring, next, panel);
    // A first line without a figure never changes, so it belongs to the base. The
    // graph never reaches that line, so drawing it before the graph changes no pixel.
    const bool firstLine = panel.fixedLabel ? base : moving;
    const bool secondLine = moving && !panel.secondLine.empty();
    if (firstLine || secondLine) drawText(g, r, panel, firstLine, secondLine);
}

double mebibytes(double bytes) { return bytes * (1.0 / 1048576.0); }

}  // namespace

using meters::formatFigure;
using meters::PERCENT_LEVELS;
using meters::RATE_LEVELS;

void paintCpuPanel(draw::Graphics& g, const draw::RectF& r, draw::Layers layers) {
    const meters::MeterHistory& h = meters::Cpu.history;
    paintPanel(g, r, h, h.nextSlot(),
               {HeightScale::Linear, PERCENT_LEVELS, false, formatFigure("CPU:%3.0f%%", h.newest()), false, {}, false},
               layers);
}

void paintDiskPanel(draw::Graphics& g, const draw::RectF& r, draw::Layers layers) {
    const meters::MeterHistory& h = meters::Disk.history;
    paintPanel(g, r, h, h.nextSlot(),
               {HeightScale::Linear, PERCENT_LEVELS, false, formatFigure("DSK:%3.0f%%", h.newest()), false, {}, false},
               layers);
}

void paintClockPanel(draw::Graphics& g, const draw::RectF& r, draw::Layers layers) {
    const meters::MeterHistory& h = meters::CpuClock.history;
    double ghz = meters::CpuClock.currentGHz.load(std::memory_order_relaxed);
    paintPanel(g, r, h, h.nextSlot(),
               {HeightScale::ClampedLinear, PERCENT_LEVELS, false, formatFigure("CLK:%3.0f%%", h.newest()), false,
                formatFigure("%4.2f GHz", ghz), true},
               layers);
}

void paintMemoryPanel(draw::Graphics& g, const draw::RectF& r, draw::Layers layers) {
    const meters::MeterHistory& h = meters::Memory.history;
    double used = meters::Memory.usedBytes.load(std::memory_order_relaxed);
    paintPanel(g, r, h, h.nextSlot(),
               {HeightScale::Linear, PERCENT_LEVELS, false, formatFigure("MEM:%3.0f%%", h.newest()), false,
                formatFigure("%5.0f MB", mebibytes(used)), true},
               layers);
}

void paintRxPanel(draw::Graphics& g, const draw::RectF& r, draw::Layers layers) {
    const meters::NetworkMeter& n = meters::Network;
    paintPanel(
        g, r, n.rx, n.nextSlot(),
        {HeightScale::Logarithmic, RATE_LEVELS, true, L"RxD:Mbps", true, formatFigure("%8.2f", n.rx.newest()), false},
        layers);
}

void paintTxPanel(draw::Graphics& g, const draw::RectF& r, draw::Layers layers) {
    const meters::NetworkMeter& n = meters::Network;
    paintPanel(
        g, r, n.tx, n.nextSlot(),
        {HeightScale::Logarithmic, RATE_LEVELS, true, L"TxD:Mbps", true, formatFigure("%8.2f", n.tx.newest()), false},
        layers);
}
