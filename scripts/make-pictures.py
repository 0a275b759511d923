#!/usr/bin/env python3
# Makes the program's pictures, all drawn here: the tileable quiz backgrounds in data/bkg/
# (paper, soft dots, light waves - "3.gif", the default -, linen, clouds, diamonds, graph
# paper, and two PCX samples written by the small ZSoft PCX version 5 encoder below: an 8-bit
# palette file and a 24-bit three-plane file, both RLE encoded), the flashcard picture
# data/card.bmp (24-bit, 600x360, a pale index card), the toolbar and program icons in
# app/resources/icons/ (32x32 PNG with transparency and a 64x64 "@2x" twin for screens scaled
# to twice the size, brainlark.png at 256x256), and the desktop's program icon in
# desktop/icons/hicolor/ (an SVG translated from the same drawing, and PNGs of 16 to 512
# pixels). Textures are computed in Python from seeded random numbers and periodic functions,
# so every background repeats seamlessly; ImageMagick's `convert` draws the card and icons and
# writes GIF, JPEG, BMP and PNG. Running the script again writes identical files.
# Usage: scripts/make-pictures.py [backgrounds] [card] [icons]   (default: all three; needs
# ImageMagick 6 `convert` on PATH)

import math
import os
import random
import shutil
import struct
import subprocess
import sys
import tempfile

ROOT = os.path.normpath(os.path.join(os.path.dirname(os.path.abspath(__file__)), '..'))
BKG = os.path.join(ROOT, 'data', 'bkg')
ICONS = os.path.join(ROOT, 'app', 'resources', 'icons')
HICOLOR = os.path.join(ROOT, 'desktop', 'icons', 'hicolor')
DESKTOP_ICON_SIZES = (16, 22, 24, 32, 48, 64, 128, 256, 512)
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

# ---------------------------------------------------------------- icons

# One flat palette for every icon: white sheets with a slate outline, solid colour symbols.
INK = '#45566A'
BLUE, BLUE_DK = '#3D7DCA', '#2C5E9E'
GREEN = '#3AA655'
RED = '#DE4F48'
YELLOW, YELLOW_DK = '#F4C84F', '#C9962A'
ORANGE = '#F08C3A'
GREY, GREY_LT = '#6B7785', '#D5DCE3'
WHITE = '#FFFFFF'


def shape(fill, primitive, stroke='none', width=0):
    """One filled (optionally outlined) MVG primitive on the icon canvas."""
    return ['-fill', fill, '-stroke', stroke, '-strokewidth', str(width),
            '-draw', 'stroke-linejoin round ' + primitive]


def stroke(colour, width, primitive):
    """An unfilled, round-capped stroke."""
    return ['-fill', 'none', '-stroke', colour, '-strokewidth', str(width),
            '-draw', 'stroke-linecap round stroke-linejoin round ' + primitive]


def badge(colour, cx, cy, r):
    return shape(colour, 'circle %d,%d %d,%d' % (cx, cy, cx, cy - r), WHITE, 6)


def sheet(x0, y0, x1, y1):
    return shape(WHITE, 'roundrectangle %d,%d %d,%d 8,8' % (x0, y0, x1, y1), INK, 6)


def table():
    """A small grid with a blue header row (viewer and editor)."""
    return (shape(WHITE, 'roundrectangle 8,16 120,112 8,8') +
            shape(BLUE, 'roundrectangle 8,16 120,42 8,8') + shape(BLUE, 'rectangle 8,30 120,42') +
            stroke('#A3AFBC', 5, 'line 12,66 116,66') + stroke('#A3AFBC', 5, 'line 12,89 116,89') +
            stroke('#A3AFBC', 5, 'line 48,44 48,108') +
            shape('none', 'roundrectangle 8,16 120,112 8,8', INK, 6))


def pencil(x, y, angle):
    local = ['rectangle -11,-40 11,26', 'rectangle 3,-40 11,26',
             'roundrectangle -11,-56 11,-38 4,4',
             'rectangle -11,-44 11,-37', 'polygon -11,26 11,26 0,48', 'polygon -4,40 4,40 0,48']
    fills = [YELLOW, YELLOW_DK, '#EE8F8F', '#AEB9C4', '#F5DDB0', '#3A3F46']
    out = []
    for prim, fill in zip(local, fills):
        out += shape(fill, 'translate %d,%d rotate %d %s' % (x, y, angle, prim))
    return out


