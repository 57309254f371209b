// Level 5, on peach: a sunny kitchen.
// Its five changes, in area order:
//   0. spoon (orientation): the red spoon on the counter points the other way.
//   1. herb (position): the herb pot moves right along the shelf.
//   2. cloth (added): a chequered cloth hangs over a drawer handle.
//   3. towel (colour): the tea towel on the oven turns from dark blue to yellow.
//   4. spice (missing): a jar is missing from the spice shelf.
#include "scenes/scenes.h"

#include <cmath>

namespace {

// The scene's palette.
constexpr Rgb WOODEN_SPOON_RED = {200, 70, 56};
constexpr Rgb HERB_POT_GREEN = {80, 160, 70};
constexpr Rgb HERB_POT_ORANGE = {206, 106, 70};
constexpr Rgb JAR_ICE = {236, 244, 246};
constexpr Rgb TEA_TOWEL_WHITE = {250, 250, 250};
constexpr Rgb DRAWER_FRONT_MINT = {150, 204, 186};
constexpr Rgb HANDLE_SILVER = {200, 200, 206};
constexpr Rgb WALL_TOP_CREAM = {252, 246, 232};
constexpr Rgb WALL_FOOT_CREAM = {244, 232, 212};
constexpr Rgb WALL_TILE_SAND = {226, 214, 196};
constexpr Rgb WINDOW_SKY = {150, 206, 240};
constexpr Rgb WINDOW_VIEW_ICE = {214, 236, 246};
constexpr Rgb TREE_GREEN = {110, 176, 90};
constexpr Rgb CURTAIN_RAIL_BROWN = {170, 120, 80};
constexpr Rgb CURTAIN_ROSE = {240, 120, 110};
constexpr Rgb FRIDGE_ICE = {236, 240, 244};
constexpr Rgb FRIDGE_SEAM_SILVER = {170, 176, 184};
constexpr Rgb FRIDGE_HANDLE_SILVER = {180, 186, 196};
constexpr Rgb STAR_YELLOW = {250, 200, 60};
constexpr Rgb FRIDGE_ROSE = {236, 80, 100};
constexpr Rgb SHELF_BROWN = {176, 120, 74};
constexpr Rgb SPICE_RED = {200, 80, 40};
constexpr Rgb SPICE_GOLD = {236, 190, 60};
constexpr Rgb SPICE_GREEN = {120, 150, 60};
constexpr Rgb SPICE_BROWN = {150, 60, 50};
constexpr Rgb SPICE_ORANGE = {236, 140, 50};
constexpr Rgb JAR_SLATE = {90, 90, 96};
constexpr Rgb JAR_SAND = {240, 220, 160};
constexpr Rgb JAR_RED = {200, 60, 50};
constexpr Rgb JAR_BROWN = {170, 100, 60};
constexpr Rgb JAR_BLUE = {60, 120, 180};
constexpr Rgb RAIL_GREY = {150, 150, 156};
constexpr Rgb UTENSIL_HANDLE_GREY = {120, 120, 126};
constexpr Rgb UTENSIL_SILVER = {190, 190, 196};
constexpr Rgb UTENSIL_CHARCOAL = {60, 60, 60};
constexpr Rgb UTENSIL_ORANGE = {196, 110, 70};
constexpr Rgb UTENSIL_BROWN = {160, 84, 50};
constexpr Rgb COUNTER_TAN = {206, 160, 110};
constexpr Rgb COUNTER_OLIVE = {170, 120, 74};
constexpr Rgb FRUIT_BOWL_RED = {240, 60, 50};
constexpr Rgb FRUIT_BOWL_GOLD = {250, 190, 40};
constexpr Rgb FRUIT_BOWL_LEAF_GREEN = {120, 190, 60};
constexpr Rgb FRUIT_BOWL_ORANGE = {250, 140, 40};
constexpr Rgb FRUIT_BOWL_BLUE = {90, 150, 210};
constexpr Rgb SINK_SILVER = {190, 196, 204};
constexpr Rgb TAP_SILVER = {170, 176, 186};
constexpr Rgb CABINET_SILVER = {130, 190, 172};
constexpr Rgb CABINET_PLUM = {70, 74, 84};
constexpr Rgb CABINET_CHARCOAL = {34, 30, 36};
constexpr Rgb CABINET_ORANGE = {255, 160, 60};
constexpr Rgb TEA_TOWEL_YELLOW = {248, 212, 84};
constexpr Rgb TEA_TOWEL_BLUE = {56, 96, 190};
constexpr Rgb CLOTH_RED = {214, 52, 58};
constexpr Rgb CHEQUERED_FLOOR_SAND = {226, 200, 170};
constexpr Rgb CHEQUERED_FLOOR_CREAM = {250, 240, 224};

// Spoon lying flat; facing +1 puts the bowl on the right.
void DrawWoodenSpoon(cairo_t* cr, double cx, double cy, double length, double facing) {
    const Rgb wood = WOODEN_SPOON_RED;  // painted red, to stand out on the wooden top
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    cairo_scale(cr, facing, 1);
    RoundedRectPath(cr, -length / 2, -1.3, length * 0.72, 2.6, 1.3);
    PaintShaded(cr, wood, 0.6);
    EllipsePath(cr, length / 2 - 7, 0, 7, 2.3);
    PaintShaded(cr, wood, 0.6);
    EllipsePath(cr, length / 2 - 7, -0.2, 4.5, 1.2);
    PaintFlat(cr, Darker(wood, 0.15));
    cairo_restore(cr);
}

// Herb in a terracotta pot, standing on baseY.
void DrawHerbPot(cairo_t* cr, double cx, double baseY) {
    for (int i = 0; i < 5; ++i) {
        const double a = -M_PI / 2 + (i - 2) * 0.45;
        EllipsePath(cr, cx + std::cos(a) * 5, baseY - 8 + std::sin(a) * 4, 2.6, 1.9);
    }
    PaintShaded(cr, HERB_POT_GREEN, 0.6);
    cairo_move_to(cr, cx - 6, baseY - 9);
    cairo_line_to(cr, cx + 6, baseY - 9);
    cairo_line_to(cr, cx + 4.5, baseY);
    cairo_line_to(cr, cx - 4.5, baseY);
    cairo_close_path(cr);
    PaintShaded(cr, HERB_POT_ORANGE, 0.7);
}

// Storage jar with a lid, on baseY.
void DrawJar(cairo_t* cr, double cx, double baseY, double w, double h, Rgb contents, Rgb lid) {
    RoundedRectPath(cr, cx - w / 2, baseY - h, w, h, w * 0.2);
    PaintShaded(cr, JAR_ICE, 0.7);
    RoundedRectPath(cr, cx - w / 2 + 1.5, baseY - h * 0.7, w - 3, h * 0.7 - 1.5, w * 0.15);
    PaintShaded(cr, contents, 0);
    RoundedRectPath(cr, cx - w / 2 - 0.5, baseY - h - 2.5, w + 1, 3, 1);
    PaintShaded(cr, lid, 0.6);
}

// Tea towel hanging over a rail at railY, striped white.
void DrawTeaTowel(cairo_t* cr, double cx, double railY, Rgb hue) {
    RectPath(cr, cx - 11.3, railY - 1.3, 23.6, 13.6);
    PaintShaded(cr, hue, 0.7);
    for (double x = cx - 6; x <= cx + 6; x += 6) LinePath(cr, x, railY, x, railY + 10);
    LinePath(cr, cx - 11, railY + 8, cx + 11, railY + 8);
    PaintLine(cr, TEA_TOWEL_WHITE, 1.1);
}

// Chequered cloth folded over a drawer handle, covering the middle of the
// front; no outline, so it can fill its box to the edge.
void DrawClothOverHandle(cairo_t* cr, double left, double top, double w, double h) {
    RectPath(cr, left, top, w, h);
    PaintFlat(cr, WHITE);
    cairo_save(cr);
    RectPath(cr, left, top, w, h);
    cairo_clip(cr);
    for (int col = 0; col * 4 < w; ++col) {
        for (int row = 0; row * 4 < h; ++row) {
            if ((col + row) % 2 == 0) RectPath(cr, left + col * 4, top + row * 4, 4, 4);
        }
    }
    PaintFlat(cr, CLOTH_RED);
    LinePath(cr, left, top + 4, left + w, top + 4);
    PaintLine(cr, Darker(CLOTH_RED, 0.4), 1);
    cairo_restore(cr);
}

// Drawer front with its long bar handle.
void DrawDrawer(cairo_t* cr, double cx, double top, double w, double h) {
    RectPath(cr, cx - w / 2 + 1, top, w - 2, h);
    PaintShaded(cr, DRAWER_FRONT_MINT, 1);
    RoundedRectPath(cr, cx - 12, top + h / 2 - 2, 24, 4, 2);
    PaintShaded(cr, HANDLE_SILVER, 0.8);
}

// Tiled back wall.
void DrawTiledWall(cairo_t* cr) {
    FillGradientRect(cr, 0, 0, SCENE_WIDTH, 152, WALL_TOP_CREAM, WALL_FOOT_CREAM);
    for (double y = 92; y < 152; y += 10) LinePath(cr, 0, y, SCENE_WIDTH, y);
    for (double x = 4; x < SCENE_WIDTH; x += 12) LinePath(cr, x, 92, x, 150);
    PaintLine(cr, WALL_TILE_SAND, 0.7);
}

// Window with sky, a tree and curtains.
void DrawKitchenWindow(cairo_t* cr) {
    DrawSkyWindow(cr, 150, 14, 96, 68, WHITE, WINDOW_SKY, WINDOW_VIEW_ICE, 4);
    DrawTree(cr, 226, 86, 60, TREE_GREEN);
    DrawCloud(cr, 160, 26, 36, 14);
    DrawWindowBars(cr, 150, 14, 96, 68, WHITE, 4, 3);
    RectPath(cr, 144, 8, 108, 4);
    PaintShaded(cr, CURTAIN_RAIL_BROWN, 0.6);
    for (double side : {-1.0, 1.0}) {
        const double x = 198 + side * 52;
        cairo_move_to(cr, x, 10);
        cairo_line_to(cr, x - side * 16, 10);
        cairo_curve_to(cr, x - side * 8, 40, x - side * 14, 70, x - side * 4, 90);
        cairo_line_to(cr, x + side * 2, 90);
        cairo_close_path(cr);
        PaintShaded(cr, CURTAIN_ROSE, 0.8);
    }
}

// Fridge on the left, with a star and a heart stuck on.
void DrawFridge(cairo_t* cr) {
    RoundedRectPath(cr, 2, 30, 54, 222, 5);
    PaintShaded(cr, FRIDGE_ICE, 1.2);
    LinePath(cr, 3, 100, 55, 100);
    PaintLine(cr, FRIDGE_SEAM_SILVER, 1);
    RoundedRectPath(cr, 46, 60, 4, 30, 2);
    RoundedRectPath(cr, 46, 110, 4, 40, 2);
    PaintShaded(cr, FRIDGE_HANDLE_SILVER, 0.6);
    DrawStar(cr, 20, 60, 5, STAR_YELLOW);
    HeartPath(cr, 30, 128, 9);
    PaintShaded(cr, FRIDGE_ROSE, 0.6);
}

// Spice shelf; the jar in the small area goes missing in the changed copy.
void DrawSpiceShelf(cairo_t* cr, const SceneArea& spice, bool jarMissing) {
    RectPath(cr, spice.cx - 34, spice.bottom - 1.5, 68, 4);
    PaintShaded(cr, SHELF_BROWN, 0.7);
    const Rgb spices[5] = {SPICE_RED, SPICE_GOLD, SPICE_GREEN, SPICE_BROWN, SPICE_ORANGE};
    for (int i = -2; i <= 2; ++i) {
        if (i == 0 && jarMissing) continue;
        DrawJar(cr, spice.cx + i * 12, spice.bottom - 1.8, 5.6, 6.5, spices[i + 2], JAR_SLATE);
    }
}

// Shelf on the right with jars; the herb pot moves along it.
void DrawJarShelf(cairo_t* cr, const SceneArea& herb, bool herbMoved) {
    RectPath(cr, 290, herb.bottom - 2, 90, 5);
    PaintShaded(cr, SHELF_BROWN, 0.8);
    DrawJar(cr, 302, herb.bottom - 2, 12, 18, JAR_SAND, JAR_RED);
    DrawJar(cr, 322, herb.bottom - 2, 13, 14, JAR_BROWN, JAR_BLUE);
    DrawHerbPot(cr, herb.cx + (herbMoved ? 7.5 : -7.5), herb.bottom - 3);
}

// Utensil rail with hanging ladle, whisk and pan.
void DrawUtensilRail(cairo_t* cr) {
    LinePath(cr, 292, 80, 372, 80);
    PaintLine(cr, RAIL_GREY, 2);
    LinePath(cr, 306, 80, 306, 112);
    PaintLine(cr, UTENSIL_HANDLE_GREY, 2);
    EllipsePath(cr, 306, 115, 6, 4);
    PaintShaded(cr, UTENSIL_SILVER, 0.8);
    LinePath(cr, 330, 80, 330, 100);
    PaintLine(cr, UTENSIL_HANDLE_GREY, 2);
    EllipsePath(cr, 330, 112, 5, 11);
    EllipsePath(cr, 330, 112, 2, 11);
    Use(cr, RAIL_GREY);
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
    LinePath(cr, 356, 80, 356, 96);
    PaintLine(cr, UTENSIL_CHARCOAL, 3);
    CirclePath(cr, 356, 112, 14);
    PaintShaded(cr, UTENSIL_ORANGE, 1);
    CirclePath(cr, 356, 112, 10);
    PaintFlat(cr, UTENSIL_BROWN);
}

// Counter top with the spoon lying near its front, a bowl of fruit and the sink.
void DrawCounterTop(cairo_t* cr, const SceneArea& spoon, bool spoonTurned) {
    RectPath(cr, 58, 150, SCENE_WIDTH - 58, 13);
    PaintShaded(cr, COUNTER_TAN, 0.8);
    RectPath(cr, 58, 163, SCENE_WIDTH - 58, 5);
    PaintShaded(cr, COUNTER_OLIVE, 0.8);
    DrawWoodenSpoon(cr, spoon.cx, spoon.cy + 0.5, 44, spoonTurned ? -1 : 1);
    for (int i = 0; i < 4; ++i) {
        CirclePath(cr, 94 + i * 8, 142 - (i % 2) * 4, 5.5);
        const Rgb fruit[4] = {FRUIT_BOWL_RED, FRUIT_BOWL_GOLD, FRUIT_BOWL_LEAF_GREEN, FRUIT_BOWL_ORANGE};
        PaintShaded(cr, fruit[i], 0.7);
    }
    // The bowl: a real arc, the lower half of a circle.
    cairo_new_sub_path(cr);
    cairo_arc_negative(cr, 106, 144, 18, M_PI, 0);
    cairo_close_path(cr);
    PaintShaded(cr, FRUIT_BOWL_BLUE, 0.9);
    RectPath(cr, 280, 148, 60, 6);
    PaintShaded(cr, SINK_SILVER, 0.8);
    cairo_move_to(cr, 312, 148);
    cairo_line_to(cr, 312, 126);
    cairo_curve_to(cr, 312, 118, 300, 118, 300, 128);
    PaintLine(cr, TAP_SILVER, 3);
}

// Cabinets under the counter: the oven with the tea towel on its rail, then
// drawers and doors; the cloth hangs over the drawer in the changed copy.
void DrawCabinets(cairo_t* cr, const SceneArea& towel, const SceneArea& cloth, bool altered) {
    RectPath(cr, 58, 168, SCENE_WIDTH - 58, 84);
    PaintShaded(cr, CABINET_SILVER, 1);
    RectPath(cr, towel.cx - 34, 168, 68, 84);
    PaintShaded(cr, CABINET_PLUM, 1);
    RectPath(cr, towel.cx - 28, 194, 56, 44);
    PaintShaded(cr, CABINET_CHARCOAL, 1);
    RectPath(cr, towel.cx - 22, 200, 44, 32);
    PaintFlat(cr, CABINET_ORANGE, 0.25);
    LinePath(cr, towel.cx - 28, towel.top + 4, towel.cx + 28, towel.top + 4);
    PaintLine(cr, HANDLE_SILVER, 2.4);
    DrawTeaTowel(cr, towel.cx, towel.top + 4, altered ? TEA_TOWEL_YELLOW : TEA_TOWEL_BLUE);
    for (int i = -1; i <= 2; ++i) {
        const double x = cloth.cx + i * 54;
        DrawDrawer(cr, x, 170, 52, 16);
        if (altered && i == 0) DrawClothOverHandle(cr, cloth.left + 2, cloth.top + 2, cloth.w - 3, cloth.h - 3);
        RectPath(cr, x - 25, 190, 50, 58);
        PaintShaded(cr, DRAWER_FRONT_MINT, 1);
        CirclePath(cr, x + 18, 204, 2.2);
        PaintShaded(cr, HANDLE_SILVER, 0.6);
    }
}

// Chequered floor.
void DrawChequeredFloor(cairo_t* cr) {
    for (int i = 0; i < 24; ++i) {
        for (int row = 0; row < 2; ++row) {
            RectPath(cr, i * 16, 252 + row * 9, 16, 9);
            PaintFlat(cr, (i + row) % 2 ? CHEQUERED_FLOOR_SAND : CHEQUERED_FLOOR_CREAM);
        }
    }
}

}  // namespace

// Draws the scene; the changes only when altered is set.
void DrawKitchenScene(cairo_t* cr, bool altered) {
    const SceneArea spoon = AreaOf(5, 0), herb = AreaOf(5, 1), cloth = AreaOf(5, 2), towel = AreaOf(5, 3),
                    spice = AreaOf(5, 4);
    DrawTiledWall(cr);
    DrawKitchenWindow(cr);
    DrawFridge(cr);
    DrawSpiceShelf(cr, spice, altered);
    DrawJarShelf(cr, herb, altered);
    DrawUtensilRail(cr);
    DrawCounterTop(cr, spoon, altered);
    DrawCabinets(cr, towel, cloth, altered);
    DrawChequeredFloor(cr);
}
