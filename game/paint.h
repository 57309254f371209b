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

// Copies the part area of the memory copy onto the window's dc.
void ShowScreenPart(HDC dc, const RECT& area);

// Paints now the visible buttons that have a paint due.
void PaintButtonsDue();

// Releases the memory copy (when the window goes).
void ReleaseScreen();

// Selects the ring's hollow brush and a fresh 5-pixel red pen into dc;
// returns the pen that was selected before, for EndRingPen.
HGDIOBJ BeginRingPen(HDC dc);
void EndRingPen(HDC dc, HGDIOBJ previousPen);
