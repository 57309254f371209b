// The input guard: stale presses and releases, lone releases and the second
// click of a double click never count as the player's clicks.
#include "game/input_guard.h"

#include "game/game_state.h"

namespace {

WNDPROC buttonClassProc = nullptr;  // the system's BUTTON procedure, the same for every button

// The message clock wraps after 49.7 days; differences still order it.
bool Earlier(DWORD a, DWORD b) { return static_cast<LONG>(a - b) < 0; }

LRESULT CALLBACK GuardedButtonProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK:
            // A press made in the pause at the spot where this button
            // appears, or the second click of a double click whose first
            // brought this button under the pointer, would press it on a
            // screen the player never saw.
            if (MadeBeforeThisScreen() || SecondClickOfAButtonDoubleClick()) return 0;
            break;
        case WM_LBUTTONUP: {
            // The button took the mouse at its press and gives it back only
            // at a release it sees: a stale release still ends the press,
            // so the next press goes where the player points. Losing the
            // mouse un-presses the button without a command.
            const bool pressedHere = GetCapture() == hwnd;
            if (MadeBeforeThisScreen()) {
                if (pressedHere) ReleaseCapture();
                return 0;
            }
            const WORD id = static_cast<WORD>(GetDlgCtrlID(hwnd));
            if (pressedHere && (id == ID_START || id == ID_NEXT || id == ID_BACK)) {
                game.buttonClickTime = GetMessageTime();
                const DWORD at = GetMessagePos();
                game.buttonClickAt = {static_cast<SHORT>(LOWORD(at)), static_cast<SHORT>(HIWORD(at))};
            }
            break;
        }
        default: break;
    }
    return CallWindowProcA(buttonClassProc, hwnd, msg, wParam, lParam);
}

}  // namespace

void MarkScreenShown() {
    game.screenShownTime = GetTickCount();
    game.leftPressedHere = 0;
}

bool MadeBeforeThisScreen() {
    // A picture loaded and not yet painted: the new screen is not up, so
    // whatever is handled now was made before it (in the pause, or queued
    // ahead of the paint that will show it).
    if (game.pictureFresh) return true;
    return Earlier(static_cast<DWORD>(GetMessageTime()), game.screenShownTime);
}

bool SecondClickOfAButtonDoubleClick() {
    if (!game.buttonClickTime) return false;
    const DWORD since = static_cast<DWORD>(GetMessageTime()) - game.buttonClickTime;
    if (since > GetDoubleClickTime()) return false;
    const DWORD at = GetMessagePos();
    const LONG dx = static_cast<SHORT>(LOWORD(at)) - game.buttonClickAt.x;
    const LONG dy = static_cast<SHORT>(HIWORD(at)) - game.buttonClickAt.y;
    // The system's double-click rectangle is centred on the first click.
    return 2 * (dx < 0 ? -dx : dx) <= GetSystemMetrics(SM_CXDOUBLECLK) &&
           2 * (dy < 0 ? -dy : dy) <= GetSystemMetrics(SM_CYDOUBLECLK);
}

void GuardButtonInput(HWND button) {
    const WNDPROC previous = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(button, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(GuardedButtonProc)));
    if (!buttonClassProc) buttonClassProc = previous;
}
