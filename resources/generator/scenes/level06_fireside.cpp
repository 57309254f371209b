// Level 6, on maroon: a cosy sitting room by the fire.
// A wall clock, a shelf of books and a log basket fill the room.
// Its five changes, in area order:
//   0. slippers (orientation): the slippers point the other way.
//   1. yarn (added): a ball of yellow wool lies on the floor.
//   2. garland (missing): the garland under the mantel is gone.
//   3. book (position): the book slides right along the side table.
//   4. cat (colour): the sleeping cat turns from ginger to charcoal grey.
#include "scenes/scenes.h"

#include <algorithm>
#include <cmath>

namespace {

// The scene's palette.
constexpr Rgb LYING_CAT_BLACK = {30, 24, 20};
constexpr Rgb GARLAND_GREEN = {56, 130, 70};
constexpr Rgb GARLAND_RED = {220, 40, 40};
constexpr Rgb SLIPPER_BLUE = {90, 130, 200};
constexpr Rgb SLIPPER_TOE_BLUE = {60, 96, 170};
constexpr Rgb SLIPPER_POMPOM_WHITE = {250, 250, 250};
constexpr Rgb YARN_END_YELLOW = {220, 170, 50};
constexpr Rgb YARN_BALL_YELLOW = {252, 214, 96};
constexpr Rgb YARN_STRAND_YELLOW = {190, 140, 40};
constexpr Rgb FIRE_RED = {230, 80, 30};
constexpr Rgb FIRE_ORANGE = {250, 150, 40};
constexpr Rgb FIRE_YELLOW = {255, 226, 110};
constexpr Rgb WALLPAPER_TOP_SAND = {246, 222, 170};
constexpr Rgb WALLPAPER_FOOT_SAND = {226, 196, 146};
constexpr Rgb WALLPAPER_STRIPE_SAND = {236, 206, 150};
constexpr Rgb SKIRTING_BROWN = {140, 84, 56};
constexpr Rgb FLOOR_FAR_BROWN = {168, 108, 68};
constexpr Rgb FLOOR_NEAR_BROWN = {130, 80, 50};
constexpr Rgb FLOORBOARD_BROWN = {120, 74, 46};
constexpr Rgb RUG_BROWN = {170, 60, 60};
constexpr Rgb RUG_TAN = {236, 196, 110};
constexpr Rgb WINDOW_FRAME_CREAM = {250, 246, 236};
constexpr Rgb NIGHT_WINDOW_NAVY = {24, 30, 70};
constexpr Rgb NIGHT_WINDOW_PLUM = {60, 60, 120};
constexpr Rgb WINDOW_MOON_CREAM = {250, 240, 190};
constexpr Rgb BOOK_PAGES_CREAM = {250, 246, 236};
constexpr Rgb ARMCHAIR_SLATE = {70, 120, 110};
constexpr Rgb ARMCHAIR_SEAT_GREY = {90, 146, 132};
constexpr Rgb ARMCHAIR_BASE_SLATE = {60, 104, 96};
constexpr Rgb ARMCHAIR_FOOT_BROWN = {90, 60, 40};
constexpr Rgb CUSHION_YELLOW = {236, 190, 90};
constexpr Rgb SIDE_TABLE_TOP_BROWN = {150, 96, 60};
constexpr Rgb SIDE_TABLE_LEG_BROWN = {130, 82, 50};
constexpr Rgb BOOK_BLUE = {60, 90, 180};
constexpr Rgb LAMP_STAND_BROWN = {80, 70, 60};
constexpr Rgb LAMP_GLOW_SAND = {255, 230, 150};
constexpr Rgb LAMP_SHADE_SAND = {250, 220, 150};
constexpr Rgb BRICK_RED = {190, 90, 70};
constexpr Rgb MORTAR_BROWN = {150, 70, 56};
constexpr Rgb HEARTH_OPENING_CHARCOAL = {40, 26, 24};
constexpr Rgb EMBER_GLOW_ORANGE = {255, 150, 60};
constexpr Rgb FIRE_LOG_BROWN = {120, 80, 50};
constexpr Rgb HEARTH_GREY = {120, 116, 112};
constexpr Rgb MANTEL_BROWN = {110, 70, 46};
constexpr Rgb PAINTING_GOLD = {200, 150, 60};
constexpr Rgb PAINTING_SKY = {150, 200, 230};
constexpr Rgb PAINTING_CREAM = {230, 230, 200};
constexpr Rgb PAINTING_GREEN = {90, 140, 90};
constexpr Rgb CANDLE_CREAM = {250, 246, 226};
constexpr Rgb CANDLE_FLAME_YELLOW = {255, 190, 60};
constexpr Rgb LYING_CAT_CHARCOAL = {60, 60, 66};
constexpr Rgb LYING_CAT_ORANGE = {236, 150, 70};
constexpr Rgb CLOCK_WOOD = {120, 76, 46};
constexpr Rgb CLOCK_FACE = {250, 244, 226};
constexpr Rgb SHELF_WOOD = {150, 100, 62};
constexpr Rgb BOOK_GREEN = {70, 140, 90};
constexpr Rgb BOOK_RED = {190, 60, 56};
constexpr Rgb BOOK_MUSTARD = {220, 170, 60};
constexpr Rgb PLANT_GREEN = {76, 150, 70};
constexpr Rgb POT_TERRACOTTA = {196, 104, 70};
constexpr Rgb BASKET_WICKER = {196, 150, 90};
constexpr Rgb LOG_BROWN = {130, 84, 52};
constexpr Rgb LOG_CREAM = {226, 190, 140};

// Cat curled up lying along a shelf, head on the left.
void DrawLyingCat(cairo_t* cr, double cx, double baseY, Rgb fur) {
    cairo_move_to(cr, cx + 20, baseY - 3);
    cairo_curve_to(cr, cx + 30, baseY - 2, cx + 28, baseY - 10, cx + 24, baseY - 9);
    PaintLine(cr, Darker(fur, 0.3), 3);
    EllipsePath(cr, cx + 2, baseY - 5.2, 21, 5.2);
    PaintShaded(cr, fur, 0.8);
    EllipsePath(cr, cx - 18, baseY - 5.5, 6, 5);
    PaintShaded(cr, fur, 0.8);
    for (double side : {-1.0, 1.0}) {
        cairo_move_to(cr, cx - 18 + side * 5, baseY - 8);
        cairo_line_to(cr, cx - 18 + side * 4.5, baseY - 11);
        cairo_line_to(cr, cx - 18 + side * 1, baseY - 9.5);
        cairo_close_path(cr);
    }
    PaintShaded(cr, fur, 0.7);
    for (double side : {-1.0, 1.0}) {
        cairo_move_to(cr, cx - 18 + side * 3.5, baseY - 6);
        cairo_line_to(cr, cx - 18 + side * 1.2, baseY - 5.5);
    }
    PaintLine(cr, LYING_CAT_BLACK, 0.8);
    for (double x = cx - 4; x < cx + 16; x += 6) {
        LinePath(cr, x, baseY - 9.5, x + 2, baseY - 6);
    }
    PaintLine(cr, Darker(fur, 0.25), 1);
}

// Evergreen garland swagged under a shelf, with red berries.
void DrawGarland(cairo_t* cr, double left, double right, double topY) {
    const double sag = 9;
    for (double t = 0; t <= 1.0001; t += 0.05) {
        const double x = left + (right - left) * t;
        const double y = topY + sag * std::sin(t * 2 * M_PI - M_PI / 2) * 0.5 + sag * 0.5;
        EllipsePath(cr, x, y, 3.6, 3);
    }
    PaintShaded(cr, GARLAND_GREEN, 0.6);
    for (double t = 0.1; t < 1; t += 0.2) {
        const double x = left + (right - left) * t;
        const double y = topY + sag * std::sin(t * 2 * M_PI - M_PI / 2) * 0.5 + sag * 0.5;
        CirclePath(cr, x, y + 2, 2.4);
        PaintShaded(cr, GARLAND_RED, 0.5);
    }
}

// A pair of slippers seen from above, toes towards facing (+1 right).
void DrawSlippers(cairo_t* cr, double cx, double cy, double facing) {
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    cairo_scale(cr, facing, 1);
    for (double y : {-6, 6}) {
        EllipsePath(cr, 0, y, 15, 5.2);
        PaintShaded(cr, SLIPPER_BLUE, 0.8);
        EllipsePath(cr, 7, y, 7, 4.6);
        PaintShaded(cr, SLIPPER_TOE_BLUE, 0.6);
        CirclePath(cr, 13.5, y, 2.2);
        PaintFlat(cr, SLIPPER_POMPOM_WHITE);
    }
    cairo_restore(cr);
}

// Ball of yellow wool with a loose end: light on the dark floor.
void DrawYarnBall(cairo_t* cr, double cx, double cy, double r) {
    cairo_move_to(cr, cx + r * 0.7, cy + r * 0.6);
    cairo_curve_to(cr, cx + r * 1.2, cy + r, cx + r * 1.3, cy + r * 0.6, cx + r * 1.5, cy + r * 0.9);
    PaintLine(cr, YARN_END_YELLOW, 0.9);
    CirclePath(cr, cx, cy, r);
    PaintShaded(cr, YARN_BALL_YELLOW, 0.8);
    for (double a = -0.6; a < 1.0; a += 0.5) {
        cairo_save(cr);
        cairo_translate(cr, cx, cy);
        cairo_rotate(cr, a);
        EllipsePath(cr, 0, 0, r * 0.9, r * 0.45);
        cairo_restore(cr);
    }
    Use(cr, YARN_STRAND_YELLOW);
    cairo_set_line_width(cr, 0.6);
    cairo_stroke(cr);
}

// Round wall clock with its hands at ten past ten.
void DrawWallClock(cairo_t* cr, double cx, double cy, double r) {
    CirclePath(cr, cx, cy, r);
    PaintShaded(cr, CLOCK_WOOD, 1);
    CirclePath(cr, cx, cy, r * 0.78);
    PaintFlat(cr, CLOCK_FACE);
    for (int i = 0; i < 12; i += 3) {
        const double a = i * M_PI / 6;
        LinePath(cr, cx + std::cos(a) * r * 0.6, cy + std::sin(a) * r * 0.6, cx + std::cos(a) * r * 0.72,
                 cy + std::sin(a) * r * 0.72);
    }
    LinePath(cr, cx, cy, cx - r * 0.35, cy - r * 0.25);
    LinePath(cr, cx, cy, cx + r * 0.42, cy - r * 0.36);
    PaintLine(cr, INK, 1.2);
}

// Wall shelf with a row of books and a potted plant.
void DrawBookShelf(cairo_t* cr, double left, double boardY) {
    const double books[][2] = {{5, 16}, {4, 13}, {6, 17}, {4, 14}, {5, 15}};
    const Rgb covers[5] = {BOOK_GREEN, BOOK_RED, BOOK_MUSTARD, BOOK_GREEN, BOOK_RED};
    double x = left + 4;
    for (int i = 0; i < 5; ++i) {
        RectPath(cr, x, boardY - books[i][1], books[i][0], books[i][1]);
        PaintShaded(cr, covers[i], 0.7);
        x += books[i][0] + 0.8;
    }
    cairo_move_to(cr, x + 14, boardY);
    cairo_line_to(cr, x + 11, boardY - 9);
    cairo_line_to(cr, x + 23, boardY - 9);
    cairo_line_to(cr, x + 20, boardY);
    cairo_close_path(cr);
    PaintShaded(cr, POT_TERRACOTTA, 0.7);
    for (int i = 0; i < 5; ++i) {
        const double a = -M_PI / 2 + (i - 2) * 0.5;
        EllipsePath(cr, x + 17 + std::cos(a) * 6, boardY - 12 + std::sin(a) * 5, 3.4, 2.2, a);
    }
    PaintShaded(cr, PLANT_GREEN, 0.6);
    RectPath(cr, left, boardY, x + 30 - left, 3.5);
    PaintShaded(cr, SHELF_WOOD, 0.8);
}

// Wicker basket of logs for the fire.
void DrawLogBasket(cairo_t* cr, double cx, double baseY) {
    DropShadow(cr, cx, baseY, 20, 3);
    for (double dx : {-8.0, 0.0, 8.0}) {
        CirclePath(cr, cx + dx, baseY - 17 - std::fabs(dx) * 0.2, 4.5);
        PaintShaded(cr, LOG_BROWN, 0.7);
        CirclePath(cr, cx + dx, baseY - 17 - std::fabs(dx) * 0.2, 2.6);
        PaintFlat(cr, LOG_CREAM);
    }
    cairo_move_to(cr, cx - 16, baseY - 14);
    cairo_line_to(cr, cx + 16, baseY - 14);
    cairo_line_to(cr, cx + 13, baseY);
    cairo_line_to(cr, cx - 13, baseY);
    cairo_close_path(cr);
    PaintShaded(cr, BASKET_WICKER, 0.8);
    for (double y = baseY - 10; y < baseY; y += 4) LinePath(cr, cx - 14, y, cx + 14, y);
    PaintLine(cr, Darker(BASKET_WICKER, 0.3), 0.8);
}

// Flames in three layers.
void DrawFire(cairo_t* cr, double cx, double baseY, double w, double h) {
    const Rgb layers[3] = {FIRE_RED, FIRE_ORANGE, FIRE_YELLOW};
    for (int i = 0; i < 3; ++i) {
        const double s = 1 - i * 0.28;
        cairo_move_to(cr, cx - w / 2 * s, baseY);
        cairo_curve_to(cr, cx - w / 2 * s, baseY - h * 0.5 * s, cx - w * 0.2 * s, baseY - h * 0.6 * s, cx - w * 0.12 * s,
                       baseY - h * s);
        cairo_curve_to(cr, cx, baseY - h * 0.55 * s, cx + w * 0.1 * s, baseY - h * 0.8 * s, cx + w * 0.16 * s,
                       baseY - h * 0.9 * s);
        cairo_curve_to(cr, cx + w * 0.3 * s, baseY - h * 0.5 * s, cx + w / 2 * s, baseY - h * 0.4 * s, cx + w / 2 * s, baseY);
        cairo_close_path(cr);
        PaintFlat(cr, layers[i]);
    }
}

// Striped wallpaper, the skirting and a wooden floor.
void DrawWallAndFloor(cairo_t* cr) {
    FillGradientRect(cr, 0, 0, SCENE_WIDTH, 192, WALLPAPER_TOP_SAND, WALLPAPER_FOOT_SAND);
    for (double x = 0; x < SCENE_WIDTH; x += 16) {
        RectPath(cr, x, 0, 6, 192);
        PaintFlat(cr, WALLPAPER_STRIPE_SAND);
    }
    RectPath(cr, 0, 184, SCENE_WIDTH, 8);
    PaintShaded(cr, SKIRTING_BROWN, 0.8);
    FillGradientRect(cr, 0, 192, SCENE_WIDTH, SCENE_HEIGHT - 192, FLOOR_FAR_BROWN, FLOOR_NEAR_BROWN);
    for (double y = 200; y < SCENE_HEIGHT; y += 12) LinePath(cr, 0, y, SCENE_WIDTH, y);
    PaintLine(cr, FLOORBOARD_BROWN, 0.8);
}

// Round rug with a fringe along its front edge.
void DrawRug(cairo_t* cr) {
    EllipsePath(cr, 170, 238, 150, 26);
    PaintShaded(cr, RUG_BROWN, 1);
    EllipsePath(cr, 170, 238, 134, 20);
    Use(cr, RUG_TAN);
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
    for (double x = 60; x <= 280; x += 6) {
        const double y = 238 + 26 * std::sqrt(std::max(0.0, 1 - (x - 170) * (x - 170) / (150.0 * 150.0)));
        LinePath(cr, x, y - 1, x, y + 3);
    }
    PaintLine(cr, RUG_TAN, 1);
}

// Window onto the night, with the moon.
void DrawNightWindow(cairo_t* cr) {
    DrawSkyWindow(cr, 26, 18, 76, 70, WINDOW_FRAME_CREAM, NIGHT_WINDOW_NAVY, NIGHT_WINDOW_PLUM, 4);
    CirclePath(cr, 80, 38, 7);
    PaintFlat(cr, WINDOW_MOON_CREAM);
    DrawWindowBars(cr, 26, 18, 76, 70, WINDOW_FRAME_CREAM, 4, 3);
}

// Armchair with a cushion.
void DrawArmchair(cairo_t* cr) {
    RoundedRectPath(cr, 14, 100, 92, 78, 16);
    PaintShaded(cr, ARMCHAIR_SLATE, 1.2);
    RoundedRectPath(cr, 24, 150, 72, 20, 6);
    PaintShaded(cr, ARMCHAIR_SEAT_GREY, 1);
    for (double x : {8.0, 96.0}) {
        RoundedRectPath(cr, x, 128, 22, 52, 9);
        PaintShaded(cr, ARMCHAIR_SLATE, 1.2);
    }
    RectPath(cr, 14, 178, 92, 12);
    PaintShaded(cr, ARMCHAIR_BASE_SLATE, 1);
    for (double x : {20.0, 96.0}) {
        RectPath(cr, x, 190, 5, 8);
        PaintShaded(cr, ARMCHAIR_FOOT_BROWN, 0.7);
    }
    RoundedRectPath(cr, 36, 128, 30, 22, 8);
    PaintShaded(cr, CUSHION_YELLOW, 0.8);
}

// Side table with a book that slides along it in the changed copy.
void DrawSideTable(cairo_t* cr, const SceneArea& book, bool bookMoved) {
    RectPath(cr, book.left - 3, book.bottom - 1, book.w + 6, 4);
    PaintShaded(cr, SIDE_TABLE_TOP_BROWN, 0.8);
    for (double x : {book.left + 1, book.right - 5}) {
        RectPath(cr, x, book.bottom + 3, 4, 189 - book.bottom);
        PaintShaded(cr, SIDE_TABLE_LEG_BROWN, 0.8);
    }
    const double bookX = book.cx + (bookMoved ? 7 : -7);
    RoundedRectPath(cr, bookX - 9, book.bottom - 6.3, 18, 4.6, 1);
    PaintShaded(cr, BOOK_BLUE, 0.7);
    RectPath(cr, bookX - 8, book.bottom - 5.2, 16, 1.4);
    PaintFlat(cr, BOOK_PAGES_CREAM);
}

// Standing lamp on the right, with its glow.
void DrawStandingLamp(cairo_t* cr) {
    RectPath(cr, 352, 60, 3, 130);
    PaintShaded(cr, LAMP_STAND_BROWN, 0.6);
    EllipsePath(cr, 353.5, 190, 12, 3);
    PaintShaded(cr, LAMP_STAND_BROWN, 0.6);
    EllipsePath(cr, 353, 70, 26, 18);
    PaintFlat(cr, LAMP_GLOW_SAND, 0.25);
    cairo_move_to(cr, 340, 40);
    cairo_line_to(cr, 366, 40);
    cairo_line_to(cr, 374, 64);
    cairo_line_to(cr, 332, 64);
    cairo_close_path(cr);
    PaintShaded(cr, LAMP_SHADE_SAND, 0.8);
}

// Fireplace centred on fx: brick surround, the fire, hearth and mantel shelf.
void DrawFireplace(cairo_t* cr, double fx, const SceneArea& garland) {
    RectPath(cr, fx - 62, garland.top + 6, 124, 190 - garland.top - 6);
    PaintShaded(cr, BRICK_RED, 1.2);
    for (double y = garland.top + 12; y < 190; y += 8) {
        LinePath(cr, fx - 62, y, fx + 62, y);
        const double shift = (static_cast<int>((y - garland.top) / 8) % 2) * 8;
        for (double x = fx - 62 + shift; x < fx + 62; x += 16) LinePath(cr, x, y, x, y + 8);
    }
    PaintLine(cr, MORTAR_BROWN, 0.7);
    // The opening: a real arc over straight sides.
    cairo_new_sub_path(cr);
    cairo_arc(cr, fx, 152, 32, M_PI, 2 * M_PI);
    cairo_line_to(cr, fx + 32, 190);
    cairo_line_to(cr, fx - 32, 190);
    cairo_close_path(cr);
    PaintShaded(cr, HEARTH_OPENING_CHARCOAL, 1);
    EllipsePath(cr, fx, 184, 28, 8);
    PaintFlat(cr, EMBER_GLOW_ORANGE, 0.25);
    for (double x : {fx - 12, fx + 10}) {
        RoundedRectPath(cr, x - 12, 180, 24, 6, 3);
        PaintShaded(cr, FIRE_LOG_BROWN, 0.7);
    }
    DrawFire(cr, fx, 182, 40, 40);
    RectPath(cr, fx - 74, 190, 148, 6);
    PaintShaded(cr, HEARTH_GREY, 0.8);
    RectPath(cr, fx - 72, garland.top - 1, 144, 7);
    PaintShaded(cr, MANTEL_BROWN, 1);
}

// Painting of green hills above the mantel.
void DrawPainting(cairo_t* cr, double fx) {
    RectPath(cr, fx - 30, 18, 60, 44);
    PaintShaded(cr, PAINTING_GOLD, 1.2);
    FillGradientRect(cr, fx - 25, 23, 50, 34, PAINTING_SKY, PAINTING_CREAM);
    cairo_move_to(cr, fx - 25, 57);
    cairo_line_to(cr, fx - 8, 38);
    cairo_line_to(cr, fx + 4, 50);
    cairo_line_to(cr, fx + 12, 42);
    cairo_line_to(cr, fx + 25, 57);
    cairo_close_path(cr);
    PaintFlat(cr, PAINTING_GREEN);
}

// Two candles at the mantel's left end.
void DrawCandles(cairo_t* cr, double fx, const SceneArea& garland) {
    for (double x : {fx - 62, fx - 54}) {
        RectPath(cr, x - 2, garland.top - 13, 4, 12);
        PaintShaded(cr, CANDLE_CREAM, 0.6);
        EllipsePath(cr, x, garland.top - 15.5, 1.4, 2.4);
        PaintFlat(cr, CANDLE_FLAME_YELLOW);
    }
}

}  // namespace

