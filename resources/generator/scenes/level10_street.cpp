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
            DrawWindow(cr, x, top + 12 + r * 34, 16, 20, {250, 250, 246}, {130, 180, 220});
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
        PaintShaded(cr, {250, 200, 40}, 0.6);
        EllipsePath(cr, cx, cy + 2.2, 0.8, 0.8);
        PaintFlat(cr, {30, 30, 30});
        LinePath(cr, cx, cy - 3, cx, cy + 0.6);
        PaintLine(cr, {30, 30, 30}, 1.3);
    } else {
        EllipsePath(cr, cx, cy, 5.6, 5.6);
        PaintShaded(cr, {220, 40, 40}, 0.6);
        RectPath(cr, cx - 3.6, cy - 1.1, 7.2, 2.2);
        PaintFlat(cr, {255, 255, 255});
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
    PaintFlat(cr, {250, 250, 250});
    cairo_restore(cr);
}

// City bus facing left.
void DrawBus(cairo_t* cr, double left, double groundY, double length) {
    RoundedRectPath(cr, left, groundY - 30, length, 26, 4);
    PaintShaded(cr, {250, 190, 40}, 1);
    for (double x = left + 6; x < left + length - 10; x += 15) {
        RoundedRectPath(cr, x, groundY - 26, 11, 9, 1.5);
        PaintShaded(cr, {140, 190, 230}, 0.6);
    }
    RectPath(cr, left, groundY - 14, length, 3);
    PaintFlat(cr, {230, 90, 40});
    for (double x : {left + 14, left + length - 16}) {
        EllipsePath(cr, x, groundY - 4, 5, 5);
        PaintFillThenOutline(cr, {40, 40, 44}, 1);
        EllipsePath(cr, x, groundY - 4, 2, 2);
        PaintFlat(cr, {190, 190, 196});
    }
}

}  // namespace

// Draws the scene; the changes only when altered is set.
void DrawStreetScene(cairo_t* cr, bool altered) {
    const SceneArea sign = AreaOf(10, 0), arrow = AreaOf(10, 1), ball = AreaOf(10, 2), roadSign = AreaOf(10, 3),
                    flowers = AreaOf(10, 4);
    FillGradientRect(cr, 0, 0, SCENE_WIDTH, 200, {140, 196, 236}, {220, 236, 246});
    DrawCloud(cr, 270, 10, 70, 24);
    DrawCloud(cr, 20, 16, 50, 18);
    // Row of houses; the café sits where the sign area is.
    DrawTownHouse(cr, 0, 60, 74, 205, {236, 200, 150}, 3);
    DrawTownHouse(cr, 74, 90, sign.cx + 46, 205, {200, 110, 90}, 0);
    DrawTownHouse(cr, sign.cx + 46, 40, 270, 205, {150, 190, 170}, 0);
    DrawTownHouse(cr, 270, 70, SCENE_WIDTH, 205, {220, 220, 236}, 3);
    // Café: upper windows, sign, awning and a big window.
    for (double x : {sign.cx - 34, sign.cx + 14}) DrawWindow(cr, x, 98, 20, 18, {250, 246, 236}, {130, 180, 220});
    RoundedRectPath(cr, sign.cx - 17, sign.cy - 6.5, 34, 13, 3);
    PaintShaded(cr, altered ? Rgb{200, 50, 60} : Rgb{50, 130, 90}, 0.8);
    UseFont(cr, FONT_BOLD, 9);
    DrawTextCentered(cr, "CAFE", sign.cx, sign.cy, 255, 248, 220);
    for (int i = 0; i < 6; ++i) {
        RectPath(cr, sign.cx - 42 + i * 14, 140, 14, 10);
        PaintShaded(cr, i % 2 ? Rgb{250, 250, 246} : Rgb{230, 80, 70}, 0.6);
    }
    RectPath(cr, sign.cx - 38, 156, 44, 30);
    PaintShaded(cr, {170, 210, 230}, 1);
    RectPath(cr, sign.cx + 14, 156, 22, 49);
    PaintShaded(cr, {120, 70, 50}, 1);
    // Green house: windows, the small one with a window box.
    for (double x : {flowers.cx, flowers.cx + 30}) {
        for (double y : {52.0, 84.0, 150.0}) DrawWindow(cr, x - 7, y, 14, 20, {250, 250, 246}, {130, 180, 220});
    }
    DrawWindow(cr, flowers.cx + 24, flowers.top + 1, 12, 10, {250, 250, 246}, {130, 180, 220});
    DrawWindow(cr, flowers.cx - 6, flowers.top + 1, 12, 10, {250, 250, 246}, {130, 180, 220});
    RectPath(cr, flowers.cx - 8, flowers.bottom - 1, 16, 3);
    PaintShaded(cr, {140, 100, 70}, 0.6);
    if (altered) {
        RectPath(cr, flowers.cx - 4.5, flowers.bottom - 7, 9, 4.5);
        PaintShaded(cr, {200, 100, 60}, 0.6);
        for (double x : {-3.0, 0.0, 3.0}) {
            EllipsePath(cr, flowers.cx + x, flowers.bottom - 7.6, 1.6, 1.6);
            PaintShaded(cr, x == 0 ? Rgb{250, 210, 60} : Rgb{240, 60, 110}, 0.4);
        }
    }
    // Pavement and road.
    FillGradientRect(cr, 0, 205, SCENE_WIDTH, 22, {210, 206, 200}, {190, 186, 180});
    for (double x = 0; x < SCENE_WIDTH; x += 24) LinePath(cr, x, 205, x - 6, 227);
    PaintLine(cr, {176, 172, 166}, 0.7);
    RectPath(cr, 0, 225, SCENE_WIDTH, 4);
    PaintShaded(cr, {160, 156, 150}, 0.6);
    FillGradientRect(cr, 0, 229, SCENE_WIDTH, SCENE_HEIGHT - 229, {90, 92, 100}, {70, 72, 80});
    for (double x = 130; x < SCENE_WIDTH; x += 46) {
        RectPath(cr, x, 258, 26, 3);
        PaintFlat(cr, {240, 240, 240});
    }
    DrawRoadArrow(cr, arrow.cx, arrow.cy, altered ? -1 : 1);
    DrawBus(cr, 190, 266, 110);
    // Street sign on its pole.
    RectPath(cr, roadSign.cx - 1, roadSign.cy + 6, 2, 220 - roadSign.cy - 6);
    PaintShaded(cr, {120, 124, 130}, 0.5);
    DrawRoadSign(cr, roadSign.cx, roadSign.cy, altered);
    // Trees in pots and a lamp post.
    for (double x : {20.0, 330.0}) {
        DrawTree(cr, x, 214, 70, {90, 160, 80});
        RectPath(cr, x - 8, 204, 16, 12);
        PaintShaded(cr, {180, 110, 80}, 0.8);
    }
    RectPath(cr, 300, 120, 3, 100);
    PaintShaded(cr, {60, 64, 72}, 0.6);
    RoundedRectPath(cr, 296, 110, 11, 12, 3);
    PaintShaded(cr, {250, 240, 190}, 0.8);
    if (!altered) {
        DropShadow(cr, ball.cx + 2, ball.cy + 4.6, 5, 1.2);
        EllipsePath(cr, ball.cx, ball.cy + 0.3, 4.4, 4.4);
        PaintShaded(cr, {230, 60, 60}, 0.7);
        LinePath(cr, ball.cx - 4.2, ball.cy + 0.3, ball.cx + 4.2, ball.cy + 0.3);
        PaintLine(cr, {255, 255, 255}, 1.4);
    }
}
