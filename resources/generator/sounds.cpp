// The five sounds, synthesised.
// (First cut: silence; the finished sounds replace it.)
#include "art.h"

std::vector<std::uint8_t> MakeSoundData(const SoundSpec& spec) {
    const std::uint8_t silence = spec.bitsPerSample == 8 ? 128 : 0;
    return std::vector<std::uint8_t>(spec.dataBytes, silence);
}
