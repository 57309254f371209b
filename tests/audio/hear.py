#!/usr/bin/python3
"""Judges the audio test's recording against the game's own WAVE resources.

    hear.py --recording RAW --rate RATE --events EVENTS --sounds DIR
            --busy-delay-ms MEDIAN MAX --stalls STALLS --wine-trace TRACE

(test_audio.py calls judge() itself; the command re-judges a kept recording.)

RAW is s16le stereo at RATE with its first frame's CLOCK_MONOTONIC_RAW time in
RAW.start; EVENTS has "LABEL SECONDS" lines (ref1..ref6, the reference
window's releases; launch, window, start, find, miss1..miss9, back, end, the
game's) on the same clock, in seconds. Every sound is found by normalised
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


class Hearing:
    """One recording, what the events say was played into it, and the
    checks made of it so far."""

    def __init__(self, recording, rate, events, sounds_dir, busy_delay_ms, stalls_path, trace_path, out):
        self.rate, self.out = rate, out
        self.lines, self.failures = [], []
        self.pcm = np.fromfile(recording, "<i2").reshape(-1, 2)
        start = float(open(recording + ".start").read())
        self.events = {label: seconds - start for label, seconds in events.items()}
        self.rec = self.pcm.astype(np.float64).mean(axis=1) / 32768.0
        self.asked = read_playsound_calls(trace_path, start)
        self.stalls = read_stalls(stalls_path, start)
        self.sounds = {name: load_sound("%s/%s.wav" % (sounds_dir, name), rate)
                       for name in (MUSIC, FOUND, MISS, CLICK, SPARE)}
        # What is matched: enough of each sound to tell it from the others.
        self.heads = {
            MUSIC: self.sounds[MUSIC][:rate],
            FOUND: self.sounds[FOUND][:int(0.3 * rate)],
            MISS: self.sounds[MISS][:int(0.3 * rate)],
            CLICK: self.sounds[CLICK][:int(0.05 * rate)],
            SPARE: self.sounds[SPARE][:3 * rate],
        }
        self.gaps = digital_silences(self.pcm, rate)
        self.delay_median, self.delay_max = (ms / 1000.0 for ms in busy_delay_ms)
        self.played = []  # (frame it starts at, sound)
        self.music_from_launch = None  # the frame it starts at

    def say(self, line):
        self.lines.append(line)
        print(line, file=self.out)

    def check(self, holds, what, detail):
        line = "  %s %s: %s" % ("ok  " if holds else "FAIL", what, detail)
        self.say(line)
        if not holds:
            self.failures.append(line.strip())
        return holds

    def at(self, seconds):
        return int(round(seconds * self.rate))

    def stalled_between(self, begin, end):
        return sum(max(0.0, min(b, end) - max(a, begin)) for a, b in self.stalls)

    # ------------------------------------------------------------ onsets
    def earlier_start(self, head, lead, lag):
        """The head matched at lag, but lag falls in a short silence: an
        underrun early in the sound, the rest of the head matching as if
        the sound had started there. If what the recording holds between
        the silence before and that underrun is the head's beginning, the
        sound started at the end of that silence."""
        rate = self.rate
        begin = int(round(lag)) + lead
        short = [(a, b) for a, b in self.gaps if a - rate // 200 <= begin <= b + rate // 200 and b - a < rate // 10]
        if not short:
            return lag
        a = short[0][0]
        silences = [b for c, b in self.gaps if b - c >= rate // 10 and b <= a]
        if not silences or not rate // 100 <= a - silences[-1] <= rate // 2:
            return lag
        heard = a - silences[-1]
        slack = rate // 500
        part_score, part_lag = best_match(self.rec[silences[-1] - slack:a + slack], head[lead:lead + heard], 0,
                                          2 * slack)
        # (A lower bar: a few tens of milliseconds at a stream's start,
        # where the player is still settling.)
        if part_score < EARLY_PART_LEAST:
            return lag
        return silences[-1] - slack + part_lag - lead

    def onset_match(self, name, first, last):
        """(correlation, lag) of the sound's head starting in [first, last).
        An underrun early in the head can leave the rest matching late
        (earlier_start). One inside it moves what follows later and can drop
        a few frames, so the head matches poorly. Then a later quarter of it
        that matches tells the sound, and the sound began where the silence
        before it ended: the last run of 100 ms or more (an underrun is
        shorter) before that quarter."""
        rate = self.rate
        head = self.heads[name]
        lead = int(np.flatnonzero(head)[0])  # the sound's own silence at its start
        score, lag = best_match(self.rec, head, first, last)
        if score >= MATCH_LEAST:
            return score, self.earlier_start(head, lead, lag)
        piece = len(head) // 4
        for k in range(1, 4):
            part_score, part_lag = best_match(self.rec, head[k * piece:(k + 1) * piece], first + k * piece,
                                              last + k * piece + rate // 2)
            if part_score < MATCH_LEAST:
                continue
            silences = [b for a, b in self.gaps if b - a >= rate // 10 and b < part_lag]
            if not silences:
                continue
            onset = silences[-1] - lead
            plain = part_lag - k * piece  # where it began had nothing been lost
            if first <= onset < last and -rate // 100 <= plain - onset <= rate // 2:
                return part_score, onset
        return score, lag

    # ------------------------------------------------------------ each sound
    def check_full_scale(self):
        peak = int(np.abs(self.pcm.astype(np.int32)).max())
        clipped = int(np.count_nonzero((self.pcm == 32767) | (self.pcm == -32768)))
        self.check(clipped == 0, "no sample at full scale",
                   "%d samples at full scale; peak %d (%.1f dBFS)" % (clipped, peak, db(peak / 32768.0)))

    def heard_after(self, label, expected, limit=None, window_seconds=1.0):
        """The sound that starts soonest after the release: it must be the
        expected one, and start within the limit where there is one. Returns
        how long after the release it started."""
        release = self.events[label]
        matches = {name: self.onset_match(name, self.at(release - 0.05), self.at(release + window_seconds))
                   for name in (FOUND, MISS, CLICK, MUSIC)}
        name = max(matches, key=lambda n: matches[n][0])
        score, lag = matches[name]
        delay = lag / self.rate - release
        heard = "%s (match %.2f) %d ms after the release" % (name, score, round(delay * 1000))
        if score < MATCH_LEAST:
            self.check(False, "%s plays %s" % (label, expected), "no sound matches; best is " + heard)
            return None
        if not self.check(name == expected, "%s plays %s" % (label, expected), "heard " + heard):
            return None
        if limit is not None:
            self.check_latency(label, expected, release, delay, limit)
        self.played.append((lag, name))
        return delay

    def check_latency(self, label, expected, release, delay, limit):
        """Within the limit; or, later, the game's share (release to its
        PlaySound call, less the machine's stalls) within the busy delay and
        the margin, the rest being Wine's."""
        what = "%s's %s starts within %d ms" % (label, expected, round(limit * 1000))
        if delay <= limit:
            self.check(delay >= -0.020, what, "%d ms" % round(delay * 1000))
            return
        calls = [t for t in self.asked if release - 0.005 <= t <= release + delay]
        if not calls:
            self.check(False, what, "%d ms, and Wine's trace has no PlaySound call for it" % round(delay * 1000))
            return
        share = calls[0] - release
        stalled = self.stalled_between(release, calls[0])
        in_time = share - stalled <= self.delay_max + FLOOR_MARGIN
        self.check(in_time, what + ", or the game asked for it in time",
                   "%d ms; the game called PlaySound %d ms after the release%s, Wine took %d ms more%s" % (
                       round(delay * 1000), round(share * 1000),
                       " (the machine held every process back %d ms of that)" % round(stalled * 1000) if stalled
                       else "", round((delay - share) * 1000),
                       ": Wine's sound path was late, not judged" if in_time else ""))

    def floor_limit(self):
        """The reference window's cues, at the release itself, and the limit
        they give a game cue; and the first of them (a process's first sound)."""
        delays = [self.heard_after("ref%d" % n, FOUND if n % 2 else MISS) for n in range(1, REFERENCE_CUES + 1)]
        # (A stall of the whole machine during one of them is not the floor.)
        floor = max([d - self.stalled_between(self.events["ref%d" % n], self.events["ref%d" % n] + d)
                     for n, d in enumerate(delays, 1) if n > 1 and d is not None], default=0.0)
        limit = max(CUE_LATENCY_LIMIT, floor + self.delay_max + FLOOR_MARGIN)
        self.say("  floor: the reference window's cues %s ms after the release; busy delay %.1f ms (median), "
                 "%.1f ms (max); so a game cue may take %d ms" % (
                     "/".join("-" if d is None else "%d" % round(d * 1000) for d in delays),
                     self.delay_median * 1000, self.delay_max * 1000, round(limit * 1000)))
        return limit, delays[0] or 0.0

    def check_music_from_launch(self, first_sound):
        """Asked for before the window is made, and heard within a second of
        that. It is the process's first sound: Wine loads its sound stack for
        it while the game loads its pictures, 0.3 to 0.7 s (the reference's
        first cue, with nothing else to load, is printed)."""
        launch, window = self.events["launch"], self.events["window"]
        score, lag = self.onset_match(MUSIC, self.at(launch), self.at(window + 2.0))
        onset = lag / self.rate
        if not self.check(score >= MATCH_LEAST, "the music plays from launch",
                          "match %.2f, from %.2f s after launch" % (score, onset - launch)):
            return
        calls = [t for t in self.asked if launch <= t <= onset]
        if self.check(bool(calls) and calls[0] < window, "the music is asked for before the window shows",
                      "PlaySound %.2f s before" % (window - calls[0]) if calls else "no PlaySound call in Wine's trace"):
            self.check(onset - calls[0] <= FIRST_SOUND_MOST, "the music is heard within %.1f s of its call"
                       % FIRST_SOUND_MOST, "%d ms after PlaySound; the reference's first cue took %d ms"
                       % (round((onset - calls[0]) * 1000), round(first_sound * 1000)))
        self.played.append((lag, MUSIC))
        self.music_from_launch = lag

    def check_spare(self):
        curve = correlate(self.rec, self.heads[SPARE])
        worst = float(curve.max()) if len(curve) else 0.0
        self.check(worst < SPARE_MOST, "the spare sound is never heard", "best match anywhere %.2f" % worst)

    # ------------------------------------------------------------ one at a time
    def rebuild(self):
        """The recording rebuilt: each sound from where it was found, at the
        level that fits it best, until the next one starts (the music
        looping, cues to their end); silence elsewhere. A stretch of exact
        digital silence inside a sound is an underrun (the machine kept the
        player from writing in time): the sound resumes after it where it
        stopped, so the rebuild moves on by the gap. Underruns are counted,
        not failed: they come from the load on the machine, not from the
        game. Returns (rebuild, spans, underruns, pieces)."""
        rate, rec, played = self.rate, self.rec, sorted(self.played)
        rebuild = np.zeros_like(rec)
        spans, underruns, all_pieces = [], [], []  # pieces: (first frame, end, lag, sound)
        for i, (lag, name) in enumerate(played):
            begin = int(np.ceil(lag))
            # The last sound is judged up to the "end" mark: then the game is stopped.
            end = int(played[i + 1][0]) if i + 1 < len(played) else min(self.at(self.events["end"]), len(rec))
            # A sound stops a moment before the next one starts (the player stops
            # one stream, then starts the next): the silence between is no underrun.
            for a, b in self.gaps:
                if begin < a < end <= b + rate // 100:
                    end = a
            sound = self.sounds[name]
            if name != MUSIC:
                end = min(end, begin + len(sound) - 1)
            pieces = []
            piece_begin, piece_lag = begin, lag
            for a, b in self.gaps:
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
        return rebuild, spans, underruns, all_pieces

    def unjudged_blocks(self, block, spans, underruns):
        """Blocks next to an underrun (the player's recovery there, a few
        frames dropped or repeated, is the machine's doing too), where one
        sound hands over to the next (the player's ramp there is its own),
        and a cue's tail after its first underrun."""
        unjudged = np.zeros(len(self.rec) // block + 1, dtype=bool)
        for a, b, _ in underruns:
            unjudged[max(a // block - 1, 0):b // block + 2] = True
        for begin, end, name in spans:
            unjudged[max(begin // block - 1, 0):begin // block + 2] = True
            unjudged[max(end // block - 1, 0):end // block + 2] = True
        for begin, end, name in spans:
            hits = [a for a, b, n in underruns if n == name and begin <= a < end]
            if name != MUSIC and hits:
                unjudged[max(min(hits) // block - 1, 0):end // block + 2] = True
        return unjudged

    def realigned_leftover(self, first, block, pieces):
        """A block's leftover with its sound slipped by up to SLIP_MOST, and
        the slip: a player that drops or repeats a few frames under load
        (no silence to show for it) moves everything after by that much."""
        covering = [p for p in pieces if p[0] <= first < p[1]]
        if not covering:
            return None, 0
        _, last, piece_lag, name = covering[-1]
        sound = self.sounds[name]
        block_end = min(first + block, last)
        target = self.rec[first:block_end]
        reach = int(SLIP_MOST * self.rate)
        slips = np.arange(-reach, reach + 1)
        # Every slip at once: one row of the sound per slip.
        positions = (np.arange(first, block_end)[None, :] - piece_lag - slips[:, None]) % len(sound)
        parts = np.interp(positions.ravel(), np.arange(len(sound)), sound).reshape(positions.shape)
        levels = parts @ target / np.maximum(np.einsum("ij,ij->i", parts, parts), 1e-12)
        left = np.sqrt(np.mean((target[None, :] - levels[:, None] * parts) ** 2, axis=1))
        best = int(np.argmin(left))
        return float(left[best]), int(slips[best])

    def judge_blocks(self, rebuild, spans, underruns, pieces):
        """Each judged 50 ms block's leftover against its sound (with the slip
        that gave it, None where none was needed), and the loudest block
        where no sound plays. Returns (judged, loudest gap dB, its frame)."""
        block = self.rate // 20
        leftover = self.rec - rebuild
        unjudged = self.unjudged_blocks(block, spans, underruns)
        judged, loud_gap_db, loud_gap_at = [], -999.0, 0
        for first in range(0, min(self.at(self.events["end"]), len(self.rec)) - block, block):
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
                    slipped, slip = self.realigned_leftover(first, block, pieces)
                    if slipped is not None:
                        ratio = min(ratio, db(slipped / floor))
                judged.append((first, ratio, slip))
            elif db(left_rms) > loud_gap_db:
                loud_gap_db, loud_gap_at = db(left_rms), first
        return judged, loud_gap_db, loud_gap_at

    def worst_block(self, judged):
        """The worst judged block but slip points: the block a slip happens in
        fits neither side, and is left out when the blocks on both sides fit,
        each at its own slip. Two sounds at once fit no slip for as long as
        they overlap, and are still caught. Returns (dB, frame, slip points)."""
        block = self.rate // 20
        worst_db, worst_at, slip_points = -999.0, 0, 0
        for i, (first, ratio, slip) in enumerate(judged):
            if ratio > LEFTOVER_MOST_DB and 0 < i < len(judged) - 1:
                before, after = judged[i - 1], judged[i + 1]
                if (before[0] == first - block and after[0] == first + block and before[1] <= LEFTOVER_MOST_DB
                        and after[1] <= LEFTOVER_MOST_DB and (before[2] or 0) != (after[2] or 0)):
                    slip_points += 1
                    continue
            if ratio > worst_db:
                worst_db, worst_at = ratio, first
        return worst_db, worst_at, slip_points

    def check_loop(self, underruns):
        """The music's second pass follows the first seamlessly: the first
        pass's last quarter second ends where the second pass begins. (The
        first pass is the music from launch, not the first sound played: the
        reference window's cues come before it.)"""
        if self.music_from_launch is None:
            self.check(False, "the music loops", "no music from launch to follow")
            return
        rate, music, first = self.rate, self.sounds[MUSIC], self.music_from_launch
        expected = first + len(music) + sum(b - a for a, b, n in underruns if n == MUSIC and a < first + len(music))
        score2, lag2 = best_match(self.rec, self.heads[MUSIC], int(expected - 0.6 * rate), int(expected + 0.6 * rate))
        tail = music[-rate // 4:]
        score3, tail_lag = best_match(self.rec, tail, int(lag2 - len(tail) - 0.1 * rate),
                                      int(lag2 - len(tail) + 0.1 * rate))
        seam = (lag2 - tail_lag - len(tail)) / rate
        self.check(min(score2, score3) >= MATCH_LEAST and abs(seam) <= LOOP_SEAM_MOST, "the music loops",
                   "second pass at %.2f s (match %.2f), %+.1f ms after the first pass's end (match %.2f)"
                   % (lag2 / rate, score2, seam * 1000, score3))

    def where(self, frame, spans):
        name = "before any sound"
        for begin, end, sound in spans:
            if frame >= begin:
                name = "%s from %.2f s" % (sound, begin / self.rate)
        return "at %.2f s (%s)" % (frame / self.rate, name)

    def check_one_at_a_time(self):
        rebuild, spans, underruns, pieces = self.rebuild()
        judged, loud_gap_db, loud_gap_at = self.judge_blocks(rebuild, spans, underruns, pieces)
        worst_db, worst_at, slip_points = self.worst_block(judged)
        self.check_loop(underruns)
        rate = self.rate
        self.say("  slips (the load on the machine): %d blocks judged with the sound moved by up to %.0f ms, "
                 "%d left out where it moved" % (sum(1 for _, _, slip in judged if slip), SLIP_MOST * 1000,
                                                  slip_points))
        self.say("  underruns (the load on the machine; not judged): %d, %.0f ms in all%s" % (
            len(underruns), sum(b - a for a, b, _ in underruns) * 1000.0 / rate,
            "".join(", %d ms in %s at %.2f s" % ((b - a) * 1000 // rate, n, a / rate) for a, b, n in underruns[:6])))
        self.check(worst_db <= LEFTOVER_MOST_DB, "one sound at a time, each the resource itself",
                   "what the rebuild leaves is at most %.1f dB against the sound, %s"
                   % (worst_db, self.where(worst_at, spans)))
        self.check(loud_gap_db <= QUIET_DBFS, "silence where no sound plays",
                   "loudest %.1f dBFS, %s" % (loud_gap_db, self.where(loud_gap_at, spans)))


def read_playsound_calls(trace_path, start):
    """When PlaySound was called, in seconds of the recording."""
    asked = []
    for line in open(trace_path, errors="replace"):
        fields = line.split(":")
        if len(fields) > 4 and fields[4].startswith("MULTIMEDIA_PlaySound"):
            asked.append(float(fields[0]) - start)
    return asked


def read_stalls(stalls_path, start):
    """(start, end) in seconds of the recording of each stall."""
    stalls = []
    for line in open(stalls_path):
        begin, ms = line.split()
        stalls.append((float(begin) - start, float(begin) - start + float(ms) / 1000.0))
    return stalls


def digital_silences(pcm, rate):
    """Runs of exact digital silence of a millisecond or more: between
    sounds, and inside one where the player underran."""
    silent = np.concatenate(([False], np.all(pcm == 0, axis=1), [False]))
    edges = np.flatnonzero(np.diff(silent.astype(np.int8)))
    return [(a, b) for a, b in zip(edges[::2], edges[1::2]) if b - a >= rate // 1000]


def judge(recording, rate, events, sounds_dir, busy_delay_ms, stalls_path, trace_path, report=None,
          out=sys.stdout):
    """Every check of the recording; returns the lines of those that failed,
    and writes all of them to report where one is named."""
    hearing = Hearing(recording, rate, events, sounds_dir, busy_delay_ms, stalls_path, trace_path, out)
    hearing.say("  recording: %.1f s, %d Hz; the game's window showed %.2f s after launch"
                % (len(hearing.rec) / rate, rate, hearing.events["window"] - hearing.events["launch"]))
    hearing.check_full_scale()
    limit, first_sound = hearing.floor_limit()
    hearing.check_music_from_launch(first_sound)
    hearing.heard_after("start", CLICK, limit)
    hearing.heard_after("find", FOUND, limit)
    for n in range(1, 10):
        hearing.heard_after("miss%d" % n, MISS, limit)
    hearing.heard_after("back", MUSIC, limit)
    hearing.check_spare()
    hearing.check_one_at_a_time()
    hearing.say("== %d checks failed" % len(hearing.failures) if hearing.failures else "== all checks hold")
    if report:
        with open(report, "w") as f:
            f.write("\n".join(hearing.lines) + "\n")
    return hearing.failures


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
    events = {label: float(seconds) for label, seconds in (line.split() for line in open(args.events))}
    return 1 if judge(args.recording, args.rate, events, args.sounds, args.busy_delay_ms, args.stalls,
                      args.wine_trace) else 0


if __name__ == "__main__":
    sys.exit(main())
