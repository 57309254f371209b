// Everything the game and the picture generator must agree on: the tables
// made from the resource catalogue (catalogue.inc: names, sizes, sound
// formats), where buttons stand, where the counters are drawn, and where the
// scenes and their difference areas lie. Both sides include this one file; a
// number written here is written once.
#pragma once

// The tables below take the rows of catalogue.inc one kind at a time: a
// row macro left undefined expands to nothing.

// A rectangle in client pixels of the main window, which are also pixels of
// every full-window picture (pictures are drawn at the client origin).
struct PixelRect {
    int left, top, right, bottom;
};

struct Rgb {
    unsigned char r, g, b;
};
#define TUMBLEWIT_RGB(r, g, b) Rgb{r, g, b}

// -------------------------------------------------------------- pictures ---
struct PictureEntry {
    const char* name;   // resource name as the game asks for it
    int width, height;  // pixels
};

// Screens first (title, level cleared, game over, final), then the levels,
// level 1 first.
constexpr PictureEntry PICTURES[] = {
#define SCREEN(role, name, width, height, drawing, caption) {#name, width, height},
#include "catalogue.inc"
#define LEVEL(number, name, width, height, background, shirt, scene) {#name, width, height},
#include "catalogue.inc"
};
constexpr int PICTURE_COUNT = sizeof PICTURES / sizeof PICTURES[0];

// The screens' names by role: TITLE_PICTURE_NAME is "pic1".
#define SCREEN(role, name, width, height, drawing, caption) constexpr char role##_PICTURE_NAME[] = #name;
#include "catalogue.inc"

constexpr int SCREEN_PICTURE_COUNT = 0
#define SCREEN(...) + 1
#include "catalogue.inc"
    ;
constexpr int FIRST_LEVEL_PICTURE = SCREEN_PICTURE_COUNT;  // index of level 1's picture in PICTURES
static_assert(SCREEN_PICTURE_COUNT == 4, "title, level cleared, game over and final: one row each");

// ----------------------------------------------------------------- levels ---
struct LevelLook {
    int number;       // 1 to LEVEL_COUNT, in row order
    Rgb background;   // flat colour of the whole picture
    Rgb shirt;        // the numbered friend's shirt
};
constexpr LevelLook LEVELS[] = {
#define LEVEL(number, name, width, height, background, shirt, scene) \
    {number, TUMBLEWIT_RGB background, TUMBLEWIT_RGB shirt},
#include "catalogue.inc"
};
constexpr int LEVEL_COUNT = sizeof LEVELS / sizeof LEVELS[0];
constexpr int AREAS_PER_LEVEL = 5;
static_assert(PICTURE_COUNT == SCREEN_PICTURE_COUNT + LEVEL_COUNT, "one picture a screen and a level");

// Rows numbered 1, 2, 3 ... in order, so a level's row is LEVELS[number - 1].
constexpr bool LevelsNumberedInOrder() {
    for (int i = 0; i < LEVEL_COUNT; ++i)
        if (LEVELS[i].number != i + 1) return false;
    return true;
}
static_assert(LevelsNumberedInOrder(), "catalogue.inc: LEVEL rows must be numbered 1, 2, 3 ... in order");

// The difference areas, level 1 first (the game keeps its own RECT copy of
// the same include, see rules/differences.cpp). Left unsized so that a
// missing or extra level block is counted, not filled with zeros.
constexpr PixelRect DIFFERENCE_AREAS[][AREAS_PER_LEVEL] = {
#include "difference_table.inc"
};
static_assert(sizeof DIFFERENCE_AREAS / sizeof DIFFERENCE_AREAS[0] == LEVEL_COUNT,
              "difference_table.inc: one block of five areas per LEVEL row of catalogue.inc");

// A missing area row would be zero-filled; no real area is empty.
constexpr bool EveryAreaHasSize() {
    for (const auto& level : DIFFERENCE_AREAS)
        for (const PixelRect& area : level)
            if (area.right <= area.left || area.bottom <= area.top) return false;
    return true;
}
static_assert(EveryAreaHasSize(), "difference_table.inc: every level needs five areas with left < right, top < bottom");

constexpr Rgb TITLE_BACKGROUND = {242, 220, 219};

// ------------------------------------------------------ button bitmaps ---
// Button faces in catalogue order.
constexpr PictureEntry BUTTON_BITMAPS[] = {
#define BUTTON(field, name, width, height, drawing, caption) {#name, width, height},
#include "catalogue.inc"
};
constexpr int BUTTON_BITMAP_COUNT = sizeof BUTTON_BITMAPS / sizeof BUTTON_BITMAPS[0];

