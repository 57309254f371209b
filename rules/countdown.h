// The 60-second countdown of a level, stepped by the paint loop.
#pragma once

#include <windows.h>

// One step: reads the local clock, draws the seconds left in the timer box,
// sets timeUp once the minute is over, and invalidates the box so that the
// next paint follows.
void StepCountdown(HDC dc, HWND hwnd);
