// The five sounds, synthesised from scratch: two short cues, a click, the
// looping title music and a slow pad version of it for the spare slot.
// Only +, -, *, / and integer phase accumulators are used per sample, so the
// bytes are the same on every host.
#include "sounds/sounds.h"

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <vector>

namespace {

constexpr double PI = 3.14159265358979323846;
constexpr int TABLE_BITS = 12;
constexpr int TABLE_SIZE = 1 << TABLE_BITS;
constexpr int FRACTION_BITS = 32 - TABLE_BITS;
constexpr double TWO_POW_32 = 4294967296.0;
constexpr double SEMITONE = 1.0594630943592952646;  // 2^(1/12)

// Sine of a whole turn fraction, by folding into [-pi/2, pi/2] and a Taylor series (no libm).
double SineOfTurn(double turn) {
    double x = (turn - static_cast<double>(static_cast<long long>(turn)) - 0.5) * 2.0 * PI;
    if (x > PI / 2) x = PI - x;
    if (x < -PI / 2) x = -PI - x;
    const double x2 = x * x;
    double term = x;
    double sum = x;
    for (int k = 1; k <= 7; ++k) {
        term *= -x2 / ((2.0 * k) * (2.0 * k + 1.0));
        sum += term;
    }
    return -sum;  // the half-turn shift above flipped the sign
}

// e^x by halving until small, a short series, then squaring back (no libm).
double ExpOf(double x) {
    int halvings = 0;
    while (x > 0.125 || x < -0.125) {
        x *= 0.5;
        ++halvings;
    }
    double term = 1.0;
    double sum = 1.0;
    for (int k = 1; k <= 12; ++k) {
        term *= x / k;
        sum += term;
    }
    for (int i = 0; i < halvings; ++i) sum *= sum;
    return sum;
}

// Multiplier per frame that shrinks a level by 1/e over the given time.
double DecayPerFrame(double seconds, int sampleRate) {
    return ExpOf(-1.0 / (seconds * sampleRate));
}

// One cycle of a waveform built from harmonic amplitudes (index 0 is the fundamental).
struct Wavetable {
    std::vector<double> samples;  // TABLE_SIZE + 1, the last repeats the first
};

// Sums the harmonics into a table; interpolated lookups keep per-sample cost flat.
Wavetable MakeWavetable(const std::vector<double>& harmonicAmplitudes) {
    Wavetable table;
    table.samples.assign(TABLE_SIZE + 1, 0.0);
    for (int i = 0; i <= TABLE_SIZE; ++i) {
        const double turn = static_cast<double>(i % TABLE_SIZE) / TABLE_SIZE;
        double value = 0.0;
        for (std::size_t h = 0; h < harmonicAmplitudes.size(); ++h) {
            const double harmonicTurn = turn * static_cast<double>(h + 1);
            value += harmonicAmplitudes[h] * SineOfTurn(harmonicTurn);
        }
        table.samples[i] = value;
    }
    return table;
}

// The plain sine table, built once and shared.
const Wavetable& SineTable() {
    static const Wavetable table = MakeWavetable({1.0});
    return table;
}

// Table value at a 32-bit phase, linearly interpolated.
double LookUp(const Wavetable& table, std::uint32_t phase) {
    const std::uint32_t index = phase >> FRACTION_BITS;
    const double fraction = static_cast<double>(phase & ((1u << FRACTION_BITS) - 1)) / (1u << FRACTION_BITS);
    const double a = table.samples[index];
    return a + (table.samples[index + 1] - a) * fraction;
}

// Phase increment per frame for a frequency; integer phase never drifts.
std::uint32_t PhaseStep(double frequency, int sampleRate) {
    const double step = frequency / sampleRate * TWO_POW_32;
    if (step <= 0.0) return 0;
    if (step >= TWO_POW_32 / 2) return 0x7FFFFFFFu;
    return static_cast<std::uint32_t>(step + 0.5);
}

// Equal-tempered pitch of a MIDI note, by repeated semitone steps from A4.
double NoteFrequency(int midiNote) {
    double frequency = 440.0;
    for (int k = 69; k < midiNote; ++k) frequency *= SEMITONE;
    for (int k = 69; k > midiNote; --k) frequency /= SEMITONE;
    return frequency;
}

// Fixed-seed linear congruential noise in [-1, 1).
double NextNoise(std::uint32_t& state) {
    state = state * 1664525u + 1013904223u;
    return static_cast<double>(state >> 8) / 8388608.0 - 1.0;
}

// Left and right gains for a pan in [-1, 1]; the centre keeps both at full.
void PanGains(double pan, double& left, double& right) {
    left = pan > 0.0 ? 1.0 - pan : 1.0;
    right = pan < 0.0 ? 1.0 + pan : 1.0;
}

// A stereo mix bus of doubles. Looping pieces wrap writes past the end to the start.
struct StereoMix {
    std::vector<double> left, right;
    bool wraps = false;
};

// A fresh silent bus of the given length.
StereoMix MakeMix(std::size_t frames, bool wraps) {
    StereoMix mix;
    mix.left.assign(frames, 0.0);
    mix.right.assign(frames, 0.0);
    mix.wraps = wraps;
    return mix;
}

// Adds a sample at a frame; wrapping keeps tails of late notes so the loop seam is seamless.
void AddFrame(StereoMix& mix, std::size_t frame, double left, double right) {
    const std::size_t length = mix.left.size();
    if (frame >= length) {
        if (!mix.wraps) return;
        frame %= length;
    }
    mix.left[frame] += left;
    mix.right[frame] += right;
}

// How a tone starts, holds and ends.
struct ToneShape {
    const Wavetable* table;
    double attackSeconds;   // linear rise
    double decaySeconds;    // time constant towards the sustain level
    double sustainLevel;
    double releaseSeconds;  // linear fall to zero after the gate closes
    double vibratoDepth;    // fraction of pitch, eased in
    double startBend;       // starts this fraction sharp, falling back to pitch
    double bendSeconds;
};

// Renders one enveloped tone into the mix; it always ends at exactly zero.
void AddTone(StereoMix& mix, int sampleRate, std::size_t startFrame, std::size_t gateFrames, double frequency,
             double gain, double pan, const ToneShape& shape) {
    const std::size_t attackFrames = static_cast<std::size_t>(shape.attackSeconds * sampleRate) + 1;
    const std::size_t releaseFrames = static_cast<std::size_t>(shape.releaseSeconds * sampleRate) + 1;
    const std::size_t totalFrames = gateFrames + releaseFrames;
    const double decay = DecayPerFrame(shape.decaySeconds, sampleRate);
    const double bendDecay = shape.bendSeconds > 0.0 ? DecayPerFrame(shape.bendSeconds, sampleRate) : 0.0;
    const std::uint32_t vibratoStep = PhaseStep(5.5, sampleRate);
    const double vibratoRampFrames = 0.25 * sampleRate;
    double leftGain, rightGain;
    PanGains(pan, leftGain, rightGain);

    std::uint32_t phase = 0;
    std::uint32_t vibratoPhase = 0;
    double decayingPart = 1.0 - shape.sustainLevel;
    double bend = shape.startBend;
    for (std::size_t i = 0; i < totalFrames; ++i) {
        double envelope = shape.sustainLevel + decayingPart;
        if (i < attackFrames) envelope *= static_cast<double>(i) / attackFrames;
        else decayingPart *= decay;
        if (i >= gateFrames) envelope *= 1.0 - static_cast<double>(i - gateFrames) / releaseFrames;

        double pitch = frequency * (1.0 + bend);
        bend *= bendDecay;
        if (shape.vibratoDepth > 0.0) {
            const double ease = i < vibratoRampFrames ? i / vibratoRampFrames : 1.0;
            pitch *= 1.0 + shape.vibratoDepth * ease * LookUp(SineTable(), vibratoPhase);
            vibratoPhase += vibratoStep;
        }
        const double value = LookUp(*shape.table, phase) * envelope * gain;
        phase += PhaseStep(pitch, sampleRate);
        AddFrame(mix, startFrame + i, value * leftGain, value * rightGain);
    }
}

// Largest absolute sample on either side.
double PeakOf(const StereoMix& mix) {
    double peak = 0.0;
    for (std::size_t i = 0; i < mix.left.size(); ++i) {
        const double l = mix.left[i] < 0 ? -mix.left[i] : mix.left[i];
        const double r = mix.right[i] < 0 ? -mix.right[i] : mix.right[i];
        if (l > peak) peak = l;
        if (r > peak) peak = r;
    }
    return peak;
}

// Scales the mix so its loudest sample sits at the target level.
void NormalizePeak(StereoMix& mix, double target) {
    const double peak = PeakOf(mix);
    if (peak <= 0.0) return;
    const double scale = target / peak;
    for (std::size_t i = 0; i < mix.left.size(); ++i) {
        mix.left[i] *= scale;
        mix.right[i] *= scale;
    }
}

// Removes any constant offset; a loop stays continuous since the shift is uniform.
void RemoveOffset(StereoMix& mix) {
    double sumLeft = 0.0, sumRight = 0.0;
    for (std::size_t i = 0; i < mix.left.size(); ++i) {
        sumLeft += mix.left[i];
        sumRight += mix.right[i];
    }
    const double meanLeft = sumLeft / mix.left.size();
    const double meanRight = sumRight / mix.right.size();
    for (std::size_t i = 0; i < mix.left.size(); ++i) {
        mix.left[i] -= meanLeft;
        mix.right[i] -= meanRight;
    }
}

// Linear fades at both ends so a cue cut short or started cold never clicks.
void FadeEnds(StereoMix& mix, std::size_t fadeInFrames, std::size_t fadeOutFrames) {
    const std::size_t length = mix.left.size();
    for (std::size_t i = 0; i < fadeInFrames && i < length; ++i) {
        const double gain = static_cast<double>(i) / fadeInFrames;
        mix.left[i] *= gain;
        mix.right[i] *= gain;
    }
    for (std::size_t i = 0; i < fadeOutFrames && i < length; ++i) {
        const double gain = static_cast<double>(i) / fadeOutFrames;
        mix.left[length - 1 - i] *= gain;
        mix.right[length - 1 - i] *= gain;
    }
}

// Rounds to the nearest integer within limits.
int RoundClamped(double value, int low, int high) {
    const double shifted = value + 0.5;
    int rounded = static_cast<int>(shifted);
    if (shifted < 0.0 && static_cast<double>(rounded) != shifted) --rounded;  // floor for negatives
    return rounded < low ? low : (rounded > high ? high : rounded);
}

// 8-bit unsigned mono from the left side (mono cues are rendered centred).
std::vector<std::uint8_t> EncodeMono8(const StereoMix& mix) {
    std::vector<std::uint8_t> bytes(mix.left.size());
    for (std::size_t i = 0; i < mix.left.size(); ++i)
        bytes[i] = static_cast<std::uint8_t>(RoundClamped(128.0 + 127.0 * mix.left[i], 0, 255));
    return bytes;
}

// 16-bit signed little-endian stereo, interleaved left then right.
std::vector<std::uint8_t> EncodeStereo16(const StereoMix& mix) {
    std::vector<std::uint8_t> bytes(mix.left.size() * 4);
    for (std::size_t i = 0; i < mix.left.size(); ++i) {
        const int left = RoundClamped(32767.0 * mix.left[i], -32768, 32767);
        const int right = RoundClamped(32767.0 * mix.right[i], -32768, 32767);
        bytes[4 * i + 0] = static_cast<std::uint8_t>(left & 0xFF);
        bytes[4 * i + 1] = static_cast<std::uint8_t>((left >> 8) & 0xFF);
        bytes[4 * i + 2] = static_cast<std::uint8_t>(right & 0xFF);
        bytes[4 * i + 3] = static_cast<std::uint8_t>((right >> 8) & 0xFF);
    }
    return bytes;
}

// Frames the sound's data holds.
std::size_t FramesOf(const SoundEntry& item) {
    return item.dataBytes / (static_cast<unsigned>(item.channels) * (item.bitsPerSample / 8));
}

// ------------------------------------------------------------ the tune ---
// The title theme: 16 bars of 4/4 in C major, written on an eighth-note grid.
constexpr int BARS = 16;
constexpr int EIGHTHS_PER_BAR = 8;
constexpr int TOTAL_EIGHTHS = BARS * EIGHTHS_PER_BAR;

struct MelodyNote {
    int startEighth;   // from the top of the piece
    int lengthEighths;
    int midiNote;
};

struct Chord {
    int bassNote;       // MIDI
    int tones[4];       // pitch classes
    int toneCount;
};

constexpr Chord CHORD_C = {48, {0, 4, 7, 0}, 3};
constexpr Chord CHORD_AM = {45, {9, 0, 4, 0}, 3};
constexpr Chord CHORD_F = {41, {5, 9, 0, 0}, 3};
constexpr Chord CHORD_G = {43, {7, 11, 2, 0}, 3};
constexpr Chord CHORD_EM = {40, {4, 7, 11, 0}, 3};
constexpr Chord CHORD_G7 = {43, {7, 11, 2, 5}, 4};

// One chord per half bar; the last bar's G7 turns the loop back home to C.
constexpr Chord HALF_BAR_CHORDS[BARS * 2] = {
    CHORD_C, CHORD_C, CHORD_AM, CHORD_AM, CHORD_F, CHORD_F, CHORD_G, CHORD_G,
    CHORD_C, CHORD_C, CHORD_AM, CHORD_AM, CHORD_F, CHORD_G, CHORD_C, CHORD_C,
    CHORD_F, CHORD_F, CHORD_G, CHORD_G, CHORD_EM, CHORD_EM, CHORD_AM, CHORD_AM,
    CHORD_F, CHORD_F, CHORD_G, CHORD_G, CHORD_C, CHORD_C, CHORD_G7, CHORD_G7,
};

// Melody bar by bar: start within the bar, length, pitch.
constexpr int MAX_NOTES_PER_BAR = 8;
constexpr int MELODY_BY_BAR[BARS][MAX_NOTES_PER_BAR][3] = {
    {{0, 2, 76}, {2, 1, 79}, {3, 1, 76}, {4, 2, 84}, {6, 2, 79}},
    {{0, 1, 81}, {1, 1, 79}, {2, 2, 76}, {4, 2, 72}, {6, 2, 76}},
    {{0, 2, 77}, {2, 1, 81}, {3, 1, 77}, {4, 2, 84}, {6, 2, 81}},
    {{0, 1, 79}, {1, 1, 81}, {2, 1, 79}, {3, 1, 77}, {4, 4, 74}},
    {{0, 2, 76}, {2, 1, 79}, {3, 1, 76}, {4, 2, 84}, {6, 2, 79}},
    {{0, 1, 81}, {1, 1, 84}, {2, 1, 83}, {3, 1, 81}, {4, 4, 76}},
    {{0, 1, 77}, {1, 1, 81}, {2, 2, 84}, {4, 1, 79}, {5, 1, 83}, {6, 2, 86}},
    {{0, 3, 84}, {4, 1, 79}, {5, 1, 76}, {6, 2, 72}},
    {{0, 1, 81}, {1, 1, 77}, {2, 1, 81}, {3, 2, 84}, {5, 1, 81}, {6, 2, 77}},
    {{0, 1, 79}, {1, 1, 74}, {2, 1, 79}, {3, 2, 83}, {5, 1, 79}, {6, 2, 74}},
    {{0, 1, 79}, {1, 1, 76}, {2, 1, 79}, {3, 2, 83}, {5, 1, 86}, {6, 2, 83}},
    {{0, 2, 84}, {2, 1, 83}, {3, 1, 81}, {4, 4, 76}},
    {{0, 1, 77}, {1, 1, 81}, {2, 1, 84}, {3, 3, 89}, {6, 1, 88}, {7, 1, 86}},
    {{0, 2, 86}, {2, 1, 83}, {3, 1, 79}, {4, 2, 83}, {6, 2, 86}},
    {{0, 3, 88}, {3, 1, 86}, {4, 2, 84}, {6, 2, 79}},
    {{0, 1, 77}, {1, 1, 79}, {2, 1, 81}, {3, 1, 83}, {4, 3, 86}, {7, 1, 79}},
};

// The melody as a flat list in time order (rows of zero length end a bar).
std::vector<MelodyNote> MelodyNotes() {
    std::vector<MelodyNote> notes;
    notes.reserve(BARS * MAX_NOTES_PER_BAR);
    for (int bar = 0; bar < BARS; ++bar) {
        for (const auto& row : MELODY_BY_BAR[bar]) {
            if (row[1] == 0) break;
            notes.push_back({bar * EIGHTHS_PER_BAR + row[0], row[1], row[2]});
        }
    }
    return notes;
}

// A chord tone placed in the octave that starts at lowestNote.
int VoicedTone(int pitchClass, int lowestNote) {
    int note = lowestNote - lowestNote % 12 + pitchClass;
    while (note < lowestNote) note += 12;
    return note;
}

// ------------------------------------------------------------- drums ---
// Kick: a sine whose pitch drops fast, short decay, faded to zero.
void AddKick(StereoMix& mix, int sampleRate, std::size_t startFrame, double gain) {
    const std::size_t length = static_cast<std::size_t>(0.25 * sampleRate);
    const std::size_t fadeFrames = static_cast<std::size_t>(0.03 * sampleRate);
    const Wavetable& sine = SineTable();
    const double sweepDecay = DecayPerFrame(0.03, sampleRate);
    const double ampDecay = DecayPerFrame(0.09, sampleRate);
    double sweep = 1.0, amplitude = 1.0;
    std::uint32_t phase = 0;
    for (std::size_t i = 0; i < length; ++i) {
        double value = LookUp(sine, phase) * amplitude * gain;
        if (i + fadeFrames > length) value *= static_cast<double>(length - i) / fadeFrames;
        phase += PhaseStep(50.0 + 100.0 * sweep, sampleRate);
        sweep *= sweepDecay;
        amplitude *= ampDecay;
        AddFrame(mix, startFrame + i, value, value);
    }
}

// Snare: a short low tone under brighter noise.
void AddSnare(StereoMix& mix, int sampleRate, std::size_t startFrame, double gain, std::uint32_t seed) {
    const std::size_t length = static_cast<std::size_t>(0.2 * sampleRate);
    const std::size_t fadeFrames = static_cast<std::size_t>(0.03 * sampleRate);
    const Wavetable& sine = SineTable();
    const double toneDecay = DecayPerFrame(0.04, sampleRate);
    const double noiseDecay = DecayPerFrame(0.06, sampleRate);
    const std::uint32_t toneStep = PhaseStep(185.0, sampleRate);
    double toneLevel = 0.6, noiseLevel = 1.0, lowPassed = 0.0;
    std::uint32_t phase = 0, noise = seed;
    double leftGain, rightGain;
    PanGains(0.1, leftGain, rightGain);
    for (std::size_t i = 0; i < length; ++i) {
        const double white = NextNoise(noise);
        lowPassed += 0.35 * (white - lowPassed);
        double value = (LookUp(sine, phase) * toneLevel + (white - lowPassed) * noiseLevel) * gain;
        if (i < 20) value *= i / 20.0;
        if (i + fadeFrames > length) value *= static_cast<double>(length - i) / fadeFrames;
        phase += toneStep;
        toneLevel *= toneDecay;
        noiseLevel *= noiseDecay;
        AddFrame(mix, startFrame + i, value * leftGain, value * rightGain);
    }
}

// Hi-hat: a tick of high-passed noise.
void AddHat(StereoMix& mix, int sampleRate, std::size_t startFrame, double gain, std::uint32_t seed) {
    const std::size_t length = static_cast<std::size_t>(0.06 * sampleRate);
    const double decay = DecayPerFrame(0.014, sampleRate);
    double level = 1.0, previous = 0.0;
    std::uint32_t noise = seed;
    double leftGain, rightGain;
    PanGains(0.35, leftGain, rightGain);
    for (std::size_t i = 0; i < length; ++i) {
        const double white = NextNoise(noise);
        double value = (white - previous) * 0.5 * level * gain;
        previous = white;
        if (i < 8) value *= i / 8.0;
        value *= static_cast<double>(length - i) / length;
        level *= decay;
        AddFrame(mix, startFrame + i, value * leftGain, value * rightGain);
    }
}

// The title melody on a bright lead with a sparkle an octave up, and its
// dotted-quarter echoes, left then right, read around the loop so the seam
// stays whole.
void AddMelodyWithEchoes(StereoMix& mix, int rate, std::size_t frames, std::size_t eighth) {
    StereoMix lead = MakeMix(frames, true);
    const Wavetable leadTable = MakeWavetable({1.0, 0.35, 0.30, 0.10, 0.12, 0.03});
    const ToneShape leadShape = {&leadTable, 0.008, 0.15, 0.55, 0.09, 0.004, 0.0, 0.0};
    const ToneShape sparkleShape = {&SineTable(), 0.003, 0.08, 0.0, 0.05, 0.0, 0.0, 0.0};
    for (const MelodyNote& note : MelodyNotes()) {
        const std::size_t start = note.startEighth * eighth;
        const std::size_t gate = note.lengthEighths * eighth - eighth / 6;  // small gap keeps notes detached
        const double accent = note.startEighth % 4 == 0 ? 1.0 : 0.85;
        const double frequency = NoteFrequency(note.midiNote);
        AddTone(lead, rate, start, gate, frequency, 0.30 * accent, 0.0, leadShape);
        AddTone(lead, rate, start, eighth / 2, frequency * 2.0, 0.06 * accent, 0.0, sparkleShape);
    }
    const std::size_t echoDelay = 3 * eighth;
    for (std::size_t i = 0; i < frames; ++i) {
        const double dry = lead.left[i];
        const double firstEcho = lead.left[(i + frames - echoDelay) % frames];
        const double secondEcho = lead.left[(i + frames - 2 * echoDelay) % frames];
        mix.left[i] += 0.9 * dry + 0.22 * firstEcho + 0.04 * secondEcho;
        mix.right[i] += 0.9 * dry + 0.04 * firstEcho + 0.12 * secondEcho;
    }
}

// Each half bar: a bouncing bass (root on the beat, then fifth and octave on
// the eighths) and chord stabs on the off-beats, spread across the stereo field.
void AddBassAndStabs(StereoMix& mix, int rate, std::size_t eighth) {
    const Wavetable bassTable = MakeWavetable({1.0, 0.45, 0.20, 0.08});
    const Wavetable stabTable = MakeWavetable({1.0, 0.25, 0.12, 0.05});
    const ToneShape bassShape = {&bassTable, 0.004, 0.30, 0.25, 0.05, 0.0, 0.0, 0.0};
    const ToneShape stabShape = {&stabTable, 0.003, 0.10, 0.0, 0.05, 0.0, 0.0, 0.0};
    for (int half = 0; half < BARS * 2; ++half) {
        const Chord& chord = HALF_BAR_CHORDS[half];
        const std::size_t halfStart = static_cast<std::size_t>(half) * 4 * eighth;
        AddTone(mix, rate, halfStart, 2 * eighth - eighth / 3, NoteFrequency(chord.bassNote), 0.42, 0.0, bassShape);
        AddTone(mix, rate, halfStart + 2 * eighth, eighth - eighth / 4, NoteFrequency(chord.bassNote + 7), 0.34, 0.0,
                bassShape);
        AddTone(mix, rate, halfStart + 3 * eighth, eighth - eighth / 4, NoteFrequency(chord.bassNote + 12), 0.30, 0.0,
                bassShape);
        for (int offbeat = 1; offbeat < 4; offbeat += 2) {
            for (int t = 0; t < chord.toneCount; ++t) {
                const double pan = -0.35 + 0.7 * t / (chord.toneCount - 1);
                AddTone(mix, rate, halfStart + offbeat * eighth, eighth * 3 / 4,
                        NoteFrequency(VoicedTone(chord.tones[t], 59)), 0.09, pan, stabShape);
            }
        }
    }
}

// A light kit: kick, snare on two and four, hats on every eighth, and a
// two-hit fill closing each 8-bar phrase.
void AddDrumKit(StereoMix& mix, int rate, std::size_t eighth) {
    for (int e = 0; e < TOTAL_EIGHTHS; ++e) {
        const std::size_t start = static_cast<std::size_t>(e) * eighth;
        const int inBar = e % EIGHTHS_PER_BAR;
        const int bar = e / EIGHTHS_PER_BAR;
        const std::uint32_t seed = 0x7A3Bu + 977u * static_cast<std::uint32_t>(e);
        if (inBar == 0 || inBar == 4 || (inBar == 5 && bar % 2 == 1)) AddKick(mix, rate, start, 0.55);
        if (inBar == 2 || inBar == 6) AddSnare(mix, rate, start, 0.26, seed);
        if ((bar == 7 || bar == 15) && inBar == 7) AddSnare(mix, rate, start, 0.18, seed + 1);
        AddHat(mix, rate, start, inBar % 2 == 1 ? 0.16 : 0.09, seed + 2);
    }
}

// ------------------------------------------------------------ sounds ---
// Title music: melody with echoes, bouncing bass, off-beat chord stabs and a
// light kit, all rendered into a circular buffer so the end flows into the start.
StereoMix MakeTitleMusic(const SoundEntry& item) {
    const int rate = item.sampleRate;
    const std::size_t frames = FramesOf(item);
    const std::size_t eighth = frames / TOTAL_EIGHTHS;  // whole piece is exactly 16 bars
    StereoMix mix = MakeMix(frames, true);
    AddMelodyWithEchoes(mix, rate, frames, eighth);
    AddBassAndStabs(mix, rate, eighth);
    AddDrumKit(mix, rate, eighth);
    RemoveOffset(mix);
    NormalizePeak(mix, 0.70);  // about -3 dBFS
    return mix;
}

// Spare track: the theme's chords as a slow detuned pad with the melody on a
// soft bell at a quarter of the pace, played twice, faded in and out.
StereoMix MakeSparePad(const SoundEntry& item) {
    const int rate = item.sampleRate;
    const std::size_t frames = FramesOf(item);
    const int passes = 2;
    const std::size_t eighth = frames / (passes * TOTAL_EIGHTHS);
    StereoMix mix = MakeMix(frames, false);
    StereoMix bells = MakeMix(frames, false);

    const Wavetable padTable = MakeWavetable({1.0, 0.25, 0.08, 0.03});
    const Wavetable bellTable = MakeWavetable({1.0, 0.0, 0.0, 0.12});
    const ToneShape padShape = {&padTable, 1.4, 4.0, 0.75, 2.2, 0.0, 0.0, 0.0};
    const ToneShape bellShape = {&bellTable, 0.01, 0.9, 0.0, 0.4, 0.0, 0.0, 0.0};
    const double detune = 1.0017;  // about 3 cents each way

    for (int pass = 0; pass < passes; ++pass) {
        const std::size_t passStart = static_cast<std::size_t>(pass) * TOTAL_EIGHTHS * eighth;
        for (int half = 0; half < BARS * 2; ++half) {
            const Chord& chord = HALF_BAR_CHORDS[half];
            const std::size_t start = passStart + static_cast<std::size_t>(half) * 4 * eighth;
            const std::size_t gate = 4 * eighth;
            for (int t = 0; t < chord.toneCount; ++t) {
                const double frequency = NoteFrequency(VoicedTone(chord.tones[t], 55));
                const double pan = t % 2 == 0 ? -0.4 : 0.4;
                AddTone(mix, rate, start, gate, frequency * detune, 0.07, pan, padShape);
                AddTone(mix, rate, start, gate, frequency / detune, 0.07, -pan, padShape);
            }
            AddTone(mix, rate, start, gate, NoteFrequency(chord.bassNote - 12), 0.12, 0.0, padShape);
        }
        for (const MelodyNote& note : MelodyNotes()) {
            const std::size_t start = passStart + note.startEighth * eighth;
            AddTone(bells, rate, start, note.lengthEighths * eighth, NoteFrequency(note.midiNote), 0.10, 0.0,
                    bellShape);
        }
    }
    // Long, soft echoes widen the bell.
    const std::size_t echoDelay = 3 * eighth / 2;
    for (std::size_t i = 0; i < frames; ++i) {
        const double echo = i >= echoDelay ? bells.left[i - echoDelay] : 0.0;
        mix.left[i] += bells.left[i] + 0.35 * echo;
        mix.right[i] += bells.left[i] + 0.15 * echo;
    }

    FadeEnds(mix, static_cast<std::size_t>(4 * rate), static_cast<std::size_t>(6 * rate));
    NormalizePeak(mix, 0.50);  // background level, well below the title music
    return mix;
}

// Found cue: a quick rising bell arpeggio G-C-E-G with a brief high sparkle.
StereoMix MakeFoundChime(const SoundEntry& item) {
    const int rate = item.sampleRate;
    const std::size_t frames = FramesOf(item);
    StereoMix mix = MakeMix(frames, false);
    const Wavetable& sine = SineTable();
    // Bell partials: ratio, level, ring time. Inharmonic ones give the metallic shimmer.
    const double partials[4][3] = {{1.0, 1.0, 0.22}, {2.0, 0.35, 0.12}, {2.76, 0.22, 0.08}, {5.4, 0.08, 0.04}};
    const int notes[4] = {79, 84, 88, 91};
    const double nyquistGuard = 0.45 * rate;  // partials above this would alias into a rasp
    for (int n = 0; n < 4; ++n) {
        const std::size_t start = static_cast<std::size_t>((0.02 + 0.07 * n) * rate);
        const double lastNoteRing = n == 3 ? 1.3 : 1.0;  // the top note rings out the cue
        for (const auto& partial : partials) {
            const double frequency = NoteFrequency(notes[n]) * partial[0];
            if (frequency > nyquistGuard) continue;
            const ToneShape shape = {&sine, 0.002, partial[2] * lastNoteRing, 0.0, 0.05, 0.0, 0.0, 0.0};
            const std::size_t gate = frames > start ? frames - start : 0;
            AddTone(mix, rate, start, gate, frequency, partial[1] * 0.3, 0.0, shape);
        }
    }
    // Sparkle: a few tiny high pings scattered just after the arpeggio.
    std::uint32_t noise = 0x5EED1234u;
    const ToneShape grainShape = {&sine, 0.002, 0.02, 0.0, 0.01, 0.0, 0.0, 0.0};
    for (int g = 0; g < 9; ++g) {
        const double when = 0.24 + 0.03 * g + 0.01 * NextNoise(noise);
        const double frequency = 3200.0 + 700.0 * NextNoise(noise);
        AddTone(mix, rate, static_cast<std::size_t>(when * rate), static_cast<std::size_t>(0.02 * rate), frequency,
                0.12 * (1.0 - g / 10.0), 0.0, grainShape);
    }
    NormalizePeak(mix, 0.70);
    FadeEnds(mix, static_cast<std::size_t>(0.003 * rate), static_cast<std::size_t>(0.12 * rate));
    return mix;
}

// Miss cue: two soft descending buzzy tones that sag in pitch, a gentle "bwomp".
StereoMix MakeMissBuzz(const SoundEntry& item) {
    const int rate = item.sampleRate;
    const std::size_t frames = FramesOf(item);
    StereoMix mix = MakeMix(frames, false);
    // Harmonics fall off steeply so the buzz stays soft, not rasping.
    const Wavetable buzzTable = MakeWavetable({1.0, 0.45, 0.28, 0.16, 0.10, 0.06, 0.035, 0.02});
    const ToneShape firstShape = {&buzzTable, 0.025, 0.25, 0.6, 0.08, 0.0, 0.04, 0.06};
    const ToneShape secondShape = {&buzzTable, 0.03, 0.35, 0.5, 0.2, 0.0, 0.06, 0.08};
    AddTone(mix, rate, 0, static_cast<std::size_t>(0.26 * rate), NoteFrequency(55), 0.5, 0.0, firstShape);
    AddTone(mix, rate, static_cast<std::size_t>(0.30 * rate), static_cast<std::size_t>(0.26 * rate),
            NoteFrequency(50), 0.55, 0.0, secondShape);
    NormalizePeak(mix, 0.45);  // quieter than the found chime: a miss shouldn't sting
    FadeEnds(mix, static_cast<std::size_t>(0.005 * rate), static_cast<std::size_t>(0.03 * rate));
    return mix;
}

// Button click: a woody tick, two damped body modes and a breath of noise, gone by 40 ms.
StereoMix MakeClickTick(const SoundEntry& item) {
    const int rate = item.sampleRate;
    const std::size_t frames = FramesOf(item);
    StereoMix mix = MakeMix(frames, false);
    const Wavetable& sine = SineTable();
    const std::size_t length = static_cast<std::size_t>(0.04 * rate);
    const std::size_t fadeStart = static_cast<std::size_t>(0.025 * rate);
    const double highDecay = DecayPerFrame(0.004, rate);
    const double lowDecay = DecayPerFrame(0.007, rate);
    const double noiseDecay = DecayPerFrame(0.0015, rate);
    const std::uint32_t highStep = PhaseStep(2350.0, rate);
    const std::uint32_t lowStep = PhaseStep(930.0, rate);
    double high = 0.55, low = 0.45, breath = 0.30, previous = 0.0;
    std::uint32_t highPhase = 0, lowPhase = 0, noise = 0xC11Cu;
    for (std::size_t i = 0; i < length && i < frames; ++i) {
        const double white = NextNoise(noise);
        double value = LookUp(sine, highPhase) * high + LookUp(sine, lowPhase) * low + (white - previous) * 0.5 * breath;
        previous = white;
        if (i < 12) value *= i / 12.0;
        if (i >= fadeStart) value *= static_cast<double>(length - i) / (length - fadeStart);
        highPhase += highStep;
        lowPhase += lowStep;
        high *= highDecay;
        low *= lowDecay;
        breath *= noiseDecay;
        AddFrame(mix, i, value, value);
    }
    NormalizePeak(mix, 0.55);
    return mix;
}

}  // namespace

std::vector<std::uint8_t> MakeSoundData(const SoundEntry& item) {
    StereoMix mix;
    // The catalogue's synthesiser for each sound id; two rows with one id do not compile.
    switch (item.id) {
#define SOUND(symbol, id, file, channels, sampleRate, bitsPerSample, dataBytes, synthesiser) \
        case id: mix = synthesiser(item); break;
#include "catalogue.inc"
        default: mix = MakeMix(FramesOf(item), false); break;
    }
    std::vector<std::uint8_t> bytes = item.bitsPerSample == 8 ? EncodeMono8(mix) : EncodeStereo16(mix);
    bytes.resize(item.dataBytes, item.bitsPerSample == 8 ? 128 : 0);  // frames never exceed the data size
    return bytes;
}
