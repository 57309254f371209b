#!/usr/bin/python3
"""Judges the audio test's recording against the game's own WAVE resources.

    hear.py --recording RAW --rate RATE --events EVENTS --sounds DIR
            --busy-delay-ms MEDIAN MAX --stalls STALLS --wine-trace TRACE

RAW is s16le stereo at RATE with its first frame's CLOCK_MONOTONIC_RAW time in
RAW.start; EVENTS has "LABEL SECONDS" lines (ref1..ref6, the reference
window's releases; launch, window, start, find, miss1..miss9, back, end, the
game's) on the same clock. Every sound is found by normalised
cross-correlation of the recording (mono) against the resource, resampled to
RATE; then the whole recording is rebuilt from the resources as it should
have played, one sound at a time, each cut by the next, and what the rebuild
leaves over must be quiet. Prints one line a check and exits 1 when any
fails.

The reference window plays found and miss in turn at its releases: the
slowest of those cues but the first is the floor of this machine at this
moment (Wine's device opening, the sound server). The first cue a process
plays also loads Wine's sound stack; the game's first is the title music at
launch, which no release waits for. The game asks for its cue at the paint
after the release, which can wait for the paint under way and its busy
delay; so a game cue is held to the fixed limit, or, where the machine is
slower than that allows, to the floor plus the busy delay plus a margin.
A cue later than that is failed where the game is to blame: TRACE (Wine's
+timestamp,+winmm) says when the game called PlaySound, and the game's share
is the time from the release to that call, less any moment STALLS
(stall_watch.py's) says the machine held back every ordinary process. A
share within the busy delay and the margin leaves the rest to Wine's sound
path, which is reported, not failed.
"""
import argparse
import sys
import wave

import numpy as np

MUSIC, FOUND, MISS, CLICK, SPARE = "music", "found", "miss", "click", "spare"
CUE_LATENCY_LIMIT = 0.150  # seconds from a release to its cue ...
FLOOR_MARGIN = 0.050       # ... or the floor, the busy delay and this, if later
FIRST_SOUND_MOST = 1.0     # a process's first sound, from PlaySound to the speaker
REFERENCE_CUES = 6         # the reference window's releases, found and miss in turn
MATCH_LEAST = 0.80         # normalised correlation that counts as "this sound"
EARLY_PART_LEAST = 0.50    # ... for the part of a sound heard before an early underrun
SPARE_MOST = 0.30          # the spare sound must match nowhere near that well
LEFTOVER_MOST_DB = -12.0   # what the rebuild leaves, against the sound, per 50 ms: the
                           # found cue's high partials resample to about -20 dB; a second
                           # sound at once leaves about 0 dB
LEFTOVER_FLOOR_DBFS = -30.0  # ... or against this, where the sound is quieter
QUIET_DBFS = -50.0         # where the rebuild is silent the recording must be too
SLIP_MOST = 0.003          # a sound may slip this far (frames dropped or repeated under load)
LOOP_SEAM_MOST = 0.010     # the music's second pass starts this close to its end

failures = 0


def check(holds, what, detail):
    global failures
    if not holds:
        failures += 1
    print("  %s %s: %s" % ("ok  " if holds else "FAIL", what, detail))
    return holds


def db(x):
    return 20.0 * np.log10(max(x, 1e-12))


def load_sound(path, rate):
    """A WAVE resource as mono floats (full scale 1) at the recording's rate.
    Resampled by linear interpolation, as Wine's own converter does."""
    with wave.open(path) as w:
        frames = w.readframes(w.getnframes())
        width, channels, own_rate = w.getsampwidth(), w.getnchannels(), w.getframerate()
    if width == 1:
        samples = (np.frombuffer(frames, np.uint8).astype(np.float64) - 128.0) / 128.0
    else:
        samples = np.frombuffer(frames, "<i2").astype(np.float64) / 32768.0
    mono = samples.reshape(-1, channels).mean(axis=1)
    if own_rate == rate:
        return mono
    times = np.arange(int(len(mono) * rate / own_rate)) * own_rate / rate
    return np.interp(times, np.arange(len(mono)), mono)


