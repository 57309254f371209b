// Encoders for BMP, WAVE and ICO; every field is written explicitly, little
// endian, so the output is the same on every host.
#include "formats/file_formats.h"

#include <cstdio>
#include <cstdlib>

namespace {

void Put16(Bytes& out, unsigned value) {
    out.push_back(static_cast<std::uint8_t>(value & 0xFF));
    out.push_back(static_cast<std::uint8_t>((value >> 8) & 0xFF));
}

void Put32(Bytes& out, std::uint32_t value) {
    Put16(out, value & 0xFFFF);
    Put16(out, value >> 16);
}

void PutTag(Bytes& out, const char* tag) {
    for (int i = 0; i < 4; ++i) out.push_back(static_cast<std::uint8_t>(tag[i]));
}

// The 40-byte BITMAPINFOHEADER.
void PutInfoHeader(Bytes& out, int width, int height, int bits, std::uint32_t imageBytes) {
    Put32(out, 40);
    Put32(out, static_cast<std::uint32_t>(width));
    Put32(out, static_cast<std::uint32_t>(height));
    Put16(out, 1);     // planes
    Put16(out, static_cast<unsigned>(bits));
    Put32(out, 0);     // BI_RGB
    Put32(out, imageBytes);
    Put32(out, 0);     // x pixels per metre
    Put32(out, 0);     // y pixels per metre
    Put32(out, 0);     // colours used
    Put32(out, 0);     // important colours
}

int RowBytes(int width, int bits) { return ((width * bits + 31) / 32) * 4; }

// One pixel, straight (not premultiplied) colour and alpha.
struct Pixel {
    int r, g, b, a;
};

Pixel ReadPixel(const unsigned char* data, int stride, int x, int y) {
    const unsigned char* p = data + y * stride + x * 4;
    Pixel pixel{p[2], p[1], p[0], p[3]};
    if (pixel.a > 0 && pixel.a < 255) {
        pixel.r = (pixel.r * 255 + pixel.a / 2) / pixel.a;
        pixel.g = (pixel.g * 255 + pixel.a / 2) / pixel.a;
        pixel.b = (pixel.b * 255 + pixel.a / 2) / pixel.a;
    }
    return pixel;
}

// The sixteen colours of the standard Windows palette.
const int VGA_PALETTE[16][3] = {
    {0, 0, 0},     {128, 0, 0},   {0, 128, 0},   {128, 128, 0}, {0, 0, 128},   {128, 0, 128},
    {0, 128, 128}, {192, 192, 192}, {128, 128, 128}, {255, 0, 0}, {0, 255, 0}, {255, 255, 0},
    {0, 0, 255},   {255, 0, 255}, {0, 255, 255}, {255, 255, 255},
};

int NearestPaletteIndex(const Pixel& pixel) {
    int best = 0;
    long bestDistance = -1;
    for (int i = 0; i < 16; ++i) {
        const long dr = pixel.r - VGA_PALETTE[i][0], dg = pixel.g - VGA_PALETTE[i][1],
                   db = pixel.b - VGA_PALETTE[i][2];
        const long distance = dr * dr * 3 + dg * dg * 4 + db * db * 2;
        if (bestDistance < 0 || distance < bestDistance) {
            bestDistance = distance;
            best = i;
        }
    }
    return best;
}

// One icon image: header of doubled height, palette for 4 bits, colour rows,
// then the 1-bit AND mask (1 = transparent), all bottom-up.
Bytes EncodeIconImage(const Canvas& canvas, int bits) {
    cairo_surface_flush(canvas.surface);
    const unsigned char* data = cairo_image_surface_get_data(canvas.surface);
    const int stride = cairo_image_surface_get_stride(canvas.surface);
    const int size = canvas.width;
    const int colourRow = RowBytes(size, bits), maskRow = RowBytes(size, 1);
    const auto imageBytes = static_cast<std::uint32_t>((colourRow + maskRow) * size);

    Bytes out;
    PutInfoHeader(out, size, size * 2, bits, imageBytes);
    if (bits == 4) {
        for (const auto& colour : VGA_PALETTE) {
            out.push_back(static_cast<std::uint8_t>(colour[2]));
            out.push_back(static_cast<std::uint8_t>(colour[1]));
            out.push_back(static_cast<std::uint8_t>(colour[0]));
            out.push_back(0);
        }
    }
    for (int y = size - 1; y >= 0; --y) {
        Bytes row(static_cast<size_t>(colourRow), 0);
        for (int x = 0; x < size; ++x) {
            const Pixel p = ReadPixel(data, stride, x, y);
            const bool opaque = p.a >= 128;
            if (bits == 4) {
                const int index = opaque ? NearestPaletteIndex(p) : 0;
                row[static_cast<size_t>(x / 2)] |= static_cast<std::uint8_t>(x % 2 == 0 ? index << 4 : index);
            } else if (bits == 24) {
                std::uint8_t* q = &row[static_cast<size_t>(x * 3)];
                if (opaque) {
                    q[0] = static_cast<std::uint8_t>(p.b);
                    q[1] = static_cast<std::uint8_t>(p.g);
                    q[2] = static_cast<std::uint8_t>(p.r);
                }
            } else {
                std::uint8_t* q = &row[static_cast<size_t>(x * 4)];
                q[0] = static_cast<std::uint8_t>(p.b);
                q[1] = static_cast<std::uint8_t>(p.g);
                q[2] = static_cast<std::uint8_t>(p.r);
                q[3] = static_cast<std::uint8_t>(p.a);
            }
        }
        out.insert(out.end(), row.begin(), row.end());
    }
    for (int y = size - 1; y >= 0; --y) {
        Bytes row(static_cast<size_t>(maskRow), 0);
        for (int x = 0; x < size; ++x) {
            if (ReadPixel(data, stride, x, y).a < 128)
                row[static_cast<size_t>(x / 8)] |= static_cast<std::uint8_t>(0x80 >> (x % 8));
        }
        out.insert(out.end(), row.begin(), row.end());
    }
    return out;
}

}  // namespace

