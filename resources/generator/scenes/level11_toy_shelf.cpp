// Level 11, on plum: the toy shelf in a playroom.
// Its five changes, in area order:
//   0. teddy: the teddy turns from brown to white.
//   1. block: the top block, C, is gone.
//   2. car: the toy lorry faces the other way.
//   3. ball: the striped ball is a spinning top.
//   4. jack: the jack-in-the-box springs open.
#include "scene_kit.h"

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
constexpr Rgb STRIPED_BALL_RED = {230, 60, 60};
constexpr Rgb STRIPED_BALL_BLUE = {60, 130, 230};
constexpr Rgb STRIPED_BALL_YELLOW = {250, 200, 40};
constexpr Rgb STRIPED_BALL_GREY = {120, 120, 130};
constexpr Rgb SPINNING_TOP_PURPLE = {160, 90, 210};
constexpr Rgb SPINNING_TOP_YELLOW = {250, 200, 60};
constexpr Rgb SPINNING_TOP_TAN = {200, 150, 90};
constexpr Rgb JACK_IN_THE_BOX_SILVER = {180, 180, 190};
constexpr Rgb JACK_IN_THE_BOX_GREEN = {60, 170, 90};
constexpr Rgb JACK_IN_THE_BOX_YELLOW = {250, 220, 60};
constexpr Rgb JACK_IN_THE_BOX_CREAM = {255, 222, 196};
constexpr Rgb JACK_IN_THE_BOX_RED = {230, 50, 50};
constexpr Rgb JACK_IN_THE_BOX_MAROON = {160, 40, 40};
constexpr Rgb JACK_IN_THE_BOX_RED_2 = {240, 80, 80};
constexpr Rgb JACK_IN_THE_BOX_BLUE = {60, 120, 220};
constexpr Rgb STAR_YELLOW = {250, 210, 60};
constexpr Rgb JACK_IN_THE_BOX_SILVER_2 = {200, 200, 206};
constexpr Rgb BACKDROP_ICE = {236, 226, 246};
constexpr Rgb BACKDROP_ICE_2 = {220, 206, 236};
constexpr Rgb BACKDROP_WHITE = {250, 246, 255};
constexpr Rgb BACKDROP_TAN = {190, 150, 110};
constexpr Rgb BACKDROP_GREY = {160, 120, 86};
constexpr Rgb BACKDROP_BROWN = {150, 110, 80};
constexpr Rgb SHELF_UNIT_TAN = {210, 160, 110};
constexpr Rgb SHELF_UNIT_OLIVE = {170, 120, 80};
constexpr Rgb SHELF_UNIT_TAN_2 = {226, 180, 126};
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
constexpr Rgb TEDDY_CREAM = {240, 236, 226};
constexpr Rgb TEDDY_OLIVE = {180, 120, 70};
constexpr Rgb BLOCK_GOLD = {250, 190, 50};
constexpr Rgb BALLOON_BLUE = {90, 170, 230};
constexpr Rgb KITE_ROSE = {240, 100, 90};
constexpr Rgb KITE_CREAM = {250, 240, 230};
constexpr Rgb KITE_SLATE = {90, 90, 90};
constexpr Rgb FLOOR_TOY_CREAM = {250, 246, 236};
constexpr Rgb FLOOR_TOY_CHARCOAL = {30, 30, 30};
constexpr Rgb FLOOR_TOY_ORANGE = {230, 120, 60};

// Alphabet block: coloured cube face with a letter.
void DrawBlock(cairo_t* cr, double cx, double baseY, double size, Rgb hue, const char* letter) {
    RoundedRectPath(cr, cx - size / 2, baseY - size, size, size, 2);
    PaintShaded(cr, hue, 0.9);
    RoundedRectPath(cr, cx - size / 2 + 2.5, baseY - size + 2.5, size - 5, size - 5, 1.5);
    Use(cr, Lighter(hue, 0.5));
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
    UseFont(cr, FONT_BOLD, size * 0.6);
    DrawTextCentered(cr, letter, cx, baseY - size / 2, 255, 255, 255);
}

