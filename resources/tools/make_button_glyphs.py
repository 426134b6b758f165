# Writes the push buttons' glyphs as PNG files into ../glyphs: the predefined kinds' strips
# (LBOK .. LBALL, a normal and a greyed cell side by side), the drop-down arrow LBARROW and the
# pictures of the main window's and the dialogs' buttons. Every picture is drawn here from
# simple shapes; fuchsia is the background the buttons leave out when they draw a glyph.
import math, os, struct, zlib

KEY = (255, 0, 255)
OUT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "glyphs")
SUB = 4  # samples per pixel side; a pixel takes a shape's colour when half of it is covered


class Picture:
    def __init__(self, w, h):
        self.w, self.h = w, h
        self.px = [[KEY] * w for _ in range(h)]

    def paint(self, colour, inside):
        for y in range(self.h):
            for x in range(self.w):
                hits = sum(inside(x + (i + 0.5) / SUB, y + (j + 0.5) / SUB)
                           for i in range(SUB) for j in range(SUB))
                if hits * 2 >= SUB * SUB:
                    self.px[y][x] = colour

    def pixel(self, x, y, colour):
        self.px[y][x] = colour

    def png(self):
        raw = b"".join(b"\x00" + bytes(c for p in row for c in p) for row in self.px)
        def chunk(kind, data):
            return (struct.pack(">I", len(data)) + kind + data +
                    struct.pack(">I", zlib.crc32(kind + data) & 0xFFFFFFFF))
        return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", self.w, self.h, 8, 2, 0, 0, 0)) +
                chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b""))


# Shapes: predicates over a point, in pixel units.
def disc(cx, cy, r):
    return lambda x, y: (x - cx) ** 2 + (y - cy) ** 2 <= r * r

def ring(cx, cy, r, width, start=0.0, end=360.0):
    def inside(x, y):
        d = math.hypot(x - cx, y - cy)
        if abs(d - r) > width / 2:
            return False
        a = math.degrees(math.atan2(y - cy, x - cx)) % 360
        return start <= a <= end if start <= end else a >= start or a <= end
    return inside

def box(x0, y0, x1, y1):
    return lambda x, y: x0 <= x <= x1 and y0 <= y <= y1

def polygon(points):
    def inside(x, y):
        hit = False
        for (ax, ay), (bx, by) in zip(points, points[1:] + points[:1]):
            if (ay > y) != (by > y) and x < ax + (y - ay) * (bx - ax) / (by - ay):
                hit = not hit
        return hit
    return inside

def stroke(points, width):
    def near(x, y):
        for (ax, ay), (bx, by) in zip(points, points[1:]):
            dx, dy = bx - ax, by - ay
            t = max(0.0, min(1.0, ((x - ax) * dx + (y - ay) * dy) / (dx * dx + dy * dy)))
            if math.hypot(x - ax - t * dx, y - ay - t * dy) <= width / 2:
                return True
        return False
    return near

def any_of(*shapes):
    return lambda x, y: any(s(x, y) for s in shapes)

def minus(shape, cut):
    return lambda x, y: shape(x, y) and not cut(x, y)


def scaled(points, k, dx=0.0, dy=0.0):
    return [(x * k + dx, y * k + dy) for x, y in points]


# Drawings on a unit of 16 pixels, scaled to the picture's size.
def check(p, k, dx=0.0, dy=0.0, dark=(0, 100, 0), light=(40, 170, 40)):
    path = scaled([(2.5, 8.5), (6.5, 12.5), (13.5, 3.5)], k, dx, dy)
    p.paint(dark, stroke(path, 3.6 * k))
    p.paint(light, stroke(path, 2.0 * k))

def cross(p, k, dx=0.0, dy=0.0, dark=(128, 0, 0), light=(220, 40, 40)):
    a = scaled([(3.5, 3.5), (12.5, 12.5)], k, dx, dy)
    b = scaled([(12.5, 3.5), (3.5, 12.5)], k, dx, dy)
    p.paint(dark, any_of(stroke(a, 3.6 * k), stroke(b, 3.6 * k)))
    p.paint(light, any_of(stroke(a, 2.0 * k), stroke(b, 2.0 * k)))

