// Level 2, on near black: a city street at night.
// Its five changes, in area order:
//   0. car (missing): the red parked car is gone.
//   1. window (colour): the big lit window in the left block goes dark.
//   2. light (colour): the traffic light turns from red to green.
//   3. door (shape): the shop door stands open onto warm light.
//   4. moon (shape): the full moon is a crescent.
#include "scenes/scenes.h"

#include <cmath>

namespace {

// The scene's palette.
constexpr Rgb WINDOW_YELLOW = {255, 214, 110};
constexpr Rgb WINDOW_NAVY = {40, 50, 84};
constexpr Rgb CAR_SKY = {150, 190, 220};
constexpr Rgb CAR_HEADLIGHT_SAND = {255, 240, 160};
constexpr Rgb CAR_TAIL_LIGHT_RED = {230, 40, 40};
constexpr Rgb CAR_CHARCOAL = {34, 34, 38};
constexpr Rgb CAR_SILVER = {180, 180, 186};
constexpr Rgb TRAFFIC_LIGHT_PLUM = {70, 74, 84};
constexpr Rgb TRAFFIC_LIGHT_CHARCOAL = {52, 56, 64};
constexpr Rgb TRAFFIC_LIGHT_RED = {236, 48, 40};
constexpr Rgb TRAFFIC_LIGHT_GOLD = {240, 180, 40};
constexpr Rgb TRAFFIC_LIGHT_GREEN = {60, 210, 100};
constexpr Rgb SHOP_DOOR_DARK_BROWN = {92, 60, 44};
constexpr Rgb DOORWAY_LIGHT_PEACH = {255, 206, 120};
constexpr Rgb SHOP_DOOR_BLACK = {24, 22, 30};
constexpr Rgb SHOP_DOOR_MAROON = {120, 50, 60};
constexpr Rgb SHOP_DOOR_ORANGE = {200, 120, 60};
constexpr Rgb SHOP_DOOR_BROWN = {150, 58, 70};
constexpr Rgb SHOP_DOOR_GLASS_PEACH = {255, 214, 120};
constexpr Rgb SHOP_DOOR_YELLOW = {240, 200, 90};
constexpr Rgb BACKDROP_NAVY = {14, 20, 52};
constexpr Rgb BACKDROP_PLUM = {58, 46, 104};
constexpr Rgb BACKDROP_CREAM = {255, 250, 220};
constexpr Rgb MOON_GLOW_CREAM = {255, 246, 200};
constexpr Rgb MOON_DISC_CREAM = {252, 240, 190};
constexpr Rgb MOON_CRATER_SAND = {222, 208, 156};
constexpr Rgb SKYLINE_NAVY = {34, 32, 70};
constexpr Rgb BLOCK_PLUM = {92, 74, 104};
constexpr Rgb WINDOW_CHARCOAL = {60, 46, 70};
constexpr Rgb SHOP_WALL_BROWN = {150, 104, 86};
constexpr Rgb SHOP_SIDING_BROWN = {130, 88, 72};
constexpr Rgb SHOP_CHARCOAL = {36, 40, 60};
constexpr Rgb SHOP_CREAM = {246, 240, 226};
constexpr Rgb SHOP_TEAL = {56, 150, 120};
constexpr Rgb SHOP_PEACH = {255, 210, 130};
constexpr Rgb SHOP_ORANGE = {196, 130, 60};
constexpr Rgb TOWER_BLOCK_SLATE = {70, 84, 112};
constexpr Rgb PAVEMENT_GREY = {120, 120, 130};
constexpr Rgb PAVEMENT_SLATE = {96, 96, 106};
constexpr Rgb KERB_GREY = {150, 150, 156};
constexpr Rgb ROAD_CHARCOAL = {40, 40, 50};
constexpr Rgb ROAD_NEAR_CHARCOAL = {26, 26, 34};
constexpr Rgb ROAD_MARKING_SAND = {220, 210, 150};
constexpr Rgb STREET_LAMP_PEACH = {255, 220, 140};
constexpr Rgb STREET_LAMP_CHARCOAL = {60, 64, 72};
constexpr Rgb LAMP_GLOW_SAND = {255, 226, 150};
constexpr Rgb LAMP_BULB_SAND = {255, 236, 170};
constexpr Rgb PARKED_CAR_RED = {210, 60, 56};
constexpr Rgb PASSING_CAR_BLUE = {60, 130, 200};

// A building face with a grid of windows, some lit (by seed).
void DrawTowerBlock(cairo_t* cr, double left, double top, double right, double bottom, Rgb wall,
                    double windowW, double windowH, double gapX, double gapY, unsigned seed) {
    RectPath(cr, left, top, right - left, bottom - top);
    PaintShaded(cr, wall, 1);
    for (double y = top + gapY; y + windowH < bottom - 4; y += windowH + gapY) {
        for (double x = left + gapX; x + windowW <= right - gapX + 0.5; x += windowW + gapX) {
            const bool lit = NextRandom(&seed) < 0.55;
            DrawWindow(cr, x, y, windowW, windowH, Darker(wall, 0.35), lit ? WINDOW_YELLOW : WINDOW_NAVY);
        }
    }
}

// Little city car, facing right, wheels resting on groundY.
void DrawCar(cairo_t* cr, double left, double groundY, double length, Rgb paint) {
    const double h = length * 0.5;
    DropShadow(cr, left + length / 2, groundY, length * 0.52, 3);
    cairo_move_to(cr, left + length * 0.2, groundY - h * 0.55);
    cairo_line_to(cr, left + length * 0.32, groundY - h);
    cairo_line_to(cr, left + length * 0.7, groundY - h);
    cairo_line_to(cr, left + length * 0.84, groundY - h * 0.55);
    cairo_close_path(cr);
    PaintShaded(cr, paint, 1);
    cairo_move_to(cr, left + length * 0.28, groundY - h * 0.58);
    cairo_line_to(cr, left + length * 0.35, groundY - h * 0.9);
    cairo_line_to(cr, left + length * 0.49, groundY - h * 0.9);
    cairo_line_to(cr, left + length * 0.49, groundY - h * 0.58);
    cairo_close_path(cr);
    cairo_move_to(cr, left + length * 0.53, groundY - h * 0.58);
    cairo_line_to(cr, left + length * 0.53, groundY - h * 0.9);
    cairo_line_to(cr, left + length * 0.67, groundY - h * 0.9);
    cairo_line_to(cr, left + length * 0.76, groundY - h * 0.58);
    cairo_close_path(cr);
    PaintShaded(cr, CAR_SKY, 0.7);
    RoundedRectPath(cr, left, groundY - h * 0.6, length, h * 0.42, h * 0.14);
    PaintShaded(cr, paint, 1);
    RoundedRectPath(cr, left + length - 5, groundY - h * 0.5, 4, 3.5, 1);
    PaintFlat(cr, CAR_HEADLIGHT_SAND);
    RoundedRectPath(cr, left + 1, groundY - h * 0.5, 3, 3.5, 1);
    PaintFlat(cr, CAR_TAIL_LIGHT_RED);
    for (double wx : {left + length * 0.22, left + length * 0.78}) {
        CirclePath(cr, wx, groundY - h * 0.18, h * 0.2);
        PaintFillThenOutline(cr, CAR_CHARCOAL, 1);
        CirclePath(cr, wx, groundY - h * 0.18, h * 0.09);
        PaintFlat(cr, CAR_SILVER);
    }
}

// Traffic light housing with the red lamp lit, or the green one.
void DrawTrafficLight(cairo_t* cr, const SceneArea& spot, bool green) {
    const double cx = spot.cx, top = spot.top + 5, bottom = spot.bottom - 5;
    RectPath(cr, cx - 1.5, bottom, 3, 204 - bottom);
    PaintShaded(cr, TRAFFIC_LIGHT_PLUM, 0.6);
    RoundedRectPath(cr, cx - 6, top, 12, bottom - top, 3);
    PaintShaded(cr, TRAFFIC_LIGHT_CHARCOAL, 1);
    const double step = (bottom - top) / 3;
    const Rgb lamps[3] = {TRAFFIC_LIGHT_RED, TRAFFIC_LIGHT_GOLD, TRAFFIC_LIGHT_GREEN};
    for (int i = 0; i < 3; ++i) {
        const bool on = (i == 0 && !green) || (i == 2 && green);
        const double y = top + step * (i + 0.5);
        if (on) {
            CirclePath(cr, cx, y, 5.5);
            PaintFlat(cr, lamps[i], 0.35);
        }
        CirclePath(cr, cx, y, 3.6);
        PaintFillThenOutline(cr, on ? lamps[i] : Darker(lamps[i], 0.72), 0.7);
    }
}

// Shop door: shut and dark, or open onto warm light.
void DrawShopDoor(cairo_t* cr, const SceneArea& spot, bool open) {
    const double l = spot.cx - 14, t = spot.top + 9, w = 28, h = spot.bottom - 16 - t;
    RectPath(cr, l - 3, t - 3, w + 6, h + 3);
    PaintFillThenOutline(cr, SHOP_DOOR_DARK_BROWN, 1);
    RectPath(cr, l, t, w, h);
    PaintFlat(cr, open ? DOORWAY_LIGHT_PEACH : SHOP_DOOR_BLACK);
    if (open) {
        // Door swung inwards: a narrow slanted leaf at the left jamb.
        cairo_move_to(cr, l, t);
        cairo_line_to(cr, l + 8, t + 5);
        cairo_line_to(cr, l + 8, t + h - 3);
        cairo_line_to(cr, l, t + h);
        cairo_close_path(cr);
        PaintShaded(cr, SHOP_DOOR_MAROON, 0.8);
        RectPath(cr, l + 14, t + h - 12, 8, 12);
        PaintShaded(cr, SHOP_DOOR_ORANGE, 0.7);
    } else {
        RectPath(cr, l, t, w, h);
        PaintShaded(cr, SHOP_DOOR_BROWN, 1);
        RoundedRectPath(cr, l + 5, t + 5, w - 10, h * 0.4, 3);
        PaintShaded(cr, SHOP_DOOR_GLASS_PEACH, 0.8);
        CirclePath(cr, l + w - 5, t + h * 0.6, 1.6);
        PaintFlat(cr, SHOP_DOOR_YELLOW);
    }
}

// Night sky with a scatter of stars.
void DrawNightSky(cairo_t* cr) {
    FillGradientRect(cr, 0, 0, SCENE_WIDTH, 200, BACKDROP_NAVY, BACKDROP_PLUM);
    unsigned seed = 7;
    for (int i = 0; i < 60; ++i) {
        const double x = NextRandom(&seed) * SCENE_WIDTH, y = NextRandom(&seed) * 120;
        const double r = 0.5 + NextRandom(&seed) * 0.9;
        CirclePath(cr, x, y, r);
        PaintFlat(cr, BACKDROP_CREAM, 0.5 + NextRandom(&seed) * 0.5);
    }
}

// Moon: full, or a crescent in the changed copy.
void DrawMoon(cairo_t* cr, const SceneArea& moon, bool crescent) {
    CirclePath(cr, moon.cx, moon.cy, 13);
    PaintFlat(cr, MOON_GLOW_CREAM, 0.15);
    if (!crescent) {
        CirclePath(cr, moon.cx, moon.cy, 10);
        PaintShaded(cr, MOON_DISC_CREAM, 0.8);
        CirclePath(cr, moon.cx - 3, moon.cy - 2, 2.5);
        CirclePath(cr, moon.cx + 4, moon.cy + 3, 1.8);
        PaintFlat(cr, MOON_CRATER_SAND);
        return;
    }
    // The disc with an offset disc cut away.
    cairo_push_group(cr);
    CirclePath(cr, moon.cx, moon.cy, 10);
    PaintShaded(cr, MOON_DISC_CREAM, 0);
    cairo_set_operator(cr, CAIRO_OPERATOR_CLEAR);
    CirclePath(cr, moon.cx + 5.5, moon.cy - 3.5, 9);
    cairo_fill(cr);
    cairo_pop_group_to_source(cr);
    cairo_paint(cr);
}

// Far skyline.
void DrawSkyline(cairo_t* cr) {
    const double skyline[][3] = {{0, 60, 40}, {150, 90, 30}, {185, 40, 46}, {228, 70, 38}, {262, 30, 54}, {318, 80, 58}};
    for (const auto& b : skyline) {
        RectPath(cr, b[0], b[1], b[2], 200 - b[1]);
        PaintFlat(cr, SKYLINE_NAVY);
    }
}

// Left block of flats; the big window in the area goes dark in the changed copy.
void DrawLeftBlock(cairo_t* cr, const SceneArea& window, bool dark) {
    RectPath(cr, 0, 70, 106, 130);
    PaintShaded(cr, BLOCK_PLUM, 1);
    unsigned windowSeed = 3;
    for (int row = 0; row < 3; ++row) {
        for (int col = 0; col < 3; ++col) {
            const double x = window.cx - 15 + (col - 1) * 34, y = window.cy - 14.5 + (row - 1) * 40;
            const bool lit = NextRandom(&windowSeed) < 0.5;
            if (row == 1 && col == 1) continue;
            DrawWindow(cr, x, y, 30, 29, WINDOW_CHARCOAL, lit ? WINDOW_YELLOW : WINDOW_NAVY);
        }
    }
    DrawWindow(cr, window.cx - 15, window.cy - 14.5, 30, 29, WINDOW_CHARCOAL, dark ? WINDOW_NAVY : WINDOW_YELLOW);
}

// The bakery in the middle: sign, striped awning and a lit display window.
void DrawBakery(cairo_t* cr) {
    RectPath(cr, 106, 96, 128, 104);
    PaintShaded(cr, SHOP_WALL_BROWN, 1);
    for (double y = 100; y < 200; y += 6) LinePath(cr, 107, y, 233, y);
    PaintLine(cr, SHOP_SIDING_BROWN, 0.6);
    RectPath(cr, 112, 104, 116, 14);
    PaintFillThenOutline(cr, SHOP_CHARCOAL, 1);
    UseFont(cr, FONT_BOLD, 10);
    DrawTextCentered(cr, "BAKERY", 170, 111.5, {255, 220, 140});
    for (int i = 0; i < 8; ++i) {
        cairo_move_to(cr, 110 + i * 15, 126);
        cairo_line_to(cr, 125 + i * 15, 126);
        cairo_line_to(cr, 125 + i * 15, 140);
        cairo_curve_to(cr, 122 + i * 15, 144, 113 + i * 15, 144, 110 + i * 15, 140);
        cairo_close_path(cr);
        PaintShaded(cr, i % 2 ? SHOP_CREAM : SHOP_TEAL, 0.6);
    }
    RectPath(cr, 114, 150, 34, 40);
    PaintShaded(cr, SHOP_PEACH, 1.2);
    for (int i = 0; i < 3; ++i) {
        EllipsePath(cr, 122 + i * 9, 180, 4, 3);
        PaintShaded(cr, SHOP_ORANGE, 0.6);
    }
}

// Pavement, kerb, road and its markings.
void DrawStreet(cairo_t* cr) {
    FillGradientRect(cr, 0, 198, SCENE_WIDTH, 10, PAVEMENT_GREY, PAVEMENT_SLATE);
    LinePath(cr, 0, 208, SCENE_WIDTH, 208);
    PaintLine(cr, KERB_GREY, 1.5);
    FillGradientRect(cr, 0, 209, SCENE_WIDTH, SCENE_HEIGHT - 209, ROAD_CHARCOAL, ROAD_NEAR_CHARCOAL);
    for (double x = 8; x < SCENE_WIDTH; x += 44) {
        RectPath(cr, x, 246, 24, 3);
        PaintFlat(cr, ROAD_MARKING_SAND);
    }
}

// Street lamp on the left, with its pool of light.
void DrawStreetLamp(cairo_t* cr) {
    EllipsePath(cr, 20, 206, 24, 5);
    PaintFlat(cr, STREET_LAMP_PEACH, 0.25);
    RectPath(cr, 18.5, 150, 3, 56);
    PaintShaded(cr, STREET_LAMP_CHARCOAL, 0.6);
    CirclePath(cr, 20, 146, 9);
    PaintFlat(cr, LAMP_GLOW_SAND, 0.3);
    CirclePath(cr, 20, 147, 5);
    PaintShaded(cr, LAMP_BULB_SAND, 0.8);
}

}  // namespace

// Draws the scene; the changes only when altered is set.
void DrawNightCityScene(cairo_t* cr, bool altered) {
    const SceneArea car = AreaOf(2, 0), window = AreaOf(2, 1), light = AreaOf(2, 2), door = AreaOf(2, 3),
                    moon = AreaOf(2, 4);
    DrawNightSky(cr);
    DrawMoon(cr, moon, altered);
    DrawSkyline(cr);
    DrawLeftBlock(cr, window, altered);
    DrawBakery(cr);
    DrawShopDoor(cr, door, altered);
    DrawTowerBlock(cr, 234, 54, SCENE_WIDTH, 200, TOWER_BLOCK_SLATE, 20, 22, 20, 16, 11);
    DrawStreet(cr);
    DrawStreetLamp(cr);
    DrawTrafficLight(cr, light, altered);
    // The parked car is gone in the changed copy.
    if (!altered) DrawCar(cr, car.cx - 28, car.bottom - 6, 56, PARKED_CAR_RED);
    // A car passing on the road.
    DrawCar(cr, 40, 240, 70, PASSING_CAR_BLUE);
}
