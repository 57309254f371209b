// Level 11, on plum: the toy shelf in a playroom.
// Its five changes, in area order:
//   0. teddy (orientation): the teddy tilts its head the other way.
//   1. block (size): the top block, C, is smaller.
//   2. car (orientation): the toy lorry faces the other way.
//   3. ball (count): the striped ball has a stripe fewer.
//   4. jack (shape): the jack-in-the-box springs open.
#include "scenes/scenes.h"

#include <cmath>

namespace {

// The scene's palette.
constexpr Rgb TEDDY_BLACK = {30, 24, 20};
constexpr Rgb TEDDY_RED = {220, 50, 70};
constexpr Rgb TOY_LORRY_GOLD = {250, 190, 40};
constexpr Rgb TOY_LORRY_BLUE = {60, 110, 220};
constexpr Rgb TOY_LORRY_SKY = {170, 220, 250};
constexpr Rgb TOY_LORRY_CHARCOAL = {40, 40, 44};
constexpr Rgb STRIPED_BALL_WHITE = {250, 250, 250};
constexpr Rgb STRIPED_BALL_ROSE = {240, 150, 160};
constexpr Rgb STRIPED_BALL_BLUE = {140, 180, 240};
constexpr Rgb STRIPED_BALL_YELLOW = {246, 214, 120};
constexpr Rgb STRIPED_BALL_GREY = {120, 120, 130};
constexpr Rgb SPINNING_TOP_YELLOW = {250, 200, 60};
constexpr Rgb JACK_SPRING_SILVER = {180, 180, 190};
constexpr Rgb JACK_IN_THE_BOX_GREEN = {60, 170, 90};
constexpr Rgb JACK_IN_THE_BOX_YELLOW = {250, 220, 60};
constexpr Rgb JACK_IN_THE_BOX_CREAM = {255, 222, 196};
constexpr Rgb JACK_NOSE_RED = {230, 50, 50};
constexpr Rgb JACK_IN_THE_BOX_MAROON = {160, 40, 40};
constexpr Rgb JACK_LID_RED = {240, 80, 80};
constexpr Rgb JACK_IN_THE_BOX_BLUE = {60, 120, 220};
constexpr Rgb STAR_YELLOW = {250, 210, 60};
constexpr Rgb JACK_CRANK_SILVER = {200, 200, 206};
constexpr Rgb WALL_TOP_LILAC = {236, 226, 246};
constexpr Rgb WALL_FOOT_LILAC = {220, 206, 236};
constexpr Rgb BACKDROP_TAN = {190, 150, 110};
constexpr Rgb BACKDROP_GREY = {160, 120, 86};
constexpr Rgb BACKDROP_BROWN = {124, 86, 58};
constexpr Rgb SHELF_FRAME_TAN = {210, 160, 110};
constexpr Rgb SHELF_BACK_BROWN = {170, 120, 80};
constexpr Rgb LIGHT_WOOD_TAN = {226, 180, 126};
constexpr Rgb BLOCK_RED = {230, 70, 70};
constexpr Rgb BLOCK_GREEN = {60, 160, 90};
constexpr Rgb BOOK_RED = {200, 60, 60};
constexpr Rgb BOOK_BLUE = {60, 120, 200};
constexpr Rgb BOOK_GOLD = {240, 190, 60};
constexpr Rgb BOOK_GREEN = {90, 170, 100};
constexpr Rgb BOOK_PURPLE = {160, 90, 200};
constexpr Rgb BOOK_ORANGE = {240, 130, 60};
constexpr Rgb DRUM_AND_DOLL_CREAM = {246, 240, 226};
constexpr Rgb DRUM_AND_DOLL_YELLOW = {250, 220, 100};
constexpr Rgb DRUM_AND_DOLL_PINK = {240, 140, 180};
constexpr Rgb DRUM_AND_DOLL_BROWN = {150, 90, 50};
constexpr Rgb TEDDY_OLIVE = {180, 120, 70};
constexpr Rgb BLOCK_GOLD = {250, 190, 50};
constexpr Rgb BALLOON_BLUE = {90, 170, 230};
constexpr Rgb KITE_ROSE = {240, 100, 90};
constexpr Rgb KITE_CREAM = {250, 240, 230};
constexpr Rgb KITE_SLATE = {90, 90, 90};
constexpr Rgb FLOOR_TOY_CREAM = {250, 246, 236};
constexpr Rgb FLOOR_TOY_CHARCOAL = {30, 30, 30};
constexpr Rgb FLOOR_TOY_ORANGE = {230, 120, 60};
constexpr Rgb WALL_STAR_GOLD = {230, 180, 90};
constexpr Rgb ROBOT_SILVER = {190, 196, 210};
constexpr Rgb ROBOT_RED = {220, 60, 60};
constexpr Rgb TRAIN_RED = {210, 60, 60};
constexpr Rgb TRAIN_GREEN = {60, 150, 90};
constexpr Rgb TRACK_BROWN = {110, 76, 50};
constexpr Rgb TRACK_SILVER = {200, 200, 210};
constexpr Rgb RUG_TEAL = {70, 160, 170};
constexpr Rgb RUG_CREAM = {246, 236, 210};
constexpr Rgb RUG_ORANGE = {240, 150, 70};
constexpr Rgb FRAME_GOLD = {200, 150, 70};
constexpr Rgb PICTURE_SKY = {160, 210, 240};
constexpr Rgb PICTURE_GRASS = {110, 180, 90};
constexpr Rgb CLOCK_FACE = {252, 250, 240};
constexpr Rgb SOLDIER_RED = {210, 50, 50};
constexpr Rgb SOLDIER_BLACK = {40, 36, 44};
constexpr Rgb WINDOW_FRAME_WHITE = {248, 248, 244};
constexpr Rgb WINDOW_SKY = {150, 200, 240};
constexpr Rgb CURTAIN_TEAL = {80, 170, 170};
constexpr Rgb XYLOPHONE_WOOD = {120, 80, 50};
constexpr Rgb RING_COLOURS[5] = {{220, 60, 60}, {240, 150, 50}, {250, 210, 60}, {70, 170, 90}, {70, 120, 220}};

// Alphabet block: coloured cube face with a letter.
void DrawBlock(cairo_t* cr, double cx, double baseY, double size, Rgb hue, const char* letter) {
    RoundedRectPath(cr, cx - size / 2, baseY - size, size, size, 2);
    PaintShaded(cr, hue, 0.9);
    RoundedRectPath(cr, cx - size / 2 + 2.5, baseY - size + 2.5, size - 5, size - 5, 1.5);
    Use(cr, Lighter(hue, 0.5));
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
    UseFont(cr, FONT_BOLD, size * 0.6);
    DrawTextCentered(cr, letter, cx, baseY - size / 2, WHITE);
}

// Teddy bear sitting, its head tilted by headTilt radians about the neck.
void DrawTeddy(cairo_t* cr, double cx, double baseY, Rgb fur, double headTilt) {
    const Rgb light = Lighter(fur, 0.45);
    for (double side : {-1.0, 1.0}) {
        EllipsePath(cr, cx + side * 8, baseY - 4, 5.5, 4);
        PaintShaded(cr, fur, 0.8);
        EllipsePath(cr, cx + side * 11, baseY - 16, 3.5, 6);
        PaintShaded(cr, fur, 0.8);
    }
    EllipsePath(cr, cx, baseY - 13, 9, 10);
    PaintShaded(cr, fur, 0.9);
    EllipsePath(cr, cx, baseY - 12, 5, 6);
    PaintFlat(cr, light);
    cairo_save(cr);
    cairo_translate(cr, cx, baseY - 20);
    cairo_rotate(cr, headTilt);
    for (double side : {-1.0, 1.0}) {
        CirclePath(cr, side * 7.5, -11, 3.8);
        PaintShaded(cr, fur, 0.8);
        CirclePath(cr, side * 7.5, -11, 1.8);
        PaintFlat(cr, light);
    }
    EllipsePath(cr, 0, -6, 8, 7.5);
    PaintShaded(cr, fur, 0.9);
    EllipsePath(cr, 0, -3.5, 3.5, 2.6);
    PaintFlat(cr, light);
    EllipsePath(cr, 0, -4.5, 1.3, 0.9);
    CirclePath(cr, -3, -8, 1);
    CirclePath(cr, 3, -8, 1);
    PaintFlat(cr, TEDDY_BLACK);
    cairo_restore(cr);
    cairo_move_to(cr, cx - 4, baseY - 19);
    cairo_line_to(cr, cx + 4, baseY - 17);
    cairo_line_to(cr, cx + 4, baseY - 19);
    cairo_line_to(cr, cx - 4, baseY - 17);
    cairo_close_path(cr);
    PaintFillThenOutline(cr, TEDDY_RED, 0.5);
}

// Toy lorry side-on, cab at the front; facing +1 drives right.
void DrawToyLorry(cairo_t* cr, double cx, double baseY, double facing) {
    cairo_save(cr);
    cairo_translate(cr, cx, baseY);
    cairo_scale(cr, facing, 1);
    RoundedRectPath(cr, -8.8, -7.5, 12.3, 4.5, 1);
    PaintShaded(cr, TOY_LORRY_GOLD, 0.7);
    RoundedRectPath(cr, 3, -12, 5.8, 9, 1.5);
    PaintShaded(cr, TOY_LORRY_BLUE, 0.7);
    RectPath(cr, 4.6, -10.5, 2.8, 3);
    PaintFlat(cr, TOY_LORRY_SKY);
    for (double x : {-5.5, 5.0}) {
        CirclePath(cr, x, -2.3, 2.3);
        PaintFillThenOutline(cr, TOY_LORRY_CHARCOAL, 0.6);
    }
    cairo_restore(cr);
}

// Striped beach ball resting on baseY, with one to three stripes.
void DrawStripedBall(cairo_t* cr, double cx, double baseY, double r, int stripeCount) {
    const double cy = baseY - r;
    CirclePath(cr, cx, cy, r);
    PaintShaded(cr, STRIPED_BALL_WHITE, 0.8);
    const Rgb stripes[3] = {STRIPED_BALL_ROSE, STRIPED_BALL_YELLOW, STRIPED_BALL_BLUE};
    for (int i = 0; i < stripeCount; ++i) {
        cairo_save(cr);
        cairo_translate(cr, cx, cy);
        cairo_rotate(cr, -0.75 + i * 0.75);
        EllipsePath(cr, 0, 0, r * 0.36, r * 0.96);
        cairo_restore(cr);
        PaintFlat(cr, stripes[i], 0.9);
    }
    CirclePath(cr, cx, cy, r);
    Use(cr, STRIPED_BALL_GREY);
    cairo_set_line_width(cr, 0.8);
    cairo_stroke(cr);
}

// Jack-in-the-box: shut, or sprung open with the clown on his spring.
void DrawJackInTheBox(cairo_t* cr, double cx, double baseY, double size, bool open) {
    const double top = baseY - size;
    if (open) {
        cairo_move_to(cr, cx, top);
        for (int i = 1; i <= 6; ++i) cairo_line_to(cr, cx + (i % 2 ? -5 : 5), top - i * 2.2);
        PaintLine(cr, JACK_SPRING_SILVER, 1.6);
        const double headY = top - 19;
        cairo_move_to(cr, cx - 8, headY - 4);
        cairo_line_to(cr, cx, headY - 14);
        cairo_line_to(cr, cx + 8, headY - 4);
        cairo_close_path(cr);
        PaintShaded(cr, JACK_IN_THE_BOX_GREEN, 0.7);
        CirclePath(cr, cx, headY - 14, 1.5);
        PaintShaded(cr, JACK_IN_THE_BOX_YELLOW, 0.5);
        EllipsePath(cr, cx, headY + 2, 8.5, 7.5);
        PaintShaded(cr, JACK_IN_THE_BOX_CREAM, 0.8);
        CirclePath(cr, cx, headY + 2.5, 2.4);
        PaintFlat(cr, JACK_NOSE_RED);
        EllipsePath(cr, cx - 3.2, headY - 0.5, 1, 1.2);
        EllipsePath(cr, cx + 3.2, headY - 0.5, 1, 1.2);
        PaintFlat(cr, TEDDY_BLACK);
        // The grin: a real arc.
        cairo_arc(cr, cx, headY + 3.5, 4, 0.3, M_PI - 0.3);
        PaintLine(cr, JACK_IN_THE_BOX_MAROON, 0.8);
        // Lid flung back to the left.
        cairo_move_to(cr, cx - size / 2, top);
        cairo_line_to(cr, cx - size / 2 - 6, top - size * 0.7);
        cairo_line_to(cr, cx - size / 2 - 2, top - size * 0.72);
        cairo_line_to(cr, cx - size / 2 + 3, top);
        cairo_close_path(cr);
        PaintShaded(cr, JACK_LID_RED, 0.8);
    } else {
        RectPath(cr, cx - size / 2 - 1.5, top - 3, size + 3, 4);
        PaintShaded(cr, JACK_LID_RED, 0.8);
        RoundedRectPath(cr, cx - 2.5, top - 6, 5, 3.5, 1);
        PaintShaded(cr, SPINNING_TOP_YELLOW, 0.6);
    }
    RectPath(cr, cx - size / 2, top, size, size);
    PaintShaded(cr, JACK_IN_THE_BOX_BLUE, 1);
    DrawStar(cr, cx, baseY - size / 2, size * 0.28, STAR_YELLOW);
    RectPath(cr, cx + size / 2, baseY - size * 0.6, 3, 3);
    PaintShaded(cr, JACK_CRANK_SILVER, 0.5);
}

// Tin robot standing on baseY: box body, head with an aerial, dial eyes.
void DrawRobot(cairo_t* cr, double cx, double baseY) {
    for (double side : {-1.0, 1.0}) {
        RectPath(cr, cx + side * 3 - 1.5, baseY - 5, 3, 5);
        PaintShaded(cr, ROBOT_SILVER, 0.5);
        RectPath(cr, cx + side * 7.5 - 1.2, baseY - 13, 2.4, 6);
        PaintShaded(cr, ROBOT_SILVER, 0.5);
    }
    RoundedRectPath(cr, cx - 6, baseY - 15, 12, 10, 1.5);
    PaintShaded(cr, ROBOT_SILVER, 0.7);
    for (double x : {-3.0, 0.0, 3.0}) {
        CirclePath(cr, cx + x, baseY - 10, 0.9);
        PaintFlat(cr, x == 0 ? ROBOT_RED : BOOK_BLUE);
    }
    RoundedRectPath(cr, cx - 4.5, baseY - 23, 9, 7, 1.5);
    PaintShaded(cr, ROBOT_SILVER, 0.7);
    for (double x : {-2.0, 2.0}) {
        CirclePath(cr, cx + x, baseY - 20, 1.2);
        PaintFlat(cr, TEDDY_BLACK);
    }
    LinePath(cr, cx, baseY - 23, cx, baseY - 27);
    PaintLine(cr, STRIPED_BALL_GREY, 0.7);
    CirclePath(cr, cx, baseY - 27.5, 1.2);
    PaintFlat(cr, ROBOT_RED);
}

// Toy soldier standing to attention on baseY.
void DrawToySoldier(cairo_t* cr, double cx, double baseY) {
    RectPath(cr, cx - 2.5, baseY - 8, 5, 8);
    PaintFlat(cr, SOLDIER_BLACK);
    RectPath(cr, cx - 3, baseY - 15, 6, 7);
    PaintFillThenOutline(cr, SOLDIER_RED, 0.5);
    CirclePath(cr, cx, baseY - 17, 2);
    PaintFlat(cr, JACK_IN_THE_BOX_CREAM);
    RoundedRectPath(cr, cx - 2.2, baseY - 24, 4.4, 6, 1.5);
    PaintFlat(cr, SOLDIER_BLACK);
}

// Stacking rings on a post, widest at the bottom.
void DrawRingStacker(cairo_t* cr, double cx, double baseY) {
    RectPath(cr, cx - 1, baseY - 26, 2, 24);
    PaintShaded(cr, LIGHT_WOOD_TAN, 0.5);
    for (int i = 0; i < 5; ++i) {
        EllipsePath(cr, cx, baseY - 3 - i * 4.6, 9 - i * 1.4, 2.6);
        PaintShaded(cr, RING_COLOURS[i], 0.6);
    }
    CirclePath(cr, cx, baseY - 27, 2);
    PaintShaded(cr, BLOCK_RED, 0.5);
}

// Framed picture of a hill under the sky.
void DrawFramedPicture(cairo_t* cr, double x, double y, double w, double h) {
    RectPath(cr, x, y, w, h);
    PaintShaded(cr, FRAME_GOLD, 0.8);
    RectPath(cr, x + 3, y + 3, w - 6, h - 6);
    PaintFlat(cr, PICTURE_SKY);
    cairo_move_to(cr, x + 3, y + h - 3);
    cairo_curve_to(cr, x + w * 0.3, y + h * 0.4, x + w * 0.6, y + h * 0.5, x + w - 3, y + h * 0.6);
    cairo_line_to(cr, x + w - 3, y + h - 3);
    cairo_close_path(cr);
    PaintFlat(cr, PICTURE_GRASS);
    CirclePath(cr, x + w * 0.72, y + h * 0.32, 3);
    PaintFlat(cr, STAR_YELLOW);
}

// Round wall clock showing a quarter past three.
void DrawWallClock(cairo_t* cr, double cx, double cy, double r) {
    CirclePath(cr, cx, cy, r);
    PaintFillThenOutline(cr, CLOCK_FACE, 1.6);
    for (int i = 0; i < 12; ++i) {
        const double a = i * M_PI / 6;
        LinePath(cr, cx + std::cos(a) * r * 0.72, cy + std::sin(a) * r * 0.72, cx + std::cos(a) * r * 0.86,
                 cy + std::sin(a) * r * 0.86);
    }
    PaintLine(cr, TEDDY_BLACK, 0.7);
    LinePath(cr, cx, cy, cx + r * 0.45, cy);
    LinePath(cr, cx, cy, cx + r * 0.2, cy - r * 0.65);
    PaintLine(cr, TEDDY_BLACK, 1);
}

// Pennants strung along a line from (x0, y0) to (x1, y0), sagging.
void DrawPennants(cairo_t* cr, double x0, double x1, double y0, int count) {
    cairo_move_to(cr, x0, y0);
    cairo_curve_to(cr, x0 + (x1 - x0) * 0.3, y0 + 10, x0 + (x1 - x0) * 0.7, y0 + 10, x1, y0);
    PaintLine(cr, KITE_SLATE, 0.6);
    for (int i = 0; i < count; ++i) {
        const double t = (i + 0.5) / count;
        const double x = x0 + (x1 - x0) * t, y = y0 + 7.5 * 4 * t * (1 - t);
        cairo_move_to(cr, x - 3.5, y);
        cairo_line_to(cr, x + 3.5, y);
        cairo_line_to(cr, x, y + 8);
        cairo_close_path(cr);
        PaintFillThenOutline(cr, RING_COLOURS[i % 5], 0.5);
    }
}

// Playroom window with a cloud outside, cross bars and tied curtains.
void DrawPlayroomWindow(cairo_t* cr, double x, double y, double w, double h) {
    DrawSkyWindow(cr, x, y, w, h, WINDOW_FRAME_WHITE, WINDOW_SKY, Lighter(WINDOW_SKY, 0.5), 3);
    DrawCloud(cr, x + 8, y + 10, w * 0.45, h * 0.22);
    DrawWindowBars(cr, x, y, w, h, WINDOW_FRAME_WHITE, 2, 2);
    for (double side : {0.0, 1.0}) {
        const double edge = side == 0 ? x - 3 : x + w + 3, inward = side == 0 ? 1 : -1;
        cairo_move_to(cr, edge, y - 4);
        cairo_line_to(cr, edge + inward * 11, y - 4);
        cairo_curve_to(cr, edge + inward * 4, y + h * 0.45, edge + inward * 7, y + h * 0.7, edge + inward * 9, y + h + 2);
        cairo_line_to(cr, edge, y + h + 2);
        cairo_close_path(cr);
        PaintShaded(cr, CURTAIN_TEAL, 0.8);
        for (double fold = 3; fold < 10; fold += 3) {
            LinePath(cr, edge + inward * fold, y - 2, edge + inward * fold * 0.6, y + h);
        }
        PaintLine(cr, Darker(CURTAIN_TEAL, 0.3), 0.6);
    }
    RectPath(cr, x - 6, y - 6, w + 12, 3);
    PaintShaded(cr, LIGHT_WOOD_TAN, 0.6);
}

// Mobile hanging from the ceiling: a bar with a moon and two stars.
void DrawMobile(cairo_t* cr, double cx, double topY) {
    LinePath(cr, cx, 0, cx, topY);
    LinePath(cr, cx - 16, topY, cx + 16, topY);
    for (double x : {-16.0, 0.0, 16.0}) LinePath(cr, cx + x, topY, cx + x, topY + (x == 0 ? 16 : 9));
    PaintLine(cr, KITE_SLATE, 0.6);
    DrawStar(cr, cx - 16, topY + 13, 4, STAR_YELLOW);
    DrawStar(cr, cx + 16, topY + 13, 4, STAR_YELLOW, 0.3);
    // The moon: a disc with a real arc run backwards inside it, filled even-odd.
    CirclePath(cr, cx, topY + 21, 5);
    cairo_new_sub_path(cr);
    cairo_arc_negative(cr, cx + 2.5, topY + 20, 4.2, 2 * M_PI, 0);
    cairo_set_fill_rule(cr, CAIRO_FILL_RULE_EVEN_ODD);
    PaintFillThenOutline(cr, STRIPED_BALL_BLUE, 0.6);
    cairo_set_fill_rule(cr, CAIRO_FILL_RULE_WINDING);
}

// Height chart on the wall: coloured bands with tick marks.
void DrawHeightChart(cairo_t* cr, double x, double top, double bottom) {
    const double band = (bottom - top) / 5;
    for (int i = 0; i < 5; ++i) {
        RectPath(cr, x, top + i * band, 12, band);
        PaintFlat(cr, RING_COLOURS[4 - i]);
    }
    for (double y = top + 4; y < bottom; y += 4) LinePath(cr, x, y, x + (static_cast<int>(y - top) % 20 == 4 ? 7 : 4), y);
    PaintLine(cr, WINDOW_FRAME_WHITE, 0.7);
    RectPath(cr, x, top, 12, bottom - top);
    Use(cr, Darker(SHELF_FRAME_TAN, 0.4));
    cairo_set_line_width(cr, 0.8);
    cairo_stroke(cr);
}

// Toy xylophone: a wooden frame with six coloured bars.
void DrawXylophone(cairo_t* cr, double left, double cy) {
    for (double y : {cy - 4.5, cy + 4.5}) LinePath(cr, left, y, left + 40, y + (y < cy ? 2 : -2));
    PaintLine(cr, XYLOPHONE_WOOD, 2);
    for (int i = 0; i < 6; ++i) {
        const double bx = left + 3 + i * 6.4, half = 7 - i * 0.8;
        RoundedRectPath(cr, bx, cy - half, 4.6, half * 2, 1.2);
        PaintFillThenOutline(cr, RING_COLOURS[i % 5], 0.5);
        CirclePath(cr, bx + 2.3, cy, 0.6);
        PaintFlat(cr, WINDOW_FRAME_WHITE);
    }
    LinePath(cr, left + 30, cy + 12, left + 44, cy + 4);
    PaintLine(cr, XYLOPHONE_WOOD, 1);
    CirclePath(cr, left + 45, cy + 3.5, 1.8);
    PaintFlat(cr, ROBOT_RED);
}

// Oval rug with coloured rings.
void DrawRug(cairo_t* cr, double cx, double cy, double rx, double ry) {
    for (int i = 0; i < 40; ++i) {
        const double a = i * M_PI / 20;
        LinePath(cr, cx + std::cos(a) * rx * 0.98, cy + std::sin(a) * ry * 0.98, cx + std::cos(a) * (rx + 3),
                 cy + std::sin(a) * (ry + 2));
    }
    PaintLine(cr, RUG_CREAM, 0.8);
    const Rgb rings[4] = {RUG_TEAL, RUG_CREAM, RUG_ORANGE, RUG_CREAM};
    for (int i = 0; i < 4; ++i) {
        EllipsePath(cr, cx, cy, rx * (1 - i * 0.2), ry * (1 - i * 0.2));
        PaintFlat(cr, rings[i]);
    }
    EllipsePath(cr, cx, cy, rx * 0.2, ry * 0.2);
    PaintFlat(cr, RUG_TEAL);
}

// Toy train on a track of sleepers along railY: engine and one wagon.
void DrawTrain(cairo_t* cr, double left, double railY) {
    for (double x = 2; x < 150; x += 5) {
        RectPath(cr, x, railY - 1, 2.2, 4);
    }
    PaintFlat(cr, TRACK_BROWN);
    for (double y : {railY, railY + 2}) LinePath(cr, 0, y, 152, y);
    PaintLine(cr, TRACK_SILVER, 0.8);
    RoundedRectPath(cr, left, railY - 9, 16, 7, 1.5);
    PaintShaded(cr, TRAIN_GREEN, 0.6);
    for (double x = left + 3; x < left + 15; x += 4.5) {
        CirclePath(cr, x, railY - 5.5, 1.2);
    }
    PaintFlat(cr, STAR_YELLOW);
    RoundedRectPath(cr, left + 20, railY - 9, 14, 7, 1.5);
    PaintShaded(cr, TRAIN_RED, 0.6);
    RectPath(cr, left + 30, railY - 15, 5, 7);
    PaintShaded(cr, TRAIN_RED, 0.6);
    RectPath(cr, left + 23, railY - 13, 3, 4);
    PaintShaded(cr, SOLDIER_BLACK, 0.4);
    LinePath(cr, left + 16, railY - 5, left + 20, railY - 5);
    PaintLine(cr, SOLDIER_BLACK, 0.8);
    for (double x : {left + 3, left + 13, left + 23, left + 31}) {
        CirclePath(cr, x, railY - 1.5, 2);
        PaintFillThenOutline(cr, SOLDIER_BLACK, 0.4);
    }
}

// The wall, papered with little stars.
void DrawStarryWall(cairo_t* cr) {
    FillGradientRect(cr, 0, 0, SCENE_WIDTH, 200, WALL_TOP_LILAC, WALL_FOOT_LILAC);
    for (double x = 8; x < SCENE_WIDTH; x += 17) {
        for (double y = 8; y < 196; y += 17) {
            StarPath(cr, x + (static_cast<int>(y) % 34 ? 8.5 : 0), y, 2.7, 1.2, 0);
        }
    }
    PaintFlat(cr, WALL_STAR_GOLD);
}

// Floorboards in perspective, their ends staggered from board to board, and
// the skirting.
void DrawFloorboards(cairo_t* cr) {
    FillGradientRect(cr, 0, 200, SCENE_WIDTH, SCENE_HEIGHT - 200, BACKDROP_TAN, BACKDROP_GREY);
    for (double x = -40; x < SCENE_WIDTH + 40; x += 20) LinePath(cr, x, 200, x - 20, SCENE_HEIGHT);
    for (int board = -2; board < 21; ++board) {
        for (double y = 212 + (board % 3) * 14; y < SCENE_HEIGHT; y += 42) {
            const double x = board * 20 - (y - 200) * 20 / 70;
            LinePath(cr, x, y, x + 20, y);
        }
    }
    PaintLine(cr, BACKDROP_BROWN, 1.2);
    RectPath(cr, 0, 196, SCENE_WIDTH, 5);
    PaintShaded(cr, STRIPED_BALL_WHITE, 0.6);
}

// Things on the wall: pennants, pictures, a clock, the window, the mobile and
// the height chart.
void DrawWallThings(cairo_t* cr) {
    DrawPennants(cr, 140, 290, 6, 9);
    DrawFramedPicture(cr, 150, 34, 38, 28);
    DrawWallClock(cr, 222, 62, 11);
    DrawFramedPicture(cr, 352, 40, 22, 30);
    DrawPlayroomWindow(cr, 146, 80, 46, 44);
    DrawMobile(cr, 262, 24);
    DrawHeightChart(cr, 358, 84, 190);
}

// Shelf unit on the left: frame, back panels and two boards.
void DrawShelfUnit(cairo_t* cr, double shelfTop) {
    RectPath(cr, 12, 20, 124, 182);
    PaintShaded(cr, SHELF_FRAME_TAN, 1.2);
    RectPath(cr, 18, 24, 112, 176);
    PaintFlat(cr, SHELF_BACK_BROWN);
    for (double x = 32.5; x < 130; x += 14) LinePath(cr, x, 24, x, 200);
    PaintLine(cr, Darker(SHELF_BACK_BROWN, 0.3), 1);
    for (double y : {shelfTop, 130.0}) {
        RectPath(cr, 14, y, 120, 5);
        PaintShaded(cr, LIGHT_WOOD_TAN, 0.7);
    }
}

// Top shelf: blocks stacked (the top one smaller in the changed copy), the
// robot, a soldier and the striped ball (a stripe fewer in the changed copy).
void DrawTopShelf(cairo_t* cr, const SceneArea& block, const SceneArea& ball, double shelfTop, bool altered) {
    DrawBlock(cr, block.cx - 10, shelfTop, 18, BLOCK_RED, "A");
    DrawBlock(cr, block.cx + 9, shelfTop, 18, BLOCK_GREEN, "B");
    DrawBlock(cr, block.cx, block.bottom - 3, altered ? 15 : 18, JACK_IN_THE_BOX_BLUE, "C");
    DrawRobot(cr, 80, shelfTop);
    DrawToySoldier(cr, 126, shelfTop);
    DrawStripedBall(cr, ball.cx, ball.bottom - 2, 9, altered ? 2 : 3);
}

// Books on the second shelf, a soldier and another ball.
void DrawMiddleShelf(cairo_t* cr) {
    const Rgb spines[6] = {BOOK_RED, BOOK_BLUE, BOOK_GOLD, BOOK_GREEN, BOOK_PURPLE, BOOK_ORANGE};
    for (int i = 0; i < 7; ++i) {
        RectPath(cr, 22 + i * 10, 92 + (i % 3) * 4, 8.5, 38 - (i % 3) * 4);
        PaintShaded(cr, spines[i % 6], 0.7);
        LinePath(cr, 22 + i * 10, 100 + (i % 3) * 4, 30.5 + i * 10, 100 + (i % 3) * 4);
        LinePath(cr, 22 + i * 10, 122, 30.5 + i * 10, 122);
        PaintLine(cr, Lighter(spines[i % 6], 0.5), 1);
    }
    DrawToySoldier(cr, 98, 130);
    DrawStripedBall(cr, 118, 130, 9, 3);
}

// Drum, stacking rings and a doll on the bottom shelf.
void DrawBottomShelf(cairo_t* cr) {
    EllipsePath(cr, 44, 180, 16, 5);
    RectPath(cr, 28, 164, 32, 16);
    PaintShaded(cr, BLOCK_RED, 1);
    EllipsePath(cr, 44, 164, 16, 5);
    PaintShaded(cr, DRUM_AND_DOLL_CREAM, 0.8);
    for (double x = 30; x < 58; x += 7) LinePath(cr, x, 168, x + 4, 180);
    PaintLine(cr, DRUM_AND_DOLL_YELLOW, 1);
    DrawRingStacker(cr, 76, 196);
    EllipsePath(cr, 110, 178, 10, 12);
    PaintShaded(cr, DRUM_AND_DOLL_PINK, 0.8);
    CirclePath(cr, 110, 160, 7);
    PaintShaded(cr, JACK_IN_THE_BOX_CREAM, 0.8);
    // The doll's hair: a real arc, filled.
    cairo_new_sub_path(cr);
    cairo_arc(cr, 110, 158, 7.5, M_PI, 2 * M_PI);
    PaintFlat(cr, DRUM_AND_DOLL_BROWN);
    for (double x : {107.5, 112.5}) {
        CirclePath(cr, x, 160, 0.9);
    }
    PaintFlat(cr, TEDDY_BLACK);
}

// Wall shelf on the right: the teddy (its head tilts the other way in the
// changed copy), two blocks and a balloon.
void DrawTeddyShelf(cairo_t* cr, const SceneArea& teddy, bool tiltedRight) {
    RectPath(cr, teddy.cx - 44, teddy.bottom - 1, 120, 5);
    PaintShaded(cr, LIGHT_WOOD_TAN, 0.8);
    cairo_save(cr);
    cairo_translate(cr, teddy.cx, teddy.bottom - 2);
    cairo_scale(cr, 0.9, 0.9);  // snug inside its area, tilted head and all
    DrawTeddy(cr, 0, 0, TEDDY_OLIVE, tiltedRight ? 0.13 : -0.13);
    cairo_restore(cr);
    DrawBlock(cr, teddy.cx + 32, teddy.bottom - 1, 16, BLOCK_GOLD, "Z");
    DrawBlock(cr, teddy.cx - 30, teddy.bottom - 1, 12, BLOCK_GREEN, "Y");
    DrawBalloon(cr, teddy.cx + 58, teddy.bottom - 26, 9, BALLOON_BLUE, 10);
}

// Kite pinned to the wall, with its tail of bows.
void DrawWallKite(cairo_t* cr) {
    cairo_move_to(cr, 320, 20);
    cairo_line_to(cr, 340, 46);
    cairo_line_to(cr, 320, 80);
    cairo_line_to(cr, 300, 46);
    cairo_close_path(cr);
    PaintShaded(cr, KITE_ROSE, 1);
    LinePath(cr, 320, 20, 320, 80);
    LinePath(cr, 300, 46, 340, 46);
    PaintLine(cr, KITE_CREAM, 1);
    cairo_move_to(cr, 320, 80);
    cairo_curve_to(cr, 310, 100, 330, 110, 320, 130);
    PaintLine(cr, KITE_SLATE, 0.8);
    for (int i = 0; i < 3; ++i) {
        const double bx = 320 + (i == 1 ? 3 : -3), by = 92 + i * 12;
        cairo_move_to(cr, bx - 3, by - 2);
        cairo_line_to(cr, bx + 3, by + 2);
        cairo_line_to(cr, bx + 3, by - 2);
        cairo_line_to(cr, bx - 3, by + 2);
        cairo_close_path(cr);
        PaintFillThenOutline(cr, RING_COLOURS[i], 0.5);
    }
}

// Floor: a rug, the train on its track, scattered blocks, a xylophone and marbles.
void DrawFloorToys(cairo_t* cr) {
    DrawRug(cr, 76, 236, 64, 18);
    DrawTrain(cr, 40, 262);
    DrawBlock(cr, 140, 232, 10, BLOCK_RED, "D");
    DrawBlock(cr, 284, 262, 11, JACK_IN_THE_BOX_BLUE, "E");
    DrawXylophone(cr, 164, 246);
    const double marbles[][2] = {{150, 260}, {226, 258}, {236, 252}, {300, 244}, {222, 232}, {360, 250}};
    for (int i = 0; i < 6; ++i) {
        CirclePath(cr, marbles[i][0], marbles[i][1], 2.2);
        PaintFillThenOutline(cr, RING_COLOURS[i % 5], 0.5);
    }
}

// Rocking horse: rocker, legs, dappled body, saddle, head, mane and tail.
void DrawRockingHorse(cairo_t* cr) {
    // The rocker: a real arc, stroked.
    cairo_new_sub_path(cr);
    cairo_arc(cr, 320, 200, 34, 0.35, M_PI - 0.35);
    PaintLine(cr, DRUM_AND_DOLL_BROWN, 4);
    for (double x : {304.0, 336.0}) LinePath(cr, x, 226, x, 200);
    PaintLine(cr, DRUM_AND_DOLL_BROWN, 3);
    RoundedRectPath(cr, 296, 186, 48, 16, 7);
    PaintShaded(cr, FLOOR_TOY_CREAM, 1);
    for (double x = 300; x < 342; x += 6) {
        CirclePath(cr, x, 193 + (static_cast<int>(x) % 4), 1.3);
    }
    PaintFlat(cr, STRIPED_BALL_GREY);
    RoundedRectPath(cr, 312, 182, 16, 7, 3);
    PaintShaded(cr, ROBOT_RED, 0.7);
    EllipsePath(cr, 346, 176, 8, 12);
    PaintShaded(cr, FLOOR_TOY_CREAM, 1);
    CirclePath(cr, 349, 172, 1.2);
    PaintFlat(cr, FLOOR_TOY_CHARCOAL);
    LinePath(cr, 350, 182, 328, 186);
    PaintLine(cr, ROBOT_RED, 0.8);
    cairo_move_to(cr, 340, 166);
    cairo_curve_to(cr, 330, 172, 328, 184, 332, 190);
    PaintLine(cr, FLOOR_TOY_ORANGE, 3);
    for (int i = 0; i < 4; ++i) {
        cairo_move_to(cr, 338 - i * 2, 168 + i * 5);
        cairo_line_to(cr, 333 - i * 2, 170 + i * 5);
    }
    cairo_move_to(cr, 296, 190);
    cairo_curve_to(cr, 288, 192, 286, 200, 288, 208);
    PaintLine(cr, FLOOR_TOY_ORANGE, 1.6);
}

// Toy box in the corner.
void DrawToyBox(cairo_t* cr) {
    RectPath(cr, 346, 232, 34, 30);
    PaintShaded(cr, TRAIN_GREEN, 1);
    for (double y = 238; y < 262; y += 6) LinePath(cr, 346, y, SCENE_WIDTH, y);
    PaintLine(cr, Darker(TRAIN_GREEN, 0.3), 0.8);
    RectPath(cr, 352, 240, 10, 10);
    PaintFillThenOutline(cr, STAR_YELLOW, 0.6);
}

}  // namespace

// Draws the scene; the changes only when altered is set.
void DrawToyShelfScene(cairo_t* cr, bool altered) {
    const SceneArea teddy = AreaOf(11, 0), block = AreaOf(11, 1), car = AreaOf(11, 2), ball = AreaOf(11, 3),
                    jack = AreaOf(11, 4);
    const double shelfTop = ball.bottom - 1;
    DrawStarryWall(cr);
    DrawFloorboards(cr);
    DrawWallThings(cr);
    DrawShelfUnit(cr, shelfTop);
    DrawTopShelf(cr, block, ball, shelfTop, altered);
    DrawMiddleShelf(cr);
    DrawBottomShelf(cr);
    DrawTeddyShelf(cr, teddy, altered);
    DrawWallKite(cr);
    DrawFloorToys(cr);
    // The jack-in-the-box springs open; the lorry faces the other way.
    DrawJackInTheBox(cr, jack.cx + 2, jack.bottom - 4, 30, altered);
    DrawRockingHorse(cr);
    DrawToyBox(cr);
    DrawToyLorry(cr, car.cx, car.bottom - 2.5, altered ? -1 : 1);
}