// Draws the scene; the changes only when altered is set.
void DrawFiresideScene(cairo_t* cr, bool altered) {
    const SceneArea slippers = AreaOf(6, 0), yarn = AreaOf(6, 1), garland = AreaOf(6, 2), book = AreaOf(6, 3),
                    cat = AreaOf(6, 4);
    const double fireplaceX = garland.cx + 10;
    DrawWallAndFloor(cr);
    DrawRug(cr);
    DrawNightWindow(cr);
    DrawArmchair(cr);
    DrawSideTable(cr, book, altered);
    DrawWallClock(cr, 146, 40, 13);
    DrawBookShelf(cr, 112, 88);
    DrawStandingLamp(cr);
    DrawFireplace(cr, fireplaceX, garland);
    DrawPainting(cr, fireplaceX);
    DrawCandles(cr, fireplaceX, garland);
    // The sleeping cat on the mantel changes colour; the garland under it is gone.
    DrawLyingCat(cr, cat.cx - 2, garland.top - 1, altered ? LYING_CAT_CHARCOAL : LYING_CAT_ORANGE);
    if (!altered) DrawGarland(cr, garland.left + 7, garland.right - 7, garland.top + 6);
    DrawLogBasket(cr, 342, 224);
    DrawSlippers(cr, slippers.cx, slippers.cy, altered ? -1 : 1);
    if (altered) DrawYarnBall(cr, yarn.cx - 1, yarn.cy + 0.3, 4.6);
}
