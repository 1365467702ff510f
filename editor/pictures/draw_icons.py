# Draws the 30 station-icon pictures as 32x32 XPM images:
#     python3 draw_icons.py .    (writes icons_named.xpm.h and icons_region0.xpm.h)
N = 32

class Pic:
    def __init__(s, bg, scale=1.0):
        s.p = [[bg] * N for _ in range(N)]
        s.scale = scale  # drawings shrink towards the centre
    def put(s, x, y, c):
        if s.scale != 1.0:
            x = int(round(15.5 + (x - 15.5) * s.scale))
            y = int(round(15.5 + (y - 15.5) * s.scale))
        if 0 <= x < N and 0 <= y < N:
            s.p[y][x] = c
    def rect(s, x0, y0, x1, y1, c, fill=True):
        for y in range(y0, y1 + 1):
            for x in range(x0, x1 + 1):
                if fill or x in (x0, x1) or y in (y0, y1):
                    s.put(x, y, c)
    def line(s, x0, y0, x1, y1, c, w=1):
        dx, dy = abs(x1 - x0), -abs(y1 - y0)
        sx, sy = (1 if x0 < x1 else -1), (1 if y0 < y1 else -1)
        err = dx + dy
        while True:
            for a in range(w):
                for b in range(w):
                    s.put(x0 + a, y0 + b, c)
            if x0 == x1 and y0 == y1:
                break
            e2 = 2 * err
            if e2 >= dy:
                err += dy; x0 += sx
            if e2 <= dx:
                err += dx; y0 += sy
    def circle(s, cx, cy, r, c, fill=True):
        for y in range(N):
            for x in range(N):
                d = (x - cx) ** 2 + (y - cy) ** 2
                if (fill and d <= r * r) or (not fill and (r - 1) ** 2 <= d <= r * r + r):
                    s.put(x, y, c)
    def poly(s, pts, c):
        for y in range(N):
            xs = []
            for i in range(len(pts)):
                (x0, y0), (x1, y1) = pts[i], pts[(i + 1) % len(pts)]
                if (y0 <= y < y1) or (y1 <= y < y0):
                    xs.append(x0 + (y - y0) * (x1 - x0) / (y1 - y0))
            xs.sort()
            for i in range(0, len(xs) - 1, 2):
                for x in range(int(round(xs[i])), int(round(xs[i + 1])) + 1):
                    s.put(x, y, c)

def wheels(p, xs, y, r, c):
    for x in xs:
        p.circle(x, y, r, c)

