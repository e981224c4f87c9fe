"""Drawing helpers shared by every generated picture: the palette, the fonts and the shapes.

Shapes are drawn on a canvas SCALE times larger than the picture and shrunk at the end, which
smooths their edges; text is drawn afterwards at the final size so that small letters stay crisp.
Everything here is deterministic: no clock, no randomness without a fixed seed.
"""

import math

from PIL import Image, ImageDraw, ImageFont

SCALE = 4

FONT_TEXT = "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf"
FONT_TITLE = "/usr/share/fonts/opentype/comic-neue/ComicNeue-Bold.otf"


def rgb(hex_text):
    """'#RRGGBB' to an (r, g, b) tuple."""
    h = hex_text.lstrip("#")
    return (int(h[0:2], 16), int(h[2:4], 16), int(h[4:6], 16))


def mix(a, b, t):
    """The colour t of the way from a to b."""
    return tuple(int(round(a[i] + (b[i] - a[i]) * t)) for i in range(3))


def darker(c, amount=0.25):
    return mix(c, (0, 0, 0), amount)


def lighter(c, amount=0.35):
    return mix(c, (255, 255, 255), amount)


# The one palette of the whole look: the skin, the dialogs, the clips and the pages.
SKY = rgb("#50AAF5")  # the skin's background colour
SKY_DEEP = rgb("#2F86E0")
SKY_PALE = rgb("#EAF6FF")
CREAM = rgb("#FFF6DC")
WHITE = (255, 255, 255)
INK = rgb("#1E2A66")  # text on light ground
GREEN = rgb("#34C26A")
CORAL = rgb("#FF6B6B")
BLUE = rgb("#3D8EF0")
ORANGE = rgb("#FF9F1C")
PURPLE = rgb("#8E6CF5")
YELLOW = rgb("#FFD23F")
PINK = rgb("#FF8FC7")
GRASS = rgb("#6CCB5F")
GRASS_DARK = rgb("#4EAE48")
RAINBOW = [rgb("#FF5E5E"), rgb("#FF9F1C"), rgb("#FFD23F"), rgb("#5BD16B"), rgb("#3D8EF0"),
           rgb("#8E6CF5")]
HEDGEHOG_SPINES = rgb("#7A4A22")
HEDGEHOG_BODY = rgb("#A8682F")
HEDGEHOG_FACE = rgb("#F5CFA0")

_fonts = {}


def font(size, title=False):
    key = (size, title)
    if key not in _fonts:
        _fonts[key] = ImageFont.truetype(FONT_TITLE if title else FONT_TEXT, size)
    return _fonts[key]


class Canvas:
    """A picture of w x h pixels whose shapes are drawn at SCALE times the size.

    Coordinates are given in final pixels (floats allowed); call picture() to get the result.
    """

    def __init__(self, w, h, background=WHITE, scale=SCALE):
        self.w, self.h, self.s = w, h, scale
        self.img = Image.new("RGB", (w * scale, h * scale), background)
        self.d = ImageDraw.Draw(self.img)

    def box(self, x0, y0, x1, y1):
        s = self.s
        return [x0 * s, y0 * s, x1 * s - 1, y1 * s - 1]

    def pts(self, points):
        return [(x * self.s, y * self.s) for x, y in points]

    def rect(self, x0, y0, x1, y1, fill, outline=None, width=0):
        self.d.rectangle(self.box(x0, y0, x1, y1), fill=fill, outline=outline,
                         width=int(width * self.s))

    def rounded(self, x0, y0, x1, y1, r, fill, outline=None, width=0):
        self.d.rounded_rectangle(self.box(x0, y0, x1, y1), radius=r * self.s, fill=fill,
                                 outline=outline, width=int(round(width * self.s)))

    def ellipse(self, x0, y0, x1, y1, fill, outline=None, width=0):
        self.d.ellipse(self.box(x0, y0, x1, y1), fill=fill, outline=outline,
                       width=int(round(width * self.s)))

    def circle(self, cx, cy, r, fill, outline=None, width=0):
        self.ellipse(cx - r, cy - r, cx + r, cy + r, fill, outline, width)

    def polygon(self, points, fill, outline=None):
        self.d.polygon(self.pts(points), fill=fill, outline=outline)

    def line(self, points, fill, width):
        self.d.line(self.pts(points), fill=fill, width=max(1, int(round(width * self.s))),
                    joint="curve")
        # round the two ends
        r = width / 2
        for x, y in (points[0], points[-1]):
            self.circle(x, y, r, fill)

    def arc(self, cx, cy, r, start, end, fill, width):
        self.d.arc(self.box(cx - r, cy - r, cx + r, cy + r), start, end, fill=fill,
                   width=max(1, int(round(width * self.s))))

    def vgradient(self, x0, y0, x1, y1, top, bottom):
        """A vertical gradient: every row one colour, so the picture may be stretched sideways."""
        s = self.s
        rows = (y1 - y0) * s
        for i in range(rows):
            t = i / max(1, rows - 1)
            self.d.line([(x0 * s, y0 * s + i), (x1 * s - 1, y0 * s + i)], fill=mix(top, bottom, t))

    def picture(self):
        return self.img.resize((self.w, self.h), Image.LANCZOS)


