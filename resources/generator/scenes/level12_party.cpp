// Level 12, on lavender: a birthday party.
// Its five changes, in area order:
//   0. bunting: every flag of the bunting changes colour.
//   1. picture: the sunny picture is a starry night.
//   2. plate: the slice of cake on the plate is eaten.
//   3. sweet: a wrapped sweet appears.
//   4. cupcake: the cupcake's cherry is a little candle.
#include "scene_kit.h"

#include <cmath>

namespace {

// The scene's palette.
constexpr Rgb SWEET_YELLOW = {250, 200, 60};
constexpr Rgb SWEET_ROSE = {236, 70, 140};
constexpr Rgb BACKDROP_WHITE = {252, 236, 244};
constexpr Rgb BACKDROP_ICE = {240, 220, 236};
constexpr Rgb BACKDROP_CREAM = {246, 206, 226};
constexpr Rgb BACKDROP_SILVER = {200, 160, 200};
constexpr Rgb BACKDROP_PURPLE = {170, 130, 176};
constexpr Rgb BACKDROP_WHITE_2 = {250, 250, 250};
constexpr Rgb BUNTING_RED = {230, 70, 80};
constexpr Rgb BUNTING_GOLD = {250, 180, 50};
constexpr Rgb BUNTING_GREEN = {80, 170, 110};
constexpr Rgb BUNTING_BLUE = {70, 130, 220};
constexpr Rgb BUNTING_PURPLE = {170, 90, 200};
constexpr Rgb BUNTING_TEAL = {60, 190, 200};
constexpr Rgb BUNTING_LEAF_GREEN = {140, 200, 60};
constexpr Rgb BUNTING_ORANGE = {240, 110, 40};
constexpr Rgb BUNTING_ROSE = {230, 70, 160};
constexpr Rgb BUNTING_YELLOW = {250, 220, 60};
constexpr Rgb BUNTING_GREY = {120, 100, 120};
constexpr Rgb FRAMED_PICTURE_GOLD = {200, 150, 70};
constexpr Rgb FRAMED_PICTURE_NAVY = {20, 30, 80};
constexpr Rgb FRAMED_PICTURE_PLUM = {60, 60, 130};
constexpr Rgb FRAMED_PICTURE_CREAM = {250, 240, 190};
constexpr Rgb STAR_CREAM = {255, 255, 220};
constexpr Rgb FRAMED_PICTURE_SKY = {130, 200, 240};
constexpr Rgb FRAMED_PICTURE_ICE = {220, 240, 250};
constexpr Rgb FRAMED_PICTURE_YELLOW = {250, 200, 40};
constexpr Rgb FRAMED_PICTURE_DARK_GREEN = {40, 80, 60};
constexpr Rgb FRAMED_PICTURE_GREEN = {100, 180, 90};
constexpr Rgb BALLOON_RED = {236, 70, 90};
constexpr Rgb BALLOON_BLUE = {80, 160, 230};
constexpr Rgb BALLOON_PURPLE = {140, 90, 210};
constexpr Rgb TABLECLOTH_WHITE = {250, 250, 252};
constexpr Rgb TABLECLOTH_PINK = {240, 140, 170};
constexpr Rgb TABLECLOTH_GREY = {170, 120, 90};
constexpr Rgb CAKE_ICE = {220, 224, 232};
constexpr Rgb CAKE_SAND = {250, 220, 180};
constexpr Rgb CAKE_SKY = {120, 190, 240};
constexpr Rgb CAKE_PINK = {250, 140, 170};
constexpr Rgb CAKE_YELLOW = {255, 190, 60};
constexpr Rgb PLATE_SLICE_RED = {220, 30, 40};
constexpr Rgb CUPS_SKY = {120, 200, 230};
constexpr Rgb CUPCAKE_STAND_SKY = {110, 170, 240};
constexpr Rgb CUPCAKE_STAND_WHITE = {252, 240, 246};
constexpr Rgb CUPCAKE_STAND_GOLD = {255, 170, 40};
constexpr Rgb PRESENT_ROSE = {230, 80, 90};
constexpr Rgb PRESENT_YELLOW = {250, 210, 60};
constexpr Rgb PRESENT_BLUE = {80, 150, 230};
constexpr Rgb PRESENT_YELLOW_2 = {250, 190, 60};
constexpr Rgb PRESENT_ROSE_2 = {200, 60, 150};

// Wrapped present with a ribbon cross and a bow.
void DrawPresent(cairo_t* cr, double cx, double baseY, double w, double h, Rgb paper, Rgb ribbon) {
    RectPath(cr, cx - w / 2, baseY - h, w, h);
    PaintShaded(cr, paper, 0.9);
    RectPath(cr, cx - 2, baseY - h, 4, h);
    RectPath(cr, cx - w / 2, baseY - h / 2 - 2, w, 4);
    PaintFlat(cr, ribbon);
    EllipsePath(cr, cx - 4, baseY - h - 2.5, 4, 2.5);
    EllipsePath(cr, cx + 4, baseY - h - 2.5, 4, 2.5);
    PaintShaded(cr, ribbon, 0.6);
}

// Wrapped sweet: a round middle with twisted ends.
void DrawSweet(cairo_t* cr, double cx, double cy) {
    for (double side : {-1.0, 1.0}) {
        cairo_move_to(cr, cx + side * 3, cy);
        cairo_line_to(cr, cx + side * 8, cy - 3.2);
        cairo_line_to(cr, cx + side * 8, cy + 3.2);
        cairo_close_path(cr);
        PaintShaded(cr, SWEET_YELLOW, 0.6);
    }
    EllipsePath(cr, cx, cy, 4.5, 3.4);
    PaintShaded(cr, SWEET_ROSE, 0.6);
    LinePath(cr, cx - 2, cy - 2.5, cx + 1, cy + 2.5);
    PaintLine(cr, WHITE, 0.9);
}

}  // namespace

