// The level pictures as built into the game: the two copies of each scene
// differ only inside the five areas, clearly there, and the plain layout
// spots around them carry the level's background and the panel colour.
#include "resources/layout.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

namespace {

// A pixel counts as changed when its channels move this much in total.
constexpr int MIN_CHANNEL_SUM = 60;
// An area needs this share of its inner pixels changed (percent)...
constexpr int MIN_CHANGED_PERCENT = 15;
// ...but never fewer than this many (for the tiny areas).
constexpr int MIN_CHANGED_PIXELS = 20;

// Resource name of a level's picture: "pic10" for level 1.
std::string PictureName(int level) { return "pic" + std::to_string(level + 9); }

// |dR| + |dG| + |dB| between picture pixels a and b.
int ChannelSum(const StoredBitmap& bmp, int ax, int ay, int bx, int by) {
    int r1, g1, b1, r2, g2, b2;
    bmp.Pixel(ax, ay, &r1, &g1, &b1);
    bmp.Pixel(bx, by, &r2, &g2, &b2);
    return std::abs(r1 - r2) + std::abs(g1 - g2) + std::abs(b1 - b2);
}

// True when (x, y) on the altered copy lies strictly inside one of the areas.
bool StrictlyInsideAnArea(int level, int x, int y) {
    for (const PixelRect& a : DIFFERENCE_AREAS[level - 1])
        if (x > a.left && x < a.right && y > a.top && y < a.bottom) return true;
    return false;
}

// Expects pixel (x, y) to be exactly the colour given.
void ExpectColourAt(const StoredBitmap& bmp, int x, int y, Rgb expected, const std::string& what) {
    int r, g, b;
    bmp.Pixel(x, y, &r, &g, &b);
    EXPECT_TRUE(r == expected.r && g == expected.g && b == expected.b)
        << what << " at (" << x << ", " << y << "): expected (" << int{expected.r} << ", " << int{expected.g} << ", "
        << int{expected.b} << "), actual (" << r << ", " << g << ", " << b << ")";
}

class ScenesTest : public ::testing::Test {
protected:
    void SetUp() override {
        module = OpenGameExe();
        ASSERT_NE(nullptr, module) << "the built game could not be opened";
    }
    void TearDown() override {
        if (module) FreeLibrary(module);
    }
    // Reads a level's picture; fails the test when it is missing or too small.
    bool ReadLevel(int level, StoredBitmap* bmp) {
        if (!ReadStoredBitmap(module, PictureName(level).c_str(), bmp)) {
            ADD_FAILURE() << PictureName(level) << " is missing";
            return false;
        }
        const int height = bmp->height < 0 ? -bmp->height : bmp->height;
        if (bmp->bitsPerPixel != 24 || bmp->width < ALTERED_SCENE.right || height < MISSES_PANEL.bottom) {
            ADD_FAILURE() << PictureName(level) << ": expected a 24-bit picture covering the layout, actual "
                          << bmp->width << " x " << bmp->height << " at " << bmp->bitsPerPixel << " bits";
            return false;
        }
        return true;
    }
    HMODULE module = nullptr;
};

}  // namespace

// ---------------------------------------------------- the two copies ---

TEST_F(ScenesTest, CopiesDifferNowhereOutsideTheAreas) {
    for (int level = 1; level <= LEVEL_COUNT; ++level) {
        StoredBitmap bmp;
        if (!ReadLevel(level, &bmp)) continue;
        int differing = 0, firstX = -1, firstY = -1;
        for (int y = ALTERED_SCENE.top; y < ALTERED_SCENE.bottom; ++y) {
            for (int x = ALTERED_SCENE.left; x < ALTERED_SCENE.right; ++x) {
                if (StrictlyInsideAnArea(level, x, y)) continue;
                if (ChannelSum(bmp, x - SCENE_OFFSET_X, y, x, y) == 0) continue;
                if (differing++ == 0) {
                    firstX = x;
                    firstY = y;
                }
            }
        }
        EXPECT_EQ(0, differing) << PictureName(level) << " (level " << level
                                << "): differing pixels outside the areas, first at (" << firstX << ", " << firstY << ")";
    }
}

TEST_F(ScenesTest, EveryAreaShowsAClearChange) {
    for (int level = 1; level <= LEVEL_COUNT; ++level) {
        StoredBitmap bmp;
        if (!ReadLevel(level, &bmp)) continue;
        for (int k = 0; k < AREAS_PER_LEVEL; ++k) {
            const PixelRect& a = DIFFERENCE_AREAS[level - 1][k];
            int inner = 0, changed = 0;
            for (int y = a.top + 1; y < a.bottom; ++y) {
                for (int x = a.left + 1; x < a.right; ++x) {
                    ++inner;
                    if (ChannelSum(bmp, x - SCENE_OFFSET_X, y, x, y) >= MIN_CHANNEL_SUM) ++changed;
                }
            }
            const int byShare = inner * MIN_CHANGED_PERCENT / 100;
            const int needed = byShare > MIN_CHANGED_PIXELS ? byShare : MIN_CHANGED_PIXELS;
            EXPECT_GE(changed, needed) << "level " << level << " area " << k + 1 << ": changed pixels expected at least "
                                       << needed << ", actual " << changed << " of " << inner;
        }
    }
}

// ----------------------------------------------- the layout around them ---

TEST_F(ScenesTest, PlainSpotsShowTheLevelBackground) {
    for (int level = 1; level <= LEVEL_COUNT; ++level) {
        StoredBitmap bmp;
        if (!ReadLevel(level, &bmp)) continue;
        const Rgb background = LEVELS[level - 1].background;
        const std::string what = PictureName(level) + " background";
        // The hint button's spot: its corners, centre and edges' middles.
        const int hintX[3] = {HINT_SPOT.left, (HINT_SPOT.left + HINT_SPOT.right) / 2, HINT_SPOT.right - 1};
        const int hintY[3] = {HINT_SPOT.top, (HINT_SPOT.top + HINT_SPOT.bottom) / 2, HINT_SPOT.bottom - 1};
        for (int x : hintX)
            for (int y : hintY) ExpectColourAt(bmp, x, y, background, what + " (hint spot)");
        // The gap between the two copies, clear of their frames and of the
        // magnifying glass drawn lower down in the gap.
        for (int x : {450, 470, 490})
            for (int y : {260, 280, 300}) ExpectColourAt(bmp, x, y, background, what + " (between the copies)");
    }
}

TEST_F(ScenesTest, CounterPanelsAreTheirPlainColour) {
    for (int level = 1; level <= LEVEL_COUNT; ++level) {
        StoredBitmap bmp;
        if (!ReadLevel(level, &bmp)) continue;
        const std::string what = PictureName(level) + " panel";
        ExpectColourAt(bmp, (TIMER_BOX.left + TIMER_BOX.right) / 2, (TIMER_BOX.top + TIMER_BOX.bottom) / 2, PANEL_COLOR,
                       what + " (timer box centre)");
        ExpectColourAt(bmp, 556, 561, PANEL_COLOR, what + " (score digits)");
        ExpectColourAt(bmp, 791, 561, PANEL_COLOR, what + " (misses digits)");
    }
}
