// The memory copy of the window's face: every drawing goes there first and
// reaches the window from it, the newest parts first.
#include "game/screen_copy.h"

#include "game/game_state.h"
#include "game/platform.h"

namespace {

constexpr int RING_PEN_WIDTH = 5;

const BitmapButton* const ALL_BUTTONS[] = {&game.btnStart, &game.btnExit,  &game.btnLevelExit, &game.btnGameOverExit,
                                           &game.btnNext,  &game.btnHint,  &game.btnBack};

// What was drawn on the memory copy since its last show: a ring, a counter
// cell, the whole picture. A show puts these on the window first.
constexpr int MAX_DRAWN_PARTS = 8;
RECT drawnParts[MAX_DRAWN_PARTS];
int drawnPartCount = 0;

void CopyToWindow(HDC dc, const RECT& area) {
    BitBlt(dc, area.left, area.top, area.right - area.left, area.bottom - area.top, game.hdcScreen, area.left,
           area.top, SRCCOPY);
}

}  // namespace

HDC ScreenDC(HWND hwnd) {
    RECT client;
    GetClientRect(hwnd, &client);
    const LONG width = client.right > game.bgWidth ? client.right : game.bgWidth;
    const LONG height = client.bottom > game.bgHeight ? client.bottom : game.bgHeight;
    if (game.hdcScreen && width <= game.screenWidth && height <= game.screenHeight) return game.hdcScreen;

    // Grown window (or first use): a larger copy that keeps what the old one held.
    HDC windowDC = GetDC(hwnd);
    HDC grown = CreateCompatibleDC(windowDC);
    HBITMAP grownBitmap = CreateCompatibleBitmap(windowDC, width, height);
    ReleaseDC(hwnd, windowDC);
    HGDIOBJ grownDefault = SelectObject(grown, grownBitmap);
    RECT all = {0, 0, width, height};
    FillRect(grown, &all, GetSysColorBrush(COLOR_WINDOW));
    if (game.hdcScreen) {
        BitBlt(grown, 0, 0, game.screenWidth, game.screenHeight, game.hdcScreen, 0, 0, SRCCOPY);
        // The counter font lives selected in the copy; carry it over.
        SelectObject(grown, GetCurrentObject(game.hdcScreen, OBJ_FONT));
        ReleaseScreen();
    }
    game.hdcScreen = grown;
    game.hbmScreen = grownBitmap;
    game.hbmScreenDefault = static_cast<HBITMAP>(grownDefault);
    game.screenWidth = width;
    game.screenHeight = height;
    return game.hdcScreen;
}

void NoteDrawn(HDC dc, const RECT& part) {
    if (dc != game.hdcScreen || IsRectEmpty(&part)) return;
    if (drawnPartCount == MAX_DRAWN_PARTS) {
        UnionRect(&drawnParts[MAX_DRAWN_PARTS - 1], &drawnParts[MAX_DRAWN_PARTS - 1], &part);
        return;
    }
    drawnParts[drawnPartCount++] = part;
}

void ShowScreenPart(HDC dc, const RECT& area) {
    // The buttons draw themselves; copying over them would wipe them out
    // whenever they painted before their parent (as Wine may order it).
    for (const BitmapButton* button : ALL_BUTTONS) {
        if (!button->hwnd || !IsWindowVisible(button->hwnd)) continue;
        RECT place;
        GetWindowRect(button->hwnd, &place);
        MapWindowPoints(nullptr, GetParent(button->hwnd), reinterpret_cast<POINT*>(&place), 2);
        ExcludeClipRect(dc, place.left, place.top, place.right, place.bottom);
    }
    // A click asks for the whole window, but it changed only a ring and a
    // counter or two. Those go to the screen first, on their own: under Wine
    // the whole client area is 2.4 MB for the X server to take, and the ring
    // would wait for all of it. The whole area follows, as asked for, so
    // anything the system wiped is put back all the same.
    bool areaShown = false;
    bool partShown = false;
    for (int i = 0; i < drawnPartCount; ++i) {
        RECT part;
        if (!IntersectRect(&part, &drawnParts[i], &area)) continue;
        CopyToWindow(dc, part);
        partShown = true;
        if (EqualRect(&part, &area)) areaShown = true;
    }
    drawnPartCount = 0;
    // On the screen now, before the busy delay or a pause holds the thread.
    if (partShown) PlatformSyncWithDisplay();
    if (areaShown) return;
    CopyToWindow(dc, area);
    PlatformSyncWithDisplay();
}

void ReleaseScreen() {
    if (!game.hdcScreen) return;
    // Put the copy's own font back first so the counter font is not freed by
    // accident; it is released with the rest of the counters' fonts.
    SelectObject(game.hdcScreen, GetStockObject(SYSTEM_FONT));
    SelectObject(game.hdcScreen, game.hbmScreenDefault);
    DeleteObject(game.hbmScreen);
    DeleteDC(game.hdcScreen);
    game.hdcScreen = nullptr;
    game.hbmScreen = nullptr;
    game.screenWidth = 0;
    game.screenHeight = 0;
    drawnPartCount = 0;
}

void DrawRing(HDC dc, const RECT& area) {
    HGDIOBJ previousBrush = SelectObject(dc, GetStockObject(NULL_BRUSH));
    // Each ring's pen serves that one drawing.
    HGDIOBJ previousPen = SelectObject(dc, CreatePen(PS_SOLID, RING_PEN_WIDTH, game.penColor));
    Ellipse(dc, area.left, area.top, area.right, area.bottom);
    DeleteObject(SelectObject(dc, previousPen));
    SelectObject(dc, previousBrush);
    // The pen is centred on the bounds, so half its width lies outside.
    RECT drawn = area;
    InflateRect(&drawn, RING_PEN_WIDTH, RING_PEN_WIDTH);
    NoteDrawn(dc, drawn);
}

void PaintButtonsDue() {
    for (const BitmapButton* button : ALL_BUTTONS) {
        if (button->hwnd && IsWindowVisible(button->hwnd) && GetUpdateRect(button->hwnd, nullptr, FALSE))
            UpdateWindow(button->hwnd);
    }
}
