// Level 9, on sky blue: a day at the seaside.
// Its five changes, in area order:
//   0. sailboat: a sailing boat appears.
//   1. buoy: the buoy is gone.
//   2. gull: the gull flies higher, wings down.
//   3. steamer: the steamer turns round.
//   4. towel: the beach towel's stripes change colour.
#include "scene_kit.h"

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
constexpr Rgb BEACH_TOWEL_BLUE = {60, 120, 220};
constexpr Rgb BEACH_TOWEL_GREEN = {60, 190, 90};
constexpr Rgb BEACH_TOWEL_YELLOW = {250, 220, 60};
constexpr Rgb BEACH_TOWEL_GREY = {120, 120, 140};
constexpr Rgb SANDCASTLE_KHAKI = {226, 190, 120};
constexpr Rgb SANDCASTLE_BROWN = {100, 80, 60};
constexpr Rgb SANDCASTLE_RED = {236, 60, 60};
constexpr Rgb SANDCASTLE_YELLOW = {250, 200, 50};
constexpr Rgb STAR_ORANGE = {250, 140, 90};
constexpr Rgb STAR_ROSE = {240, 110, 110};
constexpr Rgb PALM_TREE_BROWN = {120, 84, 50};
constexpr Rgb PALM_TREE_GREEN = {60, 150, 70};
constexpr Rgb PALM_TREE_BROWN_2 = {120, 90, 50};

// Flying gull: an M of two arcs, wings raised or lowered.
void DrawGull(cairo_t* cr, double cx, double cy, double span, bool wingsDown) {
    const double lift = wingsDown ? -span * 0.28 : span * 0.28;
    cairo_move_to(cr, cx - span / 2, cy - lift * 0.2);
    cairo_curve_to(cr, cx - span * 0.35, cy - lift, cx - span * 0.12, cy - lift, cx, cy);
    cairo_curve_to(cr, cx + span * 0.12, cy - lift, cx + span * 0.35, cy - lift, cx + span / 2, cy - lift * 0.2);
    PaintLine(cr, GULL_CHARCOAL, 2.4);
    EllipsePath(cr, cx, cy + 0.5, 2.4, 1.8);
    PaintFlat(cr, GULL_WHITE);
}

// Sailing boat on the water line waterY.
void DrawSailboat(cairo_t* cr, double cx, double waterY, Rgb sail) {
    cairo_move_to(cr, cx - 8, waterY - 4);
    cairo_line_to(cr, cx + 8, waterY - 4);
    cairo_line_to(cr, cx + 5, waterY);
    cairo_line_to(cr, cx - 5, waterY);
    cairo_close_path(cr);
    PaintShaded(cr, SAILBOAT_BROWN, 0.6);
    LinePath(cr, cx, waterY - 4, cx, waterY - 12.8);
    PaintLine(cr, SAILBOAT_DARK_BROWN, 0.9);
    cairo_move_to(cr, cx + 0.8, waterY - 12.8);
    cairo_line_to(cr, cx + 7, waterY - 5.5);
    cairo_line_to(cr, cx + 0.8, waterY - 5.5);
    cairo_close_path(cr);
    cairo_move_to(cr, cx - 0.8, waterY - 12);
    cairo_line_to(cr, cx - 6, waterY - 5.5);
    cairo_line_to(cr, cx - 0.8, waterY - 5.5);
    cairo_close_path(cr);
    PaintShaded(cr, sail, 0.6);
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
    cairo_restore(cr);
}

// Beach umbrella with stripes, pole planted at (x, footY).
void DrawBeachUmbrella(cairo_t* cr, double x, double footY) {
    LinePath(cr, x, footY, x + 6, footY - 60);
    PaintLine(cr, BEACH_UMBRELLA_SLATE, 2);
    for (int i = 0; i < 6; ++i) {
        const double a0 = M_PI + i * M_PI / 6, a1 = a0 + M_PI / 6;
        cairo_move_to(cr, x + 6, footY - 62);
        cairo_arc(cr, x + 6, footY - 52, 34, a0, a1);
        cairo_close_path(cr);
        PaintShaded(cr, i % 2 ? BEACH_UMBRELLA_WHITE : BEACH_UMBRELLA_RED, 0.7);
    }
}

}  // namespace

