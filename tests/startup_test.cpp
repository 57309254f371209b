// Start-up: the window class, the main window, the music, and the way out.
#include "resources/layout.h"
#include "test_platform.h"
#include "test_support.h"

namespace {

using StartupTest = GameWindowTest;

// Runs the built game, waits for its window, sends it message, and returns
// the process's exit code (or a negative number on a timeout).
long RunGameAndSend(UINT message, WPARAM wParam) {
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    char commandLine[] = TUMBLEWIT_GAME_EXE;
    if (!CreateProcessA(TUMBLEWIT_GAME_EXE, commandLine, nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &process))
        return -1;
    HWND window = nullptr;
    for (int tries = 0; tries < 1200 && !window; ++tries) {  // up to a minute on a busy machine
        Sleep(50);
        HWND candidate = nullptr;
        while ((candidate = FindWindowExA(nullptr, candidate, "ViewBMPWinClass", nullptr))) {
            DWORD owner = 0;
            GetWindowThreadProcessId(candidate, &owner);
            if (owner == process.dwProcessId) window = candidate;
        }
    }
    long exitCode = -2;
    if (window) {
        PostMessageA(window, message, wParam, 0);
        if (WaitForSingleObject(process.hProcess, 60000) == WAIT_OBJECT_0) {
            DWORD code = 0;
            GetExitCodeProcess(process.hProcess, &code);
            exitCode = static_cast<long>(code);
        } else {
            exitCode = -3;
        }
    }
    TerminateProcess(process.hProcess, 99);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return exitCode;
}

}  // namespace

TEST_F(StartupTest, MusicLoopsFromBeforeTheWindowExists) {
    ASSERT_FALSE(playedSounds.empty());
    EXPECT_EQ(WAV_MUSIC, playedSounds[0].id);
    EXPECT_EQ(0x4000Du, playedSounds[0].flags);
    EXPECT_FALSE(playedSounds[0].mainWindowExisted);
    EXPECT_EQ(1u, playedSounds.size()) << "creating the title screen plays nothing";
}

TEST_F(StartupTest, WindowClassIsFilledInAsTheGameNeedsIt) {
    WNDCLASSEXA wc = {};
    wc.cbSize = sizeof wc;
    ASSERT_TRUE(GetClassInfoExA(game.hInstance, "ViewBMPWinClass", &wc));
    EXPECT_EQ(static_cast<UINT>(CS_VREDRAW | CS_HREDRAW), wc.style);
    EXPECT_EQ(reinterpret_cast<HBRUSH>(6), wc.hbrBackground);
    EXPECT_EQ(nullptr, wc.lpszMenuName);
    EXPECT_EQ(0, wc.cbClsExtra);
    EXPECT_EQ(0, wc.cbWndExtra);
    EXPECT_EQ(LoadCursorA(nullptr, MAKEINTRESOURCEA(32512)), wc.hCursor);
    // One icon, the BMPIcon group, as both the large and the small icon.
    HICON icon = LoadIconA(game.hInstance, "BMPIcon");
    ASSERT_NE(nullptr, icon);
    EXPECT_EQ(icon, reinterpret_cast<HICON>(GetClassLongPtrA(game.hwndMain, GCLP_HICON)));
    EXPECT_EQ(icon, reinterpret_cast<HICON>(GetClassLongPtrA(game.hwndMain, GCLP_HICONSM)));
    ICONINFO info = {};
    ASSERT_TRUE(GetIconInfo(icon, &info));
    BITMAP colour = {};
    GetObjectA(info.hbmColor, sizeof colour, &colour);
    EXPECT_EQ(GetSystemMetrics(SM_CXICON), colour.bmWidth);
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
}

TEST_F(StartupTest, MainWindowHasItsPlaceSizeStyleAndNoMenu) {
    HWND hwnd = game.hwndMain;
    ASSERT_TRUE(IsWindow(hwnd));
    RECT outer;
    GetWindowRect(hwnd, &outer);
    EXPECT_EQ(300, outer.left);
    EXPECT_EQ(50, outer.top);
    EXPECT_EQ(959, outer.right - outer.left);
    EXPECT_EQ(667, outer.bottom - outer.top);
    const LONG style = GetWindowLongA(hwnd, GWL_STYLE);
    EXPECT_EQ(static_cast<LONG>(WS_OVERLAPPEDWINDOW), style & static_cast<LONG>(WS_OVERLAPPEDWINDOW));
    EXPECT_TRUE(style & WS_VISIBLE);
    EXPECT_EQ(0, GetWindowLongA(hwnd, GWL_EXSTYLE) & ~(WS_EX_WINDOWEDGE));
    EXPECT_EQ(nullptr, GetMenu(hwnd));
    EXPECT_EQ(nullptr, game.hMenu);
    // With the frame of Windows (which the tests' Wine prefix is given), the
    // client area is the pictures' own size: no band beside them.
    RECT client;
    GetClientRect(hwnd, &client);
    EXPECT_EQ(EXPECTED_CLIENT_WIDTH, client.right);
    EXPECT_EQ(EXPECTED_CLIENT_HEIGHT, client.bottom);
}

TEST_F(StartupTest, CaptionReadsInChineseWhateverTheCodePage) {
    EXPECT_EQ(std::wstring(L"Tumblewit~\u4F86\u627E\u78B4\uFF01"), WindowCaptionW(game.hwndMain));
    // The record keeps the Big5 bytes.
    EXPECT_STREQ("Tumblewit\x7E\xA8\xD3\xA7\xE4\xE2\xED\xA1\x49", game.caption);
}

TEST_F(StartupTest, TitleScreenShowsItsPictureAndTwoButtons) {
    EXPECT_TRUE(Visible(game.btnStart));
    EXPECT_TRUE(Visible(game.btnExit));
    EXPECT_FALSE(Visible(game.btnNext));
    EXPECT_FALSE(Visible(game.btnLevelExit));
    EXPECT_EQ(942, game.bgWidth);
    EXPECT_EQ(626, game.bgHeight);
    EXPECT_STREQ("pic1", game.pCurrentPicture);
    EXPECT_STREQ("100", game.scoreText);
    EXPECT_STREQ("9", game.chancesText);
    EXPECT_EQ(3, game.hintsLeft);
    RECT start;
    GetWindowRect(game.btnStart.hwnd, &start);
    MapWindowPoints(nullptr, game.hwndMain, reinterpret_cast<POINT*>(&start), 2);
    EXPECT_EQ((RECT{600, 400, 600 + 278, 400 + 88}.left), start.left);
    EXPECT_EQ(400, start.top);
    EXPECT_EQ(278, start.right - start.left);
    EXPECT_EQ(88, start.bottom - start.top);
    char text[8] = "x";
    GetWindowTextA(game.btnStart.hwnd, text, sizeof text);
    EXPECT_STREQ("", text);
}

TEST(GameProcess, ClosingTheWindowEndsTheProcessWithCodeZero) {
    EXPECT_EQ(0, RunGameAndSend(WM_CLOSE, 0));
}

TEST(GameProcess, AnExitButtonEndsTheProcessWithCodeZero) {
    EXPECT_EQ(0, RunGameAndSend(WM_COMMAND, MAKEWPARAM(ID_EXIT, BN_CLICKED)));
}
