#!/usr/bin/env python3
"""Draws the splash picture and the program icon as XPM C headers (station icons:
draw_icons.py).

    python3 draw_pictures.py      (writes Splash.xpm.h, ProgramIcon.xpm.h)
"""
import math

FONT = {  # 3x5 pixel letters
    '0': '111101101101111', '1': '010110010010111', '2': '111001111100111',
    '3': '111001111001111', '4': '101101111001001', '5': '111100111001111',
    '6': '111100111101111', '7': '111001010010010', '8': '111101111101111',
    '9': '111101111001111', 'A': '010101111101101', 'B': '110101110101110',
    'C': '011100100100011', 'D': '110101101101110', 'E': '111100110100111',
    'G': '011100101101011', 'H': '101101111101101', 'J': '001001001101010',
    'M': '101111111101101', 'O': '010101101101010', 'P': '110101110100100',
    'Q': '010101101110011', 'R': '110101110101101', 'S': '011100010001110',
    'T': '111010010010010', 'V': '101101101101010', 'Y': '101101010010010',
    'K': '101101110101101', 'W': '101101111111101', 'N': '110101101101101',
    'X': '101101010101101', 'L': '100100100100111', 'I': '111010010010111',
    'U': '101101101101111', 'F': '111100110100100', 'Z': '111001010100111',
}


