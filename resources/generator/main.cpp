// tumblewit-generator: draws and writes every resource file the game's
// resource script compiles, plus a contact sheet of all pictures and the
// levels' difficulty table (difficulty.txt), neither of which the game reads.
//
//   tumblewit-generator --fonts DIR --out DIR
//   tumblewit-generator --difficulty DIR   prints the difficulty table of the
//                                          level pictures already in DIR
//
// The same generator and fonts always produce the same bytes.
#include "draw/canvas.h"
#include "formats/file_formats.h"
#include "measure/contact_sheet.h"
#include "measure/difficulty.h"
#include "pictures/pictures.h"
#include "sounds/sounds.h"

#include <chrono>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace {

double SecondsSince(std::chrono::steady_clock::time_point start) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

void PrintUsage() {
    std::fprintf(stderr, "usage: tumblewit-generator --fonts FONT_DIR --out OUTPUT_DIR\n"
                         "       tumblewit-generator --difficulty GENERATED_DIR\n");
}

// The difficulty table of the level pictures in dir, on standard output.
// Exit status 0 when every target of the curve is met, 1 when one is missed,
// 2 when a picture cannot be read.
int PrintDifficulty(const std::string& dir) {
    std::vector<LevelFigures> figures;
    for (int level = 1; level <= LEVEL_COUNT; ++level) {
        RgbImage picture;
        std::string error;
        const PictureEntry& item = PICTURES[FIRST_LEVEL_PICTURE + level - 1];
        if (!ReadBmp24(dir + "/" + item.name + ".bmp", &picture, &error)) {
            std::fprintf(stderr, "tumblewit-generator: %s\n", error.c_str());
            return 2;
        }
        if (picture.width != item.width || picture.height != item.height) {
            std::fprintf(stderr, "tumblewit-generator: %s/%s.bmp is %d x %d, the catalogue says %d x %d\n",
                         dir.c_str(), item.name, picture.width, picture.height, item.width, item.height);
            return 2;
        }
        figures.push_back(MeasureLevel(picture, level));
    }
    std::fputs(DifficultyTable(figures).c_str(), stdout);
    for (const TargetVerdict& verdict : CheckTargets(figures))
        if (!verdict.met) return 1;
    return 0;
}

// Draws and writes every full-window picture into pictures[], and measures
// each level picture on the very bytes written, as --difficulty reads them.
// False when a written picture cannot be read back.
bool WritePictures(const std::string& outDir, Canvas* pictures, std::vector<LevelFigures>* difficulty) {
    for (int i = 0; i < PICTURE_COUNT; ++i) {
        const PictureEntry& item = PICTURES[i];
        std::printf("  picture %-6s %d x %d\n", item.name, item.width, item.height);
        std::fflush(stdout);
        pictures[i] = NewCanvas(item.width, item.height);
        DrawPicture(pictures[i], i);
        const Bytes bmp = EncodeBmp24(pictures[i]);
        WriteBytes(outDir + "/" + item.name + ".bmp", bmp);
        if (i < FIRST_LEVEL_PICTURE) continue;
        RgbImage picture;
        std::string error;
        if (!DecodeBmp24(bmp, &picture, &error)) {
            std::fprintf(stderr, "tumblewit-generator: %s.bmp: %s\n", item.name, error.c_str());
            return false;
        }
        difficulty->push_back(MeasureLevel(picture, i - FIRST_LEVEL_PICTURE + 1));
    }
    return true;
}

// Draws and writes every button face into buttons[].
void WriteButtons(const std::string& outDir, Canvas* buttons) {
    for (int i = 0; i < BUTTON_BITMAP_COUNT; ++i) {
        const PictureEntry& item = BUTTON_BITMAPS[i];
        buttons[i] = NewCanvas(item.width, item.height);
        DrawButtonFace(buttons[i], i);
        WriteBytes(outDir + "/" + item.name + ".bmp", EncodeBmp24(buttons[i]));
    }
    std::printf("  %d button faces\n", BUTTON_BITMAP_COUNT);
}

void WriteIcon(const std::string& outDir) {
    Canvas icons[ICON_IMAGE_COUNT];
    MakeIconImages(icons);
    WriteBytes(outDir + "/tumblewit.ico", EncodeIco(icons));
    std::printf("  icon, %d images\n", ICON_IMAGE_COUNT);
    for (Canvas& canvas : icons) FreeCanvas(canvas);
}

void WriteSounds(const std::string& outDir) {
    for (const SoundEntry& item : SOUNDS) {
        std::printf("  sound %d %s\n", item.id, item.file);
        std::fflush(stdout);
        WriteBytes(outDir + "/" + item.file, EncodeWav(item, MakeSoundData(item)));
    }
}

// The files for people: the difficulty table and the contact sheet.
void WriteTableAndSheet(const std::string& outDir, const Canvas* pictures, const Canvas* buttons,
                        const std::vector<LevelFigures>& difficulty) {
    const std::string table = DifficultyTable(difficulty);
    WriteBytes(outDir + "/difficulty.txt", Bytes(table.begin(), table.end()));
    std::vector<std::string> levelFigures;
    for (const LevelFigures& level : difficulty) levelFigures.push_back(DifficultyCaption(level));
    WriteContactSheet((outDir + "/contact-sheet.png").c_str(), pictures, buttons, levelFigures);
}

}  // namespace

int main(int argc, char** argv) {
    std::string fontDir, outDir, difficultyDir;
    for (int i = 1; i + 1 < argc; i += 2) {
        if (std::strcmp(argv[i], "--fonts") == 0)
            fontDir = argv[i + 1];
        else if (std::strcmp(argv[i], "--out") == 0)
            outDir = argv[i + 1];
        else if (std::strcmp(argv[i], "--difficulty") == 0)
            difficultyDir = argv[i + 1];
    }
    if (!difficultyDir.empty()) return PrintDifficulty(difficultyDir);
    if (fontDir.empty() || outDir.empty()) {
        PrintUsage();
        return 2;
    }
    const auto start = std::chrono::steady_clock::now();
    LoadFonts(fontDir);
    Canvas pictures[PICTURE_COUNT];
    Canvas buttons[BUTTON_BITMAP_COUNT];
    std::vector<LevelFigures> difficulty;
    if (!WritePictures(outDir, pictures, &difficulty)) return 1;
    WriteButtons(outDir, buttons);
    WriteIcon(outDir);
    WriteSounds(outDir);
    WriteTableAndSheet(outDir, pictures, buttons, difficulty);
    for (Canvas& canvas : pictures) FreeCanvas(canvas);
    for (Canvas& canvas : buttons) FreeCanvas(canvas);
    std::printf("  resources written to %s in %.2f s\n", outDir.c_str(), SecondsSince(start));
    return 0;
}
