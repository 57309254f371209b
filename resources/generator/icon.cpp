// The twelve images of the icon: 16 and 32 pixels are filled by the figure;
// 48 and 64 hold the 32-pixel figure centred in a transparent field.
#include "art.h"

void MakeIconImages(Canvas* images) {
    for (int i = 0; i < ICON_IMAGE_COUNT; ++i) {
        const int size = ICON_IMAGES[i].size;
        images[i] = NewCanvas(size, size);
        if (size <= 32) {
            DrawIconPicture(images[i]);
            continue;
        }
        Canvas figure = NewCanvas(32, 32);
        DrawIconPicture(figure);
        cairo_set_source_surface(images[i].cr, figure.surface, (size - 32) / 2, (size - 32) / 2);
        cairo_paint(images[i].cr);
        FreeCanvas(figure);
    }
}