def correlate(signal, ref):
    """Normalised cross-correlation of ref at every lag that fits in signal."""
    n = len(signal) + len(ref)
    size = 1 << (n - 1).bit_length()
    raw = np.fft.irfft(np.fft.rfft(signal, size) * np.conj(np.fft.rfft(ref, size)), size)
    lags = len(signal) - len(ref) + 1
    if lags <= 0:
        return np.zeros(0)
    energy = np.concatenate(([0.0], np.cumsum(signal * signal)))
    window = energy[len(ref):len(ref) + lags] - energy[:lags]
    return raw[:lags] / np.sqrt(np.maximum(window, 1e-12) * np.dot(ref, ref))


def best_match(rec, ref, first, last):
    """(correlation, lag in frames, refined to a fraction) of ref starting in [first, last)."""
    first = max(first, 0)
    last = min(last, len(rec) - len(ref))
    if last <= first:
        return 0.0, first
    curve = correlate(rec[first:last + len(ref)], ref)
    i = int(np.argmax(curve))
    shift = 0.0
    if 0 < i < len(curve) - 1:
        a, b, c = curve[i - 1], curve[i], curve[i + 1]
        if a - 2 * b + c < 0:
            shift = 0.5 * (a - c) / (a - 2 * b + c)
    return float(curve[i]), first + i + shift