def note_paper(x0, y0, x1, y1, fold):
    return (shape('#F8D66E', 'polygon %d,%d %d,%d %d,%d %d,%d %d,%d'
                  % (x0, y0, x1, y0, x1, y1 - fold, x1 - fold, y1, x0, y1), YELLOW_DK, 6) +
            shape('#E2B64A', 'polygon %d,%d %d,%d %d,%d'
                  % (x1 - fold, y1, x1 - fold, y1 - fold, x1, y1 - fold), YELLOW_DK, 4))


ICON_ART = {
    'open-list': (shape(WHITE, 'roundrectangle 28,16 110,116 8,8', INK, 6) +
                  stroke('#B9C3CE', 4, 'line 104,28 104,108') +
                  shape(BLUE, 'roundrectangle 16,8 100,108 10,10') +
                  shape(BLUE_DK, 'roundrectangle 16,8 34,108 8,8') +
                  shape(WHITE, 'roundrectangle 48,28 88,50 5,5')),
    'export-palm': (shape('#56616F', 'roundrectangle 16,4 80,124 14,14') +
                    shape('#CFE9D3', 'roundrectangle 24,16 72,84 4,4') +
                    stroke('#8DBA96', 6, 'line 32,30 62,30') +
                    stroke('#8DBA96', 6, 'line 32,44 56,44') +
                    stroke('#8DBA96', 6, 'line 32,58 60,58') +
                    shape('#A9B4C0', 'circle 32,104 32,111') +
                    shape(GREEN, 'circle 48,104 48,111') +
                    shape('#A9B4C0', 'circle 64,104 64,111') +
                    badge(ORANGE, 96, 94, 30) +
                    shape(WHITE, 'polygon 80,88 96,88 96,76 114,94 96,112 96,100 80,100')),
    'new-list': (shape(WHITE, 'polygon 20,8 78,8 104,34 104,120 20,120', INK, 6) +
                 shape(GREY_LT, 'polygon 78,8 78,34 104,34', INK, 5) +
                 badge(GREEN, 94, 94, 30) +
                 shape(WHITE, 'rectangle 79,89 109,99') + shape(WHITE, 'rectangle 89,79 99,109')),
    'viewer': (table() +
               shape(WHITE, 'ellipse 88,92 36,22 0,360', INK, 6) +
               shape(BLUE, 'circle 88,92 88,106') + shape('#1E2A36', 'circle 88,92 88,98') +
               shape(WHITE, 'circle 93,87 93,90')),
    'editor': table() + pencil(90, 70, 45),
    'start': (shape(GREEN, 'circle 64,64 64,6') +
              shape(WHITE, 'polygon 50,36 50,92 96,64', WHITE, 6)),
    'flip': (shape(BLUE, 'polygon 12,30 80,30 80,12 116,40 80,68 80,50 12,50') +
             shape(ORANGE, 'polygon 116,78 48,78 48,60 12,88 48,116 48,98 116,98')),
    'notes': (note_paper(14, 12, 114, 116, 26) +
              stroke('#B58A2A', 6, 'line 30,38 98,38') + stroke('#B58A2A', 6, 'line 30,58 98,58') +
              stroke('#B58A2A', 6, 'line 30,78 72,78')),
    'slideshow-start': (shape('#56616F', 'roundrectangle 6,8 122,20 5,5') +
                        shape(WHITE, 'rectangle 14,20 114,86', INK, 6) +
                        stroke('#56616F', 7, 'line 64,88 64,118') +
                        stroke('#56616F', 7, 'line 64,96 40,120') +
                        stroke('#56616F', 7, 'line 64,96 88,120') +
                        shape(GREEN, 'polygon 52,34 52,72 84,53', GREEN, 4)),
    'slideshow-stop': (shape(RED, 'circle 64,64 64,6') +
                       shape(WHITE, 'roundrectangle 42,42 86,86 6,6')),
    'back-to-quiz': (stroke(BLUE, 18, 'path "M 44,46 L 78,46 A 30,30 0 0 1 78,106 L 46,106"') +
                     shape(BLUE, 'polygon 10,46 48,14 48,78', BLUE, 6)),
    'save': (shape(BLUE, 'polygon 12,20 20,12 100,12 116,28 116,108 108,116 20,116 12,108') +
             shape(GREY_LT, 'rectangle 34,12 90,46') + shape(BLUE, 'rectangle 72,18 84,40') +
             shape(WHITE, 'roundrectangle 26,64 102,116 4,4') +
             stroke('#A9B4C0', 5, 'line 38,82 90,82') + stroke('#A9B4C0', 5, 'line 38,98 90,98')),
    'add': (shape(GREEN, 'circle 64,64 64,6') +
            shape(WHITE, 'roundrectangle 30,55 98,73 4,4') +
            shape(WHITE, 'roundrectangle 55,30 73,98 4,4')),
    'delete': (shape(RED, 'circle 64,64 64,6') +
               shape(WHITE, 'roundrectangle 30,55 98,73 4,4')),
    'wrong-answers': (sheet(14, 6, 94, 122) +
                      stroke('#A3AFBC', 6, 'line 30,28 78,28') +
                      stroke('#A3AFBC', 6, 'line 30,48 78,48') +
                      stroke('#A3AFBC', 6, 'line 30,68 58,68') +
                      badge(RED, 92, 92, 32) +
                      stroke(WHITE, 11, 'line 80,80 104,104') +
                      stroke(WHITE, 11, 'line 104,80 80,104')),
    'notes-subject': (note_paper(8, 8, 96, 100, 22) +
                      stroke('#B58A2A', 6, 'line 22,32 82,32') +
                      stroke('#B58A2A', 6, 'line 22,50 82,50') +
                      stroke('#B58A2A', 6, 'line 22,68 56,68') +
                      shape(ORANGE, 'translate 92,90 rotate -45 '
                            'polygon -17,-10 0,-32 17,-10 17,36 -17,36', WHITE, 6) +
                      shape(WHITE, 'translate 92,90 rotate -45 circle 0,-12 0,-6')),
    'password': (stroke('#8795A3', 14, 'path "M 40,62 L 40,44 A 24,24 0 0 1 88,44 L 88,62"') +
                 shape(YELLOW, 'roundrectangle 22,56 106,120 12,12', YELLOW_DK, 6) +
                 shape('#6B4E16', 'circle 64,80 64,91') +
                 shape('#6B4E16', 'polygon 58,84 70,84 74,106 54,106')),
}


