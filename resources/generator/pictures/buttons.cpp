// The button faces: the title's bars, the wooden level-end buttons and the
// hint button's four moods.
#include "draw/figures.h"
#include "pictures/pictures.h"

#include <cmath>
#include <cstring>

namespace {

constexpr Rgb BAR_BLUE = {150, 208, 250};
constexpr Rgb CROSS_RED = {232, 44, 52};
constexpr Rgb ARROW_YELLOW = {255, 206, 36};
constexpr Rgb HEART_PINK = {255, 130, 176};
constexpr Rgb DOOR_GREEN = {72, 176, 84};

// A chunky red X, outlined.
void DrawRedCross(cairo_t* cr, double cx, double cy, double size) {
    const double arm = size / 2, thickness = size * 0.26;
    cairo_save(cr);
    cairo_new_path(cr);
    cairo_move_to(cr, cx - arm, cy - arm);
    cairo_line_to(cr, cx + arm, cy + arm);
    cairo_move_to(cr, cx + arm, cy - arm);
    cairo_line_to(cr, cx - arm, cy + arm);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    Use(cr, INK);
    cairo_set_line_width(cr, thickness + 5);
    cairo_stroke_preserve(cr);
    Use(cr, CROSS_RED);
    cairo_set_line_width(cr, thickness);
    cairo_stroke_preserve(cr);
    cairo_translate(cr, -thickness * 0.12, -thickness * 0.12);
    Use(cr, WHITE, 0.35);
    cairo_set_line_width(cr, thickness * 0.3);
    cairo_stroke(cr);
    cairo_restore(cr);
}

// Fat arrow pointing right (rotation 0) or down (rotation pi/2), tip at the
// far end of its length.
void DrawArrow(cairo_t* cr, double cx, double cy, double length, double rotation, Rgb color) {
    const double half = length / 2;
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    cairo_rotate(cr, rotation);
    cairo_new_path(cr);
    cairo_move_to(cr, -half, -half * 0.32);
    cairo_line_to(cr, 0, -half * 0.32);
    cairo_line_to(cr, 0, -half * 0.78);
    cairo_line_to(cr, half, 0);
    cairo_line_to(cr, 0, half * 0.78);
    cairo_line_to(cr, 0, half * 0.32);
    cairo_line_to(cr, -half, half * 0.32);
    cairo_close_path(cr);
    cairo_restore(cr);
    PaintOutlineThenShadedFill(cr, color, cy - half, cy + half, 2.5);
}

// Two chevrons side by side: "go on".
void DrawDoubleArrow(cairo_t* cr, double cx, double cy, double size) {
    for (int i = 0; i < 2; ++i) {
        const double x = cx - size * 0.28 + i * size * 0.5;
        cairo_new_path(cr);
        cairo_move_to(cr, x - size * 0.25, cy - size * 0.45);
        cairo_line_to(cr, x + size * 0.05, cy - size * 0.45);
        cairo_line_to(cr, x + size * 0.38, cy);
        cairo_line_to(cr, x + size * 0.05, cy + size * 0.45);
        cairo_line_to(cr, x - size * 0.25, cy + size * 0.45);
        cairo_line_to(cr, x + size * 0.08, cy);
        cairo_close_path(cr);
        PaintOutlineThenShadedFill(cr, ARROW_YELLOW, cy - size * 0.45, cy + size * 0.45, 2.5);
    }
}

// The title screen's long button: a glossy light blue bar on the title pink.
void DrawBarButton(Canvas& canvas, const char* word, double textShift) {
    cairo_t* cr = canvas.cr;
    const double w = canvas.width, h = canvas.height;
    FillBackground(canvas, TITLE_BACKGROUND);
    RoundedRectPath(cr, 5, 7, w - 8, h - 10, (h - 10) / 2);
    Use(cr, BLACK, 0.15);
    cairo_fill(cr);
    RoundedRectPath(cr, 3, 3, w - 8, h - 10, (h - 10) / 2);
    PaintOutlineThenShadedFill(cr, BAR_BLUE, 3, h - 7, 2.5);
    // Gloss across the upper half.
    RoundedRectPath(cr, 22, 8, w - 46, (h - 10) * 0.36, (h - 10) * 0.18);
    Use(cr, WHITE, 0.45);
    cairo_fill(cr);
    DrawCandyText(cr, word, w / 2 + 4 + textShift, h / 2 - 1, 40, 150, 0);
}

}  // namespace

