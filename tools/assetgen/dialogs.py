"""The language pack's bitmaps: the tool windows' and dialogs' backgrounds and their buttons.

Each window background has the size of its window. Where a window lays caption-less transparent
labels over its picture (close labels, OK and Cancel areas, the favorites dialogs' buttons), the
background shows the button at exactly that place. Where it lays text boxes and lists, the
background shows a white well around them. Picture buttons that are controls of their own get
bitmaps of their own, sized to their places.
"""

from . import paint as P

BAND = P.darker(P.SKY_DEEP, 0.05)
BAND_TOP = P.lighter(P.SKY_DEEP, 0.2)
BODY_TOP = P.SKY_PALE
BODY_BOTTOM = P.rgb("#D6ECFF")
FRAME = P.darker(P.SKY_DEEP, 0.3)

# Button colours by meaning, the same in every window.
GO = P.GREEN  # OK, save, open, use
BACK_OUT = P.ORANGE  # cancel
REMOVE = P.CORAL  # delete
OTHER = P.BLUE  # anything else
EXTRA = P.PURPLE


def window(w, h, title, band=34, title_size=18, title_x=12):
    """A window background: a blue title band with a rainbow edge over a pale sky body."""
    s = P.Sheet(w, h, BODY_TOP)
    c = s.c
    c.vgradient(0, 0, w, h, BODY_TOP, BODY_BOTTOM)
    if band > 0:
        stripe = 6 if band >= 28 else 3
        c.vgradient(0, 0, w, band - stripe, BAND_TOP, BAND)
        P.rainbow_stripe(c, 0, w, band - stripe, stripe)
        if title:
            size = P.fit_size(title, w - title_x - 40, title_size, title=True)
            s.text(title_x, (band - stripe) / 2 + 0.5, title, size, anchor="lm", title=True,
                   fill=P.WHITE, outline=P.darker(P.SKY_DEEP, 0.5), outline_width=2)
    return s


def frame(s):
    """The window's outer edge, drawn last."""
    s.c.rect(0, 0, s.w, s.h, None, FRAME, 2)


def say(s, x, y, words, size=11, anchor="lm", fill=P.INK):
    s.text(x, y, words, size, anchor=anchor, fill=fill)


def about():
    w, h = ABOUT_SIZE
    s = window(w, h, None, band=86)
    c = s.c
    P.hedgehog(c, 52, 46, 22)
    for i, (x, y, u) in enumerate(((300, 20, 6), (330, 58, 4), (250, 64, 5), (356, 30, 3.5))):
        P.icon_star(c, x, y, u, P.RAINBOW[(i * 2) % 6])
    s.text(100, 34, "Quillo", 34, anchor="lm", title=True, fill=P.WHITE,
           outline=P.darker(P.SKY_DEEP, 0.5), outline_width=2)
    s.text(104, 68, "a web browser for children", 13, anchor="lm", fill=P.WHITE)
    x, y, tw, th = ABOUT_TEXT
    P.draw_well(s, x, y, tw, th)
    P.draw_close(s, *ABOUT_CLOSE)
    frame(s)
    return s.picture()


def design_edit():
    s = window(226, 294, "Skin Maker", band=34)
    P.draw_close(s, 196, 11, 20)
    P.draw_well(s, 9, 79, 208, 83)
    P.draw_well(s, 10, 224, 208, 25)
    # The two arrow buttons belong to the window itself; the background shows them too.
    P.draw_button(s, 77, 169, 40, 48, colour=EXTRA,
                  icon=lambda c, x, y, u: P.icon_arrow(c, x, y, u * 1.2, -1))
    P.draw_button(s, 120, 169, 45, 48, colour=EXTRA,
                  icon=lambda c, x, y, u: P.icon_arrow(c, x, y, u * 1.2, 1))
    frame(s)
    return s.picture()