class Canvas:
    def __init__(self, w, h, bg=None):
        self.w, self.h = w, h
        self.px = [[bg] * w for _ in range(h)]

    def set(self, x, y, c):
        if 0 <= x < self.w and 0 <= y < self.h:
            self.px[y][x] = c

    def rect(self, x0, y0, x1, y1, c):
        for y in range(y0, y1 + 1):
            for x in range(x0, x1 + 1):
                self.set(x, y, c)

    def frame(self, x0, y0, x1, y1, c):
        for x in range(x0, x1 + 1):
            self.set(x, y0, c); self.set(x, y1, c)
        for y in range(y0, y1 + 1):
            self.set(x0, y, c); self.set(x1, y, c)

    def disc(self, cx, cy, r, c):
        for y in range(int(cy - r) - 1, int(cy + r) + 2):
            for x in range(int(cx - r) - 1, int(cx + r) + 2):
                if (x - cx) ** 2 + (y - cy) ** 2 <= r * r:
                    self.set(x, y, c)

    def arc(self, cx, cy, r, a0, a1, c, width=1.0):
        for y in range(int(cy - r) - 2, int(cy + r) + 3):
            for x in range(int(cx - r) - 2, int(cx + r) + 3):
                d = math.hypot(x - cx, y - cy)
                a = math.degrees(math.atan2(cy - y, x - cx))
                if abs(d - r) <= width / 2 and a0 <= a <= a1:
                    self.set(x, y, c)

    def rounded(self, x0, y0, x1, y1, r, c):
        self.rect(x0 + r, y0, x1 - r, y1, c)
        self.rect(x0, y0 + r, x1, y1 - r, c)
        for cx, cy in ((x0 + r, y0 + r), (x1 - r, y0 + r), (x0 + r, y1 - r), (x1 - r, y1 - r)):
            self.disc(cx, cy, r, c)

    def text(self, x, y, s, c, scale=1):
        for ch in s:
            bits = FONT.get(ch)
            if bits:
                for i, b in enumerate(bits):
                    if b == '1':
                        self.rect(x + (i % 3) * scale, y + (i // 3) * scale,
                                  x + (i % 3) * scale + scale - 1,
                                  y + (i // 3) * scale + scale - 1, c)
            x += 4 * scale

    def xpm(self, name):
        colours = sorted({c for row in self.px for c in row if c is not None})
        codes = ('abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789'
                 '#$%&*+-/:;<=>@[]^_{|}~')
        per = 1 if len(colours) < len(codes) else 2
        def code(i):
            return codes[i] if per == 1 else codes[i // len(codes)] + codes[i % len(codes)]
        key = {c: code(i) for i, c in enumerate(colours)}
        blank = ' ' * per
        lines = [f'static const char* const {name}[] = {{',
                 f'    "{self.w} {self.h} {len(colours) + 1} {per}",',
                 f'    "{blank} c None",']
        lines += [f'    "{key[c]} c {c}",' for c in colours]
        for row in self.px:
            lines.append('    "' + ''.join(blank if c is None else key[c] for c in row) + '",')
        lines.append('};')
        return '\n'.join(lines)


def radio(cv, x, y, s):
    """A handheld radio whose body is 10*s wide and 22*s tall, antenna above it."""
    body, dark, screen = '#303840', '#181C20', '#A8D890'
    cv.rect(x + 2 * s, y - 9 * s, x + 3 * s, y, dark)               # antenna
    cv.rect(x + 1 * s, y - 10 * s, x + 4 * s, y - 9 * s, dark)
    cv.rounded(x, y, x + 10 * s, y + 22 * s, max(1, s), body)
    cv.rect(x + 1 * s, y + 2 * s, x + 9 * s, y + 7 * s, screen)      # display
    cv.frame(x + 1 * s, y + 2 * s, x + 9 * s, y + 7 * s, dark)
    for r in range(4):                                               # keypad
        for k in range(3):
            kx, ky = x + 1 * s + k * 3 * s, y + 10 * s + r * 3 * s
            cv.rect(kx, ky, kx + 2 * s - 1, ky + 2 * s - 1, '#D0D4D8')
    cv.rect(x + 8 * s, y - 2 * s, x + 9 * s, y, '#C03020')           # knob


def tower(cv, x, y, h):
    """A lattice mast of height h standing on (x, y)."""
    steel = '#D8DCE4'
    for t in range(h):
        half = 1 + (h - t) * 6 // h
        cv.set(x - half, y - t, steel)
        cv.set(x + half, y - t, steel)
        if t % 6 == 0:
            cv.rect(x - half, y - t, x + half, y - t, steel)
        if t % 6 == 3:
            cv.set(x, y - t, steel)
    cv.disc(x, y - h - 1, 2, '#FF5040')


def splash():
    w, h = 320, 140
    cv = Canvas(w, h)
    for y in range(h):
        t = y / (h - 1)
        c = '#%02X%02X%02X' % (int(16 + 40 * t), int(40 + 90 * t), int(96 + 120 * t))
        cv.rect(0, y, w - 1, y, c)
    for x in range(w):                                   # two ranges of hills
        far = int(104 + 10 * math.sin(x / 37.0) + 6 * math.sin(x / 13.0 + 1))
        cv.rect(x, far, x, h - 1, '#30507A')
        near = int(118 + 8 * math.sin(x / 29.0 + 2) + 4 * math.sin(x / 9.0))
        cv.rect(x, near, x, h - 1, '#1E3454')
    tower(cv, 262, 104, 64)
    for r in (14, 24, 34):                               # the repeater answers
        cv.arc(262, 38, r, 120, 240, '#FFD860', 2.2)
    for r in (22, 38, 54, 70):                           # the handheld calls
        cv.arc(56, 30, r, -40, 40, '#F0F4FF', 2.6)
    radio(cv, 22, 44, 4)
    for i, (sx, sy) in enumerate(((120, 14), (170, 26), (205, 10), (300, 20), (150, 6))):
        cv.set(sx, sy, '#FFFFFF')
    return cv


def program_icon():
    cv = Canvas(48, 48)
    cv.rounded(0, 0, 47, 47, 8, '#2A5CA8')
    for r in (10, 16, 22):
        cv.arc(20, 12, r, -45, 45, '#E0ECFF', 2.4)
    radio(cv, 8, 20, 1)
    cv.text(24, 34, 'R2', '#FFD860', 2)
    return cv


def write(path, comment, parts):
    with open(path, 'w') as f:
        f.write(f'// {comment}\n#pragma once\n')
        for p in parts:
            f.write(p + '\n')


write('Splash.xpm.h', 'Picture of the splash form, 320 x 140 pixels.',
      [splash().xpm('splash_picture')])
write('ProgramIcon.xpm.h', 'Program icon, 48 x 48 pixels.', [program_icon().xpm('program_icon')])
