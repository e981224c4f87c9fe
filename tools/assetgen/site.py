"""The maker's web site as the program serves it from its folder: the start page, the page shown
in place of a page that is not for children, and the side pane's page.

The pages load nothing from elsewhere (styles and pictures are inside them). The content filter
reads every page, this one too, so none may hold a phrase of the filter's list; and the design
reader looks at comments, so the pages carry no comments at all.
"""

# The filter's phrases (lower case); a page holding one of them would be blocked.
FILTER_PHRASES = [
    "legal age", "age 18", "age 21", "below age", "under age", "enter leave", "leave enter",
    "adult material", "adult contents", "do not enter", " adult check ", "wet pussy", " cum ",
    "anal sex", "sex illustrated", "young babes", "horny girls", "lolitas", " tits ",
    "sexually explicit", "must be at least", "blow job", "anal pics", "erotic", "erotica",
    "do not proceed", "adult content", "the age of 18", "the age of 21", "xxx", "adult check",
    "nude pic", "whore", "hardcore pic", "extreme hardcore", "nude celeb", "celebrety nude",
    "sex pic", "big breast", "adult service", "porn star", "nude images",
]
assert len(FILTER_PHRASES) == 42

STYLE = """
html { background: #eaf6ff; }
body { margin: 0; font-family: "Comic Neue", "Comic Sans MS", "DejaVu Sans", sans-serif;
       color: #1e2a66; font-size: 20px; line-height: 1.4; }
.band { background: linear-gradient(#6aa8ec, #2f86e0); color: #fff; padding: 18px 24px 12px;
        display: flex; align-items: center; gap: 18px; }
.band h1 { margin: 0; font-size: 38px; text-shadow: 0 2px 0 #1c4f8a; }
.band p { margin: 2px 0 0; font-size: 21px; }
.rainbow { height: 12px; background: linear-gradient(#ff5e5e 0 16%, #ff9f1c 16% 33%,
           #ffd23f 33% 50%, #5bd16b 50% 66%, #3d8ef0 66% 83%, #8e6cf5 83% 100%); }
main { max-width: 900px; margin: 0 auto; padding: 24px; }
.tiles { display: grid; grid-template-columns: repeat(auto-fill, minmax(240px, 1fr)); gap: 18px; }
.tile { display: block; border-radius: 22px; padding: 18px 20px; color: #fff;
        text-decoration: none; box-shadow: 0 5px 0 rgba(0,0,0,0.18); }
.tile:hover, .tile:focus { transform: translateY(-3px); }
.tile b { display: block; font-size: 26px; text-shadow: 0 2px 0 rgba(0,0,0,0.25); }
.tile span { font-size: 18px; }
.green { background: #34c26a; } .orange { background: #ff9f1c; } .blue { background: #3d8ef0; }
.purple { background: #8e6cf5; } .coral { background: #ff6b6b; } .sun { background: #f5b700; }
.note { margin-top: 28px; background: #fff; border-radius: 18px; padding: 14px 20px;
        border: 3px solid #b9dbf7; }
.big { display: inline-block; margin: 10px 8px 0 0; padding: 12px 26px; border-radius: 30px;
       color: #fff; font-size: 24px; font-weight: bold; text-decoration: none;
       box-shadow: 0 5px 0 rgba(0,0,0,0.18); }
"""

HEDGEHOG_SVG = """<svg width="{w}" height="{h}" viewBox="0 0 120 90" aria-hidden="true">
<g fill="#7a4a22">
<polygon points="18,52 6,40 24,40"/><polygon points="20,40 10,22 30,30"/>
<polygon points="28,30 24,10 40,24"/><polygon points="40,24 42,4 54,22"/>
<polygon points="54,22 62,4 68,24"/><polygon points="68,24 82,10 80,30"/>
<polygon points="78,30 94,22 86,40"/>
<ellipse cx="52" cy="52" rx="40" ry="32"/></g>
<ellipse cx="54" cy="58" rx="32" ry="24" fill="#a8682f"/>
<ellipse cx="80" cy="60" rx="22" ry="20" fill="#f5cfa0"/>
<polygon points="92,54 114,62 94,72" fill="#f5cfa0"/>
<circle cx="113" cy="62" r="4.5" fill="#3a2416"/>
<circle cx="88" cy="56" r="5" fill="#22160e"/><circle cx="89.5" cy="54.5" r="1.6" fill="#fff"/>
<circle cx="84" cy="68" r="4.5" fill="#ffb0d6"/>
<circle cx="70" cy="40" r="5.5" fill="#a8682f"/>
<ellipse cx="36" cy="84" rx="8" ry="5" fill="#a8682f"/>
<ellipse cx="70" cy="84" rx="8" ry="5" fill="#a8682f"/>
</svg>"""


