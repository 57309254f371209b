// Resource access for the tests.
#include "test_support.h"

#include <cstring>

HMODULE OpenGameExe() {
    return LoadLibraryExA(TUMBLEWIT_GAME_EXE, nullptr, LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
}

void StoredBitmap::Pixel(int x, int y, int* r, int* g, int* b) const {
    const int rowBytes = ((width * bitsPerPixel + 31) / 32) * 4;
    const int storedRow = height > 0 ? height - 1 - y : y;
    const std::uint8_t* p = &rows[static_cast<size_t>(storedRow * rowBytes + x * 3)];
    *b = p[0];
    *g = p[1];
    *r = p[2];
}

bool ReadStoredBitmap(HMODULE module, const char* name, StoredBitmap* out) {
    HRSRC found = FindResourceA(module, name, MAKEINTRESOURCEA(2));  // RT_BITMAP
    if (!found) return false;
    const auto* data = static_cast<const std::uint8_t*>(LockResource(LoadResource(module, found)));
    const DWORD size = SizeofResource(module, found);
    if (!data || size < sizeof(BITMAPINFOHEADER)) return false;
    BITMAPINFOHEADER header;
    std::memcpy(&header, data, sizeof header);
    out->width = header.biWidth;
    out->height = header.biHeight;
    out->bitsPerPixel = header.biBitCount;
    out->compression = header.biCompression;
    out->headerSize = header.biSize;
    out->xPelsPerMeter = header.biXPelsPerMeter;
    out->yPelsPerMeter = header.biYPelsPerMeter;
    out->rows.assign(data + header.biSize, data + size);
    return true;
}

#include "app/startup.h"
#include "resources/layout.h"
#include "test_platform.h"
#include "tests/take_down_game.h"

void GameWindowTest::SetUp() {
    duringSleep = nullptr;
    duringSync = nullptr;
    playedSounds.clear();
    sleepsMs.clear();
    busyDelays = 0;
    SetTestClock(0, 30);
    StartUp();
    PumpWithoutPaint();
    PumpPaints(1);
}

void GameWindowTest::TearDown() { TakeDownGame(); }

void PumpWithoutPaint() {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, WM_PAINT - 1, PM_REMOVE) ||
           PeekMessageA(&msg, nullptr, WM_PAINT + 1, 0xFFFFFFFF, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}

int PumpPaints(int count) {
    MSG msg;
    int painted = 0, dispatched = 0;
    while (painted < count && PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_PAINT) painted++;
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
        dispatched++;
    }
    return dispatched;
}

void Command(WORD id, WORD high) {
    SendMessageA(game.hwndMain, WM_COMMAND, MAKEWPARAM(id, high), 0);
    PumpWithoutPaint();
}

void PostClick(int x, int y) {
    PostMessageA(game.hwndMain, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
    PostMessageA(game.hwndMain, WM_LBUTTONUP, 0, MAKELPARAM(x, y));
}

void ClickAt(int x, int y) {
    PostClick(x, y);
    PumpWithoutPaint();
    PumpPaints(1);   // judges the click
    PumpWithoutPaint();
    PumpPaints(1);   // the whole-window repaint that follows a judged click
}

COLORREF WindowPixel(int x, int y) {
    HDC dc = GetDC(game.hwndMain);
    const COLORREF colour = GetPixel(dc, x, y);
    ReleaseDC(game.hwndMain, dc);
    return colour;
}

bool WindowShowsPicture(const char* name) {
    StoredBitmap picture;
    if (!ReadStoredBitmap(GetModuleHandleA(nullptr), name, &picture)) return false;
    int same = 0, points = 0;
    for (int row = 0; row < 6; ++row) {
        for (int column = 0; column < 8; ++column) {
            const int x = picture.width * (2 * column + 1) / 16, y = picture.height * (2 * row + 1) / 12;
            int r, g, b;
            picture.Pixel(x, y, &r, &g, &b);
            same += WindowPixel(x, y) == RGB(r, g, b);
            ++points;
        }
    }
    return same >= points - 4;
}

std::wstring WindowCaptionW(HWND hwnd) {
    // The stored title, as the title bar and the task switcher read it
    // (GetWindowTextW would ask our ANSI procedure and convert through the
    // ANSI code page).
    wchar_t text[64] = {};
    InternalGetWindowText(hwnd, text, 64);
    return text;
}

bool Visible(const BitmapButton& button) {
    return button.hwnd && IsWindow(button.hwnd) && (GetWindowLongA(button.hwnd, GWL_STYLE) & WS_VISIBLE);
}

int CountLiveGdiObjects() {
    int live = 0;
    for (ULONG_PTR index = 1; index < 0x10000; ++index) {
        if (GetObjectType(reinterpret_cast<HGDIOBJ>(index))) live++;
    }
    return live;
}

namespace {
BOOL CALLBACK CountChild(HWND, LPARAM count) {
    ++*reinterpret_cast<int*>(count);
    return TRUE;
}
BOOL CALLBACK CountTopLevel(HWND hwnd, LPARAM count) {
    ++*reinterpret_cast<int*>(count);
    EnumChildWindows(hwnd, CountChild, count);
    return TRUE;
}
}  // namespace

int CountThreadWindows() {
    int count = 0;
    EnumThreadWindows(GetCurrentThreadId(), CountTopLevel, reinterpret_cast<LPARAM>(&count));
    return count;
}

RECT AreaOf(int level, int k) {
    const PixelRect& area = DIFFERENCE_AREAS[level - 1][k];
    return {area.left, area.top, area.right, area.bottom};
}

POINT InsideOf(int level, int k) {
    const RECT area = AreaOf(level, k);
    return {(area.left + area.right) / 2, (area.top + area.bottom) / 2};
}

void StartGame() {
    Command(ID_START);
}

void ClearCurrentLevelByClicks() {
    const int level = game.levelIndex + 1;
    for (int k = 0; k < 5; ++k) {
        const POINT p = InsideOf(level, k);
        ClickAt(p.x, p.y);
    }
}

void MissOnce() { ClickAt(UNALTERED_SCENE.left + 20, UNALTERED_SCENE.top + 20); }
