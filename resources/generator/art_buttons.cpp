// Button faces and the icon's figure.
// (First cut; the finished artwork replaces these bodies.)
#include "art.h"

void DrawButtonBitmap(Canvas& canvas, const char* name) {
    FillBackground(canvas, {180, 220, 250});
    UseFont(canvas.cr, FONT_BOLD, 24);
    DrawTextCentered(canvas.cr, name, canvas.width / 2.0, canvas.height / 2.0, 20, 20, 20);
}

void DrawIconPicture(Canvas& canvas) {
    FillBackground(canvas, {255, 255, 255});
    DrawMascotHead(canvas.cr, canvas.width / 2.0, canvas.height / 2.0, canvas.width * 0.4);
}