def badge(p, k, fill, edge):
    p.paint(edge, disc(8 * k, 8 * k, 7.4 * k))
    p.paint(fill, disc(8 * k, 8 * k, 6.4 * k))

def question(p, k):
    badge(p, k, (40, 90, 200), (0, 40, 120))
    white = (255, 255, 255)
    p.paint(white, ring(8 * k, 6.2 * k, 2.3 * k, 1.7 * k, 180, 80))
    p.paint(white, stroke(scaled([(8.4, 8.4), (8, 9.8)], k), 1.7 * k))
    p.paint(white, disc(8 * k, 12 * k, 1.0 * k))

def forbidden(p, k):
    red = (200, 30, 30)
    p.paint(red, ring(8 * k, 8 * k, 6.2 * k, 2.2 * k))
    p.paint(red, stroke(scaled([(3.8, 12.2), (12.2, 3.8)], k), 2.2 * k))

def door(p, k):
    p.paint((90, 50, 20), box(3 * k, 1.5 * k, 12 * k, 14.5 * k))
    p.paint((170, 110, 50), box(4.2 * k, 2.7 * k, 10.8 * k, 14.5 * k))
    p.paint((250, 210, 60), disc(9.3 * k, 8.5 * k, 0.9 * k))

def stop(p, k):
    octagon = [(8 + 7.2 * math.cos(math.radians(22.5 + 45 * i)), 8 + 7.2 * math.sin(math.radians(22.5 + 45 * i)))
               for i in range(8)]
    p.paint((120, 0, 0), polygon(scaled(octagon, k)))
    inner = [(8 + 6.0 * math.cos(math.radians(22.5 + 45 * i)), 8 + 6.0 * math.sin(math.radians(22.5 + 45 * i)))
             for i in range(8)]
    p.paint((215, 30, 30), polygon(scaled(inner, k)))
    p.paint((255, 255, 255), box(4 * k, 7 * k, 12 * k, 9.2 * k))

def retry(p, k):
    blue = (30, 90, 190)
    p.paint(blue, ring(8 * k, 9 * k, 5 * k, 2.2 * k, 305, 235))
    p.paint(blue, polygon(scaled([(12.6, 1.0), (12.6, 8.6), (8.2, 4.8)], k)))

def skip(p, k):
    p.paint((110, 110, 110), box(7 * k, 2 * k, 9 * k, 14 * k))
    blue = (30, 90, 190)
    p.paint(blue, stroke(scaled([(1.5, 8), (11, 8)], k), 2.2 * k))
    p.paint(blue, polygon(scaled([(10, 3.5), (15, 8), (10, 12.5)], k)))

