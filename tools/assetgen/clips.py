"""The seventeen corner animations anim1.avi .. anim17.avi (221 x 83 pixels, about 2.5 s each).

Every clip plays over the corner strip's own scene, so a clip starts and ends on the picture the
strip shows anyway. Frames are drawn here and encoded by ffmpeg as Motion JPEG in AVI, which both
GStreamer and ffmpeg play; ffmpeg's bit-exact flags keep the files the same from run to run.
"""

import math
import random
import subprocess


from . import paint as P
from . import skin as S

W, H = 221, 83
FPS = 12
FRAMES = 30  # 2.5 seconds
DRAW_SCALE = 3


def ease(t):
    return 0.5 - 0.5 * math.cos(math.pi * max(0.0, min(1.0, t)))


def bounce(t):
    """0 .. 1 .. 0 hop."""
    return math.sin(math.pi * max(0.0, min(1.0, t)))


def backdrop(c):
    S.scene(c, W, H)


# ---------------------------------------------------------------- the clips


def walk(c, t, f):
    backdrop(c)
    x = -20 + t * 260
    P.hedgehog(c, x, 58 - 3 * abs(math.sin(f * 0.9)), 11, hop=0.15 * abs(math.sin(f * 0.9)))


def run_back(c, t, f):
    backdrop(c)
    x = 240 - t * 270
    for k in range(3):
        cx = x + 30 + k * 14
        c.ellipse(cx - 5, 60, cx + 5, 66, P.lighter(P.GRASS, 0.5))
    P.hedgehog(c, x, 57 - 4 * abs(math.sin(f * 1.3)), 11, facing=-1)
    P.icon_arrow(c, 110 - 30 * ease(t), 24, 14 * (0.6 + 0.4 * bounce(t * 2 % 1)), -1, P.GREEN)


def balls(c, t, f):
    backdrop(c)
    for i, col in enumerate((P.CORAL, P.YELLOW, P.BLUE, P.PURPLE)):
        phase = (t * 3 + i * 0.27) % 1
        x = 40 + i * 48
        y = 68 - 48 * bounce(phase)
        squash = 1.0 if phase > 0.08 and phase < 0.92 else 0.75
        r = 8
        c.ellipse(x - r / squash, y - r * squash, x + r / squash, y + r * squash, col)
        c.circle(x - 3, y - 3, 2.2, P.lighter(col, 0.6))


def rainbow(c, t, f):
    backdrop(c)
    grow = ease(t * 1.4)
    for i, col in enumerate(P.RAINBOW):
        r = 70 - i * 6
        c.arc(110, 90, r, 180, 180 + 180 * grow, col, 6.2)
    if grow >= 1:
        cloud_x = 40
        S.cloud(c, cloud_x, 80, 0.9)
        S.cloud(c, 180, 80, 0.9)


def twinkle(c, t, f):
    backdrop(c)
    rng = random.Random(5)
    for k in range(14):
        x, y = rng.uniform(10, 211), rng.uniform(8, 55)
        start = rng.uniform(0, 0.7)
        life = (t - start) / 0.35
        if 0 <= life <= 1:
            u = 9 * bounce(life)
            P.icon_star(c, x, y, u, P.RAINBOW[k % 6] if k % 3 else P.YELLOW)


def run_next(c, t, f):
    backdrop(c)
    x = -20 + t * 270
    for k in range(3):
        cx = x - 30 - k * 14
        c.ellipse(cx - 5, 60, cx + 5, 66, P.lighter(P.GRASS, 0.5))
    P.hedgehog(c, x, 57 - 4 * abs(math.sin(f * 1.3)), 11)
    P.icon_arrow(c, 110 + 30 * ease(t), 24, 14 * (0.6 + 0.4 * bounce(t * 2 % 1)), 1, P.GREEN)


def house(c, t, f):
    backdrop(c)
    hx, hy = 160, 50
    c.polygon([(hx - 26, hy), (hx, hy - 22), (hx + 26, hy)], P.CORAL)
    c.rect(hx - 20, hy, hx + 20, hy + 26, P.CREAM)
    c.rect(hx + 6, hy + 6, hx + 16, hy + 14, P.lighter(P.SKY, 0.4))
    door_open = ease((t - 0.55) / 0.2)
    c.rect(hx - 12, hy + 8, hx - 1, hy + 26, P.darker(P.ORANGE, 0.4))
    c.rect(hx - 12, hy + 8, hx - 1 - 9 * door_open, hy + 26, P.ORANGE)
    x = -10 + 150 * ease(min(1.0, t / 0.6))
    if t < 0.8:
        P.hedgehog(c, x, 60 - 3 * abs(math.sin(f * 1.0)) * (t < 0.6), 10)
    if t > 0.7:
        k = ease((t - 0.7) / 0.3)
        P.icon_heart(c, hx, hy - 28 - 10 * k, 4 + 4 * k, P.PINK)