def hedgehog(w=120, h=90):
    return HEDGEHOG_SVG.format(w=w, h=h)


def page(title, body, extra_style=""):
    return f"""<!DOCTYPE html>
<html lang="en">
<head>
<meta charset="utf-8">
<meta name="viewport" content="width=device-width, initial-scale=1">
<title>{title}</title>
<style>{STYLE}{extra_style}</style>
</head>
<body>
{body}
</body>
</html>
"""


SITES = [
    ("https://pbskids.org/", "PBS KIDS", "Games and shows with your TV friends", "green"),
    ("https://kids.nationalgeographic.com/", "Nat Geo Kids", "Amazing animals and our world",
     "orange"),
    ("https://spaceplace.nasa.gov/", "NASA Space Place", "Rockets, planets and stars", "blue"),
    ("https://www.sesamestreet.org/", "Sesame Street", "Songs, games and good friends", "purple"),
    ("https://www.starfall.com/", "Starfall", "Learn to read and count", "coral"),
    ("https://www.bbc.co.uk/cbeebies", "CBeebies", "Stories, songs and games", "sun"),
]


def tiles():
    return "\n".join(
        f'<a class="tile {colour}" href="{url}"><b>{name}</b><span>{words}</span></a>'
        for url, name, words, colour in SITES)


def index():
    body = f"""<div class="band">{hedgehog()}
<div><h1>Hello! I am Quillo.</h1><p>Where shall we go today?</p></div></div>
<div class="rainbow"></div>
<main>
<div class="tiles">
{tiles()}
</div>
<div class="note">Press a big button to visit a place. Press the orange house at the bottom of
Quillo to come back here any time.</div>
</main>"""
    return page("Quillo - Hello!", body)


def blocked():
    body = """<div class="band">""" + hedgehog() + """
<div><h1>Oops! Not this one.</h1><p>That page was made for grown-ups, not for children.</p></div>
</div>
<div class="rainbow"></div>
<main>
<div class="note">Nothing is wrong, and you did nothing bad. Quillo just found a page that is
better for big people, so it brought you here instead.<br>
There are lots of fun places to visit. Let's pick one!</div>
<a class="big green" href="/">Take me to the start page</a>
<h2>Or visit one of these:</h2>
<div class="tiles">
""" + tiles() + """
</div>
</main>"""
    return page("Quillo - Let's go somewhere else", body)


SIDE_STYLE = """
body { font-size: 16px; width: 186px; overflow-x: hidden; }
.side { padding: 8px; box-sizing: border-box; width: 186px; }
.side h2 { margin: 4px 0; font-size: 22px; text-align: center; }
.card { background: #fff; border-radius: 14px; padding: 8px 10px; margin: 8px 0;
        border: 3px solid #b9dbf7; font-size: 15px; }
.card b { color: #8e6cf5; }
.small { display: block; margin: 8px 0; padding: 8px 10px; border-radius: 16px; color: #fff;
         font-weight: bold; text-decoration: none; text-align: center; }
"""

FACTS = [
    "A baby hedgehog is called a hoglet.",
    "Hedgehogs roll into a prickly ball to stay safe.",
    "A hedgehog has about five thousand spines.",
    "Hedgehogs snuffle and grunt when they look for food.",
    "Hedgehogs sleep through the cold winter.",
]


def side():
    facts = ", ".join('"' + f + '"' for f in FACTS)
    body = f"""<div class="side">
<div style="text-align:center">{hedgehog(110, 82)}</div>
<h2>Hi, friend!</h2>
<div class="card"><b>Did you know?</b><br><span id="fact">{FACTS[0]}</span></div>
<a class="small green" href="/" target="_blank">Start page</a>
<a class="small blue" href="https://spaceplace.nasa.gov/" target="_blank">Space</a>
<a class="small orange" href="https://kids.nationalgeographic.com/" target="_blank">Animals</a>
</div>
<script>
var facts = [{facts}];
document.getElementById("fact").textContent = facts[new Date().getDate() % facts.length];
</script>"""
    return page("Quillo", body, SIDE_STYLE)


def check(name, text):
    lower = text.lower()
    for phrase in FILTER_PHRASES:
        assert phrase not in lower, f"{name} holds the filter phrase {phrase!r}"
    assert "<!--" not in text, f"{name} holds a comment"
    for line in text.split("\n"):
        tokens = line.split(" ")
        assert tokens[0] != "<!", f"{name} holds a design record line: {line!r}"


def files():
    pages = {"site/index.htm": index(), "site/blocked.htm": blocked(),
             "site/hit/left2jp.html": side()}
    out = {}
    for name, text in pages.items():
        check(name, text)
        out[name] = text.encode("utf-8")
    return out