Bytes EncodeBmp24(const Canvas& canvas) {
    cairo_surface_flush(canvas.surface);
    const unsigned char* data = cairo_image_surface_get_data(canvas.surface);
    const int stride = cairo_image_surface_get_stride(canvas.surface);
    const int rowBytes = RowBytes(canvas.width, 24);
    const auto imageBytes = static_cast<std::uint32_t>(rowBytes * canvas.height);

    Bytes out;
    out.push_back('B');
    out.push_back('M');
    Put32(out, 14 + 40 + imageBytes);  // file size
    Put32(out, 0);                     // reserved
    Put32(out, 14 + 40);               // offset of the pixels
    PutInfoHeader(out, canvas.width, canvas.height, 24, imageBytes);
    for (int y = canvas.height - 1; y >= 0; --y) {
        Bytes row(static_cast<size_t>(rowBytes), 0);
        for (int x = 0; x < canvas.width; ++x) {
            const Pixel p = ReadPixel(data, stride, x, y);
            row[static_cast<size_t>(x * 3 + 0)] = static_cast<std::uint8_t>(p.b);
            row[static_cast<size_t>(x * 3 + 1)] = static_cast<std::uint8_t>(p.g);
            row[static_cast<size_t>(x * 3 + 2)] = static_cast<std::uint8_t>(p.r);
        }
        out.insert(out.end(), row.begin(), row.end());
    }
    return out;
}

Bytes EncodeWav(const SoundEntry& item, const Bytes& pcm) {
    const unsigned blockAlign = static_cast<unsigned>(item.channels * item.bitsPerSample / 8);
    Bytes out;
    PutTag(out, "RIFF");
    Put32(out, static_cast<std::uint32_t>(4 + 8 + 16 + 8 + pcm.size()));
    PutTag(out, "WAVE");
    PutTag(out, "fmt ");
    Put32(out, 16);
    Put16(out, 1);  // PCM
    Put16(out, static_cast<unsigned>(item.channels));
    Put32(out, static_cast<std::uint32_t>(item.sampleRate));
    Put32(out, static_cast<std::uint32_t>(item.sampleRate) * blockAlign);
    Put16(out, blockAlign);
    Put16(out, static_cast<unsigned>(item.bitsPerSample));
    PutTag(out, "data");
    Put32(out, static_cast<std::uint32_t>(pcm.size()));
    out.insert(out.end(), pcm.begin(), pcm.end());
    if (pcm.size() % 2 != 0) out.push_back(0);  // RIFF chunks are word aligned
    return out;
}

Bytes EncodeIco(const Canvas* images) {
    Bytes bodies[ICON_IMAGE_COUNT];
    for (int i = 0; i < ICON_IMAGE_COUNT; ++i)
        bodies[i] = EncodeIconImage(images[i], ICON_IMAGES[i].bitsPerPixel);

    Bytes out;
    Put16(out, 0);  // reserved
    Put16(out, 1);  // icon
    Put16(out, ICON_IMAGE_COUNT);
    std::uint32_t offset = 6 + 16 * ICON_IMAGE_COUNT;
    for (int i = 0; i < ICON_IMAGE_COUNT; ++i) {
        const IconImageEntry& item = ICON_IMAGES[i];
        out.push_back(static_cast<std::uint8_t>(item.size));
        out.push_back(static_cast<std::uint8_t>(item.size));
        out.push_back(item.bitsPerPixel == 4 ? 16 : 0);  // palette colours
        out.push_back(0);
        Put16(out, 1);  // planes
        Put16(out, static_cast<unsigned>(item.bitsPerPixel));
        Put32(out, static_cast<std::uint32_t>(bodies[i].size()));
        Put32(out, offset);
        offset += static_cast<std::uint32_t>(bodies[i].size());
    }
    for (const Bytes& body : bodies) out.insert(out.end(), body.begin(), body.end());
    return out;
}

void WriteBytes(const std::string& path, const Bytes& bytes) {
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (!file || std::fwrite(bytes.data(), 1, bytes.size(), file) != bytes.size() ||
        std::fclose(file) != 0) {
        std::fprintf(stderr, "generator: cannot write %s\n", path.c_str());
        std::exit(2);
    }
}