def balloons(c, t, f):
    backdrop(c)
    for i, col in enumerate((P.CORAL, P.YELLOW, P.GREEN, P.PURPLE, P.BLUE)):
        x = 30 + i * 40 + 6 * math.sin(f * 0.3 + i)
        y = 100 - (t * 1.3 - i * 0.08) * 130
        c.line([(x, y + 10), (x + 2 * math.sin(f * 0.4 + i), y + 26)], P.WHITE, 0.8)
        c.ellipse(x - 8, y - 10, x + 8, y + 10, col)
        c.polygon([(x - 2, y + 10), (x + 2, y + 10), (x, y + 7)], col)
        c.circle(x - 3, y - 4, 2, P.lighter(col, 0.6))


def mail(c, t, f):
    backdrop(c)
    x = -20 + t * 260
    y = 36 - 14 * math.sin(t * math.pi * 2)
    flap = math.sin(f * 1.2) * 6
    c.polygon([(x - 4, y - 2), (x - 14, y - 10 - flap), (x + 4, y - 2)], P.lighter(P.PURPLE, 0.5))
    c.rect(x - 12, y - 8, x + 12, y + 8, P.WHITE, P.PURPLE, 1)
    c.line([(x - 11, y - 7), (x, y + 1), (x + 11, y - 7)], P.PURPLE, 1.3)
    for k in range(3):
        tx = x - 24 - k * 16
        ty = 36 - 14 * math.sin((t - (k + 1) * 0.07) * math.pi * 2)
        P.icon_heart(c, tx, ty, 3.5 - k * 0.8, P.PINK)


def sunrise(c, t, f):
    c.vgradient(0, 0, W, H, P.lighter(P.ORANGE, 0.6), P.lighter(P.SKY, 0.6))
    y = 90 - 62 * ease(t * 1.3)
    S.sun(c, 110, y, 16, turn=f * 6)
    c.ellipse(-40, 55, 120, 130, P.lighter(P.GRASS, 0.25))
    c.ellipse(90, 50, 270, 135, P.lighter(P.GRASS, 0.15))
    c.ellipse(-30, 66, 260, 140, P.GRASS)


def bubbles(c, t, f):
    backdrop(c)
    P.hedgehog(c, 40, 58, 11)
    rng = random.Random(11)
    for k in range(9):
        start = k * 0.09
        age = t - start
        if age < 0:
            continue
        x = 62 + age * 160 + 6 * math.sin(age * 12 + k)
        y = 56 - age * 70 - rng.uniform(0, 8)
        r = 3 + rng.uniform(0, 4)
        c.circle(x, y, r, P.lighter(P.SKY, 0.75), P.lighter(P.PURPLE, 0.3), 0.8)
        c.circle(x - r * 0.35, y - r * 0.35, r * 0.25, P.WHITE)


def pinwheel(c, t, f):
    backdrop(c)
    cx, cy = 110, 34
    c.line([(cx, cy), (cx, 80)], P.darker(P.ORANGE, 0.3), 2.4)
    turn = t * 720
    for k, col in enumerate((P.CORAL, P.YELLOW, P.GREEN, P.BLUE)):
        a = math.radians(turn + k * 90)
        b = math.radians(turn + k * 90 + 60)
        c.polygon([(cx, cy), (cx + 22 * math.cos(a), cy + 22 * math.sin(a)),
                   (cx + 15 * math.cos(b), cy + 15 * math.sin(b))], col)
    c.circle(cx, cy, 3, P.WHITE)


def butterfly(c, t, f):
    backdrop(c)
    x = -10 + t * 240
    y = 38 + 14 * math.sin(t * math.pi * 4)
    span = 0.3 + 0.7 * abs(math.sin(f * 0.8))
    for side in (-1, 1):
        tip = x + side * 17 * span
        c.ellipse(min(x, tip), y - 14, max(x, tip), y + 1, P.PINK)
        tip = x + side * 12 * span
        c.ellipse(min(x, tip), y - 1, max(x, tip), y + 11, P.PURPLE)
    c.rounded(x - 2, y - 12, x + 2, y + 11, 2, P.INK)
    c.line([(x - 1, y - 12), (x - 5, y - 18)], P.INK, 0.8)
    c.line([(x + 1, y - 12), (x + 5, y - 18)], P.INK, 0.8)
    for k in range(5):
        c.circle(40 + k * 40, 70 + (k % 2) * 4, 3.5, P.RAINBOW[(k * 2) % 6])


def traffic_light(c, t, f):
    backdrop(c)
    lx = 170
    c.rect(lx - 1.5, 36, lx + 1.5, 80, P.INK)
    c.rounded(lx - 9, 4, lx + 9, 40, 5, P.INK)
    lit = 0 if t < 0.3 else (1 if t < 0.55 else 2)
    for k, col in enumerate((P.GREEN, P.YELLOW, P.CORAL)):
        on = k == lit
        c.circle(lx, 34 - k * 11, 4.2, col if on else P.darker(col, 0.55))
    x = -20 + 140 * ease(min(1.0, t / 0.6))
    moving = t < 0.6
    P.hedgehog(c, x, 58 - (3 * abs(math.sin(f * 1.0)) if moving else 0), 11,
               wave=70 if t > 0.7 else None)


