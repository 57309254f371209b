// The shared layout of the thirteen level pictures: title cloud, labels,
// scene frames, the level's numbered friend and the counter strip.
#include "draw/figures.h"
#include "pictures/pictures.h"
#include "scenes/scenes.h"

#include <cmath>
#include <string>

namespace {

constexpr Rgb CLOUD_CREAM = {253, 248, 232};

// The title cloud's box, clear of the hint button's spot, and what it holds.
constexpr double CLOUD_LEFT = 150, CLOUD_TOP = 4, CLOUD_RIGHT = HINT_SPOT.left - 12;
constexpr double CLOUD_BOTTOM = TITLE_CLOUD_BOTTOM - 5;  // its shadow reaches TITLE_CLOUD_BOTTOM
constexpr int CLOUD_BUMPS = 16;
constexpr double LETTERING_CENTRE_Y = 80, LETTERING_WIDTH = 500;
constexpr PixelPoint MASCOT_CENTRE = {76, 82};
constexpr double MASCOT_RADIUS = 38;

// Twinkles around the title cloud.
struct Sparkle {
    double x, y, radius;
    Rgb color;
};
constexpr Sparkle SPARKLES[] = {
    {128, 26, 11, WHITE},
    {24, 140, 8, {255, 230, 120}},
    {842, 40, 12, WHITE},
    {900, 70, 8, {255, 230, 120}},
};

// The numbered friend: centred between the altered frame (plus a gap) and
// the figure's right edge, standing a little above its bottom.
constexpr int FRIEND_GAP = 8, FRIEND_LIFT = 2;
constexpr double FRIEND_HEIGHT = 102;

// The heart and colon of the misses panel, from the label's left edge.
constexpr double HEART_CENTRE_DX = 20, HEART_SIZE = 36;
constexpr int COLON_LEFT_DX = 42, COLON_INSET = 4;
constexpr Rgb FRAME_WHITE = {255, 253, 246};

// Clip that keeps everything outside a scene rectangle, so frames never
// touch the pixels the scene owns.
void ClipOutside(cairo_t* cr, const PixelRect& scene, double width, double height) {
    cairo_new_path(cr);
    cairo_rectangle(cr, 0, 0, width, height);
    cairo_rectangle(cr, scene.left, scene.top, scene.right - scene.left, scene.bottom - scene.top);
    cairo_set_fill_rule(cr, CAIRO_FILL_RULE_EVEN_ODD);
    cairo_clip(cr);
    cairo_set_fill_rule(cr, CAIRO_FILL_RULE_WINDING);
}

// A white mat with an INK edge and a small shadow around one scene.
void DrawSceneFrame(Canvas& canvas, const PixelRect& scene) {
    cairo_t* cr = canvas.cr;
    const double border = 4, x = scene.left - border, y = scene.top - border;
    const double w = scene.right - scene.left + 2 * border, h = scene.bottom - scene.top + 2 * border;
    cairo_save(cr);
    ClipOutside(cr, scene, canvas.width, canvas.height);
    RoundedRectPath(cr, x + 2, y + 3, w, h, 7);
    Use(cr, BLACK, 0.22);
    cairo_fill(cr);
    RoundedRectPath(cr, x, y, w, h, 7);
    Use(cr, FRAME_WHITE);
    cairo_fill_preserve(cr);
    Use(cr, INK);
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
    cairo_restore(cr);
}

// Mascot head followed by a word, on a cream tag that reads on any colour.
void DrawSceneLabel(cairo_t* cr, const PixelRect& label, const char* word, Rgb ink) {
    const double cy = (label.top + label.bottom) / 2.0;
    cairo_new_path(cr);
    RoundedRectPath(cr, label.left - 4, label.top - 1, label.right - label.left + 10, label.bottom - label.top + 2,
                    (label.bottom - label.top + 2) / 2.0);
    PaintOutlineThenFill(cr, CLOUD_CREAM, 1.5);
    DrawMascotHead(cr, label.left + 13, cy + 3, 10.5);
    // Solid, outline-free strokes stay crisp at this small size.
    UseFont(cr, FONT_BOLD, 23);
    DrawTextCentered(cr, word, (label.left + 30 + label.right + 4) / 2.0, cy, ink);
}

// A cloud-edged counter panel: scallops along top and bottom over a rounded
// body; the fill stays flat PANEL_COLOR so the game's digits sit cleanly.
void CounterPanelPath(cairo_t* cr, const PixelRect& panel) {
    const double left = panel.left, top = panel.top, right = panel.right, bottom = panel.bottom;
    cairo_new_path(cr);
    RoundedRectPath(cr, left + 3, top + 16, right - left - 6, bottom - top - 28, 20);
    const int topBumps = static_cast<int>((right - left - 40) / 30);
    for (int i = 0; i < topBumps; ++i) {
        const double bx = left + 30 + (right - left - 60) * i / (topBumps - 1.0);
        CirclePath(cr, bx, top + 19, i % 2 ? 14 : 16);
    }
    const int bottomBumps = topBumps - 1;
    for (int i = 0; i < bottomBumps; ++i) {
        const double bx = left + 36 + (right - left - 72) * i / (bottomBumps - 1.0);
        CirclePath(cr, bx, bottom - 19, i % 2 ? 13 : 15);
    }
}

// Shadow, INK outline, then the flat cream fill of one counter panel.
void DrawCounterPanel(cairo_t* cr, const PixelRect& panel) {
    cairo_save(cr);
    cairo_translate(cr, 1, 4);
    CounterPanelPath(cr, panel);
    Use(cr, BLACK, 0.2);
    cairo_set_line_width(cr, 5);
    cairo_stroke_preserve(cr);
    cairo_fill(cr);
    cairo_restore(cr);
    CounterPanelPath(cr, panel);
    PaintOutlineThenFill(cr, PANEL_COLOR, 2.5);
}

// A magnifying glass leaning between the two scenes: this is the game.
void DrawMagnifier(cairo_t* cr, double cx, double cy, double r) {
    cairo_save(cr);
    cairo_new_path(cr);
    cairo_move_to(cr, cx + 0.7 * r, cy + 0.7 * r);
    cairo_line_to(cr, cx + 1.55 * r, cy + 1.55 * r);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    Use(cr, INK);
    cairo_set_line_width(cr, 0.5 * r + 4);
    cairo_stroke_preserve(cr);
    Use(cr, {190, 90, 50});
    cairo_set_line_width(cr, 0.5 * r);
    cairo_stroke(cr);
    CirclePath(cr, cx, cy, r);
    cairo_pattern_t* glass = cairo_pattern_create_radial(cx - 0.3 * r, cy - 0.3 * r, 0, cx, cy, r);
    AddStop(glass, 0, WHITE);
    // The outer stop in fractions, not Rgb: its colour falls between 0-255
    // steps, so an AddStop here would change the picture.
    cairo_pattern_add_color_stop_rgb(glass, 1, 0.68, 0.86, 1);
    cairo_set_source(cr, glass);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(glass);
    Use(cr, INK);
    cairo_set_line_width(cr, 0.3 * r + 3);
    cairo_stroke_preserve(cr);
    Use(cr, {255, 196, 40});
    cairo_set_line_width(cr, 0.3 * r);
    cairo_stroke(cr);
    // The glint on the glass: a real arc.
    cairo_arc(cr, cx, cy, 0.62 * r, M_PI * 1.1, M_PI * 1.45);
    Use(cr, WHITE);
    cairo_set_line_width(cr, 0.14 * r);
    cairo_stroke(cr);
    cairo_restore(cr);
}

}  // namespace

