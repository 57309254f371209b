// The score and misses-left counters: ASCII digit texts changed one
// character at a time, and the one routine that draws every counter text.
#pragma once

#include <windows.h>

void AddScore(HDC dc, HWND hwnd);        // +10, with carry, then drawn
void SubtractScore(HDC dc, HWND hwnd);   // -10, with borrow, then drawn
void StepMissesLeft(HDC dc, HWND hwnd);  // one miss fewer left, unless none are
// A judged click's verdict: a find adds ten, anything else takes ten away
// (only while the clock runs), and a miss leaves one miss fewer.
void ApplyVerdict(HDC dc, HWND hwnd);
void DrawScore(HDC dc, HWND hwnd);
void DrawMissesLeft(HDC dc, HWND hwnd);

// Black digits on light grey, "elephant" 30 px, centred on one line in box.
void DrawCounterText(HDC dc, const char* text, RECT* box);