// Draws the scene; the changes only when altered is set.
void DrawSeasideScene(cairo_t* cr, bool altered) {
    const SceneArea sailboat = AreaOf(9, 0), buoy = AreaOf(9, 1), gull = AreaOf(9, 2), steamer = AreaOf(9, 3),
                    towel = AreaOf(9, 4);
    const double horizon = steamer.bottom - 2;
    FillGradientRect(cr, 0, 0, SCENE_WIDTH, horizon, BACKDROP_SKY, BACKDROP_ICE);
    DrawSun(cr, 330, 34, 16);
    DrawCloud(cr, 40, 22, 80, 28);
    DrawCloud(cr, 150, 50, 50, 18);
    DrawGull(cr, gull.cx, gull.cy + (altered ? -2 : 2), 22, altered);
    DrawGull(cr, 270, 62, 14, false);
    DrawGull(cr, 290, 74, 11, true);
    // Sea with little wave marks.
    FillGradientRect(cr, 0, horizon, SCENE_WIDTH, 160 - horizon, SEA_BLUE, SEA_SKY);
    unsigned seed = 5;
    for (int i = 0; i < 30; ++i) {
        const double x = NextRandom(&seed) * SCENE_WIDTH, y = horizon + 6 + NextRandom(&seed) * 48;
        bool inArea = false;
        for (int k = 0; k < AREAS_PER_LEVEL; ++k) {
            const SceneArea a = AreaOf(9, k);
            inArea = inArea || (x > a.left - 10 && x < a.right + 10 && y > a.top - 4 && y < a.bottom + 4);
        }
        if (inArea) continue;
        cairo_move_to(cr, x - 5, y);
        cairo_curve_to(cr, x - 2, y - 2, x + 2, y - 2, x + 5, y);
        PaintLine(cr, SEA_ICE, 0.9);
    }
    DrawSteamer(cr, steamer.cx, horizon + 0.4, altered ? -1 : 1);
    if (altered) DrawSailboat(cr, sailboat.cx, sailboat.cy + 7, SAILBOAT_ORANGE);
    if (!altered) {
        EllipsePath(cr, buoy.cx, buoy.cy + 2, 5.5, 1.8);
        PaintFlat(cr, WHITE, 0.5);
        cairo_new_sub_path(cr);
        cairo_arc(cr, buoy.cx, buoy.cy + 1, 4.5, M_PI, 2 * M_PI);
        cairo_close_path(cr);
        PaintShaded(cr, SEA_RED, 0.7);
        RectPath(cr, buoy.cx - 4.4, buoy.cy - 1, 8.8, 1.6);
        PaintFlat(cr, WHITE);
        LinePath(cr, buoy.cx, buoy.cy - 3.5, buoy.cx, buoy.cy - 5);
        PaintLine(cr, SEA_CHARCOAL, 0.9);
    }
    // Beach, foam line and wet sand.
    cairo_move_to(cr, 0, 150);
    cairo_curve_to(cr, 100, 140, 220, 150, SCENE_WIDTH, 142);
    cairo_line_to(cr, SCENE_WIDTH, SCENE_HEIGHT);
    cairo_line_to(cr, 0, SCENE_HEIGHT);
    cairo_close_path(cr);
    PaintShaded(cr, BEACH_SAND, 0);
    cairo_move_to(cr, 0, 150);
    cairo_curve_to(cr, 100, 140, 220, 150, SCENE_WIDTH, 142);
    PaintLine(cr, WHITE, 2.5);
    // Beach towel, its stripes change colour.
    const Rgb stripesA[3] = {BEACH_TOWEL_BLUE, GULL_WHITE, BEACH_TOWEL_BLUE};
    const Rgb stripesB[3] = {BEACH_TOWEL_GREEN, BEACH_TOWEL_YELLOW, BEACH_TOWEL_GREEN};
    for (int i = 0; i < 3; ++i) {
        RectPath(cr, towel.cx - 15 + i * 10, towel.cy - 5.5, 10, 11);
        PaintFlat(cr, altered ? stripesB[i] : stripesA[i]);
    }
    RectPath(cr, towel.cx - 15, towel.cy - 5.5, 30, 11);
    Use(cr, BEACH_TOWEL_GREY);
    cairo_set_line_width(cr, 0.8);
    cairo_stroke(cr);
    DrawBeachUmbrella(cr, 200, 212);
    // Sandcastle, bucket, starfish, shells.
    for (double x : {50.0, 74.0}) {
        RectPath(cr, x - 8, 196, 16, 18);
        PaintShaded(cr, SANDCASTLE_KHAKI, 0.8);
        for (double bx = x - 8; bx < x + 8; bx += 5.4) RectPath(cr, bx, 192, 3.2, 4);
        PaintShaded(cr, SANDCASTLE_KHAKI, 0.6);
    }
    RectPath(cr, 56, 204, 12, 10);
    PaintShaded(cr, SANDCASTLE_KHAKI, 0.8);
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
    DrawStar(cr, 300, 236, 9, STAR_ORANGE, 0.3);
    DrawStar(cr, 160, 250, 6, STAR_ROSE, -0.2);
    // Palm tree on the right.
    cairo_move_to(cr, 338, 214);
    cairo_curve_to(cr, 344, 170, 350, 130, 340, 100);
    PaintLine(cr, PALM_TREE_BROWN, 7);
    for (int i = 0; i < 6; ++i) {
        const double a = -M_PI + i * M_PI / 5;
        cairo_move_to(cr, 340, 100);
        cairo_curve_to(cr, 340 + std::cos(a) * 18, 92 + std::sin(a) * 14, 340 + std::cos(a) * 30, 100 + std::sin(a) * 10,
                       340 + std::cos(a) * 36, 110 + std::sin(a) * 8);
        PaintLine(cr, PALM_TREE_GREEN, 4);
    }
    for (double x : {335.0, 343.0}) {
        EllipsePath(cr, x, 104, 3.5, 3.5);
        PaintShaded(cr, PALM_TREE_BROWN_2, 0.6);
    }
}
