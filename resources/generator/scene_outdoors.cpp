// Outdoor scenes: the farm, the night city and the garden.
#include "scene_kit.h"

#include <cmath>

namespace {

// ------------------------------------------------------------- farm ---

// Pink pig standing, snout towards facing (-1 left, +1 right).
void DrawPig(cairo_t* cr, double cx, double cy, double facing) {
    const Hue pink = {246, 172, 178};
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    cairo_scale(cr, facing, 1);
    DropShadow(cr, 0, 15, 20, 3.5);
    for (double legX : {-11.0, -5.0, 6.0, 12.0}) {
        RoundedRectPath(cr, legX - 2.5, 4, 5, 11, 2);
        PaintShaded(cr, Darker(pink, 0.08), 0.9);
    }
    // Curly tail at the back.
    cairo_move_to(cr, -16, -3);
    cairo_curve_to(cr, -21, -6, -21, 1, -18, -1);
    PaintLine(cr, Darker(pink, 0.35), 1.2);
    EllipsePath(cr, -1, -1, 16, 10);
    PaintShaded(cr, pink, 1.0);
    // Head, ear, snout and eye.
    EllipsePath(cr, 14, -5, 8.5, 8);
    PaintShaded(cr, pink, 1.0);
    cairo_move_to(cr, 10, -11);
    cairo_line_to(cr, 12, -18);
    cairo_line_to(cr, 16, -12);
    cairo_close_path(cr);
    PaintOutlined(cr, Darker(pink, 0.1), 0.9);
    EllipsePath(cr, 21, -3, 3.5, 4);
    PaintOutlined(cr, Darker(pink, 0.12), 0.9);
    EllipsePath(cr, 20.2, -3.2, 0.7, 1);
    EllipsePath(cr, 22, -3.2, 0.7, 1);
    PaintFlat(cr, {120, 60, 70});
    EllipsePath(cr, 16, -8, 1.2, 1.4);
    PaintFlat(cr, {30, 25, 30});
    cairo_restore(cr);
}

// Tall farm silo: cylinder with bands and a dome.
void DrawSilo(cairo_t* cr, double left, double top, double right, double bottom, Hue body) {
    const double w = right - left, cx = (left + right) / 2, domeH = w * 0.42;
    DropShadow(cr, cx + 4, bottom, w * 0.62, 4);
    cairo_pattern_t* shade = cairo_pattern_create_linear(left, 0, right, 0);
    const Hue lit = Lighter(body, 0.35), dark = Darker(body, 0.3);
    cairo_pattern_add_color_stop_rgb(shade, 0, dark.r / 255.0, dark.g / 255.0, dark.b / 255.0);
    cairo_pattern_add_color_stop_rgb(shade, 0.35, lit.r / 255.0, lit.g / 255.0, lit.b / 255.0);
    cairo_pattern_add_color_stop_rgb(shade, 1, dark.r / 255.0, dark.g / 255.0, dark.b / 255.0);
    RectPath(cr, left, top + domeH, w, bottom - top - domeH);
    cairo_set_source(cr, shade);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(shade);
    SetHue(cr, Darker(body, 0.6));
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
    for (double y = top + domeH + 16; y < bottom - 6; y += 18) {
        LinePath(cr, left + 0.5, y, right - 0.5, y);
    }
    PaintLine(cr, Darker(body, 0.35), 1.2);
    // Ladder up the right side.
    LinePath(cr, right - 9, top + domeH + 4, right - 9, bottom);
    LinePath(cr, right - 4, top + domeH + 4, right - 4, bottom);
    for (double y = top + domeH + 8; y < bottom; y += 6) LinePath(cr, right - 9, y, right - 4, y);
    PaintLine(cr, {70, 70, 76}, 0.9);
    cairo_new_sub_path(cr);
    cairo_arc(cr, cx, top + domeH, w / 2, M_PI, 2 * M_PI);
    cairo_close_path(cr);
    PaintShaded(cr, {196, 200, 206}, 1.0);
}

// Red barn: gable roof, hayloft opening (or its shut doors), big door.
void DrawBarn(cairo_t* cr, const SceneArea& loft, bool loftShut) {
    const Hue red = {186, 52, 44};
    const double left = 66, right = 184, wallTop = 90, bottom = 190, cx = (left + right) / 2;
    DropShadow(cr, cx + 6, bottom, 66, 5);
    RectPath(cr, left, wallTop, right - left, bottom - wallTop);
    PaintShaded(cr, red, 1.2);
    cairo_move_to(cr, left - 2, wallTop + 1);
    cairo_line_to(cr, cx, 48);
    cairo_line_to(cr, right + 2, wallTop + 1);
    cairo_close_path(cr);
    PaintShaded(cr, red, 1.2);
    // Siding planks.
    for (double x = left + 8; x < right - 2; x += 8) LinePath(cr, x, wallTop + 2, x, bottom - 1);
    PaintLine(cr, Darker(red, 0.2), 0.7);
    // White roof trim.
    cairo_move_to(cr, left - 6, wallTop + 4);
    cairo_line_to(cr, cx, 44);
    cairo_line_to(cr, right + 6, wallTop + 4);
    PaintLine(cr, {246, 242, 232}, 4);
    // Big door with its cross braces.
    const double doorL = cx - 22, doorT = 146, doorW = 44, doorH = bottom - 146;
    RectPath(cr, doorL, doorT, doorW, doorH);
    PaintOutlined(cr, Darker(red, 0.15), 1);
    RectPath(cr, doorL + 2, doorT + 2, doorW - 4, doorH - 4);
    LinePath(cr, doorL + 2, doorT + 2, doorL + doorW - 2, doorT + doorH - 2);
    LinePath(cr, doorL + doorW - 2, doorT + 2, doorL + 2, doorT + doorH - 2);
    LinePath(cr, cx, doorT + 2, cx, doorT + doorH);
    PaintLine(cr, {246, 242, 232}, 2.2);
    // Hayloft: an opening full of hay, or two white-braced doors.
    const double wl = loft.left + 5, wt = loft.top + 5, ww = loft.w - 10, wh = loft.h - 10;
    RectPath(cr, wl, wt, ww, wh);
    PaintOutlined(cr, {246, 242, 232}, 1);
    if (!loftShut) {
        RectPath(cr, wl + 2.5, wt + 2.5, ww - 5, wh - 5);
        PaintFlat(cr, {58, 34, 26});
        cairo_move_to(cr, wl + 2.5, wt + wh - 2.5);
        for (int i = 0; i <= 8; ++i) {
            const double x = wl + 2.5 + (ww - 5) * i / 8.0;
            cairo_line_to(cr, x, wt + wh * ((i % 2) ? 0.42 : 0.5));
        }
        cairo_line_to(cr, wl + ww - 2.5, wt + wh - 2.5);
        cairo_close_path(cr);
        PaintShaded(cr, {236, 196, 84}, 0.8);
    } else {
        RectPath(cr, wl + 2.5, wt + 2.5, ww - 5, wh - 5);
        PaintShaded(cr, Darker(red, 0.1), 0.8);
        LinePath(cr, wl + ww / 2, wt + 2.5, wl + ww / 2, wt + wh - 2.5);
        LinePath(cr, wl + 3, wt + 3, wl + ww / 2, wt + wh - 3);
        LinePath(cr, wl + ww / 2, wt + 3, wl + 3, wt + wh - 3);
        LinePath(cr, wl + ww / 2, wt + 3, wl + ww - 3, wt + wh - 3);
        LinePath(cr, wl + ww - 3, wt + 3, wl + ww / 2, wt + wh - 3);
        PaintLine(cr, {246, 242, 232}, 1.6);
    }
}

// White hen pecking, facing left.
void DrawHen(cairo_t* cr, double cx, double cy) {
    LinePath(cr, cx - 2, cy + 5, cx - 3, cy + 10);
    LinePath(cr, cx + 2, cy + 5, cx + 3, cy + 10);
    PaintLine(cr, {230, 150, 40}, 1.1);
    cairo_move_to(cr, cx + 7, cy - 3);
    cairo_line_to(cr, cx + 12, cy - 8);
    cairo_line_to(cr, cx + 10, cy + 1);
    cairo_close_path(cr);
    PaintOutlined(cr, {250, 250, 246}, 0.8);
    EllipsePath(cr, cx, cy, 9, 6.5);
    PaintShaded(cr, {252, 252, 248}, 0.9);
    EllipsePath(cr, cx - 7, cy - 6, 4.2, 4.2);
    PaintShaded(cr, {252, 252, 248}, 0.9);
    EllipsePath(cr, cx - 7.5, cy - 10.5, 1.8, 1.6);
    PaintFlat(cr, {220, 40, 40});
    cairo_move_to(cr, cx - 11, cy - 6.5);
    cairo_line_to(cr, cx - 14, cy - 5);
    cairo_line_to(cr, cx - 11, cy - 4);
    PaintFlat(cr, {240, 170, 40});
    EllipsePath(cr, cx - 8, cy - 6.5, 0.8, 0.8);
    PaintFlat(cr, {20, 20, 20});
}

// Post-and-rail fence along the whole width.
void DrawFence(cairo_t* cr, double railY) {
    const Hue wood = {214, 184, 140};
    RectPath(cr, 0, railY, SCENE_WIDTH, 4);
    RectPath(cr, 0, railY + 12, SCENE_WIDTH, 4);
    PaintShaded(cr, wood, 0.8);
    for (double x = 6; x < SCENE_WIDTH; x += 26) {
        RoundedRectPath(cr, x, railY - 6, 6, 28, 2);
        PaintShaded(cr, wood, 0.9);
    }
}

// Round hay bale with its spiral.
void DrawHayBale(cairo_t* cr, double cx, double cy, double r) {
    DropShadow(cr, cx, cy + r, r * 1.1, 2.5);
    EllipsePath(cr, cx, cy, r, r);
    PaintShaded(cr, {232, 196, 96}, 1);
    cairo_arc(cr, cx, cy, r * 0.6, 0, 1.6 * M_PI);
    cairo_arc(cr, cx, cy, r * 0.3, 1.6 * M_PI, 3.2 * M_PI);
    PaintLine(cr, {180, 140, 60}, 0.9);
}

// ------------------------------------------------------- night city ---

// A building face with a grid of windows, some lit; the window centred in
// skip (when given) is left for the caller to draw.
void DrawTowerBlock(cairo_t* cr, double left, double top, double right, double bottom, Hue wall,
                    double windowW, double windowH, double gapX, double gapY, unsigned seed) {
    RectPath(cr, left, top, right - left, bottom - top);
    PaintShaded(cr, wall, 1);
    for (double y = top + gapY; y + windowH < bottom - 4; y += windowH + gapY) {
        for (double x = left + gapX; x + windowW <= right - gapX + 0.5; x += windowW + gapX) {
            const bool lit = NextRandom(&seed) < 0.55;
            DrawWindow(cr, x, y, windowW, windowH, Darker(wall, 0.35), lit ? Hue{255, 214, 110} : Hue{40, 50, 84});
        }
    }
}

// Little city car, facing right, wheels resting on groundY.
void DrawCar(cairo_t* cr, double left, double groundY, double length, Hue paint) {
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
    PaintShaded(cr, {150, 190, 220}, 0.7);
    RoundedRectPath(cr, left, groundY - h * 0.6, length, h * 0.42, h * 0.14);
    PaintShaded(cr, paint, 1);
    RoundedRectPath(cr, left + length - 5, groundY - h * 0.5, 4, 3.5, 1);
    PaintFlat(cr, {255, 240, 160});
    RoundedRectPath(cr, left + 1, groundY - h * 0.5, 3, 3.5, 1);
    PaintFlat(cr, {230, 40, 40});
    for (double wx : {left + length * 0.22, left + length * 0.78}) {
        EllipsePath(cr, wx, groundY - h * 0.18, h * 0.2, h * 0.2);
        PaintOutlined(cr, {34, 34, 38}, 1);
        EllipsePath(cr, wx, groundY - h * 0.18, h * 0.09, h * 0.09);
        PaintFlat(cr, {180, 180, 186});
    }
}

// Traffic light housing with the red lamp lit, or the green one.
void DrawTrafficLight(cairo_t* cr, const SceneArea& spot, bool green) {
    const double cx = spot.cx, top = spot.top + 5, bottom = spot.bottom - 5;
    RectPath(cr, cx - 1.5, bottom, 3, 204 - bottom);
    PaintShaded(cr, {70, 74, 84}, 0.6);
    RoundedRectPath(cr, cx - 6, top, 12, bottom - top, 3);
    PaintShaded(cr, {52, 56, 64}, 1);
    const double step = (bottom - top) / 3;
    const Hue lamps[3] = {{236, 48, 40}, {240, 180, 40}, {60, 210, 100}};
    for (int i = 0; i < 3; ++i) {
        const bool on = (i == 0 && !green) || (i == 2 && green);
        const double y = top + step * (i + 0.5);
        if (on) {
            EllipsePath(cr, cx, y, 5.5, 5.5);
            PaintFlat(cr, lamps[i], 0.35);
        }
        EllipsePath(cr, cx, y, 3.6, 3.6);
        PaintOutlined(cr, on ? lamps[i] : Darker(lamps[i], 0.72), 0.7);
    }
}

// Shop door: shut and dark, or open onto warm light.
void DrawShopDoor(cairo_t* cr, const SceneArea& spot, bool open) {
    const double l = spot.cx - 14, t = spot.top + 9, w = 28, h = spot.bottom - 16 - t;
    RectPath(cr, l - 3, t - 3, w + 6, h + 3);
    PaintOutlined(cr, {92, 60, 44}, 1);
    RectPath(cr, l, t, w, h);
    PaintFlat(cr, open ? Hue{255, 206, 120} : Hue{24, 22, 30});
    if (open) {
        // Door swung inwards: a narrow slanted leaf at the left jamb.
        cairo_move_to(cr, l, t);
        cairo_line_to(cr, l + 8, t + 5);
        cairo_line_to(cr, l + 8, t + h - 3);
        cairo_line_to(cr, l, t + h);
        cairo_close_path(cr);
        PaintShaded(cr, {120, 50, 60}, 0.8);
        RectPath(cr, l + 14, t + h - 12, 8, 12);
        PaintShaded(cr, {200, 120, 60}, 0.7);
    } else {
        RectPath(cr, l, t, w, h);
        PaintShaded(cr, {150, 58, 70}, 1);
        RoundedRectPath(cr, l + 5, t + 5, w - 10, h * 0.4, 3);
        PaintShaded(cr, {255, 214, 120}, 0.8);
        EllipsePath(cr, l + w - 5, t + h * 0.6, 1.6, 1.6);
        PaintFlat(cr, {240, 200, 90});
    }
}

// ----------------------------------------------------------- garden ---

// Y of the sagging washing line at x.
double WashingLineY(double x) { return 5 + 0.0009 * x * (150 - x); }

// A T-shirt pegged to the line at its top centre.
void DrawShirt(cairo_t* cr, double cx, double top, Hue hue) {
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
void DrawSock(cairo_t* cr, double x, double top, Hue hue) {
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
    PaintOutlined(cr, {214, 180, 120}, 0.5);
}

// Wooden birdhouse on its post; roof hue is the change.
void DrawBirdhouse(cairo_t* cr, const SceneArea& spot, Hue roof) {
    const double cx = spot.cx;
    RectPath(cr, cx - 2.5, spot.bottom - 6, 5, 200 - spot.bottom + 6);
    PaintShaded(cr, {140, 100, 64}, 0.8);
    RectPath(cr, cx - 12, spot.top + 15, 24, spot.bottom - spot.top - 20);
    PaintShaded(cr, {226, 196, 140}, 1);
    EllipsePath(cr, cx, spot.top + 25, 4, 4);
    PaintFlat(cr, {50, 34, 24});
    LinePath(cr, cx, spot.top + 31, cx, spot.top + 35);
    PaintLine(cr, {120, 84, 50}, 1.6);
    cairo_move_to(cr, cx - 22, spot.top + 17);
    cairo_line_to(cr, cx, spot.top + 4);
    cairo_line_to(cr, cx + 22, spot.top + 17);
    cairo_line_to(cr, cx + 22, spot.top + 23);
    cairo_line_to(cr, cx, spot.top + 10);
    cairo_line_to(cr, cx - 22, spot.top + 23);
    cairo_close_path(cr);
    PaintShaded(cr, roof, 1);
}

// Ladybird seen from above, head up.
void DrawLadybird(cairo_t* cr, double cx, double cy) {
    EllipsePath(cr, cx, cy - 3.4, 2.2, 1.8);
    PaintFlat(cr, {30, 24, 24});
    EllipsePath(cr, cx, cy, 3.6, 3.9);
    PaintShaded(cr, {226, 36, 30}, 0.6);
    LinePath(cr, cx, cy - 3.4, cx, cy + 3.8);
    PaintLine(cr, {30, 24, 24}, 0.6);
    const double spots[4][2] = {{-1.7, -1}, {1.7, -1}, {-1.5, 1.8}, {1.5, 1.8}};
    for (const auto& spot : spots) {
        EllipsePath(cr, cx + spot[0], cy + spot[1], 0.8, 0.8);
        PaintFlat(cr, {30, 24, 24});
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
    PaintShaded(cr, {214, 194, 160}, 0.7);
    LinePath(cr, 11, -8, 13, -14);
    LinePath(cr, 12.5, -8, 16, -12.5);
    PaintLine(cr, {150, 130, 100}, 0.8);
    EllipsePath(cr, -3, -8, 7.5, 7.5);
    PaintShaded(cr, {190, 112, 60}, 0.8);
    cairo_arc(cr, -3, -8, 4.6, 0, 1.5 * M_PI);
    cairo_arc(cr, -2.2, -8.6, 2, 1.5 * M_PI, 3 * M_PI);
    PaintLine(cr, {120, 66, 34}, 0.9);
    cairo_restore(cr);
}

// Red tin bucket with its wire handle.
void DrawBucket(cairo_t* cr, double cx, double baseY) {
    DropShadow(cr, cx, baseY, 16, 3);
    cairo_new_sub_path(cr);
    cairo_arc(cr, cx, baseY - 18, 10, M_PI, 2 * M_PI);
    PaintLine(cr, {90, 90, 96}, 1.2);
    cairo_move_to(cr, cx - 13, baseY - 18);
    cairo_line_to(cr, cx + 13, baseY - 18);
    cairo_line_to(cr, cx + 10, baseY);
    cairo_line_to(cr, cx - 10, baseY);
    cairo_close_path(cr);
    PaintShaded(cr, {220, 60, 60}, 1);
    RectPath(cr, cx - 12.2, baseY - 14, 24.4, 3);
    PaintFlat(cr, {250, 220, 210});
}

// Green watering can; facing +1 puts the spout on the right.
void DrawWateringCan(cairo_t* cr, double cx, double baseY, double facing) {
    const Hue green = {64, 160, 112};
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
    cairo_new_sub_path(cr);
    cairo_arc(cr, -6, -20, 8, M_PI, 2 * M_PI);
    PaintLine(cr, Darker(green, 0.3), 2.4);
    RoundedRectPath(cr, -15, -20, 20, 20, 3);
    PaintShaded(cr, green, 1);
    RectPath(cr, -15, -14, 20, 3);
    PaintFlat(cr, Lighter(green, 0.3));
    cairo_restore(cr);
}

}  // namespace

// Level 1, on khaki: a farm on a summer afternoon.
void DrawFarmScene(cairo_t* cr, bool altered) {
    const SceneArea loft = AreaOf(1, 0), apples = AreaOf(1, 1), silo = AreaOf(1, 2), pig = AreaOf(1, 3),
                    sun = AreaOf(1, 4);
    FillGradientRect(cr, 0, 0, SCENE_WIDTH, 170, {170, 212, 232}, {236, 236, 208});
    DrawCloud(cr, 86, 14, 62, 24);
    DrawCloud(cr, 190, 40, 44, 16);
    // Sun, and the cloud that drifts over it.
    DrawSun(cr, sun.cx, sun.cy, 8.5);
    if (altered) DrawCloud(cr, sun.cx - 17, sun.cy - 6, 34, 18);
    // Rolling hills behind the yard.
    cairo_move_to(cr, 0, 150);
    cairo_curve_to(cr, 80, 120, 160, 160, 240, 140);
    cairo_curve_to(cr, 300, 125, 340, 140, SCENE_WIDTH, 132);
    cairo_line_to(cr, SCENE_WIDTH, SCENE_HEIGHT);
    cairo_line_to(cr, 0, SCENE_HEIGHT);
    cairo_close_path(cr);
    PaintShaded(cr, {150, 186, 96}, 0);
    FillGradientRect(cr, 0, 172, SCENE_WIDTH, SCENE_HEIGHT - 172, {160, 196, 96}, {116, 160, 70});
    // Dirt path from the barn door.
    cairo_move_to(cr, 108, 190);
    cairo_curve_to(cr, 100, 220, 60, 240, 40, SCENE_HEIGHT);
    cairo_line_to(cr, 150, SCENE_HEIGHT);
    cairo_curve_to(cr, 150, 240, 140, 215, 142, 190);
    cairo_close_path(cr);
    PaintFlat(cr, {204, 176, 124});

    DrawSilo(cr, silo.left + 8, silo.top + 6, silo.right - 8, silo.bottom - 6,
             altered ? Hue{60, 128, 176} : Hue{176, 182, 188});
    DrawBarn(cr, loft, altered);
    // Apple tree by the field; apples appear in the changed copy.
    DrawTree(cr, apples.cx, 178, 112, {82, 150, 64});
    if (altered) {
        const double spots[][2] = {{-14, -6}, {-4, 2}, {8, -8}, {15, 4}, {0, -9}, {-13, 6}, {6, 9}, {17, -4}};
        for (const auto& spot : spots) {
            EllipsePath(cr, apples.cx + spot[0], apples.cy + spot[1], 3.6, 3.6);
            PaintShaded(cr, {222, 40, 36}, 0.8);
        }
    }
    DrawHayBale(cr, 236, 178, 12);
    DrawHayBale(cr, 262, 182, 10);
    DrawFence(cr, 196);
    // Flowers and tufts in the foreground grass.
    for (int i = 0; i < 9; ++i) {
        const double x = 12 + i * 41.0, y = 248 + (i % 3) * 6;
        if (x > pig.left - 6 && x < pig.right + 6) continue;
        DrawFlower(cr, x, y, 4, i % 2 ? Hue{250, 250, 250} : Hue{246, 200, 60});
    }
    DrawHen(cr, 80, 232);
    DrawHen(cr, 122, 246);
    DrawHen(cr, 300, 240);
    // The pig turns round in the changed copy.
    DrawPig(cr, pig.cx - 1, pig.cy + 2, altered ? 1 : -1);
}

// Level 2, on near black: a city street at night.
void DrawNightCityScene(cairo_t* cr, bool altered) {
    const SceneArea car = AreaOf(2, 0), window = AreaOf(2, 1), light = AreaOf(2, 2), door = AreaOf(2, 3),
                    moon = AreaOf(2, 4);
    FillGradientRect(cr, 0, 0, SCENE_WIDTH, 200, {14, 20, 52}, {58, 46, 104});
    unsigned seed = 7;
    for (int i = 0; i < 60; ++i) {
        const double x = NextRandom(&seed) * SCENE_WIDTH, y = NextRandom(&seed) * 120;
        const double r = 0.5 + NextRandom(&seed) * 0.9;
        EllipsePath(cr, x, y, r, r);
        PaintFlat(cr, {255, 250, 220}, 0.5 + NextRandom(&seed) * 0.5);
    }
    // Moon: full, or a crescent in the changed copy.
    EllipsePath(cr, moon.cx, moon.cy, 13, 13);
    PaintFlat(cr, {255, 246, 200}, 0.15);
    if (!altered) {
        EllipsePath(cr, moon.cx, moon.cy, 10, 10);
        PaintShaded(cr, {252, 240, 190}, 0.8);
        EllipsePath(cr, moon.cx - 3, moon.cy - 2, 2.5, 2.5);
        EllipsePath(cr, moon.cx + 4, moon.cy + 3, 1.8, 1.8);
        PaintFlat(cr, {222, 208, 156});
    } else {
        // Crescent: the disc with an offset disc cut away.
        cairo_push_group(cr);
        EllipsePath(cr, moon.cx, moon.cy, 10, 10);
        PaintShaded(cr, {252, 240, 190}, 0);
        cairo_set_operator(cr, CAIRO_OPERATOR_CLEAR);
        EllipsePath(cr, moon.cx + 5.5, moon.cy - 3.5, 9, 9);
        cairo_fill(cr);
        cairo_pop_group_to_source(cr);
        cairo_paint(cr);
    }
    // Far skyline.
    const double skyline[][3] = {{0, 60, 40}, {150, 90, 30}, {185, 40, 46}, {228, 70, 38}, {262, 30, 54}, {318, 80, 58}};
    for (const auto& b : skyline) {
        RectPath(cr, b[0], b[1], b[2], 200 - b[1]);
        PaintFlat(cr, {34, 32, 70});
    }
    // Left block; the window in the area is drawn by itself.
    RectPath(cr, 0, 70, 106, 130);
    PaintShaded(cr, {92, 74, 104}, 1);
    unsigned windowSeed = 3;
    for (int row = 0; row < 3; ++row) {
        for (int col = 0; col < 3; ++col) {
            const double x = window.cx - 14 + (col - 1) * 34, y = window.cy - 13 + (row - 1) * 40;
            const bool lit = NextRandom(&windowSeed) < 0.5;
            if (row == 1 && col == 1) continue;
            DrawWindow(cr, x, y, 28, 26, {60, 46, 70}, lit ? Hue{255, 214, 110} : Hue{40, 50, 84});
        }
    }
    DrawWindow(cr, window.cx - 14, window.cy - 13, 28, 26, {60, 46, 70},
               altered ? Hue{40, 50, 84} : Hue{255, 214, 110});
    // Shop in the middle with an awning and a lit display window.
    RectPath(cr, 106, 96, 128, 104);
    PaintShaded(cr, {150, 104, 86}, 1);
    for (double y = 100; y < 200; y += 6) LinePath(cr, 107, y, 233, y);
    PaintLine(cr, {130, 88, 72}, 0.6);
    RectPath(cr, 112, 104, 116, 14);
    PaintOutlined(cr, {36, 40, 60}, 1);
    UseFont(cr, FONT_BOLD, 10);
    DrawTextCentered(cr, "BAKERY", 170, 111.5, 255, 220, 140);
    for (int i = 0; i < 8; ++i) {
        cairo_move_to(cr, 110 + i * 15, 126);
        cairo_line_to(cr, 125 + i * 15, 126);
        cairo_line_to(cr, 125 + i * 15, 140);
        cairo_curve_to(cr, 122 + i * 15, 144, 113 + i * 15, 144, 110 + i * 15, 140);
        cairo_close_path(cr);
        PaintShaded(cr, i % 2 ? Hue{246, 240, 226} : Hue{56, 150, 120}, 0.6);
    }
    RectPath(cr, 114, 150, 34, 40);
    PaintShaded(cr, {255, 210, 130}, 1.2);
    for (int i = 0; i < 3; ++i) {
        EllipsePath(cr, 122 + i * 9, 180, 4, 3);
        PaintShaded(cr, {196, 130, 60}, 0.6);
    }
    DrawShopDoor(cr, door, altered);
    // Right block.
    DrawTowerBlock(cr, 234, 54, SCENE_WIDTH, 200, {70, 84, 112}, 16, 18, 10, 12, 11);
    // Pavement and road.
    FillGradientRect(cr, 0, 198, SCENE_WIDTH, 10, {120, 120, 130}, {96, 96, 106});
    LinePath(cr, 0, 208, SCENE_WIDTH, 208);
    PaintLine(cr, {150, 150, 156}, 1.5);
    FillGradientRect(cr, 0, 209, SCENE_WIDTH, SCENE_HEIGHT - 209, {40, 40, 50}, {26, 26, 34});
    for (double x = 8; x < SCENE_WIDTH; x += 44) {
        RectPath(cr, x, 246, 24, 3);
        PaintFlat(cr, {220, 210, 150});
    }
    // Street lamp on the left, with its pool of light.
    EllipsePath(cr, 20, 206, 24, 5);
    PaintFlat(cr, {255, 220, 140}, 0.25);
    RectPath(cr, 18.5, 150, 3, 56);
    PaintShaded(cr, {60, 64, 72}, 0.6);
    EllipsePath(cr, 20, 146, 9, 9);
    PaintFlat(cr, {255, 226, 150}, 0.3);
    EllipsePath(cr, 20, 147, 5, 5);
    PaintShaded(cr, {255, 236, 170}, 0.8);
    DrawTrafficLight(cr, light, altered);
    // The parked car is gone in the changed copy.
    if (!altered) DrawCar(cr, car.cx - 28, car.bottom - 6, 56, {210, 60, 56});
    // A car passing on the road.
    DrawCar(cr, 40, 240, 70, {60, 130, 200});
}

// Level 3, on pale green: a back garden with washing out.
void DrawGardenScene(cairo_t* cr, bool altered) {
    const SceneArea line = AreaOf(3, 0), house = AreaOf(3, 1), snail = AreaOf(3, 2), ladybird = AreaOf(3, 3),
                    can = AreaOf(3, 4);
    FillGradientRect(cr, 0, 0, SCENE_WIDTH, 150, {176, 216, 240}, {226, 240, 236});
    DrawCloud(cr, 180, 14, 70, 26);
    DrawCloud(cr, 300, 36, 50, 18);
    // Hedge and trees behind the fence.
    for (int i = 0; i < 9; ++i) {
        EllipsePath(cr, 10 + i * 46, 124 + (i % 2) * 6, 30, 22);
    }
    PaintShaded(cr, {96, 150, 84}, 0);
    DrawTree(cr, 344, 150, 150, {74, 140, 70});
    // Picket fence; one picket stands at the ladybird's spot.
    const double firstPicket = std::fmod(ladybird.cx, 14.0) - 14;
    RectPath(cr, 0, 152, SCENE_WIDTH, 4);
    RectPath(cr, 0, 176, SCENE_WIDTH, 4);
    PaintShaded(cr, {240, 236, 224}, 0.7);
    for (double x = firstPicket; x < SCENE_WIDTH + 14; x += 14) {
        cairo_move_to(cr, x - 5, 196);
        cairo_line_to(cr, x - 5, 143);
        cairo_line_to(cr, x, 137);
        cairo_line_to(cr, x + 5, 143);
        cairo_line_to(cr, x + 5, 196);
        cairo_close_path(cr);
        PaintShaded(cr, {248, 246, 236}, 0.8);
    }
    // Lawn, bed and stepping stones.
    FillGradientRect(cr, 0, 190, SCENE_WIDTH, SCENE_HEIGHT - 190, {150, 200, 100}, {110, 170, 76});
    RectPath(cr, 0, 186, SCENE_WIDTH, 9);
    PaintShaded(cr, {136, 96, 66}, 0);
    const Hue bloom[4] = {{236, 70, 90}, {250, 200, 60}, {170, 110, 220}, {250, 250, 250}};
    for (int i = 0; i < 16; ++i) {
        const double x = 8 + i * 23.5;
        if (x > house.left - 4 && x < house.right + 4) continue;
        LinePath(cr, x, 190, x + (i % 3) - 1, 170 - (i % 2) * 6);
        PaintLine(cr, {70, 130, 60}, 1.2);
        DrawFlower(cr, x + (i % 3) - 1, 170 - (i % 2) * 6, 6, bloom[i % 4]);
    }
    const double stones[][2] = {{150, 240}, {178, 226}, {213, 214}, {246, 204}, {120, 258}};
    for (const auto& stone : stones) {
        EllipsePath(cr, stone[0], stone[1], 17, 6);
        PaintShaded(cr, {180, 176, 168}, 0.8);
    }
    // Washing line along the top; the red towel hangs only in the changed copy.
    cairo_move_to(cr, -2, WashingLineY(-2));
    for (double x = 0; x <= 152; x += 4) cairo_line_to(cr, x, WashingLineY(x));
    PaintLine(cr, {110, 110, 110}, 0.9);
    RectPath(cr, 146, 2, 4, 140);
    PaintShaded(cr, {170, 140, 100}, 0.8);
    DrawShirt(cr, line.cx - 38, WashingLineY(line.cx - 38) - 1, {80, 140, 220});
    DrawPeg(cr, line.cx - 44, WashingLineY(line.cx - 44));
    DrawPeg(cr, line.cx - 32, WashingLineY(line.cx - 32));
    DrawSock(cr, line.cx + 26, WashingLineY(line.cx + 26) - 0.5, {250, 200, 60});
    DrawSock(cr, line.cx + 38, WashingLineY(line.cx + 38) - 0.5, {250, 200, 60});
    if (altered) {
        const double towelY = WashingLineY(line.cx) - 0.5;
        RectPath(cr, line.cx - 15, towelY, 30, 16);
        PaintShaded(cr, {226, 60, 60}, 0.8);
        for (double y : {towelY + 11, towelY + 13.5}) LinePath(cr, line.cx - 15, y, line.cx + 15, y);
        PaintLine(cr, {250, 230, 230}, 1);
        DrawPeg(cr, line.cx - 10, towelY + 1);
        DrawPeg(cr, line.cx + 10, towelY + 1);
    }
    DrawBirdhouse(cr, house, altered ? Hue{60, 110, 200} : Hue{200, 64, 56});
    if (!altered) {
        cairo_save(cr);
        cairo_translate(cr, ladybird.cx, ladybird.cy + 0.6);
        cairo_scale(cr, 0.88, 0.88);  // a touch smaller than usual: its area is tiny
        DrawLadybird(cr, 0, 0);
        cairo_restore(cr);
    }
    // The snail turns back; the watering can gives way to a bucket.
    DrawSnail(cr, snail.cx + (altered ? 1 : -1), snail.cy + 8, altered ? -1 : 1);
    if (altered)
        DrawBucket(cr, can.cx, can.cy + 13);
    else
        DrawWateringCan(cr, can.cx, can.cy + 13, 1);
}