def brainlark_art():
    """The program icon, drawn on a 512 canvas: a lark perched on an index card."""
    card_lines = []
    for y in (-26, 20, 66):
        card_lines += stroke('#CFDCEA', 8,
                             'translate 256,346 rotate -6 line -150,%d 150,%d' % (y, y))
    return (shape('#FFFDF6', 'translate 256,346 rotate -6 roundrectangle -206,-126 206,126 30,30',
                  '#6F8296', 14) +
            stroke('#EBA5A5', 9, 'translate 256,346 rotate -6 line -150,-70 150,-70') + card_lines +
            # tail, body, belly, wing, head, crest, beak, eye
            shape('#7E5330', 'polygon 160,236 48,186 62,222 40,252 164,270') +
            shape('#A8703F', 'translate 252,226 rotate -14 ellipse 0,0 118,74 0,360') +
            shape('#F1DDB8', 'translate 276,256 rotate -14 ellipse 0,0 84,40 0,360') +
            shape('#7E5330', 'translate 222,214 rotate -22 ellipse 0,0 92,40 0,360') +
            stroke('#5E3C22', 7, 'translate 222,214 rotate -22 path "M -60,-6 Q 0,14 70,4"') +
            shape('#A8703F', 'circle 346,150 346,96') +
            shape('#7E5330', 'polygon 306,122 262,58 300,66 344,100') +
            shape('#F0A43A', 'polygon 394,134 452,154 392,166') +
            shape('#1E2A36', 'circle 360,138 360,125') + shape(WHITE, 'circle 365,133 365,129') +
            shape('#F1DDB8', 'translate 352,186 rotate -14 ellipse 0,0 34,16 0,360'))


def icon(name, art, design=128, size=32, folder=ICONS):
    """Draws at four (or two) times the size and scales down: even edges at 32 pixels."""
    os.makedirs(folder, exist_ok=True)
    run(['-size', '%dx%d' % (design, design), 'xc:none'] + art +
        ['-filter', 'Box' if design % size == 0 else 'Lanczos', '-resize', '%dx%d' % (size, size)] +
        PLAIN + ['PNG32:' + os.path.join(folder, name + '.png')])


# ---------------------------------------------------------------- the drawing as SVG

