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
        PaintShaded(cr, {250, 200, 60}, 0.6);
    }
    EllipsePath(cr, cx, cy, 4.5, 3.4);
    PaintShaded(cr, {236, 70, 140}, 0.6);
    LinePath(cr, cx - 2, cy - 2.5, cx + 1, cy + 2.5);
    PaintLine(cr, {255, 255, 255}, 0.9);
}

}  // namespace

// Draws the scene; the changes only when altered is set.
void DrawPartyScene(cairo_t* cr, bool altered) {
    const SceneArea bunting = AreaOf(12, 0), picture = AreaOf(12, 1), plate = AreaOf(12, 2), sweet = AreaOf(12, 3),
                    cupcake = AreaOf(12, 4);
    FillGradientRect(cr, 0, 0, SCENE_WIDTH, 200, {252, 236, 244}, {240, 220, 236});
    for (double y = 10; y < 200; y += 22) {
        for (double x = (static_cast<int>(y) % 44 == 10 ? 8 : 19); x < SCENE_WIDTH; x += 22) EllipsePath(cr, x, y, 2.2, 2.2);
    }
    PaintFlat(cr, {246, 206, 226});
    FillGradientRect(cr, 0, 200, SCENE_WIDTH, SCENE_HEIGHT - 200, {200, 160, 200}, {170, 130, 176});
    RectPath(cr, 0, 196, SCENE_WIDTH, 5);
    PaintShaded(cr, {250, 250, 250}, 0.6);
    // Bunting spelling PARTY; every flag changes colour.
    const Rgb flagsA[5] = {{230, 70, 80}, {250, 180, 50}, {80, 170, 110}, {70, 130, 220}, {170, 90, 200}};
    const Rgb flagsB[5] = {{60, 190, 200}, {140, 200, 60}, {240, 110, 40}, {230, 70, 160}, {250, 220, 60}};
    const char* letters[5] = {"P", "A", "R", "T", "Y"};
    const double flagW = 28, gap = (bunting.w - 12 - 5 * flagW) / 4;
    cairo_move_to(cr, bunting.left - 40, bunting.top + 4);
    cairo_curve_to(cr, bunting.left + 40, bunting.top + 12, bunting.right - 40, bunting.top + 12, bunting.right + 40,
                   bunting.top + 4);
    PaintLine(cr, {120, 100, 120}, 1);
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
    PaintShaded(cr, {200, 150, 70}, 1);
    const double px = picture.left + 8, py = picture.top + 8, pw = picture.w - 16, ph = picture.h - 16;
    if (altered) {
        FillGradientRect(cr, px, py, pw, ph, {20, 30, 80}, {60, 60, 130});
        EllipsePath(cr, px + pw - 7, py + 5, 3, 3);
        PaintFlat(cr, {250, 240, 190});
        DrawStar(cr, px + 6, py + 4, 1.8, {255, 255, 220});
    } else {
        FillGradientRect(cr, px, py, pw, ph, {130, 200, 240}, {220, 240, 250});
        EllipsePath(cr, px + pw - 7, py + 5, 3, 3);
        PaintFlat(cr, {250, 200, 40});
    }
    cairo_move_to(cr, px, py + ph);
    cairo_curve_to(cr, px + 8, py + ph - 10, px + 16, py + ph - 4, px + pw, py + ph - 8);
    cairo_line_to(cr, px + pw, py + ph);
    cairo_close_path(cr);
    PaintFlat(cr, altered ? Rgb{40, 80, 60} : Rgb{100, 180, 90});
    // Balloons tied behind the table.
    DrawBalloon(cr, 290, 54, 14, {236, 70, 90}, 70);
    DrawBalloon(cr, 318, 40, 13, {80, 160, 230}, 84);
    DrawBalloon(cr, 344, 62, 12, {250, 200, 60}, 66);
    DrawBalloon(cr, 30, 40, 12, {140, 90, 210}, 40);
    // Table with cloth, the cake and plates.
    const double tableTop = plate.bottom;
    RectPath(cr, 84, tableTop, 206, 8);
    PaintShaded(cr, {250, 250, 252}, 1);
    cairo_move_to(cr, 84, tableTop + 8);
    for (double x = 84; x <= 290; x += 12.875) cairo_line_to(cr, x, tableTop + 8 + (static_cast<int>((x - 84) / 12.875) % 2) * 6);
    cairo_line_to(cr, 290, tableTop + 8);
    cairo_close_path(cr);
    PaintShaded(cr, {240, 140, 170}, 0.8);
    for (double x : {94.0, 276.0}) {
        RectPath(cr, x, tableTop + 12, 6, 198 - tableTop);
        PaintShaded(cr, {170, 120, 90}, 0.8);
    }
    // Cake.
    const double cakeX = 150;
    EllipsePath(cr, cakeX, tableTop - 1, 32, 4);
    PaintShaded(cr, {220, 224, 232}, 0.7);
    RectPath(cr, cakeX - 26, tableTop - 26, 52, 24);
    PaintShaded(cr, {250, 220, 180}, 1);
    RectPath(cr, cakeX - 26, tableTop - 18, 52, 4);
    PaintFlat(cr, {240, 140, 170});
    cairo_move_to(cr, cakeX - 27, tableTop - 27);
    cairo_line_to(cr, cakeX + 27, tableTop - 27);
    for (double x = cakeX + 27; x >= cakeX - 27; x -= 9) cairo_line_to(cr, x, tableTop - 21 + (static_cast<int>((x - cakeX) / 9) % 2 ? 3 : 0));
    cairo_close_path(cr);
    PaintShaded(cr, {250, 250, 252}, 0.8);
    for (int i = 0; i < 5; ++i) {
        const double x = cakeX - 16 + i * 8;
        RectPath(cr, x - 1.5, tableTop - 38, 3, 11);
        PaintShaded(cr, i % 2 ? Rgb{120, 190, 240} : Rgb{250, 140, 170}, 0.5);
        EllipsePath(cr, x, tableTop - 41, 1.8, 3);
        PaintFlat(cr, {255, 190, 60});
    }
    // Plate: a slice of cake on it, eaten up when changed.
    EllipsePath(cr, plate.cx, plate.bottom - 5, 16, 3.6);
    PaintShaded(cr, {250, 250, 252}, 0.7);
    if (!altered) {
        cairo_move_to(cr, plate.cx - 10, plate.bottom - 6);
        cairo_line_to(cr, plate.cx + 9, plate.bottom - 6);
        cairo_line_to(cr, plate.cx + 9, plate.bottom - 13.5);
        cairo_close_path(cr);
        PaintShaded(cr, {250, 220, 180}, 0.7);
        cairo_move_to(cr, plate.cx - 10, plate.bottom - 6);
        cairo_line_to(cr, plate.cx + 9, plate.bottom - 13.5);
        cairo_line_to(cr, plate.cx + 9, plate.bottom - 12);
        cairo_line_to(cr, plate.cx - 6, plate.bottom - 6.5);
        cairo_close_path(cr);
        PaintFlat(cr, {240, 140, 170});
        EllipsePath(cr, plate.cx + 6, plate.bottom - 13.5, 1.8, 1.8);
        PaintShaded(cr, {220, 30, 40}, 0.4);
    }
    EllipsePath(cr, 112, plate.bottom - 5, 12, 3);
    PaintShaded(cr, {250, 250, 252}, 0.7);
    // Cups.
    for (double x : {190.0, 262.0}) {
        cairo_move_to(cr, x - 5, tableTop - 12);
        cairo_line_to(cr, x + 5, tableTop - 12);
        cairo_line_to(cr, x + 4, tableTop - 1);
        cairo_line_to(cr, x - 4, tableTop - 1);
        cairo_close_path(cr);
        PaintShaded(cr, {120, 200, 230}, 0.7);
    }
    // Side stand with the cupcake: cherry on top, or a little candle.
    RectPath(cr, cupcake.cx - 14, cupcake.bottom, 28, 4);
    PaintShaded(cr, {170, 120, 90}, 0.8);
    RectPath(cr, cupcake.cx - 2, cupcake.bottom + 4, 4, 194 - cupcake.bottom - 4);
    PaintShaded(cr, {170, 120, 90}, 0.8);
    EllipsePath(cr, cupcake.cx, 196, 10, 2.5);
    PaintShaded(cr, {170, 120, 90}, 0.8);
    cairo_move_to(cr, cupcake.cx - 3.5, cupcake.bottom);
    cairo_line_to(cr, cupcake.cx - 4.2, cupcake.bottom - 4.5);
    cairo_line_to(cr, cupcake.cx + 4.2, cupcake.bottom - 4.5);
    cairo_line_to(cr, cupcake.cx + 3.5, cupcake.bottom);
    cairo_close_path(cr);
    PaintShaded(cr, {110, 170, 240}, 0.5);
    EllipsePath(cr, cupcake.cx, cupcake.bottom - 5.5, 4.2, 2.4);
    PaintShaded(cr, {252, 240, 246}, 0.5);
    if (altered) {
        RectPath(cr, cupcake.cx - 0.9, cupcake.top + 6, 1.8, 5);
        PaintShaded(cr, {120, 190, 240}, 0.3);
        EllipsePath(cr, cupcake.cx, cupcake.top + 4.5, 1.3, 2);
        PaintFlat(cr, {255, 170, 40});
    } else {
        EllipsePath(cr, cupcake.cx, cupcake.top + 8.3, 2.6, 2.6);
        PaintShaded(cr, {220, 30, 40}, 0.4);
    }
    // Presents on the floor and the sweet that appears.
    DrawPresent(cr, 40, 222, 34, 26, {230, 80, 90}, {250, 210, 60});
    DrawPresent(cr, 70, 224, 22, 18, {80, 150, 230}, {250, 250, 250});
    DrawPresent(cr, 340, 236, 30, 22, {250, 190, 60}, {200, 60, 150});
    if (altered) DrawSweet(cr, sweet.cx, sweet.cy);
}
