"""What the screen shows, judged against the very bitmaps the build made and
counters drawn by the game's own routine. Every judgement takes a grabbed
client area (an h x w x 3 RGB array) and returns (holds, what it saw)."""
import os
import struct

import numpy as np

# Two pixels are the same colour within 2 % of full scale (Euclidean).
SAME_MOST = (0.02 * 255) ** 2 * 3
# Red as the rings are drawn, within 8 %.
RED_MOST = (0.08 * 255) ** 2 * 3
# The region that tells the screens apart: the top left of the window,
# under no button, counter, ring or label on any screen.
SCREEN_REGION = (0, 0, 640, 150)
SCREEN_DIFFER_MOST = 640 * 150 // 100


def read_bmp(path):
    """A 24-bit BMP as an h x w x 3 RGB array, rows top down."""
    with open(path, "rb") as f:
        data = f.read()
    offset, = struct.unpack_from("<I", data, 10)
    width, height, _, bits = struct.unpack_from("<iiHH", data, 18)
    if bits != 24:
        raise ValueError("%s: %d bits a pixel, not 24" % (path, bits))
    stride = (width * 3 + 3) & ~3
    rows = np.frombuffer(data, np.uint8, stride * abs(height), offset).reshape(abs(height), stride)
    image = rows[:, :width * 3].reshape(abs(height), width, 3)[:, :, ::-1]
    return image[::-1] if height > 0 else image


def read_ppm(path):
    with open(path, "rb") as f:
        data = f.read()
    magic, width, height, depth = data.split(maxsplit=4)[:4]
    header = len(b" ".join([magic, width, height, depth])) + 1
    return np.frombuffer(data, np.uint8, int(width) * int(height) * 3, header).reshape(int(height), int(width), 3)


def write_ppm(path, image):
    with open(path, "wb") as f:
        f.write(b"P6\n%d %d\n255\n" % (image.shape[1], image.shape[0]))
        f.write(np.ascontiguousarray(image).tobytes())


def cut(image, x, y, w, h):
    return image[y:y + h, x:x + w]


def differing(a, b):
    """Pixels of two same-sized images apart by more than SAME_MOST; None
    when their sizes differ."""
    if a.shape != b.shape:
        return None
    d = a.astype(np.int32) - b.astype(np.int32)
    return int(np.count_nonzero((d * d).sum(axis=2) > SAME_MOST))


def red_count(image):
    d = image.astype(np.int32) - np.array([255, 0, 0])
    return int(np.count_nonzero((d * d).sum(axis=2) <= RED_MOST))


class Pictures:
    """The generated bitmaps, read once."""

    def __init__(self, folder):
        self.folder = folder
        self.cache = {}

    def __getitem__(self, name):
        if name not in self.cache:
            self.cache[name] = read_bmp(os.path.join(self.folder, name + ".bmp"))
        return self.cache[name]


