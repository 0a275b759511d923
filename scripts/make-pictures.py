#!/usr/bin/env python3
# Makes the program's pictures, all drawn here: the tileable quiz backgrounds in data/bkg/
# (paper, soft dots, light waves - "3.gif", the default -, linen, clouds, diamonds, graph
# paper, and two PCX samples written by the small ZSoft PCX version 5 encoder below: an 8-bit
# palette file and a 24-bit three-plane file, both RLE encoded), the flashcard picture
# data/card.bmp (24-bit, 600x360, a pale index card), and the toolbar and program icons in
# app/resources/icons/ (32x32 PNG with transparency, brainlark.png at 256x256). Textures are
# computed in Python from seeded random numbers and periodic functions, so every background
# repeats seamlessly; ImageMagick's `convert` draws the card and icons and writes GIF, JPEG,
# BMP and PNG. Running the script again writes identical files.
# Usage: scripts/make-pictures.py   (needs ImageMagick 6 `convert` on PATH)

import math
import os
import random
import struct
import subprocess
import sys
import tempfile

ROOT = os.path.normpath(os.path.join(os.path.dirname(os.path.abspath(__file__)), '..'))
BKG = os.path.join(ROOT, 'data', 'bkg')
ICONS = os.path.join(ROOT, 'app', 'resources', 'icons')
TMP = tempfile.mkdtemp(prefix='brainlark-pictures-')

# Output without time stamps or comments, so reruns are byte-identical.
PLAIN = ['-strip', '-define', 'png:exclude-chunks=date,time', '-limit', 'thread', '1']


def run(args):
    subprocess.run(['convert'] + args, check=True)


# ---------------------------------------------------------------- texture helpers

def periodic_noise(rng, cells):
    """Smooth value noise that repeats every `cells` lattice steps; returns f(u, v) for
    u, v in [0, 1), so sampling at x / width makes it tile across the picture edges."""
    grid = [[rng.random() for _ in range(cells)] for _ in range(cells)]

    def smooth(t):
        return t * t * (3 - 2 * t)

    def f(u, v):
        gx, gy = u * cells, v * cells
        ix, iy = int(math.floor(gx)), int(math.floor(gy))
        fx, fy = smooth(gx - ix), smooth(gy - iy)
        x0, x1 = ix % cells, (ix + 1) % cells
        y0, y1 = iy % cells, (iy + 1) % cells
        top = grid[y0][x0] + (grid[y0][x1] - grid[y0][x0]) * fx
        bottom = grid[y1][x0] + (grid[y1][x1] - grid[y1][x0]) * fx
        return top + (bottom - top) * fy
    return f


def fbm(rng, octaves):
    """Sum of periodic noise layers, (cells, weight) each; result roughly in 0..1."""
    layers = [(periodic_noise(rng, c), w) for c, w in octaves]
    total = sum(w for _, w in octaves)
    return lambda u, v: sum(n(u, v) * w for n, w in layers) / total


def steps(t, levels):
    """Rounds t (0..1) to one of `levels` values, so GIF pictures keep their exact colours
    instead of being dithered down to 256."""
    return round(max(0.0, min(1.0, t)) * (levels - 1)) / (levels - 1)


def lerp_rgb(a, b, t):
    t = max(0.0, min(1.0, t))
    return tuple(a[i] + (b[i] - a[i]) * t for i in range(3))


def render(w, h, pixel):
    """Rows of (r, g, b) byte tuples from pixel(x, y) -> float rgb."""
    return [[tuple(max(0, min(255, int(round(c)))) for c in pixel(x, y)) for x in range(w)]
            for y in range(h)]


def write_ppm(path, rows):
    h, w = len(rows), len(rows[0])
    with open(path, 'wb') as f:
        f.write(b'P6\n%d %d\n255\n' % (w, h))
        f.write(bytes(c for row in rows for px in row for c in px))


