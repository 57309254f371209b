// The difficulty figures of the levels (see difficulty.h): colour science,
// the per-change and per-level measures, the curve's targets and the table.
#include "measure/difficulty.h"

#include <algorithm>
#include <cmath>
#include <cstdarg>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <iterator>

namespace {

// ------------------------------------------------------------ colour ---
// The sRGB curve, one entry a channel value.
struct LinearTable {
    double value[256];
    LinearTable() {
        for (int c = 0; c < 256; ++c) {
            const double v = c / 255.0;
            value[c] = v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
        }
    }
};
const LinearTable& Linear() {
    static const LinearTable table;
    return table;
}

// Machado, Oliveira & Fernandes (2009), "A Physiologically-based Model for
// Simulation of Color Vision Deficiency", severity 1.0, on linear RGB.
constexpr double PROTANOPIA[3][3] = {
    {0.152286, 1.052583, -0.204868},
    {0.114503, 0.786281, 0.099216},
    {-0.003882, -0.048116, 1.051998},
};
constexpr double DEUTERANOPIA[3][3] = {
    {0.367322, 0.860646, -0.227968},
    {0.280085, 0.672501, 0.047413},
    {-0.011820, 0.042940, 0.968881},
};
constexpr double TRITANOPIA[3][3] = {
    {1.255528, -0.076749, -0.178779},
    {-0.078411, 0.930809, 0.147602},
    {0.004733, 0.691367, 0.303900},
};

double Clamp01(double v) { return v < 0 ? 0 : (v > 1 ? 1 : v); }

LinearRgb Apply(const double (&m)[3][3], LinearRgb c) {
    return {Clamp01(m[0][0] * c.r + m[0][1] * c.g + m[0][2] * c.b),
            Clamp01(m[1][0] * c.r + m[1][1] * c.g + m[1][2] * c.b),
            Clamp01(m[2][0] * c.r + m[2][1] * c.g + m[2][2] * c.b)};
}

// CIELAB's companding function.
double LabF(double t) {
    constexpr double d = 6.0 / 29.0;
    return t > d * d * d ? std::cbrt(t) : t / (3 * d * d) + 4.0 / 29.0;
}

double RelativeLuminanceOf(LinearRgb c) { return 0.2126729 * c.r + 0.7151522 * c.g + 0.0721750 * c.b; }

// Rec. 601 luma of the sRGB values, 0..255: what the edge measure reads.
double Luma(const Rgb& c) { return 0.299 * c.r + 0.587 * c.g + 0.114 * c.b; }

double Median(std::vector<double> values) {
    if (values.empty()) return 0;
    std::sort(values.begin(), values.end());
    const size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

double Mean(const std::vector<double>& values) {
    if (values.empty()) return 0;
    double sum = 0;
    for (double v : values) sum += v;
    return sum / static_cast<double>(values.size());
}

// printf into a std::string.
std::string Format(const char* format, ...) {
    char buffer[512];
    va_list args;
    va_start(args, format);
    std::vsnprintf(buffer, sizeof buffer, format, args);
    va_end(args);
    return buffer;
}

// The figures of levels first..last (1-based, inclusive).
std::vector<const LevelFigures*> Levels(const std::vector<LevelFigures>& figures, int first, int last) {
    std::vector<const LevelFigures*> chosen;
    for (const LevelFigures& level : figures)
        if (level.level >= first && level.level <= last) chosen.push_back(&level);
    return chosen;
}

// Every change's normal-view count, or mean delta E, over levels first..last.
std::vector<double> ChangeCounts(const std::vector<LevelFigures>& figures, int first, int last) {
    std::vector<double> counts;
    for (const LevelFigures* level : Levels(figures, first, last))
        for (const ChangeFigures& change : level->changes) counts.push_back(change.changed[VIEW_NORMAL]);
    return counts;
}
std::vector<double> ChangeDeltaEs(const std::vector<LevelFigures>& figures, int first, int last) {
    std::vector<double> values;
    for (const LevelFigures* level : Levels(figures, first, last))
        for (const ChangeFigures& change : level->changes) values.push_back(change.meanDeltaE);
    return values;
}
double MeanEdgeShare(const std::vector<LevelFigures>& figures, int first, int last) {
    std::vector<double> values;
    for (const LevelFigures* level : Levels(figures, first, last)) values.push_back(level->edgeShare);
    return Mean(values);
}

// The views in which a change shows fewer pixels than it needs, "" for none.
std::string ViewsShort(const ChangeFigures& change) {
    std::string views;
    for (int v = 0; v < VIEW_COUNT; ++v) {
        if (change.changed[v] >= change.needed) continue;
        if (!views.empty()) views += ",";
        views += ViewName(static_cast<View>(v));
    }
    return views;
}

// Issue 14's figures of the curve.
constexpr double TARGET_SPEARMAN = -0.8;
constexpr double TARGET_HARD_MEDIAN_SHARE = 0.4;
constexpr int FAIR_CHANGE_PIXELS = 40;
constexpr double FAIR_CHANGE_SHARE = 0.15;
constexpr double TARGET_EDGE_GROWTH = 1.5;
constexpr double TARGET_LEAST_EDGE_SHARE = 0.08;
constexpr int TARGET_DISTINCT_KINDS = 3;

}  // namespace

// ------------------------------------------------------------ kinds ---
const char* ChangeKindName(ChangeKind kind) {
    static const char* const names[CHANGE_KIND_COUNT] = {"colour", "missing",  "added", "shape",
                                                         "size",   "position", "count", "orientation"};
    return names[kind];
}

int DistinctKinds(int level) {
    bool seen[CHANGE_KIND_COUNT] = {};
    int distinct = 0;
    for (ChangeKind kind : CHANGE_KINDS[level - 1].kinds) {
        if (!seen[kind]) ++distinct;
        seen[kind] = true;
    }
    return distinct;
}

// ------------------------------------------------------------ colour ---
double SrgbToLinear(int channel) { return Linear().value[std::clamp(channel, 0, 255)]; }

double LinearToSrgb(double linear) {
    const double v = Clamp01(linear);
    return 255.0 * (v <= 0.0031308 ? 12.92 * v : 1.055 * std::pow(v, 1 / 2.4) - 0.055);
}

LinearRgb ToLinear(Rgb color) { return {SrgbToLinear(color.r), SrgbToLinear(color.g), SrgbToLinear(color.b)}; }

Lab LinearToLab(LinearRgb c) {
    // sRGB primaries to XYZ, then against the D65 white (0.95047, 1, 1.08883).
    const double x = 0.4124564 * c.r + 0.3575761 * c.g + 0.1804375 * c.b;
    const double y = RelativeLuminanceOf(c);
    const double z = 0.0193339 * c.r + 0.1191920 * c.g + 0.9503041 * c.b;
    const double fx = LabF(x / 0.95047), fy = LabF(y), fz = LabF(z / 1.08883);
    return {116 * fy - 16, 500 * (fx - fy), 200 * (fy - fz)};
}

Lab SrgbToLab(Rgb color) { return LinearToLab(ToLinear(color)); }

double DeltaE76(const Lab& one, const Lab& other) {
    const double dL = one.L - other.L, da = one.a - other.a, db = one.b - other.b;
    return std::sqrt(dL * dL + da * da + db * db);
}

const char* ViewName(View view) {
    static const char* const names[VIEW_COUNT] = {"normal", "protan", "deutan", "tritan", "grey"};
    return names[view];
}

LinearRgb SeenAs(LinearRgb color, View view) {
    switch (view) {
    case VIEW_PROTANOPIA: return Apply(PROTANOPIA, color);
    case VIEW_DEUTERANOPIA: return Apply(DEUTERANOPIA, color);
    case VIEW_TRITANOPIA: return Apply(TRITANOPIA, color);
    case VIEW_GREYSCALE: {
        const double y = Clamp01(RelativeLuminanceOf(color));
        return {y, y, y};
    }
    case VIEW_NORMAL: break;
    }
    return color;
}

Lab LabSeenAs(Rgb color, View view) { return LinearToLab(SeenAs(ToLinear(color), view)); }

double RelativeLuminance(Rgb color) { return RelativeLuminanceOf(ToLinear(color)); }

// ------------------------------------------------------------ pictures ---
bool ReadBmp24(const std::string& path, RgbImage* image, std::string* error) {
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        *error = "cannot open " + path;
        return false;
    }
    const std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    if (!DecodeBmp24(bytes, image, error)) {
        *error = path + ": " + *error;
        return false;
    }
    return true;
}

