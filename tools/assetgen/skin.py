"""The default skin "Quillo", its descriptor and the skin editor's blank buttons.

Every picture has the size of the control it dresses. Pictures that lie over another picture (the
title parts over the title bar, the navigation buttons over the right strip) are drawn on the part
of that picture they cover, so that nothing shows a seam. The title bar and the centre strip are
stretched sideways by the main window's layout, so every one of their rows is a single colour.
"""

from . import paint as P

SKIN = "Quillo"

# Controls of the main window: name -> (width, height) in pixels.
SIZES = {
    "PictureIcon": (25, 25),
    "PictureTitleBar": (113, 25),
    "PictureTitle": (185, 25),
    "PictureWS01": (16, 16),
    "PictureWS02": (16, 16),
    "PictureClose": (16, 16),
    "PictureHideShow": (64, 24),
    "PictureURL": (33, 22),
    "PictureBookmark": (81, 24),
    "PictureBack": (32, 32),
    "PictureNext": (32, 32),
    "PictureReload": (32, 32),
    "PictureStop": (32, 32),
    "PictureHome": (32, 32),
    "PictureMail": (32, 32),
    "PictureBottomLeft": (221, 83),
    "PictureBottomCenter": (188, 83),
    "PictureBottomRight": (208, 83),
}

# The descriptor's picture fields 3 to 20, in order.
FIELD_CONTROLS = [
    "PictureIcon", "PictureTitleBar", "PictureTitle", "PictureWS01", "PictureWS02",
    "PictureClose", "PictureHideShow", "PictureURL", "PictureBookmark", "PictureBack",
    "PictureNext", "PictureReload", "PictureStop", "PictureHome", "PictureMail",
    "PictureBottomLeft", "PictureBottomCenter", "PictureBottomRight",
]

# The fifteen picture buttons, in the order in which the skin editor's clear action takes them.
BLANK_BUTTONS = [
    "PictureIcon", "PictureTitle", "PictureWS01", "PictureWS02", "PictureClose",
    "PictureTitleBar", "PictureHideShow", "PictureURL", "PictureBookmark", "PictureBack",
    "PictureNext", "PictureReload", "PictureStop", "PictureHome", "PictureMail",
]

# The corner strip's source: its name ends in ".tzv", which makes the strip play the program's
# button animations. Its content is a picture of the strip's size, shown while no clip plays.
CORNER_FILE = "PictureBottomLeft.tzv"

BACKGROUND = P.SKY
STATUS_TEXT = P.INK
MINI_TEXT = P.rgb("#5B3FC4")

TITLE_TOP = P.lighter(P.SKY_DEEP, 0.3)
TITLE_BOTTOM = P.SKY_DEEP

# Places inside their containers (the title frame and the right strip) that fix the ground under
# the pictures that lie over another picture.
TITLE_BUTTON_TOP = 4
NAV_PLACES = {
    "PictureBack": (8, 3),
    "PictureNext": (48, 3),
    "PictureReload": (88, 3),
    "PictureStop": (128, 3),
    "PictureHome": (168, 3),
    "PictureMail": (168, 48),
}


def colour_value(c):
    """A colour as the window system's 0x00BBGGRR number."""
    r, g, b = c
    return (b << 16) | (g << 8) | r


def title_bar(w):
    s = P.Sheet(w, 25)
    s.c.vgradient(0, 0, w, 22, TITLE_TOP, TITLE_BOTTOM)
    P.rainbow_stripe(s.c, 0, w, 22, 3)
    return s.picture()


def on_title(w, h, top=0):
    """A sheet whose ground is the title bar's rows top .. top + h."""
    return P.sheet_on(title_bar(w).crop((0, top, w, top + h)))


def strip(w, status_band):
    """The cream strip with a rainbow edge on top; status_band adds the white status line."""
    s = P.Sheet(w, 83)
    c = s.c
    P.rainbow_stripe(c, 0, w, 0, 6)
    c.vgradient(0, 6, w, 83, P.CREAM, P.lighter(P.ORANGE, 0.75))
    if status_band:
        c.rect(0, 52, w, 77, P.rgb("#B9DBF7"))
        c.rect(0, 53, w, 76, P.WHITE)
    return s


def bottom_center():
    return strip(188, True).picture()