// Start: mascot, "開始遊戲" and a yellow double arrow.
void DrawStartButton(Canvas& canvas) {
    DrawBarButton(canvas, "開始遊戲", 0);
    DrawMascotHead(canvas.cr, 40, canvas.height / 2.0 + 6, 24);
    DrawDoubleArrow(canvas.cr, canvas.width - 46.0, canvas.height / 2.0 - 2, 36);
}

// Title exit: mascot over a red cross, "結束遊戲".
void DrawTitleExitButton(Canvas& canvas) {
    DrawBarButton(canvas, "結束遊戲", 14);
    DrawRedCross(canvas.cr, 40, canvas.height / 2.0 + 1, 50);
    DrawMascotHead(canvas.cr, 40, canvas.height / 2.0 + 8, 20);
}

// Next level: a pink heart on wood with "繼續", a down arrow and the mascot.
void DrawNextButton(Canvas& canvas) {
    cairo_t* cr = canvas.cr;
    const double w = canvas.width;
    FillWoodGrain(cr, w, canvas.height);
    const double heartX = w / 2, heartY = 70, size = 142;
    cairo_new_path(cr);
    HeartPath(cr, heartX + 2, heartY + 5, size);
    Use(cr, BLACK, 0.22);
    cairo_fill(cr);
    HeartPath(cr, heartX, heartY, size);
    PaintOutlineThenShadedFill(cr, HEART_PINK, heartY - size * 0.45, heartY + size * 0.47, 3);
    EllipsePath(cr, heartX - size * 0.26, heartY - size * 0.2, size * 0.1, size * 0.06);
    Use(cr, WHITE, 0.7);
    cairo_fill(cr);
    DrawCandyText(cr, "繼續", heartX, heartY - 4, 42, 100, 1);
    DrawArrow(cr, w - 34, 128, 40, M_PI / 2, ARROW_YELLOW);
    DrawMascotHead(cr, 34, 134, 20);
}

// Leave: a green door swinging open on wood, "離開", a red cross, the mascot.
void DrawLeaveButton(Canvas& canvas) {
    cairo_t* cr = canvas.cr;
    const double w = canvas.width;
    FillWoodGrain(cr, w, canvas.height);
    const double left = 34, top = 18, right = 100, bottom = 118;
    // Frame, then warm light spilling out of the doorway.
    cairo_new_path(cr);
    cairo_rectangle(cr, left - 6, top - 6, right - left + 12, bottom - top + 6);
    PaintOutlineThenShadedFill(cr, {150, 94, 50}, top - 6, bottom, 2.5);
    cairo_rectangle(cr, left, top, right - left, bottom - top);
    cairo_pattern_t* light = cairo_pattern_create_linear(0, top, 0, bottom);
    // Stops in fractions, not Rgb: these colours fall between 0-255 steps,
    // so an AddStop here would change the picture.
    cairo_pattern_add_color_stop_rgb(light, 0, 1, 0.98, 0.8);
    cairo_pattern_add_color_stop_rgb(light, 1, 1, 0.82, 0.45);
    cairo_set_source(cr, light);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(light);
    Use(cr, INK);
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
    // The mascot slipping out through the door.
    DrawMascotHead(cr, 66, 84, 24);
    // The door, hinged on the right and swung towards us.
    const double swing = 44;
    cairo_move_to(cr, right, top);
    cairo_line_to(cr, right + swing, top - 10);
    cairo_line_to(cr, right + swing, bottom + 8);
    cairo_line_to(cr, right, bottom);
    cairo_close_path(cr);
    PaintOutlineThenShadedFill(cr, DOOR_GREEN, top, bottom, 2.5);
    for (int panel = 0; panel < 2; ++panel) {
        const double y0 = top + 8 + panel * 48, y1 = y0 + 38;
        cairo_move_to(cr, right + 8, y0 - 1.5);
        cairo_line_to(cr, right + swing - 8, y0 - 8);
        cairo_line_to(cr, right + swing - 8, y1 - 4);
        cairo_line_to(cr, right + 8, y1 + 1.5);
        cairo_close_path(cr);
        Use(cr, Darker(DOOR_GREEN, 0.25));
        cairo_set_line_width(cr, 2);
        cairo_stroke(cr);
    }
    CirclePath(cr, right + swing - 8, (top + bottom) / 2 + 2, 4);
    PaintOutlineThenFill(cr, ARROW_YELLOW, 1.5);
    DrawRedCross(cr, w - 22, 24, 26);
    DrawCandyText(cr, "離開", w / 2, 145, 36, 110, 3);
}