bool DecodeBmp24(const std::vector<std::uint8_t>& bytes, RgbImage* image, std::string* error) {
    auto read16 = [&](size_t at) { return static_cast<unsigned>(bytes[at] | bytes[at + 1] << 8); };
    auto read32 = [&](size_t at) {
        return static_cast<std::uint32_t>(bytes[at] | bytes[at + 1] << 8 | bytes[at + 2] << 16) |
               static_cast<std::uint32_t>(bytes[at + 3]) << 24;
    };
    if (bytes.size() < 54 || bytes[0] != 'B' || bytes[1] != 'M' || read32(14) != 40 || read16(28) != 24 ||
        read32(30) != 0) {
        *error = "not a 24-bit BI_RGB bitmap";
        return false;
    }
    const int width = static_cast<int>(read32(18));
    const int height = static_cast<int>(read32(22));
    const size_t offset = read32(10);
    const size_t rowBytes = (static_cast<size_t>(width) * 3 + 3) / 4 * 4;
    if (width <= 0 || height <= 0 || offset + rowBytes * height > bytes.size()) {
        *error = "not a bottom-up bitmap of the size its header gives";
        return false;
    }
    image->width = width;
    image->height = height;
    image->pixels.resize(static_cast<size_t>(width) * height);
    for (int y = 0; y < height; ++y) {
        const std::uint8_t* row = &bytes[offset + rowBytes * (height - 1 - y)];
        for (int x = 0; x < width; ++x)
            image->pixels[static_cast<size_t>(y) * width + x] = {row[x * 3 + 2], row[x * 3 + 1], row[x * 3]};
    }
    return true;
}

