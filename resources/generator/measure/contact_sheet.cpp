// A contact sheet: every picture, button and the icon on one page, labelled.
#include "draw/figures.h"
#include "measure/contact_sheet.h"
#include "pictures/pictures.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

constexpr int SHEET_WIDTH = 2040;
constexpr int MARGIN = 40;
constexpr int GAP = 26;
constexpr int CARD_PADDING = 10;
constexpr int CAPTION_HEIGHT = 44;
constexpr int FIGURE_HEIGHT = 26;  // a level's difficulty line under its caption
constexpr int HEADER_HEIGHT = 200;
constexpr int SECTION_TITLE_HEIGHT = 64;

// One thumbnail to place: what it shows and how large.
struct Card {
    const Canvas* canvas;
    std::string name, caption;
    double scale;
    bool pixelated;  // magnified without smoothing, to show real pixels
    std::string figure = "";  // a level's difficulty figures, a line under the caption
};

// Card outer size for a thumbnail.
double CardWidth(const Card& card) {
    return std::max(card.canvas->width * card.scale + 2 * CARD_PADDING, 120.0);
}
double CardHeight(const Card& card) {
    return card.canvas->height * card.scale + 2 * CARD_PADDING + CAPTION_HEIGHT +
           (card.figure.empty() ? 0 : FIGURE_HEIGHT);
}

// A white card with a soft shadow, the image, and its name and caption.
void DrawCard(cairo_t* cr, const Card& card, double x, double y) {
    const double w = CardWidth(card), h = CardHeight(card);
    RoundedRectPath(cr, x + 3, y + 6, w, h, 14);
    Use(cr, {120, 70, 90}, 0.18);
    cairo_fill(cr);
    RoundedRectPath(cr, x, y, w, h, 14);
    Use(cr, WHITE);
    cairo_fill_preserve(cr);
    Use(cr, {220, 200, 205});
    cairo_set_line_width(cr, 1.5);
    cairo_stroke(cr);

    const double imageW = card.canvas->width * card.scale, imageH = card.canvas->height * card.scale;
    const double imageX = std::round(x + (w - imageW) / 2), imageY = y + CARD_PADDING;
    cairo_save(cr);
    cairo_rectangle(cr, imageX, imageY, imageW, imageH);
    cairo_clip(cr);
    cairo_translate(cr, imageX, imageY);
    cairo_scale(cr, card.scale, card.scale);
    cairo_set_source_surface(cr, card.canvas->surface, 0, 0);
    cairo_pattern_set_filter(cairo_get_source(cr), card.pixelated ? CAIRO_FILTER_NEAREST : CAIRO_FILTER_BEST);
    cairo_paint(cr);
    cairo_restore(cr);
    cairo_rectangle(cr, imageX - 0.5, imageY - 0.5, imageW + 1, imageH + 1);
    Use(cr, BLACK, 0.15);
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);

    // Name in bold, what it is in regular, centred under the image.
    const double captionY = imageY + imageH + CAPTION_HEIGHT / 2.0 + 2;
    UseFont(cr, FONT_BOLD, 19);
    cairo_text_extents_t nameExtents;
    cairo_text_extents(cr, card.name.c_str(), &nameExtents);
    UseFont(cr, FONT_REGULAR, 17);
    cairo_text_extents_t captionExtents;
    const std::string caption = card.caption.empty() ? "" : "  " + card.caption;
    cairo_text_extents(cr, caption.c_str(), &captionExtents);
    const double total = nameExtents.x_advance + captionExtents.x_advance;
    double penX = x + (w - total) / 2;
    UseFont(cr, FONT_BOLD, 19);
    Use(cr, INK);
    cairo_move_to(cr, penX, captionY + 6);
    cairo_show_text(cr, card.name.c_str());
    penX += nameExtents.x_advance;
    UseFont(cr, FONT_REGULAR, 17);
    Use(cr, {130, 100, 115});
    cairo_move_to(cr, penX, captionY + 6);
    cairo_show_text(cr, caption.c_str());

    // The difficulty figures on a line of their own, centred.
    if (!card.figure.empty()) {
        UseFont(cr, FONT_REGULAR, 16);
        cairo_text_extents_t figureExtents;
        cairo_text_extents(cr, card.figure.c_str(), &figureExtents);
        Use(cr, {70, 90, 130});
        cairo_move_to(cr, x + (w - figureExtents.x_advance) / 2, captionY + 6 + FIGURE_HEIGHT - 2);
        cairo_show_text(cr, card.figure.c_str());
    }
}

