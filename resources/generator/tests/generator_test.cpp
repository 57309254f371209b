// Generator checks: exact file formats and sizes, that drawing twice gives
// the same bytes, that a file it cannot write stops the run, and that each
// layer of its source includes only the layers it may use.
#include "draw/canvas.h"
#include "formats/file_formats.h"
#include "measure/contact_sheet.h"
#include "pictures/pictures.h"
#include "sounds/sounds.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <set>
#include <string>
#include <vector>

namespace {

std::uint32_t Read32(const Bytes& bytes, size_t at) {
    return bytes[at] | bytes[at + 1] << 8 | bytes[at + 2] << 16 | static_cast<std::uint32_t>(bytes[at + 3]) << 24;
}
unsigned Read16(const Bytes& bytes, size_t at) { return bytes[at] | bytes[at + 1] << 8; }

class GeneratorTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        const char* fonts = std::getenv("TUMBLEWIT_FONT_DIR");
        LoadFonts(fonts ? fonts : "/usr/share/fonts/opentype/noto");
    }
};

Bytes DrawPictureBytes(int index) {
    const PictureEntry& item = PICTURES[index];
    Canvas canvas = NewCanvas(item.width, item.height);
    DrawPicture(canvas, index);
    Bytes bytes = EncodeBmp24(canvas);
    FreeCanvas(canvas);
    return bytes;
}

}  // namespace

TEST_F(GeneratorTest, PicturesAreExact24BitBottomUpBitmaps) {
    for (int i = 0; i < PICTURE_COUNT; ++i) {
        const PictureEntry& item = PICTURES[i];
        SCOPED_TRACE(item.name);
        const Bytes bmp = DrawPictureBytes(i);
        const std::uint32_t rowBytes = ((static_cast<std::uint32_t>(item.width) * 3 + 3) / 4) * 4;
        ASSERT_EQ('B', bmp[0]);
        ASSERT_EQ('M', bmp[1]);
        EXPECT_EQ(bmp.size(), Read32(bmp, 2));
        EXPECT_EQ(54u, Read32(bmp, 10));
        EXPECT_EQ(40u, Read32(bmp, 14));
        EXPECT_EQ(static_cast<std::uint32_t>(item.width), Read32(bmp, 18));
        EXPECT_EQ(static_cast<std::uint32_t>(item.height), Read32(bmp, 22));  // positive: bottom-up
        EXPECT_EQ(1u, Read16(bmp, 26));
        EXPECT_EQ(24u, Read16(bmp, 28));
        EXPECT_EQ(0u, Read32(bmp, 30));  // BI_RGB
        EXPECT_EQ(rowBytes * item.height, Read32(bmp, 34));
        EXPECT_EQ(0u, Read32(bmp, 38));
        EXPECT_EQ(0u, Read32(bmp, 42));
        EXPECT_EQ(54 + rowBytes * item.height, bmp.size());
    }
}

TEST_F(GeneratorTest, DrawingTwiceGivesTheSameBytes) {
    for (int i = 0; i < PICTURE_COUNT; ++i) {
        SCOPED_TRACE(PICTURES[i].name);
        EXPECT_TRUE(DrawPictureBytes(i) == DrawPictureBytes(i));
    }
    for (const SoundEntry& item : SOUNDS) {
        if (item.dataBytes > 1000000) continue;  // the long tracks are checked by the build-twice test
        EXPECT_TRUE(MakeSoundData(item) == MakeSoundData(item)) << item.id;
    }
}

TEST_F(GeneratorTest, SoundsHaveTheirExactFormatAndLength) {
    for (const SoundEntry& item : SOUNDS) {
        SCOPED_TRACE(item.id);
        const Bytes pcm = MakeSoundData(item);
        ASSERT_EQ(item.dataBytes, pcm.size());
        const Bytes wav = EncodeWav(item, pcm);
        EXPECT_EQ(0, std::memcmp(wav.data(), "RIFF", 4));
        EXPECT_EQ(wav.size() - 8, Read32(wav, 4));
        EXPECT_EQ(0, std::memcmp(wav.data() + 8, "WAVEfmt ", 8));
        EXPECT_EQ(1u, Read16(wav, 20));  // PCM
        EXPECT_EQ(static_cast<unsigned>(item.channels), Read16(wav, 22));
        EXPECT_EQ(static_cast<std::uint32_t>(item.sampleRate), Read32(wav, 24));
        EXPECT_EQ(static_cast<unsigned>(item.bitsPerSample), Read16(wav, 34));
        EXPECT_EQ(0, std::memcmp(wav.data() + 36, "data", 4));
        EXPECT_EQ(item.dataBytes, Read32(wav, 40));
    }
}

