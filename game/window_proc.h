// The main window's procedure: title screen on creation, the five button
// commands, click capture, and the end of the program.
#pragma once

#include <windows.h>

LRESULT CALLBACK WndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
