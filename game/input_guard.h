// Which mouse input the player meant for the screen in front of them. Input
// is judged only on the screen it was made on, a click is a press and a
// release on the game's window, and the second click of a double click on
// start, next or back does not act on the screen the first one opened.
#pragma once

#include <windows.h>

// The paint that put a newly loaded picture on the window: the screen is up
// from now on, and input made earlier belongs to the screen before it.
void MarkScreenShown();

// The message being handled was made before the current screen reached the
// window (by its GetMessageTime, or because the screen's picture is still
// waiting for its paint): during a pause, a screen change, or queued behind
// a nested paint.
bool MadeBeforeThisScreen();

// The press being handled is the second click of a double click whose first
// click pressed start, next or back.
bool SecondClickOfAButtonDoubleClick();

// Puts every bitmap button behind the guard: a press made before its screen
// was shown, or as the second click of a double click on start, next or
// back, never reaches it; a release made before its screen was shown only
// ends the press, with no command; its clicks are noted for the
// double-click rule.
void GuardButtonInput(HWND button);
