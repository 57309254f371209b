// Helpers shared by the test programs: the built game's resources read back
// through the platform's own resource functions.
#pragma once

#include <windows.h>

#include <cstdint>
#include <vector>

// The built game loaded as a data file (its resources, no code run).
HMODULE OpenGameExe();

// A bitmap resource's pixels exactly as stored, with its header fields.
struct StoredBitmap {
    int width = 0, height = 0;       // height as stored (positive = bottom-up)
    int bitsPerPixel = 0;
    unsigned compression = 0;
    unsigned headerSize = 0;
    long xPelsPerMeter = 0, yPelsPerMeter = 0;
    std::vector<std::uint8_t> rows;  // as stored: bottom-up, padded rows
    // RGB of pixel (x, y), y counted from the top.
    void Pixel(int x, int y, int* r, int* g, int* b) const;
};

// Reads the bitmap resource of that name from module; false when missing.
bool ReadStoredBitmap(HMODULE module, const char* name, StoredBitmap* out);

// ---------------------------------------------------------------------------
// The game's real window, in this process, driven by real messages.

#include "game/game_state.h"

#include <gtest/gtest.h>

// Starts the game as the executable does (with the recording platform) and
// takes it down again after each test.
class GameWindowTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
};

// Dispatches every queued message except paints.
void PumpWithoutPaint();
// Dispatches messages until count paints have been handled or none is due;
// returns how many messages it dispatched.
int PumpPaints(int count);
// Sends WM_COMMAND with id in the low word and high in the high word.
void Command(WORD id, WORD high = 0);
// A press and a release of the left button at client (x, y), queued as the
// mouse queues them (with the time they were made), not yet handled.
void PostClick(int x, int y);
// A click at client (x, y), then the paints it brings.
void ClickAt(int x, int y);
// The colour the window shows at client (x, y).
COLORREF WindowPixel(int x, int y);
// Whether the window shows the named picture: a grid of 8 x 6 points over
// it, nearly all (a ring or counter may cover a few) as the stored bitmap has them.
bool WindowShowsPicture(const char* name);
// The text the window shows as its caption, in Unicode.
std::wstring WindowCaptionW(HWND hwnd);

// Whether button is a live, visible window.
bool Visible(const BitmapButton& button);

// GDI objects alive in this process, found by asking Wine's handle table
// about every handle index (GetGuiResources answers 0 under Wine).
int CountLiveGdiObjects();
// Windows of this thread: top-level ones and all their descendants.
int CountThreadWindows();

// The area k (0-4) of level (1-13), and a point strictly inside it.
RECT AreaOf(int level, int k);
POINT InsideOf(int level, int k);

// Starts a game and runs its first paint (which takes the first countdown step).
void StartGame();
// Finds all five areas of the current level by clicking.
void ClearCurrentLevelByClicks();
// Misses once, clicking on the left-hand scene.
void MissOnce();