// ------------------------------------------------------------ figures ---
double EdgeShare(const RgbImage& picture, const PixelRect& rect) {
    const int w = rect.right - rect.left, h = rect.bottom - rect.top;
    if (w <= 0 || h <= 0) return 0;
    std::vector<double> luma(static_cast<size_t>(w) * h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) luma[static_cast<size_t>(y) * w + x] = Luma(picture.At(rect.left + x, rect.top + y));
    int edges = 0;
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            const double here = luma[static_cast<size_t>(y) * w + x];
            const double right = x + 1 < w ? luma[static_cast<size_t>(y) * w + x + 1] : here;
            const double below = y + 1 < h ? luma[static_cast<size_t>(y + 1) * w + x] : here;
            if (std::fabs(right - here) + std::fabs(below - here) > EDGE_GRADIENT) ++edges;
        }
    }
    return static_cast<double>(edges) / (static_cast<double>(w) * h);
}

LevelFigures MeasureLevel(const RgbImage& picture, int level) {
    LevelFigures figures;
    figures.level = level;
    std::vector<double> counts, deltaEs;
    for (int k = 0; k < AREAS_PER_LEVEL; ++k) {
        const PixelRect& area = DIFFERENCE_AREAS[level - 1][k];
        ChangeFigures& change = figures.changes[k];
        change.level = level;
        change.area = k + 1;
        change.kind = CHANGE_KINDS[level - 1].kinds[k];
        double sumDeltaE = 0;
        // Only the pixels strictly inside an area may differ (PlaceScenes).
        for (int y = area.top + 1; y < area.bottom; ++y) {
            for (int x = area.left + 1; x < area.right; ++x) {
                ++change.innerPixels;
                const Rgb& plain = picture.At(x - SCENE_OFFSET_X, y);
                const Rgb& altered = picture.At(x, y);
                if (plain.r == altered.r && plain.g == altered.g && plain.b == altered.b) continue;
                const LinearRgb plainLinear = ToLinear(plain), alteredLinear = ToLinear(altered);
                for (int v = 0; v < VIEW_COUNT; ++v) {
                    const double deltaE = DeltaE76(LinearToLab(SeenAs(plainLinear, static_cast<View>(v))),
                                                   LinearToLab(SeenAs(alteredLinear, static_cast<View>(v))));
                    if (deltaE <= CHANGED_DELTA_E) continue;
                    ++change.changed[v];
                    if (v == VIEW_NORMAL) sumDeltaE += deltaE;
                }
            }
        }
        if (change.changed[VIEW_NORMAL] > 0) change.meanDeltaE = sumDeltaE / change.changed[VIEW_NORMAL];
        const int share = static_cast<int>(std::ceil(FAIR_CHANGE_SHARE * change.innerPixels));
        change.needed = std::min(FAIR_CHANGE_PIXELS, share);
        counts.push_back(change.changed[VIEW_NORMAL]);
        deltaEs.push_back(change.meanDeltaE);
    }
    figures.median = static_cast<int>(Median(counts));
    figures.meanDeltaE = Mean(deltaEs);
    figures.edgeShare = EdgeShare(picture, UNALTERED_SCENE);
    return figures;
}