// Top-left corners of the buttons, client pixels.
struct PixelPoint {
    int x, y;
};
constexpr PixelPoint START_BUTTON_AT = {600, 400};
constexpr PixelPoint TITLE_EXIT_BUTTON_AT = {600, 500};
constexpr PixelPoint NEXT_BUTTON_AT = {650, 157};
constexpr PixelPoint LEVEL_EXIT_BUTTON_AT = {652, 352};
constexpr PixelPoint HINT_BUTTON_AT = {800, 100};
constexpr PixelPoint GAME_OVER_EXIT_BUTTON_AT = {108, 420};
constexpr PixelPoint BACK_BUTTON_AT = {108, 238};

// --------------------------------------------------------------- counters ---
// The seconds-left box is fixed; the score and misses-left boxes reach to the
// client area's bottom-right corner, so only their top-left is fixed.
constexpr PixelRect TIMER_BOX = {205, 545, 245, 575};
constexpr PixelPoint SCORE_BOX_TOP_LEFT = {170, 495};
constexpr PixelPoint MISSES_BOX_TOP_LEFT = {640, 495};
constexpr Rgb COUNTER_TEXT_BACKGROUND = {240, 240, 240};
constexpr int COUNTER_FONT_HEIGHT = 30;

// The client area the pictures are laid out for (959 x 667 outer window with
// the usual frame); the score and misses digits are centred against it.
constexpr int EXPECTED_CLIENT_WIDTH = 943;
constexpr int EXPECTED_CLIENT_HEIGHT = 628;

// ---------------------------------------------------- level picture layout ---
constexpr int TITLE_CLOUD_BOTTOM = 158;
constexpr PixelRect UNALTERED_LABEL = {65, 170, 155, 200};   // head + "原圖"
constexpr PixelRect ALTERED_LABEL = {500, 170, 595, 200};    // head + "改圖"

// The altered scene spans every difference area (x 500 to 876, y 214 to 484);
// the unaltered scene is the same size, SCENE_OFFSET_X pixels to the left.
constexpr PixelRect ALTERED_SCENE = {500, 214, 876, 484};
constexpr int SCENE_OFFSET_X = 435;
constexpr PixelRect UNALTERED_SCENE = {ALTERED_SCENE.left - SCENE_OFFSET_X, ALTERED_SCENE.top,
                                       ALTERED_SCENE.right - SCENE_OFFSET_X, ALTERED_SCENE.bottom};
constexpr int SCENE_WIDTH = ALTERED_SCENE.right - ALTERED_SCENE.left;
constexpr int SCENE_HEIGHT = ALTERED_SCENE.bottom - ALTERED_SCENE.top;

constexpr PixelRect LEVEL_FIGURE = {870, 420, 940, 530};  // figure with the level number
constexpr PixelRect HINT_SPOT = {800, 100, 935, 193};     // plain, under the hint button

// Counter strip: three cream panels and their labels.
constexpr Rgb PANEL_COLOR = {238, 236, 225};
constexpr PixelRect TIME_PANEL = {55, 519, 325, 597};
constexpr PixelRect SCORE_PANEL = {358, 519, 636, 597};
constexpr PixelRect MISSES_PANEL = {680, 519, 880, 597};
constexpr PixelRect TIME_LABEL = {77, 540, 191, 580};     // "TIME:"
constexpr PixelRect SCORE_LABEL = {384, 540, 520, 580};   // "SCORE:"
constexpr PixelRect HEART_LABEL = {715, 540, 774, 580};   // heart and colon

// ------------------------------------------------------------------ sounds ---
struct SoundEntry {
    int id;                  // integer resource name under the type "WAVE"
    const char* file;        // file the generator writes
    int channels;
    int sampleRate;          // Hz
    int bitsPerSample;
    unsigned dataBytes;      // exact size of the data chunk
};

constexpr SoundEntry SOUNDS[] = {
#define SOUND(symbol, id, file, channels, sampleRate, bitsPerSample, dataBytes, synthesiser) \
    {id, #file ".wav", channels, sampleRate, bitsPerSample, dataBytes},
#include "catalogue.inc"
};
constexpr int SOUND_COUNT = sizeof SOUNDS / sizeof SOUNDS[0];

// --------------------------------------------------------------------- icon ---
struct IconImageEntry {
    int size;           // width = height, pixels
    int bitsPerPixel;   // 4, 24 or 32 (32 carries alpha)
};
constexpr int ICON_IMAGE_COUNT = 12;
constexpr IconImageEntry ICON_IMAGES[ICON_IMAGE_COUNT] = {
    {16, 4}, {16, 24}, {16, 32}, {32, 4}, {32, 24}, {32, 32},
    {48, 4}, {48, 24}, {48, 32}, {64, 4}, {64, 24}, {64, 32},
};
