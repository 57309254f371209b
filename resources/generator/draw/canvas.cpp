// Canvas, fonts and lettering shared by every picture.
#include "draw/canvas.h"

#include <cairo-ft.h>
#include <ft2build.h>
#include FT_FREETYPE_H

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

FT_Library freetype = nullptr;
cairo_font_face_t* fontFaces[2] = {nullptr, nullptr};

// Opens the Traditional Chinese face of a Noto Sans CJK collection file,
// found by its family name rather than by a fixed index.
cairo_font_face_t* OpenCjkFace(const std::string& path) {
    FT_Face probe = nullptr;
    if (FT_New_Face(freetype, path.c_str(), -1, &probe) != 0) {
        std::fprintf(stderr, "generator: cannot open font file %s\n"
                             "  (Debian package fonts-noto-cjk; or pass --fonts DIR)\n",
                     path.c_str());
        std::exit(2);
    }
    const FT_Long faceCount = probe->num_faces;
    FT_Done_Face(probe);
    for (FT_Long index = 0; index < faceCount; ++index) {
        FT_Face face = nullptr;
        if (FT_New_Face(freetype, path.c_str(), index, &face) != 0) continue;
        if (face->family_name && std::strcmp(face->family_name, "Noto Sans CJK TC") == 0) {
            return cairo_ft_font_face_create_for_ft_face(face, 0);  // lives to process end
        }
        FT_Done_Face(face);
    }
    std::fprintf(stderr, "generator: %s has no \"Noto Sans CJK TC\" face\n", path.c_str());
    std::exit(2);
}

}  // namespace

Canvas NewCanvas(int width, int height) {
    Canvas canvas;
    canvas.surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height);
    canvas.cr = cairo_create(canvas.surface);
    canvas.width = width;
    canvas.height = height;
    return canvas;
}

void FreeCanvas(Canvas& canvas) {
    cairo_destroy(canvas.cr);
    cairo_surface_destroy(canvas.surface);
    canvas.cr = nullptr;
    canvas.surface = nullptr;
}

void LoadFonts(const std::string& fontDir) {
    if (FT_Init_FreeType(&freetype) != 0) {
        std::fprintf(stderr, "generator: FreeType failed to start\n");
        std::exit(2);
    }
    fontFaces[FONT_REGULAR] = OpenCjkFace(fontDir + "/NotoSansCJK-Regular.ttc");
    fontFaces[FONT_BOLD] = OpenCjkFace(fontDir + "/NotoSansCJK-Bold.ttc");
}

cairo_font_face_t* Font(FontWeight weight) { return fontFaces[weight]; }

void UseFont(cairo_t* cr, FontWeight weight, double sizePx) {
    cairo_set_font_face(cr, fontFaces[weight]);
    cairo_set_font_size(cr, sizePx);
    cairo_font_options_t* options = cairo_font_options_create();
    cairo_font_options_set_antialias(options, CAIRO_ANTIALIAS_GRAY);
    cairo_font_options_set_hint_style(options, CAIRO_HINT_STYLE_NONE);
    cairo_font_options_set_hint_metrics(options, CAIRO_HINT_METRICS_OFF);
    cairo_set_font_options(cr, options);
    cairo_font_options_destroy(options);
}

void MeasureText(cairo_t* cr, const char* utf8, double* width, double* height) {
    cairo_text_extents_t extents;
    cairo_text_extents(cr, utf8, &extents);
    *width = extents.width;
    *height = extents.height;
}

void TextPathCentered(cairo_t* cr, const char* utf8, double cx, double cy) {
    cairo_text_extents_t extents;
    cairo_text_extents(cr, utf8, &extents);
    cairo_move_to(cr, cx - extents.x_bearing - extents.width / 2,
                  cy - extents.y_bearing - extents.height / 2);
    cairo_text_path(cr, utf8);
}

void DrawTextCentered(cairo_t* cr, const char* utf8, double cx, double cy, Rgb fill, double outlineWidth,
                      Rgb outline) {
    cairo_save(cr);
    cairo_new_path(cr);
    TextPathCentered(cr, utf8, cx, cy);
    if (outlineWidth > 0) {
        Use(cr, outline);
        cairo_set_line_width(cr, outlineWidth);
        cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
        cairo_stroke_preserve(cr);
    }
    Use(cr, fill);
    cairo_fill(cr);
    cairo_restore(cr);
}

void PixelAt(const Canvas& canvas, int x, int y, int* r, int* g, int* b) {
    cairo_surface_flush(canvas.surface);
    const unsigned char* data = cairo_image_surface_get_data(canvas.surface);
    const int stride = cairo_image_surface_get_stride(canvas.surface);
    const unsigned char* p = data + y * stride + x * 4;  // B, G, R, A in memory (little-endian)
    *b = p[0];
    *g = p[1];
    *r = p[2];
}
