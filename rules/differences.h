// The difference areas of the thirteen levels, and the judging of a click.
#pragma once

#include "game/game_state.h"

// Thirteen levels of five areas, level 1 first; nothing writes to it.
extern const LevelRects DifferenceTable[LEVEL_COUNT];

// Judges the pending click (clickX, clickY) against areas: the first unfound
// area that strictly contains it is ringed on dc, marked found and counted, and the found cue plays;
// otherwise the miss cue plays. Clears clickPending either way.
void JudgeClick(const LevelRects& areas, HDC dc);
