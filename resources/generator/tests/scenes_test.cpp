// Scene checks: every change is visible, centred in its area and confined
// to it; the scenes are opaque, distinct and drawn the same every time.
#include "draw/canvas.h"
#include "scenes/scenes.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <set>
#include <vector>

namespace {

// A pixel counts as changed when its channels move this much in total.
constexpr int MIN_CHANNEL_SUM = 60;
// An area needs this share of its inner pixels changed...
constexpr double MIN_CHANGED_SHARE = 0.15;
// ...but never fewer than this many (for the tiny areas).
constexpr int MIN_CHANGED_PIXELS = 20;
// A change must keep this far inside the area's edge lines (pixels), so the
// copy strictly inside the area never cuts it.
constexpr int EDGE_MARGIN = 2;
// A scene with fewer distinct colours than this is a bare backdrop.
constexpr int MIN_DISTINCT_COLOURS = 300;

// One rendering of a scene: SCENE_WIDTH x SCENE_HEIGHT ARGB words.
struct ScenePixels {
    std::vector<std::uint32_t> argb;
    std::uint32_t At(int x, int y) const { return argb[static_cast<size_t>(y * SCENE_WIDTH + x)]; }
};

// Draws a scene exactly as the level picture does: own canvas, clipped.
ScenePixels RenderScene(int level, bool altered) {
    Canvas canvas = NewCanvas(SCENE_WIDTH, SCENE_HEIGHT);
    cairo_rectangle(canvas.cr, 0, 0, SCENE_WIDTH, SCENE_HEIGHT);
    cairo_clip(canvas.cr);
    DrawScene(canvas.cr, level, altered);
    cairo_surface_flush(canvas.surface);
    const unsigned char* data = cairo_image_surface_get_data(canvas.surface);
    const int stride = cairo_image_surface_get_stride(canvas.surface);
    ScenePixels pixels;
    pixels.argb.resize(static_cast<size_t>(SCENE_WIDTH * SCENE_HEIGHT));
    for (int y = 0; y < SCENE_HEIGHT; ++y)
        std::memcpy(&pixels.argb[static_cast<size_t>(y * SCENE_WIDTH)], data + y * stride, SCENE_WIDTH * 4);
    FreeCanvas(canvas);
    return pixels;
}

// The area in scene pixels.
PixelRect SceneAreaRect(int level, int k) {
    const PixelRect& a = DIFFERENCE_AREAS[level - 1][k];
    return {a.left - ALTERED_SCENE.left, a.top - ALTERED_SCENE.top, a.right - ALTERED_SCENE.left,
            a.bottom - ALTERED_SCENE.top};
}

// True when scene pixel (x, y) is at least EDGE_MARGIN inside one of the
// level's areas.
bool WellInsideAnArea(int level, int x, int y) {
    for (int k = 0; k < AREAS_PER_LEVEL; ++k) {
        const PixelRect a = SceneAreaRect(level, k);
        if (x >= a.left + EDGE_MARGIN && x <= a.right - EDGE_MARGIN && y >= a.top + EDGE_MARGIN &&
            y <= a.bottom - EDGE_MARGIN)
            return true;
    }
    return false;
}

// What the player sees of one area: the two copies on the level picture.
struct AreaComparison {
    int innerPixels = 0;
    int changedPixels = 0;
    double centroidX = 0, centroidY = 0;  // of the changed pixels, client pixels
};

// Compares the copies of area k on a canvas PlaceScenes has drawn.
AreaComparison CompareCopies(const Canvas& picture, int level, int k) {
    const PixelRect& area = DIFFERENCE_AREAS[level - 1][k];
    AreaComparison result;
    double sumX = 0, sumY = 0;
    for (int y = area.top + 1; y < area.bottom; ++y) {
        for (int x = area.left + 1; x < area.right; ++x) {
            int r1, g1, b1, r2, g2, b2;
            PixelAt(picture, x - SCENE_OFFSET_X, y, &r1, &g1, &b1);
            PixelAt(picture, x, y, &r2, &g2, &b2);
            ++result.innerPixels;
            if (std::abs(r1 - r2) + std::abs(g1 - g2) + std::abs(b1 - b2) >= MIN_CHANNEL_SUM) {
                ++result.changedPixels;
                sumX += x;
                sumY += y;
            }
        }
    }
    if (result.changedPixels > 0) {
        result.centroidX = sumX / result.changedPixels;
        result.centroidY = sumY / result.changedPixels;
    }
    return result;
}

// A level picture's size canvas with only the two scene copies on it.
Canvas PlaceOnBlankPicture(int level) {
    const PictureEntry& item = PICTURES[FIRST_LEVEL_PICTURE + level - 1];
    Canvas picture = NewCanvas(item.width, item.height);
    PlaceScenes(picture, level);
    return picture;
}

class ScenesTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        const char* fonts = std::getenv("TUMBLEWIT_FONT_DIR");
        LoadFonts(fonts ? fonts : "/usr/share/fonts/opentype/noto");
    }
};

}  // namespace

// ------------------------------------------------ the scene renderings ---

TEST_F(ScenesTest, EveryScenePixelIsOpaque) {
    for (int level = 1; level <= LEVEL_COUNT; ++level) {
        for (bool altered : {false, true}) {
            const ScenePixels scene = RenderScene(level, altered);
            int seeThrough = 0;
            for (std::uint32_t pixel : scene.argb)
                if ((pixel >> 24) != 255) ++seeThrough;
            EXPECT_EQ(0, seeThrough) << "level " << level << (altered ? " altered" : " unaltered")
                                     << ": pixels not fully opaque";
        }
    }
}

