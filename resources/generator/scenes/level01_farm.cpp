// Level 1, on khaki: a farm on a summer afternoon.
// The first level teaches: five bold changes among a few big objects.
// Its five changes, in area order:
//   0. loft (shape): the open hayloft is shut by its white-braced doors.
//   1. apples (added): ten red apples grow on the tree.
//   2. silo (colour): the silo turns from light grey to deep blue.
//   3. pig (orientation): the pig turns to face right.
//   4. sun (added): a cloud drifts over the sun and hides it.
#include "scenes/scenes.h"

#include <cmath>

namespace {

// The scene's palette.
constexpr Rgb PIG_PINK = {246, 172, 178};
constexpr Rgb PIG_PLUM = {120, 60, 70};
constexpr Rgb PIG_CHARCOAL = {30, 25, 30};
constexpr Rgb SILO_CHARCOAL = {70, 70, 76};
constexpr Rgb SILO_DOME_SILVER = {196, 200, 206};
constexpr Rgb BARN_RED = {186, 52, 44};
constexpr Rgb BARN_CREAM = {246, 242, 232};
constexpr Rgb BARN_DARK_BROWN = {58, 34, 26};
constexpr Rgb BARN_YELLOW = {236, 196, 84};
constexpr Rgb HEN_ORANGE = {230, 150, 40};
constexpr Rgb HEN_TAIL_WHITE = {250, 250, 246};
constexpr Rgb HEN_BODY_WHITE = {252, 252, 248};
constexpr Rgb HEN_RED = {220, 40, 40};
constexpr Rgb HEN_GOLD = {240, 170, 40};
constexpr Rgb HEN_BLACK = {20, 20, 20};
constexpr Rgb FENCE_KHAKI = {214, 184, 140};
constexpr Rgb HAY_BALE_TAN = {232, 196, 96};
constexpr Rgb HAY_BALE_OLIVE = {180, 140, 60};
constexpr Rgb BACKDROP_SKY = {170, 212, 232};
constexpr Rgb BACKDROP_CREAM = {236, 236, 208};
constexpr Rgb HILLS_GREEN = {150, 186, 96};
constexpr Rgb MEADOW_GREEN = {160, 196, 96};
constexpr Rgb MEADOW_OLIVE = {116, 160, 70};
constexpr Rgb PATH_TAN = {204, 176, 124};
constexpr Rgb SILO_BLUE = {36, 86, 160};
constexpr Rgb SILO_BODY_SILVER = {176, 182, 188};
constexpr Rgb TREE_GREEN = {82, 150, 64};
constexpr Rgb APPLE_TREE_RED = {222, 40, 36};
constexpr Rgb FLOWER_WHITE = {250, 250, 250};
constexpr Rgb FLOWER_YELLOW = {246, 200, 60};

// Pink pig standing, snout towards facing (-1 left, +1 right).
void DrawPig(cairo_t* cr, double cx, double cy, double facing) {
    const Rgb pink = PIG_PINK;
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    cairo_scale(cr, facing, 1);
    DropShadow(cr, 0, 15, 20, 3.5);
    for (double legX : {-11.0, -5.0, 6.0, 12.0}) {
        RoundedRectPath(cr, legX - 2.5, 4, 5, 11, 2);
        PaintShaded(cr, Darker(pink, 0.08), 0.9);
    }
    // Curly tail at the back.
    cairo_move_to(cr, -16, -3);
    cairo_curve_to(cr, -21, -6, -21, 1, -18, -1);
    PaintLine(cr, Darker(pink, 0.35), 1.2);
    EllipsePath(cr, -1, -1, 16, 10);
    PaintShaded(cr, pink, 1.0);
    // Head, ear, snout and eye.
    EllipsePath(cr, 14, -5, 8.5, 8);
    PaintShaded(cr, pink, 1.0);
    cairo_move_to(cr, 10, -11);
    cairo_line_to(cr, 12, -18);
    cairo_line_to(cr, 16, -12);
    cairo_close_path(cr);
    PaintFillThenOutline(cr, Darker(pink, 0.1), 0.9);
    EllipsePath(cr, 21, -3, 3.5, 4);
    PaintFillThenOutline(cr, Darker(pink, 0.12), 0.9);
    EllipsePath(cr, 20.2, -3.2, 0.7, 1);
    EllipsePath(cr, 22, -3.2, 0.7, 1);
    PaintFlat(cr, PIG_PLUM);
    EllipsePath(cr, 16, -8, 1.2, 1.4);
    PaintFlat(cr, PIG_CHARCOAL);
    cairo_restore(cr);
}

// Tall farm silo: cylinder with bands and a dome.
void DrawSilo(cairo_t* cr, double left, double top, double right, double bottom, Rgb body) {
    const double w = right - left, cx = (left + right) / 2, domeH = w * 0.42;
    DropShadow(cr, cx + 4, bottom, w * 0.62, 4);
    cairo_pattern_t* shade = cairo_pattern_create_linear(left, 0, right, 0);
    const Rgb lit = Lighter(body, 0.35), dark = Darker(body, 0.3);
    AddStop(shade, 0, dark);
    AddStop(shade, 0.35, lit);
    AddStop(shade, 1, dark);
    RectPath(cr, left, top + domeH, w, bottom - top - domeH);
    cairo_set_source(cr, shade);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(shade);
    Use(cr, Darker(body, 0.6));
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
    for (double y = top + domeH + 16; y < bottom - 6; y += 18) {
        LinePath(cr, left + 0.5, y, right - 0.5, y);
    }
    PaintLine(cr, Darker(body, 0.35), 1.2);
    // Ladder up the right side.
    LinePath(cr, right - 9, top + domeH + 4, right - 9, bottom);
    LinePath(cr, right - 4, top + domeH + 4, right - 4, bottom);
    for (double y = top + domeH + 8; y < bottom; y += 8) LinePath(cr, right - 9, y, right - 4, y);
    PaintLine(cr, SILO_CHARCOAL, 0.9);
    DomePath(cr, cx, top + domeH, w / 2);
    PaintShaded(cr, SILO_DOME_SILVER, 1.0);
}

// Red barn: gable roof, hayloft opening (or its shut doors), big door.
void DrawBarn(cairo_t* cr, const SceneArea& loft, bool loftShut) {
    const Rgb red = BARN_RED;
    const double left = 66, right = 184, wallTop = 90, bottom = 190, cx = (left + right) / 2;
    DropShadow(cr, cx + 6, bottom, 66, 5);
    RectPath(cr, left, wallTop, right - left, bottom - wallTop);
    PaintShaded(cr, red, 1.2);
    cairo_move_to(cr, left - 2, wallTop + 1);
    cairo_line_to(cr, cx, 48);
    cairo_line_to(cr, right + 2, wallTop + 1);
    cairo_close_path(cr);
    PaintShaded(cr, red, 1.2);
    // Siding planks.
    for (double x = left + 8; x < right - 2; x += 8) LinePath(cr, x, wallTop + 2, x, bottom - 1);
    PaintLine(cr, Darker(red, 0.2), 0.7);
    // White roof trim.
    cairo_move_to(cr, left - 6, wallTop + 4);
    cairo_line_to(cr, cx, 44);
    cairo_line_to(cr, right + 6, wallTop + 4);
    PaintLine(cr, BARN_CREAM, 4);
    // Big door with its cross braces.
    const double doorL = cx - 22, doorT = 146, doorW = 44, doorH = bottom - 146;
    RectPath(cr, doorL, doorT, doorW, doorH);
    PaintFillThenOutline(cr, Darker(red, 0.15), 1);
    RectPath(cr, doorL + 2, doorT + 2, doorW - 4, doorH - 4);
    LinePath(cr, doorL + 2, doorT + 2, doorL + doorW - 2, doorT + doorH - 2);
    LinePath(cr, doorL + doorW - 2, doorT + 2, doorL + 2, doorT + doorH - 2);
    LinePath(cr, cx, doorT + 2, cx, doorT + doorH);
    PaintLine(cr, BARN_CREAM, 2.2);
    // Hayloft: an opening full of hay, or two white-braced doors.
    const double wl = loft.left + 3.5, wt = loft.top + 3.5, ww = loft.w - 7, wh = loft.h - 7;
    RectPath(cr, wl, wt, ww, wh);
    PaintFillThenOutline(cr, BARN_CREAM, 1);
    if (!loftShut) {
        RectPath(cr, wl + 2.5, wt + 2.5, ww - 5, wh - 5);
        PaintFlat(cr, BARN_DARK_BROWN);
        cairo_move_to(cr, wl + 2.5, wt + wh - 2.5);
        for (int i = 0; i <= 8; ++i) {
            const double x = wl + 2.5 + (ww - 5) * i / 8.0;
            cairo_line_to(cr, x, wt + wh * ((i % 2) ? 0.42 : 0.5));
        }
        cairo_line_to(cr, wl + ww - 2.5, wt + wh - 2.5);
        cairo_close_path(cr);
        PaintShaded(cr, BARN_YELLOW, 0.8);
    } else {
        RectPath(cr, wl + 2.5, wt + 2.5, ww - 5, wh - 5);
        PaintShaded(cr, Darker(red, 0.1), 0.8);
        LinePath(cr, wl + ww / 2, wt + 2.5, wl + ww / 2, wt + wh - 2.5);
        LinePath(cr, wl + 3, wt + 3, wl + ww / 2, wt + wh - 3);
        LinePath(cr, wl + ww / 2, wt + 3, wl + 3, wt + wh - 3);
        LinePath(cr, wl + ww / 2, wt + 3, wl + ww - 3, wt + wh - 3);
        LinePath(cr, wl + ww - 3, wt + 3, wl + ww / 2, wt + wh - 3);
        PaintLine(cr, BARN_CREAM, 1.6);
    }
}

// White hen pecking, facing left.
void DrawHen(cairo_t* cr, double cx, double cy) {
    LinePath(cr, cx - 2, cy + 5, cx - 3, cy + 10);
    LinePath(cr, cx + 2, cy + 5, cx + 3, cy + 10);
    PaintLine(cr, HEN_ORANGE, 1.1);
    cairo_move_to(cr, cx + 7, cy - 3);
    cairo_line_to(cr, cx + 12, cy - 8);
    cairo_line_to(cr, cx + 10, cy + 1);
    cairo_close_path(cr);
    PaintFillThenOutline(cr, HEN_TAIL_WHITE, 0.8);
    EllipsePath(cr, cx, cy, 9, 6.5);
    PaintShaded(cr, HEN_BODY_WHITE, 0.9);
    CirclePath(cr, cx - 7, cy - 6, 4.2);
    PaintShaded(cr, HEN_BODY_WHITE, 0.9);
    EllipsePath(cr, cx - 7.5, cy - 10.5, 1.8, 1.6);
    PaintFlat(cr, HEN_RED);
    cairo_move_to(cr, cx - 11, cy - 6.5);
    cairo_line_to(cr, cx - 14, cy - 5);
    cairo_line_to(cr, cx - 11, cy - 4);
    PaintFlat(cr, HEN_GOLD);
    CirclePath(cr, cx - 8, cy - 6.5, 0.8);
    PaintFlat(cr, HEN_BLACK);
}

// Post-and-rail fence along the whole width.
void DrawFence(cairo_t* cr, double railY) {
    const Rgb wood = FENCE_KHAKI;
    RectPath(cr, 0, railY, SCENE_WIDTH, 4);
    RectPath(cr, 0, railY + 12, SCENE_WIDTH, 4);
    PaintShaded(cr, wood, 0.8);
    for (double x = 6; x < SCENE_WIDTH; x += 34) {
        RoundedRectPath(cr, x, railY - 6, 6, 28, 2);
        PaintShaded(cr, wood, 0.9);
    }
}

// Round hay bale with its spiral.
void DrawHayBale(cairo_t* cr, double cx, double cy, double r) {
    DropShadow(cr, cx, cy + r, r * 1.1, 2.5);
    CirclePath(cr, cx, cy, r);
    PaintShaded(cr, HAY_BALE_TAN, 1);
    // The spiral: two real arcs, the inner one carrying on from the outer.
    cairo_arc(cr, cx, cy, r * 0.6, 0, 1.6 * M_PI);
    cairo_arc(cr, cx, cy, r * 0.3, 1.6 * M_PI, 3.2 * M_PI);
    PaintLine(cr, HAY_BALE_OLIVE, 0.9);
}

// Sky, clouds and the sun, and the cloud that drifts over it.
void DrawSkyAndSun(cairo_t* cr, const SceneArea& sun, bool altered) {
    FillGradientRect(cr, 0, 0, SCENE_WIDTH, 170, BACKDROP_SKY, BACKDROP_CREAM);
    DrawCloud(cr, 86, 14, 62, 24);
    DrawCloud(cr, 190, 40, 44, 16);
    DrawSun(cr, sun.cx, sun.cy, 8.5);
    if (altered) DrawCloud(cr, sun.cx - 19, sun.cy - 12, 38, 25);
}

// Rolling hills behind the yard, the meadow and the dirt path from the barn door.
void DrawHillsAndPath(cairo_t* cr) {
    cairo_move_to(cr, 0, 150);
    cairo_curve_to(cr, 80, 120, 160, 160, 240, 140);
    cairo_curve_to(cr, 300, 125, 340, 140, SCENE_WIDTH, 132);
    cairo_line_to(cr, SCENE_WIDTH, SCENE_HEIGHT);
    cairo_line_to(cr, 0, SCENE_HEIGHT);
    cairo_close_path(cr);
    PaintShaded(cr, HILLS_GREEN, 0);
    FillGradientRect(cr, 0, 172, SCENE_WIDTH, SCENE_HEIGHT - 172, MEADOW_GREEN, MEADOW_OLIVE);
    cairo_move_to(cr, 108, 190);
    cairo_curve_to(cr, 100, 220, 60, 240, 40, SCENE_HEIGHT);
    cairo_line_to(cr, 150, SCENE_HEIGHT);
    cairo_curve_to(cr, 150, 240, 140, 215, 142, 190);
    cairo_close_path(cr);
    PaintFlat(cr, PATH_TAN);
}

// Apple tree by the field; the apples grow in the changed copy.
void DrawAppleTree(cairo_t* cr, const SceneArea& apples, bool altered) {
    DrawTree(cr, apples.cx, 178, 112, TREE_GREEN);
    if (!altered) return;
    const double spots[][2] = {{-15, -7}, {-5, 1}, {8, -8}, {15, 4}, {0, -8.5}, {-14, 6}, {5, 9}, {15, -5},
                               {-6, -5}, {9, 2}};
    for (const auto& spot : spots) {
        CirclePath(cr, apples.cx + spot[0], apples.cy + spot[1], 4);
        PaintShaded(cr, APPLE_TREE_RED, 0.8);
    }
}

// Flowers in the foreground grass, clear of the pig's area.
void DrawGrassFlowers(cairo_t* cr, const SceneArea& pig) {
    for (int i = 0; i < 9; ++i) {
        const double x = 12 + i * 41.0, y = 248 + (i % 3) * 6;
        if (x > pig.left - 6 && x < pig.right + 6) continue;
        DrawFlower(cr, x, y, 4, i % 2 ? FLOWER_WHITE : FLOWER_YELLOW);
    }
}

}  // namespace

// Draws the scene; the changes only when altered is set.
void DrawFarmScene(cairo_t* cr, bool altered) {
    const SceneArea loft = AreaOf(1, 0), apples = AreaOf(1, 1), silo = AreaOf(1, 2), pig = AreaOf(1, 3),
                    sun = AreaOf(1, 4);
    DrawSkyAndSun(cr, sun, altered);
    DrawHillsAndPath(cr);
    DrawSilo(cr, silo.left + 8, silo.top + 6, silo.right - 8, silo.bottom - 6,
             altered ? SILO_BLUE : SILO_BODY_SILVER);
    DrawBarn(cr, loft, altered);
    DrawAppleTree(cr, apples, altered);
    DrawHayBale(cr, 236, 178, 12);
    DrawHayBale(cr, 262, 182, 10);
    DrawFence(cr, 196);
    DrawGrassFlowers(cr, pig);
    DrawHen(cr, 80, 232);
    DrawHen(cr, 122, 246);
    DrawHen(cr, 300, 240);
    // The pig turns round in the changed copy.
    DrawPig(cr, pig.cx - 1, pig.cy + 2, altered ? 1 : -1);
}
