"""The language pack's texts and the small settings files of the program folder.

Texts are plain ASCII so that they read the same in any code page. Items are separated by ">"
and the list ends with one more ">", so that no line end ever sticks to the last item; the
empty item after it is never read.
"""

LANGUAGE = "English"

# LanguageText.txt: item 0 is read by nobody; 1 to 9 are the program menu's entries.
MENU_ITEMS = [
    "Quillo",  # 0
    "New Window",  # 1: start another Quillo window
    "Turn Designs Off",  # 2: shown while designed pages are on
    "Turn Designs On",  # 3: shown while designed pages are off
    "Open a Design",  # 4: the load-design dialog
    "Skin Maker",  # 5: the skin editor
    "Choose a Skin",  # 6: the skin manager
    "My Home Page",  # 7: the home-page window
    "About Quillo",  # 8
    "Close Quillo",  # 9
]

# MessageText.txt: the skinned message box's texts. Items 4, 8 and 9 are joined with names
# ("Save your skin as " + name + "?", "Rename " + old + " to " + new + "?").
MESSAGE_ITEMS = [
    "Oops! That skin could not be opened, so Quillo is wearing its own skin again.",  # 0
    "This skin file is not quite right, so Quillo cannot use it.",  # 1
    "Please type a name for your skin first.",  # 2
    "Quillo's own skin has to stay just as it is. Please give your skin a new name.",  # 3
    "Save your skin as ",  # 4
    "Quillo's own skin has to stay in the list.",  # 5
    "Sorry, that skin could not be taken off the list.",  # 6
    "Quillo's own skin keeps its name, and no other skin can have it.",  # 7
    "Rename ",  # 8
    " to ",  # 9
    "Sorry, that skin could not be renamed.",  # 10
    "Sorry, Quillo cannot use that file. Please choose a picture or a clip.",  # 11
    "There is no picture to show here yet. Add some pictures first!",  # 12
]

AGREEMENT = """Quillo 3.0
A web browser for children.

Hello! Quillo helps you visit web pages made for children.
Press the big buttons to go back, go on, go home or stop.
Press the hedgehog in the corner to open Quillo's menu.

For grown-ups:
Quillo checks the words on every page it opens. When a page
is not meant for children, Quillo shows a friendly page
instead and the child can go back home.
No checker is perfect: please stay close and browse together
with young children.

You can dress Quillo in new skins: open the menu and choose
"Skin Maker" to make your own, or "Choose a Skin" to pick one.

Have fun, and be kind online!
"""


def items_file(items):
    """The bytes of a ">"-separated items file."""
    for item in items:
        assert ">" not in item and "\r" not in item and "\n" not in item, item
    return (">".join(items) + ">").encode("ascii")


def files():
    """Path (relative to the program folder) -> bytes."""
    return {
        "language.ini": LANGUAGE.encode("ascii"),
        f"{LANGUAGE}/LanguageText.txt": items_file(MENU_ITEMS),
        f"{LANGUAGE}/MessageText.txt": items_file(MESSAGE_ITEMS),
        f"{LANGUAGE}/agreement.txt": AGREEMENT.encode("ascii"),
        "skinlib.txt": b"Quillo\x02\r\n",
        "rn418.ini": b"<Quillo>\r\n",
    }
