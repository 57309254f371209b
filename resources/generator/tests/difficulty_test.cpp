// The difficulty measure's own checks, run with the scene tests: CIELAB and
// delta E against known values, the colour-vision simulation against a
// red/green pair of equal lightness, the ranks, and the targets' verdicts on
// made-up figures. The targets on the real pictures are in
// difficulty_targets_test.cpp (not yet registered in CTest).
#include "measure/difficulty.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

double DeltaEIn(View view, Rgb one, Rgb other) {
    return DeltaE76(LabSeenAs(one, view), LabSeenAs(other, view));
}

// Thirteen levels' figures that meet every target: changes shrinking from 600
// to 120 pixels, quieter, in busier scenes.
std::vector<LevelFigures> FiguresMeetingEveryTarget() {
    std::vector<LevelFigures> figures;
    for (int level = 1; level <= LEVEL_COUNT; ++level) {
        LevelFigures f;
        f.level = level;
        const int count = 640 - 40 * level;
        for (int k = 0; k < AREAS_PER_LEVEL; ++k) {
            ChangeFigures& change = f.changes[k];
            change.level = level;
            change.area = k + 1;
            change.kind = CHANGE_KINDS[level - 1].kinds[k];
            change.innerPixels = 4000;
            change.needed = 40;
            for (int& v : change.changed) v = count;
            change.meanDeltaE = 60 - 2 * level;
        }
        f.median = count;
        f.meanDeltaE = 60 - 2 * level;
        f.edgeShare = 0.08 + 0.01 * level;
        figures.push_back(f);
    }
    return figures;
}

}  // namespace

TEST(DifficultyColour, SrgbToLabGivesTheKnownValues) {
    const Lab white = SrgbToLab({255, 255, 255});
    EXPECT_NEAR(100.0, white.L, 0.01);
    EXPECT_NEAR(0.0, white.a, 0.01);
    EXPECT_NEAR(0.0, white.b, 0.01);
    // sRGB red is L* 53.24, a* 80.09, b* 67.20 under D65.
    const Lab red = SrgbToLab({255, 0, 0});
    EXPECT_NEAR(53.24, red.L, 0.01);
    EXPECT_NEAR(80.09, red.a, 0.01);
    EXPECT_NEAR(67.20, red.b, 0.01);
    const Lab grey = SrgbToLab({128, 128, 128});
    EXPECT_NEAR(53.585, grey.L, 0.01);
    EXPECT_NEAR(0.0, grey.a, 0.01);
    const Lab black = SrgbToLab({0, 0, 0});
    EXPECT_NEAR(0.0, black.L, 1e-9);
    EXPECT_NEAR(100.0, DeltaE76(white, black), 1e-4);
    EXPECT_NEAR(0.2126729, RelativeLuminance({255, 0, 0}), 1e-6);
}

TEST(DifficultyColour, ColourBlindViewsLoseARedGreenPairOfEqualLightness) {
    // A rust red and a leaf green of the same lightness (L* 38.2 and 38.6).
    const Rgb rust = {135, 75, 10}, leaf = {30, 105, 10};
    ASSERT_NEAR(SrgbToLab(rust).L, SrgbToLab(leaf).L, 0.5);
    EXPECT_GT(DeltaEIn(VIEW_NORMAL, rust, leaf), 10.0);
    EXPECT_LT(DeltaEIn(VIEW_PROTANOPIA, rust, leaf), 10.0);
    EXPECT_LT(DeltaEIn(VIEW_DEUTERANOPIA, rust, leaf), 10.0);
    // Blue-yellow blindness still tells them apart; greyscale does not.
    EXPECT_GT(DeltaEIn(VIEW_TRITANOPIA, rust, leaf), 10.0);
    EXPECT_LT(DeltaEIn(VIEW_GREYSCALE, rust, leaf), 1.0);
}

TEST(DifficultyColour, ViewsKeepGreysAndLightnessSteps) {
    // Every matrix's rows sum to one: a grey is seen as the same grey.
    for (int v = 0; v < VIEW_COUNT; ++v) {
        const View view = static_cast<View>(v);
        EXPECT_LT(DeltaEIn(view, {128, 128, 128}, {128, 128, 128}), 1e-9);
        const Lab seen = LabSeenAs({128, 128, 128}, view), plain = SrgbToLab({128, 128, 128});
        EXPECT_LT(DeltaE76(seen, plain), 0.01) << ViewName(view);
        // Black on white stays black on white.
        EXPECT_GT(DeltaEIn(view, {0, 0, 0}, {255, 255, 255}), 99.0) << ViewName(view);
    }
    // A change of hue that also changes lightness shows in greyscale.
    EXPECT_GT(DeltaEIn(VIEW_GREYSCALE, {40, 40, 200}, {240, 220, 60}), 10.0);
}

