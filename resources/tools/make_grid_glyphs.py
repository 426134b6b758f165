# Writes the grid's built-in pictures as PNG files into ../grid: check boxes and radio buttons
# of the two bitmap control styles (ASGCHK01 .. 08, ASGRAD01 .. 08) and of the flat colour-tone
# look (metrocheckon, metrocheckoff, metroradioon, metroradiooff), the leaf and XP node glyphs
# (ASGLEAFCLOSE, ASGLEAFOPEN, XPNODEC, XPNODEO), the filter mark (ASGFILT) and the search
# panel's close cross, arrows and highlighter (ASGCLOSE[H|D], ASGARDOWN[D], ASGARUP[D], ASGHI[D]). Drawn
# here from simple shapes; the top-left pixel of each is the colour the painters leave out.
import os

from make_button_glyphs import Picture, box, disc, polygon, stroke

OUT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "grid")
KEY = (255, 0, 255)


def gradient(p, x0, y0, x1, y1, top, bottom, inside=None):
    for y in range(y0, y1 + 1):
        t = (y - y0) / max(1, y1 - y0)
        c = tuple(round(a + (b - a) * t) for a, b in zip(top, bottom))
        for x in range(x0, x1 + 1):
            if inside is None or inside(x + 0.5, y + 0.5):
                p.pixel(x, y, c)


def frame(p, x0, y0, x1, y1, colour):
    for x in range(x0, x1 + 1):
        p.pixel(x, y0, colour)
        p.pixel(x, y1, colour)
    for y in range(y0, y1 + 1):
        p.pixel(x0, y, colour)
        p.pixel(x1, y, colour)


def check_mark(p, ox, oy, scale, colour):
    # A tick through three points, two pixels thick.
    pts = [(0, 3), (2, 5), (6, 1)]
    for (ax, ay), (bx, by) in zip(pts, pts[1:]):
        steps = max(abs(bx - ax), abs(by - ay)) * 4
        for s in range(steps + 1):
            x = ax + (bx - ax) * s / steps
            y = ay + (by - ay) * s / steps
            for dy in range(2):
                px, py = ox + round(x * scale), oy + round(y * scale) + dy
                if 0 <= px < p.w and 0 <= py < p.h:
                    p.pixel(px, py, colour)


# Bitmap style look: (frame, fill top, fill bottom, mark), enabled and disabled.
XP = {True: ((28, 81, 128), (220, 220, 215), (255, 255, 255), (33, 161, 33)),
      False: ((202, 200, 187), (255, 255, 255), (255, 255, 255), (202, 200, 187))}
DUD = {True: ((70, 100, 160), (255, 255, 255), (190, 210, 240), (0, 40, 120)),
       False: ((170, 170, 170), (245, 245, 245), (220, 220, 220), (150, 150, 150))}


def check_box(size, look, checked, enabled):
    p = Picture(size, size)
    edge, top, bottom, mark = look[enabled]
    inner = size - 3
    gradient(p, 1, 1, inner + 1, inner + 1, top, bottom)
    frame(p, 1, 1, inner + 1, inner + 1, edge)
    if checked:
        check_mark(p, 3, 2, (inner - 4) / 6, mark)
    return p


def radio(look, checked, enabled):
    p = Picture(16, 16)
    edge, top, bottom, mark = look[enabled]
    p.paint(edge, disc(8, 8, 7))
    inner = disc(8, 8, 5.8)
    gradient(p, 2, 2, 13, 13, top, bottom, inner)
    if checked:
        p.paint(mark, disc(8, 8, 2.6))
    return p


def leaf(open_):
    p = Picture(16, 16)
    tab, body, line = (230, 190, 80), (250, 215, 110), (150, 110, 30)
    p.paint(tab, box(1.5, 3, 6.5, 5))
    p.paint(body, box(1.5, 4.5, 14.5, 13.5))
    frame(p, 1, 4, 14, 13, line)
    if open_:
        p.paint((255, 235, 160), polygon([(3.5, 13.5), (5.5, 7.5), (15.5, 7.5), (13.5, 13.5)]))
    return p


