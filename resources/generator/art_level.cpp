// The shared layout of the thirteen level pictures.
// (First cut; the finished artwork replaces these bodies.)
#include "art.h"

void DrawLevelPicture(Canvas& canvas, int level) {
    FillBackground(canvas, LEVEL_BACKGROUNDS[level - 1]);
    cairo_t* cr = canvas.cr;
    const PixelRect panels[3] = {TIME_PANEL, SCORE_PANEL, MISSES_PANEL};
    for (const PixelRect& panel : panels) {
        SetColor(cr, PANEL_COLOR.r, PANEL_COLOR.g, PANEL_COLOR.b);
        cairo_rectangle(cr, panel.left, panel.top, panel.right - panel.left, panel.bottom - panel.top);
        cairo_fill(cr);
    }
    PlaceScenes(canvas, level);
}
