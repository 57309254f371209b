// The thirteen scenes: picks the level's drawing procedure, and puts both
// copies of a level's scene on its picture. The altered copy takes the
// changed rendering only inside the level's five difference areas, so no
// stray pixel can differ anywhere else: a click the player makes on a real
// change always lands in an area, and nothing outside one looks different.
#include "scenes/scenes.h"

// Area k of level in scene pixels.
SceneArea AreaOf(int level, int k) {
    const PixelRect& area = DIFFERENCE_AREAS[level - 1][k];
    SceneArea a;
    a.left = area.left - ALTERED_SCENE.left;
    a.top = area.top - ALTERED_SCENE.top;
    a.right = area.right - ALTERED_SCENE.left;
    a.bottom = area.bottom - ALTERED_SCENE.top;
    a.cx = (a.left + a.right) / 2;
    a.cy = (a.top + a.bottom) / 2;
    a.w = a.right - a.left;
    a.h = a.bottom - a.top;
    return a;
}

bool NearAnArea(int level, double x, double y, double margin) {
    for (int k = 0; k < AREAS_PER_LEVEL; ++k) {
        const SceneArea a = AreaOf(level, k);
        if (x > a.left - margin && x < a.right + margin && y > a.top - margin && y < a.bottom + margin) return true;
    }
    return false;
}

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
    Use(cr, WHITE);
    cairo_paint(cr);
    drawers[level - 1](cr, altered);
    cairo_restore(cr);
}

namespace {

// Renders the scene into its own opaque canvas of scene size.
Canvas RenderScene(int level, bool altered) {
    Canvas scene = NewCanvas(SCENE_WIDTH, SCENE_HEIGHT);
    cairo_save(scene.cr);
    cairo_rectangle(scene.cr, 0, 0, SCENE_WIDTH, SCENE_HEIGHT);
    cairo_clip(scene.cr);
    DrawScene(scene.cr, level, altered);
    cairo_restore(scene.cr);
    return scene;
}

}  // namespace

void PlaceScenes(Canvas& canvas, int level) {
    Canvas unaltered = RenderScene(level, false);
    Canvas altered = RenderScene(level, true);
    cairo_t* cr = canvas.cr;

    cairo_save(cr);
    cairo_set_operator(cr, CAIRO_OPERATOR_SOURCE);
    cairo_set_source_surface(cr, unaltered.surface, UNALTERED_SCENE.left, UNALTERED_SCENE.top);
    cairo_rectangle(cr, UNALTERED_SCENE.left, UNALTERED_SCENE.top, SCENE_WIDTH, SCENE_HEIGHT);
    cairo_fill(cr);
    cairo_set_source_surface(cr, unaltered.surface, ALTERED_SCENE.left, ALTERED_SCENE.top);
    cairo_rectangle(cr, ALTERED_SCENE.left, ALTERED_SCENE.top, SCENE_WIDTH, SCENE_HEIGHT);
    cairo_fill(cr);

    // The areas' edges are outside them (a click must be strictly inside), so
    // only the pixels strictly inside an area may take the changed rendering.
    cairo_set_source_surface(cr, altered.surface, ALTERED_SCENE.left, ALTERED_SCENE.top);
    for (const PixelRect& area : DIFFERENCE_AREAS[level - 1]) {
        cairo_rectangle(cr, area.left + 1, area.top + 1, area.right - area.left - 1,
                        area.bottom - area.top - 1);
    }
    cairo_fill(cr);
    cairo_restore(cr);

    FreeCanvas(unaltered);
    FreeCanvas(altered);
}
