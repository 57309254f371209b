// Level 8, on navy: a walk on the moon.
// Its five changes, in area order:
//   0. planet (orientation): the ringed planet's ring tilts the other way.
//   1. flag (missing): the flag on the moon is gone.
//   2. rocket (colour): the white rocket is painted a darker red.
//   3. saucer (added): a flying saucer hovers in the sky.
//   4. crater (size): the crater is wider.
#include "scenes/scenes.h"

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
constexpr Rgb ROCKET_BRICK = {176, 52, 44};
constexpr Rgb ROCKET_ICE = {236, 238, 244};
constexpr Rgb MOON_GROUND_SILVER = {186, 186, 196};
constexpr Rgb MOON_GROUND_GREY = {120, 120, 134};
constexpr Rgb MOON_GROUND_SLATE = {110, 110, 124};
constexpr Rgb MOON_GROUND_RED = {230, 60, 60};
constexpr Rgb MOON_HILL_GREY = {96, 98, 118};
constexpr Rgb MOON_ROCK_GREY = {150, 150, 162};
constexpr Rgb FOOTPRINT_GREY = {140, 140, 152};
constexpr Rgb FAR_PLANET_VIOLET = {150, 110, 200};
constexpr Rgb FAR_PLANET_ROSE = {220, 110, 120};
constexpr Rgb COMET_ICE = {200, 230, 255};
constexpr Rgb SATELLITE_GOLD = {220, 180, 80};
constexpr Rgb LANDER_GOLD = {226, 180, 70};
constexpr Rgb ROVER_SILVER = {210, 212, 220};
constexpr Rgb ROVER_CHARCOAL = {50, 52, 60};
constexpr Rgb GIANT_PLANET_PEACH = {236, 170, 120};
constexpr Rgb GIANT_PLANET_BROWN = {170, 100, 70};
constexpr Rgb DOME_GLASS = {150, 210, 240};
constexpr Rgb TRACK_GREY = {118, 118, 132};

// Planet with a ring tilted by tilt radians: back half, ball, front half.
// The ring's halves are real arcs of its ellipse.
void DrawRingedPlanet(cairo_t* cr, double cx, double cy, double r, double tilt) {
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    cairo_rotate(cr, tilt);
    cairo_new_sub_path(cr);
    cairo_save(cr);
    cairo_scale(cr, r * 1.9, r * 0.55);
    cairo_arc(cr, 0, 0, 1, M_PI, 2 * M_PI);
    cairo_restore(cr);
    PaintLine(cr, RINGED_PLANET_SAND, 2.2);
    CirclePath(cr, 0, 0, r);
    PaintShaded(cr, RINGED_PLANET_TAN, 0.7);
    LinePath(cr, -r * 0.9, -r * 0.3, r * 0.9, -r * 0.3);
    PaintLine(cr, RINGED_PLANET_ORANGE, 1);
    cairo_new_sub_path(cr);
    cairo_save(cr);
    cairo_scale(cr, r * 1.9, r * 0.55);
    cairo_arc(cr, 0, 0, 1, 0, M_PI);
    cairo_restore(cr);
    PaintLine(cr, RINGED_PLANET_SAND, 2.2);
    cairo_restore(cr);
}

// Rocket pointing up, nose at top; body hue is the change.
void DrawRocket(cairo_t* cr, double cx, double top, double bottom, Rgb body) {
    const double h = bottom - top, w = 14;
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
    CirclePath(cr, cx, top + h * 0.4, 3.2);
    PaintFillThenOutline(cr, ROCKET_SKY, 1.2);
}