def text(img, x, y, words, size, fill=INK, anchor="mm", title=False, outline=None,
         outline_width=1):
    """Draws words on a finished picture at final size; (x, y) is placed by anchor."""
    d = ImageDraw.Draw(img)
    if outline is None:
        d.text((x, y), words, font=font(size, title), fill=fill, anchor=anchor)
    else:
        d.text((x, y), words, font=font(size, title), fill=fill, anchor=anchor,
               stroke_width=outline_width, stroke_fill=outline)


def text_width(words, size, title=False):
    box = font(size, title).getbbox(words)
    return box[2] - box[0]


def fit_size(words, max_width, size, title=False, smallest=8):
    """The largest size up to size at which words fit max_width."""
    while size > smallest and text_width(words, size, title) > max_width:
        size -= 1
    return size


# ---------------------------------------------------------------- small pictures (icons)
# Every icon draws into a canvas around a centre (cx, cy) with a size u (its half height).


def icon_arrow(c, cx, cy, u, direction, fill=WHITE):
    """A fat arrow pointing left (-1) or right (+1)."""
    d = direction
    head = [(cx + d * u, cy), (cx + d * 0.05 * u, cy - 0.85 * u), (cx + d * 0.05 * u, cy + 0.85 * u)]
    c.polygon(head, fill)
    c.rect(min(cx - d * 0.8 * u, cx + d * 0.1 * u), cy - 0.36 * u,
           max(cx - d * 0.8 * u, cx + d * 0.1 * u), cy + 0.36 * u, fill)


def icon_reload(c, cx, cy, u, fill=WHITE):
    c.arc(cx, cy, 0.7 * u, 200, 520 - 40, fill, 0.32 * u)
    # arrow head at the arc's start (top left going clockwise)
    a = math.radians(200)
    hx, hy = cx + 0.7 * u * math.cos(a), cy + 0.7 * u * math.sin(a)
    c.polygon([(hx - 0.45 * u, hy + 0.05 * u), (hx + 0.35 * u, hy + 0.05 * u),
               (hx - 0.05 * u, hy - 0.55 * u)], fill)


def icon_house(c, cx, cy, u, fill=WHITE, door=ORANGE):
    c.polygon([(cx - u, cy - 0.05 * u), (cx, cy - u), (cx + u, cy - 0.05 * u)], fill)
    c.rect(cx - 0.7 * u, cy - 0.15 * u, cx + 0.7 * u, cy + 0.85 * u, fill)
    c.rect(cx - 0.2 * u, cy + 0.25 * u, cx + 0.2 * u, cy + 0.85 * u, door)


def icon_envelope(c, cx, cy, u, fill=WHITE, ink=PURPLE):
    c.rect(cx - u, cy - 0.65 * u, cx + u, cy + 0.65 * u, fill)
    c.line([(cx - 0.9 * u, cy - 0.55 * u), (cx, cy + 0.1 * u), (cx + 0.9 * u, cy - 0.55 * u)],
           ink, 0.16 * u)


def icon_star(c, cx, cy, u, fill=YELLOW, outline=None):
    pts = []
    for k in range(10):
        r = u if k % 2 == 0 else 0.45 * u
        a = math.radians(-90 + 36 * k)
        pts.append((cx + r * math.cos(a), cy + r * math.sin(a)))
    c.polygon(pts, fill, outline)


def icon_heart(c, cx, cy, u, fill=PINK):
    c.circle(cx - 0.45 * u, cy - 0.25 * u, 0.5 * u, fill)
    c.circle(cx + 0.45 * u, cy - 0.25 * u, 0.5 * u, fill)
    c.polygon([(cx - 0.93 * u, cy - 0.1 * u), (cx + 0.93 * u, cy - 0.1 * u), (cx, cy + 0.9 * u)],
              fill)