// Draws the scene; the changes only when altered is set.
void DrawPartyScene(cairo_t* cr, bool altered) {
    const SceneArea bunting = AreaOf(12, 0), picture = AreaOf(12, 1), plate = AreaOf(12, 2), sweet = AreaOf(12, 3),
                    cupcake = AreaOf(12, 4);
    FillGradientRect(cr, 0, 0, SCENE_WIDTH, 200, BACKDROP_WHITE, BACKDROP_ICE);
    for (double y = 10; y < 200; y += 22) {
        for (double x = (static_cast<int>(y) % 44 == 10 ? 8 : 19); x < SCENE_WIDTH; x += 22) EllipsePath(cr, x, y, 2.2, 2.2);
    }
    PaintFlat(cr, BACKDROP_CREAM);
    FillGradientRect(cr, 0, 200, SCENE_WIDTH, SCENE_HEIGHT - 200, BACKDROP_SILVER, BACKDROP_PURPLE);
    RectPath(cr, 0, 196, SCENE_WIDTH, 5);
    PaintShaded(cr, BACKDROP_WHITE_2, 0.6);
    // Bunting spelling PARTY; every flag changes colour.
    const Rgb flagsA[5] = {BUNTING_RED, BUNTING_GOLD, BUNTING_GREEN, BUNTING_BLUE, BUNTING_PURPLE};
    const Rgb flagsB[5] = {BUNTING_TEAL, BUNTING_LEAF_GREEN, BUNTING_ORANGE, BUNTING_ROSE, BUNTING_YELLOW};
    const char* letters[5] = {"P", "A", "R", "T", "Y"};
    const double flagW = 28, gap = (bunting.w - 12 - 5 * flagW) / 4;
    cairo_move_to(cr, bunting.left - 40, bunting.top + 4);
    cairo_curve_to(cr, bunting.left + 40, bunting.top + 12, bunting.right - 40, bunting.top + 12, bunting.right + 40,
                   bunting.top + 4);
    PaintLine(cr, BUNTING_GREY, 1);
    for (int i = 0; i < 5; ++i) {
        const double x = bunting.left + 6 + i * (flagW + gap), top = bunting.top + 8 + (i == 0 || i == 4 ? 0 : 2);
        cairo_move_to(cr, x, top);
        cairo_line_to(cr, x + flagW, top);
        cairo_line_to(cr, x + flagW / 2, top + 36);
        cairo_close_path(cr);
        PaintShaded(cr, altered ? flagsB[i] : flagsA[i], 0.8);
        UseFont(cr, FONT_BOLD, 14);
        DrawTextCentered(cr, letters[i], x + flagW / 2, top + 11, 255, 255, 255);
    }
    // Framed picture on the wall: a sunny day, a starry night when changed.
    RectPath(cr, picture.left + 4, picture.top + 4, picture.w - 8, picture.h - 8);
    PaintShaded(cr, FRAMED_PICTURE_GOLD, 1);
    const double px = picture.left + 8, py = picture.top + 8, pw = picture.w - 16, ph = picture.h - 16;
    if (altered) {
        FillGradientRect(cr, px, py, pw, ph, FRAMED_PICTURE_NAVY, FRAMED_PICTURE_PLUM);
        EllipsePath(cr, px + pw - 7, py + 5, 3, 3);
        PaintFlat(cr, FRAMED_PICTURE_CREAM);
        DrawStar(cr, px + 6, py + 4, 1.8, STAR_CREAM);
    } else {
        FillGradientRect(cr, px, py, pw, ph, FRAMED_PICTURE_SKY, FRAMED_PICTURE_ICE);
        EllipsePath(cr, px + pw - 7, py + 5, 3, 3);
        PaintFlat(cr, FRAMED_PICTURE_YELLOW);
    }
    cairo_move_to(cr, px, py + ph);
    cairo_curve_to(cr, px + 8, py + ph - 10, px + 16, py + ph - 4, px + pw, py + ph - 8);
    cairo_line_to(cr, px + pw, py + ph);
    cairo_close_path(cr);
    PaintFlat(cr, altered ? FRAMED_PICTURE_DARK_GREEN : FRAMED_PICTURE_GREEN);
    // Balloons tied behind the table.
    DrawBalloon(cr, 290, 54, 14, BALLOON_RED, 70);
    DrawBalloon(cr, 318, 40, 13, BALLOON_BLUE, 84);
    DrawBalloon(cr, 344, 62, 12, SWEET_YELLOW, 66);
    DrawBalloon(cr, 30, 40, 12, BALLOON_PURPLE, 40);
    // Table with cloth, the cake and plates.
    const double tableTop = plate.bottom;
    RectPath(cr, 84, tableTop, 206, 8);
    PaintShaded(cr, TABLECLOTH_WHITE, 1);
    cairo_move_to(cr, 84, tableTop + 8);
    for (double x = 84; x <= 290; x += 12.875) cairo_line_to(cr, x, tableTop + 8 + (static_cast<int>((x - 84) / 12.875) % 2) * 6);
    cairo_line_to(cr, 290, tableTop + 8);
    cairo_close_path(cr);
    PaintShaded(cr, TABLECLOTH_PINK, 0.8);
    for (double x : {94.0, 276.0}) {
        RectPath(cr, x, tableTop + 12, 6, 198 - tableTop);
        PaintShaded(cr, TABLECLOTH_GREY, 0.8);
    }
    // Cake.
    const double cakeX = 150;
    EllipsePath(cr, cakeX, tableTop - 1, 32, 4);
    PaintShaded(cr, CAKE_ICE, 0.7);
    RectPath(cr, cakeX - 26, tableTop - 26, 52, 24);
    PaintShaded(cr, CAKE_SAND, 1);
    RectPath(cr, cakeX - 26, tableTop - 18, 52, 4);
    PaintFlat(cr, TABLECLOTH_PINK);
    cairo_move_to(cr, cakeX - 27, tableTop - 27);
    cairo_line_to(cr, cakeX + 27, tableTop - 27);
    for (double x = cakeX + 27; x >= cakeX - 27; x -= 9) cairo_line_to(cr, x, tableTop - 21 + (static_cast<int>((x - cakeX) / 9) % 2 ? 3 : 0));
    cairo_close_path(cr);
    PaintShaded(cr, TABLECLOTH_WHITE, 0.8);
    for (int i = 0; i < 5; ++i) {
        const double x = cakeX - 16 + i * 8;
        RectPath(cr, x - 1.5, tableTop - 38, 3, 11);
        PaintShaded(cr, i % 2 ? CAKE_SKY : CAKE_PINK, 0.5);
        EllipsePath(cr, x, tableTop - 41, 1.8, 3);
        PaintFlat(cr, CAKE_YELLOW);
    }
    // Plate: a slice of cake on it, eaten up when changed.
    EllipsePath(cr, plate.cx, plate.bottom - 5, 16, 3.6);
    PaintShaded(cr, TABLECLOTH_WHITE, 0.7);
    if (!altered) {
        cairo_move_to(cr, plate.cx - 10, plate.bottom - 6);
        cairo_line_to(cr, plate.cx + 9, plate.bottom - 6);
        cairo_line_to(cr, plate.cx + 9, plate.bottom - 13.5);
        cairo_close_path(cr);
        PaintShaded(cr, CAKE_SAND, 0.7);
        cairo_move_to(cr, plate.cx - 10, plate.bottom - 6);
        cairo_line_to(cr, plate.cx + 9, plate.bottom - 13.5);
        cairo_line_to(cr, plate.cx + 9, plate.bottom - 12);
        cairo_line_to(cr, plate.cx - 6, plate.bottom - 6.5);
        cairo_close_path(cr);
        PaintFlat(cr, TABLECLOTH_PINK);
        EllipsePath(cr, plate.cx + 6, plate.bottom - 13.5, 1.8, 1.8);
        PaintShaded(cr, PLATE_SLICE_RED, 0.4);
    }
    EllipsePath(cr, 112, plate.bottom - 5, 12, 3);
    PaintShaded(cr, TABLECLOTH_WHITE, 0.7);
    // Cups.
    for (double x : {190.0, 262.0}) {
        cairo_move_to(cr, x - 5, tableTop - 12);
        cairo_line_to(cr, x + 5, tableTop - 12);
        cairo_line_to(cr, x + 4, tableTop - 1);
        cairo_line_to(cr, x - 4, tableTop - 1);
        cairo_close_path(cr);
        PaintShaded(cr, CUPS_SKY, 0.7);
    }
    // Side stand with the cupcake: cherry on top, or a little candle.
    RectPath(cr, cupcake.cx - 14, cupcake.bottom, 28, 4);
    PaintShaded(cr, TABLECLOTH_GREY, 0.8);
    RectPath(cr, cupcake.cx - 2, cupcake.bottom + 4, 4, 194 - cupcake.bottom - 4);
    PaintShaded(cr, TABLECLOTH_GREY, 0.8);
    EllipsePath(cr, cupcake.cx, 196, 10, 2.5);
    PaintShaded(cr, TABLECLOTH_GREY, 0.8);
    cairo_move_to(cr, cupcake.cx - 3.5, cupcake.bottom);
    cairo_line_to(cr, cupcake.cx - 4.2, cupcake.bottom - 4.5);
    cairo_line_to(cr, cupcake.cx + 4.2, cupcake.bottom - 4.5);
    cairo_line_to(cr, cupcake.cx + 3.5, cupcake.bottom);
    cairo_close_path(cr);
    PaintShaded(cr, CUPCAKE_STAND_SKY, 0.5);
    EllipsePath(cr, cupcake.cx, cupcake.bottom - 5.5, 4.2, 2.4);
    PaintShaded(cr, CUPCAKE_STAND_WHITE, 0.5);
    if (altered) {
        RectPath(cr, cupcake.cx - 0.9, cupcake.top + 6, 1.8, 5);
        PaintShaded(cr, CAKE_SKY, 0.3);
        EllipsePath(cr, cupcake.cx, cupcake.top + 4.5, 1.3, 2);
        PaintFlat(cr, CUPCAKE_STAND_GOLD);
    } else {
        EllipsePath(cr, cupcake.cx, cupcake.top + 8.3, 2.6, 2.6);
        PaintShaded(cr, PLATE_SLICE_RED, 0.4);
    }
    // Presents on the floor and the sweet that appears.
    DrawPresent(cr, 40, 222, 34, 26, PRESENT_ROSE, PRESENT_YELLOW);
    DrawPresent(cr, 70, 224, 22, 18, PRESENT_BLUE, BACKDROP_WHITE_2);
    DrawPresent(cr, 340, 236, 30, 22, PRESENT_YELLOW_2, PRESENT_ROSE_2);
    if (altered) DrawSweet(cr, sweet.cx, sweet.cy);
}