def bottom_right():
    s = strip(208, False)
    c = s.c
    c.rounded(84, 56, 164, 78, 10, P.rgb("#B9DBF7"))
    c.rounded(85, 57, 163, 77, 9, P.WHITE)
    P.hedgehog(c, 38, 62, 11)
    P.icon_heart(c, 68, 46, 5, P.PINK)
    return s.picture()


def scene(c, w=221, h=83):
    """The corner strip's backdrop: sky, sun, clouds and hills (shared with the clips)."""
    c.vgradient(0, 0, w, h, P.lighter(P.SKY, 0.25), P.lighter(P.SKY, 0.7))
    sun(c, 24, 20, 11)
    cloud(c, 80, 16, 1.0)
    cloud(c, 176, 26, 0.8)
    c.ellipse(-40, 55, 120, 130, P.lighter(P.GRASS, 0.25))
    c.ellipse(90, 50, 270, 135, P.lighter(P.GRASS, 0.15))
    c.ellipse(-30, 66, 260, 140, P.GRASS)
    for i, x in enumerate(range(10, 221, 27)):
        y = 74 + (i % 2) * 4
        c.circle(x, y, 2.2, P.RAINBOW[i % 6])
        c.circle(x, y, 0.9, P.YELLOW)


def sun(c, x, y, r, turn=0.0):
    import math
    for k in range(10):
        a = math.radians(k * 36 + turn)
        c.line([(x + (r + 3) * math.cos(a), y + (r + 3) * math.sin(a)),
                (x + (r + 7) * math.cos(a), y + (r + 7) * math.sin(a))], P.YELLOW, 2)
    c.circle(x, y, r, P.YELLOW)
    c.circle(x - r * 0.35, y - r * 0.15, r * 0.12, P.darker(P.ORANGE, 0.3))
    c.circle(x + r * 0.35, y - r * 0.15, r * 0.12, P.darker(P.ORANGE, 0.3))
    c.arc(x, y + r * 0.05, r * 0.45, 20, 160, P.darker(P.ORANGE, 0.3), r * 0.12)


def cloud(c, x, y, k):
    for dx, dy, r in ((-12, 2, 7), (-4, -3, 9), (7, -1, 8), (14, 3, 6)):
        c.circle(x + dx * k, y + dy * k, r * k, P.WHITE)
    c.rounded(x - 18 * k, y + 1 * k, x + 19 * k, y + 9 * k, 4 * k, P.WHITE)


def corner_picture():
    s = P.Sheet(221, 83)
    c = s.c
    scene(c)
    P.hedgehog(c, 150, 58, 13, facing=-1, wave=60)
    c.rounded(86, 28, 126, 46, 8, P.WHITE, P.lighter(P.SKY_DEEP, 0.3), 1)
    c.polygon([(116, 44), (126, 52), (112, 45)], P.WHITE)
    s.text(106, 37, "Hi!", 12, fill=P.INK, title=True)
    return s.picture()


def title_picture():
    s = on_title(185, 25)
    P.icon_star(s.c, 34, 12, 6, P.YELLOW)
    P.icon_star(s.c, 151, 12, 6, P.YELLOW)
    s.text(92.5, 11.5, "Quillo", 20, title=True, fill=P.WHITE,
           outline=P.darker(P.SKY_DEEP, 0.5), outline_width=2)
    return s.picture()


def icon_picture():
    s = on_title(25, 25)
    c = s.c
    c.circle(12.5, 12, 11.5, P.darker(P.YELLOW, 0.3))
    c.circle(12.5, 11.7, 10.6, P.YELLOW)
    P.hedgehog(c, 11.5, 12.5, 5.6)
    return s.picture()


def title_button(colour, mark):
    s = on_title(16, 16, TITLE_BUTTON_TOP)
    c = s.c
    c.circle(8, 8, 7.5, P.darker(colour, 0.35))
    c.circle(8, 7.8, 6.6, colour)
    mark(c)
    return s.picture()


def minimise_mark(c):
    c.line([(5, 8), (11, 8)], P.INK, 1.8)


def maximise_mark(c):
    c.rect(4.6, 4.6, 11.4, 11.2, None, P.WHITE, 1.6)


def close_mark(c):
    P.icon_cross(c, 8, 7.8, 4.2, P.WHITE, 1.8)


