// Colour for every drawing: the one way to set a colour (Use), the one way
// to put a colour into a gradient (AddStop), and the shades of a colour.
// Colours are Rgb (layout.h), 0-255 a channel.
#pragma once

#include "layout.h"

#include <cairo.h>

// The dark outline colour every cartoon figure and lettering shares.
constexpr Rgb INK = {52, 36, 48};
// Pure white, for highlights, glints and snow.
constexpr Rgb WHITE = {255, 255, 255};
// Pure black, laid translucent for shadows.
constexpr Rgb BLACK = {0, 0, 0};

// Sets the source colour.
void Use(cairo_t* cr, Rgb color, double alpha = 1.0);
// Adds a colour stop to a gradient.
void AddStop(cairo_pattern_t* gradient, double offset, Rgb color, double alpha = 1.0);
// The colour mixed towards white, or towards black, by amount 0..1.
Rgb Lighter(Rgb color, double amount);
Rgb Darker(Rgb color, double amount);