class Judge:
    """The judgements, with the layout and the pictures they need."""

    def __init__(self, layout, pictures):
        self.layout = layout
        self.pictures = pictures

    def region(self, judgement, args):
        """The part of the client area a judgement reads; None for all of it."""
        kind = getattr(judgement, "__func__", None)
        if kind is Judge.screen_is:
            return SCREEN_REGION
        if kind in (Judge.button_shown, Judge.button_absent):
            return args[2] if len(args) > 2 and args[2] else self.layout.spot(args[0])
        if kind in (Judge.ring_drawn, Judge.ring_absent):
            l, t, r, b = self.layout.area(*args[:2])
            return l, t, r - l, b - t
        if kind is Judge.counter_shows:
            return args[0].rect
        if kind is Judge.hint_image_is:
            return self.layout.spot("hint")
        return None

    def screen_is(self, shot, picture):
        d = differing(cut(shot, *SCREEN_REGION), cut(self.pictures[picture], *SCREEN_REGION))
        return d is not None and d <= SCREEN_DIFFER_MOST, "%s of %d pixels differ from %s" % (
            d, SCREEN_REGION[2] * SCREEN_REGION[3], picture)

    def button_shown(self, shot, button, behind):
        """The button's bitmap at its spot, unlike the picture there."""
        x, y, w, h = self.layout.spot(button)
        bitmap = self.pictures[self.layout.buttons[button]["bitmap"]]
        vs_bitmap = differing(cut(shot, x, y, w, h), bitmap)
        vs_picture = differing(cut(shot, x, y, w, h), cut(self.pictures[behind], x, y, w, h))
        holds = vs_bitmap is not None and vs_bitmap <= w * h // 50 and vs_picture > w * h // 10
        return holds, "%s of %d pixels differ from the %s button, %s from %s" % (
            vs_bitmap, w * h, button, vs_picture, behind)

    def button_absent(self, shot, button, behind, region=None):
        x, y, w, h = region or self.layout.spot(button)
        d = differing(cut(shot, x, y, w, h), cut(self.pictures[behind], x, y, w, h))
        return d is not None and d <= w * h // 100, "%s of %d pixels differ from %s under the %s button" % (
            d, w * h, behind, button)

    def ring_drawn(self, shot, level, k):
        """A red ellipse inscribed in the area: red at its top (the centre
        column, 1 to 3 pixels below the edge) and far more red inside the
        rectangle than the picture has there."""
        l, t, r, b = self.layout.area(level, k)
        picture = self.pictures[self.layout.level_pictures[level - 1]]
        cx = (l + r) // 2
        top = shot[t + 1:t + 4, cx]
        red_top = int(np.count_nonzero((top[:, 0] >= 240) & (top[:, 1] <= 20) & (top[:, 2] <= 20)))
        extra = red_count(shot[t:b, l:r]) - red_count(picture[t:b, l:r])
        want = (r - l + b - t) * 3   # the 5-pixel pen around an ellipse of that size
        return red_top >= 2 and extra >= want, "area %d of level %d: %d red pixels at its top, %d more red " \
            "pixels than the picture (a ring needs %d)" % (k, level, red_top, extra, want)

    def ring_absent(self, shot, level, k):
        l, t, r, b = self.layout.area(level, k)
        picture = self.pictures[self.layout.level_pictures[level - 1]]
        extra = red_count(shot[t:b, l:r]) - red_count(picture[t:b, l:r])
        return extra <= (r - l + b - t) // 4, "area %d of level %d: %d more red pixels than the picture" % (
            k, level, extra)

    def hint_image_is(self, shot, name):
        """The hint button shows that one of its images. They are not all the
        button's size and a pressed button wears a focus frame, so the inside
        of each (6 pixels in from every edge) is looked for within the spot;
        the one wanted must fit best, and closely."""
        x, y, w, h = self.layout.spot("hint")
        spot = cut(shot, x, y, w, h)
        fits = {}
        for bitmap in self.layout.hint_bitmaps:
            inside = self.pictures[bitmap][6:-6, 6:-6]
            ih, iw = inside.shape[:2]
            fits[bitmap] = min((differing(spot[dy:dy + ih, dx:dx + iw], inside)
                                for dy in range(h - ih + 1) for dx in range(w - iw + 1)), default=ih * iw)
        best = min(fits, key=fits.get)
        inside = self.pictures[name][6:-6, 6:-6]
        limit = inside.shape[0] * inside.shape[1] // 50
        return best == name and fits[name] <= limit, "pixels differing at each image's best place: %s" % fits

    def blank_beyond(self, shot, picture):
        """Below and right of the picture a larger window shows one colour."""
        ph, pw = self.pictures[picture].shape[:2]
        blank = shot[-1, -1]
        below = int(np.count_nonzero((shot[ph:] != blank).any(axis=2)))
        right = int(np.count_nonzero((shot[:ph, pw:] != blank).any(axis=2)))
        return below == 0 and right == 0, "pixels unlike the blank below the %dx%d picture: %d, right of it: %d" % (
            pw, ph, below, right)

    def counter_shows(self, shot, cell):
        x, y, w, h = cell.rect
        d = differing(cut(shot, x, y, w, h), cell.image)
        return d is not None and d <= 3, "the %s cell at (%d,%d): %s pixels differ from \"%s\"" % (
            cell.kind, x, y, d, cell.text)