# The skin editor's picture buttons: (file, left, top, width, height, label, colour, icon).
# The places are those the program menu gives Picture1(0), (1), (2), (5), (6) and (7); the save
# button Picture1(8), which the menu does not place, sits between (6) and (7).
DESIGN_EDIT_BUTTONS = [
    ("FEDClearDesign.bmp", 9, 41, 102, 34, "Clear", P.ORANGE, P.icon_eraser),
    ("FEDBackgroundColor.bmp", 115, 41, 102, 34, "Colour", EXTRA, P.icon_palette),
    ("FEDOpen.bmp", 9, 169, 64, 48, None, OTHER, P.icon_open_box),
    ("FEDDelete.bmp", 168, 169, 45, 48, None, REMOVE, P.icon_bin),
    ("FEDLoad.bmp", 9, 258, 50, 30, "Skins", OTHER, None),
    ("FEDSaveAs.bmp", 115, 258, 102, 30, "Save as...", OTHER, None),
    ("FEDSave.bmp", 62, 258, 50, 30, "Save", GO, None),
]


def skin_list_window(long_form):
    h = 281 if long_form else 242
    s = window(226, h, "Skins")
    P.draw_close(s, 192, 8, 25)
    P.draw_well(s, 8, 40, 209, 130)
    P.draw_well(s, 10, 170, 207, 25)
    if long_form:
        s.c.rect(8, 239, 218, 240, P.lighter(P.SKY_DEEP, 0.5))
    frame(s)
    return s.picture()


# The skin manager's picture buttons, on its long form. The rename button lies outside the
# window in the program's layout; its picture is drawn as if it stood beside the others.
SKIN_LIST_BUTTONS = [
    ("FLUpload.bmp", 9, 203, 154, 32, "Use this skin", GO, P.icon_tick),
    ("FLOptions.bmp", 171, 208, 46, 28, "More", OTHER, None),
    ("FLAdd.bmp", 9, 242, 154, 32, "Add a skin", OTHER, P.icon_plus),
    ("FLDelete.bmp", 171, 242, 46, 32, None, REMOVE, P.icon_bin),
    ("FLRename.bmp", 9, 242, 70, 32, "Rename", OTHER, None),
]


def save_as():
    s = window(226, 255, "Save My Skin")
    P.draw_close(s, 192, 8, 25)
    P.draw_well(s, 8, 40, 209, 122)
    say(s, 10, 171, "Name of my skin:", 11)
    P.draw_well(s, 8, 180, 209, 29)
    frame(s)
    return s.picture()


SAVE_AS_BUTTONS = [
    ("FSAOK.bmp", 45, 216, 64, 32, "OK", GO, None),
    ("FSACancel.bmp", 114, 216, 64, 32, "Cancel", BACK_OUT, None),
]


def change_homepage():
    s = window(399, 83, "My Home Page", band=28, title_size=17, title_x=59)
    c = s.c
    P.draw_close(s, 369, 1, 24)
    c.rounded(16, 32, 48, 64, 8, P.YELLOW, P.darker(P.YELLOW, 0.3), 1)
    P.icon_house(c, 32, 48, 11, P.WHITE, P.CORAL)
    P.draw_well(s, 59, 37, 249, 25)
    P.draw_button(s, 336, 40, 49, 25, "OK", GO)
    frame(s)
    return s.picture()


def add_favorite():
    s = window(251, 370, "Add to Favorites", band=21, title_size=15, title_x=10)
    P.draw_well(s, 8, 25, 228, 19)
    P.draw_well(s, 8, 51, 228, 249)
    P.draw_button(s, 16, 312, 65, 25, "New", OTHER)
    P.draw_button(s, 88, 312, 65, 25, "OK", GO)
    P.draw_button(s, 168, 312, 65, 25, "Cancel", BACK_OUT)
    say(s, 125, 354, "Pick a folder, then press OK.", 11, anchor="mm")
    frame(s)
    return s.picture()


def organize_favorites():
    s = window(359, 373, "Organize Favorites", band=18, title_size=14, title_x=10)
    for x, label, colour in ((24, "New", OTHER), (88, "Rename", OTHER), (152, "Delete", REMOVE),
                             (216, "Move", EXTRA), (280, "Close", BACK_OUT)):
        P.draw_button(s, x, 20, 49, 25, label, colour, text_size=11)
    say(s, 91, 53, "Folders", 10, anchor="mm")
    say(s, 263, 53, "Favorites", 10, anchor="mm")
    P.draw_well(s, 11, 62, 161, 278)
    P.draw_well(s, 183, 62, 161, 278)
    P.icon_star(s.c, 179.5, 357, 8, P.YELLOW, P.darker(P.YELLOW, 0.3))
    frame(s)
    return s.picture()


