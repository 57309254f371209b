// Difference table and click judging.
#include "rules/differences.h"

#include "game/screen_copy.h"
#include "game/platform.h"
#include "resources/layout.h"

const LevelRects DifferenceTable[] = {
#include "resources/difference_table.inc"
};
static_assert(sizeof DifferenceTable / sizeof DifferenceTable[0] == LEVEL_COUNT, "one row per level");

void JudgeClick(const LevelRects& areas, HDC dc) {
    const DWORD x = game.clickX, y = game.clickY;
    for (int k = 0; k < AREAS_PER_LEVEL; ++k) {
        const RECT& area = areas[k];
        // Strictly inside, compared unsigned: a click on the edge is a miss.
        const bool inside = static_cast<DWORD>(area.left) < x && x < static_cast<DWORD>(area.right) &&
                            static_cast<DWORD>(area.top) < y && y < static_cast<DWORD>(area.bottom);
        if (!inside || game.found[k]) continue;
        DrawRing(dc, area);
        game.clickPending = 0;
        game.found[k] = 1;
        game.foundCount++;
        game.hitFlag = 1;
        game.missFlag = 0;
        PlatformPlaySound(WAV_FOUND, CUE_FLAGS);
        return;
    }
    game.missFlag = 1;
    game.clickPending = 0;
    PlatformPlaySound(WAV_MISS, CUE_FLAGS);
}
