#include "calendar/panel_background.h"

#include "app/ombrel_app.h"

namespace calendar {

void shadePanel(GImageEx& image, app::IntRect rect, int spread) {
    if (!theApp.shadow) return;
    const app::ThemePalette& palette = theApp.ThemePalette;
    // The black theme has no lighter frame to fade into.
    uint32_t farColor = theApp.colorSelect != 0 ? palette.frame : palette.gridTop;
    // The pixels are written directly: GDI must have finished the fill below them.
    GdiFlush();
    image.fillCornerGradient(rect, palette.panel, farColor, 0, spread);
}

}  // namespace calendar