// Teddy bear sitting, fur hue is the change.
void DrawTeddy(cairo_t* cr, double cx, double baseY, Rgb fur) {
    const Rgb light = Lighter(fur, 0.45);
    for (double side : {-1.0, 1.0}) {
        EllipsePath(cr, cx + side * 8, baseY - 4, 5.5, 4);
        PaintShaded(cr, fur, 0.8);
        EllipsePath(cr, cx + side * 11, baseY - 16, 3.5, 6);
        PaintShaded(cr, fur, 0.8);
        EllipsePath(cr, cx + side * 7.5, baseY - 31, 3.8, 3.8);
        PaintShaded(cr, fur, 0.8);
    }
    EllipsePath(cr, cx, baseY - 13, 9, 10);
    PaintShaded(cr, fur, 0.9);
    EllipsePath(cr, cx, baseY - 12, 5, 6);
    PaintFlat(cr, light);
    EllipsePath(cr, cx, baseY - 26, 8, 7.5);
    PaintShaded(cr, fur, 0.9);
    EllipsePath(cr, cx, baseY - 23.5, 3.5, 2.6);
    PaintFlat(cr, light);
    EllipsePath(cr, cx, baseY - 24.5, 1.3, 0.9);
    EllipsePath(cr, cx - 3, baseY - 28, 1, 1);
    EllipsePath(cr, cx + 3, baseY - 28, 1, 1);
    PaintFlat(cr, TEDDY_BLACK);
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
        EllipsePath(cr, x, -2.3, 2.3, 2.3);
        PaintFillThenOutline(cr, TOY_LORRY_CHARCOAL, 0.6);
    }
    cairo_restore(cr);
}

// Striped beach ball resting on baseY.
void DrawStripedBall(cairo_t* cr, double cx, double baseY, double r) {
    const double cy = baseY - r;
    EllipsePath(cr, cx, cy, r, r);
    PaintShaded(cr, STRIPED_BALL_WHITE, 0.8);
    const Rgb stripes[3] = {STRIPED_BALL_RED, STRIPED_BALL_BLUE, STRIPED_BALL_YELLOW};
    for (int i = 0; i < 3; ++i) {
        cairo_save(cr);
        cairo_translate(cr, cx, cy);
        cairo_rotate(cr, -0.6 + i * 0.6);
        EllipsePath(cr, 0, 0, r * 0.35, r * 0.96);
        cairo_restore(cr);
        PaintFlat(cr, stripes[i], 0.9);
    }
    EllipsePath(cr, cx, cy, r, r);
    Use(cr, STRIPED_BALL_GREY);
    cairo_set_line_width(cr, 0.8);
    cairo_stroke(cr);
}

// Spinning top standing on its point at baseY.
void DrawSpinningTop(cairo_t* cr, double cx, double baseY, double r) {
    cairo_move_to(cr, cx, baseY);
    cairo_line_to(cr, cx - r, baseY - r * 0.9);
    cairo_curve_to(cr, cx - r, baseY - r * 1.5, cx + r, baseY - r * 1.5, cx + r, baseY - r * 0.9);
    cairo_close_path(cr);
    PaintShaded(cr, SPINNING_TOP_PURPLE, 0.8);
    EllipsePath(cr, cx, baseY - r * 1.05, r * 0.95, r * 0.25);
    PaintFlat(cr, SPINNING_TOP_YELLOW);
    RectPath(cr, cx - 1.5, baseY - r * 1.75, 3, r * 0.5);
    PaintShaded(cr, SPINNING_TOP_TAN, 0.6);
}