def icon_plus(c, cx, cy, u, fill=WHITE):
    c.rounded(cx - u, cy - 0.28 * u, cx + u, cy + 0.28 * u, 0.2 * u, fill)
    c.rounded(cx - 0.28 * u, cy - u, cx + 0.28 * u, cy + u, 0.2 * u, fill)


def icon_cross(c, cx, cy, u, fill=WHITE, width=None):
    w = width if width is not None else 0.34 * u
    c.line([(cx - 0.7 * u, cy - 0.7 * u), (cx + 0.7 * u, cy + 0.7 * u)], fill, w)
    c.line([(cx - 0.7 * u, cy + 0.7 * u), (cx + 0.7 * u, cy - 0.7 * u)], fill, w)


def icon_tick(c, cx, cy, u, fill=WHITE):
    c.line([(cx - 0.75 * u, cy), (cx - 0.2 * u, cy + 0.55 * u), (cx + 0.8 * u, cy - 0.6 * u)],
           fill, 0.34 * u)


def icon_bin(c, cx, cy, u, fill=WHITE):
    c.rounded(cx - 0.8 * u, cy - 0.75 * u, cx + 0.8 * u, cy - 0.5 * u, 0.1 * u, fill)
    c.rect(cx - 0.25 * u, cy - 0.95 * u, cx + 0.25 * u, cy - 0.7 * u, fill)
    c.polygon([(cx - 0.65 * u, cy - 0.4 * u), (cx + 0.65 * u, cy - 0.4 * u),
               (cx + 0.5 * u, cy + 0.95 * u), (cx - 0.5 * u, cy + 0.95 * u)], fill)


def icon_folder(c, cx, cy, u, fill=YELLOW, edge=None):
    edge = edge or darker(fill, 0.2)
    c.rounded(cx - u, cy - 0.75 * u, cx - 0.1 * u, cy - 0.3 * u, 0.12 * u, edge)
    c.rounded(cx - u, cy - 0.5 * u, cx + u, cy + 0.75 * u, 0.15 * u, fill)


def icon_palette(c, cx, cy, u):
    c.ellipse(cx - u, cy - 0.8 * u, cx + u, cy + 0.8 * u, WHITE)
    for (dx, dy, col) in ((-0.5, -0.25, CORAL), (-0.05, -0.45, YELLOW), (0.45, -0.2, GREEN),
                          (0.4, 0.3, BLUE)):
        c.circle(cx + dx * u, cy + dy * u, 0.2 * u, col)
    c.circle(cx - 0.4 * u, cy + 0.35 * u, 0.18 * u, lighter(PURPLE, 0.6))


def icon_eraser(c, cx, cy, u):
    c.polygon([(cx - u, cy + 0.3 * u), (cx - 0.25 * u, cy - 0.45 * u), (cx + 0.95 * u, cy - 0.45 * u),
               (cx + 0.2 * u, cy + 0.3 * u)], PINK)
    c.polygon([(cx - u, cy + 0.3 * u), (cx + 0.2 * u, cy + 0.3 * u), (cx + 0.2 * u, cy + 0.7 * u),
               (cx - u, cy + 0.7 * u)], WHITE)


def icon_picture(c, cx, cy, u):
    c.rounded(cx - u, cy - 0.75 * u, cx + u, cy + 0.75 * u, 0.12 * u, WHITE)
    c.rect(cx - 0.82 * u, cy - 0.57 * u, cx + 0.82 * u, cy + 0.57 * u, lighter(SKY, 0.3))
    c.polygon([(cx - 0.82 * u, cy + 0.57 * u), (cx - 0.3 * u, cy - 0.1 * u),
               (cx + 0.15 * u, cy + 0.57 * u)], GRASS)
    c.polygon([(cx - 0.1 * u, cy + 0.57 * u), (cx + 0.35 * u, cy + 0.05 * u),
               (cx + 0.82 * u, cy + 0.57 * u)], GRASS_DARK)
    c.circle(cx + 0.45 * u, cy - 0.3 * u, 0.15 * u, YELLOW)


def icon_pencil(c, cx, cy, u):
    c.polygon([(cx - 0.9 * u, cy + 0.9 * u), (cx - 0.75 * u, cy + 0.35 * u),
               (cx - 0.35 * u, cy + 0.75 * u)], CREAM)
    c.polygon([(cx - 0.75 * u, cy + 0.35 * u), (cx + 0.55 * u, cy - 0.95 * u),
               (cx + 0.95 * u, cy - 0.55 * u), (cx - 0.35 * u, cy + 0.75 * u)], ORANGE)
    c.polygon([(cx + 0.55 * u, cy - 0.95 * u), (cx + 0.7 * u, cy - 1.1 * u),
               (cx + 1.1 * u, cy - 0.7 * u), (cx + 0.95 * u, cy - 0.55 * u)], PINK)


