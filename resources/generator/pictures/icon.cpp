// The icon: its figure, and the twelve images of the icon file. 16 and 32
// pixels are filled by the figure; 48 and 64 hold the 32-pixel figure
// centred in a transparent field.
#include "draw/figures.h"
#include "pictures/pictures.h"

#include <cmath>

void MakeIconImages(Canvas* images) {
    for (int i = 0; i < ICON_IMAGE_COUNT; ++i) {
        const int size = ICON_IMAGES[i].size;
        images[i] = NewCanvas(size, size);
        if (size <= 32) {
            DrawIconPicture(images[i]);
            continue;
        }
        Canvas figure = NewCanvas(32, 32);
        DrawIconPicture(figure);
        cairo_set_source_surface(images[i].cr, figure.surface, (size - 32) / 2, (size - 32) / 2);
        cairo_paint(images[i].cr);
        FreeCanvas(figure);
    }
}

// The mascot with a magnifying glass, bold enough to read at 16 pixels:
// drawn on a 32-unit grid in saturated colours that survive 16-colour VGA.
void DrawIconPicture(Canvas& canvas) {
    cairo_t* cr = canvas.cr;
    FillBackground(canvas, WHITE);
    const double scale = canvas.width / 32.0;
    const double outline = (canvas.width <= 16 ? 1.0 : 1.4) / scale;  // pixels, in grid units
    cairo_save(cr);
    cairo_scale(cr, scale, scale);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    // Sprout: two leaves.
    cairo_new_path(cr);
    EllipsePath(cr, 9.8, 3.9, 3.6, 2.1, -0.45);
    EllipsePath(cr, 17.2, 3.3, 3.8, 2.2, 0.4);
    Use(cr, BLACK);
    cairo_set_line_width(cr, 2 * outline);
    cairo_stroke_preserve(cr);
    Use(cr, {0, 190, 0});
    cairo_fill(cr);
    // Head.
    CirclePath(cr, 13.6, 17.2, 12.2);
    Use(cr, BLACK);
    cairo_set_line_width(cr, 2 * outline);
    cairo_stroke_preserve(cr);
    cairo_pattern_t* shade = cairo_pattern_create_radial(9.5, 12.5, 1, 13.6, 17.2, 12.2);
    // Stops in fractions, not Rgb: these colours fall between 0-255 steps,
    // so an AddStop here would change the picture.
    cairo_pattern_add_color_stop_rgb(shade, 0, 1, 1, 0.45);
    cairo_pattern_add_color_stop_rgb(shade, 1, 1, 0.82, 0);
    cairo_set_source(cr, shade);
    cairo_fill(cr);
    cairo_pattern_destroy(shade);
    // Eyes and smile.
    EllipsePath(cr, 9.4, 15.2, 1.8, 2.6);
    EllipsePath(cr, 16.8, 15.2, 1.8, 2.6);
    Use(cr, BLACK);
    cairo_fill(cr);
    // The smile: a real arc.
    cairo_arc(cr, 13.1, 18.6, 4.4, 0.22 * M_PI, 0.78 * M_PI);
    cairo_set_line_width(cr, canvas.width <= 16 ? 2.0 : 1.6);
    cairo_stroke(cr);
    // Magnifying glass over the lower right.
    cairo_move_to(cr, 27.5, 27.5);
    cairo_line_to(cr, 30.3, 30.3);
    Use(cr, BLACK);
    cairo_set_line_width(cr, 3.6 + 2 * outline);
    cairo_stroke_preserve(cr);
    Use(cr, {200, 0, 0});
    cairo_set_line_width(cr, 3.6);
    cairo_stroke(cr);
    CirclePath(cr, 24.2, 24.2, 4.4);
    Use(cr, {215, 245, 255});
    cairo_fill_preserve(cr);
    Use(cr, BLACK);
    cairo_set_line_width(cr, 2.4 + 2 * outline);
    cairo_stroke_preserve(cr);
    Use(cr, {0, 90, 255});
    cairo_set_line_width(cr, 2.4);
    cairo_stroke(cr);
    cairo_restore(cr);
}
