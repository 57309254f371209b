// Level 9, on sky blue: a day at the seaside.
// Its five changes, in area order:
//   0. hut (colour): the beach hut's pink wall is painted dark blue.
//   1. buoy (missing): the buoy is gone.
//   2. banner (colour): the plane's yellow banner is red.
//   3. steamer (orientation): the steamer turns round.
//   4. towel (position): the striped towel lies further to the right.
#include "scenes/scenes.h"

#include <cmath>

namespace {

// The scene's palette.
constexpr Rgb GULL_CHARCOAL = {60, 64, 80};
constexpr Rgb GULL_WHITE = {250, 250, 250};
constexpr Rgb SAILBOAT_BROWN = {170, 90, 50};
constexpr Rgb SAILBOAT_DARK_BROWN = {90, 60, 40};
constexpr Rgb STEAMER_PLUM = {60, 70, 100};
constexpr Rgb STEAMER_RED = {226, 60, 50};
constexpr Rgb BEACH_UMBRELLA_SLATE = {120, 100, 90};
constexpr Rgb BEACH_UMBRELLA_WHITE = {250, 250, 246};
constexpr Rgb BEACH_UMBRELLA_RED = {236, 70, 70};
constexpr Rgb BACKDROP_SKY = {120, 200, 246};
constexpr Rgb BACKDROP_ICE = {210, 240, 252};
constexpr Rgb SEA_BLUE = {40, 140, 200};
constexpr Rgb SEA_SKY = {90, 200, 220};
constexpr Rgb SEA_ICE = {220, 246, 255};
constexpr Rgb SAILBOAT_ORANGE = {250, 120, 60};
constexpr Rgb SEA_RED = {236, 60, 50};
constexpr Rgb SEA_CHARCOAL = {60, 60, 60};
constexpr Rgb BEACH_SAND = {246, 222, 160};
constexpr Rgb SAND_SPECK = {180, 148, 100};
constexpr Rgb WET_SAND = {214, 186, 130};
constexpr Rgb BEACH_TOWEL_BLUE = {60, 120, 220};
constexpr Rgb BEACH_TOWEL_GREY = {120, 120, 140};
constexpr Rgb SANDCASTLE_KHAKI = {226, 190, 120};
constexpr Rgb SANDCASTLE_BROWN = {100, 80, 60};
constexpr Rgb SANDCASTLE_RED = {236, 60, 60};
constexpr Rgb SANDCASTLE_YELLOW = {250, 200, 50};
constexpr Rgb STAR_ORANGE = {250, 140, 90};
constexpr Rgb STAR_ROSE = {240, 110, 110};
constexpr Rgb PALM_TREE_BROWN = {120, 84, 50};
constexpr Rgb PALM_TREE_GREEN = {60, 150, 70};
constexpr Rgb COCONUT_BROWN = {120, 90, 50};
constexpr Rgb HUT_PINK = {240, 150, 170};
constexpr Rgb HUT_NAVY = {40, 100, 160};
constexpr Rgb HUT_ROOF_RED = {200, 70, 70};
constexpr Rgb HUT_TRIM_WHITE = {250, 248, 240};
constexpr Rgb HUT_WOOD = {170, 120, 80};
constexpr Rgb BANNER_YELLOW = {250, 220, 80};
constexpr Rgb BANNER_RED = {210, 64, 56};
constexpr Rgb PLANE_WHITE = {244, 244, 250};
constexpr Rgb PLANE_BLUE = {70, 110, 200};
constexpr Rgb KITE_ORANGE = {250, 150, 50};
constexpr Rgb KITE_PURPLE = {140, 80, 190};
constexpr Rgb SKIN_PEACH = {246, 200, 160};
constexpr Rgb HAIR_BROWN = {110, 70, 40};
constexpr Rgb SWIMSUIT_GREEN = {60, 170, 110};
constexpr Rgb SWIMSUIT_PURPLE = {150, 70, 170};
constexpr Rgb SUNBATHER_TOWEL_ORANGE = {250, 170, 60};
constexpr Rgb BALL_BLUE = {60, 120, 230};
constexpr Rgb CRAB_RED = {226, 80, 60};
constexpr Rgb SHELL_CREAM = {250, 232, 210};
constexpr Rgb SHELL_PINK = {244, 176, 170};
constexpr Rgb FOOTPRINT_SAND = {214, 182, 120};
constexpr Rgb LIGHTHOUSE_WHITE = {250, 250, 250};
constexpr Rgb ISLET_GREY = {110, 110, 120};
constexpr Rgb WINDBREAK_GREEN = {70, 170, 120};

// Flying gull: an M of two arcs, wings raised or lowered.
void DrawGull(cairo_t* cr, double cx, double cy, double span, bool wingsDown) {
    const double lift = wingsDown ? -span * 0.28 : span * 0.28;
    cairo_move_to(cr, cx - span / 2, cy - lift * 0.2);
    cairo_curve_to(cr, cx - span * 0.35, cy - lift, cx - span * 0.12, cy - lift, cx, cy);
    cairo_curve_to(cr, cx + span * 0.12, cy - lift, cx + span * 0.35, cy - lift, cx + span / 2, cy - lift * 0.2);
    PaintLine(cr, GULL_CHARCOAL, 2.0);
    EllipsePath(cr, cx, cy + 0.5, 2.0, 1.5);
    PaintFlat(cr, GULL_WHITE);
}

// Sailing boat on the water line waterY, scaled by size.
void DrawSailboat(cairo_t* cr, double cx, double waterY, double size, Rgb sail) {
    cairo_save(cr);
    cairo_translate(cr, cx, waterY);
    cairo_scale(cr, size, size);
    cairo_move_to(cr, -8, -4);
    cairo_line_to(cr, 8, -4);
    cairo_line_to(cr, 5, 0);
    cairo_line_to(cr, -5, 0);
    cairo_close_path(cr);
    PaintShaded(cr, SAILBOAT_BROWN, 0.6);
    LinePath(cr, 0, -4, 0, -12.8);
    PaintLine(cr, SAILBOAT_DARK_BROWN, 0.9);
    cairo_move_to(cr, 0.8, -12.8);
    cairo_line_to(cr, 7, -5.5);
    cairo_line_to(cr, 0.8, -5.5);
    cairo_close_path(cr);
    cairo_move_to(cr, -0.8, -12);
    cairo_line_to(cr, -6, -5.5);
    cairo_line_to(cr, -0.8, -5.5);
    cairo_close_path(cr);
    PaintShaded(cr, sail, 0.6);
    cairo_restore(cr);
}

// Little steamer on the horizon; facing +1 bow to the right.
void DrawSteamer(cairo_t* cr, double cx, double waterY, double facing) {
    cairo_save(cr);
    cairo_translate(cr, cx, waterY);
    cairo_scale(cr, facing, 1);
    cairo_move_to(cr, -6.3, -3.5);
    cairo_line_to(cr, 6.3, -3.5);
    cairo_line_to(cr, 3.5, 0);
    cairo_line_to(cr, -5.5, 0);
    cairo_close_path(cr);
    PaintShaded(cr, STEAMER_PLUM, 0.5);
    RectPath(cr, -5, -6.5, 7, 3);
    PaintShaded(cr, GULL_WHITE, 0.5);
    RectPath(cr, -3.5, -9.4, 2.6, 3);
    PaintShaded(cr, STEAMER_RED, 0.5);
    for (double x : {-3.5, -1.0, 1.5}) {
        CirclePath(cr, x, -5, 0.6);
    }
    PaintFlat(cr, STEAMER_PLUM);
    cairo_restore(cr);
}

// Beach umbrella with stripes, pole planted at (x, footY).
void DrawBeachUmbrella(cairo_t* cr, double x, double footY) {
    LinePath(cr, x, footY, x + 6, footY - 60);
    PaintLine(cr, BEACH_UMBRELLA_SLATE, 2);
    // Six wedges of the canopy, each a real arc from the top of the pole.
    for (int i = 0; i < 6; ++i) {
        const double a0 = M_PI + i * M_PI / 6, a1 = a0 + M_PI / 6;
        cairo_move_to(cr, x + 6, footY - 62);
        cairo_arc(cr, x + 6, footY - 52, 34, a0, a1);
        cairo_close_path(cr);
        PaintShaded(cr, i % 2 ? BEACH_UMBRELLA_WHITE : BEACH_UMBRELLA_RED, 0.7);
    }
}

// Beach hut whose wall panel fills wallLeft..wallRight, wallTop..wallBottom
// exactly, framed by white corner boards, a red roof and a wooden step.
void DrawBeachHut(cairo_t* cr, double wallLeft, double wallTop, double wallRight, double wallBottom, Rgb wall) {
    const double cx = (wallLeft + wallRight) / 2;
    RectPath(cr, wallLeft - 4, wallBottom, wallRight - wallLeft + 8, 4);
    PaintShaded(cr, HUT_WOOD, 0.6);
    RectPath(cr, wallLeft, wallTop, wallRight - wallLeft, wallBottom - wallTop);
    PaintFlat(cr, wall);
    for (double x = wallLeft + 3.5; x < wallRight - 1; x += 4) LinePath(cr, x, wallTop + 0.5, x, wallBottom - 0.5);
    PaintLine(cr, Darker(wall, 0.15), 0.6);
    RectPath(cr, cx - 3.5, wallTop + 5, 7, wallBottom - wallTop - 5);
    PaintFlat(cr, Darker(wall, 0.35));
    CirclePath(cr, cx + 2, wallTop + 10, 0.8);
    PaintFlat(cr, HUT_TRIM_WHITE);
    for (double x : {wallLeft - 3.6, wallRight + 0.6}) {
        RectPath(cr, x, wallTop - 1, 3, wallBottom - wallTop + 2);
        PaintFillThenOutline(cr, HUT_TRIM_WHITE, 0.6);
    }
    cairo_move_to(cr, wallLeft - 7, wallTop - 0.6);
    cairo_line_to(cr, cx, wallTop - 14);
    cairo_line_to(cr, wallRight + 7, wallTop - 0.6);
    cairo_close_path(cr);
    PaintShaded(cr, HUT_ROOF_RED, 0.8);
}

// Light plane flying left, towing a rope to x ropeEnd.
void DrawPlane(cairo_t* cr, double cx, double cy, double ropeEnd) {
    LinePath(cr, cx + 9, cy, ropeEnd, cy);
    PaintLine(cr, GULL_CHARCOAL, 0.6);
    RoundedRectPath(cr, cx - 10, cy - 2.5, 20, 5, 2.5);
    PaintShaded(cr, PLANE_WHITE, 0.7);
    cairo_move_to(cr, cx + 6, cy - 2);
    cairo_line_to(cr, cx + 10, cy - 7);
    cairo_line_to(cr, cx + 11, cy - 1);
    cairo_close_path(cr);
    PaintShaded(cr, PLANE_BLUE, 0.6);
    EllipsePath(cr, cx - 1, cy + 0.5, 6, 1.6);
    PaintShaded(cr, PLANE_BLUE, 0.6);
    EllipsePath(cr, cx - 6, cy - 1, 1.8, 1.2);
    PaintFlat(cr, SEA_SKY);
    LinePath(cr, cx - 11, cy - 4, cx - 11, cy + 4);
    PaintLine(cr, GULL_CHARCOAL, 0.8);
}

// Kite: a diamond of four panels with a tail of bows.
void DrawKite(cairo_t* cr, double cx, double cy) {
    const double quarters[4][4] = {{0, -11, -8, 0}, {0, -11, 8, 0}, {-8, 0, 0, 9}, {8, 0, 0, 9}};
    for (int i = 0; i < 4; ++i) {
        cairo_move_to(cr, cx, cy);
        cairo_line_to(cr, cx + quarters[i][0], cy + quarters[i][1]);
        cairo_line_to(cr, cx + quarters[i][2], cy + quarters[i][3]);
        cairo_close_path(cr);
        PaintFillThenOutline(cr, (i == 0 || i == 3) ? KITE_ORANGE : KITE_PURPLE, 0.7);
    }
    cairo_move_to(cr, cx, cy + 9);
    cairo_curve_to(cr, cx - 6, cy + 16, cx + 6, cy + 22, cx - 2, cy + 30);
    PaintLine(cr, GULL_CHARCOAL, 0.6);
    for (int i = 0; i < 3; ++i) {
        const double bx = cx + (i == 1 ? 1.5 : -1.5), by = cy + 15 + i * 6;
        cairo_move_to(cr, bx - 2.5, by - 1.5);
        cairo_line_to(cr, bx + 2.5, by + 1.5);
        cairo_line_to(cr, bx + 2.5, by - 1.5);
        cairo_line_to(cr, bx - 2.5, by + 1.5);
        cairo_close_path(cr);
        PaintFillThenOutline(cr, i % 2 ? KITE_ORANGE : KITE_PURPLE, 0.5);
    }
}

// A child standing on footY, one arm raised to hold a string at the returned point.
void DrawChild(cairo_t* cr, double cx, double footY, Rgb suit) {
    for (double side : {-1.0, 1.0}) {
        LinePath(cr, cx + side * 2, footY - 9, cx + side * 3, footY);
        PaintLine(cr, Darker(SKIN_PEACH, 0.35), 3.2);
        LinePath(cr, cx + side * 2, footY - 9, cx + side * 3, footY);
        PaintLine(cr, SKIN_PEACH, 2.2);
    }
    LinePath(cr, cx + 3, footY - 17, cx + 8, footY - 24);
    LinePath(cr, cx - 3, footY - 17, cx - 7, footY - 11);
    PaintLine(cr, Darker(SKIN_PEACH, 0.35), 2.8);
    LinePath(cr, cx + 3, footY - 17, cx + 8, footY - 24);
    LinePath(cr, cx - 3, footY - 17, cx - 7, footY - 11);
    PaintLine(cr, SKIN_PEACH, 1.8);
    RoundedRectPath(cr, cx - 4, footY - 19, 8, 11, 3);
    PaintOutlineThenShadedFill(cr, suit, footY - 19, footY - 8, 0.6);
    CirclePath(cr, cx, footY - 23, 4);
    PaintOutlineThenShadedFill(cr, SKIN_PEACH, footY - 27, footY - 19, 0.6);
    DomePath(cr, cx, footY - 23.5, 4.2);
    PaintFlat(cr, HAIR_BROWN);
}

// Sunbather lying face up on a towel, head to the left.
void DrawSunbather(cairo_t* cr, double left, double y) {
    RectPath(cr, left, y - 5, 44, 11);
    PaintFillThenOutline(cr, SUNBATHER_TOWEL_ORANGE, 0.6);
    for (double x = left + 6; x < left + 44; x += 8) {
        RectPath(cr, x, y - 5, 3, 11);
    }
    PaintFlat(cr, BEACH_UMBRELLA_WHITE);
    LinePath(cr, left + 18, y, left + 38, y - 1);
    PaintLine(cr, Darker(SKIN_PEACH, 0.35), 4.4);
    LinePath(cr, left + 18, y, left + 38, y - 1);
    PaintLine(cr, SKIN_PEACH, 3.4);
    RoundedRectPath(cr, left + 9, y - 3.5, 12, 7, 3);
    PaintOutlineThenShadedFill(cr, SWIMSUIT_PURPLE, y - 3.5, y + 3.5, 0.6);
    CirclePath(cr, left + 6, y, 3.6);
    PaintOutlineThenShadedFill(cr, SKIN_PEACH, y - 3.6, y + 3.6, 0.6);
    EllipsePath(cr, left + 5, y - 1, 2.6, 1.2);
    PaintFlat(cr, GULL_CHARCOAL);
}

// Beach ball of three coloured segments and white.
void DrawBeachBall(cairo_t* cr, double cx, double cy, double r) {
    const Rgb segments[4] = {SANDCASTLE_RED, GULL_WHITE, BALL_BLUE, SANDCASTLE_YELLOW};
    // Quarter wedges: real arcs from the centre.
    for (int i = 0; i < 4; ++i) {
        cairo_move_to(cr, cx, cy);
        cairo_arc(cr, cx, cy, r, i * M_PI / 2, (i + 1) * M_PI / 2);
        cairo_close_path(cr);
        PaintFlat(cr, segments[i]);
    }
    CirclePath(cr, cx, cy, r);
    Use(cr, GULL_CHARCOAL);
    cairo_set_line_width(cr, 0.7);
    cairo_stroke(cr);
}

// Crab with raised claws.
void DrawCrab(cairo_t* cr, double cx, double cy) {
    for (double side : {-1.0, 1.0}) {
        for (int leg = 0; leg < 3; ++leg) LinePath(cr, cx + side * 3, cy + leg, cx + side * 7, cy + 1 + leg * 1.6);
        LinePath(cr, cx + side * 4, cy - 2, cx + side * 6, cy - 6);
    }
    PaintLine(cr, Darker(CRAB_RED, 0.3), 0.9);
    for (double side : {-1.0, 1.0}) {
        EllipsePath(cr, cx + side * 6.5, cy - 7, 1.8, 1.4);
    }
    PaintFillThenOutline(cr, CRAB_RED, 0.6);
    EllipsePath(cr, cx, cy, 5, 3.4);
    PaintShaded(cr, CRAB_RED, 0.7);
    for (double side : {-1.0, 1.0}) {
        CirclePath(cr, cx + side * 1.6, cy - 3.2, 0.8);
    }
    PaintFlat(cr, GULL_CHARCOAL);
}

// Scallop shell: a ribbed fan.
void DrawShell(cairo_t* cr, double cx, double cy, double r, Rgb hue) {
    // The fan: a real arc from the hinge.
    cairo_move_to(cr, cx, cy + r * 0.5);
    cairo_arc(cr, cx, cy + r * 0.5, r, M_PI * 1.1, M_PI * 1.9);
    cairo_close_path(cr);
    PaintFillThenOutline(cr, hue, 0.6);
    for (double a = M_PI * 1.25; a < M_PI * 1.8; a += M_PI * 0.15) {
        LinePath(cr, cx, cy + r * 0.5, cx + std::cos(a) * r * 0.9, cy + r * 0.5 + std::sin(a) * r * 0.9);
    }
    PaintLine(cr, Darker(hue, 0.3), 0.5);
}

// Lighthouse on a rocky islet on the horizon.
void DrawLighthouse(cairo_t* cr, double cx, double waterY) {
    EllipsePath(cr, cx, waterY, 16, 4);
    PaintShaded(cr, ISLET_GREY, 0.7);
    cairo_move_to(cr, cx - 4, waterY - 2);
    cairo_line_to(cr, cx - 2.6, waterY - 24);
    cairo_line_to(cr, cx + 2.6, waterY - 24);
    cairo_line_to(cr, cx + 4, waterY - 2);
    cairo_close_path(cr);
    PaintShaded(cr, LIGHTHOUSE_WHITE, 0.7);
    for (double y : {waterY - 8, waterY - 17}) {
        RectPath(cr, cx - 3.6, y, 7.2, 3.5);
        PaintFlat(cr, SANDCASTLE_RED);
    }
    RectPath(cr, cx - 3, waterY - 29, 6, 5);
    PaintFillThenOutline(cr, SANDCASTLE_YELLOW, 0.6);
    cairo_move_to(cr, cx - 3.6, waterY - 29);
    cairo_line_to(cr, cx, waterY - 33);
    cairo_line_to(cr, cx + 3.6, waterY - 29);
    cairo_close_path(cr);
    PaintFlat(cr, SANDCASTLE_RED);
}

// Swimmer's head and waving arm above the water.
void DrawSwimmer(cairo_t* cr, double cx, double waterY) {
    EllipsePath(cr, cx, waterY + 0.5, 7, 2);
    PaintFlat(cr, SEA_ICE, 0.8);
    LinePath(cr, cx + 2.5, waterY, cx + 6, waterY - 7);
    PaintLine(cr, Darker(SKIN_PEACH, 0.35), 2.6);
    LinePath(cr, cx + 2.5, waterY, cx + 6, waterY - 7);
    PaintLine(cr, SKIN_PEACH, 1.6);
    CirclePath(cr, cx, waterY - 2.5, 3);
    PaintOutlineThenFill(cr, SKIN_PEACH, 0.6);
    DomePath(cr, cx, waterY - 3, 3.2);
    PaintFlat(cr, SANDCASTLE_RED);
}

// Checked picnic blanket with a basket on it.
void DrawPicnic(cairo_t* cr, double left, double top, int columns, int rows) {
    const double cell = 4;
    for (int r = 0; r < rows; ++r) {
        for (int c = 0; c < columns; ++c) {
            RectPath(cr, left + c * cell, top + r * cell, cell, cell);
            PaintFlat(cr, (r + c) % 2 ? HUT_TRIM_WHITE : SANDCASTLE_RED);
        }
    }
    const double basketX = left + columns * cell * 0.7, basketY = top + rows * cell * 0.5;
    // The basket's handle: a real arc, stroked.
    cairo_new_sub_path(cr);
    cairo_arc(cr, basketX, basketY - 2, 5, M_PI, 2 * M_PI);
    PaintLine(cr, HUT_WOOD, 1.2);
    RoundedRectPath(cr, basketX - 7, basketY - 2, 14, 8, 2);
    PaintShaded(cr, HUT_WOOD, 0.7);
    for (double x = basketX - 5; x < basketX + 6; x += 2.5) LinePath(cr, x, basketY - 1, x, basketY + 5);
    PaintLine(cr, Darker(HUT_WOOD, 0.3), 0.5);
}

// Striped deck chair seen from the side, facing left.
void DrawDeckChair(cairo_t* cr, double x, double footY) {
    LinePath(cr, x, footY, x + 14, footY - 20);
    LinePath(cr, x + 14, footY, x + 4, footY - 10);
    PaintLine(cr, HUT_WOOD, 1.4);
    cairo_move_to(cr, x + 2, footY - 8);
    cairo_curve_to(cr, x + 6, footY - 4, x + 10, footY - 12, x + 14, footY - 20);
    cairo_line_to(cr, x + 10, footY - 21);
    cairo_curve_to(cr, x + 7, footY - 14, x + 4, footY - 10, x, footY - 11);
    cairo_close_path(cr);
    PaintFillThenOutline(cr, BALL_BLUE, 0.6);
    for (double t = 0.25; t < 1; t += 0.25) {
        LinePath(cr, x + 1 + t * 12, footY - 9 - t * 11, x + 2 + t * 10, footY - 10 - t * 10);
    }
    PaintLine(cr, HUT_TRIM_WHITE, 1.2);
}

// Red and white rubber ring floating on the water.
void DrawRubberRing(cairo_t* cr, double cx, double cy) {
    // Six pieces of a squashed ring, each between two real arcs.
    for (int i = 0; i < 6; ++i) {
        cairo_new_sub_path(cr);
        cairo_save(cr);
        cairo_translate(cr, cx, cy);
        cairo_scale(cr, 1, 0.45);
        cairo_arc(cr, 0, 0, 7, i * M_PI / 3, (i + 1) * M_PI / 3);
        cairo_arc_negative(cr, 0, 0, 3.5, (i + 1) * M_PI / 3, i * M_PI / 3);
        cairo_restore(cr);
        cairo_close_path(cr);
        PaintFlat(cr, i % 2 ? HUT_TRIM_WHITE : SANDCASTLE_RED);
    }
}

// Lifeguard's flag, red over yellow, on a pole planted at footY.
void DrawLifeguardFlag(cairo_t* cr, double x, double footY) {
    LinePath(cr, x, footY, x, footY - 26);
    PaintLine(cr, SEA_CHARCOAL, 1);
    RectPath(cr, x + 0.5, footY - 26, 10, 4);
    PaintFlat(cr, SANDCASTLE_RED);
    RectPath(cr, x + 0.5, footY - 22, 10, 4);
    PaintFlat(cr, SANDCASTLE_YELLOW);
}

// Sky down to the horizon: the sun, clouds and gulls.
void DrawSky(cairo_t* cr, double horizon) {
    FillGradientRect(cr, 0, 0, SCENE_WIDTH, horizon, BACKDROP_SKY, BACKDROP_ICE);
    DrawSun(cr, 330, 34, 16);
    DrawCloud(cr, 30, 16, 80, 28);
    DrawCloud(cr, 136, 48, 50, 18);
    DrawCloud(cr, 262, 62, 40, 14);
    DrawGull(cr, 176, 14, 16, true);
    DrawGull(cr, 270, 52, 14, false);
    DrawGull(cr, 290, 70, 11, true);
    DrawGull(cr, 110, 34, 10, false);
    DrawGull(cr, 196, 78, 9, true);
    DrawGull(cr, 60, 58, 8, true);
}

// Plane towing the banner; the banner's colour is the change.
void DrawBannerPlane(cairo_t* cr, const SceneArea& banner, bool red) {
    DrawPlane(cr, banner.left - 16, banner.cy, banner.left + 2);
    RectPath(cr, banner.left + 2, banner.top + 2, banner.w - 3, banner.h - 3);
    PaintOutlineThenFill(cr, red ? BANNER_RED : BANNER_YELLOW, 0.5);
    UseFont(cr, FONT_BOLD, 8);
    DrawTextCentered(cr, "SURF", banner.cx, banner.cy, INK);
}

// Sea with little wave marks (clear of the areas), far boats, a lighthouse,
// swimmers and rubber rings.
void DrawSea(cairo_t* cr, double horizon) {
    FillGradientRect(cr, 0, horizon, SCENE_WIDTH, 160 - horizon, SEA_BLUE, SEA_SKY);
    unsigned seed = 5;
    for (int i = 0; i < 330; ++i) {
        const double x = NextRandom(&seed) * SCENE_WIDTH, y = horizon + 4 + NextRandom(&seed) * 48;
        if (NearAnArea(9, x, y, 6)) continue;
        cairo_move_to(cr, x - 4, y);
        cairo_curve_to(cr, x - 2, y - 2, x + 2, y - 2, x + 4, y);
        PaintLine(cr, SEA_ICE, 0.9);
    }
    DrawLighthouse(cr, 24, horizon + 1);
    DrawSailboat(cr, 206, horizon + 12, 0.9, SAILBOAT_ORANGE);
    DrawSailboat(cr, 250, horizon + 6, 0.6, HUT_TRIM_WHITE);
    DrawSailboat(cr, 100, horizon + 20, 0.8, SWIMSUIT_GREEN);
    DrawSwimmer(cr, 170, 128);
    DrawSwimmer(cr, 240, 134);
    DrawRubberRing(cr, 118, 132);
    DrawRubberRing(cr, 334, 122);
}

// Red buoy bobbing in its ring of foam.
void DrawBuoy(cairo_t* cr, const SceneArea& buoy) {
    EllipsePath(cr, buoy.cx, buoy.cy + 3.6, 5.4, 1.6);
    PaintFlat(cr, WHITE, 0.6);
    DomePath(cr, buoy.cx, buoy.cy + 3, 5.2);
    PaintShaded(cr, SEA_RED, 0.7);
    RectPath(cr, buoy.cx - 4.8, buoy.cy - 0.6, 9.6, 1.8);
    PaintFlat(cr, WHITE);
    LinePath(cr, buoy.cx, buoy.cy - 2.4, buoy.cx, buoy.cy - 4.4);
    PaintLine(cr, SEA_CHARCOAL, 1.0);
    CirclePath(cr, buoy.cx, buoy.cy - 4.6, 1.3);
    PaintFlat(cr, SANDCASTLE_YELLOW);
}

// Beach, foam line, wet sand and a scatter of sand (clear of the areas).
void DrawBeach(cairo_t* cr) {
    cairo_move_to(cr, 0, 150);
    cairo_curve_to(cr, 100, 140, 220, 150, SCENE_WIDTH, 142);
    cairo_line_to(cr, SCENE_WIDTH, SCENE_HEIGHT);
    cairo_line_to(cr, 0, SCENE_HEIGHT);
    cairo_close_path(cr);
    PaintShaded(cr, BEACH_SAND, 0);
    cairo_move_to(cr, 0, 153);
    cairo_curve_to(cr, 100, 143, 220, 153, SCENE_WIDTH, 145);
    PaintLine(cr, WET_SAND, 1.5);
    cairo_move_to(cr, 0, 150);
    cairo_curve_to(cr, 100, 140, 220, 150, SCENE_WIDTH, 142);
    PaintLine(cr, WHITE, 2.5);
    unsigned sandSeed = 41;
    for (int i = 0; i < 640; ++i) {
        const double x = NextRandom(&sandSeed) * SCENE_WIDTH, y = 158 + NextRandom(&sandSeed) * 112;
        if (NearAnArea(9, x, y, 3)) continue;
        EllipsePath(cr, x, y, 1.0, 0.7);
        PaintFlat(cr, SAND_SPECK);
    }
}

// Footprints from the hut across the sand.
void DrawFootprints(cairo_t* cr) {
    for (int i = 0; i < 9; ++i) {
        const double x = 286 - i * 7, y = 160 + i * 9 + (i % 2) * 2;
        EllipsePath(cr, x, y, 1.4, 2.4, 0.5);
        PaintFlat(cr, FOOTPRINT_SAND);
    }
}

// Striped towel; where it lies is the change.
void DrawTowel(cairo_t* cr, const SceneArea& towel, bool moved) {
    const double towelLeft = moved ? towel.right - 25 : towel.left + 3;
    for (int i = 0; i < 3; ++i) {
        RectPath(cr, towelLeft + i * 7.4, towel.top + 3, 7.4, 12);
        PaintFlat(cr, i % 2 ? GULL_WHITE : BEACH_TOWEL_BLUE);
    }
    RectPath(cr, towelLeft, towel.top + 3, 22.2, 12);
    Use(cr, BEACH_TOWEL_GREY);
    cairo_set_line_width(cr, 0.8);
    cairo_stroke(cr);
}

// Windbreak on the left.
void DrawWindbreak(cairo_t* cr) {
    for (int i = 0; i < 5; ++i) {
        RectPath(cr, 4 + i * 6, 160, 6, 14);
        PaintFlat(cr, i % 2 ? HUT_TRIM_WHITE : WINDBREAK_GREEN);
    }
    for (double x = 4; x <= 34; x += 6) LinePath(cr, x, 157, x, 177);
    PaintLine(cr, HUT_WOOD, 1.2);
}

// Sandcastle with its flag, the bucket and the spade.
void DrawSandcastle(cairo_t* cr) {
    for (double x : {50.0, 74.0}) {
        RectPath(cr, x - 8, 196, 16, 18);
        PaintShaded(cr, SANDCASTLE_KHAKI, 0.8);
        for (double bx = x - 8; bx < x + 8; bx += 5.4) RectPath(cr, bx, 192, 3.2, 4);
        PaintShaded(cr, SANDCASTLE_KHAKI, 0.6);
    }
    RectPath(cr, 56, 204, 12, 10);
    PaintShaded(cr, SANDCASTLE_KHAKI, 0.8);
    RectPath(cr, 59, 207, 6, 7);
    PaintFlat(cr, SANDCASTLE_BROWN);
    LinePath(cr, 74, 192, 74, 180);
    PaintLine(cr, SANDCASTLE_BROWN, 0.8);
    cairo_move_to(cr, 74, 180);
    cairo_line_to(cr, 82, 183);
    cairo_line_to(cr, 74, 186);
    cairo_close_path(cr);
    PaintFlat(cr, SANDCASTLE_RED);
    cairo_move_to(cr, 100, 228);
    cairo_line_to(cr, 124, 228);
    cairo_line_to(cr, 120, 246);
    cairo_line_to(cr, 104, 246);
    cairo_close_path(cr);
    PaintShaded(cr, SANDCASTLE_YELLOW, 0.8);
    cairo_move_to(cr, 101, 228);
    cairo_curve_to(cr, 104, 218, 120, 218, 123, 228);
    PaintLine(cr, SANDCASTLE_BROWN, 0.8);
    LinePath(cr, 128, 246, 136, 226);
    PaintLine(cr, HUT_WOOD, 1.4);
    EllipsePath(cr, 137, 224, 2.2, 3.4, 0.4);
    PaintFillThenOutline(cr, BALL_BLUE, 0.6);
}

// Starfish, shells, a crab and a ball on the sand.
void DrawBeachFinds(cairo_t* cr) {
    DrawStar(cr, 300, 236, 9, STAR_ORANGE, 0.3);
    DrawStar(cr, 160, 250, 6, STAR_ROSE, -0.2);
    const double shells[][3] = {{20, 232, 3.5}, {94, 260, 3}, {190, 262, 3.5}, {244, 222, 3}, {326, 256, 3.5},
                                {358, 230, 3}, {146, 186, 2.5}, {176, 230, 3}, {14, 200, 3}, {268, 256, 2.5}};
    for (int i = 0; i < 10; ++i) DrawShell(cr, shells[i][0], shells[i][1], shells[i][2], i % 2 ? SHELL_PINK : SHELL_CREAM);
    DrawCrab(cr, 34, 252);
    DrawBeachBall(cr, 256, 204, 6);
}

// People on the beach: a sunbather, a picnic, deck chairs, the lifeguard's
// flags and a child flying a kite.
void DrawBeachgoers(cairo_t* cr) {
    DrawSunbather(cr, 196, 240);
    DrawPicnic(cr, 232, 250, 14, 4);
    DrawDeckChair(cr, 262, 196);
    DrawDeckChair(cr, 300, 188);
    DrawLifeguardFlag(cr, 236, 186);
    DrawLifeguardFlag(cr, 366, 200);
    cairo_move_to(cr, 158, 196);
    cairo_curve_to(cr, 140, 150, 100, 100, 84, 78);
    PaintLine(cr, GULL_CHARCOAL, 0.5);
    DrawKite(cr, 84, 68);
    DrawChild(cr, 150, 220, SWIMSUIT_GREEN);
}

// Palm tree on the right.
void DrawPalmTree(cairo_t* cr) {
    cairo_move_to(cr, 338, 214);
    cairo_curve_to(cr, 344, 170, 350, 130, 340, 100);
    PaintLine(cr, PALM_TREE_BROWN, 7);
    for (double y = 120; y < 212; y += 9) {
        const double t = (y - 100) / 114;
        const double x = 340 + 6 * t;
        LinePath(cr, x - 3, y, x + 3, y - 1.5);
    }
    PaintLine(cr, Darker(PALM_TREE_BROWN, 0.3), 0.8);
    for (int i = 0; i < 6; ++i) {
        const double a = -M_PI + i * M_PI / 5;
        cairo_move_to(cr, 340, 100);
        cairo_curve_to(cr, 340 + std::cos(a) * 18, 92 + std::sin(a) * 14, 340 + std::cos(a) * 30, 100 + std::sin(a) * 10,
                       340 + std::cos(a) * 36, 110 + std::sin(a) * 8);
        PaintLine(cr, PALM_TREE_GREEN, 4);
    }
    for (double x : {335.0, 343.0}) {
        CirclePath(cr, x, 104, 3.5);
        PaintShaded(cr, COCONUT_BROWN, 0.6);
    }
}

}  // namespace

// Draws the scene; the changes only when altered is set.
void DrawSeasideScene(cairo_t* cr, bool altered) {
    const SceneArea hut = AreaOf(9, 0), buoy = AreaOf(9, 1), banner = AreaOf(9, 2), steamer = AreaOf(9, 3),
                    towel = AreaOf(9, 4);
    const double horizon = steamer.bottom - 2;
    DrawSky(cr, horizon);
    DrawBannerPlane(cr, banner, altered);
    DrawSea(cr, horizon);
    // The steamer turns round; the buoy is gone.
    DrawSteamer(cr, steamer.cx, horizon + 0.4, altered ? -1 : 1);
    if (!altered) DrawBuoy(cr, buoy);
    DrawBeach(cr);
    DrawBeachHut(cr, hut.left + 2, hut.top + 2, hut.right - 1, hut.bottom - 1, altered ? HUT_NAVY : HUT_PINK);
    DrawFootprints(cr);
    DrawTowel(cr, towel, altered);
    DrawBeachUmbrella(cr, 200, 212);
    DrawWindbreak(cr);
    DrawSandcastle(cr);
    DrawBeachFinds(cr);
    DrawBeachgoers(cr);
    DrawPalmTree(cr);
}
