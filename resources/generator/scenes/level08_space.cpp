// Level 8, on navy: a walk on the moon.
// Its five changes, in area order:
//   0. planet: the ringed planet's ring tilts the other way.
//   1. flag: the flag on the moon is gone.
//   2. rocket: the rocket turns from white to yellow.
//   3. saucer: a flying saucer appears.
//   4. crater: the crater is wider.
#include "scene_kit.h"

#include <cmath>

namespace {

// The scene's palette.
constexpr Rgb RINGED_PLANET_SAND = {240, 210, 150};
constexpr Rgb RINGED_PLANET_TAN = {226, 150, 90};
constexpr Rgb RINGED_PLANET_ORANGE = {200, 120, 70};
constexpr Rgb ROCKET_RED = {220, 60, 60};
constexpr Rgb ROCKET_SKY = {110, 190, 240};
constexpr Rgb SAUCER_SAND = {255, 240, 140};
constexpr Rgb SAUCER_MINT = {150, 230, 200};
constexpr Rgb SAUCER_SILVER = {170, 176, 190};
constexpr Rgb SAUCER_YELLOW = {255, 230, 90};
constexpr Rgb ASTRONAUT_ICE = {240, 242, 246};
constexpr Rgb ASTRONAUT_SILVER = {200, 200, 206};
constexpr Rgb ASTRONAUT_BLUE = {90, 140, 220};
constexpr Rgb ASTRONAUT_GOLD = {230, 170, 60};
constexpr Rgb BACKDROP_BLACK = {6, 10, 34};
constexpr Rgb BACKDROP_NAVY = {30, 30, 80};
constexpr Rgb STAR_WHITE = {255, 255, 240};
constexpr Rgb EARTH_BLUE = {70, 130, 220};
constexpr Rgb EARTH_GREEN = {90, 180, 100};
constexpr Rgb EARTH_BLACK = {0, 0, 20};
constexpr Rgb SPACE_STATION_SILVER = {200, 204, 214};
constexpr Rgb SPACE_STATION_BLUE = {60, 90, 170};
constexpr Rgb SPACE_STATION_ICE = {220, 224, 232};
constexpr Rgb ROCKET_FLAME_GOLD = {255, 180, 60};
constexpr Rgb ROCKET_YELLOW = {250, 200, 60};
constexpr Rgb ROCKET_ICE = {236, 238, 244};
constexpr Rgb MOON_GROUND_SILVER = {186, 186, 196};
constexpr Rgb MOON_GROUND_GREY = {120, 120, 134};
constexpr Rgb MOON_GROUND_SLATE = {110, 110, 124};
constexpr Rgb MOON_GROUND_RED = {230, 60, 60};

// Planet with a ring tilted by tilt radians: back half, ball, front half.
void DrawRingedPlanet(cairo_t* cr, double cx, double cy, double r, double tilt) {
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    cairo_rotate(cr, tilt);
    cairo_new_sub_path(cr);
    cairo_save(cr);
    cairo_scale(cr, r * 1.9, r * 0.55);
    cairo_arc(cr, 0, 0, 1, M_PI, 2 * M_PI);
    cairo_restore(cr);
    PaintLine(cr, RINGED_PLANET_SAND, 1.6);
    EllipsePath(cr, 0, 0, r, r);
    PaintShaded(cr, RINGED_PLANET_TAN, 0.7);
    LinePath(cr, -r * 0.9, -r * 0.3, r * 0.9, -r * 0.3);
    PaintLine(cr, RINGED_PLANET_ORANGE, 1);
    cairo_new_sub_path(cr);
    cairo_save(cr);
    cairo_scale(cr, r * 1.9, r * 0.55);
    cairo_arc(cr, 0, 0, 1, 0, M_PI);
    cairo_restore(cr);
    PaintLine(cr, RINGED_PLANET_SAND, 1.6);
    cairo_restore(cr);
}

// Rocket pointing up, nose at top; body hue is the change.
void DrawRocket(cairo_t* cr, double cx, double top, double bottom, Rgb body) {
    const double h = bottom - top, w = 12;
    for (double side : {-1.0, 1.0}) {
        cairo_move_to(cr, cx + side * w * 0.4, bottom - h * 0.35);
        cairo_line_to(cr, cx + side * w * 0.95, bottom - 1);
        cairo_line_to(cr, cx + side * w * 0.4, bottom - 4);
        cairo_close_path(cr);
        PaintShaded(cr, ROCKET_RED, 0.7);
    }
    cairo_move_to(cr, cx, top);
    cairo_curve_to(cr, cx + w * 0.75, top + h * 0.25, cx + w * 0.55, bottom - h * 0.2, cx + w * 0.4, bottom - 3);
    cairo_line_to(cr, cx - w * 0.4, bottom - 3);
    cairo_curve_to(cr, cx - w * 0.55, bottom - h * 0.2, cx - w * 0.75, top + h * 0.25, cx, top);
    cairo_close_path(cr);
    PaintShaded(cr, body, 0.8);
    EllipsePath(cr, cx, top + h * 0.4, 3.2, 3.2);
    PaintFillThenOutline(cr, ROCKET_SKY, 1.2);
}

// Little flying saucer with a glass dome and lights.
void DrawSaucer(cairo_t* cr, double cx, double cy) {
    cairo_move_to(cr, cx - 3, cy + 3);
    cairo_line_to(cr, cx + 3, cy + 3);
    cairo_line_to(cr, cx + 6, cy + 10);
    cairo_line_to(cr, cx - 6, cy + 10);
    cairo_close_path(cr);
    PaintFlat(cr, SAUCER_SAND, 0.45);
    cairo_new_sub_path(cr);
    cairo_arc(cr, cx, cy - 1, 3.8, M_PI, 2 * M_PI);
    cairo_close_path(cr);
    PaintShaded(cr, SAUCER_MINT, 0.6);
    EllipsePath(cr, cx, cy + 1, 7, 2.8);
    PaintShaded(cr, SAUCER_SILVER, 0.7);
    for (double x : {-4.0, 0.0, 4.0}) {
        EllipsePath(cr, cx + x, cy + 1.3, 0.9, 0.9);
    }
    PaintFlat(cr, SAUCER_YELLOW);
}

// Astronaut standing, waving with the right hand.
void DrawAstronaut(cairo_t* cr, double cx, double baseY) {
    const Rgb suit = ASTRONAUT_ICE;
    DropShadow(cr, cx, baseY, 16, 3);
    for (double side : {-1.0, 1.0}) {
        RoundedRectPath(cr, cx + side * 5 - 4, baseY - 18, 8, 18, 3);
        PaintShaded(cr, suit, 0.8);
    }
    RoundedRectPath(cr, cx - 16, baseY - 40, 8, 14, 3);
    PaintShaded(cr, ASTRONAUT_SILVER, 0.8);
    RoundedRectPath(cr, cx - 10, baseY - 40, 20, 24, 6);
    PaintShaded(cr, suit, 0.9);
    cairo_move_to(cr, cx + 8, baseY - 36);
    cairo_line_to(cr, cx + 16, baseY - 48);
    PaintLine(cr, Darker(suit, 0.4), 6.5);
    cairo_move_to(cr, cx + 8, baseY - 36);
    cairo_line_to(cr, cx + 16, baseY - 48);
    PaintLine(cr, suit, 5);
    cairo_move_to(cr, cx - 8, baseY - 36);
    cairo_line_to(cr, cx - 11, baseY - 24);
    PaintLine(cr, Darker(suit, 0.4), 6.5);
    cairo_move_to(cr, cx - 8, baseY - 36);
    cairo_line_to(cr, cx - 11, baseY - 24);
    PaintLine(cr, suit, 5);
    RectPath(cr, cx - 4, baseY - 34, 8, 6);
    PaintFillThenOutline(cr, ASTRONAUT_BLUE, 0.6);
    EllipsePath(cr, cx, baseY - 49, 10, 10);
    PaintShaded(cr, suit, 0.9);
    EllipsePath(cr, cx + 1, baseY - 49, 7, 5.5);
    PaintShaded(cr, ASTRONAUT_GOLD, 0.7);
    EllipsePath(cr, cx - 2, baseY - 51, 2, 1.2);
    PaintFlat(cr, WHITE, 0.8);
}

}  // namespace