TEST_F(ScenesTest, AlteredSceneDiffersOnlyWellInsideTheAreas) {
    for (int level = 1; level <= LEVEL_COUNT; ++level) {
        const ScenePixels plain = RenderScene(level, false);
        const ScenePixels changed = RenderScene(level, true);
        int strays = 0, minX = SCENE_WIDTH, minY = SCENE_HEIGHT, maxX = -1, maxY = -1;
        for (int y = 0; y < SCENE_HEIGHT; ++y) {
            for (int x = 0; x < SCENE_WIDTH; ++x) {
                if (plain.At(x, y) == changed.At(x, y) || WellInsideAnArea(level, x, y)) continue;
                ++strays;
                minX = std::min(minX, x);
                minY = std::min(minY, y);
                maxX = std::max(maxX, x);
                maxY = std::max(maxY, y);
            }
        }
        EXPECT_EQ(0, strays) << "level " << level << ": pixels changed outside the areas' inner part, within scene x "
                             << minX << ".." << maxX << ", y " << minY << ".." << maxY;
    }
}

TEST_F(ScenesTest, ScenesAreDrawnTheSameEveryTime) {
    for (int level = 1; level <= LEVEL_COUNT; ++level) {
        for (bool altered : {false, true}) {
            EXPECT_TRUE(RenderScene(level, altered).argb == RenderScene(level, altered).argb)
                << "level " << level << (altered ? " altered" : " unaltered");
        }
    }
}

TEST_F(ScenesTest, EverySceneIsDetailedAndItsOwn) {
    std::vector<ScenePixels> scenes;
    for (int level = 1; level <= LEVEL_COUNT; ++level) {
        scenes.push_back(RenderScene(level, false));
        const std::set<std::uint32_t> colours(scenes.back().argb.begin(), scenes.back().argb.end());
        EXPECT_GE(static_cast<int>(colours.size()), MIN_DISTINCT_COLOURS) << "level " << level;
    }
    for (int a = 0; a < LEVEL_COUNT; ++a) {
        for (int b = a + 1; b < LEVEL_COUNT; ++b) {
            int same = 0;
            for (size_t i = 0; i < scenes[a].argb.size(); ++i)
                if (scenes[a].argb[i] == scenes[b].argb[i]) ++same;
            EXPECT_LT(same, static_cast<int>(scenes[a].argb.size() / 2))
                << "levels " << a + 1 << " and " << b + 1 << " share most of their pixels";
        }
    }
}

// ------------------------------------------- the copies on the picture ---

TEST_F(ScenesTest, EveryAreaShowsAClearChange) {
    for (int level = 1; level <= LEVEL_COUNT; ++level) {
        Canvas picture = PlaceOnBlankPicture(level);
        for (int k = 0; k < AREAS_PER_LEVEL; ++k) {
            const AreaComparison seen = CompareCopies(picture, level, k);
            const int needed = std::max(MIN_CHANGED_PIXELS, static_cast<int>(seen.innerPixels * MIN_CHANGED_SHARE));
            EXPECT_GE(seen.changedPixels, needed)
                << "level " << level << " area " << k + 1 << ": changed pixels expected at least " << needed
                << ", actual " << seen.changedPixels << " of " << seen.innerPixels;
        }
        FreeCanvas(picture);
    }
}

TEST_F(ScenesTest, EveryChangeIsCentredInItsArea) {
    for (int level = 1; level <= LEVEL_COUNT; ++level) {
        Canvas picture = PlaceOnBlankPicture(level);
        for (int k = 0; k < AREAS_PER_LEVEL; ++k) {
            const PixelRect& area = DIFFERENCE_AREAS[level - 1][k];
            const AreaComparison seen = CompareCopies(picture, level, k);
            if (seen.changedPixels == 0) continue;  // reported by the visibility test
            const double quarterW = (area.right - area.left) / 4.0, quarterH = (area.bottom - area.top) / 4.0;
            EXPECT_TRUE(seen.centroidX >= area.left + quarterW && seen.centroidX <= area.right - quarterW &&
                        seen.centroidY >= area.top + quarterH && seen.centroidY <= area.bottom - quarterH)
                << "level " << level << " area " << k + 1 << ": centre of the change expected within x "
                << area.left + quarterW << ".." << area.right - quarterW << ", y " << area.top + quarterH << ".."
                << area.bottom - quarterH << "; actual (" << seen.centroidX << ", " << seen.centroidY << ")";
        }
        FreeCanvas(picture);
    }
}

TEST_F(ScenesTest, ColourMixingReachesWhiteAndBlack) {
    const Rgb teal = {33, 89, 104};
    const Rgb same = Lighter(teal, 0), white = Lighter(teal, 1), black = Darker(teal, 1), half = Darker(teal, 0.5);
    EXPECT_TRUE(same.r == 33 && same.g == 89 && same.b == 104) << +same.r << "," << +same.g << "," << +same.b;
    EXPECT_TRUE(white.r == 255 && white.g == 255 && white.b == 255) << +white.r << "," << +white.g << "," << +white.b;
    EXPECT_TRUE(black.r == 0 && black.g == 0 && black.b == 0) << +black.r << "," << +black.g << "," << +black.b;
    EXPECT_TRUE(half.r == 17 && half.g == 45 && half.b == 52) << +half.r << "," << +half.g << "," << +half.b;
}
