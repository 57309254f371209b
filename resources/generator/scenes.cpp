// The thirteen scenes: picks the level's drawing procedure.
#include "scene_kit.h"

// Draws the scene of level (1 to LEVEL_COUNT) on an opaque white base.
void DrawScene(cairo_t* cr, int level, bool altered) {
    // One scene a LEVEL row of the catalogue, level 1 first.
    static void (*const drawers[])(cairo_t*, bool) = {
#define LEVEL(number, name, width, height, background, shirt, scene) scene,
#include "catalogue.inc"
    };
    static_assert(sizeof drawers / sizeof drawers[0] == LEVEL_COUNT, "one scene a level");
    cairo_save(cr);
    // Opaque base first, so no scene can leave a see-through pixel.
    SetColor(cr, 255, 255, 255);
    cairo_paint(cr);
    drawers[level - 1](cr, altered);
    cairo_restore(cr);
}
