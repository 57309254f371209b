// The end of a level, reached by a fifth find or a fifth hint.
#pragma once

#include <windows.h>

// The level is over: after pauseBeforeMs, the level-cleared picture (levels 1
// to 12; held pauseOnClearedMs before its buttons appear) or the final one.
void FinishLevel(HWND hwnd, DWORD pauseBeforeMs, DWORD pauseOnClearedMs);
