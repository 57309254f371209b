// Byte-exact encoders for the resource files: 24-bit BMP, PCM WAVE and ICO.
#pragma once

#include "draw/canvas.h"
#include "layout.h"

#include <cstdint>
#include <string>
#include <vector>

using Bytes = std::vector<std::uint8_t>;

// BITMAPFILEHEADER + 40-byte BITMAPINFOHEADER, 24 bits, BI_RGB, bottom-up
// rows padded to 4 bytes, resolution fields 0. The canvas is taken as opaque.
Bytes EncodeBmp24(const Canvas& canvas);

// RIFF/WAVE with a 16-byte PCM "fmt " chunk and one "data" chunk.
Bytes EncodeWav(const SoundEntry& item, const Bytes& pcm);

// An icon file holding one image per ICON_IMAGES row, in that order. images[i]
// is a canvas of ICON_IMAGES[i].size pixels square; its alpha decides the mask.
Bytes EncodeIco(const Canvas* images);

// Writes bytes to path; exits with a message on failure.
void WriteBytes(const std::string& path, const Bytes& bytes);