def resumed_lag(rec, sound, frame, expected_lag, loops, rate):
    """Where a sound goes on after an underrun at frame: the lag that fits
    the next quarter second best, within 0.4 s of where a plain gap would
    have put it."""
    reach = int(0.4 * rate)
    template = rec[frame:frame + rate // 4]
    position = int(round(frame - expected_lag))
    if len(template) < rate // 20 or not np.any(template):
        return expected_lag
    low = position - reach
    high = position + reach + len(template)
    if not loops:
        low, high = max(low, 0), min(high, len(sound))
    indices = np.arange(low, high)
    curve = correlate(sound[indices % len(sound)], template)
    if not len(curve):
        return expected_lag
    return frame - (low + int(np.argmax(curve)))


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--recording", required=True)
    parser.add_argument("--rate", type=int, required=True)
    parser.add_argument("--events", required=True)
    parser.add_argument("--sounds", required=True)
    parser.add_argument("--busy-delay-ms", type=float, nargs=2, required=True, metavar=("MEDIAN", "MAX"))
    parser.add_argument("--stalls", required=True)
    parser.add_argument("--wine-trace", required=True)
    args = parser.parse_args()
    rate = args.rate

    pcm = np.fromfile(args.recording, "<i2").reshape(-1, 2)
    start = float(open(args.recording + ".start").read())
    events = {}
    for line in open(args.events):
        label, seconds = line.split()
        events[label] = float(seconds) - start
    rec = pcm.astype(np.float64).mean(axis=1) / 32768.0
    asked = []  # when PlaySound was called, in seconds of the recording
    for line in open(args.wine_trace, errors="replace"):
        fields = line.split(":")
        if len(fields) > 4 and fields[4].startswith("MULTIMEDIA_PlaySound"):
            asked.append(float(fields[0]) - start)
    stalls = []  # (start, end) in seconds of the recording
    for line in open(args.stalls):
        begin, ms = line.split()
        stalls.append((float(begin) - start, float(begin) - start + float(ms) / 1000.0))
    sounds = {name: load_sound("%s/%s.wav" % (args.sounds, name), rate) for name in (MUSIC, FOUND, MISS, CLICK, SPARE)}
    # What is matched: enough of each sound to tell it from the others.
    heads = {
        MUSIC: sounds[MUSIC][:rate],
        FOUND: sounds[FOUND][:int(0.3 * rate)],
        MISS: sounds[MISS][:int(0.3 * rate)],
        CLICK: sounds[CLICK][:int(0.05 * rate)],
        SPARE: sounds[SPARE][:3 * rate],
    }
    at = lambda seconds: int(round(seconds * rate))
    # Runs of exact digital silence of a millisecond or more: between
    # sounds, and inside one where the player underran.
    silent = np.concatenate(([False], np.all(pcm == 0, axis=1), [False]))
    edges = np.flatnonzero(np.diff(silent.astype(np.int8)))
    gaps = [(a, b) for a, b in zip(edges[::2], edges[1::2]) if b - a >= rate // 1000]

    def earlier_start(head, lead, lag):
        """The head matched at lag, but lag falls in a short silence: an
        underrun early in the sound, the rest of the head matching as if
        the sound had started there. If what the recording holds between
        the silence before and that underrun is the head's beginning, the
        sound started at the end of that silence."""
        begin = int(round(lag)) + lead
        short = [(a, b) for a, b in gaps if a - rate // 200 <= begin <= b + rate // 200 and b - a < rate // 10]
        if not short:
            return lag
        a = short[0][0]
        silences = [b for c, b in gaps if b - c >= rate // 10 and b <= a]
        if not silences or not rate // 100 <= a - silences[-1] <= rate // 2:
            return lag
        heard = a - silences[-1]
        slack = rate // 500
        part_score, part_lag = best_match(rec[silences[-1] - slack:a + slack], head[lead:lead + heard], 0, 2 * slack)
        # (A lower bar: a few tens of milliseconds at a stream's start,
        # where the player is still settling.)
        if part_score < EARLY_PART_LEAST:
            return lag
        return silences[-1] - slack + part_lag - lead

    def onset_match(name, first, last):
        """(correlation, lag) of the sound's head starting in [first, last).
        An underrun early in the head can leave the rest matching late
        (earlier_start). One inside it moves what follows later and can drop
        a few frames, so the head matches poorly. Then a later quarter of it
        that matches tells the sound, and the sound began where the silence
        before it ended: the last run of 100 ms or more (an underrun is
        shorter) before that quarter."""
        head = heads[name]
        lead = int(np.flatnonzero(head)[0])  # the sound's own silence at its start
        score, lag = best_match(rec, head, first, last)
        if score >= MATCH_LEAST:
            return score, earlier_start(head, lead, lag)
        piece = len(head) // 4
        for k in range(1, 4):
            part_score, part_lag = best_match(rec, head[k * piece:(k + 1) * piece], first + k * piece,
                                              last + k * piece + rate // 2)
            if part_score < MATCH_LEAST:
                continue
            silences = [b for a, b in gaps if b - a >= rate // 10 and b < part_lag]
            if not silences:
                continue
            onset = silences[-1] - lead
            plain = part_lag - k * piece  # where it began had nothing been lost
            if first <= onset < last and -rate // 100 <= plain - onset <= rate // 2:
                return part_score, onset
        return score, lag

    print("  recording: %.1f s, %d Hz; the game's window showed %.2f s after launch"
          % (len(rec) / rate, rate, events["window"] - events["launch"]))

    # ---------------------------------------------------- full scale
    peak = int(np.abs(pcm.astype(np.int32)).max())
    clipped = int(np.count_nonzero((pcm == 32767) | (pcm == -32768)))
    check(clipped == 0, "no sample at full scale",
          "%d samples at full scale; peak %d (%.1f dBFS)" % (clipped, peak, db(peak / 32768.0)))

    # ---------------------------------------------------- each sound
    played = []  # (frame it starts at, sound)

    def stalled_between(begin, end):
        return sum(max(0.0, min(b, end) - max(a, begin)) for a, b in stalls)

    def heard_after(label, expected, limit=None, window_seconds=1.0):
        """The sound that starts soonest after the release: it must be the
        expected one, and start within the limit where there is one. Returns
        how long after the release it started."""
        release = events[label]
        matches = {}
        for name in (FOUND, MISS, CLICK, MUSIC):
            matches[name] = onset_match(name, at(release - 0.05), at(release + window_seconds))
        name = max(matches, key=lambda n: matches[n][0])
        score, lag = matches[name]
        delay = lag / rate - release
        heard = "%s (match %.2f) %d ms after the release" % (name, score, round(delay * 1000))
        if score < MATCH_LEAST:
            check(False, "%s plays %s" % (label, expected), "no sound matches; best is " + heard)
            return None
        if not check(name == expected, "%s plays %s" % (label, expected), "heard " + heard):
            return None
        if limit is not None and delay <= limit:
            check(delay >= -0.020, "%s's %s starts within %d ms" % (label, expected, round(limit * 1000)),
                  "%d ms" % round(delay * 1000))
        elif limit is not None:
            calls = [t for t in asked if release - 0.005 <= t <= release + delay]
            if not calls:
                check(False, "%s's %s starts within %d ms" % (label, expected, round(limit * 1000)),
                      "%d ms, and Wine's trace has no PlaySound call for it" % round(delay * 1000))
            else:
                share = calls[0] - release
                stalled = stalled_between(release, calls[0])
                check(share - stalled <= delay_max + FLOOR_MARGIN,
                      "%s's %s starts within %d ms, or the game asked for it in time" % (label, expected, round(limit * 1000)),
                      "%d ms; the game called PlaySound %d ms after the release%s, Wine took %d ms more%s" % (
                          round(delay * 1000), round(share * 1000),
                          " (the machine held every process back %d ms of that)" % round(stalled * 1000) if stalled else "",
                          round((delay - share) * 1000),
                          ": Wine's sound path was late, not judged" if share - stalled <= delay_max + FLOOR_MARGIN else ""))
        played.append((lag, name))
        return delay

    # The floor: the reference window's cues, at the release itself.
    floor_delays = [heard_after("ref%d" % n, FOUND if n % 2 else MISS) for n in range(1, REFERENCE_CUES + 1)]
    # (A stall of the whole machine during one of them is not the floor.)
    floor = max([d - stalled_between(events["ref%d" % n], events["ref%d" % n] + d)
                 for n, d in enumerate(floor_delays, 1) if n > 1 and d is not None], default=0.0)
    delay_median, delay_max = (ms / 1000.0 for ms in args.busy_delay_ms)
    limit = max(CUE_LATENCY_LIMIT, floor + delay_max + FLOOR_MARGIN)
    print("  floor: the reference window's cues %s ms after the release; busy delay %.1f ms (median), %.1f ms (max);"
          " so a game cue may take %d ms" % (
              "/".join("-" if d is None else "%d" % round(d * 1000) for d in floor_delays),
              delay_median * 1000, delay_max * 1000, round(limit * 1000)))

    # The music from launch: asked for before the window is made, and heard
    # within a second of that. It is the process's first sound: Wine loads
    # its sound stack for it while the game loads its pictures, 0.3 to 0.7 s
    # (the reference's first cue, with nothing else to load, is printed).
    score, lag = onset_match(MUSIC, at(events["launch"]), at(events["window"] + 2.0))
    onset = lag / rate
    first_sound = floor_delays[0] or 0.0
    if check(score >= MATCH_LEAST, "the music plays from launch",
             "match %.2f, from %.2f s after launch" % (score, onset - events["launch"])):
        calls = [t for t in asked if events["launch"] <= t <= onset]
        if check(bool(calls) and calls[0] < events["window"], "the music is asked for before the window shows",
                 "PlaySound %.2f s before" % (events["window"] - calls[0]) if calls else "no PlaySound call in Wine's trace"):
            check(onset - calls[0] <= FIRST_SOUND_MOST, "the music is heard within %.1f s of its call" % FIRST_SOUND_MOST,
                  "%d ms after PlaySound; the reference's first cue took %d ms"
                  % (round((onset - calls[0]) * 1000), round(first_sound * 1000)))
        played.append((lag, MUSIC))
    heard_after("start", CLICK, limit)
    heard_after("find", FOUND, limit)
    for n in range(1, 10):
        heard_after("miss%d" % n, MISS, limit)
    heard_after("back", MUSIC, limit)

    # The spare sound, nowhere.
    spare_curve = correlate(rec, heads[SPARE])
    worst = float(spare_curve.max()) if len(spare_curve) else 0.0
    check(worst < SPARE_MOST, "the spare sound is never heard", "best match anywhere %.2f" % worst)

    # ---------------------------------------------------- one at a time
    # The rebuild: each sound from where it was found, at the level that
    # fits it best, until the next one starts (the music looping, cues to
    # their end); silence elsewhere. A stretch of exact digital silence
    # inside a sound is an underrun (the machine kept the player from
    # writing in time): the sound resumes after it where it stopped, so the
    # rebuild moves on by the gap. Underruns are counted, not failed: they
    # come from the load on the machine, not from the game.
    played.sort()
    rebuild = np.zeros_like(rec)
    spans = []
    underruns = []
    all_pieces = []  # (first frame, end, lag, sound)
    for i, (lag, name) in enumerate(played):
        begin = int(np.ceil(lag))
        # The last sound is judged up to the "end" mark: then the game is stopped.
        end = int(played[i + 1][0]) if i + 1 < len(played) else min(at(events["end"]), len(rec))
        # A sound stops a moment before the next one starts (the player stops
        # one stream, then starts the next): the silence between is no underrun.
        for a, b in gaps:
            if begin < a < end <= b + rate // 100:
                end = a
        sound = sounds[name]
        if name != MUSIC:
            end = min(end, begin + len(sound) - 1)
        pieces = []
        piece_begin, piece_lag = begin, lag
        for a, b in gaps:
            if piece_begin < a and b < end:
                pieces.append((piece_begin, a, piece_lag))
                underruns.append((a, b, name))
                piece_lag = resumed_lag(rec, sound, b, piece_lag + (b - a), name == MUSIC, rate)
                piece_begin = b
                if name != MUSIC:
                    after = int(played[i + 1][0]) if i + 1 < len(played) else len(rec)
                    end = min(after, int(np.ceil(piece_lag)) + len(sound) - 1)
        pieces.append((piece_begin, end, piece_lag))
        all_pieces.extend((first, last, piece_lag, name) for first, last, piece_lag in pieces)
        for first, last, piece_lag in pieces:
            if last <= first:
                continue
            positions = (np.arange(first, last) - piece_lag) % len(sound)
            part = np.interp(positions, np.arange(len(sound)), sound)
            level = np.dot(part, rec[first:last]) / max(np.dot(part, part), 1e-12)
            rebuild[first:last] = level * part
        spans.append((begin, end, name))
    leftover = rec - rebuild
    block = rate // 20
    worst_db, worst_at, loud_gap_db, loud_gap_at = -999.0, 0, -999.0, 0
    # Blocks next to an underrun are not judged: the player's recovery
    # there (a few frames dropped or repeated) is the machine's doing too.
    unjudged = np.zeros(len(rec) // block + 1, dtype=bool)
    for a, b, _ in underruns:
        unjudged[max(a // block - 1, 0):b // block + 2] = True
    # Nor are the blocks where one sound hands over to the next: the
    # player's ramp there is its own.
    for begin, end, name in spans:
        unjudged[max(begin // block - 1, 0):begin // block + 2] = True
        unjudged[max(end // block - 1, 0):end // block + 2] = True
    # A cue may lose its tail to the recovery: after its first underrun the
    # rest of it is not judged either.
    for begin, end, name in spans:
        hits = [a for a, b, n in underruns if n == name and begin <= a < end]
        if name != MUSIC and hits:
            unjudged[max(min(hits) // block - 1, 0):end // block + 2] = True
    def realigned_leftover(first):
        """A block's leftover with its sound slipped by up to SLIP_MOST, and
        the slip: a player that drops or repeats a few frames under load
        (no silence to show for it) moves everything after by that much."""
        covering = [p for p in all_pieces if p[0] <= first < p[1]]
        if not covering:
            return None, 0
        _, last, piece_lag, name = covering[-1]
        sound = sounds[name]
        block_end = min(first + block, last)
        target = rec[first:block_end]
        reach = int(SLIP_MOST * rate)
        slips = np.arange(-reach, reach + 1)
        # Every slip at once: one row of the sound per slip.
        positions = (np.arange(first, block_end)[None, :] - piece_lag - slips[:, None]) % len(sound)
        parts = np.interp(positions.ravel(), np.arange(len(sound)), sound).reshape(positions.shape)
        levels = parts @ target / np.maximum(np.einsum("ij,ij->i", parts, parts), 1e-12)
        left = np.sqrt(np.mean((target[None, :] - levels[:, None] * parts) ** 2, axis=1))
        best = int(np.argmin(left))
        return float(left[best]), int(slips[best])

    # Each judged block: its leftover against the sound, and the slip that
    # gave it (None where the rebuild needed none).
    judged = []
    for first in range(0, min(at(events["end"]), len(rec)) - block, block):
        if unjudged[first // block]:
            continue
        piece = slice(first, first + block)
        sound_rms = np.sqrt(np.mean(rebuild[piece] ** 2))
        left_rms = np.sqrt(np.mean(leftover[piece] ** 2))
        if sound_rms > 10 ** (QUIET_DBFS / 20):
            # Against a floor, so the first millisecond of an attack in a
            # block does not make a fraction of a frame's offset count.
            floor = max(sound_rms, 10 ** (LEFTOVER_FLOOR_DBFS / 20))
            ratio, slip = db(left_rms / floor), None
            if ratio > LEFTOVER_MOST_DB:
                slipped, slip = realigned_leftover(first)
                if slipped is not None:
                    ratio = min(ratio, db(slipped / floor))
            judged.append((first, ratio, slip))
        elif db(left_rms) > loud_gap_db:
            loud_gap_db, loud_gap_at = db(left_rms), first
    # The block a slip happens in fits neither side: it is left out when
    # the blocks on both sides fit, each at its own slip. Two sounds at once
    # fit no slip for as long as they overlap, and are still caught.
    slipped_blocks = sum(1 for _, _, slip in judged if slip)
    slip_points = 0
    for i, (first, ratio, slip) in enumerate(judged):
        if ratio > LEFTOVER_MOST_DB and 0 < i < len(judged) - 1:
            before, after = judged[i - 1], judged[i + 1]
            if (before[0] == first - block and after[0] == first + block and before[1] <= LEFTOVER_MOST_DB
                    and after[1] <= LEFTOVER_MOST_DB and (before[2] or 0) != (after[2] or 0)):
                slip_points += 1
                continue
        if ratio > worst_db:
            worst_db, worst_at = ratio, first

    # The music's second pass follows the first seamlessly: the first
    # pass's last quarter second ends where the second pass begins.
    if played and played[0][1] == MUSIC:
        length = len(sounds[MUSIC])
        expected = played[0][0] + length + sum(b - a for a, b, n in underruns if n == MUSIC and a < played[0][0] + length)
        score2, lag2 = best_match(rec, heads[MUSIC], int(expected - 0.6 * rate), int(expected + 0.6 * rate))
        tail = sounds[MUSIC][-rate // 4:]
        score3, tail_lag = best_match(rec, tail, int(lag2 - len(tail) - 0.1 * rate), int(lag2 - len(tail) + 0.1 * rate))
        seam = (lag2 - tail_lag - len(tail)) / rate
        check(min(score2, score3) >= MATCH_LEAST and abs(seam) <= LOOP_SEAM_MOST, "the music loops",
              "second pass at %.2f s (match %.2f), %+.1f ms after the first pass's end (match %.2f)"
              % (lag2 / rate, score2, seam * 1000, score3))
    print("  slips (the load on the machine): %d blocks judged with the sound moved by up to %.0f ms, %d left out where it moved"
          % (slipped_blocks, SLIP_MOST * 1000, slip_points))
    print("  underruns (the load on the machine; not judged): %d, %.0f ms in all%s" % (
        len(underruns), sum(b - a for a, b, _ in underruns) * 1000.0 / rate,
        "".join(", %d ms in %s at %.2f s" % ((b - a) * 1000 // rate, n, a / rate) for a, b, n in underruns[:6])))

    def where(frame):
        name = "before any sound"
        for begin, end, sound in spans:
            if frame >= begin:
                name = "%s from %.2f s" % (sound, begin / rate)
        return "at %.2f s (%s)" % (frame / rate, name)

    check(worst_db <= LEFTOVER_MOST_DB, "one sound at a time, each the resource itself",
          "what the rebuild leaves is at most %.1f dB against the sound, %s" % (worst_db, where(worst_at)))
    check(loud_gap_db <= QUIET_DBFS, "silence where no sound plays",
          "loudest %.1f dBFS, %s" % (loud_gap_db, where(loud_gap_at)))

    print("== %d checks failed" % failures if failures else "== all checks hold")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