// Back home: a little house under the sun on wood, "回首頁", the mascot.
void DrawHomeButton(Canvas& canvas) {
    cairo_t* cr = canvas.cr;
    const double w = canvas.width;
    FillWoodGrain(cr, w, canvas.height);
    // Sun peeking over the roof.
    const double sunX = 118, sunY = 30;
    cairo_save(cr);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    for (int i = 0; i < 10; ++i) {
        const double a = i * 2 * M_PI / 10;
        cairo_move_to(cr, sunX + 20 * std::cos(a), sunY + 20 * std::sin(a));
        cairo_line_to(cr, sunX + 27 * std::cos(a), sunY + 27 * std::sin(a));
    }
    Use(cr, {255, 226, 80});
    cairo_set_line_width(cr, 4);
    cairo_stroke(cr);
    cairo_restore(cr);
    CirclePath(cr, sunX, sunY, 16);
    PaintOutlineThenShadedFill(cr, {255, 196, 40}, sunY - 16, sunY + 16, 2);
    // House body, door, window, roof and chimney.
    const double bodyLeft = 34, bodyRight = 120, bodyTop = 66, bodyBottom = 116;
    cairo_rectangle(cr, 96, 30, 12, 26);
    PaintOutlineThenShadedFill(cr, {200, 80, 60}, 30, 56, 2);
    cairo_rectangle(cr, bodyLeft, bodyTop, bodyRight - bodyLeft, bodyBottom - bodyTop);
    PaintOutlineThenShadedFill(cr, {255, 240, 210}, bodyTop, bodyBottom, 2.5);
    RoundedRectPath(cr, 46, 82, 22, 34, 6);
    PaintOutlineThenShadedFill(cr, {60, 140, 220}, 82, 116, 2);
    CirclePath(cr, 63, 100, 1.8);
    Use(cr, ARROW_YELLOW);
    cairo_fill(cr);
    cairo_rectangle(cr, 82, 78, 26, 22);
    PaintOutlineThenFill(cr, {160, 216, 255}, 2);
    cairo_move_to(cr, 95, 78);
    cairo_line_to(cr, 95, 100);
    cairo_move_to(cr, 82, 89);
    cairo_line_to(cr, 108, 89);
    Use(cr, INK);
    cairo_set_line_width(cr, 1.5);
    cairo_stroke(cr);
    cairo_move_to(cr, bodyLeft - 12, bodyTop + 4);
    cairo_line_to(cr, (bodyLeft + bodyRight) / 2, 26);
    cairo_line_to(cr, bodyRight + 12, bodyTop + 4);
    cairo_close_path(cr);
    PaintOutlineThenShadedFill(cr, {232, 64, 72}, 26, bodyTop + 4, 2.5);
    DrawMascotHead(cr, 150, 100, 19);
    DrawCandyText(cr, "回首頁", w / 2, 138, 34, 150, 5);
}

namespace {

// Hint button: a coloured cloud on white with "Help" over the hints left.
void DrawHintButton(Canvas& canvas, Rgb cloud, const char* digit, Expression mood) {
    cairo_t* cr = canvas.cr;
    const double w = canvas.width, h = canvas.height;
    FillBackground(canvas, WHITE);
    cairo_save(cr);
    cairo_translate(cr, 1, 3);
    CloudPath(cr, 4, 4, w - 10, h - 11, 10);
    Use(cr, BLACK, 0.13);
    cairo_fill(cr);
    cairo_restore(cr);
    CloudPath(cr, 4, 4, w - 10, h - 11, 10);
    PaintOutlineThenShadedFill(cr, cloud, 4, h - 7, 2.5);
    DrawMascotFace(cr, 27, h / 2 + 6, 15, mood);
    DrawCandyText(cr, "Help", w / 2 + 16, h / 2 - 14, 26, 74, 4);
    DrawCandyText(cr, digit, w / 2 + 16, h / 2 + 16, 30, 0, digit[0] - '0');
}

}  // namespace

// The hint button's four faces, by hints left.
void DrawHintButtonThreeLeft(Canvas& canvas) { DrawHintButton(canvas, {120, 190, 250}, "3", FACE_HAPPY); }
void DrawHintButtonTwoLeft(Canvas& canvas) { DrawHintButton(canvas, {255, 222, 90}, "2", FACE_HAPPY); }
void DrawHintButtonOneLeft(Canvas& canvas) { DrawHintButton(canvas, {255, 160, 200}, "1", FACE_SURPRISED); }
void DrawHintButtonNoneLeft(Canvas& canvas) { DrawHintButton(canvas, {196, 176, 240}, "0", FACE_CRYING); }