// Jack-in-the-box: shut, or sprung open with the clown on his spring.
void DrawJackInTheBox(cairo_t* cr, double cx, double baseY, double size, bool open) {
    const double top = baseY - size;
    if (open) {
        cairo_move_to(cr, cx, top);
        for (int i = 1; i <= 6; ++i) cairo_line_to(cr, cx + (i % 2 ? -5 : 5), top - i * 2.2);
        PaintLine(cr, JACK_IN_THE_BOX_SILVER, 1.6);
        const double headY = top - 19;
        cairo_move_to(cr, cx - 8, headY - 4);
        cairo_line_to(cr, cx, headY - 14);
        cairo_line_to(cr, cx + 8, headY - 4);
        cairo_close_path(cr);
        PaintShaded(cr, JACK_IN_THE_BOX_GREEN, 0.7);
        EllipsePath(cr, cx, headY - 14, 1.5, 1.5);
        PaintShaded(cr, JACK_IN_THE_BOX_YELLOW, 0.5);
        EllipsePath(cr, cx, headY + 2, 8.5, 7.5);
        PaintShaded(cr, JACK_IN_THE_BOX_CREAM, 0.8);
        EllipsePath(cr, cx, headY + 2.5, 2.4, 2.4);
        PaintFlat(cr, JACK_IN_THE_BOX_RED);
        EllipsePath(cr, cx - 3.2, headY - 0.5, 1, 1.2);
        EllipsePath(cr, cx + 3.2, headY - 0.5, 1, 1.2);
        PaintFlat(cr, TEDDY_BLACK);
        cairo_arc(cr, cx, headY + 3.5, 4, 0.3, M_PI - 0.3);
        PaintLine(cr, JACK_IN_THE_BOX_MAROON, 0.8);
        // Lid flung back to the left.
        cairo_move_to(cr, cx - size / 2, top);
        cairo_line_to(cr, cx - size / 2 - 6, top - size * 0.7);
        cairo_line_to(cr, cx - size / 2 - 2, top - size * 0.72);
        cairo_line_to(cr, cx - size / 2 + 3, top);
        cairo_close_path(cr);
        PaintShaded(cr, JACK_IN_THE_BOX_RED_2, 0.8);
    } else {
        RectPath(cr, cx - size / 2 - 1.5, top - 3, size + 3, 4);
        PaintShaded(cr, JACK_IN_THE_BOX_RED_2, 0.8);
        RoundedRectPath(cr, cx - 2.5, top - 6, 5, 3.5, 1);
        PaintShaded(cr, SPINNING_TOP_YELLOW, 0.6);
    }
    RectPath(cr, cx - size / 2, top, size, size);
    PaintShaded(cr, JACK_IN_THE_BOX_BLUE, 1);
    DrawStar(cr, cx, baseY - size / 2, size * 0.28, STAR_YELLOW);
    RectPath(cr, cx + size / 2, baseY - size * 0.6, 3, 3);
    PaintShaded(cr, JACK_IN_THE_BOX_SILVER_2, 0.5);
}

}  // namespace

