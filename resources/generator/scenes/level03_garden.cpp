// Level 3, on pale green: a back garden with washing out.
// Its five changes, in area order:
//   0. line (added): a red towel hangs on the washing line.
//   1. house (colour): the birdhouse roof turns from dark red to light blue.
//   2. snail (orientation): the snail turns back.
//   3. ladybird (missing): the ladybird on the picket is gone.
//   4. can (shape): the watering can gives way to a bucket.
#include "scenes/scenes.h"

#include <cmath>

namespace {

// The scene's palette.
constexpr Rgb PEG_TAN = {214, 180, 120};
constexpr Rgb BIRDHOUSE_POST_BROWN = {140, 100, 64};
constexpr Rgb BIRDHOUSE_SAND = {226, 196, 140};
constexpr Rgb BIRDHOUSE_DARK_BROWN = {50, 34, 24};
constexpr Rgb BIRDHOUSE_PERCH_BROWN = {120, 84, 50};
constexpr Rgb LADYBIRD_BLACK = {30, 24, 24};
constexpr Rgb LADYBIRD_RED = {226, 36, 30};
constexpr Rgb SNAIL_KHAKI = {214, 194, 160};
constexpr Rgb SNAIL_GREY = {150, 130, 100};
constexpr Rgb SNAIL_SHELL_BROWN = {190, 112, 60};
constexpr Rgb SNAIL_SPIRAL_BROWN = {120, 66, 34};
constexpr Rgb BUCKET_SLATE = {90, 90, 96};
constexpr Rgb BUCKET_RED = {220, 60, 60};
constexpr Rgb BUCKET_CREAM = {250, 220, 210};
constexpr Rgb WATERING_CAN_GREEN = {64, 160, 112};
constexpr Rgb BACKDROP_SKY = {176, 216, 240};
constexpr Rgb BACKDROP_ICE = {226, 240, 236};
constexpr Rgb HEDGE_GREEN = {96, 150, 84};
constexpr Rgb TREE_GREEN = {74, 140, 70};
constexpr Rgb FENCE_RAIL_CREAM = {240, 236, 224};
constexpr Rgb PICKET_CREAM = {248, 246, 236};
constexpr Rgb LAWN_LEAF_GREEN = {150, 200, 100};
constexpr Rgb LAWN_GREEN = {110, 170, 76};
constexpr Rgb LAWN_BROWN = {136, 96, 66};
constexpr Rgb LAWN_RED = {236, 70, 90};
constexpr Rgb LAWN_YELLOW = {250, 200, 60};
constexpr Rgb LAWN_PURPLE = {170, 110, 220};
constexpr Rgb LAWN_WHITE = {250, 250, 250};
constexpr Rgb FLOWER_STEM_GREEN = {70, 130, 60};
constexpr Rgb LAWN_SILVER = {180, 176, 168};
constexpr Rgb WASHING_LINE_SLATE = {110, 110, 110};
constexpr Rgb WASHING_LINE_TAN = {170, 140, 100};
constexpr Rgb WASHING_LINE_BLUE = {80, 140, 220};
constexpr Rgb WASHING_LINE_RED = {226, 60, 60};
constexpr Rgb WASHING_LINE_CREAM = {250, 230, 230};
constexpr Rgb BIRDHOUSE_BLUE = {110, 170, 236};
constexpr Rgb BIRDHOUSE_RED = {200, 64, 56};

// Y of the sagging washing line at x.
double WashingLineY(double x) { return 5 + 0.0009 * x * (150 - x); }

// A T-shirt pegged to the line at its top centre.
void DrawShirt(cairo_t* cr, double cx, double top, Rgb hue) {
    cairo_move_to(cr, cx - 6, top);
    cairo_line_to(cr, cx - 13, top + 4);
    cairo_line_to(cr, cx - 10, top + 9);
    cairo_line_to(cr, cx - 7, top + 7.5);
    cairo_line_to(cr, cx - 7, top + 20);
    cairo_line_to(cr, cx + 7, top + 20);
    cairo_line_to(cr, cx + 7, top + 7.5);
    cairo_line_to(cr, cx + 10, top + 9);
    cairo_line_to(cr, cx + 13, top + 4);
    cairo_line_to(cr, cx + 6, top);
    cairo_curve_to(cr, cx + 3, top + 3, cx - 3, top + 3, cx - 6, top);
    cairo_close_path(cr);
    PaintShaded(cr, hue, 0.8);
}

// A sock hanging from a peg.
void DrawSock(cairo_t* cr, double x, double top, Rgb hue) {
    cairo_move_to(cr, x, top);
    cairo_line_to(cr, x + 6, top);
    cairo_line_to(cr, x + 6, top + 11);
    cairo_curve_to(cr, x + 6, top + 15, x + 1, top + 16, x - 3, top + 15);
    cairo_curve_to(cr, x - 5, top + 14, x - 4, top + 11, x, top + 11);
    cairo_close_path(cr);
    PaintShaded(cr, hue, 0.7);
    RectPath(cr, x, top, 6, 3);
    PaintFlat(cr, Lighter(hue, 0.6));
}

// Clothes peg.
void DrawPeg(cairo_t* cr, double x, double y) {
    RoundedRectPath(cr, x - 1.2, y - 3, 2.4, 6, 1);
    PaintFillThenOutline(cr, PEG_TAN, 0.5);
}

// Wooden birdhouse on its post under a broad roof; the roof's colour is the
// change, light against dark so it shows in grey as well.
void DrawBirdhouse(cairo_t* cr, const SceneArea& spot, Rgb roof) {
    const double cx = spot.cx;
    RectPath(cr, cx - 2.5, spot.bottom - 6, 5, 200 - spot.bottom + 6);
    PaintShaded(cr, BIRDHOUSE_POST_BROWN, 0.8);
    RectPath(cr, cx - 12, spot.top + 15, 24, spot.bottom - spot.top - 20);
    PaintShaded(cr, BIRDHOUSE_SAND, 1);
    CirclePath(cr, cx, spot.top + 25, 4);
    PaintFlat(cr, BIRDHOUSE_DARK_BROWN);
    LinePath(cr, cx, spot.top + 31, cx, spot.top + 35);
    PaintLine(cr, BIRDHOUSE_PERCH_BROWN, 1.6);
    cairo_move_to(cr, cx - 22, spot.top + 16);
    cairo_line_to(cr, cx, spot.top + 4);
    cairo_line_to(cr, cx + 22, spot.top + 16);
    cairo_line_to(cr, cx + 22, spot.top + 25);
    cairo_line_to(cr, cx, spot.top + 13);
    cairo_line_to(cr, cx - 22, spot.top + 25);
    cairo_close_path(cr);
    PaintShaded(cr, roof, 1);
}

// Ladybird seen from above, head up.
void DrawLadybird(cairo_t* cr, double cx, double cy) {
    EllipsePath(cr, cx, cy - 3.4, 2.2, 1.8);
    PaintFlat(cr, LADYBIRD_BLACK);
    EllipsePath(cr, cx, cy, 3.6, 3.9);
    PaintShaded(cr, LADYBIRD_RED, 0.6);
    LinePath(cr, cx, cy - 3.4, cx, cy + 3.8);
    PaintLine(cr, LADYBIRD_BLACK, 0.6);
    const double spots[4][2] = {{-1.7, -1}, {1.7, -1}, {-1.5, 1.8}, {1.5, 1.8}};
    for (const auto& spot : spots) {
        CirclePath(cr, cx + spot[0], cy + spot[1], 0.8);
        PaintFlat(cr, LADYBIRD_BLACK);
    }
}

// Snail crawling towards facing (+1 right, -1 left).
void DrawSnail(cairo_t* cr, double cx, double baseY, double facing) {
    cairo_save(cr);
    cairo_translate(cr, cx, baseY);
    cairo_scale(cr, facing, 1);
    cairo_move_to(cr, -14, 0);
    cairo_curve_to(cr, -8, -4, 6, -4, 9, -8);
    cairo_curve_to(cr, 13, -11, 15, -4, 13, 0);
    cairo_close_path(cr);
    PaintShaded(cr, SNAIL_KHAKI, 0.7);
    LinePath(cr, 11, -8, 13, -14);
    LinePath(cr, 12.5, -8, 16, -12.5);
    PaintLine(cr, SNAIL_GREY, 0.8);
    CirclePath(cr, -3, -8, 7.5);
    PaintShaded(cr, SNAIL_SHELL_BROWN, 0.8);
    // The spiral: two real arcs, the inner one carrying on from the outer.
    cairo_arc(cr, -3, -8, 4.6, 0, 1.5 * M_PI);
    cairo_arc(cr, -2.2, -8.6, 2, 1.5 * M_PI, 3 * M_PI);
    PaintLine(cr, SNAIL_SPIRAL_BROWN, 0.9);
    cairo_restore(cr);
}

// Red tin bucket with its wire handle.
void DrawBucket(cairo_t* cr, double cx, double baseY) {
    DropShadow(cr, cx, baseY, 16, 3);
    // The handle: a real arc, stroked.
    cairo_new_sub_path(cr);
    cairo_arc(cr, cx, baseY - 18, 10, M_PI, 2 * M_PI);
    PaintLine(cr, BUCKET_SLATE, 1.2);
    cairo_move_to(cr, cx - 13, baseY - 18);
    cairo_line_to(cr, cx + 13, baseY - 18);
    cairo_line_to(cr, cx + 10, baseY);
    cairo_line_to(cr, cx - 10, baseY);
    cairo_close_path(cr);
    PaintShaded(cr, BUCKET_RED, 1);
    RectPath(cr, cx - 12.2, baseY - 14, 24.4, 3);
    PaintFlat(cr, BUCKET_CREAM);
}

// Green watering can; facing +1 puts the spout on the right.
void DrawWateringCan(cairo_t* cr, double cx, double baseY, double facing) {
    const Rgb green = WATERING_CAN_GREEN;
    cairo_save(cr);
    cairo_translate(cr, cx, baseY);
    cairo_scale(cr, facing, 1);
    DropShadow(cr, 0, 0, 20, 3);
    cairo_move_to(cr, 6, -8);
    cairo_line_to(cr, 22, -21);
    cairo_line_to(cr, 23.5, -19);
    cairo_line_to(cr, 8, -4);
    cairo_close_path(cr);
    PaintShaded(cr, green, 0.8);
    RoundedRectPath(cr, 19.5, -24, 6, 4, 1);
    PaintShaded(cr, Darker(green, 0.1), 0.7);
    // The handle: a real arc, stroked.
    cairo_new_sub_path(cr);
    cairo_arc(cr, -6, -20, 8, M_PI, 2 * M_PI);
    PaintLine(cr, Darker(green, 0.3), 2.4);
    RoundedRectPath(cr, -15, -20, 20, 20, 3);
    PaintShaded(cr, green, 1);
    RectPath(cr, -15, -14, 20, 3);
    PaintFlat(cr, Lighter(green, 0.3));
    cairo_restore(cr);
}

// Sky, clouds, and the hedge and tree behind the fence.
void DrawSkyAndHedge(cairo_t* cr) {
    FillGradientRect(cr, 0, 0, SCENE_WIDTH, 150, BACKDROP_SKY, BACKDROP_ICE);
    DrawCloud(cr, 180, 14, 70, 26);
    DrawCloud(cr, 300, 36, 50, 18);
    for (int i = 0; i < 9; ++i) {
        EllipsePath(cr, 10 + i * 46, 124 + (i % 2) * 6, 30, 22);
    }
    PaintShaded(cr, HEDGE_GREEN, 0);
    DrawTree(cr, 344, 150, 150, TREE_GREEN);
}

// Picket fence; one picket stands at the ladybird's spot.
void DrawPicketFence(cairo_t* cr, const SceneArea& ladybird) {
    const double picketStep = 17, picketHalf = 6;
    const double firstPicket = std::fmod(ladybird.cx, picketStep) - picketStep;
    RectPath(cr, 0, 152, SCENE_WIDTH, 4);
    RectPath(cr, 0, 176, SCENE_WIDTH, 4);
    PaintShaded(cr, FENCE_RAIL_CREAM, 0.7);
    for (double x = firstPicket; x < SCENE_WIDTH + picketStep; x += picketStep) {
        cairo_move_to(cr, x - picketHalf, 196);
        cairo_line_to(cr, x - picketHalf, 143);
        cairo_line_to(cr, x, 136);
        cairo_line_to(cr, x + picketHalf, 143);
        cairo_line_to(cr, x + picketHalf, 196);
        cairo_close_path(cr);
        PaintShaded(cr, PICKET_CREAM, 0.8);
    }
}

// Lawn, the flower bed (clear of the birdhouse) and stepping stones.
void DrawLawn(cairo_t* cr, const SceneArea& house) {
    FillGradientRect(cr, 0, 190, SCENE_WIDTH, SCENE_HEIGHT - 190, LAWN_LEAF_GREEN, LAWN_GREEN);
    RectPath(cr, 0, 186, SCENE_WIDTH, 9);
    PaintShaded(cr, LAWN_BROWN, 0);
    const Rgb bloom[4] = {LAWN_RED, LAWN_YELLOW, LAWN_PURPLE, LAWN_WHITE};
    for (int i = 0; i < 12; ++i) {
        const double x = 10 + i * 31.5;
        if (x > house.left - 4 && x < house.right + 4) continue;
        LinePath(cr, x, 190, x + (i % 3) - 1, 170 - (i % 2) * 6);
        PaintLine(cr, FLOWER_STEM_GREEN, 1.2);
        DrawFlower(cr, x + (i % 3) - 1, 170 - (i % 2) * 6, 6, bloom[i % 4]);
    }
    const double stones[][2] = {{150, 240}, {178, 226}, {213, 214}, {246, 204}, {120, 258}};
    for (const auto& stone : stones) {
        EllipsePath(cr, stone[0], stone[1], 17, 6);
        PaintShaded(cr, LAWN_SILVER, 0.8);
    }
}

// Washing line along the top; the red towel hangs only in the changed copy.
void DrawWashingLine(cairo_t* cr, const SceneArea& line, bool towel) {
    cairo_move_to(cr, -2, WashingLineY(-2));
    for (double x = 0; x <= 152; x += 4) cairo_line_to(cr, x, WashingLineY(x));
    PaintLine(cr, WASHING_LINE_SLATE, 0.9);
    RectPath(cr, 146, 2, 4, 140);
    PaintShaded(cr, WASHING_LINE_TAN, 0.8);
    DrawShirt(cr, line.cx - 38, WashingLineY(line.cx - 38) - 1, WASHING_LINE_BLUE);
    DrawPeg(cr, line.cx - 44, WashingLineY(line.cx - 44));
    DrawPeg(cr, line.cx - 32, WashingLineY(line.cx - 32));
    DrawSock(cr, line.cx + 26, WashingLineY(line.cx + 26) - 0.5, LAWN_YELLOW);
    DrawSock(cr, line.cx + 38, WashingLineY(line.cx + 38) - 0.5, LAWN_YELLOW);
    if (!towel) return;
    const double towelY = WashingLineY(line.cx) - 0.5;
    RectPath(cr, line.cx - 15, towelY, 30, 16);
    PaintShaded(cr, WASHING_LINE_RED, 0.8);
    for (double y : {towelY + 11, towelY + 13.5}) LinePath(cr, line.cx - 15, y, line.cx + 15, y);
    PaintLine(cr, WASHING_LINE_CREAM, 1);
    DrawPeg(cr, line.cx - 10, towelY + 1);
    DrawPeg(cr, line.cx + 10, towelY + 1);
}

// The ladybird on its picket, a touch smaller than usual: its area is tiny.
void DrawLadybirdOnPicket(cairo_t* cr, const SceneArea& ladybird) {
    cairo_save(cr);
    cairo_translate(cr, ladybird.cx, ladybird.cy + 0.6);
    cairo_scale(cr, 0.88, 0.88);
    DrawLadybird(cr, 0, 0);
    cairo_restore(cr);
}

}  // namespace

// Draws the scene; the changes only when altered is set.
void DrawGardenScene(cairo_t* cr, bool altered) {
    const SceneArea line = AreaOf(3, 0), house = AreaOf(3, 1), snail = AreaOf(3, 2), ladybird = AreaOf(3, 3),
                    can = AreaOf(3, 4);
    DrawSkyAndHedge(cr);
    DrawPicketFence(cr, ladybird);
    DrawLawn(cr, house);
    DrawWashingLine(cr, line, altered);
    DrawBirdhouse(cr, house, altered ? BIRDHOUSE_BLUE : BIRDHOUSE_RED);
    if (!altered) DrawLadybirdOnPicket(cr, ladybird);
    // The snail turns back; the watering can gives way to a bucket.
    DrawSnail(cr, snail.cx + (altered ? 1 : -1), snail.cy + 8, altered ? -1 : 1);
    if (altered)
        DrawBucket(cr, can.cx, can.cy + 13);
    else
        DrawWateringCan(cr, can.cx, can.cy + 13, 1);
}