// Draws the scene; the changes only when altered is set.
void DrawSpaceScene(cairo_t* cr, bool altered) {
    const SceneArea planet = AreaOf(8, 0), flag = AreaOf(8, 1), rocket = AreaOf(8, 2), saucer = AreaOf(8, 3),
                    crater = AreaOf(8, 4);
    FillGradientRect(cr, 0, 0, SCENE_WIDTH, 220, BACKDROP_BLACK, BACKDROP_NAVY);
    unsigned seed = 19;
    for (int i = 0; i < 90; ++i) {
        const double x = NextRandom(&seed) * SCENE_WIDTH, y = NextRandom(&seed) * 200;
        const double r = 0.4 + NextRandom(&seed);
        const double alpha = 0.4 + NextRandom(&seed) * 0.6;
        // Keep the areas' sky clear so the changes there read cleanly.
        bool inArea = false;
        for (int k = 0; k < AREAS_PER_LEVEL; ++k) {
            const SceneArea a = AreaOf(8, k);
            inArea = inArea || (x > a.left - 2 && x < a.right + 2 && y > a.top - 2 && y < a.bottom + 2);
        }
        if (inArea) continue;
        EllipsePath(cr, x, y, r, r);
        PaintFlat(cr, STAR_WHITE, alpha);
    }
    // The Earth, half lit.
    EllipsePath(cr, 62, 56, 26, 26);
    PaintShaded(cr, EARTH_BLUE, 1);
    const double lands[3][4] = {{54, 46, 9, 6}, {70, 62, 8, 9}, {50, 66, 5, 4}};
    for (const auto& land : lands) {
        EllipsePath(cr, land[0], land[1], land[2], land[3]);
        PaintFlat(cr, EARTH_GREEN);
    }
    cairo_new_sub_path(cr);
    cairo_arc(cr, 62, 56, 26, -M_PI / 2, M_PI / 2);
    cairo_curve_to(cr, 74, 70, 74, 42, 62, 30);
    cairo_close_path(cr);
    PaintFlat(cr, EARTH_BLACK, 0.35);
    DrawRingedPlanet(cr, planet.cx, planet.cy, 4.2, altered ? 0.42 : -0.42);
    // Space station far off.
    RectPath(cr, 184, 40, 30, 6);
    PaintShaded(cr, SPACE_STATION_SILVER, 0.6);
    for (double x : {176.0, 214.0}) {
        RectPath(cr, x, 32, 8, 22);
        PaintShaded(cr, SPACE_STATION_BLUE, 0.6);
    }
    EllipsePath(cr, 199, 43, 6, 6);
    PaintShaded(cr, SPACE_STATION_ICE, 0.6);
    if (altered) DrawSaucer(cr, saucer.cx, saucer.cy - 3);
    // Rocket lifting off with its flame trail.
    cairo_move_to(cr, rocket.cx - 4, rocket.bottom - 5);
    cairo_curve_to(cr, rocket.cx - 5, rocket.bottom + 6, rocket.cx - 1, rocket.bottom + 10, rocket.cx, rocket.bottom + 18);
    cairo_curve_to(cr, rocket.cx + 1, rocket.bottom + 10, rocket.cx + 5, rocket.bottom + 6, rocket.cx + 4, rocket.bottom - 5);
    cairo_close_path(cr);
    PaintShaded(cr, ROCKET_FLAME_GOLD, 0);
    DrawRocket(cr, rocket.cx, rocket.top + 4, rocket.bottom - 4, altered ? ROCKET_YELLOW : ROCKET_ICE);
    // Moon ground with craters.
    cairo_move_to(cr, 0, 204);
    cairo_curve_to(cr, 100, 196, 220, 214, SCENE_WIDTH, 200);
    cairo_line_to(cr, SCENE_WIDTH, SCENE_HEIGHT);
    cairo_line_to(cr, 0, SCENE_HEIGHT);
    cairo_close_path(cr);
    PaintShaded(cr, MOON_GROUND_SILVER, 1);
    const double craters[4][3] = {{210, 250, 16}, {300, 236, 10}, {60, 256, 12}, {350, 262, 8}};
    for (const auto& c : craters) {
        EllipsePath(cr, c[0], c[1], c[2], c[2] * 0.32);
        PaintShaded(cr, MOON_GROUND_GREY, 0.8);
    }
    const double craterW = altered ? 18 : 10;
    EllipsePath(cr, crater.cx, crater.cy, craterW, craterW * 0.3);
    PaintShaded(cr, MOON_GROUND_SLATE, 0.8);
    DrawAstronaut(cr, 200, 226);
    if (!altered) {
        LinePath(cr, flag.cx - 3, flag.bottom - 3, flag.cx - 3, flag.top + 3);
        PaintLine(cr, ASTRONAUT_SILVER, 1.2);
        RectPath(cr, flag.cx - 2.5, flag.top + 3.5, 8, 6);
        PaintFillThenOutline(cr, MOON_GROUND_RED, 0.6);
        DrawStar(cr, flag.cx + 1.5, flag.top + 6.5, 2, WHITE);
    }
}