// Draws the scene; the changes only when altered is set.
void DrawToyShelfScene(cairo_t* cr, bool altered) {
    const SceneArea teddy = AreaOf(11, 0), block = AreaOf(11, 1), car = AreaOf(11, 2), ball = AreaOf(11, 3),
                    jack = AreaOf(11, 4);
    FillGradientRect(cr, 0, 0, SCENE_WIDTH, 200, BACKDROP_ICE, BACKDROP_ICE_2);
    for (double x = 10; x < SCENE_WIDTH; x += 30) {
        for (double y = 12; y < 196; y += 30) {
            StarPath(cr, x + (static_cast<int>(y) % 60 ? 15 : 0), y, 2.6, 1.2, 0);
        }
    }
    PaintFlat(cr, BACKDROP_WHITE);
    FillGradientRect(cr, 0, 200, SCENE_WIDTH, SCENE_HEIGHT - 200, BACKDROP_TAN, BACKDROP_GREY);
    for (double x = -40; x < SCENE_WIDTH; x += 40) LinePath(cr, x, 200, x - 20, SCENE_HEIGHT);
    PaintLine(cr, BACKDROP_BROWN, 0.8);
    RectPath(cr, 0, 196, SCENE_WIDTH, 5);
    PaintShaded(cr, STRIPED_BALL_WHITE, 0.6);
    // Shelf unit on the left.
    const double shelfTop = ball.bottom - 1;
    RectPath(cr, 12, 20, 124, 182);
    PaintShaded(cr, SHELF_UNIT_TAN, 1.2);
    RectPath(cr, 18, 24, 112, 176);
    PaintFlat(cr, SHELF_UNIT_OLIVE);
    for (double y : {shelfTop, 130.0}) {
        RectPath(cr, 14, y, 120, 5);
        PaintShaded(cr, SHELF_UNIT_TAN_2, 0.7);
    }
    // Blocks stacked on the top shelf; the top one goes in the changed copy.
    DrawBlock(cr, block.cx - 10, shelfTop, 18, BLOCK_RED, "A");
    DrawBlock(cr, block.cx + 9, shelfTop, 18, BLOCK_GREEN, "B");
    if (!altered) DrawBlock(cr, block.cx, block.bottom - 3, 18, JACK_IN_THE_BOX_BLUE, "C");
    if (altered)
        DrawSpinningTop(cr, ball.cx, ball.bottom - 2, 8.5);
    else
        DrawStripedBall(cr, ball.cx, ball.bottom - 2, 8.5);
    // Books on the second shelf.
    const Rgb spines[6] = {BOOK_RED, BOOK_BLUE, BOOK_GOLD, BOOK_GREEN, BOOK_PURPLE, BOOK_ORANGE};
    for (int i = 0; i < 6; ++i) {
        RectPath(cr, 24 + i * 11, 92 + (i % 3) * 4, 9, 38 - (i % 3) * 4);
        PaintShaded(cr, spines[i], 0.7);
    }
    DrawStripedBall(cr, 110, 130, 10);
    // Drum and a doll on the bottom shelf.
    EllipsePath(cr, 48, 180, 18, 5);
    RectPath(cr, 30, 164, 36, 16);
    PaintShaded(cr, BLOCK_RED, 1);
    EllipsePath(cr, 48, 164, 18, 5);
    PaintShaded(cr, DRUM_AND_DOLL_CREAM, 0.8);
    for (double x = 32; x < 66; x += 8) LinePath(cr, x, 168, x + 4, 180);
    PaintLine(cr, DRUM_AND_DOLL_YELLOW, 1);
    EllipsePath(cr, 104, 178, 10, 12);
    PaintShaded(cr, DRUM_AND_DOLL_PINK, 0.8);
    EllipsePath(cr, 104, 160, 7, 7);
    PaintShaded(cr, JACK_IN_THE_BOX_CREAM, 0.8);
    cairo_new_sub_path(cr);
    cairo_arc(cr, 104, 158, 7.5, M_PI, 2 * M_PI);
    PaintFlat(cr, DRUM_AND_DOLL_BROWN);
    // Wall shelf with the teddy on the right.
    RectPath(cr, teddy.cx - 44, teddy.bottom - 1, 120, 5);
    PaintShaded(cr, SHELF_UNIT_TAN_2, 0.8);
    cairo_save(cr);
    cairo_translate(cr, teddy.cx, teddy.bottom - 2);
    cairo_scale(cr, 0.94, 0.94);  // snug inside its area
    DrawTeddy(cr, 0, 0, altered ? TEDDY_CREAM : TEDDY_OLIVE);
    cairo_restore(cr);
    DrawBlock(cr, teddy.cx + 32, teddy.bottom - 1, 16, BLOCK_GOLD, "Z");
    DrawBalloon(cr, teddy.cx + 58, teddy.bottom - 26, 9, BALLOON_BLUE, 10);
    // Kite on the wall.
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
    // Floor toys: the jack-in-the-box, a rocking horse, the car.
    DrawJackInTheBox(cr, jack.cx + 2, jack.bottom - 4, 30, altered);
    cairo_new_sub_path(cr);
    cairo_arc(cr, 320, 200, 34, 0.35, M_PI - 0.35);
    PaintLine(cr, DRUM_AND_DOLL_BROWN, 4);
    for (double x : {304.0, 336.0}) LinePath(cr, x, 226, x, 200);
    PaintLine(cr, DRUM_AND_DOLL_BROWN, 3);
    RoundedRectPath(cr, 296, 186, 48, 16, 7);
    PaintShaded(cr, FLOOR_TOY_CREAM, 1);
    EllipsePath(cr, 346, 176, 8, 12);
    PaintShaded(cr, FLOOR_TOY_CREAM, 1);
    EllipsePath(cr, 349, 172, 1.2, 1.2);
    PaintFlat(cr, FLOOR_TOY_CHARCOAL);
    cairo_move_to(cr, 340, 166);
    cairo_curve_to(cr, 330, 172, 328, 184, 332, 190);
    PaintLine(cr, FLOOR_TOY_ORANGE, 3);
    DrawToyLorry(cr, car.cx, car.bottom - 2.5, altered ? -1 : 1);
}
