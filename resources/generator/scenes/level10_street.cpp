// Level 10, on grey: a town street on a bright day.
// Its five changes, in area order:
//   0. sign: the cafe's sign and awning turn from green to red.
//   1. arrow: the road arrow points left.
//   2. ball: the ball on the pavement is gone.
//   3. roadSign: the round no-entry sign is a warning diamond.
//   4. flowers: flowers grow in the window box.
#include "scene_kit.h"

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
constexpr Rgb CAFE_RED = {200, 50, 60};
constexpr Rgb CAFE_GREEN = {50, 130, 90};
constexpr Rgb CAFE_RED_2 = {230, 80, 70};
constexpr Rgb CAFE_SKY = {170, 210, 230};
constexpr Rgb CAFE_BROWN = {120, 70, 50};
constexpr Rgb GREEN_HOUSE_BROWN = {140, 100, 70};
constexpr Rgb GREEN_HOUSE_RED = {200, 100, 60};
constexpr Rgb GREEN_HOUSE_YELLOW = {250, 210, 60};
constexpr Rgb GREEN_HOUSE_ROSE = {240, 60, 110};
constexpr Rgb STREET_SILVER = {210, 206, 200};
constexpr Rgb STREET_SILVER_2 = {190, 186, 180};
constexpr Rgb STREET_SILVER_3 = {176, 172, 166};
constexpr Rgb STREET_GREY = {160, 156, 150};
constexpr Rgb STREET_SLATE = {90, 92, 100};
constexpr Rgb STREET_PLUM = {70, 72, 80};
constexpr Rgb STREET_ICE = {240, 240, 240};
constexpr Rgb STREET_SIGN_GREY = {120, 124, 130};
constexpr Rgb TREE_GREEN = {90, 160, 80};
constexpr Rgb POTTED_TREE_BROWN = {180, 110, 80};
constexpr Rgb POTTED_TREE_CHARCOAL = {60, 64, 72};
constexpr Rgb POTTED_TREE_CREAM = {250, 240, 190};
constexpr Rgb POTTED_TREE_RED = {230, 60, 60};

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
        EllipsePath(cr, cx, cy + 2.2, 0.8, 0.8);
        PaintFlat(cr, ROAD_SIGN_CHARCOAL);
        LinePath(cr, cx, cy - 3, cx, cy + 0.6);
        PaintLine(cr, ROAD_SIGN_CHARCOAL, 1.3);
    } else {
        EllipsePath(cr, cx, cy, 5.6, 5.6);
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
    }
    RectPath(cr, left, groundY - 14, length, 3);
    PaintFlat(cr, BUS_RED);
    for (double x : {left + 14, left + length - 16}) {
        EllipsePath(cr, x, groundY - 4, 5, 5);
        PaintFillThenOutline(cr, BUS_CHARCOAL, 1);
        EllipsePath(cr, x, groundY - 4, 2, 2);
        PaintFlat(cr, BUS_SILVER);
    }
}

}  // namespace