def save(rows, name, extra=()):
    """Writes rows through a PPM into data/bkg/name, format taken from the extension."""
    src = os.path.join(TMP, name + '.ppm')
    write_ppm(src, rows)
    prefix = {'.bmp': 'BMP3:', '.gif': 'GIF:', '.jpg': 'JPEG:'}[os.path.splitext(name)[1]]
    if prefix == 'GIF:' and len({px for row in rows for px in row}) > 256:
        sys.exit('%s has more than 256 colours' % name)
    run([src] + list(extra) + PLAIN + [prefix + os.path.join(BKG, name)])


def soft_step(d, radius, edge):
    """1 inside radius, 0 outside radius + edge, smooth in between."""
    if d <= radius:
        return 1.0
    if d >= radius + edge:
        return 0.0
    t = (d - radius) / edge
    return 1 - t * t * (3 - 2 * t)


# ---------------------------------------------------------------- backgrounds

def bkg_paper():
    """1.jpg: warm writing paper with a faint cloudy grain."""
    rng = random.Random('paper')
    w = h = 256
    cloud = fbm(rng, [(4, 1.0), (8, 0.6), (16, 0.35), (32, 0.2)])
    base, dark = (249, 246, 236), (236, 230, 214)

    def px(x, y):
        t = 0.55 * cloud(x / w, y / h) + rng.uniform(-0.06, 0.06)
        return lerp_rgb(base, dark, t)
    save(render(w, h, px), '1.jpg', ['-quality', '92'])