TEST_F(GeneratorTest, IconHoldsTwelveImagesInOrderWithMasks) {
    Canvas images[ICON_IMAGE_COUNT];
    MakeIconImages(images);
    const Bytes ico = EncodeIco(images);
    for (Canvas& canvas : images) FreeCanvas(canvas);
    ASSERT_EQ(1u, Read16(ico, 2));
    ASSERT_EQ(static_cast<unsigned>(ICON_IMAGE_COUNT), Read16(ico, 4));
    for (int i = 0; i < ICON_IMAGE_COUNT; ++i) {
        SCOPED_TRACE(i);
        const IconImageEntry& item = ICON_IMAGES[i];
        const size_t entry = 6 + 16 * static_cast<size_t>(i);
        EXPECT_EQ(item.size, ico[entry]);
        EXPECT_EQ(static_cast<unsigned>(item.bitsPerPixel), Read16(ico, entry + 6));
        const std::uint32_t offset = Read32(ico, entry + 12);
        EXPECT_EQ(40u, Read32(ico, offset));
        EXPECT_EQ(static_cast<std::uint32_t>(item.size * 2), Read32(ico, offset + 8));  // doubled: AND mask
        const std::uint32_t colourRow = ((static_cast<std::uint32_t>(item.size * item.bitsPerPixel) + 31) / 32) * 4;
        const std::uint32_t maskRow = ((static_cast<std::uint32_t>(item.size) + 31) / 32) * 4;
        const std::uint32_t palette = item.bitsPerPixel == 4 ? 64 : 0;
        EXPECT_EQ(40 + palette + (colourRow + maskRow) * item.size, Read32(ico, entry + 8));
    }
}

// The title music loops: the jump from its last frame back to its first must be
// no bigger than an ordinary step inside the piece, on both channels.
TEST_F(GeneratorTest, MusicLoopSeamIsContinuous) {
    const SoundEntry& item = SOUNDS[SOUND_COUNT - 1];
    ASSERT_STREQ("music.wav", item.file);
    const Bytes pcm = MakeSoundData(item);
    const size_t frames = pcm.size() / 4;
    auto sample = [&](size_t frame, int channel) {
        return static_cast<int>(static_cast<std::int16_t>(Read16(pcm, 4 * frame + 2 * channel)));
    };
    for (int channel = 0; channel < 2; ++channel) {
        std::vector<int> steps;
        for (size_t i = 1; i < frames; ++i) steps.push_back(std::abs(sample(i, channel) - sample(i - 1, channel)));
        std::nth_element(steps.begin(), steps.begin() + steps.size() / 2, steps.end());
        const int medianStep = steps[steps.size() / 2];
        EXPECT_LE(std::abs(sample(0, channel) - sample(frames - 1, channel)), 2 * medianStep) << channel;
    }
}

// The contact sheet is the last file a run writes; one it cannot write must
// stop the run with a message, not end it as if all were written.
TEST_F(GeneratorTest, ContactSheetIsWrittenOrTheRunStops) {
    std::vector<Canvas> pictures, buttons;
    for (const PictureEntry& item : PICTURES) pictures.push_back(NewCanvas(item.width, item.height));
    for (const PictureEntry& item : BUTTON_BITMAPS) buttons.push_back(NewCanvas(item.width, item.height));
    const std::string written = ::testing::TempDir() + "generator-test-sheet.png";
    std::remove(written.c_str());
    WriteContactSheet(written.c_str(), pictures.data(), buttons.data());
    std::ifstream png(written, std::ios::binary);
    char signature[8] = {};
    png.read(signature, sizeof signature);
    EXPECT_EQ(0, std::memcmp(signature, "\x89PNG\r\n\x1a\n", 8)) << written;
    const std::string unwritable = ::testing::TempDir() + "no-such-folder/contact-sheet.png";
    EXPECT_EXIT(WriteContactSheet(unwritable.c_str(), pictures.data(), buttons.data()),
                ::testing::ExitedWithCode(2), "cannot write .*no-such-folder");
    for (Canvas& canvas : pictures) FreeCanvas(canvas);
    for (Canvas& canvas : buttons) FreeCanvas(canvas);
    std::remove(written.c_str());
}

// Each folder includes only the folders below it (README.md, "Folders and
// layers"): draw/ knows no picture or level, sounds/ no drawing at all.
TEST(GeneratorLayers, EachFolderIncludesOnlyTheLayersItMayUse) {
    const std::map<std::string, std::set<std::string>> mayUse = {
        {"draw", {"draw"}},
        {"formats", {"formats", "draw"}},
        {"scenes", {"scenes", "draw"}},
        {"pictures", {"pictures", "scenes", "draw"}},
        {"sounds", {"sounds"}},
        {"measure", {"measure", "pictures", "draw"}},
    };
    const std::regex include("#include \"([a-z_]+)/[^\"]+\"");
    int filesRead = 0;
    for (const auto& [folder, allowed] : mayUse) {
        for (const auto& entry : std::filesystem::directory_iterator(std::string(GENERATOR_SOURCE_DIR) + "/" + folder)) {
            std::ifstream source(entry.path());
            std::string line;
            while (std::getline(source, line)) {
                std::smatch match;
                if (std::regex_search(line, match, include))
                    EXPECT_TRUE(allowed.count(match[1])) << entry.path().string() << ": " << line;
            }
            ++filesRead;
        }
    }
    EXPECT_GE(filesRead, 30);  // the folders were found and read
}