double SpearmanCorrelation(const std::vector<double>& x, const std::vector<double>& y) {
    const size_t n = std::min(x.size(), y.size());
    auto ranks = [n](const std::vector<double>& values) {
        std::vector<size_t> order(n);
        for (size_t i = 0; i < n; ++i) order[i] = i;
        std::stable_sort(order.begin(), order.end(), [&](size_t a, size_t b) { return values[a] < values[b]; });
        std::vector<double> rank(n);
        for (size_t i = 0; i < n;) {
            size_t j = i;
            while (j + 1 < n && values[order[j + 1]] == values[order[i]]) ++j;
            const double average = (static_cast<double>(i + j) / 2) + 1;  // ranks from 1
            for (size_t t = i; t <= j; ++t) rank[order[t]] = average;
            i = j + 1;
        }
        return rank;
    };
    const std::vector<double> rx = ranks(x), ry = ranks(y);
    // Pearson's correlation of the ranks (exact with ties).
    const double mx = Mean(rx), my = Mean(ry);
    double sxy = 0, sxx = 0, syy = 0;
    for (size_t i = 0; i < n; ++i) {
        sxy += (rx[i] - mx) * (ry[i] - my);
        sxx += (rx[i] - mx) * (rx[i] - mx);
        syy += (ry[i] - my) * (ry[i] - my);
    }
    return sxx > 0 && syy > 0 ? sxy / std::sqrt(sxx * syy) : 0;
}

// ------------------------------------------------------------ targets ---
std::vector<TargetVerdict> CheckTargets(const std::vector<LevelFigures>& figures) {
    std::vector<TargetVerdict> verdicts;
    auto add = [&](std::string name, std::string figure, bool met) {
        verdicts.push_back({std::move(name), std::move(figure), met});
    };

    std::vector<double> numbers, medians;
    for (const LevelFigures& level : figures) {
        numbers.push_back(level.level);
        medians.push_back(level.median);
    }
    const double spearman = SpearmanCorrelation(numbers, medians);
    add(Format("Spearman(level, median) <= %.1f", TARGET_SPEARMAN), Format("%.3f", spearman),
        spearman <= TARGET_SPEARMAN);

    const double easyMedian = Median(ChangeCounts(figures, 1, 3));
    const double hardMedian = Median(ChangeCounts(figures, 11, 13));
    add(Format("median 11-13 <= %.0f %% of median 1-3", TARGET_HARD_MEDIAN_SHARE * 100),
        Format("%.0f vs %.0f (%.0f %%)", hardMedian, easyMedian, easyMedian > 0 ? 100 * hardMedian / easyMedian : 0),
        hardMedian <= TARGET_HARD_MEDIAN_SHARE * easyMedian);

    const double easyDeltaE = Mean(ChangeDeltaEs(figures, 1, 3));
    const double hardDeltaE = Mean(ChangeDeltaEs(figures, 11, 13));
    add("mean delta E 11-13 < mean delta E 1-3", Format("%.1f vs %.1f", hardDeltaE, easyDeltaE),
        hardDeltaE < easyDeltaE);

    std::string faint;
    int faintCount = 0;
    for (const LevelFigures& level : figures) {
        for (const ChangeFigures& change : level.changes) {
            const std::string views = ViewsShort(change);
            if (views.empty()) continue;
            if (faintCount++ < 6) faint += Format("%s%d.%d (%s)", faintCount > 1 ? ", " : "", change.level, change.area,
                                                  views.c_str());
        }
    }
    if (faintCount > 6) faint += Format(" and %d more", faintCount - 6);
    add(Format("every change >= %d px (or %.0f %% of a small area) in all %d views", FAIR_CHANGE_PIXELS,
               FAIR_CHANGE_SHARE * 100, VIEW_COUNT),
        faintCount == 0 ? "all" : Format("%d short: %s", faintCount, faint.c_str()), faintCount == 0);

    const double easyEdges = MeanEdgeShare(figures, 1, 3), hardEdges = MeanEdgeShare(figures, 11, 13);
    add(Format("edge share 11-13 >= %.1f x edge share 1-3", TARGET_EDGE_GROWTH),
        Format("%.3f vs %.3f (x %.2f)", hardEdges, easyEdges, easyEdges > 0 ? hardEdges / easyEdges : 0),
        hardEdges >= TARGET_EDGE_GROWTH * easyEdges);

    std::string bare;
    for (const LevelFigures& level : figures)
        if (level.edgeShare < TARGET_LEAST_EDGE_SHARE) bare += Format("%s%d", bare.empty() ? "" : " ", level.level);
    add(Format("no scene's edge share below %.2f", TARGET_LEAST_EDGE_SHARE),
        bare.empty() ? "none" : "below: levels " + bare, bare.empty());

    std::string samey;
    for (const LevelFigures& level : figures)
        if (DistinctKinds(level.level) < TARGET_DISTINCT_KINDS)
            samey += Format("%s%d", samey.empty() ? "" : " ", level.level);
    add(Format("every level has >= %d kinds of change", TARGET_DISTINCT_KINDS),
        samey.empty() ? "all" : "fewer: levels " + samey, samey.empty());
    return verdicts;
}

