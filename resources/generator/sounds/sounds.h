// The game's sounds, synthesised sample by sample.
#pragma once

#include "layout.h"

#include <cstdint>
#include <vector>

// The PCM data of one sound, exactly item.dataBytes long.
std::vector<std::uint8_t> MakeSoundData(const SoundEntry& item);
