// How hard each level is, measured on its picture as the generator draws it:
// how many pixels of each change differ perceptibly (CIE76 delta E over 10 in
// CIELAB, D65), in normal vision, in three simulated colour-vision
// deficiencies (Machado, Oliveira & Fernandes 2009, severity 1) and in
// greyscale; how busy the unaltered scene is (its share of edge pixels); and
// the targets of the difficulty curve those figures are held to.
// Host code only: nothing here goes into the game.
#pragma once

#include "layout.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// ------------------------------------------------------------ change kinds ---
enum ChangeKind {
    KIND_COLOUR,
    KIND_MISSING,
    KIND_ADDED,
    KIND_SHAPE,
    KIND_SIZE,
    KIND_POSITION,
    KIND_COUNT,
    KIND_ORIENTATION,
};
constexpr int CHANGE_KIND_COUNT = KIND_ORIENTATION + 1;
const char* ChangeKindName(ChangeKind kind);  // "colour", "missing", ...

struct ChangeKindRow {
    int level;
    ChangeKind kinds[AREAS_PER_LEVEL];  // in area order
};

// change_kinds.inc, one row a level. A row with more or fewer than five kinds
// does not expand; a row missing or out of order is stopped below.
constexpr ChangeKindRow CHANGE_KINDS[] = {
#define CHANGE_KINDS(level, k1, k2, k3, k4, k5) {level, {KIND_##k1, KIND_##k2, KIND_##k3, KIND_##k4, KIND_##k5}},
#include "measure/change_kinds.inc"
#undef CHANGE_KINDS
};
static_assert(sizeof CHANGE_KINDS / sizeof CHANGE_KINDS[0] == LEVEL_COUNT,
              "change_kinds.inc: one CHANGE_KINDS row per LEVEL row of catalogue.inc");
constexpr bool ChangeKindsNumberedInOrder() {
    for (size_t i = 0; i < sizeof CHANGE_KINDS / sizeof CHANGE_KINDS[0]; ++i)
        if (CHANGE_KINDS[i].level != static_cast<int>(i) + 1) return false;
    return true;
}
static_assert(ChangeKindsNumberedInOrder(), "change_kinds.inc: rows must be numbered 1, 2, 3 ... in order");

// Distinct kinds among a level's five changes.
int DistinctKinds(int level);

// ------------------------------------------------------------------ colour ---
struct Lab {
    double L, a, b;
};
// Linear-light RGB, each 0..1.
struct LinearRgb {
    double r, g, b;
};

double SrgbToLinear(int channel);    // 0..255 -> 0..1, the sRGB curve
double LinearToSrgb(double linear);  // 0..1 (clamped) -> 0..255, not rounded
LinearRgb ToLinear(Rgb color);
// CIELAB of a linear sRGB colour, D65 white.
Lab LinearToLab(LinearRgb color);
Lab SrgbToLab(Rgb color);
// CIE76: the Euclidean distance in CIELAB.
double DeltaE76(const Lab& one, const Lab& other);

// The five ways a picture is seen.
enum View { VIEW_NORMAL, VIEW_PROTANOPIA, VIEW_DEUTERANOPIA, VIEW_TRITANOPIA, VIEW_GREYSCALE };
constexpr int VIEW_COUNT = VIEW_GREYSCALE + 1;
const char* ViewName(View view);  // "normal", "protan", "deutan", "tritan", "grey"

// The colour as the view shows it, in linear RGB: normal unchanged; a
// deficiency's Machado 2009 severity-1.0 matrix applied to the linear colour
// and clamped to 0..1 (the sRGB gamut); greyscale the relative luminance Y
// on all three channels.
LinearRgb SeenAs(LinearRgb color, View view);
// Its CIELAB, for delta E between two colours seen the same way.
Lab LabSeenAs(Rgb color, View view);

// Relative luminance Y (0..1) of an sRGB colour, from linear RGB.
double RelativeLuminance(Rgb color);

// ---------------------------------------------------------------- pictures ---
// An opaque RGB image, top row first.
struct RgbImage {
    int width = 0, height = 0;
    std::vector<Rgb> pixels;
    const Rgb& At(int x, int y) const { return pixels[static_cast<size_t>(y) * width + x]; }
};
// Decodes a 24-bit BI_RGB bitmap as the generator writes it (bottom-up rows
// padded to 4 bytes); false with a reason on anything else.
bool DecodeBmp24(const std::vector<std::uint8_t>& bytes, RgbImage* image, std::string* error);
// The same, from a file.
bool ReadBmp24(const std::string& path, RgbImage* image, std::string* error);

// -------------------------------------------------------------- the figures ---
// A pixel of a change counts when its delta E, altered against unaltered,
// is over this.
constexpr double CHANGED_DELTA_E = 10.0;
// Edge pixels: luma gradient over this. Luma is Rec. 601 on the sRGB values,
// 0.299 R + 0.587 G + 0.114 B (0..255); the gradient is taken by forward
// differences, |Y(x+1, y) - Y(x, y)| + |Y(x, y+1) - Y(x, y)| (the L1 norm),
// the last column and row against themselves. Of the operators tried (Sobel,
// central, forward, Roberts; L2, L1, max; linear Y, Rec. 601, Rec. 709, L*)
// this one matched the edge shares first measured on the pictures best.
constexpr double EDGE_GRADIENT = 30.0;

struct ChangeFigures {
    int level = 0, area = 0;  // 1-based
    ChangeKind kind = KIND_COLOUR;
    int innerPixels = 0;          // pixels strictly inside the area: the ones that may change
    int changed[VIEW_COUNT] = {};  // pixels over CHANGED_DELTA_E in each view
    double meanDeltaE = 0;        // mean delta E (normal view) of the changed pixels; 0 if none
    // The fewest changed pixels a fair change shows in every view: 40, or
    // 15 % of the inner pixels when 40 would be more than that.
    int needed = 0;
};

struct LevelFigures {
    int level = 0;
    ChangeFigures changes[AREAS_PER_LEVEL];
    int median = 0;         // median of the five changes' normal-view counts
    double edgeShare = 0;   // share of the unaltered scene's pixels on an edge
    double meanDeltaE = 0;  // mean of the five changes' mean delta E
};

// The figures of one level from its picture (the two scene copies at
// UNALTERED_SCENE and ALTERED_SCENE, the areas in altered-copy coordinates).
LevelFigures MeasureLevel(const RgbImage& picture, int level);
// Share of edge pixels in the given rectangle of the picture.
double EdgeShare(const RgbImage& picture, const PixelRect& rect);

// Spearman's rank correlation, ties given their average rank; 0 when either
// side has no spread.
double SpearmanCorrelation(const std::vector<double>& x, const std::vector<double>& y);

// ---------------------------------------------------------------- targets ---
struct TargetVerdict {
    std::string name;    // what is held
    std::string figure;  // what was measured
    bool met = false;
};
// Issue 14's targets over all levels (figures[i] is level i + 1).
std::vector<TargetVerdict> CheckTargets(const std::vector<LevelFigures>& figures);

// The table the generator writes beside the contact sheet (difficulty.txt):
// one line a change, one a level, the curve's figures and the targets'
// verdicts. Plain text, aligned columns, the same bytes for the same figures.
std::string DifficultyTable(const std::vector<LevelFigures>& figures);
// The short line the contact sheet shows under a level's thumbnail.
std::string DifficultyCaption(const LevelFigures& figures);