// A row of cards centred across the sheet; returns the row's height.
double DrawCardRow(cairo_t* cr, const std::vector<Card>& row, double y) {
    double total = -GAP, tallest = 0;
    for (const Card& card : row) {
        total += CardWidth(card) + GAP;
        tallest = std::max(tallest, CardHeight(card));
    }
    double x = (SHEET_WIDTH - total) / 2;
    for (const Card& card : row) {
        // Cards of one row share a baseline.
        DrawCard(cr, card, x, y + tallest - CardHeight(card));
        x += CardWidth(card) + GAP;
    }
    return tallest;
}

// Section heading: a candy word on a soft ribbon.
void DrawSectionTitle(cairo_t* cr, const char* title, double y, int firstColour) {
    cairo_move_to(cr, MARGIN, y + 44);
    cairo_line_to(cr, SHEET_WIDTH - MARGIN, y + 44);
    Use(cr, {230, 170, 185}, 0.6);
    cairo_set_line_width(cr, 3);
    cairo_set_dash(cr, nullptr, 0, 0);
    cairo_stroke(cr);
    UseFont(cr, FONT_BOLD, 36);
    double width = 0, height = 0;
    MeasureText(cr, title, &width, &height);
    RoundedRectPath(cr, SHEET_WIDTH / 2.0 - width / 2 - 34, y + 18, width + 68, 52, 26);
    Use(cr, {255, 250, 244});
    cairo_fill_preserve(cr);
    Use(cr, {230, 170, 185});
    cairo_set_line_width(cr, 3);
    cairo_stroke(cr);
    DrawCandyText(cr, title, SHEET_WIDTH / 2.0, y + 44, 36, 0, firstColour);
}

// Sky-blue banner with the title lettering and mascots.
void DrawHeader(cairo_t* cr) {
    FillGradientRect(cr, 0, 0, SHEET_WIDTH, HEADER_HEIGHT, {140, 200, 250}, {200, 234, 255});
    // Cloud bank along the banner's bottom edge.
    for (int i = 0; i < 26; ++i) {
        const double x = i * 84.0, r = 40 + 14 * (i % 3);
        CirclePath(cr, x, HEADER_HEIGHT + 8 - (i % 2) * 10, r);
    }
    Use(cr, WHITE);
    cairo_fill(cr);
    DrawSparkle(cr, 260, 48, 18, WHITE);
    DrawSparkle(cr, 1790, 60, 22, WHITE);
    DrawSparkle(cr, 1690, 34, 12, {255, 240, 160});
    DrawSparkle(cr, 360, 120, 12, {255, 240, 160});
    DrawTitleLettering(cr, SHEET_WIDTH / 2.0, 84, 900);
    DrawMascotHead(cr, 150, 98, 52);
    DrawMascotFace(cr, SHEET_WIDTH - 150, 98, 52, FACE_SURPRISED);
    UseFont(cr, FONT_REGULAR, 22);
    DrawTextCentered(cr, "pictures · buttons · icon", SHEET_WIDTH / 2.0, 158, {70, 90, 130});
}

// The cards of the sheet, row by row: screens four across, levels five
// across, buttons full size with the icon beside the hint buttons.
struct SheetRows {
    std::vector<Card> screens;
    std::vector<std::vector<Card>> levels, buttons;
};

// The tallest card of a row.
double RowHeight(const std::vector<Card>& row) {
    double tallest = 0;
    for (const Card& card : row) tallest = std::max(tallest, CardHeight(card));
    return tallest;
}

