// tumblewit-generator: draws and writes every resource file the game's
// resource script compiles, plus a contact sheet of all pictures.
//
//   tumblewit-generator --fonts DIR --out DIR
//
// The same generator and fonts always produce the same bytes.
#include "art.h"
#include "file_formats.h"

#include <chrono>
#include <cstdio>
#include <cstring>
#include <string>

namespace {

double SecondsSince(std::chrono::steady_clock::time_point start) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

void PrintUsage() {
    std::fprintf(stderr, "usage: tumblewit-generator --fonts FONT_DIR --out OUTPUT_DIR\n");
}

}  // namespace

int main(int argc, char** argv) {
    std::string fontDir, outDir;
    for (int i = 1; i + 1 < argc; i += 2) {
        if (std::strcmp(argv[i], "--fonts") == 0)
            fontDir = argv[i + 1];
        else if (std::strcmp(argv[i], "--out") == 0)
            outDir = argv[i + 1];
    }
    if (fontDir.empty() || outDir.empty()) {
        PrintUsage();
        return 2;
    }
    const auto start = std::chrono::steady_clock::now();
    LoadFonts(fontDir);

    Canvas pictures[PICTURE_COUNT];
    Canvas buttons[BUTTON_BITMAP_COUNT];

    for (int i = 0; i < PICTURE_COUNT; ++i) {
        const PictureEntry& item = PICTURES[i];
        std::printf("  picture %-6s %d x %d\n", item.name, item.width, item.height);
        std::fflush(stdout);
        pictures[i] = NewCanvas(item.width, item.height);
        DrawPicture(pictures[i], i);
        WriteBytes(outDir + "/" + item.name + ".bmp", EncodeBmp24(pictures[i]));
    }
    for (int i = 0; i < BUTTON_BITMAP_COUNT; ++i) {
        const PictureEntry& item = BUTTON_BITMAPS[i];
        buttons[i] = NewCanvas(item.width, item.height);
        DrawButtonFace(buttons[i], i);
        WriteBytes(outDir + "/" + item.name + ".bmp", EncodeBmp24(buttons[i]));
    }
    std::printf("  %d button faces\n", BUTTON_BITMAP_COUNT);

    Canvas icons[ICON_IMAGE_COUNT];
    MakeIconImages(icons);
    WriteBytes(outDir + "/tumblewit.ico", EncodeIco(icons));
    std::printf("  icon, %d images\n", ICON_IMAGE_COUNT);

    for (const SoundEntry& item : SOUNDS) {
        std::printf("  sound %d %s\n", item.id, item.file);
        std::fflush(stdout);
        WriteBytes(outDir + "/" + item.file, EncodeWav(item, MakeSoundData(item)));
    }

    WriteContactSheet((outDir + "/contact-sheet.png").c_str(), pictures, buttons);

    for (Canvas& canvas : pictures) FreeCanvas(canvas);
    for (Canvas& canvas : buttons) FreeCanvas(canvas);
    for (Canvas& canvas : icons) FreeCanvas(canvas);
    std::printf("  resources written to %s in %.2f s\n", outDir.c_str(), SecondsSince(start));
    return 0;
}