def greyed(p, x0, w):
    for y in range(p.h):
        for x in range(x0, x0 + w):
            r, g, b = p.px[y][x]
            if (r, g, b) != KEY:
                level = int(0.3 * r + 0.59 * g + 0.11 * b)
                p.pixel(x, y, (110 + level * 100 // 255,) * 3)


def strip(draw, width=18, height=18):
    # Two cells: normal and disabled, drawn alike and the second greyed.
    p = Picture(width * 2, height)
    k = min(width, height) / 16.0
    cell = Picture(width, height)
    draw(cell, k)
    for y in range(height):
        p.px[y][:width] = cell.px[y][:]
        p.px[y][width:] = cell.px[y][:]
    greyed(p, width, width)
    return p


def kinds():
    yield "LBOK", strip(lambda p, k: check(p, k))
    yield "LBCANCEL", strip(lambda p, k: cross(p, k))
    yield "LBHELP", strip(question)
    yield "LBYES", strip(lambda p, k: (badge(p, k, (225, 245, 225), (0, 100, 0)), check(p, k * 0.8, 1.6 * k, 1.6 * k)))
    yield "LBNO", strip(forbidden)
    yield "LBCLOSE", strip(door)
    yield "LBABORT", strip(stop)
    yield "LBRETRY", strip(retry)
    yield "LBIGNORE", strip(skip)
    def double_check(p, k):
        check(p, k * 0.85, -0.5 * k, 2.5 * k)
        check(p, k * 0.85, 2.5 * k, 0.0)
    yield "LBALL", strip(double_check, 18, 19)
    arrow = Picture(5, 3)
    for y, xs in enumerate([range(0, 5), range(1, 4), range(2, 3)]):
        for x in xs:
            arrow.pixel(x, y, (0, 0, 0))
    yield "LBARROW", arrow


# The main window's and the dialogs' pictures: one cell each.
def info(p, k):
    badge(p, k, (40, 110, 210), (0, 50, 130))
    white = (255, 255, 255)
    p.paint(white, disc(8 * k, 4.6 * k, 1.2 * k))
    p.paint(white, box(6.9 * k, 6.8 * k, 9.1 * k, 12.4 * k))

def gear(p, k):
    teeth = []
    for i in range(16):
        a = math.radians(i * 22.5)
        r = 7.4 if i % 2 == 0 else 5.6
        for da in (-7, 7):
            teeth.append((8 + r * math.cos(a + math.radians(da)), 8 + r * math.sin(a + math.radians(da))))
    p.paint((70, 70, 80), polygon(scaled(teeth, k)))
    p.paint((150, 150, 165), minus(disc(8 * k, 8 * k, 4.7 * k), disc(8 * k, 8 * k, 2.2 * k)))
    p.paint(KEY, disc(8 * k, 8 * k, 2.0 * k))

def power(p, k):
    badge(p, k, (205, 40, 40), (120, 0, 0))
    white = (255, 255, 255)
    p.paint(white, ring(8 * k, 8.6 * k, 3.9 * k, 1.5 * k, 300, 240))
    p.paint(white, box(7.25 * k, 2.8 * k, 8.75 * k, 8.4 * k))

def page(p, k):
    outline = [(3, 1), (10, 1), (13, 4), (13, 15), (3, 15)]
    p.paint((80, 80, 80), polygon(scaled(outline, k)))
    p.paint((255, 255, 255), polygon(scaled([(4, 2), (9.5, 2), (12, 4.5), (12, 14), (4, 14)], k)))
    p.paint((80, 80, 80), polygon(scaled([(9.5, 1.5), (9.5, 4.5), (12.5, 4.5)], k)))
    green = (20, 150, 40)
    p.paint(green, box(9.5 * k, 8.2 * k, 15.5 * k, 10.6 * k))
    p.paint(green, box(11.3 * k, 6.4 * k, 13.7 * k, 12.4 * k))

def folder(p, k):
    p.paint((150, 105, 0), polygon(scaled([(1, 3), (6, 3), (7.5, 4.5), (15, 4.5), (15, 14), (1, 14)], k)))
    p.paint((240, 190, 50), polygon(scaled([(2, 6), (14, 6), (14, 13), (2, 13)], k)))
    p.paint((250, 215, 100), polygon(scaled([(4, 8), (15.5, 8), (14, 13), (2, 13)], k)))

def sliders(p, k):
    for row, knob in ((3.5, 10.5), (8, 5), (12.5, 9)):
        p.paint((90, 90, 100), box(1.5 * k, (row - 0.6) * k, 14.5 * k, (row + 0.6) * k))
        p.paint((0, 70, 150), box((knob - 1.4) * k, (row - 2) * k, (knob + 1.4) * k, (row + 2) * k))
        p.paint((70, 150, 230), box((knob - 0.7) * k, (row - 1.3) * k, (knob + 0.7) * k, (row + 1.3) * k))

def network(p, k):
    line = (60, 60, 60)
    p.paint(line, stroke(scaled([(8, 5), (8, 8), (3.5, 8), (3.5, 11)], k), 1.2 * k))
    p.paint(line, stroke(scaled([(8, 8), (12.5, 8), (12.5, 11)], k), 1.2 * k))
    for x0, y0 in ((5, 0.5), (0.5, 10.5), (9.5, 10.5)):
        p.paint((0, 90, 80), box(x0 * k, y0 * k, (x0 + 6) * k, (y0 + 5) * k))
        p.paint((60, 190, 170), box((x0 + 1) * k, (y0 + 1) * k, (x0 + 5) * k, (y0 + 4) * k))

def table(p, k):
    p.paint((60, 60, 90), box(1 * k, 2 * k, 15 * k, 14 * k))
    p.paint((255, 255, 255), box(2 * k, 3 * k, 14 * k, 13 * k))
    p.paint((50, 100, 190), box(2 * k, 3 * k, 14 * k, 5.5 * k))
    grid = (120, 120, 140)
    for y in (8.0, 10.5):
        p.paint(grid, box(2 * k, y * k, 14 * k, (y + 0.6) * k))
    p.paint(grid, box(6.2 * k, 5.5 * k, 6.8 * k, 13 * k))

def padlock(p, k):
    p.paint((90, 90, 100), ring(8 * k, 6.5 * k, 3.6 * k, 1.6 * k, 180, 360))
    p.paint((90, 90, 100), box(3.6 * k, 6.3 * k, 5.2 * k, 8 * k))
    p.paint((90, 90, 100), box(10.8 * k, 6.3 * k, 12.4 * k, 8 * k))
    p.paint((150, 100, 0), box(2 * k, 7.5 * k, 14 * k, 15 * k))
    p.paint((240, 190, 40), box(3 * k, 8.5 * k, 13 * k, 14 * k))
    p.paint((90, 60, 0), any_of(disc(8 * k, 10.6 * k, 1.3 * k), box(7.4 * k, 10.6 * k, 8.6 * k, 12.8 * k)))

def update(p, k):
    p.paint((50, 50, 60), box(1 * k, 9 * k, 15 * k, 15 * k))
    p.paint((110, 110, 125), box(2 * k, 10 * k, 14 * k, 14 * k))
    p.paint((60, 230, 60), disc(12 * k, 12 * k, 0.9 * k))
    green = (20, 140, 40)
    p.paint((0, 80, 0), polygon(scaled([(5.4, 0.5), (10.6, 0.5), (10.6, 4.5), (13.5, 4.5), (8, 10), (2.5, 4.5),
                                        (5.4, 4.5)], k)))
    p.paint(green, polygon(scaled([(6.4, 1.5), (9.6, 1.5), (9.6, 5.5), (11.2, 5.5), (8, 8.6), (4.8, 5.5),
                                   (6.4, 5.5)], k)))


def single(draw, size):
    p = Picture(size, size)
    draw(p, size / 16.0)
    return p


def pictures():
    yield "BTN_INFO", single(info, 32)
    yield "BTN_OPTIONS", single(gear, 32)
    yield "BTN_CLOSE", single(power, 32)
    yield "BTN_NEW", single(page, 24)
    yield "BTN_OPEN", single(folder, 24)
    yield "BTN_PARAMETERS", single(sliders, 24)
    yield "BTN_NETWORK", single(network, 24)
    yield "BTN_VARIABLES", single(table, 24)
    yield "BTN_CERTIFICATES", single(padlock, 24)
    yield "BTN_UPDATE", single(update, 24)
    yield "BTN_OK", single(lambda p, k: check(p, k), 16)
    yield "BTN_CANCEL", single(lambda p, k: cross(p, k), 16)


os.makedirs(OUT, exist_ok=True)
for name, picture in list(kinds()) + list(pictures()):
    # The bottom-left pixel is the transparent colour of a drawn glyph: it must stay background.
    assert picture.px[picture.h - 1][0] == KEY, name
    with open(os.path.join(OUT, name + ".png"), "wb") as f:
        f.write(picture.png())