// ------------------------------------------------------------ the table ---
std::string DifficultyTable(const std::vector<LevelFigures>& figures) {
    std::string out;
    out += "# Tumblewit: how hard each level is, measured on the level pictures as generated.\n";
    out += Format("# changed: pixels strictly inside the area whose CIE76 delta E (CIELAB, D65), altered copy\n"
                  "#   against the unaltered copy, is over %.0f; in normal vision, simulated protanopia, deuteranopia\n"
                  "#   and tritanopia (Machado, Oliveira & Fernandes 2009, severity 1, on linear RGB) and greyscale\n"
                  "#   (relative luminance Y only). dE: mean delta E (normal) of the changed pixels.\n",
                  CHANGED_DELTA_E);
    out += Format("# need: the fewest a fair change shows in every view (%d, or %.0f %% of a small area);\n"
                  "#   short: the views below it.\n",
                  FAIR_CHANGE_PIXELS, FAIR_CHANGE_SHARE * 100);
    out += Format("# edges: share of the unaltered scene's pixels whose luma (Rec. 601, 0..255) gradient\n"
                  "#   |dY/dx| + |dY/dy| (forward differences) is over %.0f.\n\n",
                  EDGE_GRADIENT);

    out += "level area kind         pixels normal protan deutan tritan   grey need     dE  short\n";
    for (const LevelFigures& level : figures) {
        for (const ChangeFigures& change : level.changes) {
            const std::string shortViews = ViewsShort(change);
            out += Format("%5d %4d %-12s %6d %6d %6d %6d %6d %6d %4d %6.1f%s%s\n", change.level, change.area,
                          ChangeKindName(change.kind), change.innerPixels, change.changed[VIEW_NORMAL],
                          change.changed[VIEW_PROTANOPIA], change.changed[VIEW_DEUTERANOPIA],
                          change.changed[VIEW_TRITANOPIA], change.changed[VIEW_GREYSCALE], change.needed,
                          change.meanDeltaE, shortViews.empty() ? "" : "  ", shortViews.c_str());
        }
    }

    out += "\nlevel median  edges     dE kinds\n";
    for (const LevelFigures& level : figures)
        out += Format("%5d %6d %6.3f %6.1f %5d\n", level.level, level.median, level.edgeShare, level.meanDeltaE,
                      DistinctKinds(level.level));

    out += Format("\n%-8s%-64s%s\n", "verdict", "target", "measured");
    for (const TargetVerdict& verdict : CheckTargets(figures))
        out += Format("%-8s%-64s%s\n", verdict.met ? "met" : "MISSED", verdict.name.c_str(), verdict.figure.c_str());
    return out;
}

std::string DifficultyCaption(const LevelFigures& figures) {
    return Format("median %d px \xC2\xB7 edges %.2f", figures.median, figures.edgeShare);
}
