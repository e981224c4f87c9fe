"""A still of the main window dressed in a skin, laid out as the program lays it out, so that
a person can judge the skin as a whole (used by the contact sheet)."""

from PIL import Image, ImageDraw

from . import paint as P
from . import skin as S


def main_window(pictures, w=640, h=480, side_pane=True, frame_title_y=4):
    """pictures: the skin's pictures by control name (PictureBottomLeft may be any picture)."""
    img = Image.new("RGB", (w, h), S.BACKGROUND)
    d = ImageDraw.Draw(img)

    def put(name, x, y, size=None):
        pic = pictures[name]
        if size is not None and size != pic.size:
            pic = pic.resize(size, Image.BILINEAR)
        img.paste(pic, (int(x), int(y)))

    # title bar
    fx, fy, fw = 4, frame_title_y, w - 8
    put("PictureTitleBar", fx, fy, (fw, 25))
    put("PictureIcon", fx, fy)
    put("PictureTitle", fx + fw / 2 - 185 / 2, fy)
    for k, name in ((1, "PictureClose"), (2, "PictureWS02"), (3, "PictureWS01")):
        put(name, fx + fw - 17 * k, fy + 4)
    # browser panes
    top = fy + 25 + 2
    dash_h = 105
    dash_top = h - dash_h - 3
    pane_h = max(1, h - (top + dash_h + 5))
    if side_pane:
        d.rectangle([11, top, 11 + 186 - 1, top + pane_h - 1], fill=(255, 255, 255),
                    outline=(160, 160, 160))
        d.text((20, top + 10), "side pane", fill=(120, 120, 120))
        main_left = 11 + 186 - 2
        main_w = w - 16 - 190
    else:
        main_left = 11
        main_w = w - 22
    d.rectangle([main_left, top, main_left + main_w - 1, top + pane_h - 1], fill=(255, 255, 255),
                outline=(160, 160, 160))
    d.text((main_left + 10, top + 10), "page", fill=(120, 120, 120))
    # dashboard
    dx, dw = 3, w - 5
    put("PictureHideShow", dx, dash_top)
    put("PictureURL", dx + 64, dash_top + 1)
    combo_x = dx + 96
    book_x = dx + dw - 81
    d.rectangle([combo_x, dash_top + 2, book_x - 1, dash_top + 22], fill=(255, 255, 255),
                outline=(120, 120, 120))
    d.text((combo_x + 4, dash_top + 6), "http://www.quillo.example/", fill=(0, 0, 0))
    put("PictureBookmark", book_x, dash_top)
    right_x = dx + dw - 208
    put("PictureBottomLeft", dx, dash_top + 23)
    if right_x - (dx + 221) > 0:  # the layout leaves the centre strip alone otherwise
        put("PictureBottomCenter", dx + 221, dash_top + 23, (right_x - (dx + 221), 83))
    put("PictureBottomRight", right_x, dash_top + 23)
    for name, (x, y) in S.NAV_PLACES.items():
        put(name, right_x + x, dash_top + 23 + y)
    P.text(img, dx + 221 + 2, dash_top + 23 + 56 + 8, "Done", 11, fill=S.STATUS_TEXT, anchor="lm")
    P.text(img, right_x + 92, dash_top + 23 + 60 + 7, "100%", 11, fill=S.MINI_TEXT, anchor="lm")
    # window edges
    d.line([(w - 1, 0), (w - 1, h)], fill=(0, 0, 0))
    d.line([(0, h - 1), (w, h - 1)], fill=(0, 0, 0))
    return img