TEST(DifficultyColour, SimulationClampsToTheGamut) {
    const LinearRgb seen = SeenAs(ToLinear({255, 0, 255}), VIEW_TRITANOPIA);
    for (double channel : {seen.r, seen.g, seen.b}) {
        EXPECT_GE(channel, 0.0);
        EXPECT_LE(channel, 1.0);
    }
    EXPECT_NEAR(255.0, LinearToSrgb(1.0), 1e-9);
    EXPECT_NEAR(0.0, LinearToSrgb(-0.5), 1e-9);
    for (int c = 0; c < 256; c += 17) EXPECT_NEAR(c, LinearToSrgb(SrgbToLinear(c)), 1e-6);
}

TEST(DifficultyRanks, SpearmanGivesTiesTheirAverageRank) {
    EXPECT_NEAR(-1.0, SpearmanCorrelation({1, 2, 3, 4, 5}, {50, 40, 30, 20, 10}), 1e-12);
    EXPECT_NEAR(1.0, SpearmanCorrelation({1, 2, 3, 4, 5}, {1, 10, 100, 1000, 10000}), 1e-12);
    // y ranks 1, 2, 3.5, 5, 3.5: r = 8 / sqrt(10 x 9.5).
    EXPECT_NEAR(0.820782, SpearmanCorrelation({1, 2, 3, 4, 5}, {5, 6, 7, 8, 7}), 1e-6);
    EXPECT_EQ(0.0, SpearmanCorrelation({1, 2, 3}, {4, 4, 4}));
}

TEST(DifficultyKinds, EveryLevelHasARowOfFiveKnownKinds) {
    for (int level = 1; level <= LEVEL_COUNT; ++level) {
        EXPECT_EQ(level, CHANGE_KINDS[level - 1].level);
        for (ChangeKind kind : CHANGE_KINDS[level - 1].kinds) {
            EXPECT_GE(kind, 0);
            EXPECT_LT(kind, CHANGE_KIND_COUNT);
        }
        EXPECT_GE(DistinctKinds(level), 1);
    }
    EXPECT_STREQ("orientation", ChangeKindName(KIND_ORIENTATION));
}

TEST(DifficultyTargets, VerdictsFollowTheFigures) {
    std::vector<LevelFigures> figures = FiguresMeetingEveryTarget();
    for (const TargetVerdict& verdict : CheckTargets(figures)) EXPECT_TRUE(verdict.met) << verdict.name << ": " << verdict.figure;

    // One change that vanishes in greyscale misses exactly one target.
    figures[5].changes[2].changed[VIEW_GREYSCALE] = 12;
    int missed = 0;
    for (const TargetVerdict& verdict : CheckTargets(figures)) {
        if (verdict.met) continue;
        ++missed;
        EXPECT_NE(std::string::npos, verdict.figure.find("6.3 (grey)")) << verdict.figure;
    }
    EXPECT_EQ(1, missed);

    // A flat curve misses the rank correlation.
    figures = FiguresMeetingEveryTarget();
    for (LevelFigures& level : figures) level.median = 300;
    bool spearmanMissed = false;
    for (const TargetVerdict& verdict : CheckTargets(figures))
        if (!verdict.met && verdict.name.find("Spearman") != std::string::npos) spearmanMissed = true;
    EXPECT_TRUE(spearmanMissed);
}

TEST(DifficultyTable, IsTheSameTextForTheSameFigures) {
    const std::vector<LevelFigures> figures = FiguresMeetingEveryTarget();
    const std::string table = DifficultyTable(figures);
    EXPECT_EQ(table, DifficultyTable(figures));
    // A line a change, a line a level.
    int changeLines = 0;
    size_t at = 0;
    while ((at = table.find("\n    6 ", at)) != std::string::npos) {
        ++changeLines;
        ++at;
    }
    EXPECT_EQ(AREAS_PER_LEVEL + 1, changeLines);
    EXPECT_EQ("median 400 px \xC2\xB7 edges 0.14", DifficultyCaption(figures[5]));
}
