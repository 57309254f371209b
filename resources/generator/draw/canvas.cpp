// Canvas, fonts and small path helpers shared by every picture.
#include "draw/canvas.h"

#include <cairo-ft.h>
#include <ft2build.h>
#include FT_FREETYPE_H

#include <cmath>
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

void SetColor(cairo_t* cr, int r, int g, int b, double alpha) {
    cairo_set_source_rgba(cr, r / 255.0, g / 255.0, b / 255.0, alpha);
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

void DrawTextCentered(cairo_t* cr, const char* utf8, double cx, double cy, int r, int g, int b,
                      double outlineWidth, int or_, int og, int ob) {
    cairo_save(cr);
    cairo_new_path(cr);
    TextPathCentered(cr, utf8, cx, cy);
    if (outlineWidth > 0) {
        SetColor(cr, or_, og, ob);
        cairo_set_line_width(cr, outlineWidth);
        cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
        cairo_stroke_preserve(cr);
    }
    SetColor(cr, r, g, b);
    cairo_fill(cr);
    cairo_restore(cr);
}

void RoundedRectPath(cairo_t* cr, double x, double y, double w, double h, double radius) {
    const double degrees = M_PI / 180.0;
    cairo_new_sub_path(cr);
    cairo_arc(cr, x + w - radius, y + radius, radius, -90 * degrees, 0);
    cairo_arc(cr, x + w - radius, y + h - radius, radius, 0, 90 * degrees);
    cairo_arc(cr, x + radius, y + h - radius, radius, 90 * degrees, 180 * degrees);
    cairo_arc(cr, x + radius, y + radius, radius, 180 * degrees, 270 * degrees);
    cairo_close_path(cr);
}

void CloudPath(cairo_t* cr, double x, double y, double w, double h, int bumps) {
    const double cx = x + w / 2, cy = y + h / 2;
    // Bumps sit on an ellipse inset by their own radius, so the outline stays
    // inside the box.
    const double bumpRadius = std::fmin(w, h) * 0.28;
    const double rx = w / 2 - bumpRadius, ry = h / 2 - bumpRadius;
    cairo_new_sub_path(cr);
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    cairo_scale(cr, rx + bumpRadius * 0.6, ry + bumpRadius * 0.6);
    cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
    cairo_restore(cr);
    for (int i = 0; i < bumps; ++i) {
        const double angle = 2 * M_PI * i / bumps;
        const double wobble = (i % 2 == 0) ? 1.0 : 0.82;
        cairo_new_sub_path(cr);
        cairo_arc(cr, cx + rx * std::cos(angle), cy + ry * std::sin(angle), bumpRadius * wobble, 0,
                  2 * M_PI);
    }
}

void StarPath(cairo_t* cr, double cx, double cy, double outerRadius, double innerRadius,
              double rotation) {
    cairo_new_sub_path(cr);
    for (int i = 0; i < 10; ++i) {
        const double radius = (i % 2 == 0) ? outerRadius : innerRadius;
        const double angle = rotation - M_PI / 2 + i * M_PI / 5;
        const double px = cx + radius * std::cos(angle), py = cy + radius * std::sin(angle);
        if (i == 0)
            cairo_move_to(cr, px, py);
        else
            cairo_line_to(cr, px, py);
    }
    cairo_close_path(cr);
}

void HeartPath(cairo_t* cr, double cx, double cy, double size) {
    const double s = size / 2;
    cairo_new_sub_path(cr);
    cairo_move_to(cr, cx, cy + s * 0.95);
    cairo_curve_to(cr, cx - s * 1.1, cy + s * 0.1, cx - s * 1.05, cy - s * 0.95, cx, cy - s * 0.35);
    cairo_curve_to(cr, cx + s * 1.05, cy - s * 0.95, cx + s * 1.1, cy + s * 0.1, cx, cy + s * 0.95);
    cairo_close_path(cr);
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