// Flying saucer with a glass dome, a row of lights and a wide beam that
// reaches down by beamLength.
void DrawSaucer(cairo_t* cr, double cx, double cy, double beamLength) {
    cairo_move_to(cr, cx - 6.8, cy + 2);
    cairo_line_to(cr, cx + 6.8, cy + 2);
    cairo_line_to(cr, cx + 7.9, cy + beamLength);
    cairo_line_to(cr, cx - 7.9, cy + beamLength);
    cairo_close_path(cr);
    PaintFlat(cr, SAUCER_SAND, 0.7);
    // The glass dome: a real arc, the upper half of a squashed circle.
    cairo_new_sub_path(cr);
    cairo_save(cr);
    cairo_translate(cr, cx, cy - 1.5);
    cairo_scale(cr, 5.8, 5.6);
    cairo_arc(cr, 0, 0, 1, M_PI, 2 * M_PI);
    cairo_restore(cr);
    cairo_close_path(cr);
    PaintShaded(cr, SAUCER_MINT, 0.6);
    EllipsePath(cr, cx, cy + 0.5, 7.2, 3.4);
    PaintShaded(cr, SAUCER_SILVER, 0.7);
    for (double x : {-4.5, -1.5, 1.5, 4.5}) {
        CirclePath(cr, cx + x, cy + 0.9, 1);
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
    CirclePath(cr, cx, baseY - 49, 10);
    PaintShaded(cr, suit, 0.9);
    EllipsePath(cr, cx + 1, baseY - 49, 7, 5.5);
    PaintShaded(cr, ASTRONAUT_GOLD, 0.7);
    EllipsePath(cr, cx - 2, baseY - 51, 2, 1.2);
    PaintFlat(cr, WHITE, 0.8);
}

// Small banded planet far away.
void DrawFarPlanet(cairo_t* cr, double cx, double cy, double r, Rgb hue) {
    CirclePath(cr, cx, cy, r);
    PaintShaded(cr, hue, 0.6);
    for (double band : {-0.35, 0.25}) {
        LinePath(cr, cx - r * 0.85, cy + r * band, cx + r * 0.85, cy + r * band);
        PaintLine(cr, Darker(hue, 0.3), std::max(0.8, r * 0.18));
    }
}

// Satellite: a gold box between two gridded solar panels, an antenna dish.
void DrawSatellite(cairo_t* cr, double cx, double cy) {
    for (double side : {-1.0, 1.0}) {
        const double x = side < 0 ? cx - 17 : cx + 5;
        RectPath(cr, x, cy - 4, 12, 8);
        PaintFillThenOutline(cr, SPACE_STATION_BLUE, 0.8);
        for (double gx = x + 3; gx < x + 12; gx += 3) LinePath(cr, gx, cy - 4, gx, cy + 4);
        LinePath(cr, x, cy, x + 12, cy);
        PaintLine(cr, SPACE_STATION_ICE, 0.5);
    }
    RectPath(cr, cx - 5, cy - 5, 10, 10);
    PaintShaded(cr, SATELLITE_GOLD, 0.8);
    LinePath(cr, cx, cy - 5, cx + 3, cy - 10);
    PaintLine(cr, SPACE_STATION_SILVER, 0.8);
    EllipsePath(cr, cx + 3.5, cy - 10.5, 2.4, 1.2, -0.5);
    PaintFillThenOutline(cr, SPACE_STATION_ICE, 0.6);
}

// Comet: an icy head with a fading tail streaming up to the left.
void DrawComet(cairo_t* cr, double cx, double cy) {
    for (int i = 0; i < 3; ++i) {
        LinePath(cr, cx, cy, cx - 30 + i * 4, cy - 12 - i * 3);
        Use(cr, COMET_ICE, 0.55 - i * 0.12);
        cairo_set_line_width(cr, 2.4 - i * 0.6);
        cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
        cairo_stroke(cr);
    }
    CirclePath(cr, cx, cy, 2.6);
    PaintShaded(cr, COMET_ICE, 0.5);
}

// Lunar lander standing on four splayed legs, its base at baseY.
void DrawLander(cairo_t* cr, double cx, double baseY) {
    for (double side : {-1.0, 1.0}) {
        LinePath(cr, cx + side * 6, baseY - 12, cx + side * 14, baseY);
        LinePath(cr, cx + side * 3, baseY - 12, cx + side * 7, baseY);
        PaintLine(cr, ROVER_CHARCOAL, 1.2);
        RectPath(cr, cx + side * 14 - 3, baseY - 1, 6, 1.6);
        PaintFlat(cr, ROVER_CHARCOAL);
    }
    RectPath(cr, cx - 10, baseY - 18, 20, 8);
    PaintShaded(cr, LANDER_GOLD, 0.8);
    for (double x = cx - 7; x < cx + 9; x += 4) LinePath(cr, x, baseY - 18, x, baseY - 10);
    PaintLine(cr, Darker(LANDER_GOLD, 0.3), 0.5);
    cairo_move_to(cr, cx - 8, baseY - 18);
    cairo_line_to(cr, cx - 6, baseY - 28);
    cairo_line_to(cr, cx + 6, baseY - 28);
    cairo_line_to(cr, cx + 8, baseY - 18);
    cairo_close_path(cr);
    PaintShaded(cr, SPACE_STATION_ICE, 0.8);
    CirclePath(cr, cx - 2, baseY - 23, 2);
    PaintFillThenOutline(cr, ROCKET_SKY, 0.6);
    LinePath(cr, cx + 4, baseY - 28, cx + 6, baseY - 34);
    PaintLine(cr, SPACE_STATION_SILVER, 0.8);
}

// Moon rover on four wheels with a dish on a mast.
void DrawRover(cairo_t* cr, double cx, double baseY) {
    RectPath(cr, cx - 12, baseY - 10, 24, 5);
    PaintShaded(cr, ROVER_SILVER, 0.8);
    LinePath(cr, cx + 7, baseY - 10, cx + 7, baseY - 17);
    PaintLine(cr, ROVER_CHARCOAL, 0.8);
    EllipsePath(cr, cx + 7, baseY - 18, 3.2, 1.5, 0.3);
    PaintFillThenOutline(cr, SPACE_STATION_ICE, 0.6);
    for (double x : {-9.0, -3.0, 3.0, 9.0}) {
        CirclePath(cr, cx + x, baseY - 3, 2.6);
        PaintFillThenOutline(cr, ROVER_CHARCOAL, 0.6);
        CirclePath(cr, cx + x, baseY - 3, 0.9);
        PaintFlat(cr, ROVER_SILVER);
    }
}

// A big banded planet rising at the scene's right edge.
void DrawGiantPlanet(cairo_t* cr, double cx, double cy, double r) {
    CirclePath(cr, cx, cy, r);
    PaintShaded(cr, GIANT_PLANET_PEACH, 1);
    cairo_save(cr);
    CirclePath(cr, cx, cy, r - 1);
    cairo_clip(cr);
    for (double band = -0.7; band < 0.8; band += 0.28) {
        cairo_move_to(cr, cx - r, cy + r * band);
        cairo_curve_to(cr, cx - r * 0.3, cy + r * band - 3, cx + r * 0.3, cy + r * band + 3, cx + r, cy + r * band);
        PaintLine(cr, GIANT_PLANET_BROWN, 1.6);
    }
    EllipsePath(cr, cx - r * 0.35, cy + r * 0.1, r * 0.16, r * 0.1);
    PaintFillThenOutline(cr, MOON_GROUND_RED, 0.6);
    cairo_restore(cr);
}

// Moon base: a glass dome on a ring, with its airlock.
void DrawMoonBase(cairo_t* cr, double cx, double baseY) {
    RectPath(cr, cx + 10, baseY - 8, 10, 8);
    PaintShaded(cr, SPACE_STATION_SILVER, 0.8);
    RectPath(cr, cx + 16, baseY - 6, 3, 6);
    PaintFlat(cr, ROVER_CHARCOAL);
    DomePath(cr, cx, baseY - 2, 14);
    PaintShaded(cr, DOME_GLASS, 0.9);
    for (double a : {-2.4, -1.57, -0.74}) {
        LinePath(cr, cx, baseY - 2, cx + std::cos(a) * 14, baseY - 2 + std::sin(a) * 14);
    }
    PaintLine(cr, Darker(DOME_GLASS, 0.35), 0.7);
    RectPath(cr, cx - 16, baseY - 3, 32, 4);
    PaintShaded(cr, SPACE_STATION_SILVER, 0.8);
}

// A grey moon rock sitting on the ground.
void DrawMoonRock(cairo_t* cr, double cx, double cy, double r) {
    cairo_move_to(cr, cx - r, cy);
    cairo_curve_to(cr, cx - r, cy - r * 0.9, cx - r * 0.2, cy - r, cx + r * 0.3, cy - r * 0.8);
    cairo_curve_to(cr, cx + r, cy - r * 0.5, cx + r, cy - r * 0.1, cx + r, cy);
    cairo_close_path(cr);
    PaintShaded(cr, MOON_ROCK_GREY, 0.8);
}

// Black sky and its stars, the areas' sky kept clear so the changes there
// read cleanly; every so often a bright star with a twinkle cross.
void DrawStarrySky(cairo_t* cr) {
    FillGradientRect(cr, 0, 0, SCENE_WIDTH, 220, BACKDROP_BLACK, BACKDROP_NAVY);
    unsigned seed = 19;
    for (int i = 0; i < 640; ++i) {
        const double x = NextRandom(&seed) * SCENE_WIDTH, y = NextRandom(&seed) * 200;
        const double r = 0.4 + NextRandom(&seed);
        const double alpha = 0.5 + NextRandom(&seed) * 0.5;
        if (NearAnArea(8, x, y, 2)) continue;
        CirclePath(cr, x, y, r);
        PaintFlat(cr, STAR_WHITE, alpha);
        if (i % 9 == 0) {
            LinePath(cr, x - 3, y, x + 3, y);
            LinePath(cr, x, y - 3, x, y + 3);
            PaintLine(cr, STAR_WHITE, 0.6);
        }
    }
}

// The Earth, half lit, with white cloud streaks.
void DrawEarth(cairo_t* cr) {
    CirclePath(cr, 62, 56, 26);
    PaintShaded(cr, EARTH_BLUE, 1);
    const double lands[3][4] = {{54, 46, 9, 6}, {70, 62, 8, 9}, {50, 66, 5, 4}};
    for (const auto& land : lands) {
        EllipsePath(cr, land[0], land[1], land[2], land[3]);
        PaintFlat(cr, EARTH_GREEN);
    }
    const double streaks[3][4] = {{44, 38, 60, 36}, {48, 56, 66, 53}, {58, 74, 74, 72}};
    for (const auto& streak : streaks) {
        cairo_move_to(cr, streak[0], streak[1]);
        cairo_curve_to(cr, streak[0] + 5, streak[1] - 3, streak[2] - 5, streak[3] + 3, streak[2], streak[3]);
        PaintLine(cr, WHITE, 1.4);
    }
    // The night side: a real arc, the right half of the disc, closed by the terminator.
    cairo_new_sub_path(cr);
    cairo_arc(cr, 62, 56, 26, -M_PI / 2, M_PI / 2);
    cairo_curve_to(cr, 74, 70, 74, 42, 62, 30);
    cairo_close_path(cr);
    PaintFlat(cr, EARTH_BLACK, 0.35);
}

// Far planets, a comet, the giant planet rising at the right and a satellite.
void DrawFarSky(cairo_t* cr) {
    DrawFarPlanet(cr, 132, 26, 7, FAR_PLANET_VIOLET);
    DrawFarPlanet(cr, 350, 20, 4.5, FAR_PLANET_ROSE);
    DrawFarPlanet(cr, 250, 128, 3.5, SATELLITE_GOLD);
    DrawComet(cr, 330, 96);
    DrawGiantPlanet(cr, 384, 150, 34);
    DrawSatellite(cr, 104, 98);
}

// Space station far off: a hub between two solar panels.
void DrawSpaceStation(cairo_t* cr) {
    RectPath(cr, 184, 40, 30, 6);
    PaintShaded(cr, SPACE_STATION_SILVER, 0.6);
    for (double x : {176.0, 214.0}) {
        RectPath(cr, x, 32, 8, 22);
        PaintShaded(cr, SPACE_STATION_BLUE, 0.6);
        for (double y = 36; y < 54; y += 4) LinePath(cr, x, y, x + 8, y);
        PaintLine(cr, SPACE_STATION_ICE, 0.5);
    }
    CirclePath(cr, 199, 43, 6);
    PaintShaded(cr, SPACE_STATION_ICE, 0.6);
}

// The saucer, its dome top and beam's foot both just inside the area.
void DrawHoveringSaucer(cairo_t* cr, const SceneArea& saucer) {
    const double discY = saucer.top + 10.2;
    DrawSaucer(cr, saucer.cx, discY, saucer.bottom - 1.4 - discY);
}

// Far hills on the horizon, behind the ground.
void DrawFarHills(cairo_t* cr) {
    cairo_move_to(cr, 0, 206);
    const double ridge[][2] = {{18, 192}, {40, 198}, {64, 186}, {92, 196}, {120, 190}, {150, 200},
                               {236, 198}, {262, 184}, {290, 194}, {318, 188}, {346, 196}, {376, 186}};
    for (const auto& point : ridge) cairo_line_to(cr, point[0], point[1]);
    cairo_line_to(cr, SCENE_WIDTH, 210);
    cairo_line_to(cr, 0, 210);
    cairo_close_path(cr);
    PaintShaded(cr, MOON_HILL_GREY, 0.8);
}

// Rocket lifting off with its flame trail; its paint is the change.
void DrawRocketLiftingOff(cairo_t* cr, const SceneArea& rocket, bool painted) {
    cairo_move_to(cr, rocket.cx - 4, rocket.bottom - 5);
    cairo_curve_to(cr, rocket.cx - 5, rocket.bottom + 6, rocket.cx - 1, rocket.bottom + 10, rocket.cx, rocket.bottom + 18);
    cairo_curve_to(cr, rocket.cx + 1, rocket.bottom + 10, rocket.cx + 5, rocket.bottom + 6, rocket.cx + 4, rocket.bottom - 5);
    cairo_close_path(cr);
    PaintShaded(cr, ROCKET_FLAME_GOLD, 0);
    DrawRocket(cr, rocket.cx, rocket.top + 3, rocket.bottom - 3, painted ? ROCKET_BRICK : ROCKET_ICE);
}

// Moon ground with pebbles (clear of the areas) and small craters.
void DrawMoonGround(cairo_t* cr) {
    cairo_move_to(cr, 0, 204);
    cairo_curve_to(cr, 100, 196, 220, 214, SCENE_WIDTH, 200);
    cairo_line_to(cr, SCENE_WIDTH, SCENE_HEIGHT);
    cairo_line_to(cr, 0, SCENE_HEIGHT);
    cairo_close_path(cr);
    PaintShaded(cr, MOON_GROUND_SILVER, 1);
    unsigned groundSeed = 83;
    for (int i = 0; i < 380; ++i) {
        const double x = NextRandom(&groundSeed) * SCENE_WIDTH, y = 214 + NextRandom(&groundSeed) * 54;
        const double r = 1 + NextRandom(&groundSeed) * 2.2;
        if (NearAnArea(8, x, y, 3)) continue;
        EllipsePath(cr, x, y, r, r * 0.4);
        PaintFlat(cr, MOON_GROUND_GREY);
    }
    const double craters[6][3] = {{210, 250, 16}, {300, 236, 10}, {60, 256, 12}, {350, 262, 8}, {260, 258, 7},
                                  {20, 250, 6}};
    for (const auto& c : craters) {
        EllipsePath(cr, c[0], c[1], c[2], c[2] * 0.32);
        PaintShaded(cr, MOON_GROUND_GREY, 0.8);
        // The lit lower rim: a real arc of the crater's ellipse.
        cairo_new_sub_path(cr);
        cairo_save(cr);
        cairo_translate(cr, c[0], c[1]);
        cairo_scale(cr, c[2], c[2] * 0.32);
        cairo_arc(cr, 0, 0, 1.15, 0.15 * M_PI, 0.85 * M_PI);
        cairo_restore(cr);
        PaintLine(cr, WHITE, 1);
    }
}

// Rocks, boot prints trailing off behind the astronaut, and the rover's tyre
// tracks winding back across the ground.
void DrawRocksAndTracks(cairo_t* cr) {
    const double rocks[][3] = {{8, 226, 4},   {94, 216, 3},  {160, 262, 5}, {236, 222, 3}, {280, 250, 4},
                               {322, 226, 5}, {366, 238, 4}, {248, 236, 2.5}, {84, 264, 4}, {176, 214, 2.5}};
    for (const auto& rock : rocks) DrawMoonRock(cr, rock[0], rock[1], rock[2]);
    for (int i = 0; i < 6; ++i) {
        const double x = 190 - i * 9, y = 232 + i * 4.5 + (i % 2) * 3;
        EllipsePath(cr, x, y, 2.6, 1.3, -0.3);
        PaintFlat(cr, FOOTPRINT_GREY);
    }
    const double trackDashes[] = {2.0, 1.5};
    for (double offset : {0.0, 6.0}) {
        cairo_move_to(cr, 82, 234 + offset);
        cairo_curve_to(cr, 120, 250 + offset, 150, 268 + offset, 200, 262 + offset);
        cairo_set_dash(cr, trackDashes, 2, 0);
        PaintLine(cr, TRACK_GREY, 1.8);
        cairo_set_dash(cr, nullptr, 0, 0);
    }
}

// The flag planted on the moon.
void DrawFlag(cairo_t* cr, const SceneArea& flag) {
    LinePath(cr, flag.cx - 4, flag.bottom - 2, flag.cx - 4, flag.top + 3.2);
    PaintLine(cr, ASTRONAUT_SILVER, 1.4);
    RectPath(cr, flag.cx - 3.5, flag.top + 3, 10, 7);
    PaintFillThenOutline(cr, MOON_GROUND_RED, 0.6);
    DrawStar(cr, flag.cx + 1.5, flag.top + 6.5, 2.4, WHITE);
}

}  // namespace

