// Screens change through these: the picture behind everything, and push
// buttons that show a bitmap.
#pragma once

#include "game/game_state.h"

// Makes the named picture the one the next paint copies to the window, and
// asks for that paint with the background erased.
void LoadPicture(HINSTANCE hInstance, const char* name, HWND hwnd);

// A visible child push button exactly the size of hbm, with no text.
HWND CreateBitmapButton(HWND hwndParent, HBITMAP hbm, int x, int y, int id);

// Shows hbm on the button; the button keeps its size.
void SetButtonBitmap(HWND hwndButton, HBITMAP hbm);

// Makes button anew at (x, y) with its first name's bitmap, replacing and
// releasing the window and bitmap it had before.
void MakeButton(BitmapButton& button, HWND parent, int x, int y, int id);

// Puts the bitmap of the button's variant-th name (0 for the first) on it,
// releasing the bitmap it showed before.
void ChangeButtonImage(BitmapButton& button, int variant);