def bkg_dots():
    """2.gif: pale blue with staggered soft dots that swell and shrink across the tile."""
    w = h = 200
    step = 40
    base, dot = (238, 244, 249), (214, 228, 241)

    def px(x, y):
        best = 0.0
        for cx in range(-step, w + step + 1, step // 2):
            for cy in range(-step, h + step + 1, step // 2):
                if ((cx // (step // 2)) + (cy // (step // 2))) % 2:
                    continue
                r = 3.0 + 3.0 * (0.5 + 0.5 * math.cos(2 * math.pi * cx / w)) * \
                    (0.5 + 0.5 * math.cos(2 * math.pi * cy / h))
                d = math.hypot(x - cx, y - cy)
                if d < r + 2:
                    best = max(best, soft_step(d, r, 1.5))
        return lerp_rgb(base, dot, steps(best, 32))
    save(render(w, h, px), '2.gif')


def bkg_waves():
    """3.gif (the default): light blue waves on near-white, gentle enough to read text over."""
    w = h = 200
    light, deep = (244, 247, 251), (225, 234, 245)

    def px(x, y):
        u, v = x / w, y / h
        phase = 4 * v + 0.3 * math.sin(2 * math.pi * u) + 0.1 * math.sin(4 * math.pi * u + 1)
        s = 0.5 + 0.5 * math.sin(2 * math.pi * phase)
        return lerp_rgb(light, deep, steps(s * s * (3 - 2 * s), 40))
    save(render(w, h, px), '3.gif')


def bkg_linen():
    """4.bmp: beige linen weave."""
    rng = random.Random('linen')
    w = h = 128
    rows = [rng.uniform(-1, 1) for _ in range(h)]
    cols = [rng.uniform(-1, 1) for _ in range(w)]
    blotch = fbm(rng, [(4, 1.0), (8, 0.5)])
    base = (238, 232, 218)

    def px(x, y):
        over = ((x // 2) + (y // 2)) % 2 == 0
        thread = rows[y] if over else cols[x]
        shade = 5 * thread + (3 if over else -3) + 10 * (blotch(x / w, y / h) - 0.5)
        return tuple(c + shade for c in base)
    save(render(w, h, px), '4.bmp', ['-type', 'TrueColor'])


def bkg_clouds():
    """5.jpg: pale sky with soft clouds."""
    rng = random.Random('clouds')
    w = h = 256
    cloud = fbm(rng, [(3, 1.0), (6, 0.55), (12, 0.3), (24, 0.15)])
    sky, white = (226, 237, 248), (250, 252, 255)

    def px(x, y):
        t = (cloud(x / w, y / h) - 0.35) * 2.2
        return lerp_rgb(sky, white, t)
    save(render(w, h, px), '5.jpg', ['-quality', '92'])


def bkg_diamonds():
    """6.gif: faint lavender diamond lattice."""
    w = h = 120
    period = 60
    base, line = (245, 243, 250), (226, 221, 240)

    def px(x, y):
        a = (x + y) % period
        b = (x - y) % period
        d = min(a, period - a, b, period - b) / math.sqrt(2)
        t = soft_step(d, 0.4, 1.2)
        centre = math.hypot((x % period) - period / 2, (y % period) - period / 2)
        t = max(t, 0.5 * soft_step(centre, 2.0, 1.5))
        return lerp_rgb(base, line, steps(t, 32))
    save(render(w, h, px), '6.gif')


def bkg_graph():
    """7.bmp: graph paper, faint blue grid with a stronger line every fifth square."""
    w = h = 200
    base, fine, bold = (251, 252, 255), (230, 237, 248), (208, 221, 241)

    def px(x, y):
        c = base
        if x % 20 == 0 or y % 20 == 0:
            c = fine
        if x % 100 == 0 or y % 100 == 0:
            c = bold
        return c
    save(render(w, h, px), '7.bmp', ['-type', 'TrueColor'])


# ---------------------------------------------------------------- PCX encoder

def pcx_rle(line):
    """ZSoft RLE for one plane of one scan line: runs of up to 63 equal bytes become
    (0xC0 | count, value); a single byte below 0xC0 is stored as itself."""
    out = bytearray()
    i = 0
    while i < len(line):
        value = line[i]
        run_len = 1
        while i + run_len < len(line) and line[i + run_len] == value and run_len < 63:
            run_len += 1
        if run_len > 1 or value >= 0xC0:
            out += bytes((0xC0 | run_len, value))
        else:
            out.append(value)
        i += run_len
    return bytes(out)


def pcx_header(w, h, planes):
    bytes_per_line = w + (w & 1)  # each plane's line is padded to an even length
    hdr = struct.pack('<BBBBHHHHHH', 0x0A, 5, 1, 8, 0, 0, w - 1, h - 1, 72, 72)
    hdr += bytes(48)  # 16-colour palette, unused at 8 bits per pixel
    hdr += struct.pack('<BBHHHH', 0, planes, bytes_per_line, 1, w, h)
    return hdr + bytes(128 - len(hdr)), bytes_per_line


def write_pcx8(path, indices, palette):
    """8 bits per pixel, one plane, 256-colour palette appended after a 0x0C marker."""
    h, w = len(indices), len(indices[0])
    hdr, bpl = pcx_header(w, h, 1)
    body = bytearray()
    for row in indices:
        body += pcx_rle(bytes(row) + bytes(bpl - w))
    pal = bytearray()
    for i in range(256):
        pal += bytes(palette[i] if i < len(palette) else (0, 0, 0))
    with open(path, 'wb') as f:
        f.write(hdr + bytes(body) + b'\x0c' + bytes(pal))


def write_pcx24(path, rows):
    """24-bit: three 8-bit planes per scan line (all red, then green, then blue)."""
    h, w = len(rows), len(rows[0])
    hdr, bpl = pcx_header(w, h, 3)
    body = bytearray()
    for row in rows:
        for plane in range(3):
            body += pcx_rle(bytes(px[plane] for px in row) + bytes(bpl - w))
    with open(path, 'wb') as f:
        f.write(hdr + bytes(body))


def bkg_pcx8():
    """sample.pcx: soft peach rings on a 64-shade palette, 160x160."""
    w = h = 160
    shades = 64
    light, deep = (252, 246, 238), (243, 227, 213)
    palette = [tuple(int(round(c)) for c in lerp_rgb(light, deep, i / (shades - 1)))
               for i in range(shades)]
    indices = []
    for y in range(h):
        row = []
        for x in range(w):
            dx = min(x % 80, 80 - x % 80)
            dy = min(y % 80, 80 - y % 80)
            r = math.hypot(dx, dy)
            t = (0.5 + 0.5 * math.cos(2 * math.pi * r / 20)) * 0.6 + \
                0.4 * (0.5 + 0.5 * math.cos(2 * math.pi * (x + y) / 160))
            row.append(int(round(t * (shades - 1))))
        indices.append(row)
    write_pcx8(os.path.join(BKG, 'sample.pcx'), indices, palette)
    return [[palette[i] for i in row] for row in indices]


def bkg_pcx24():
    """sample24.pcx: pastel plaid, 175x140 (odd width, so every plane line carries a pad byte)."""
    w, h = 175, 140
    base = (246, 244, 238)

    def band(p, period, width):
        d = min(p % period, period - p % period)
        return soft_step(d, width, 2.0)

    def px(x, y):
        c = base
        c = lerp_rgb(c, (214, 230, 222), 0.6 * band(x, 35, 5))
        c = lerp_rgb(c, (232, 214, 220), 0.5 * band(y, 35, 5))
        c = lerp_rgb(c, (205, 215, 232), 0.35 * band(x + 17.5, 35, 1))
        c = lerp_rgb(c, (205, 215, 232), 0.35 * band(y + 17.5, 35, 1))
        return c
    rows = render(w, h, px)
    write_pcx24(os.path.join(BKG, 'sample24.pcx'), rows)
    return rows


def check_pcx(name, rows):
    """Decodes the PCX with ImageMagick and compares every pixel with what was encoded."""
    ref = os.path.join(TMP, name + '.ppm')
    write_ppm(ref, rows)
    res = subprocess.run(['compare', '-metric', 'AE', os.path.join(BKG, name), ref, 'null:'],
                         capture_output=True, text=True)
    diff = res.stderr.strip()
    if diff != '0':
        sys.exit('%s does not decode to the picture it was made from (%s pixels differ)'
                 % (name, diff))
    print('%s: decoded by ImageMagick, identical to source' % name)


# ---------------------------------------------------------------- flashcard

def card():
    """data/card.bmp: pale index card, rounded border, red header rule, faint blue lines."""
    w, h = 600, 360
    draw = ['-fill', '#FFFDF6', '-stroke', '#B4BECA', '-strokewidth', '2',
            '-draw', 'roundrectangle 4,4 %d,%d 24,24' % (w - 5, h - 5),
            '-fill', 'none', '-stroke', '#E4E9EF', '-strokewidth', '1',
            '-draw', 'roundrectangle 9,9 %d,%d 20,20' % (w - 10, h - 10),
            '-stroke', '#DCE6F1', '-strokewidth', '1']
    for y in range(118, h - 30, 38):
        draw += ['-draw', 'line 26,%d %d,%d' % (y, w - 27, y)]
    draw += ['-stroke', '#EDB3B3', '-strokewidth', '1.5', '-draw', 'line 26,78 %d,78' % (w - 27)]
    run(['-size', '%dx%d' % (w, h), 'xc:white'] + draw + ['-type', 'TrueColor'] + PLAIN +
        ['BMP3:' + os.path.join(ROOT, 'data', 'card.bmp')])


def main():
    os.makedirs(BKG, exist_ok=True)
    os.makedirs(ICONS, exist_ok=True)
    bkg_paper()
    bkg_dots()
    bkg_waves()
    bkg_linen()
    bkg_clouds()
    bkg_diamonds()
    bkg_graph()
    check_pcx('sample.pcx', bkg_pcx8())
    check_pcx('sample24.pcx', bkg_pcx24())
    card()


if __name__ == '__main__':
    main()
