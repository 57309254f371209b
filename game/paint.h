// The paint cycle, which carries the game, and the memory copy of the
// window's face that it draws on.
#pragma once

#include <windows.h>

// Empty iterations of the busy delay before each countdown step: the paint
// loop's only pacing.
constexpr unsigned long BUSY_DELAY_ITERATIONS = 10000000;

// WM_PAINT: puts the picture up, draws the counters at a level's first
// paint, raises the game-over screen, judges a pending click, and steps the
// countdown while the clock runs.
void PaintCycle(HWND hwnd);

// The level is over: after pauseBeforeMs, the level-cleared picture (levels 1
// to 12; held pauseOnClearedMs before its buttons appear) or the final one.
void FinishLevel(HWND hwnd, DWORD pauseBeforeMs, DWORD pauseOnClearedMs);

// The memory copy of everything the window shows (picture, rings, counters),
// at least as large as the client area and the picture. Every drawing goes
// here first, so a repaint the system asks for shows it all again.
HDC ScreenDC(HWND hwnd);

// Copies the part area of the memory copy onto the window's dc, and puts it
// on the screen now; what was drawn on the copy since the last show goes first.
void ShowScreenPart(HDC dc, const RECT& area);

// Notes that part of dc was drawn, when dc is the memory copy.
void NoteDrawn(HDC dc, const RECT& part);

// Paints now the visible buttons that have a paint due.
void PaintButtonsDue();

// Releases the memory copy (when the window goes).
void ReleaseScreen();

// A found or hinted area's ring: a hollow 5-pixel ellipse in the ring's red
// on area's bounds. Leaves dc's pen and brush as they were.
void DrawRing(HDC dc, const RECT& area);

// A level is in play: a game runs, its level has begun and not ended, and
// the game-over screen is not up. Only then is a click judged or a hint given.
bool LevelInPlay();

// The game is lost, or the paint that will say so is due: out of misses,
// out of time, or the game-over screen already up.
bool GameLost();

// The level's fifth is found and the game is not lost: a lost game wins
// over a cleared level, or the next level would inherit the loss and end at
// its first paint.
bool LevelCleared();