// Everything around the two scenes, then the scenes themselves.
void DrawLevelPicture(Canvas& canvas, int level) {
    cairo_t* cr = canvas.cr;
    FillBackground(canvas, LEVELS[level - 1].background);

    // Title cloud across the top, clear of the hint button's spot.
    cairo_save(cr);
    cairo_translate(cr, 2, 5);
    CloudPath(cr, CLOUD_LEFT, CLOUD_TOP, CLOUD_RIGHT - CLOUD_LEFT, CLOUD_BOTTOM - CLOUD_TOP, CLOUD_BUMPS);
    Use(cr, BLACK, 0.18);
    cairo_fill(cr);
    cairo_restore(cr);
    CloudPath(cr, CLOUD_LEFT, CLOUD_TOP, CLOUD_RIGHT - CLOUD_LEFT, CLOUD_BOTTOM - CLOUD_TOP, CLOUD_BUMPS);
    PaintOutlineThenFill(cr, CLOUD_CREAM, 2.5);
    DrawTitleLettering(cr, (CLOUD_LEFT + CLOUD_RIGHT) / 2, LETTERING_CENTRE_Y, LETTERING_WIDTH);
    DrawMascotHead(cr, MASCOT_CENTRE.x, MASCOT_CENTRE.y, MASCOT_RADIUS);
    for (const Sparkle& sparkle : SPARKLES) DrawSparkle(cr, sparkle.x, sparkle.y, sparkle.radius, sparkle.color);

    DrawSceneLabel(cr, UNALTERED_LABEL, "原圖", {36, 100, 190});
    DrawSceneLabel(cr, ALTERED_LABEL, "改圖", {210, 50, 110});
    DrawSceneFrame(canvas, UNALTERED_SCENE);
    DrawSceneFrame(canvas, ALTERED_SCENE);
    DrawMagnifier(cr, (UNALTERED_SCENE.right + ALTERED_SCENE.left) / 2.0 - 6,
                  (ALTERED_SCENE.top + ALTERED_SCENE.bottom) / 2.0 - 8, 15);

    // The friend wearing this level's number, right of the altered frame.
    const KidLook friendLook = {{255, 214, 178}, {92, 58, 40}, LEVELS[level - 1].shirt, {56, 92, 170}, HAIR_SPIKY};
    const std::string number = std::to_string(level);
    DrawKid(cr, (ALTERED_SCENE.right + FRIEND_GAP + LEVEL_FIGURE.right) / 2.0, LEVEL_FIGURE.bottom - FRIEND_LIFT, FRIEND_HEIGHT, friendLook,
            POSE_STAND, false, number.c_str());

    // Counter strip: the game prints its digits just right of each label.
    DrawCounterPanel(cr, TIME_PANEL);
    DrawCounterPanel(cr, SCORE_PANEL);
    DrawCounterPanel(cr, MISSES_PANEL);
    DrawCandyTextIn(cr, "TIME:", TIME_LABEL.left, TIME_LABEL.top, TIME_LABEL.right, TIME_LABEL.bottom, 0);
    DrawCandyTextIn(cr, "SCORE:", SCORE_LABEL.left, SCORE_LABEL.top, SCORE_LABEL.right, SCORE_LABEL.bottom, 2);
    const double heartX = HEART_LABEL.left + HEART_CENTRE_DX, heartY = (HEART_LABEL.top + HEART_LABEL.bottom) / 2.0;
    cairo_new_path(cr);
    HeartPath(cr, heartX, heartY, HEART_SIZE);
    PaintOutlineThenShadedFill(cr, {236, 40, 60}, heartY - HEART_SIZE / 2, heartY + HEART_SIZE / 2, 2.5);
    CirclePath(cr, heartX - 7, heartY - 6, 4);
    Use(cr, WHITE, 0.8);
    cairo_fill(cr);
    DrawCandyTextIn(cr, ":", HEART_LABEL.left + COLON_LEFT_DX, HEART_LABEL.top + COLON_INSET, HEART_LABEL.right,
                    HEART_LABEL.bottom - COLON_INSET, 0);

    PlaceScenes(canvas, level);
}
