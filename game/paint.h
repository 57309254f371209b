// The paint cycle, which carries the game.
#pragma once

#include <windows.h>

// Empty iterations of the busy delay before each countdown step: the paint
// loop's only pacing.
constexpr unsigned long BUSY_DELAY_ITERATIONS = 10000000;

// WM_PAINT: puts the picture up, draws the counters at a level's first
// paint, raises the game-over screen, judges a pending click, and steps the
// countdown while the clock runs.
void PaintCycle(HWND hwnd);
