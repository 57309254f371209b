// Everything the game and the picture generator must agree on: the resource
// catalogue (names, sizes, sound formats), where buttons stand, where the
// counters are drawn, and where the scenes and their difference areas lie.
// Both sides include this one file; a number written here is written once.
#pragma once

// ---------------------------------------------------------------- counts ---
constexpr int LEVEL_COUNT = 13;
constexpr int AREAS_PER_LEVEL = 5;

// A rectangle in client pixels of the main window, which are also pixels of
// every full-window picture (pictures are drawn at the client origin).
struct PixelRect {
    int left, top, right, bottom;
};

// The difference areas, level 1 first (the game keeps its own RECT copy of
// the same include, see rules/differences.cpp).
constexpr PixelRect DIFFERENCE_AREAS[LEVEL_COUNT][AREAS_PER_LEVEL] = {
#include "difference_table.inc"
};

// -------------------------------------------------------------- pictures ---
struct PictureEntry {
    const char* name;   // resource name as the game asks for it
    int width, height;  // pixels
};

constexpr int PICTURE_COUNT = 17;
constexpr PictureEntry PICTURES[PICTURE_COUNT] = {
    {"pic1", 942, 626},   // title
    {"pic2", 941, 627},   // level cleared
    {"pic3", 944, 626},   // game over
    {"pic4", 941, 626},   // final
    {"pic10", 941, 625},  // level 1
    {"pic11", 942, 625},
    {"pic12", 941, 627},
    {"pic13", 939, 621},
    {"pic14", 942, 621},
    {"pic15", 940, 624},
    {"pic16", 940, 625},
    {"pic17", 942, 625},
    {"pic18", 942, 623},
    {"pic19", 942, 624},
    {"pic20", 939, 623},
    {"pic21", 942, 624},
    {"pic22", 942, 625},  // level 13
};
constexpr int FIRST_LEVEL_PICTURE = 4;  // index of "pic10" in PICTURES

struct Rgb {
    unsigned char r, g, b;
};

// Flat background colour of each level picture, level 1 first.
constexpr Rgb LEVEL_BACKGROUNDS[LEVEL_COUNT] = {
    {196, 189, 151}, {13, 13, 13},    {215, 228, 189}, {33, 89, 104},
    {252, 213, 181}, {99, 37, 35},    {230, 185, 184}, {16, 37, 63},
    {0, 176, 240},   {191, 191, 191}, {64, 49, 82},    {179, 162, 199},
    {183, 222, 232},
};

constexpr Rgb TITLE_BACKGROUND = {242, 220, 219};

// ------------------------------------------------------ button bitmaps ---
constexpr int BUTTON_BITMAP_COUNT = 10;
constexpr PictureEntry BUTTON_BITMAPS[BUTTON_BITMAP_COUNT] = {
    {"bs_1", 278, 88},   // start
    {"be_1", 278, 88},   // exit, title screen
    {"bn_1", 184, 166},  // next level
    {"be_3", 184, 167},  // exit, level-cleared screen
    {"be_5", 184, 167},  // exit, game-over screen: the same image as be_3
    {"bb_1", 183, 161},  // back to the title
    {"bh_1", 135, 93},   // hint, 3 left
    {"bh_2", 134, 87},   // hint, 2 left
    {"bh_3", 136, 87},   // hint, 1 left
    {"bh_4", 136, 89},   // hint, none left
};

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

constexpr int SOUND_COUNT = 5;
constexpr SoundEntry SOUNDS[SOUND_COUNT] = {
    {200, "found.wav", 1, 11025, 8, 7788},
    {300, "spare.wav", 2, 22050, 16, 18186240},
    {400, "miss.wav", 1, 11025, 8, 8694},
    {500, "click.wav", 2, 44100, 16, 18432},
    {600, "music.wav", 2, 44100, 16, 5944320},
};

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