def draw(k, p, f, a):  # f: main colour, a: accent
    if k == 0:   # maker mark: ring with a tail
        p.circle(15, 14, 11, f, False); p.circle(15, 14, 10, f, False)
        p.line(18, 18, 27, 28, a, 3)
    elif k == 1:  # jogger
        p.circle(18, 5, 3, f)
        p.line(17, 9, 14, 19, f, 2); p.line(14, 19, 20, 24, f, 2); p.line(20, 24, 18, 30, f, 2)
        p.line(14, 19, 9, 26, f, 2); p.line(9, 26, 5, 26, f, 2)
        p.line(16, 11, 22, 15, a, 2); p.line(16, 11, 9, 13, a, 2)
    elif k == 2:  # home
        p.poly([(3, 15), (16, 3), (29, 15)], a)
        p.rect(7, 15, 25, 29, f); p.rect(14, 20, 18, 29, a)
    elif k == 3:  # portable radio
        p.rect(11, 9, 21, 30, f); p.line(13, 1, 13, 9, f, 2)
        p.rect(13, 12, 19, 17, a); p.rect(13, 20, 19, 27, a, False)
    elif k == 4:  # yacht
        p.line(16, 2, 16, 23, f, 1); p.poly([(17, 3), (17, 22), (28, 22)], a)
        p.poly([(15, 6), (15, 22), (6, 22)], a); p.poly([(3, 24), (29, 24), (24, 29), (8, 29)], f)
    elif k == 5:  # SSTV set
        p.rect(3, 9, 28, 28, f); p.rect(6, 12, 22, 25, a)
        p.line(16, 9, 10, 2, f); p.line(16, 9, 22, 2, f); p.circle(25, 15, 1, a)
    elif k == 6:  # aircraft
        p.rect(14, 2, 17, 29, f); p.poly([(2, 16), (15, 10), (16, 10), (29, 16), (29, 19), (2, 19)], f)
        p.rect(10, 25, 21, 27, a)
    elif k == 7:  # boat
        p.poly([(2, 19), (29, 19), (24, 27), (7, 27)], f); p.rect(11, 12, 20, 18, a)
        p.rect(14, 6, 16, 11, f)
    elif k == 8:  # car
        p.rect(3, 15, 28, 22, f); p.poly([(8, 15), (11, 9), (21, 9), (24, 15)], f)
        p.rect(12, 11, 20, 14, a); wheels(p, (9, 22), 23, 3, a)
    elif k == 9:  # motorcycle
        p.circle(7, 22, 5, f, False); p.circle(24, 22, 5, f, False)
        p.line(7, 22, 14, 14, a, 2); p.line(14, 14, 24, 22, a, 2); p.line(14, 14, 21, 12, f, 2)
        p.line(21, 12, 23, 7, f, 2)
    elif k == 10:  # triangle
        p.poly([(16, 3), (30, 28), (2, 28)], f); p.poly([(16, 12), (23, 24), (9, 24)], a)
    elif k == 11:  # jeep
        p.rect(3, 13, 24, 22, f); p.rect(8, 7, 20, 13, f, False); p.rect(25, 14, 28, 21, a)
        wheels(p, (9, 20), 23, 3, a)
    elif k == 12:  # recreational vehicle
        p.rect(2, 8, 29, 23, f)
        for x in (5, 12, 19):
            p.rect(x, 11, x + 4, 15, a)
        p.rect(25, 11, 28, 18, a); wheels(p, (8, 23), 24, 3, a)
    elif k == 13:  # truck
        p.rect(2, 7, 20, 22, f); p.rect(21, 12, 29, 22, a); p.rect(24, 14, 28, 17, f)
        wheels(p, (7, 14, 25), 24, 3, f)
    elif k == 14:  # van
        p.poly([(3, 9), (22, 9), (29, 16), (29, 23), (3, 23)], f)
        p.poly([(21, 11), (26, 16), (21, 16)], a); wheels(p, (9, 23), 24, 3, a)

def xpm(name, pic, colours):
    keys = {c: ch for c, ch in zip(colours, ".#+@")}
    out = ["static const char* const %s[] = {" % name, '    "%d %d %d 1",' % (N, N, len(colours))]
    for c, ch in keys.items():
        out.append('    "%s c %s",' % (ch, c))
    for row in pic.p:
        out.append('    "%s",' % "".join(keys[c] for c in row))
    out[-1] = out[-1][:-1]
    out.append("};")
    return "\n".join(out)

names = ["maker", "jogger", "home", "portable", "yacht", "sstv", "aircraft", "boat", "car",
         "motorcycle", "triangle", "jeep", "rv", "truck", "van"]

def write(path, prefix, bg, f, a, comment, badge=None):
    parts = ["// " + comment, "#pragma once", ""]
    for k, n in enumerate(names):
        colours = [bg, f, a]
        if badge:
            # A round badge behind a smaller drawing.
            pic = Pic(bg)
            pic.circle(15.5, 15.5, 15.5, badge)
            pic.scale = 0.72
            colours.append(badge)
        else:
            pic = Pic(bg)
        draw(k, pic, f, a)
        parts.append(xpm("%s_%s" % (prefix, n), pic, colours))
        parts.append("")
    open(path, "w").write("\n".join(parts) + "\n")

import sys
d = sys.argv[1]
write(d + "/icons_named.xpm.h", "icon_named", "#FFFFFF", "#102060", "#D02020",
      "The 15 built-in station icons with names, in selector order (dark blue and red on white).")
write(d + "/icons_region0.xpm.h", "icon_region0", "#D8D8D8", "#F0E040", "#40C0F0",
      "The 15 built-in station icons of the region-'0' selector, in order, on a navy badge.",
      badge="#103050")
