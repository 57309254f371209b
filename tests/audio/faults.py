"""Faults in the game's sound that the audio test must catch, so that it is
known to fail for a reason. TUMBLEWIT_AUDIO_FAULT names one:

    wrong    a find plays the miss cue
    late     the found cue 300 ms after the release
    missing  a miss plays nothing
    pulse    the good build through Wine's PulseAudio driver, which pops

The first three build the game again from this checkout's committed source
with that one change, into build/win64/audio-faults/FAULT (about two
minutes); nothing of it is part of the game."""
import os
import subprocess

from harness.processes import ROOT

FOUND_CUE = "PlatformPlaySound(WAV_FOUND, CUE_FLAGS);"
MISS_CUE = "PlatformPlaySound(WAV_MISS, CUE_FLAGS);"
SOURCE_CHANGES = {
    "wrong": [(FOUND_CUE, MISS_CUE)],
    "late": [("#include", "#include <windows.h>\n#include"), (FOUND_CUE, "Sleep(300); " + FOUND_CUE)],
    "missing": [(MISS_CUE, "")],
}


def driver(fault):
    """Wine's audio driver for the fault: wine-run.sh's own choice but for pulse."""
    if fault not in SOURCE_CHANGES and fault not in ("", "pulse"):
        raise ValueError("TUMBLEWIT_AUDIO_FAULT must be one of wrong, late, missing, pulse, not %r" % fault)
    return "pulse" if fault == "pulse" else os.environ.get("TUMBLEWIT_AUDIO_DRIVER", "")


def game_with(fault, build):
    """The game's exe with the fault built in (the good one for pulse)."""
    if fault not in SOURCE_CHANGES:
        driver(fault)
        return build.game
    work = os.path.join(build.dir, "audio-faults", fault)
    source = os.path.join(work, "src")
    os.makedirs(source, exist_ok=True)
    archive = subprocess.run(["git", "-C", ROOT, "archive", "HEAD"], capture_output=True, check=True).stdout
    subprocess.run(["tar", "-x", "-C", source], input=archive, check=True)
    rules = os.path.join(source, "rules", "differences.cpp")
    text = original = open(rules).read()
    for old, new in SOURCE_CHANGES[fault]:
        text = text.replace(old, new, 1)
    assert text != original and all(new in text for _, new in SOURCE_CHANGES[fault] if new), \
        "the %s fault did not apply to rules/differences.cpp" % fault
    with open(rules, "w") as out:
        out.write(text)
    generator = os.path.join(build.dir, "host-generator", "tumblewit-generator")
    binary = os.path.join(work, "build")
    with open(os.path.join(work, "build.log"), "w") as log:
        for command in (["cmake", "-S", source, "-B", binary, "-DCMAKE_BUILD_TYPE=Release",
                         "-DCMAKE_TOOLCHAIN_FILE=%s/cmake/toolchain-mingw64.cmake" % source,
                         "-DTUMBLEWIT_TESTS=OFF", "-DTUMBLEWIT_GENERATOR=" + generator],
                        ["cmake", "--build", binary, "--target", "tumblewit", "-j2"]):
            subprocess.run(command, stdout=log, stderr=subprocess.STDOUT, check=True)
    return os.path.join(binary, "tumblewit.exe")
