// Level 10, on grey: a town street on a bright day.
// Its five changes, in area order:
//   0. sign (colour): the cafe's dark green sign is a lighter orange.
//   1. van (colour): the red van is a darker maroon.
//   2. planter (missing): the planter on the pavement is gone.
//   3. roadSign (shape): the round no-entry sign is a warning diamond.
//   4. flowers (added): flowers grow in the window box.
#include "scenes/scenes.h"

#include <cmath>

namespace {

// The scene's palette.
constexpr Rgb WINDOW_WHITE = {250, 250, 246};
constexpr Rgb WINDOW_SKY = {130, 180, 220};
constexpr Rgb ROAD_SIGN_YELLOW = {250, 200, 40};
constexpr Rgb ROAD_SIGN_CHARCOAL = {30, 30, 30};
constexpr Rgb ROAD_SIGN_RED = {220, 40, 40};
constexpr Rgb ROAD_ARROW_WHITE = {250, 250, 250};
constexpr Rgb BUS_GOLD = {250, 190, 40};
constexpr Rgb BUS_SKY = {140, 190, 230};
constexpr Rgb BUS_RED = {230, 90, 40};
constexpr Rgb BUS_CHARCOAL = {40, 40, 44};
constexpr Rgb BUS_SILVER = {190, 190, 196};
constexpr Rgb BACKDROP_SKY = {140, 196, 236};
constexpr Rgb BACKDROP_ICE = {220, 236, 246};
constexpr Rgb TOWN_HOUSE_SAND = {236, 200, 150};
constexpr Rgb TOWN_HOUSE_ROSE = {200, 110, 90};
constexpr Rgb TOWN_HOUSE_SILVER = {150, 190, 170};
constexpr Rgb TOWN_HOUSE_ICE = {220, 220, 236};
constexpr Rgb WINDOW_CREAM = {250, 246, 236};
constexpr Rgb CAFE_ORANGE = {236, 150, 80};
constexpr Rgb CAFE_GREEN = {50, 130, 90};
constexpr Rgb CAFE_RED = {230, 80, 70};
constexpr Rgb CAFE_SKY = {170, 210, 230};
constexpr Rgb CAFE_BROWN = {120, 70, 50};
constexpr Rgb GREEN_HOUSE_BROWN = {140, 100, 70};
constexpr Rgb GREEN_HOUSE_RED = {200, 100, 60};
constexpr Rgb GREEN_HOUSE_YELLOW = {250, 210, 60};
constexpr Rgb GREEN_HOUSE_ROSE = {240, 60, 110};
constexpr Rgb PAVEMENT_FAR_SILVER = {210, 206, 200};
constexpr Rgb PAVEMENT_NEAR_SILVER = {190, 186, 180};
constexpr Rgb STREET_GREY = {160, 156, 150};
constexpr Rgb STREET_SLATE = {90, 92, 100};
constexpr Rgb STREET_PLUM = {70, 72, 80};
constexpr Rgb STREET_ICE = {240, 240, 240};
constexpr Rgb STREET_SIGN_GREY = {120, 124, 130};
constexpr Rgb TREE_GREEN = {90, 160, 80};
constexpr Rgb POTTED_TREE_BROWN = {180, 110, 80};
constexpr Rgb POTTED_TREE_CHARCOAL = {60, 64, 72};
constexpr Rgb POTTED_TREE_CREAM = {250, 240, 190};
constexpr Rgb VAN_RED = {220, 70, 70};
constexpr Rgb VAN_MAROON = {150, 44, 52};
constexpr Rgb VAN_GLASS = {150, 200, 230};
constexpr Rgb TYRE_BLACK = {34, 34, 40};
constexpr Rgb PLANTER_BROWN = {130, 86, 56};
constexpr Rgb SHRUB_GREEN = {70, 140, 70};
constexpr Rgb BRICK_LINE = {170, 88, 72};
constexpr Rgb KERB_LINE = {140, 136, 130};
constexpr Rgb CHIMNEY_BRICK = {170, 90, 70};
constexpr Rgb AERIAL_GREY = {80, 84, 92};
constexpr Rgb CURTAIN_ROSE = {230, 130, 150};
constexpr Rgb CURTAIN_GOLD = {236, 190, 90};
constexpr Rgb SKIN_PEACH = {246, 200, 160};
constexpr Rgb COAT_BLUE = {60, 90, 170};
constexpr Rgb COAT_GREEN = {70, 140, 100};
constexpr Rgb TROUSERS_GREY = {70, 70, 84};
constexpr Rgb DOG_BROWN = {160, 110, 70};
constexpr Rgb BIKE_TEAL = {30, 150, 150};
constexpr Rgb BUNTING_RED = {230, 70, 70};
constexpr Rgb BUNTING_YELLOW = {250, 210, 60};
constexpr Rgb BUNTING_BLUE = {70, 120, 220};
constexpr Rgb LIGHT_RED = {230, 50, 40};
constexpr Rgb LIGHT_AMBER = {250, 180, 40};
constexpr Rgb LIGHT_GREEN = {60, 200, 90};
constexpr Rgb BIN_GREEN = {50, 110, 80};
constexpr Rgb TABLE_WHITE = {244, 244, 240};
constexpr Rgb PIGEON_GREY = {130, 134, 150};
constexpr Rgb TAXI_YELLOW = {250, 200, 50};
constexpr Rgb BOOK_COLOURS[5] = {{200, 60, 60}, {60, 110, 200}, {240, 200, 70}, {70, 160, 90}, {150, 80, 170}};

// Town house front: wall, roof line and a grid of windows.
void DrawTownHouse(cairo_t* cr, double left, double top, double right, double bottom, Rgb wall, int rows) {
    RectPath(cr, left, top, right - left, bottom - top);
    PaintShaded(cr, wall, 1);
    RectPath(cr, left - 2, top - 4, right - left + 4, 5);
    PaintShaded(cr, Darker(wall, 0.35), 0.8);
    const double w = right - left;
    const int cols = w > 70 ? 3 : 2;
    for (int r = 0; r < rows; ++r) {
        for (int c = 0; c < cols; ++c) {
            const double x = left + w * (c + 0.5) / cols - 8;
            DrawWindow(cr, x, top + 12 + r * 34, 16, 20, WINDOW_WHITE, WINDOW_SKY);
        }
    }
}

// Round red no-entry sign, or a yellow warning diamond.
void DrawRoadSign(cairo_t* cr, double cx, double cy, bool diamond) {
    if (diamond) {
        cairo_move_to(cr, cx, cy - 5.9);
        cairo_line_to(cr, cx + 5.9, cy);
        cairo_line_to(cr, cx, cy + 5.9);
        cairo_line_to(cr, cx - 5.9, cy);
        cairo_close_path(cr);
        PaintShaded(cr, ROAD_SIGN_YELLOW, 0.6);
        CirclePath(cr, cx, cy + 2.2, 0.8);
        PaintFlat(cr, ROAD_SIGN_CHARCOAL);
        LinePath(cr, cx, cy - 3, cx, cy + 0.6);
        PaintLine(cr, ROAD_SIGN_CHARCOAL, 1.3);
    } else {
        CirclePath(cr, cx, cy, 5.6);
        PaintShaded(cr, ROAD_SIGN_RED, 0.6);
        RectPath(cr, cx - 3.6, cy - 1.1, 7.2, 2.2);
        PaintFlat(cr, WHITE);
    }
}

// Painted road arrow, pointing right (+1) or left (-1).
void DrawRoadArrow(cairo_t* cr, double cx, double cy, double facing) {
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    cairo_scale(cr, facing, 1);
    cairo_move_to(cr, -13, -2);
    cairo_line_to(cr, 4, -2);
    cairo_line_to(cr, 4, -5.5);
    cairo_line_to(cr, 13, 0);
    cairo_line_to(cr, 4, 5.5);
    cairo_line_to(cr, 4, 2);
    cairo_line_to(cr, -13, 2);
    cairo_close_path(cr);
    PaintFlat(cr, ROAD_ARROW_WHITE);
    cairo_restore(cr);
}

// City bus facing left.
void DrawBus(cairo_t* cr, double left, double groundY, double length) {
    RoundedRectPath(cr, left, groundY - 30, length, 26, 4);
    PaintShaded(cr, BUS_GOLD, 1);
    for (double x = left + 6; x < left + length - 10; x += 15) {
        RoundedRectPath(cr, x, groundY - 26, 11, 9, 1.5);
        PaintShaded(cr, BUS_SKY, 0.6);
        // A passenger in every other window.
        if (static_cast<int>(x - left) % 30 == 6) {
            EllipsePath(cr, x + 5.5, groundY - 20.5, 2.4, 2.6);
            PaintFlat(cr, BUS_CHARCOAL, 0.55);
        }
    }
    RectPath(cr, left, groundY - 14, length, 3);
    PaintFlat(cr, BUS_RED);
    for (double x : {left + 14, left + length - 16}) {
        CirclePath(cr, x, groundY - 4, 5);
        PaintFillThenOutline(cr, BUS_CHARCOAL, 1);
        CirclePath(cr, x, groundY - 4, 2);
        PaintFlat(cr, BUS_SILVER);
    }
}

// Delivery van whose side panel fills left..right, top..bottom; hue is the change.
void DrawVan(cairo_t* cr, double left, double top, double right, double bottom, Rgb body) {
    RoundedRectPath(cr, left, top, right - left, bottom - top, 2.5);
    PaintOutlineThenShadedFill(cr, body, top, bottom, 0.6);
    RectPath(cr, right - 8, top + 2, 6, 4);
    RectPath(cr, left + 3, top + 2, 6, 4);
    PaintFlat(cr, VAN_GLASS);
    LinePath(cr, right - 10, top + 1, right - 10, bottom - 1);
    PaintLine(cr, Darker(body, 0.3), 0.6);
    for (double x : {left + 7, right - 7}) {
        CirclePath(cr, x, bottom, 3.4);
        PaintFlat(cr, TYRE_BLACK);
        CirclePath(cr, x, bottom, 1.3);
        PaintFlat(cr, BUS_SILVER);
    }
}

// Wooden planter box with a rounded shrub, filling the given box.
void DrawPlanter(cairo_t* cr, double left, double top, double right, double bottom) {
    const double w = right - left, trough = top + (bottom - top) * 0.45;
    for (int i = 0; i < 4; ++i) {
        EllipsePath(cr, left + w * (0.16 + i * 0.23), trough, w * 0.15, (trough - top) * 0.95);
    }
    PaintShaded(cr, SHRUB_GREEN, 0.7);
    RectPath(cr, left + 0.6, trough, w - 1.2, bottom - trough - 0.6);
    PaintShaded(cr, PLANTER_BROWN, 0.6);
    for (double x = left + 5; x < right - 3; x += 5) LinePath(cr, x, trough + 1, x, bottom - 1);
    PaintLine(cr, Darker(PLANTER_BROWN, 0.3), 0.5);
}

// Bookshop front: a window of coloured spines on shelves and a door.
void DrawBookshop(cairo_t* cr, double left, double top, double right, double bottom) {
    RectPath(cr, left, top, right - left - 18, bottom - top - 4);
    PaintFillThenOutline(cr, WINDOW_CREAM, 1);
    for (int shelf = 0; shelf < 3; ++shelf) {
        const double y = top + 2 + shelf * 6;
        int i = shelf;
        for (double x = left + 2; x < right - 21; x += 2.2, ++i) {
            RectPath(cr, x, y + (i % 3 == 0 ? 1 : 0), 1.8, 5 - (i % 3 == 0 ? 1 : 0));
            PaintFlat(cr, BOOK_COLOURS[i % 5]);
        }
        LinePath(cr, left + 1, y + 5.3, right - 19, y + 5.3);
        PaintLine(cr, CAFE_BROWN, 0.8);
    }
    RectPath(cr, right - 14, top, 12, bottom - top);
    PaintShaded(cr, CAFE_GREEN, 1);
    CirclePath(cr, right - 5, (top + bottom) / 2, 0.9);
    PaintFlat(cr, GREEN_HOUSE_YELLOW);
}

// Taxi facing right, wheels on groundY.
void DrawTaxi(cairo_t* cr, double left, double groundY, double length) {
    RoundedRectPath(cr, left + length * 0.22, groundY - 15, length * 0.5, 7, 2.5);
    PaintOutlineThenShadedFill(cr, TAXI_YELLOW, groundY - 15, groundY - 8, 0.6);
    RectPath(cr, left + length * 0.27, groundY - 13.5, length * 0.18, 4.5);
    RectPath(cr, left + length * 0.5, groundY - 13.5, length * 0.18, 4.5);
    PaintFlat(cr, VAN_GLASS);
    RoundedRectPath(cr, left, groundY - 9, length, 6.5, 2.5);
    PaintOutlineThenShadedFill(cr, TAXI_YELLOW, groundY - 9, groundY - 2.5, 0.6);
    for (double x = left + 4; x < left + length - 3; x += 4) {
        RectPath(cr, x, groundY - 6.5, 2, 1.5);
    }
    PaintFlat(cr, BUS_CHARCOAL);
    RectPath(cr, left + length * 0.42, groundY - 17.5, 6, 2.5);
    PaintFillThenOutline(cr, TABLE_WHITE, 0.5);
    for (double x : {left + 6, left + length - 6}) {
        CirclePath(cr, x, groundY - 2, 3);
        PaintFlat(cr, TYRE_BLACK);
        CirclePath(cr, x, groundY - 2, 1.1);
        PaintFlat(cr, BUS_SILVER);
    }
}

// Little box of red flowers under a window sill.
void DrawSillFlowers(cairo_t* cr, double x, double y, double w) {
    for (double fx = x + 2; fx < x + w - 1; fx += 3) {
        CirclePath(cr, fx, y - 1.2, 1.3);
    }
    PaintFlat(cr, CAFE_RED);
    RectPath(cr, x, y, w, 2.5);
    PaintShaded(cr, PLANTER_BROWN, 0.4);
}

// Brick courses across a wall: mortar lines every few pixels.
void DrawBricks(cairo_t* cr, double left, double top, double right, double bottom) {
    int row = 0;
    for (double y = top + 4; y < bottom; y += 5, ++row) {
        LinePath(cr, left, y, right, y);
        for (double x = left + (row % 2 ? 4 : 8); x < right; x += 10) LinePath(cr, x, y, x, y + 5);
    }
    PaintLine(cr, BRICK_LINE, 0.6);
}

// Curtains drawn half across a window's glass.
void DrawCurtains(cairo_t* cr, double x, double y, double w, double h, Rgb hue) {
    for (double side : {0.0, 1.0}) {
        const double cx = side == 0 ? x + 2.5 : x + w - 2.5;
        const double inward = side == 0 ? 1 : -1;
        cairo_move_to(cr, cx, y + 2.5);
        cairo_line_to(cr, cx + inward * w * 0.28, y + 2.5);
        cairo_curve_to(cr, cx + inward * w * 0.1, y + h * 0.4, cx + inward * w * 0.2, y + h * 0.7, cx, y + h - 2.5);
        cairo_close_path(cr);
        PaintFlat(cr, hue);
    }
}

// Chimney with a pot, and a TV aerial, on a roof line at roofY.
void DrawChimney(cairo_t* cr, double x, double roofY) {
    RectPath(cr, x, roofY - 12, 8, 12);
    PaintShaded(cr, CHIMNEY_BRICK, 0.8);
    RectPath(cr, x + 2, roofY - 15, 4, 3);
    PaintShaded(cr, PLANTER_BROWN, 0.6);
    LinePath(cr, x + 14, roofY, x + 14, roofY - 16);
    for (double y : {roofY - 14, roofY - 10}) LinePath(cr, x + 10, y, x + 18, y);
    PaintLine(cr, AERIAL_GREY, 0.7);
}

// Walker seen from the side, feet on footY.
void DrawWalker(cairo_t* cr, double cx, double footY, Rgb coat) {
    for (double side : {-1.0, 1.0}) LinePath(cr, cx, footY - 9, cx + side * 3, footY);
    PaintLine(cr, TROUSERS_GREY, 2.2);
    RoundedRectPath(cr, cx - 3.5, footY - 19, 7, 11, 2.5);
    PaintOutlineThenShadedFill(cr, coat, footY - 19, footY - 8, 0.6);
    LinePath(cr, cx + 2, footY - 16, cx + 4, footY - 10);
    PaintLine(cr, Darker(coat, 0.3), 1.6);
    CirclePath(cr, cx, footY - 22.5, 3.2);
    PaintOutlineThenFill(cr, SKIN_PEACH, 0.6);
    DomePath(cr, cx, footY - 23, 3.4);
    PaintFlat(cr, DOG_BROWN);
}

// Small dog on a lead, facing left.
void DrawDog(cairo_t* cr, double cx, double footY) {
    for (double x : {-3.0, 3.0}) LinePath(cr, cx + x, footY - 4, cx + x, footY);
    PaintLine(cr, Darker(DOG_BROWN, 0.3), 1.2);
    EllipsePath(cr, cx, footY - 5, 5, 2.6);
    EllipsePath(cr, cx - 5, footY - 7.5, 2.4, 2.2);
    PaintOutlineThenFill(cr, DOG_BROWN, 0.5);
    LinePath(cr, cx + 5, footY - 6, cx + 7, footY - 9);
    PaintLine(cr, Darker(DOG_BROWN, 0.3), 1);
}

// Bicycle leaning at the kerb, wheels on footY.
void DrawBicycle(cairo_t* cr, double cx, double footY) {
    for (double x : {-7.0, 7.0}) {
        CirclePath(cr, cx + x, footY - 5, 4.6);
        Use(cr, TYRE_BLACK);
        cairo_set_line_width(cr, 1.1);
        cairo_stroke(cr);
    }
    cairo_move_to(cr, cx - 7, footY - 5);
    cairo_line_to(cr, cx - 1, footY - 5);
    cairo_line_to(cr, cx + 4, footY - 11);
    cairo_line_to(cr, cx - 3, footY - 11);
    cairo_close_path(cr);
    LinePath(cr, cx + 4, footY - 11, cx + 7, footY - 5);
    LinePath(cr, cx - 3, footY - 11, cx - 3, footY - 13);
    PaintLine(cr, BIKE_TEAL, 1.1);
    LinePath(cr, cx - 5, footY - 13.5, cx - 1, footY - 13.5);
    PaintLine(cr, TYRE_BLACK, 1.2);
}

// Traffic light on a pole standing on footY.
void DrawTrafficLight(cairo_t* cr, double cx, double footY) {
    RectPath(cr, cx - 1, footY - 44, 2, 44);
    PaintShaded(cr, AERIAL_GREY, 0.5);
    RoundedRectPath(cr, cx - 4, footY - 62, 8, 19, 2);
    PaintShaded(cr, BUS_CHARCOAL, 0.6);
    const Rgb lamps[3] = {LIGHT_RED, LIGHT_AMBER, LIGHT_GREEN};
    for (int i = 0; i < 3; ++i) {
        CirclePath(cr, cx, footY - 58.5 + i * 6, 2.1);
        PaintFlat(cr, i == 2 ? lamps[i] : Darker(lamps[i], 0.5));
    }
}

// Café table with two chairs on the pavement.
void DrawCafeTable(cairo_t* cr, double cx, double footY) {
    for (double side : {-1.0, 1.0}) {
        LinePath(cr, cx + side * 7, footY, cx + side * 7, footY - 9);
        LinePath(cr, cx + side * 7, footY - 5, cx + side * 4, footY - 5);
        LinePath(cr, cx + side * 4, footY - 5, cx + side * 4, footY);
    }
    PaintLine(cr, AERIAL_GREY, 0.9);
    LinePath(cr, cx, footY, cx, footY - 8);
    PaintLine(cr, AERIAL_GREY, 1.1);
    EllipsePath(cr, cx, footY - 8, 4.5, 1.3);
    PaintFillThenOutline(cr, TABLE_WHITE, 0.6);
    RectPath(cr, cx - 1, footY - 11, 2, 2.5);
    PaintFlat(cr, CAFE_RED);
}

// Pigeon pecking, facing left.
void DrawPigeon(cairo_t* cr, double cx, double footY) {
    EllipsePath(cr, cx, footY - 3, 3.6, 2.2);
    EllipsePath(cr, cx - 3.2, footY - 4.6, 1.6, 1.5);
    PaintOutlineThenFill(cr, PIGEON_GREY, 0.45);
    LinePath(cr, cx - 4.8, footY - 4.4, cx - 6, footY - 4);
    PaintLine(cr, LIGHT_AMBER, 0.7);
}

// Sky, clouds, chimneys on the roofs and a few birds.
void DrawSkyAndRoofs(cairo_t* cr) {
    FillGradientRect(cr, 0, 0, SCENE_WIDTH, 200, BACKDROP_SKY, BACKDROP_ICE);
    DrawCloud(cr, 270, 10, 70, 24);
    DrawCloud(cr, 20, 16, 50, 18);
    DrawCloud(cr, 150, 30, 36, 12);
    for (double x : {20.0, 40.0}) DrawChimney(cr, x, 56);
    DrawChimney(cr, 206, 36);
    DrawChimney(cr, 330, 66);
    for (int i = 0; i < 5; ++i) {
        const double bx = 110 + i * 9, by = 70 - i * 1.4;
        cairo_move_to(cr, bx - 3, by);
        cairo_curve_to(cr, bx - 1.5, by - 2, bx - 0.5, by - 2, bx, by);
        cairo_curve_to(cr, bx + 0.5, by - 2, bx + 1.5, by - 2, bx + 3, by);
        PaintLine(cr, AERIAL_GREY, 0.8);
    }
}

// Row of houses, the café's where the sign area is, with curtains and
// flowers at their windows, the bookshop and a front door.
void DrawHouseRow(cairo_t* cr, const SceneArea& sign) {
    DrawTownHouse(cr, 0, 60, 74, 205, TOWN_HOUSE_SAND, 3);
    DrawTownHouse(cr, 74, 90, sign.cx + 46, 205, TOWN_HOUSE_ROSE, 0);
    DrawTownHouse(cr, sign.cx + 46, 40, 270, 205, TOWN_HOUSE_SILVER, 0);
    DrawTownHouse(cr, 270, 70, SCENE_WIDTH, 205, TOWN_HOUSE_ICE, 3);
    DrawBricks(cr, 74.5, 90, sign.cx + 45.5, 205);
    for (int r = 0; r < 3; ++r) {
        for (int c = 0; c < 3; ++c) {
            const double x = 74.0 * (c + 0.5) / 3 - 8, y = 72 + r * 34;
            DrawCurtains(cr, x, y, 16, 20, (r + c) % 2 ? CURTAIN_ROSE : CURTAIN_GOLD);
        }
    }
    for (int r = 0; r < 3; ++r) {
        const double x = 270 + (SCENE_WIDTH - 270) * 1.5 / 3 - 8, y = 82 + r * 34;
        DrawCurtains(cr, x, y, 16, 20, CURTAIN_ROSE);
    }
    for (int r = 0; r < 3; ++r) {
        for (int c = 0; c < 3; ++c) {
            if ((r + c) % 2 == 0) DrawSillFlowers(cr, 270 + (SCENE_WIDTH - 270) * (c + 0.5) / 3 - 8, 102 + r * 34, 16);
        }
        DrawSillFlowers(cr, 74.0 * (r + 0.5) / 3 - 8, 126, 16);
    }
    DrawBookshop(cr, 194, 178, 256, 205);
    RectPath(cr, 50, 180, 14, 25);
    PaintShaded(cr, CAFE_BROWN, 1);
    CirclePath(cr, 61, 193, 0.9);
    PaintFlat(cr, GREEN_HOUSE_YELLOW);
}

// Bunting strung between the houses.
void DrawBunting(cairo_t* cr) {
    cairo_move_to(cr, 0, 64);
    cairo_curve_to(cr, 30, 76, 50, 76, 74, 64);
    PaintLine(cr, AERIAL_GREY, 0.6);
    for (int i = 0; i < 6; ++i) {
        const double fx = 6 + i * 12, fy = 67 + std::sin((i + 0.5) / 6 * M_PI) * 7;
        cairo_move_to(cr, fx - 3, fy);
        cairo_line_to(cr, fx + 3, fy);
        cairo_line_to(cr, fx, fy + 6);
        cairo_close_path(cr);
        const Rgb flags[3] = {BUNTING_RED, BUNTING_YELLOW, BUNTING_BLUE};
        PaintFlat(cr, flags[i % 3]);
    }
}

// Café: upper windows, the sign (its colour is the change), awning, the big
// window with cakes on show, and the door.
void DrawCafe(cairo_t* cr, const SceneArea& sign, bool orangeSign) {
    for (double x : {sign.cx - 34, sign.cx + 14}) DrawWindow(cr, x, 98, 20, 18, WINDOW_CREAM, WINDOW_SKY);
    RoundedRectPath(cr, sign.cx - 17, sign.cy - 6.5, 34, 13, 3);
    PaintShaded(cr, orangeSign ? CAFE_ORANGE : CAFE_GREEN, 0.8);
    UseFont(cr, FONT_BOLD, 9);
    DrawTextCentered(cr, "CAFE", sign.cx, sign.cy, {255, 248, 220});
    for (int i = 0; i < 6; ++i) {
        RectPath(cr, sign.cx - 42 + i * 14, 140, 14, 10);
        PaintShaded(cr, i % 2 ? WINDOW_WHITE : CAFE_RED, 0.6);
    }
    RectPath(cr, sign.cx - 38, 156, 44, 30);
    PaintShaded(cr, CAFE_SKY, 1);
    for (int i = 0; i < 4; ++i) {
        const double cx = sign.cx - 33 + i * 10;
        RectPath(cr, cx - 3.5, 178, 7, 6);
        PaintFillThenOutline(cr, i % 2 ? CURTAIN_ROSE : CURTAIN_GOLD, 0.6);
        CirclePath(cr, cx, 177, 1.2);
        PaintFlat(cr, CAFE_RED);
    }
    LinePath(cr, sign.cx - 38, 184.5, sign.cx + 6, 184.5);
    PaintLine(cr, CAFE_BROWN, 1);
    RectPath(cr, sign.cx + 14, 156, 22, 49);
    PaintShaded(cr, CAFE_BROWN, 1);
}

// Green house: windows, the small one with a window box where flowers grow
// in the changed copy.
void DrawGreenHouseWindows(cairo_t* cr, const SceneArea& flowers, bool inBloom) {
    for (double x : {flowers.cx, flowers.cx + 30}) {
        for (double y : {52.0, 84.0, 150.0}) DrawWindow(cr, x - 7, y, 14, 20, WINDOW_WHITE, WINDOW_SKY);
        DrawCurtains(cr, x - 7, x == flowers.cx ? 52 : 150, 14, 20, CURTAIN_GOLD);
        DrawSillFlowers(cr, x - 7, 72, 14);
    }
    DrawWindow(cr, flowers.cx + 24, flowers.top + 1, 12, 10, WINDOW_WHITE, WINDOW_SKY);
    DrawWindow(cr, flowers.cx - 6, flowers.top + 1, 12, 10, WINDOW_WHITE, WINDOW_SKY);
    RectPath(cr, flowers.cx - 8, flowers.bottom - 1, 16, 3);
    PaintShaded(cr, GREEN_HOUSE_BROWN, 0.6);
    if (!inBloom) return;
    RectPath(cr, flowers.cx - 4.5, flowers.bottom - 7, 9, 4.5);
    PaintShaded(cr, GREEN_HOUSE_RED, 0.6);
    for (double x : {-3.0, 0.0, 3.0}) {
        CirclePath(cr, flowers.cx + x, flowers.bottom - 7.6, 1.6);
        PaintShaded(cr, x == 0 ? GREEN_HOUSE_YELLOW : GREEN_HOUSE_ROSE, 0.4);
    }
}

// Pavement, kerb, road markings, the zebra crossing beyond the bus and drains.
void DrawPavementAndRoad(cairo_t* cr) {
    FillGradientRect(cr, 0, 205, SCENE_WIDTH, 22, PAVEMENT_FAR_SILVER, PAVEMENT_NEAR_SILVER);
    for (double x = 0; x < SCENE_WIDTH + 12; x += 16) LinePath(cr, x, 205, x - 6, 225);
    LinePath(cr, 0, 215, SCENE_WIDTH, 215);
    PaintLine(cr, KERB_LINE, 0.7);
    RectPath(cr, 0, 225, SCENE_WIDTH, 4);
    PaintShaded(cr, STREET_GREY, 0.6);
    for (double x = 6; x < SCENE_WIDTH; x += 12) LinePath(cr, x, 225, x, 229);
    PaintLine(cr, STREET_SLATE, 0.6);
    FillGradientRect(cr, 0, 229, SCENE_WIDTH, SCENE_HEIGHT - 229, STREET_SLATE, STREET_PLUM);
    for (double x = 130; x < 300; x += 46) {
        RectPath(cr, x, 258, 26, 3);
        PaintFlat(cr, STREET_ICE);
    }
    DrawRoadArrow(cr, 26, 250, 1);
    for (double x = 314; x < 372; x += 8) {
        RectPath(cr, x, 232, 4.5, 36);
        PaintFlat(cr, STREET_ICE);
    }
    for (double x : {20.0, 166.0}) {
        EllipsePath(cr, x, 262, 7, 2.2);
        PaintFillThenOutline(cr, STREET_PLUM, 0.8);
    }
}

// Street sign on its pole: no entry, or a warning diamond in the changed copy.
void DrawStreetSign(cairo_t* cr, const SceneArea& roadSign, bool warning) {
    RectPath(cr, roadSign.cx - 1, roadSign.cy + 6, 2, 220 - roadSign.cy - 6);
    PaintShaded(cr, STREET_SIGN_GREY, 0.5);
    DrawRoadSign(cr, roadSign.cx, roadSign.cy, warning);
}

// Trees in pots and a lamp post.
void DrawPottedTreesAndLamp(cairo_t* cr) {
    for (double x : {20.0, 330.0}) {
        DrawTree(cr, x, 214, 70, TREE_GREEN);
        RectPath(cr, x - 8, 204, 16, 12);
        PaintShaded(cr, POTTED_TREE_BROWN, 0.8);
    }
    RectPath(cr, 300, 120, 3, 100);
    PaintShaded(cr, POTTED_TREE_CHARCOAL, 0.6);
    RoundedRectPath(cr, 296, 110, 11, 12, 3);
    PaintShaded(cr, POTTED_TREE_CREAM, 0.8);
}

// People, a dog on its lead, a bicycle, a bin, café tables, the traffic
// light and pigeons.
void DrawPassersBy(cairo_t* cr) {
    DrawCafeTable(cr, 96, 214);
    DrawCafeTable(cr, 118, 216);
    DrawWalker(cr, 206, 222, COAT_BLUE);
    DrawDog(cr, 194, 222);
    LinePath(cr, 203, 209, 196, 215);
    PaintLine(cr, BUS_CHARCOAL, 0.5);
    DrawWalker(cr, 352, 220, COAT_GREEN);
    DrawBicycle(cr, 280, 222);
    RoundedRectPath(cr, 48, 206, 9, 13, 1.5);
    PaintShaded(cr, BIN_GREEN, 0.8);
    RectPath(cr, 47, 205, 11, 2);
    PaintShaded(cr, BIN_GREEN, 0.6);
    DrawTrafficLight(cr, 312, 226);
    for (double x : {150.0, 160.0, 366.0}) DrawPigeon(cr, x, 224);
}

}  // namespace

// Draws the scene; the changes only when altered is set.
void DrawStreetScene(cairo_t* cr, bool altered) {
    const SceneArea sign = AreaOf(10, 0), van = AreaOf(10, 1), planter = AreaOf(10, 2), roadSign = AreaOf(10, 3),
                    flowers = AreaOf(10, 4);
    DrawSkyAndRoofs(cr);
    DrawHouseRow(cr, sign);
    DrawBunting(cr);
    DrawCafe(cr, sign, altered);
    DrawGreenHouseWindows(cr, flowers, altered);
    DrawPavementAndRoad(cr);
    DrawVan(cr, van.left + 2, van.top + 2, van.right - 1, van.bottom - 1, altered ? VAN_MAROON : VAN_RED);
    DrawBus(cr, 190, 266, 110);
    DrawTaxi(cr, 112, 266, 36);
    DrawStreetSign(cr, roadSign, altered);
    DrawPottedTreesAndLamp(cr);
    // The planter on the pavement is gone in the changed copy.
    if (!altered) DrawPlanter(cr, planter.left + 2.7, planter.top + 2.7, planter.right - 1.7, planter.bottom - 1.7);
    DrawPassersBy(cr);
}
