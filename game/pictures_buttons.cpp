// Picture loading and bitmap buttons.
#include "game/pictures_buttons.h"

void LoadPicture(HINSTANCE hInstance, const char* name, HWND hwnd) {
    HBITMAP replaced = game.hbmBackground;
    game.hbmBackground = LoadBitmapA(hInstance, name);
    BITMAP info = {};
    GetObjectA(game.hbmBackground, sizeof info, &info);
    game.bgWidth = info.bmWidth;
    game.bgHeight = info.bmHeight;
    // The picture is only ever selected while a paint copies it, so the one
    // replaced here is free to go.
    if (replaced && replaced != game.hbmBackground) DeleteObject(replaced);
    game.pictureFresh = 1;
    InvalidateRect(hwnd, nullptr, TRUE);
}

HWND CreateBitmapButton(HWND hwndParent, HBITMAP hbm, int x, int y, int id) {
    BITMAP info = {};
    GetObjectA(hbm, sizeof info, &info);
    return CreateWindowExA(0, "BUTTON", "", WS_CHILD | WS_VISIBLE | BS_BITMAP, x, y, info.bmWidth,
                           info.bmHeight, hwndParent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                           game.hInstance, nullptr);
}

void SetButtonBitmap(HWND hwndButton, HBITMAP hbm) {
    SendMessageA(hwndButton, BM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(hbm));
}

void MakeButton(BitmapButton& button, HWND parent, int x, int y, int id) {
    // A button made anew for every game or game over: the one before is
    // hidden and unreachable, so it goes rather than piling up.
    if (button.hwnd) DestroyWindow(button.hwnd);
    if (button.hbm) DeleteObject(button.hbm);
    button.hbm = LoadBitmapA(game.hInstance, button.name);
    button.hwnd = CreateBitmapButton(parent, button.hbm, x, y, id);
    SetButtonBitmap(button.hwnd, button.hbm);
}

void ChangeButtonImage(BitmapButton& button, int variant) {
    HBITMAP replaced = button.hbm;
    button.hbm = LoadBitmapA(game.hInstance, button.name + variant * NAME_LENGTH);
    SetButtonBitmap(button.hwnd, button.hbm);
    // The button does not own its image; once it shows the new one the old
    // bitmap is ours to release.
    if (replaced && replaced != button.hbm) DeleteObject(replaced);
}
