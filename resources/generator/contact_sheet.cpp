// A contact sheet: every picture and button scaled down on one page, labelled.
#include "art.h"

#include <algorithm>

void WriteContactSheet(const char* path, const NamedCanvas* items, int count) {
    const int columns = 5, cellWidth = 320, cellHeight = 240, margin = 16;
    const int rows = (count + columns - 1) / columns;
    Canvas sheet = NewCanvas(columns * cellWidth + margin, rows * cellHeight + margin);
    cairo_t* cr = sheet.cr;
    SetColor(cr, 250, 247, 240);
    cairo_paint(cr);
    for (int i = 0; i < count; ++i) {
        const Canvas& item = *items[i].canvas;
        const double x = margin + (i % columns) * cellWidth, y = margin + (i / columns) * cellHeight;
        const double boxWidth = cellWidth - margin, boxHeight = cellHeight - margin - 28;
        const double scale = std::min({boxWidth / item.width, boxHeight / item.height, 1.0});
        const double drawX = x + (boxWidth - item.width * scale) / 2;
        cairo_save(cr);
        cairo_translate(cr, drawX, y);
        cairo_scale(cr, scale, scale);
        cairo_set_source_surface(cr, item.surface, 0, 0);
        cairo_pattern_set_filter(cairo_get_source(cr), CAIRO_FILTER_GOOD);
        cairo_paint(cr);
        cairo_restore(cr);
        UseFont(cr, FONT_BOLD, 16);
        DrawTextCentered(cr, items[i].name, x + boxWidth / 2, y + boxHeight + 16, 60, 60, 70);
    }
    cairo_surface_write_to_png(sheet.surface, path);
    FreeCanvas(sheet);
}