// Draws the scene; the changes only when altered is set.
void DrawStreetScene(cairo_t* cr, bool altered) {
    const SceneArea sign = AreaOf(10, 0), arrow = AreaOf(10, 1), ball = AreaOf(10, 2), roadSign = AreaOf(10, 3),
                    flowers = AreaOf(10, 4);
    FillGradientRect(cr, 0, 0, SCENE_WIDTH, 200, BACKDROP_SKY, BACKDROP_ICE);
    DrawCloud(cr, 270, 10, 70, 24);
    DrawCloud(cr, 20, 16, 50, 18);
    // Row of houses; the café sits where the sign area is.
    DrawTownHouse(cr, 0, 60, 74, 205, TOWN_HOUSE_SAND, 3);
    DrawTownHouse(cr, 74, 90, sign.cx + 46, 205, TOWN_HOUSE_ROSE, 0);
    DrawTownHouse(cr, sign.cx + 46, 40, 270, 205, TOWN_HOUSE_SILVER, 0);
    DrawTownHouse(cr, 270, 70, SCENE_WIDTH, 205, TOWN_HOUSE_ICE, 3);
    // Café: upper windows, sign, awning and a big window.
    for (double x : {sign.cx - 34, sign.cx + 14}) DrawWindow(cr, x, 98, 20, 18, WINDOW_CREAM, WINDOW_SKY);
    RoundedRectPath(cr, sign.cx - 17, sign.cy - 6.5, 34, 13, 3);
    PaintShaded(cr, altered ? CAFE_RED : CAFE_GREEN, 0.8);
    UseFont(cr, FONT_BOLD, 9);
    DrawTextCentered(cr, "CAFE", sign.cx, sign.cy, 255, 248, 220);
    for (int i = 0; i < 6; ++i) {
        RectPath(cr, sign.cx - 42 + i * 14, 140, 14, 10);
        PaintShaded(cr, i % 2 ? WINDOW_WHITE : CAFE_RED_2, 0.6);
    }
    RectPath(cr, sign.cx - 38, 156, 44, 30);
    PaintShaded(cr, CAFE_SKY, 1);
    RectPath(cr, sign.cx + 14, 156, 22, 49);
    PaintShaded(cr, CAFE_BROWN, 1);
    // Green house: windows, the small one with a window box.
    for (double x : {flowers.cx, flowers.cx + 30}) {
        for (double y : {52.0, 84.0, 150.0}) DrawWindow(cr, x - 7, y, 14, 20, WINDOW_WHITE, WINDOW_SKY);
    }
    DrawWindow(cr, flowers.cx + 24, flowers.top + 1, 12, 10, WINDOW_WHITE, WINDOW_SKY);
    DrawWindow(cr, flowers.cx - 6, flowers.top + 1, 12, 10, WINDOW_WHITE, WINDOW_SKY);
    RectPath(cr, flowers.cx - 8, flowers.bottom - 1, 16, 3);
    PaintShaded(cr, GREEN_HOUSE_BROWN, 0.6);
    if (altered) {
        RectPath(cr, flowers.cx - 4.5, flowers.bottom - 7, 9, 4.5);
        PaintShaded(cr, GREEN_HOUSE_RED, 0.6);
        for (double x : {-3.0, 0.0, 3.0}) {
            EllipsePath(cr, flowers.cx + x, flowers.bottom - 7.6, 1.6, 1.6);
            PaintShaded(cr, x == 0 ? GREEN_HOUSE_YELLOW : GREEN_HOUSE_ROSE, 0.4);
        }
    }
    // Pavement and road.
    FillGradientRect(cr, 0, 205, SCENE_WIDTH, 22, STREET_SILVER, STREET_SILVER_2);
    for (double x = 0; x < SCENE_WIDTH; x += 24) LinePath(cr, x, 205, x - 6, 227);
    PaintLine(cr, STREET_SILVER_3, 0.7);
    RectPath(cr, 0, 225, SCENE_WIDTH, 4);
    PaintShaded(cr, STREET_GREY, 0.6);
    FillGradientRect(cr, 0, 229, SCENE_WIDTH, SCENE_HEIGHT - 229, STREET_SLATE, STREET_PLUM);
    for (double x = 130; x < SCENE_WIDTH; x += 46) {
        RectPath(cr, x, 258, 26, 3);
        PaintFlat(cr, STREET_ICE);
    }
    DrawRoadArrow(cr, arrow.cx, arrow.cy, altered ? -1 : 1);
    DrawBus(cr, 190, 266, 110);
    // Street sign on its pole.
    RectPath(cr, roadSign.cx - 1, roadSign.cy + 6, 2, 220 - roadSign.cy - 6);
    PaintShaded(cr, STREET_SIGN_GREY, 0.5);
    DrawRoadSign(cr, roadSign.cx, roadSign.cy, altered);
    // Trees in pots and a lamp post.
    for (double x : {20.0, 330.0}) {
        DrawTree(cr, x, 214, 70, TREE_GREEN);
        RectPath(cr, x - 8, 204, 16, 12);
        PaintShaded(cr, POTTED_TREE_BROWN, 0.8);
    }
    RectPath(cr, 300, 120, 3, 100);
    PaintShaded(cr, POTTED_TREE_CHARCOAL, 0.6);
    RoundedRectPath(cr, 296, 110, 11, 12, 3);
    PaintShaded(cr, POTTED_TREE_CREAM, 0.8);
    if (!altered) {
        DropShadow(cr, ball.cx + 2, ball.cy + 4.6, 5, 1.2);
        EllipsePath(cr, ball.cx, ball.cy + 0.3, 4.4, 4.4);
        PaintShaded(cr, POTTED_TREE_RED, 0.7);
        LinePath(cr, ball.cx - 4.2, ball.cy + 0.3, ball.cx + 4.2, ball.cy + 0.3);
        PaintLine(cr, WHITE, 1.4);
    }
}
