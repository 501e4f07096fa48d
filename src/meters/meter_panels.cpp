#include "meters/meter_panels.h"

#include <span>
#include <string>

#include "app/ombrel_app.h"
#include "meters/meter_graph.h"
#include "meters/meters.h"

namespace {

using meters::HeightScale;

struct Panel {
    HeightScale scale;
    std::span<const float> levels;
    bool rateGraph;  // drawn in blue on a logarithmic scale
    std::wstring label;
    std::wstring secondLine;  // none when empty
    bool secondLineRight;
};

template <size_t N>
void drawPolyline(draw::Graphics& g, const draw::Pen& pen, const std::array<meters::GraphPoint, N>& points) {
    std::array<draw::PointF, N> line;
    for (size_t i = 0; i < N; ++i) line[i] = {points[i].x, points[i].y};
    g.drawLines(pen, line.data(), static_cast<int>(N));
}

void paintPanel(draw::Graphics& g, const draw::RectF& r, const meters::SampleRing& ring, int32_t next,
                const Panel& panel) {
    const app::ThemePalette& palette = theApp.ThemePalette;
    app::Scale s = theApp.scale();

    draw::Font font = draw::createFont(L"Lucida Console", s.points(8), 0);
    draw::SolidBrush textBrush(palette.text);
    draw::SolidBrush backBrush(palette.panel);
    draw::Pen graphPen(panel.rateGraph ? palette.blue : palette.green, 1.0f);
    draw::Pen edgePen(palette.border, 2.0f);
    draw::Pen gridPen(palette.grid, 1.0f);
    draw::Pen topGridPen(palette.gridTop, 1.0f);
    draw::StringFormat format;

    // Left set: the main window resets the clip after the last panel.
    g.setClip(r.x, r.y, r.width, r.height);
    g.fillRectangle(backBrush, r.x, r.y, r.width, r.height);

    for (size_t i = 0; i < panel.levels.size(); ++i) {
        float y = meters::gridLineY(r, s, panel.levels[i]);
        g.drawLine(i == 0 ? topGridPen : gridPen, r.x, y, r.x + r.width, y);
    }

    // One pixel in from the bottom and right edges, whatever the scale.
    g.drawLine(edgePen, r.x, r.y + r.height - 1, r.x + r.width, r.y + r.height - 1);
    g.drawLine(edgePen, r.x + r.width - 1, r.y, r.x + r.width - 1, r.y + r.height);

    if (panel.scale == HeightScale::ClampedLinear)
        drawPolyline(g, graphPen, meters::steppedGraphPoints(ring, next, r, s, panel.scale));
    else
        drawPolyline(g, graphPen, meters::graphPoints(ring, next, r, s, panel.scale));

    g.drawString(panel.label, font, r.x, r.y, r.width, r.height, format, textBrush);
    if (!panel.secondLine.empty()) {
        if (panel.secondLineRight) format.setAlignment(Gdiplus::StringAlignmentFar);
        g.drawString(panel.secondLine, font, r.x, r.y + s.sy(11), r.width, r.height, format, textBrush);
    }
}

double mebibytes(double bytes) { return bytes * (1.0 / 1048576.0); }

}  // namespace

using meters::formatFigure;
using meters::PERCENT_LEVELS;
using meters::RATE_LEVELS;

void paintCpuPanel(draw::Graphics& g, const draw::RectF& r) {
    const meters::MeterHistory& h = meters::Cpu.history;
    paintPanel(g, r, h, h.nextSlot(),
               {HeightScale::Linear, PERCENT_LEVELS, false, formatFigure("CPU:%3.0f%%", h.newest()), {}, false});
}

void paintDiskPanel(draw::Graphics& g, const draw::RectF& r) {
    const meters::MeterHistory& h = meters::Disk.history;
    paintPanel(g, r, h, h.nextSlot(),
               {HeightScale::Linear, PERCENT_LEVELS, false, formatFigure("DSK:%3.0f%%", h.newest()), {}, false});
}

void paintClockPanel(draw::Graphics& g, const draw::RectF& r) {
    const meters::MeterHistory& h = meters::CpuClock.history;
    double ghz = meters::CpuClock.currentGHz.load(std::memory_order_relaxed);
    paintPanel(g, r, h, h.nextSlot(),
               {HeightScale::ClampedLinear, PERCENT_LEVELS, false, formatFigure("CLK:%3.0f%%", h.newest()),
                formatFigure("%4.2f GHz", ghz), true});
}

void paintMemoryPanel(draw::Graphics& g, const draw::RectF& r) {
    const meters::MeterHistory& h = meters::Memory.history;
    double used = meters::Memory.usedBytes.load(std::memory_order_relaxed);
    paintPanel(g, r, h, h.nextSlot(),
               {HeightScale::Linear, PERCENT_LEVELS, false, formatFigure("MEM:%3.0f%%", h.newest()),
                formatFigure("%5.0f MB", mebibytes(used)), true});
}

void paintRxPanel(draw::Graphics& g, const draw::RectF& r) {
    const meters::NetworkMeter& n = meters::Network;
    paintPanel(g, r, n.rx, n.nextSlot(),
               {HeightScale::Logarithmic, RATE_LEVELS, true, L"RxD:Mbps", formatFigure("%8.2f", n.rx.newest()), false});
}

void paintTxPanel(draw::Graphics& g, const draw::RectF& r) {
    const meters::NetworkMeter& n = meters::Network;
    paintPanel(g, r, n.tx, n.nextSlot(),
               {HeightScale::Logarithmic, RATE_LEVELS, true, L"TxD:Mbps", formatFigure("%8.2f", n.tx.newest()), false});
}
