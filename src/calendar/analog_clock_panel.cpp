#include "calendar/analog_clock_panel.h"

#include <array>
#include <string>

#include "app/now.h"
#include "app/ombrel_app.h"
#include "calendar/clock_geometry.h"
#include "calendar/panel_background.h"
#include "draw/panel_base.h"

namespace {

using calendar::ClockFace;
using calendar::ClockPoint;

// The hands as offsets from the centre at 96 dpi and 100 %, pointing at 12.
constexpr int OUTLINE_POINTS = 5;
using Outline = std::array<ClockPoint, OUTLINE_POINTS>;
constexpr Outline HOUR_HAND{{{-0.9f, 0}, {-2.25f, -22.5f}, {0, -31.5f}, {2.25f, -22.5f}, {0.9f, 0}}};
constexpr Outline MINUTE_HAND{{{-0.9f, 0}, {-1.98f, -31.5f}, {0, -46.8f}, {1.98f, -31.5f}, {0.9f, 0}}};
constexpr Outline SECOND_HEAD{{{0, -28.8f}, {-2.25f, -31.5f}, {0, -36}, {2.25f, -31.5f}, {0, -28.8f}}};
constexpr Outline SECOND_TAIL{{{0, 0}, {-1.8f, 9}, {0, 13.5f}, {1.8f, 9}, {0, 0}}};
constexpr float SECOND_HAND_LENGTH = 46.8f;
constexpr float HUB_RADIUS = 3;

// The shaded lower right of the panel, in window pixels at 96 dpi and 100 %.
constexpr float SHADOW_LEFT = 68, SHADOW_TOP = 68, SHADOW_RIGHT = 126, SHADOW_BOTTOM = 126, SHADOW_SPREAD = 20;

std::array<draw::PointF, OUTLINE_POINTS> placeOutline(const Outline& outline, const ClockFace& face,
                                                      const app::Scale& s) {
    std::array<draw::PointF, OUTLINE_POINTS> points{};
    for (size_t i = 0; i < outline.size(); ++i)
        points[i] = {face.centerX() + s.sx(outline[i].x), face.centerY() + s.sy(outline[i].y)};
    return points;
}

void drawFace(draw::Graphics& g, const draw::RectF& rect, GImageEx& shadowTarget) {
    const app::ThemePalette& palette = theApp.ThemePalette;
    const app::Scale s = theApp.scale();

    // Declared in creation order, so they are deleted in reverse.
    draw::Pen borderPen(palette.border, 2.0f);
    draw::Pen fineTickPen(palette.text, 1.0f);
    draw::Pen hourTickPen(palette.text, 2.0f);
    draw::Pen facePen(palette.frame, s.sx(2));
    draw::SolidBrush textBrush(palette.text);
    draw::SolidBrush panelBrush(palette.panel);
    draw::Font numeralFont = draw::createFont(L"Times New Roman", s.points(12), 0);
    draw::StringFormat centred(Gdiplus::StringAlignmentCenter, Gdiplus::StringAlignmentCenter);

    draw::fillPanel(g, rect, panelBrush);
    draw::drawPanelEdges(g, rect, borderPen);
    calendar::shadePanel(shadowTarget,
                         {s.isx(SHADOW_LEFT), s.isy(SHADOW_TOP), s.isx(SHADOW_RIGHT), s.isy(SHADOW_BOTTOM)},
                         s.isy(SHADOW_SPREAD));

    const ClockFace face(rect, s);
    const float A = face.centerX(), B = face.centerY();
    const float R = face.faceRadius();
    g.drawEllipse(facePen, A - R, B - R, 2 * R, 2 * R);

    const float tickOuter = face.radius(calendar::TICK_OUTER_INSET);
    const float minuteTickInner = face.radius(calendar::MINUTE_TICK_INNER_INSET);
    for (int k = 0; k < 60; ++k) {
        double angle = calendar::minuteTickAngle(k);
        ClockPoint from = face.pointAt(angle, tickOuter), to = face.pointAt(angle, minuteTickInner);
        g.drawLine(fineTickPen, from.x, from.y, to.x, to.y);
    }

    const float hourTickInner = face.radius(calendar::HOUR_TICK_INNER_INSET);
    for (int n = 1; n <= 12; ++n) {
        double angle = calendar::hourAngle(n);
        ClockPoint from = face.pointAt(angle, tickOuter), to = face.pointAt(angle, hourTickInner);
        g.drawLine(hourTickPen, from.x, from.y, to.x, to.y);
        ClockPoint centre = face.numeralCenter(n);
        g.drawString(std::to_wstring(n), numeralFont, centre.x, centre.y, 0, 0, centred, textBrush);
    }
}

void drawHands(draw::Graphics& g, const draw::RectF& rect) {
    const app::ThemePalette& palette = theApp.ThemePalette;
    const app::Scale s = theApp.scale();

    draw::Pen fineTickPen(palette.text, 1.0f);
    draw::Pen handOutlinePen(palette.panel, 2.0f);
    draw::SolidBrush textBrush(palette.text);
    draw::SolidBrush panelBrush(palette.panel);

    // The face left the clip on the panel; over a kept face it is set again.
    g.setClip(rect.x, rect.y, rect.width, rect.height);
    const ClockFace face(rect, s);
    const float A = face.centerX(), B = face.centerY();

    calendar::ClockTime time = calendar::localClockTime(app::now());
    calendar::HandRotations turn = calendar::handRotations(time.hour, time.minute, time.second);

    g.rotateAbout(A, B, turn.hour);
    auto hourHand = placeOutline(HOUR_HAND, face, s);
    g.fillPolygon(textBrush, hourHand.data(), OUTLINE_POINTS);
    g.resetTransform();

    // The panel-coloured outline keeps the minute hand apart from the hour hand below it.
    g.rotateAbout(A, B, turn.minute);
    auto minuteHand = placeOutline(MINUTE_HAND, face, s);
    g.drawPolygon(handOutlinePen, minuteHand.data(), OUTLINE_POINTS);
    g.fillPolygon(textBrush, minuteHand.data(), OUTLINE_POINTS);
    g.resetTransform();

    g.fillEllipse(panelBrush, A - s.sx(HUB_RADIUS), B - s.sy(HUB_RADIUS), s.sx(2 * HUB_RADIUS), s.sy(2 * HUB_RADIUS));

    g.rotateAbout(A, B, turn.second);
    const float secondTip = B - s.sy(SECOND_HAND_LENGTH);
    g.drawLine(handOutlinePen, A, B, A, secondTip);
    for (const Outline* part : {&SECOND_HEAD, &SECOND_TAIL}) {
        auto points = placeOutline(*part, face, s);
        g.drawPolygon(handOutlinePen, points.data(), OUTLINE_POINTS);
        g.fillPolygon(textBrush, points.data(), OUTLINE_POINTS);
    }
    g.drawLine(fineTickPen, A, B, A, secondTip);
    g.resetTransform();

    // A one-pixel ring of the hub stays around the centre.
    g.fillEllipse(textBrush, A - s.sx(HUB_RADIUS) + 1, B - s.sy(HUB_RADIUS) + 1, s.sx(2 * HUB_RADIUS) - 2,
                  s.sy(2 * HUB_RADIUS) - 2);
}

}  // namespace

void paintAnalogClock(draw::Graphics& g, const draw::RectF& rect, GImageEx& shadowTarget, draw::Layers layers) {
    if (draw::has(layers, draw::Layers::Base)) drawFace(g, rect, shadowTarget);
    if (draw::has(layers, draw::Layers::Moving)) drawHands(g, rect);
}