def icon_sidebar(c, cx, cy, u, fill=WHITE, ink=BLUE):
    c.rounded(cx - u, cy - 0.75 * u, cx + u, cy + 0.75 * u, 0.15 * u, fill)
    c.rect(cx - 0.8 * u, cy - 0.55 * u, cx - 0.25 * u, cy + 0.55 * u, ink)


def icon_open_box(c, cx, cy, u):
    """A box with a plus: add pictures."""
    icon_picture(c, cx - 0.15 * u, cy + 0.1 * u, 0.85 * u)
    c.circle(cx + 0.6 * u, cy - 0.55 * u, 0.45 * u, GREEN, WHITE, 0.1 * u)
    icon_plus(c, cx + 0.6 * u, cy - 0.55 * u, 0.27 * u)


# ---------------------------------------------------------------- the hedgehog, Quillo's friend


def hedgehog(c, cx, cy, u, facing=1, blink=False, hop=0.0, wave=None):
    """Quillo's hedgehog. (cx, cy) is the middle of its body, u about half its height.

    facing 1 looks right, -1 left; hop lifts the feet; wave, when given, is the angle (degrees)
    of a little arm held up.
    """
    f = facing

    def X(dx):
        return cx + f * dx * u

    def Y(dy):
        return cy + dy * u

    # feet
    for dx in (-0.55, 0.35):
        c.ellipse(X(dx) - 0.2 * u, Y(0.75 - hop), X(dx) + 0.2 * u, Y(1.0 - hop), HEDGEHOG_BODY)
    # spines: a ring of triangles along the back
    spikes = []
    for k in range(11):
        a = math.radians(200 + k * 15)  # from the back-bottom over the top towards the head
        r_in, r_out = 0.85 * u, 1.3 * u
        a2 = a + math.radians(7.5)
        a0 = a - math.radians(9)
        spikes.append([
            (cx + f * r_in * math.cos(a0) - f * 0.15 * u, cy + r_in * math.sin(a0)),
            (cx + f * r_out * math.cos(a) - f * 0.15 * u, cy + r_out * math.sin(a)),
            (cx + f * r_in * math.cos(a2 + math.radians(9)) - f * 0.15 * u,
             cy + r_in * math.sin(a2 + math.radians(9))),
        ])
    for s in spikes:
        c.polygon(s, HEDGEHOG_SPINES)
    # body
    c.ellipse(X(-1.05) if f > 0 else X(0.85), Y(-0.85), X(0.85) if f > 0 else X(-1.05), Y(0.85),
              HEDGEHOG_SPINES)
    c.ellipse(min(X(-0.75), X(0.7)), Y(-0.55), max(X(-0.75), X(0.7)), Y(0.8), HEDGEHOG_BODY)
    # face: a light snout towards the front
    c.ellipse(min(X(0.05), X(1.25)), Y(-0.45), max(X(0.05), X(1.25)), Y(0.75), HEDGEHOG_FACE)
    c.polygon([(X(0.9), Y(0.0)), (X(1.55), Y(0.3)), (X(0.95), Y(0.6))], HEDGEHOG_FACE)
    c.circle(X(1.52), Y(0.3), 0.13 * u, rgb("#3A2416"))  # nose
    # eye
    if blink:
        c.line([(X(0.45), Y(0.05)), (X(0.75), Y(0.05))], rgb("#3A2416"), 0.08 * u)
    else:
        c.circle(X(0.6), Y(0.05), 0.16 * u, rgb("#22160E"))
        c.circle(X(0.64), Y(-0.01), 0.05 * u, WHITE)
    c.circle(X(0.45), Y(0.42), 0.13 * u, lighter(PINK, 0.2))  # cheek
    # ear
    c.circle(X(0.15), Y(-0.4), 0.16 * u, HEDGEHOG_BODY)
    if wave is not None:
        a = math.radians(wave)
        c.line([(X(0.55), Y(0.55)), (X(0.55 + 0.6 * math.cos(a)), Y(0.55 - 0.6 * math.sin(a)))],
               HEDGEHOG_FACE, 0.2 * u)