// Draws the scene; the changes only when altered is set.
void DrawSpaceScene(cairo_t* cr, bool altered) {
    const SceneArea planet = AreaOf(8, 0), flag = AreaOf(8, 1), rocket = AreaOf(8, 2), saucer = AreaOf(8, 3),
                    crater = AreaOf(8, 4);
    DrawStarrySky(cr);
    DrawEarth(cr);
    DrawRingedPlanet(cr, planet.cx, planet.cy, 4.5, altered ? 0.45 : -0.45);
    DrawFarSky(cr);
    DrawSpaceStation(cr);
    if (altered) DrawHoveringSaucer(cr, saucer);
    DrawFarHills(cr);
    DrawRocketLiftingOff(cr, rocket, altered);
    DrawMoonGround(cr);
    // The crater in the area is wider in the changed copy.
    const double craterW = altered ? 19 : 10;
    EllipsePath(cr, crater.cx, crater.cy, craterW, craterW * 0.28);
    PaintShaded(cr, MOON_GROUND_SLATE, 0.8);
    DrawRocksAndTracks(cr);
    DrawMoonBase(cr, 246, 212);
    DrawLander(cr, 336, 214);
    DrawRover(cr, 68, 232);
    DrawAstronaut(cr, 200, 226);
    if (!altered) DrawFlag(cr, flag);
}
