// The memory copy of the window's face, which the paint cycle, the counters,
// the rings and the hint draw on, and its way to the window.
#pragma once

#include <windows.h>

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