def svg_element(fill, stroke, width, primitive):
    """One MVG primitive (with its translate/rotate and line style prefixes) as an SVG element."""
    words = primitive.replace('"', ' " ').split()
    transform, style = [], {}
    while words and words[0] in ('translate', 'rotate', 'stroke-linejoin', 'stroke-linecap'):
        key, value = words[0], words[1]
        words = words[2:]
        if key == 'translate':
            transform.append('translate(%s)' % value.replace(',', ' '))
        elif key == 'rotate':
            transform.append('rotate(%s)' % value)
        else:
            style[key] = value
    kind, args = words[0], words[1:]

    def pts(text):
        return [float(v) for v in text.split(',')]

    if kind == 'roundrectangle':
        (x0, y0), (x1, y1), (rx, ry) = pts(args[0]), pts(args[1]), pts(args[2])
        body = 'rect x="%g" y="%g" width="%g" height="%g" rx="%g" ry="%g"' % (
            x0, y0, x1 - x0, y1 - y0, rx, ry)
    elif kind == 'rectangle':
        (x0, y0), (x1, y1) = pts(args[0]), pts(args[1])
        body = 'rect x="%g" y="%g" width="%g" height="%g"' % (x0, y0, x1 - x0, y1 - y0)
    elif kind == 'line':
        (x0, y0), (x1, y1) = pts(args[0]), pts(args[1])
        body = 'line x1="%g" y1="%g" x2="%g" y2="%g"' % (x0, y0, x1, y1)
    elif kind == 'polygon':
        body = 'polygon points="%s"' % ' '.join(args)
    elif kind == 'circle':
        (cx, cy), (px, py) = pts(args[0]), pts(args[1])
        body = 'circle cx="%g" cy="%g" r="%g"' % (cx, cy, math.hypot(px - cx, py - cy))
    elif kind == 'ellipse':
        (cx, cy), (rx, ry) = pts(args[0]), pts(args[1])
        body = 'ellipse cx="%g" cy="%g" rx="%g" ry="%g"' % (cx, cy, rx, ry)
    elif kind == 'path':
        body = 'path d="%s"' % ' '.join(w for w in args if w != '"')
    else:
        sys.exit('svg: no translation for MVG primitive ' + kind)
    attrs = ' fill="%s" stroke="%s"' % (fill, stroke)
    if stroke != 'none':
        attrs += ' stroke-width="%s"' % width
    for key, value in sorted(style.items()):
        attrs += ' %s="%s"' % (key, value)
    if transform:
        attrs += ' transform="%s"' % ' '.join(transform)
    return '  <%s%s/>' % (body, attrs)


def svg_of(art, size):
    """The ImageMagick argument list of a drawing as an SVG document of the same canvas."""
    elements, fill, stroke, width = [], 'none', 'none', 0
    i = 0
    while i < len(art):
        key, value = art[i], art[i + 1]
        if key == '-fill':
            fill = value
        elif key == '-stroke':
            stroke = value
        elif key == '-strokewidth':
            width = value
        elif key == '-draw':
            elements.append(svg_element(fill, stroke, width, value))
        i += 2
    return ('<?xml version="1.0" encoding="UTF-8"?>\n'
            '<svg xmlns="http://www.w3.org/2000/svg" width="%d" height="%d" viewBox="0 0 %d %d">\n'
            '%s\n</svg>\n' % (size, size, size, size, '\n'.join(elements)))


def desktop_icons():
    """The program icon for the desktop's icon theme: SVG, and PNGs for the usual sizes."""
    scalable = os.path.join(HICOLOR, 'scalable', 'apps')
    os.makedirs(scalable, exist_ok=True)
    with open(os.path.join(scalable, 'brainlark.svg'), 'w') as f:
        f.write(svg_of(brainlark_art(), 512))
    for size in DESKTOP_ICON_SIZES:
        icon('brainlark', brainlark_art(), 512, size,
             os.path.join(HICOLOR, '%dx%d' % (size, size), 'apps'))


def icons():
    for name, art in ICON_ART.items():
        icon(name, art)
        icon(name + '@2x', art, 128, 64)
    icon('brainlark', brainlark_art(), 512, 256)
    desktop_icons()



def backgrounds():
    bkg_paper()
    bkg_dots()
    bkg_waves()
    bkg_linen()
    bkg_clouds()
    bkg_diamonds()
    bkg_graph()
    check_pcx('sample.pcx', bkg_pcx8())
    check_pcx('sample24.pcx', bkg_pcx24())


def main():
    groups = {'backgrounds': backgrounds, 'card': card, 'icons': icons}
    wanted = sys.argv[1:] or list(groups)
    unknown = [name for name in wanted if name not in groups]
    if unknown:
        sys.exit('usage: make-pictures.py [%s]...' % '|'.join(groups))
    os.makedirs(BKG, exist_ok=True)
    os.makedirs(ICONS, exist_ok=True)
    for name in wanted:
        groups[name]()
    shutil.rmtree(TMP)


if __name__ == '__main__':
    main()