def xp_node(collapsed):
    p = Picture(9, 9)
    gradient(p, 1, 1, 7, 7, (255, 255, 255), (200, 200, 190))
    frame(p, 0, 0, 8, 8, (120, 152, 181))
    p.pixel(0, 0, KEY)
    for x in range(2, 7):
        p.pixel(x, 4, (0, 0, 0))
    if collapsed:
        for y in range(2, 7):
            p.pixel(4, y, (0, 0, 0))
    return p


def filter_mark():
    p = Picture(16, 16)
    funnel = polygon([(2, 3), (14, 3), (9.5, 8.5), (9.5, 14), (6.5, 12.5), (6.5, 8.5)])
    p.paint((60, 60, 60), funnel)
    return p


def metro_check(checked):
    p = Picture(16, 16)
    if checked:
        p.paint((51, 51, 51), box(1.5, 1.5, 14.5, 14.5))
        check_mark(p, 3, 3, 1.4, (255, 255, 255))
    else:
        p.paint((255, 255, 255), box(1.5, 1.5, 14.5, 14.5))
        frame(p, 1, 1, 14, 14, (120, 120, 120))
    return p


def metro_radio(checked):
    p = Picture(16, 16)
    p.paint((120, 120, 120), disc(8, 8, 7))
    p.paint((255, 255, 255), disc(8, 8, 6))
    if checked:
        p.paint((51, 51, 51), disc(8, 8, 3.5))
    return p


def close_cross(colour, back=None):
    p = Picture(14, 14)
    if back:
        p.paint(back, box(0.5, 0.5, 13.5, 13.5))
    p.paint(colour, stroke([(3.5, 3.5), (10.5, 10.5)], 1.8))
    p.paint(colour, stroke([(10.5, 3.5), (3.5, 10.5)], 1.8))
    return p


def arrow(down, colour):
    p = Picture(16, 16)
    head = [(3, 9), (13, 9), (8, 14)] if down else [(3, 7), (13, 7), (8, 2)]
    shaft = box(6, 2, 10, 9.5) if down else box(6, 6.5, 10, 14)
    p.paint(colour, shaft)
    p.paint(colour, polygon(head))
    return p


def highlighter(enabled):
    p = Picture(16, 16)
    marker = (230, 200, 0) if enabled else (170, 170, 170)
    p.paint((120, 120, 120) if enabled else (200, 200, 200), polygon([(4, 10), (10, 4), (13, 7), (7, 13)]))
    p.paint(marker, polygon([(2, 14), (4, 10), (7, 13)]))
    p.paint(marker, box(1, 14.5, 10, 15.5))
    return p


def write(name, picture):
    with open(os.path.join(OUT, name + ".png"), "wb") as f:
        f.write(picture.png())


def main():
    os.makedirs(OUT, exist_ok=True)
    # 01 .. 04: checked, unchecked, checked disabled, unchecked disabled; likewise 05 .. 08.
    states = [(True, True), (False, True), (True, False), (False, False)]
    for i, (checked, enabled) in enumerate(states):
        write("ASGCHK%02d" % (i + 1), check_box(20, DUD, checked, enabled))
        write("ASGCHK%02d" % (i + 5), check_box(16, XP, checked, enabled))
        write("ASGRAD%02d" % (i + 1), radio(DUD, checked, enabled))
        write("ASGRAD%02d" % (i + 5), radio(XP, checked, enabled))
    write("ASGLEAFCLOSE", leaf(False))
    write("ASGLEAFOPEN", leaf(True))
    write("XPNODEC", xp_node(True))
    write("XPNODEO", xp_node(False))
    write("ASGFILT", filter_mark())
    write("metrocheckon", metro_check(True))
    write("metrocheckoff", metro_check(False))
    write("metroradioon", metro_radio(True))
    write("metroradiooff", metro_radio(False))
    write("ASGCLOSE", close_cross((90, 90, 90)))
    write("ASGCLOSEH", close_cross((200, 30, 30)))
    write("ASGCLOSED", close_cross((255, 255, 255), (200, 30, 30)))
    write("ASGARDOWN", arrow(True, (40, 90, 170)))
    write("ASGARDOWND", arrow(True, (170, 170, 170)))
    write("ASGARUP", arrow(False, (40, 90, 170)))
    write("ASGARUPD", arrow(False, (170, 170, 170)))
    write("ASGHI", highlighter(True))
    write("ASGHID", highlighter(False))


if __name__ == "__main__":
    main()