# ---------------------------------------------------------------- sheets, buttons and panels


class Sheet:
    """A canvas plus the words to write on it once its shapes are finished."""

    def __init__(self, w, h, background=WHITE):
        self.w, self.h = w, h
        self.c = Canvas(w, h, background)
        self.words = []

    def text(self, x, y, words, size, **style):
        self.words.append((x, y, words, size, style))

    def picture(self):
        img = self.c.picture()
        for x, y, words, size, style in self.words:
            text(img, x, y, words, size, **style)
        return img


def draw_button(sheet, x, y, w, h, label=None, colour=BLUE, icon=None, text_size=12,
                radius=None, shape="rounded", label_colour=WHITE, outline="auto"):
    """A friendly push button drawn on a sheet at (x, y), w x h pixels.

    icon is a function (canvas, cx, cy, u) drawn left of the label, or centred when there is no
    label. shape "rounded" or "circle".
    """
    c = sheet.c
    r = radius if radius is not None else min(h / 2, 9)
    edge = darker(colour, 0.3)
    if shape == "circle":
        c.ellipse(x + 0.5, y + 0.5, x + w - 0.5, y + h - 0.5, edge)
        c.ellipse(x + 1.5, y + 1.5, x + w - 1.5, y + h - 2.5, colour)
        c.ellipse(x + w * 0.2, y + h * 0.1, x + w * 0.8, y + h * 0.42, lighter(colour, 0.28))
        c.ellipse(x + w * 0.15, y + h * 0.22, x + w * 0.85, y + h * 0.62, colour)
    else:
        c.rounded(x, y, x + w, y + h, r, edge)
        c.rounded(x + 1, y + 1, x + w - 1, y + h - 2.5, max(1, r - 1), colour)
        c.rounded(x + 2, y + 2, x + w - 2, y + h * 0.5, max(1, r - 2), lighter(colour, 0.2))
        c.rounded(x + 2, y + h * 0.3, x + w - 2, y + h - 3, max(1, r - 2), colour)
    u = min(h, w) * 0.3
    if icon is not None:
        if label:
            icon(c, x + 4 + u * 1.25, y + h / 2 - 0.5, u)
        else:
            icon(c, x + w / 2, y + h / 2 - 0.5, u)
    if label:
        x0 = (4 + u * 2.5 + 2) if icon is not None else 3
        size = fit_size(label, w - x0 - 4, text_size)
        if outline == "auto":
            outline = darker(colour, 0.45)
        sheet.text(x + (x0 + w - 3) / 2, y + h / 2 - 1, label, size, fill=label_colour,
                   outline=outline, outline_width=1 if size >= 10 else 0)


def button(w, h, ground, **kw):
    """A button alone as a finished w x h picture; ground shows at its rounded corners."""
    s = Sheet(w, h, ground)
    draw_button(s, 0, 0, w, h, **kw)
    return s.picture()


def sheet_on(picture):
    """A sheet that starts from a finished picture (for example the part of a window under a
    button), so that what is drawn on it blends with what lies around it."""
    s = Sheet(picture.width, picture.height)
    s.c.img.paste(picture.resize((picture.width * s.c.s, picture.height * s.c.s), Image.NEAREST))
    return s


def button_on(ground, **kw):
    """A button drawn over a finished picture of its own size."""
    s = sheet_on(ground)
    draw_button(s, 0, 0, ground.width, ground.height, **kw)
    return s.picture()


def draw_close(sheet, x, y, size):
    """The round coral close button with a white cross."""
    c = sheet.c
    c.circle(x + size / 2, y + size / 2, size / 2 - 0.5, darker(CORAL, 0.3))
    c.circle(x + size / 2, y + size / 2 - 0.5, size / 2 - 1.5, CORAL)
    icon_cross(c, x + size / 2, y + size / 2 - 0.5, size * 0.26, WHITE, size * 0.11)


def draw_well(sheet, x, y, w, h):
    """The white place where a list or text box sits, framed a little outside the box."""
    c = sheet.c
    c.rounded(x - 3, y - 3, x + w + 3, y + h + 3, 5, rgb("#8FC2EE"))
    c.rect(x - 1, y - 1, x + w + 1, y + h + 1, WHITE)


def rainbow_stripe(c, x0, x1, y, height):
    """Six thin colour bands, one under the other (stretches sideways without harm)."""
    band = height / len(RAINBOW)
    for i, col in enumerate(RAINBOW):
        c.rect(x0, y + i * band, x1, y + (i + 1) * band + 0.01, col)
