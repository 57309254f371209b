// Colour: setting it, gradient stops and shades.
#include "draw/colour.h"

#include <algorithm>
#include <cmath>

namespace {

// Clamps a channel to 0..255.
unsigned char Channel(double value) { return static_cast<unsigned char>(std::lround(std::clamp(value, 0.0, 255.0))); }

}  // namespace

void Use(cairo_t* cr, Rgb color, double alpha) {
    cairo_set_source_rgba(cr, color.r / 255.0, color.g / 255.0, color.b / 255.0, alpha);
}

void AddStop(cairo_pattern_t* gradient, double offset, Rgb color, double alpha) {
    cairo_pattern_add_color_stop_rgba(gradient, offset, color.r / 255.0, color.g / 255.0, color.b / 255.0, alpha);
}

Rgb Lighter(Rgb color, double amount) {
    return {Channel(color.r + (255 - color.r) * amount), Channel(color.g + (255 - color.g) * amount),
            Channel(color.b + (255 - color.b) * amount)};
}

Rgb Darker(Rgb color, double amount) {
    return {Channel(color.r * (1 - amount)), Channel(color.g * (1 - amount)), Channel(color.b * (1 - amount))};
}
