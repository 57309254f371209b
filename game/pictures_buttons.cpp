// Picture loading and bitmap buttons.
#include "game/pictures_buttons.h"

#include "game/input_guard.h"
#include "resources/layout.h"

namespace {

// The largest picture; every picture is drawn into one bitmap this big.
constexpr PixelRect LargestPicture() {
    PixelRect size = {0, 0, 0, 0};
    for (const PictureEntry& picture : PICTURES) {
        if (picture.width > size.right) size.right = picture.width;
        if (picture.height > size.bottom) size.bottom = picture.height;
    }
    return size;
}

}  // namespace

void LoadPicture(HINSTANCE hInstance, const char* name, HWND hwnd) {
    // One bitmap serves every picture for the whole run, the resource's rows
    // drawn straight into it: a new 2.4 MB bitmap per screen (LoadBitmapA)
    // costs fresh memory every time and made the slowest screen changes
    // twice as slow under Wine.
    HRSRC found = FindResourceA(hInstance, name, MAKEINTRESOURCEA(2));  // RT_BITMAP
    const auto* info = static_cast<const BITMAPINFO*>(LockResource(LoadResource(hInstance, found)));
    if (!info) return;
    const LONG width = info->bmiHeader.biWidth;
    const LONG height = info->bmiHeader.biHeight < 0 ? -info->bmiHeader.biHeight : info->bmiHeader.biHeight;
    const BYTE* bits = reinterpret_cast<const BYTE*>(info) + info->bmiHeader.biSize +
                       info->bmiHeader.biClrUsed * sizeof(RGBQUAD);
    if (!game.hbmBackground) {
        constexpr PixelRect largest = LargestPicture();
        HDC screen = GetDC(nullptr);
        game.hbmBackground = CreateCompatibleBitmap(screen, largest.right, largest.bottom);
        ReleaseDC(nullptr, screen);
    }
    HDC pictureDC = CreateCompatibleDC(nullptr);
    HGDIOBJ previous = SelectObject(pictureDC, game.hbmBackground);
    SetDIBitsToDevice(pictureDC, 0, 0, static_cast<DWORD>(width), static_cast<DWORD>(height), 0, 0, 0,
                      static_cast<UINT>(height), bits, info, DIB_RGB_COLORS);
    SelectObject(pictureDC, previous);
    DeleteDC(pictureDC);
    game.bgWidth = width;
    game.bgHeight = height;
    game.pictureFresh = 1;
    InvalidateRect(hwnd, nullptr, TRUE);
}

HWND CreateBitmapButton(HWND hwndParent, HBITMAP hbm, int x, int y, int id) {
    BITMAP info = {};
    GetObjectA(hbm, sizeof info, &info);
    HWND button = CreateWindowExA(0, "BUTTON", "", WS_CHILD | WS_VISIBLE | BS_BITMAP, x, y, info.bmWidth,
                                  info.bmHeight, hwndParent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                                  game.hInstance, nullptr);
    GuardButtonInput(button);
    return button;
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