def nav_button(name, colour, icon):
    x, y = NAV_PLACES[name]
    ground = bottom_right().crop((x, y, x + 32, y + 32))
    return P.button_on(ground, colour=colour, icon=icon, shape="circle")


def dash_button(name, **kw):
    w, h = SIZES[name]
    return P.button(w, h, BACKGROUND, **kw)


def pictures():
    """File name inside the skin folder -> picture."""
    out = {
        "PictureIcon": icon_picture(),
        "PictureTitleBar": title_bar(113),
        "PictureTitle": title_picture(),
        "PictureWS01": title_button(P.YELLOW, minimise_mark),
        "PictureWS02": title_button(P.GREEN, maximise_mark),
        "PictureClose": title_button(P.CORAL, close_mark),
        "PictureHideShow": dash_button("PictureHideShow", label="Side", colour=P.PURPLE,
                                       icon=lambda c, x, y, u: P.icon_sidebar(c, x + 1, y, u * 1.1,
                                                                              P.WHITE, P.PURPLE)),
        "PictureURL": dash_button("PictureURL", label="Go", colour=P.GREEN, text_size=12),
        "PictureBookmark": dash_button("PictureBookmark", label="Favorites", colour=P.YELLOW,
                                       label_colour=P.INK, outline=None, text_size=11,
                                       icon=lambda c, x, y, u: P.icon_star(c, x, y, u * 1.3,
                                                                           P.ORANGE)),
        "PictureBack": nav_button("PictureBack", P.GREEN,
                                  lambda c, x, y, u: P.icon_arrow(c, x, y, u * 1.25, -1)),
        "PictureNext": nav_button("PictureNext", P.GREEN,
                                  lambda c, x, y, u: P.icon_arrow(c, x, y, u * 1.25, 1)),
        "PictureReload": nav_button("PictureReload", P.BLUE,
                                    lambda c, x, y, u: P.icon_reload(c, x, y + 0.5, u * 1.2)),
        "PictureStop": nav_button("PictureStop", P.CORAL,
                                  lambda c, x, y, u: c.rounded(x - u * 0.8, y - u * 0.8,
                                                               x + u * 0.8, y + u * 0.8,
                                                               u * 0.25, P.WHITE)),
        "PictureHome": nav_button("PictureHome", P.ORANGE,
                                  lambda c, x, y, u: P.icon_house(c, x, y, u * 1.15, P.WHITE,
                                                                  P.CORAL)),
        "PictureMail": nav_button("PictureMail", P.PURPLE,
                                  lambda c, x, y, u: P.icon_envelope(c, x, y, u * 1.1, P.WHITE,
                                                                     P.PURPLE)),
        CORNER_FILE: corner_picture(),
        "PictureBottomCenter": bottom_center(),
        "PictureBottomRight": bottom_right(),
    }
    return out


def descriptor():
    """The bytes of Quillo.tz3: 21 fields on one line, ended by CR LF."""
    fields = [str(colour_value(BACKGROUND)), str(colour_value(STATUS_TEXT)),
              str(colour_value(MINI_TEXT))]
    for control in FIELD_CONTROLS:
        fields.append(CORNER_FILE if control == "PictureBottomLeft" else control)
    assert len(fields) == 21
    return ("".join(f"<{f}>" for f in fields) + "\r\n").encode("ascii")


BLANK_GROUND = P.rgb("#C9D3DE")
BLANK_FACE = P.rgb("#EEF1F5")
BLANK_EDGE = P.rgb("#9AA6B4")


def blank(name):
    """A plain button of the control's size with nothing on it."""
    w, h = SIZES[name]
    s = P.Sheet(w, h, BLANK_GROUND)
    c = s.c
    if name == "PictureTitleBar" or name == "PictureTitle":
        c.vgradient(0, 0, w, h, P.lighter(BLANK_EDGE, 0.4), BLANK_EDGE)
    elif w == h:
        c.circle(w / 2, h / 2, w / 2 - 0.5, BLANK_EDGE)
        c.circle(w / 2, h / 2 - 0.5, w / 2 - 1.5, BLANK_FACE)
    else:
        c.rounded(0, 0, w, h, min(h / 2, 9), BLANK_EDGE)
        c.rounded(1, 1, w - 1, h - 2, min(h / 2, 9) - 1, BLANK_FACE)
    return s.picture()


def blanks():
    return {"B-" + name: blank(name) for name in BLANK_BUTTONS}
