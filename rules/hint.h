// The hint: rings the first difference not yet found, three times a game.
#pragma once

#include "game/game_state.h"

// ID_HINT: spends a hint, rings a difference, and clears the level when that
// was its fifth. Ignored unless a level is being played.
void OnHint(HWND hwnd);

// Rings the first unfound area of areas on dc (null brush and red pen
// selected), marks it found and plays the found cue; nothing when all are found.
void RevealHint(const LevelRects& areas, HDC dc);