def rocket(c, t, f):
    backdrop(c)
    lift = ease((t - 0.2) / 0.8)
    x, y = 110, 62 - lift * 90
    rng = random.Random(f)
    for k in range(6):
        px = x + rng.uniform(-6, 6)
        py = y + 16 + k * 5
        c.circle(px, py, 3 + k * 0.7, P.lighter(P.CREAM, 0.3))
    c.polygon([(x, y + 14), (x - 4, y + 22 + 3 * math.sin(f * 2)), (x + 4, y + 22)], P.ORANGE)
    c.polygon([(x - 7, y + 6), (x - 12, y + 16), (x - 5, y + 14)], P.CORAL)
    c.polygon([(x + 7, y + 6), (x + 12, y + 16), (x + 5, y + 14)], P.CORAL)
    c.ellipse(x - 7, y - 16, x + 7, y + 16, P.WHITE, P.lighter(P.INK, 0.5), 0.8)
    c.polygon([(x - 6, y - 9), (x, y - 18), (x + 6, y - 9)], P.CORAL)
    c.circle(x, y - 2, 3.5, P.lighter(P.SKY, 0.3), P.INK, 0.7)


def confetti(c, t, f):
    backdrop(c)
    rng = random.Random(23)
    for k in range(40):
        x0 = rng.uniform(0, W)
        speed = rng.uniform(40, 80)
        start = rng.uniform(-0.4, 0.6)
        y = -6 + (t - start) * speed * 2.5
        if y < -6 or y > 85:
            continue
        x = x0 + 6 * math.sin(y * 0.15 + k)
        a = y * 0.2 + k
        dx, dy = 3 * math.cos(a), 1.6
        col = P.RAINBOW[k % 6] if k % 5 else P.PINK
        c.polygon([(x - dx, y - dy), (x + dx, y - dy), (x + dx * 0.8, y + dy),
                   (x - dx * 0.8, y + dy)], col)


def kite(c, t, f):
    backdrop(c)
    hx, hy = 40, 58
    kx = 130 + 30 * math.sin(t * math.pi * 2)
    ky = 22 + 6 * math.sin(t * math.pi * 4)
    c.line([(hx + 8, hy - 4), (kx, ky + 10)], P.WHITE, 0.7)
    tail = [(kx + 0, ky + 14)]
    for k in range(1, 6):
        tail.append((kx - k * 6, ky + 14 + k * 3 + 3 * math.sin(f * 0.9 + k)))
    c.line(tail, P.CORAL, 0.9)
    for k, (tx, ty) in enumerate(tail[1:]):
        c.circle(tx, ty, 1.8, P.RAINBOW[k % 6])
    c.polygon([(kx, ky - 12), (kx + 9, ky), (kx, ky + 14), (kx - 9, ky)], P.YELLOW)
    c.polygon([(kx, ky - 12), (kx + 9, ky), (kx, ky)], P.CORAL)
    c.polygon([(kx, ky), (kx - 9, ky), (kx, ky + 14)], P.BLUE)
    P.hedgehog(c, hx, hy, 11, wave=55)


# anim1 .. anim17, in this order. The buttons use anim2 (Back), anim6 (Next), anim7 (Home),
# anim9 (Mail), anim12 (Reload) and anim14 (Stop); the others play at random while a page loads.
CLIPS = [walk, run_back, balls, rainbow, twinkle, run_next, house, balloons, mail, sunrise,
         bubbles, pinwheel, butterfly, traffic_light, rocket, confetti, kite]


def frames(clip):
    for f in range(FRAMES):
        c = P.Canvas(W, H, P.WHITE, scale=DRAW_SCALE)
        clip(c, f / (FRAMES - 1), f)
        yield c.picture()


def encode(clip, path):
    raw = b"".join(img.tobytes() for img in frames(clip))
    cmd = ["ffmpeg", "-v", "error", "-y", "-f", "rawvideo", "-pix_fmt", "rgb24",
           "-s", f"{W}x{H}", "-r", str(FPS), "-i", "-",
           "-c:v", "mjpeg", "-pix_fmt", "yuvj420p", "-q:v", "5",
           "-fflags", "+bitexact", "-flags:v", "+bitexact", "-map_metadata", "-1",
           "-f", "avi", str(path)]
    subprocess.run(cmd, input=raw, check=True)


def still(clip, t=0.5):
    """One frame of a clip, for looking at."""
    c = P.Canvas(W, H, P.WHITE, scale=DRAW_SCALE)
    clip(c, t, int(t * (FRAMES - 1)))
    return c.picture()


assert len(CLIPS) == 17