def move_favorite():
    s = window(252, 370, None, band=0)
    c = s.c
    P.rainbow_stripe(c, 0, 252, 0, 6)
    c.vgradient(0, 342, 252, 370, BAND_TOP, BAND)
    s.text(126, 356, "Move to a folder", 14, anchor="mm", title=True, fill=P.WHITE,
           outline=P.darker(P.SKY_DEEP, 0.5), outline_width=2)
    P.draw_well(s, 10, 10, 225, 289)
    P.icon_folder(c, 44, 324, 12)
    P.icon_arrow(c, 54, 328, 7, 1, P.GREEN)
    P.draw_button(s, 88, 312, 65, 25, "OK", GO)
    P.draw_button(s, 168, 312, 65, 25, "Cancel", BACK_OUT)
    frame(s)
    return s.picture()


def load_design():
    s = window(226, 212, "Open a Design")
    P.draw_close(s, 194, 10, 21)
    P.draw_well(s, 8, 40, 209, 130)
    P.draw_button(s, 8, 176, 65, 25, "Open", GO)
    P.draw_button(s, 80, 176, 65, 25, "Delete", REMOVE)
    P.draw_button(s, 152, 176, 65, 25, "Cancel", BACK_OUT)
    frame(s)
    return s.picture()


def save_design():
    s = window(336, 108, "Keep This Design", band=28, title_size=16)
    P.draw_close(s, 308, 3, 21)
    P.icon_pencil(s.c, 22, 47, 9)
    say(s, 40, 64, "Give it a name", 10)
    P.draw_well(s, 40, 40, 265, 15)
    P.draw_button(s, 160, 72, 65, 25, "Cancel", BACK_OUT)
    P.draw_button(s, 240, 72, 65, 25, "Save", GO)
    frame(s)
    return s.picture()


MENU_SIZE = (160, 204)


def menu():
    w, h = MENU_SIZE
    s = P.Sheet(w, h, P.WHITE)
    c = s.c
    c.vgradient(0, 0, w, h, P.rgb("#F6F4FF"), P.rgb("#E4DEFF"))
    for i, col in enumerate(P.RAINBOW):
        c.rect(0, i * h / 6, 5, (i + 1) * h / 6 + 0.01, col)
    c.rect(0, 0, w, h, None, P.darker(P.PURPLE, 0.2), 2)
    return s.picture()


# Sizes that no other part of the program fixes; the about window takes its size from here.
ABOUT_SIZE = (400, 300)
ABOUT_TEXT = (16, 100, 368, 184)  # the agreement text box: left, top, width, height
ABOUT_CLOSE = (366, 8, 26)  # left, top, size of the close spot


def single_buttons(table, background):
    """Each button of table drawn on the part of the window background that it covers."""
    out = {}
    for name, x, y, w, h, label, colour, icon in table:
        ground = background.crop((x, y, x + w, y + h))
        out[name] = P.button_on(ground, label=label, colour=colour, icon=icon)
    return out


def all_bitmaps():
    """Every bitmap of the language folder: file name -> picture."""
    out = {
        "FAFormAbout.bmp": about(),
        "FEDFormDesignEdit.bmp": design_edit(),
        "FLShort.bmp": skin_list_window(False),
        "FLLong.bmp": skin_list_window(True),
        "FSAFormSaveAs.bmp": save_as(),
        "FCHPFormChangeHomepage.bmp": change_homepage(),
        "FAFFormAddFavorite.bmp": add_favorite(),
        "FOFFormOrganizeFavorite.bmp": organize_favorites(),
        "FMFFormMoveFavorite.bmp": move_favorite(),
        "menu.bmp": menu(),
        "frmQVXLoad.bmp": load_design(),
        "frmQVXSave.bmp": save_design(),
    }
    out.update(single_buttons(DESIGN_EDIT_BUTTONS, out["FEDFormDesignEdit.bmp"]))
    out.update(single_buttons(SKIN_LIST_BUTTONS, out["FLLong.bmp"]))
    out.update(single_buttons(SAVE_AS_BUTTONS, out["FSAFormSaveAs.bmp"]))
    return out