// Cards for every picture and button, and for the icon as the game ships it,
// 1:1, and its figures magnified (icon16 and icon32 drawn by the caller).
SheetRows ArrangeCards(const Canvas* pictures, const Canvas* buttons, const std::vector<std::string>& levelFigures,
                       const Canvas& icon16, const Canvas& icon32) {
    SheetRows rows;
    std::vector<Card> levels, buttonCards;
    for (int i = 0; i < PICTURE_COUNT; ++i) {
        const bool isScreen = i < FIRST_LEVEL_PICTURE;
        Card card = {&pictures[i], PICTURES[i].name, PictureCaption(i), isScreen ? 0.48 : 0.36, false};
        const size_t level = static_cast<size_t>(i - FIRST_LEVEL_PICTURE);
        if (!isScreen && level < levelFigures.size()) card.figure = levelFigures[level];
        (isScreen ? rows.screens : levels).push_back(card);
    }
    for (int i = 0; i < BUTTON_BITMAP_COUNT; ++i)
        buttonCards.push_back({&buttons[i], BUTTON_BITMAPS[i].name, ButtonCaption(i), 1.0, false});
    const std::vector<Card> icons = {
        {&icon16, "icon", "16 px", 1.0, false},
        {&icon32, "icon", "32 px", 1.0, false},
        {&icon16, "icon", "16 px x6", 6.0, true},
        {&icon32, "icon", "32 px x4", 4.0, true},
    };
    for (size_t i = 0; i < levels.size(); i += 5)
        rows.levels.emplace_back(levels.begin() + i, levels.begin() + std::min(levels.size(), i + 5));
    const size_t firstRow = std::min<size_t>(6, buttonCards.size());
    rows.buttons.emplace_back(buttonCards.begin(), buttonCards.begin() + firstRow);
    rows.buttons.emplace_back(buttonCards.begin() + firstRow, buttonCards.end());
    rows.buttons.back().insert(rows.buttons.back().end(), icons.begin(), icons.end());
    return rows;
}

// The sheet's height: header, three section titles and the rows.
double SheetHeight(const SheetRows& rows) {
    double height = HEADER_HEIGHT + 20;
    height += SECTION_TITLE_HEIGHT + RowHeight(rows.screens) + GAP;
    height += SECTION_TITLE_HEIGHT;
    for (const auto& row : rows.levels) height += RowHeight(row) + GAP;
    height += SECTION_TITLE_HEIGHT;
    for (const auto& row : rows.buttons) height += RowHeight(row) + GAP;
    height += MARGIN - GAP;
    return height;
}

// Warm paper with faint polka dots below the header.
void DrawPaper(const Canvas& sheet) {
    cairo_t* cr = sheet.cr;
    cairo_pattern_t* paper = cairo_pattern_create_linear(0, 0, 0, sheet.height);
    AddStop(paper, 0, {255, 249, 238});
    AddStop(paper, 1, {252, 226, 232});
    cairo_set_source(cr, paper);
    cairo_paint(cr);
    cairo_pattern_destroy(paper);
    for (int y = HEADER_HEIGHT + 30; y < sheet.height; y += 40) {
        for (int x = 20 + (y / 40 % 2) * 20; x < SHEET_WIDTH; x += 40) {
            CirclePath(cr, x, y, 3);
        }
    }
    Use(cr, {240, 190, 200}, 0.35);
    cairo_fill(cr);
}

// The three sections, each a title over its rows.
void DrawSections(cairo_t* cr, const SheetRows& rows) {
    double y = HEADER_HEIGHT + 20;
    DrawSectionTitle(cr, "Screens", y, 0);
    y += SECTION_TITLE_HEIGHT;
    y += DrawCardRow(cr, rows.screens, y) + GAP;
    DrawSectionTitle(cr, "Levels", y, 2);
    y += SECTION_TITLE_HEIGHT;
    for (const auto& row : rows.levels) y += DrawCardRow(cr, row, y) + GAP;
    DrawSectionTitle(cr, "Buttons & icon", y, 4);
    y += SECTION_TITLE_HEIGHT;
    for (const auto& row : rows.buttons) y += DrawCardRow(cr, row, y) + GAP;
}

}  // namespace

// Lays out screens, levels, buttons and the icon in labelled sections.
void WriteContactSheet(const char* path, const Canvas* pictures, const Canvas* buttons,
                       const std::vector<std::string>& levelFigures) {
    Canvas icon16 = NewCanvas(16, 16), icon32 = NewCanvas(32, 32);
    DrawIconPicture(icon16);
    DrawIconPicture(icon32);
    const SheetRows rows = ArrangeCards(pictures, buttons, levelFigures, icon16, icon32);
    Canvas sheet = NewCanvas(SHEET_WIDTH, static_cast<int>(std::ceil(SheetHeight(rows))));
    DrawPaper(sheet);
    DrawHeader(sheet.cr);
    DrawSections(sheet.cr, rows);
    const cairo_status_t status = cairo_surface_write_to_png(sheet.surface, path);
    FreeCanvas(icon16);
    FreeCanvas(icon32);
    FreeCanvas(sheet);
    if (status != CAIRO_STATUS_SUCCESS) {
        std::fprintf(stderr, "generator: cannot write %s: %s\n", path, cairo_status_to_string(status));
        std::exit(2);
    }
}
