#!/usr/bin/env python3
"""Draws the Quillery icon set and writes the SVG files, resources/quillery.qrc and the icon
list in README.md.

    python3 resources/icons/make_icons.py

The SVG files are the product and are committed; this script is how they are drawn, so that
new icons take the same palette, grid and parts (see README.md for the rules).
"""

import os
import sys

sys.dont_write_bytecode = True  # keep the resource folder free of caches
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

from svgkit import INK, INK_LIGHT, PALETTE, WHITE, Icon, Path, mix, poly  # noqa: E402

HERE = os.path.dirname(os.path.abspath(__file__))
RESOURCES = os.path.dirname(HERE)

ICONS = []  # (folder, name, meaning, draw function)


HALO_ICONS = set()  # dark glyphs that get a white rim (see Icon.halo)


def icon(folder, name, meaning, size=16, halo=False):
    def register(fn):
        ICONS.append((folder, name, meaning, fn, size))
        if halo:
            HALO_ICONS.add((folder, name))
        return fn

    return register


# ======================================================================================
# Shared parts
# ======================================================================================


def sheet(ic, x0=2.5, y0=1.5, x1=13.5, y1=14.5, fold=4, family="paper", lighten=False):
    """A sheet of paper with a folded top-right corner, outlined on half units."""
    fill, dark = ic.fam(family, lighten)
    ic.path(Path().M(x0, y0).H(x1 - fold).L(x1, y0 + fold).V(y1).H(x0).Z(),
            fill=fill, stroke=dark)
    if fold:
        ic.path(Path().M(x1 - fold, y0).V(y0 + fold).H(x1).Z(), fill=WHITE, stroke=dark,
                join="round")
    return dark


def card(ic, x0, y0, x1, y1, family="paper", rx=None):
    """A plain outlined rectangle (x0..x1, y0..y1 are the half-unit outline coordinates)."""
    fill, dark = ic.fam(family)
    ic.rect(x0, y0, x1 - x0, y1 - y0, fill=fill, stroke=dark, rx=rx)
    return dark


def text_lines(ic, rows, x0, x1, color=INK_LIGHT, short=None):
    """1-pixel text lines on pixel rows; short maps a row to a shorter right end."""
    for r in rows:
        end = short.get(r, x1) if short else x1
        ic.hline(x0, end, r, color)


def plus_badge(ic, cx=12, cy=12):
    """The green plus of every 'new' and 'insert' action: 2-pixel arms inside a 1-pixel rim."""
    fill, dark = ic.fam("green")
    p = (Path().M(cx - 1.5, cy - 3.5).H(cx + 1.5).V(cy - 1.5).H(cx + 3.5).V(cy + 1.5)
         .H(cx + 1.5).V(cy + 3.5).H(cx - 1.5).V(cy + 1.5).H(cx - 3.5).V(cy - 1.5)
         .H(cx - 1.5).Z())
    ic.path(p, fill=fill, stroke=dark)


def cross(ic, cx, cy, r, w=2):
    """The red cross of every 'delete' action: a dark rim under a red stroke."""
    light, base, dark = PALETTE["red"]
    d = Path().M(cx - r, cy - r).L(cx + r, cy + r).M(cx + r, cy - r).L(cx - r, cy + r)
    ic.path(d, stroke=dark, sw=w + 2, cap="round")
    ic.path(d, stroke="#e5564e", sw=w, cap="round")


def check(ic, pts, w=2):
    light, base, dark = PALETTE["green"]
    d = poly(pts, close=False)
    ic.path(d, stroke=dark, sw=w + 2, cap="round", join="round")
    ic.path(d, stroke="#5cb547", sw=w, cap="round", join="round")


def solid(ic, p, family="blue", join="round"):
    """A solid shape of a family: gradient fill with its dark outline."""
    fill, dark = ic.fam(family)
    ic.path(p, fill=fill, stroke=dark, join=join)


def arrow_up_path(tip=1.5, base=8.5, shaft=(5.5, 10.5), bottom=14.5, half=6.5, cx=8):
    """A straight arrow pointing up; turn it for the other directions."""
    return poly([(cx, tip), (cx + half, base), (shaft[1], base), (shaft[1], bottom),
                 (shaft[0], bottom), (shaft[0], base), (cx - half, base)])


def curved_arrow(ic, mirror=False, family="blue"):
    """The undo arrow: a hook from the lower right to a head pointing left."""
    light, base, dark = PALETTE[family]
    rim = Path().M(6, 6).H(9).A(4, 4, 0, 1, 13, 10).V(14)
    core = Path().M(4, 6).H(9).A(4, 4, 0, 1, 13, 10).V(13)
    head = poly([(1, 6), (6.5, 1), (6.5, 11)])
    if mirror:
        rim, core, head = rim.mirror(), core.mirror(), head.mirror()
    ic.path(rim, stroke=dark, sw=4)
    fill = ic.grad(light, base)
    ic.path(head, fill=fill, stroke=dark, join="round")
    ic.path(core, stroke=mix(light, base, 0.35), sw=2)


def magnifier(ic, cx=6.5, cy=6.5, r=4, handle=(14, 14)):
    """Lens with a pale glass, a 2-pixel ring and a short thick handle."""
    ic.path(Path().M(cx + r * 0.75, cy + r * 0.75).L(*handle), stroke=PALETTE["brown"][2],
            sw=3.4, cap="round")
    ic.path(Path().M(cx + r * 0.8, cy + r * 0.8).L(*handle), stroke=PALETTE["brown"][1],
            sw=1.6, cap="round")
    glass = ic.grad(PALETTE["sky"][0], PALETTE["sky"][1])
    ic.circle(cx, cy, r, fill=glass, stroke=INK, sw=2)
    ic.path(Path().M(cx - r + 2, cy).A(r - 2, r - 2, 0, 1, cx, cy - r + 2), stroke=WHITE,
            sw=1, cap="round")


def printer(ic, quick=False):
    # Paper going in at the back.
    px0, px1 = (3.5, 10.5) if quick else (4.5, 11.5)
    card(ic, px0, 1.5, px1, 7, "paper")
    # Body.
    fill, dark = ic.fam("steel")
    ic.rect(1.5, 6.5, 13, 6, rx=1, fill=fill, stroke=dark)
    ic.hline(3, 13, 9, PALETTE["steel"][2])
    ic.rect(12, 7.5 + 0.5, 1, 1, fill=PALETTE["green"][1])
    # The printed page coming out in front.
    card(ic, 4.5, 10.5, 11.5, 14.5, "paper")
    ic.hline(6, 10, 12, INK_LIGHT)
    if quick:
        # A lightning bolt: solid, without a rim, which would fill it in at 16 px.
        bolt = poly([(12, 0), (9, 6), (12, 6), (10, 11), (16, 4), (13, 4), (15, 0)])
        ic.path(bolt, fill=ic.grad(PALETTE["orange"][1], "#e0620a"))


def letter_A(ic, x=2, y=2, w=12, h=12, color=INK):
    """A bold sans capital A fitted to the box (x, y, w, h); its crossbar and the foot of
    the counter are snapped to whole pixels so that they stay sharp at every box size."""
    def pt(u, v):
        return (x + u * w / 12.0, y + v * h / 12.0)

    # Crossbar rows in grid units, then back in glyph units.
    top = round(y + 7.0 * h / 12.0)
    bottom = top + max(1, round(2.0 * h / 12.0))
    a, b = (top - y) * 12.0 / h, (bottom - y) * 12.0 / h
    k = 0.3375  # slope of the inner edges of the legs
    inner = lambda v: 2.7 + (12 - v) * k
    p = (Path().M(*pt(0, 12)).L(*pt(4.3, 0)).L(*pt(7.7, 0)).L(*pt(12, 12))
         .L(*pt(12 - 2.7, 12)).L(*pt(12 - inner(b), b)).L(*pt(inner(b), b)).L(*pt(2.7, 12)).Z()
         .M(*pt(inner(a), a)).L(*pt(12 - inner(a), a)).L(*pt(6, 2.2)).Z())
    ic.path(p, fill=color, fill_rule="evenodd")


def color_bar(ic, color, y=12, h=3):
    ic.rect(1, y, 14, h, fill=color)


# ======================================================================================
# 1. The 23 note icons, in the order of the icon grid (the index is stored in layouts)
# ======================================================================================

NOTE_ORDER = [
    "docNewGray", "docNewBlue", "docNewRed", "docNewGreen", "docNewLila", "docNewBrown",
    "docNewYellow", "blue_1", "blue_2", "blue_3", "blue_4", "blue_5", "blue_6", "blue_7",
    "blue_8", "blue_9", "blue_0", "alerts", "car", "Internet1", "Internet2", "Paar1",
    "Enterprise",
]


def doc_new(family):
    def draw(ic):
        light, base, dark = PALETTE[family]
        top = mix(WHITE, light, 0.55)
        bottom = light if family != "gray" else PALETTE["gray"][1]
        fill = ic.grad(top, bottom)
        ic.path(Path().M(2.5, 1.5).H(9.5).L(13.5, 5.5).V(14.5).H(2.5).Z(), fill=fill,
                stroke=dark)
        ic.path(Path().M(9.5, 1.5).V(5.5).H(13.5).Z(), fill=WHITE, stroke=dark, join="round")
        line = mix(base, dark, 0.35)
        ic.hline(4, 8, 4, line)
        ic.hline(4, 12, 7, line)
        ic.hline(4, 12, 9, line)
        ic.hline(4, 10, 11, line)

    return draw


for _fam, _name, _word in [("gray", "docNewGray", "grey"), ("blue", "docNewBlue", "blue"),
                           ("red", "docNewRed", "red"), ("green", "docNewGreen", "green"),
                           ("lila", "docNewLila", "lilac"), ("brown", "docNewBrown", "brown"),
                           ("yellow", "docNewYellow", "yellow")]:
    icon("notes", _name, "note: a %s sheet" % _word)(doc_new(_fam))

# Digits for the badges: 2-unit strokes on the box x 6..10, y 4..12 (centre lines), so
# each digit covers pixel columns 5..10 and rows 3..12.
DIGITS = {
    "1": [Path().M(8, 3).V(13), Path().M(5, 4).H(8), Path().M(5, 12).H(11)],
    "2": [Path().M(6, 6).A(2, 2, 0, 1, 10, 6).C(10, 8, 6, 9, 6, 12).H(11)],
    "3": [Path().M(5, 4).H(8).A(2, 2, 0, 1, 8, 8).H(7), Path().M(8, 8).A(2, 2, 0, 1, 8, 12).H(5)],
    "4": [Path().M(6, 3).V(9).H(11), Path().M(10, 3).V(13)],
    "5": [Path().M(11, 4).H(6).V(8).H(8).A(2, 2, 0, 1, 8, 12).H(5)],
    "6": [Path().M(10.5, 4).H(8).A(2, 2, 0, 0, 6, 6).V(10),
          Path().M(6, 10).A(2, 2, 0, 0, 10, 10).A(2, 2, 0, 0, 6, 10)],
    "7": [Path().M(5, 4).H(10).L(7, 13)],
    "8": [Path().M(7.5, 4).H(8.5).A(1.5, 1.5, 0, 1, 10, 5.5).V(6.5).A(1.5, 1.5, 0, 1, 8.5, 8)
          .H(7.5).A(1.5, 1.5, 0, 1, 6, 6.5).V(5.5).A(1.5, 1.5, 0, 1, 7.5, 4).Z(),
          Path().M(7.5, 8).H(8.5).A(1.5, 1.5, 0, 1, 10, 9.5).V(10.5).A(1.5, 1.5, 0, 1, 8.5, 12)
          .H(7.5).A(1.5, 1.5, 0, 1, 6, 10.5).V(9.5).A(1.5, 1.5, 0, 1, 7.5, 8).Z()],
    "9": [Path().M(5.5, 12).H(8).A(2, 2, 0, 0, 10, 10).V(6),
          Path().M(10, 6).A(2, 2, 0, 0, 6, 6).A(2, 2, 0, 0, 10, 6)],
    "0": [Path().M(6, 6).A(2, 2, 0, 1, 10, 6).V(10).A(2, 2, 0, 1, 6, 10).Z()],
}


def badge(digit):
    def draw(ic):
        light, base, dark = PALETTE["blue"]
        ic.rect(1.5, 1.5, 13, 13, rx=2.5, fill=ic.grad("#6fa7ef", "#2d69c2"), stroke=dark)
        ic.path(Path().M(3, 2.5).H(13), stroke="#a9cbf7", sw=1)
        for p in DIGITS[digit]:
            ic.path(p, stroke=WHITE, sw=2, join="miter" if digit in "1457" else "round")

    return draw


for _d in "1234567890":
    icon("notes", "blue_" + _d, "note: blue badge with the digit %s" % _d)(badge(_d))


@icon("notes", "alerts", "note: warning sign")
def _alerts(ic):
    fill, dark = ic.fam("yellow")
    ic.path(poly([(8, 1), (15, 14.5), (1, 14.5)]), fill=fill, stroke=dark, join="round")
    ic.rect(7, 5, 2, 5, fill=INK)
    ic.rect(7, 11, 2, 2, fill=INK)


@icon("notes", "car", "note: car")
def _car(ic):
    fill, dark = ic.fam("red")
    body = (Path().M(1.5, 12.5).V(9.5).L(3, 7.5).H(4.5).L(6, 4.5).H(10.5).L(12.5, 7.5).H(13.5)
            .Q(14.5, 7.5, 14.5, 8.5).V(12.5).Z())
    ic.path(body, fill=fill, stroke=dark, join="round")
    glass = ic.grad(PALETTE["sky"][0], PALETTE["sky"][1])
    ic.path(poly([(5.5, 7.5), (6.6, 5.5), (7.5, 5.5), (7.5, 7.5)]), fill=glass)
    ic.path(poly([(8.5, 5.5), (10, 5.5), (11.2, 7.5), (8.5, 7.5)]), fill=glass)
    ic.rect(13, 9, 1, 1, fill=PALETTE["yellow"][1])
    ic.hline(3, 13, 9, mix(PALETTE["red"][0], WHITE, 0.4))
    for x in (4.5, 11.5):
        ic.circle(x, 12.5, 2.2, fill=INK)
        ic.circle(x, 12.5, 0.9, fill=PALETTE["steel"][1])


def globe(ic, cx=8, cy=8, r=6.5):
    fill = ic.grad("#7fb6f2", "#2b64b8")
    ic.circle(cx, cy, r, fill=fill, stroke=PALETTE["blue"][2])


@icon("notes", "Internet1", "note: internet globe with land")
def _internet1(ic):
    globe(ic)
    land, dark = ic.fam("green")
    ic.path(Path().M(3.2, 4.6).C(4.5, 3, 7, 2.6, 8.2, 3.6).C(8.5, 5, 6.6, 5, 6.8, 6.6)
            .C(7, 8.2, 5.4, 8.4, 5.2, 10).C(5, 11.6, 3.4, 10.6, 2.6, 9).C(1.9, 7.4, 2.3, 5.8,
                                                                      3.2, 4.6).Z(),
            fill=land)
    ic.path(Path().M(9.6, 7.2).C(11, 6.4, 13.6, 7, 14, 8.6).C(14, 10.6, 12.8, 12.8, 10.8, 13.6)
            .C(10.2, 12, 10.8, 10.6, 9.8, 9.6).C(9, 8.8, 9, 7.8, 9.6, 7.2).Z(), fill=land)
    ic.path(Path().M(10.4, 2.6).C(11.6, 2.8, 12.6, 3.6, 13, 4.4).C(12, 4.8, 10.8, 4.2, 10.4, 2.6)
            .Z(), fill=land)
    ic.circle(8, 8, 6.5, stroke=PALETTE["blue"][2])
    ic.path(Path().M(4, 4).A(5.5, 5.5, 0, 1, 8, 2.5), stroke="#d7e8fc", sw=1, cap="round",
            opacity=0.8)


@icon("notes", "Internet2", "note: internet globe with meridians")
def _internet2(ic):
    # Centred on a pixel (7.5) so that the middle meridian and the equator are single
    # pixel lines.
    globe(ic, 7.5, 7.5, 6)
    grid = "#d4e6fb"
    ic.ellipse(7.5, 7.5, 3, 6, stroke=grid, sw=1)
    ic.vline(7, 2, 13, grid)
    ic.hline(2, 13, 7, grid)
    ic.hline(3, 12, 4, grid)
    ic.hline(3, 12, 10, grid)
    ic.circle(7.5, 7.5, 6, stroke=PALETTE["blue"][2])


def person(ic, hx, hy, family, w=4):
    fill, dark = ic.fam(family)
    body = (Path().M(hx - w - 0.5, 14.5).V(13).C(hx - w - 0.5, 10.5, hx - 2, 9.5, hx, 9.5)
            .C(hx + 2, 9.5, hx + w + 0.5, 10.5, hx + w + 0.5, 13).V(14.5).Z())
    ic.path(body, fill=fill, stroke=dark)
    skin = ic.grad("#ffe3c4", "#f2b98a")
    ic.circle(hx, hy, 2.5, fill=skin, stroke="#9a5f32")


@icon("notes", "Paar1", "note: a pair of people")
def _pair(ic):
    person(ic, 10.5, 4.5, "blue")
    # A sliver of white keeps the front figure apart from the one behind.
    ic.path(Path().M(1, 15).V(13).C(1, 10, 3.5, 8.5, 5.5, 8.5).C(7.5, 8.5, 10, 10, 10, 13)
            .V(15), fill=WHITE)
    ic.circle(5.5, 6.5, 3.4, fill=WHITE)
    person(ic, 5.5, 6.5, "orange")


@icon("notes", "Enterprise", "note: an enterprise building")
def _enterprise(ic):
    light, base, dark = PALETTE["steel"]
    wing = ic.grad(PALETTE["gray"][0], PALETTE["gray"][1])
    ic.rect(10.5, 6.5, 4, 8, fill=wing, stroke=dark)
    tower = ic.grad("#dfe5ec", "#9aa6b3")
    ic.rect(2.5, 3.5, 8, 11, fill=tower, stroke=dark)
    ic.vline(6, 1, 3, dark)
    win = "#4a88d6"
    for y in (5, 7, 9):
        for x in (4, 6, 8):
            ic.rect(x, y, 1, 1, fill=win)
    for y in (8, 10, 12):
        ic.rect(12, y, 1, 1, fill=win)
    ic.rect(5, 11, 3, 3, fill=INK)
    ic.hline(1, 16, 14, dark)


# ======================================================================================
# 2. Main window and note actions
# ======================================================================================


def star(ic, cx, cy, r_out, r_in, n=4):
    import math
    pts = []
    for i in range(2 * n):
        r = r_out if i % 2 == 0 else r_in
        a = math.pi * i / n - math.pi / 2
        pts.append((cx + r * math.cos(a), cy + r * math.sin(a)))
    fill, dark = ic.fam("yellow")
    ic.path(poly(pts), fill=fill, stroke=dark, join="round", sw=0.8)


@icon("actions", "file-new", "File / New: a new, empty document")
def _file_new(ic):
    sheet(ic, 3.5, 1.5, 13.5, 14.5, 4)
    text_lines(ic, (8, 10, 12), 5, 12, short={12: 9})
    star(ic, 4.5, 4.5, 4.2, 1.4)


def folder(ic, open_=True):
    light, base, dark = PALETTE["yellow"]
    back = ic.grad(mix(light, base, 0.6), mix(base, dark, 0.25))
    ic.path(Path().M(1.5, 13.5).V(2.5).H(5.5).L(6.5, 3.5).H(12.5).V(13.5).Z(), fill=back,
            stroke=dark)
    card(ic, 3.5, 4.5, 11.5, 10, "paper")
    if open_:
        front = ic.grad(light, base)
        ic.path(Path().M(1.5, 13.5).L(3.5, 6.5).H(15.5).L(13.5, 13.5).Z(), fill=front,
                stroke=dark, join="round")


@icon("actions", "file-open", "File / Open: open a document")
def _file_open(ic):
    folder(ic)


@icon("actions", "file-save", "File / Save: save the document")
def _file_save(ic):
    light, base, dark = PALETTE["blue"]
    ic.path(Path().M(1.5, 1.5).H(12.5).L(14.5, 3.5).V(14.5).H(1.5).Z(),
            fill=ic.grad(light, base), stroke=dark)
    sfill = ic.grad(*PALETTE["steel"][:2])
    ic.rect(4.5, 1.5, 7, 4, fill=sfill, stroke=dark)
    ic.rect(9, 2, 1.5, 3, fill=dark)
    card(ic, 3.5, 8.5, 12.5, 14.5, "paper")
    text_lines(ic, (10, 12), 5, 11)


@icon("actions", "file-print", "File / Print: the print dialog")
def _file_print(ic):
    printer(ic)


@icon("actions", "file-quick-print", "File / Quick print: print the note at once")
def _file_quick_print(ic):
    printer(ic, quick=True)


def note_sheet(ic, x0, y0, x1, y1, family="yellow", fold=3):
    """A small note (a sheet in a note colour) as used by the note actions."""
    dark = sheet(ic, x0, y0, x1, y1, fold, family, lighten=True)
    return dark


@icon("actions", "note-new-main", "Note / New main note: a note at the top level")
def _note_new_main(ic):
    note_sheet(ic, 1.5, 1.5, 11.5, 13.5, "gray", 3)
    text_lines(ic, (6, 8, 10), 3, 9, INK_LIGHT)
    plus_badge(ic)


@icon("actions", "note-new-sub", "Note / New subnote: a note under the selected one")
def _note_new_sub(ic):
    card(ic, 1.5, 1.5, 11.5, 6.5, "gray")
    ic.hline(3, 9, 4, INK_LIGHT)
    ic.vline(4, 7, 12, INK)
    ic.hline(4, 9, 11, INK)
    plus_badge(ic)


@icon("actions", "note-delete", "Note / Delete: delete the note and its subnotes")
def _note_delete(ic):
    cross(ic, 8, 8, 4.5, 2.4)


def move_arrow(quarter):
    def draw(ic):
        solid(ic, arrow_up_path().turn(quarter), "blue")

    return draw


for _q, _dir in [(0, "up"), (2, "down"), (3, "left"), (1, "right")]:
    icon("actions", "note-move-" + _dir, "Note / Move %s" % _dir)(move_arrow(_q))


@icon("actions", "note-undo", "Note / Undo in the note tree")
def _note_undo(ic):
    curved_arrow(ic)


@icon("actions", "note-redo", "Note / Redo in the note tree")
def _note_redo(ic):
    curved_arrow(ic, mirror=True)


@icon("actions", "note-find", "Note / Find and find next in captions and texts")
def _note_find(ic):
    magnifier(ic)


def expander(ic, x0, y0, sign):
    """A tree expander box 9 x 9 with its outline on half units and a blue sign."""
    fill, dark = ic.fam("paper")
    ic.rect(x0 + 0.5, y0 + 0.5, 8, 8, fill=fill, stroke=dark)
    c = PALETTE["blue"][2]
    ic.hline(x0 + 2, x0 + 7, y0 + 4, c)
    if sign == "+":
        ic.vline(x0 + 4, y0 + 2, y0 + 7, c)


@icon("actions", "note-expand-all", "Note / Expand all nodes of the notes tree")
def _expand_all(ic):
    expander(ic, 1, 1, "+")
    expander(ic, 6, 6, "+")


@icon("actions", "note-collapse-all", "Note / Collapse all nodes of the notes tree")
def _collapse_all(ic):
    expander(ic, 1, 1, "-")
    expander(ic, 6, 6, "-")


def two_sheets(ic):
    card(ic, 1.5, 1.5, 9.5, 11.5, "paper")
    text_lines(ic, (4, 6, 8), 3, 8)
    card(ic, 6.5, 4.5, 14.5, 14.5, "paper")
    text_lines(ic, (7, 9, 11), 8, 13, INK, short={11: 11})


@icon("actions", "note-copy", "Note / Copy the note with its subnotes")
def _note_copy(ic):
    two_sheets(ic)


def clipboard(ic):
    light, base, dark = PALETTE["brown"]
    ic.rect(1.5, 2.5, 11, 12, rx=1, fill=ic.grad(light, base), stroke=dark)
    ic.rect(4.5, 1.5, 5, 3, rx=0.5, fill=ic.grad(*PALETTE["steel"][:2]), stroke=INK)
    card(ic, 6.5, 5.5, 14.5, 14.5, "paper")
    text_lines(ic, (8, 10, 12), 8, 13, INK, short={12: 11})


@icon("actions", "note-paste", "Note / Paste a copied note under the selected one")
def _note_paste(ic):
    clipboard(ic)


def properties_card(ic):
    card(ic, 1.5, 1.5, 14.5, 14.5, "paper")
    ic.rect(1.5, 1.5, 13, 3, fill=ic.grad(*PALETTE["blue"][:2]), stroke=PALETTE["blue"][2])
    # A ticked box, a colour swatch and a date field: what the properties panel holds.
    ic.rect(3.5, 6.5, 3, 3, fill=WHITE, stroke=INK)
    ic.rect(4, 7, 2, 2, fill=PALETTE["green"][1])
    ic.hline(8, 13, 8, INK_LIGHT)
    ic.rect(3, 11, 4, 2, fill=PALETTE["red"][1])
    ic.hline(8, 13, 11, INK_LIGHT)
    ic.hline(8, 11, 13, INK_LIGHT)


@icon("actions", "note-properties", "Note / Show or hide the note properties")
def _note_properties(ic):
    properties_card(ic)


@icon("actions", "note-goto", "Tasks / Go to the note of the selected task")
def _note_goto(ic):
    note_sheet(ic, 5.5, 1.5, 14.5, 14.5, "yellow", 3)
    text_lines(ic, (6, 8, 10, 12), 9, 13, INK_LIGHT)
    solid(ic, poly([(1.5, 6.5), (5.5, 6.5), (5.5, 3.5), (10.5, 8), (5.5, 12.5), (5.5, 9.5),
                    (1.5, 9.5)]), "blue")


@icon("actions", "note-done", "Tasks / Done")
def _note_done(ic):
    check(ic, [(3, 8.5), (6.5, 12), (13, 4.5)], 2.4)


# ======================================================================================
# 3. Rich-text editor: tool bar, menus and context menu
# ======================================================================================

ED = "editor"
ACCENT = PALETTE["blue"][1]


def pixels(ic, x0, y0, rows, color):
    """Pixel art: rows of '#' and '.', drawn as runs of whole-pixel rectangles."""
    for j, row in enumerate(rows):
        i = 0
        while i < len(row):
            if row[i] == "#":
                k = i
                while k < len(row) and row[k] == "#":
                    k += 1
                ic.rect(x0 + i, y0 + j, k - i, 1, fill=color)
                i = k
            else:
                i += 1


@icon(ED, "edit-undo", "Edit / Undo")
def _ed_undo(ic):
    curved_arrow(ic)


@icon(ED, "edit-redo", "Edit / Redo")
def _ed_redo(ic):
    curved_arrow(ic, mirror=True)


@icon(ED, "edit-cut", "Edit / Cut", halo=True)
def _ed_cut(ic):
    steel = PALETTE["steel"]
    for a, b in (((5, 1.5), (10.5, 10)), ((11, 1.5), (5.5, 10))):
        ic.path(Path().M(*a).L(*b), stroke=steel[2], sw=2.6, cap="round")
        ic.path(Path().M(*a).L(*b), stroke=steel[0], sw=1, cap="round")
    ic.circle(8, 7.5, 0.8, fill=INK)
    for cx in (4.5, 11.5):
        ic.circle(cx, 12, 2.3, stroke=PALETTE["red"][2], sw=2.4)
        ic.circle(cx, 12, 2.3, stroke=PALETTE["red"][1], sw=1)


@icon(ED, "edit-copy", "Edit / Copy")
def _ed_copy(ic):
    two_sheets(ic)


@icon(ED, "edit-paste", "Edit / Paste")
def _ed_paste(ic):
    clipboard(ic)


@icon(ED, "edit-select-all", "Edit / Select all", halo=True)
def _ed_select_all(ic):
    ic.rect(1.5, 1.5, 13, 13, fill="#d6e6fb", stroke=PALETTE["blue"][2],
            stroke_dasharray="2 1")
    text_lines(ic, (4, 6, 8, 10, 12), 4, 12, INK, short={12: 9})


@icon(ED, "edit-find", "Edit / Find")
def _ed_find(ic):
    magnifier(ic)


@icon(ED, "edit-find-next", "Edit / Find next")
def _ed_find_next(ic):
    magnifier(ic, 6, 6, 3.5, (9.5, 9.5))
    solid(ic, poly([(8.5, 11.5), (11.5, 11.5), (11.5, 8.5), (15.5, 12.5), (11.5, 16 - 0.5),
                    (11.5, 13.5), (8.5, 13.5)]), "green")


@icon(ED, "edit-find-replace", "Edit / Replace")
def _ed_replace(ic):
    card(ic, 1.5, 1.5, 8.5, 8.5, "paper")
    text_lines(ic, (4, 6), 3, 7)
    fill, dark = ic.fam("blue", lighten=True)
    ic.rect(7.5, 7.5, 7, 7, fill=fill, stroke=dark)
    text_lines(ic, (10, 12), 9, 13, dark)
    light, base, dark = PALETTE["green"]
    ic.path(Path().M(9.5, 3).H(11).A(2, 2, 0, 1, 13, 5).V(6), stroke=dark, sw=3)
    ic.path(Path().M(9.5, 3).H(11).A(2, 2, 0, 1, 13, 5).V(6), stroke=base, sw=1)
    ic.path(poly([(10.5, 5.5), (15.5, 5.5), (13, 8)]), fill=base, stroke=dark, join="round")


# --- character formats -----------------------------------------------------------------


@icon(ED, "format-text-bold", "Font / Bold", halo=True)
def _bold(ic):
    p = (Path().M(4, 2).H(9).C(10.9, 2, 12, 3, 12, 4.8).C(12, 6.1, 11.3, 7.1, 10.2, 7.5)
         .C(11.7, 7.9, 12.6, 9, 12.6, 10.6).C(12.6, 12.7, 11.1, 14, 9, 14).H(4).Z()
         .M(7, 4).V(7).H(8.5).C(9.3, 7, 9.6, 6.4, 9.6, 5.5).C(9.6, 4.6, 9.3, 4, 8.5, 4).Z()
         .M(7, 9).V(12).H(8.8).C(9.6, 12, 10, 11.4, 10, 10.5).C(10, 9.6, 9.6, 9, 8.8, 9).Z())
    ic.path(p, fill=INK, fill_rule="evenodd")


@icon(ED, "format-text-italic", "Font / Italic", halo=True)
def _italic(ic):
    p = poly([(6, 2), (12, 2), (12, 4), (10.2, 4), (8.1, 12), (10, 12), (10, 14), (4, 14),
              (4, 12), (5.8, 12), (7.9, 4), (6, 4)])
    ic.path(p, fill=INK)


@icon(ED, "format-text-underline", "Font / Underline", halo=True)
def _underline(ic):
    ic.path(Path().M(5, 2).V(8).A(3, 3, 0, 0, 11, 8).V(2), stroke=INK, sw=2)
    ic.rect(3, 13, 10, 2, fill=ACCENT)


@icon(ED, "format-text-strikethrough", "Font / Strike out", halo=True)
def _strike(ic):
    ic.path(Path().M(11.2, 4).C(10.4, 2.9, 9.3, 2.5, 8, 2.5).C(6.2, 2.5, 5, 3.5, 5, 5)
            .C(5, 8, 11, 7.2, 11, 10.8).C(11, 12.5, 9.6, 13.5, 7.9, 13.5)
            .C(6.5, 13.5, 5.3, 12.9, 4.6, 11.8), stroke=INK, sw=2)
    ic.rect(2, 7, 12, 2, fill=ACCENT)


@icon(ED, "format-text-overline", "Font / Overline", halo=True)
def _overline(ic):
    ic.ellipse(8, 9.5, 3.5, 3.5, stroke=INK, sw=2)
    ic.rect(3, 1, 10, 2, fill=ACCENT)


@icon(ED, "format-text-all-caps", "Font / All capitals", halo=True)
def _all_caps(ic):
    letter_A(ic, 0.5, 4, 7.5, 10)
    letter_A(ic, 8, 4, 7.5, 10)


def small_a(ic, x, y, color=INK):
    """A lower-case a, 5 x 7, its bowl and stem on whole pixels."""
    pixels(ic, x, y, [".###.",
                      "....#",
                      ".####",
                      "#...#",
                      "#...#",
                      ".####"], color)


@icon(ED, "format-text-case", "Edit / Character case", halo=True)
def _case(ic):
    letter_A(ic, 1, 3, 8.5, 11)
    pixels(ic, 10, 8, [".###.",
                       "....#",
                       ".####",
                       "#...#",
                       "#..##",
                       ".##.#"], INK)


@icon(ED, "format-font", "Font / Font dialog")
def _font_dialog(ic):
    card(ic, 1.5, 1.5, 14.5, 14.5, "paper")
    ic.rect(1.5, 1.5, 13, 3, fill=ic.grad(*PALETTE["blue"][:2]), stroke=PALETTE["blue"][2])
    letter_A(ic, 4, 6, 8, 7)


def triangle(ic, up, cx, y_base, half=2.5, h=3, family="blue"):
    tip = y_base - h if up else y_base + h
    fill, dark = ic.fam(family)
    ic.path(poly([(cx - half, y_base), (cx + half, y_base), (cx, tip)]), fill=dark)


@icon(ED, "format-font-grow", "Font / Grow font (also by one point)", halo=True)
def _grow(ic):
    letter_A(ic, 0.5, 3, 11, 11)
    triangle(ic, True, 13, 5, 2.5, 3)


@icon(ED, "format-font-shrink", "Font / Shrink font (also by one point)", halo=True)
def _shrink(ic):
    letter_A(ic, 1, 6, 8, 8)
    triangle(ic, False, 13, 2, 2.5, 3)


@icon(ED, "format-text-color", "Font / Text colour", halo=True)
def _text_color(ic):
    letter_A(ic, 3, 1, 10, 10)
    color_bar(ic, PALETTE["red"][1])


@icon(ED, "format-text-background-color", "Font / Text background colour")
def _text_bg(ic):
    ic.rect(1, 0, 14, 12, rx=1, fill=PALETTE["yellow"][0])
    letter_A(ic, 3, 1, 10, 10)
    color_bar(ic, PALETTE["yellow"][1])


# --- paragraph formats -----------------------------------------------------------------

ROWS7 = (2, 4, 6, 8, 10, 12, 14)


def align(ic, mode):
    for k, r in enumerate(ROWS7):
        long_ = k % 2 == 0
        if mode == "left":
            x0, x1 = 2, 14 if long_ else 10
        elif mode == "center":
            x0, x1 = (2, 14) if long_ else (4, 12)
        elif mode == "right":
            x0, x1 = (2, 14) if long_ else (6, 14)
        else:
            x0, x1 = 2, 14 if r != 14 else 9
        ic.hline(x0, x1, r, INK)


for _m, _n, _w in [("left", "format-justify-left", "Align left"),
                   ("center", "format-justify-center", "Align centre"),
                   ("right", "format-justify-right", "Align right"),
                   ("fill", "format-justify-fill", "Justify")]:
    icon(ED, _n, "Paragraph / " + _w, halo=True)(lambda ic, _m=_m: align(ic, _m))


@icon(ED, "format-list-bullets", "Paragraph / Bullets", halo=True)
def _bullets(ic):
    fill, dark = ic.fam("blue")
    for y in (2, 7, 12):
        ic.rect(2, y, 3, 3, fill=dark)
        ic.hline(7, 14, y + 1, INK)


@icon(ED, "format-list-numbers", "Paragraph / Numbering (also bullets and numbering)",
      halo=True)
def _numbering(ic):
    # Two items: the digits need five rows each and a free row between them to be read.
    dark = PALETTE["blue"][2]
    pixels(ic, 1, 2, [".#.", "##.", ".#.", ".#.", "###"], dark)
    pixels(ic, 1, 10, ["##.", "..#", ".#.", "#..", "###"], dark)
    ic.rect(5, 6, 1, 1, fill=dark)
    ic.rect(5, 14, 1, 1, fill=dark)
    for y, x1 in ((3, 15), (5, 12), (11, 15), (13, 12)):
        ic.hline(7, x1, y, INK)


def indent(ic, more):
    ic.hline(2, 14, 2, INK)
    for r in (5, 8, 11):
        ic.hline(8, 14, r, INK)
    ic.hline(2, 14, 14, INK)
    fill, dark = ic.fam("blue")
    if more:
        ic.path(poly([(2, 5), (6, 8.5), (2, 12)]), fill=dark)
    else:
        ic.path(poly([(6, 5), (2, 8.5), (6, 12)]), fill=dark)


@icon(ED, "format-indent-less", "Paragraph / Decrease indent", halo=True)
def _indent_less(ic):
    indent(ic, False)


@icon(ED, "format-indent-more", "Paragraph / Increase indent", halo=True)
def _indent_more(ic):
    indent(ic, True)


def spacing(ic, rows):
    dark = PALETTE["blue"][2]
    ic.vline(3, 4, 12, dark)
    ic.path(poly([(3.5, 1), (6, 4), (1, 4)]), fill=dark)
    ic.path(poly([(3.5, 15), (6, 12), (1, 12)]), fill=dark)
    for r in rows:
        ic.hline(8, 15, r, INK)


icon(ED, "format-line-spacing-1", "Paragraph / Single line spacing", halo=True)(
    lambda ic: spacing(ic, (2, 4, 6, 8, 10, 12, 14)))
icon(ED, "format-line-spacing-1-5", "Paragraph / 1.5 line spacing", halo=True)(
    lambda ic: spacing(ic, (2, 5, 8, 11, 14)))
icon(ED, "format-line-spacing-2", "Paragraph / Double line spacing", halo=True)(
    lambda ic: spacing(ic, (2, 6, 10, 14)))


@icon(ED, "format-paragraph", "Paragraph / Paragraph dialog", halo=True)
def _paragraph(ic):
    p = (Path().M(7.5, 2).H(13).V(14).H(11).V(4).H(10).V(14).H(8).V(9)
         .H(7.5).A(3.5, 3.5, 0, 1, 7.5, 2).Z())
    ic.path(p, fill=INK)


@icon(ED, "format-paragraph-borders", "Paragraph / Borders and background")
def _para_borders(ic):
    ic.rect(1.5, 1.5, 13, 13, fill="#eef5fd", stroke=PALETTE["blue"][2])
    text_lines(ic, (4, 6, 8, 10, 12), 4, 12, INK, short={12: 9})


@icon(ED, "format-paragraph-color", "Paragraph / Paragraph background colour")
def _para_color(ic):
    ic.rect(1, 0, 14, 12, rx=1, fill=PALETTE["green"][0])
    text_lines(ic, (2, 4, 6, 8), 3, 13, INK, short={8: 9})
    color_bar(ic, PALETTE["green"][1])


@icon(ED, "format-background-color", "Format / Background colour of the note")
def _bg_color(ic):
    sheet(ic, 2.5, 1.5, 13.5, 14.5, 4, "sky")
    text_lines(ic, (8, 10, 12), 4, 12, PALETTE["sky"][2], short={12: 9})


@icon(ED, "format-background", "Format / Background (colour and picture)")
def _bg(ic):
    sheet(ic, 2.5, 1.5, 13.5, 14.5, 4, "sky")
    fill, dark = ic.fam("green")
    ic.path(poly([(3, 14), (3, 11), (6, 8), (8.5, 10.5), (10.5, 9), (13, 11.5), (13, 14)]),
            fill=fill)
    ic.circle(6, 5, 1.5, fill=PALETTE["yellow"][1])


@icon(ED, "format-fill-color", "Format / Fill colour")
def _fill_color(ic):
    steel = PALETTE["steel"]
    ic.path(Path().M(4, 6).A(3, 3, 0, 1, 10, 6), stroke=steel[2], sw=1)
    fill, dark = ic.fam("steel")
    ic.path(poly([(1.5, 8), (7, 2.5), (12.5, 8), (7, 13.5)]), fill=fill, stroke=dark,
            join="round")
    ic.path(poly([(3, 8), (11, 8), (7, 12)]), fill=PALETTE["blue"][1])
    drop = Path().M(13.5, 8.5).C(14.5, 10.2, 15.3, 11.2, 15.3, 12.3).A(1.8, 1.8, 0, 1, 11.7,
                                                                        12.3)
    drop.C(11.7, 11.2, 12.5, 10.2, 13.5, 8.5).Z()
    ic.path(drop, fill=PALETTE["blue"][1], stroke=PALETTE["blue"][2], join="round")


# --- insertions ------------------------------------------------------------------------


def page_break(ic):
    fill, dark = ic.fam("paper")
    ic.path(Path().M(2.5, 0).V(5.5).H(13.5).V(0), fill=fill, stroke=dark)
    ic.path(Path().M(2.5, 16).V(10.5).H(13.5).V(16), fill=fill, stroke=dark)
    text_lines(ic, (2, 4), 4, 12)
    text_lines(ic, (12, 14), 4, 12)
    for x in (1, 5, 9, 13):
        ic.rect(x, 7, 2, 2, fill=ACCENT)


@icon(ED, "insert-page-break", "Edit / Insert page break")
def _page_break(ic):
    page_break(ic)


@icon(ED, "remove-page-break", "Edit / Remove page break")
def _remove_page_break(ic):
    page_break(ic)
    cross(ic, 12, 8, 2.2, 1.6)


@icon(ED, "insert-image", "Insert / Picture")
def _insert_image(ic):
    ic.rect(1.5, 2.5, 13, 11, fill=ic.grad("#bfe0fb", "#eaf5fe"), stroke=INK)
    fill, dark = ic.fam("green")
    ic.path(poly([(2, 13), (2, 11), (6, 7), (9, 10), (11, 8.5), (14, 11.5), (14, 13)]),
            fill=fill)
    ic.circle(11, 5.5, 1.5, fill=PALETTE["yellow"][1], stroke=PALETTE["orange"][1], sw=0.6)


@icon(ED, "insert-link", "Insert / Hyperlink", halo=True)
def _insert_link(ic):
    dark = PALETTE["blue"][2]
    base = PALETTE["blue"][1]
    ic.rect(2, 5, 7, 6, rx=3, stroke=dark, sw=2)
    ic.rect(7, 5, 7, 6, rx=3, stroke=base, sw=2)
    # The left link passes over the right one at the top, so the two look chained.
    ic.rect(7, 4, 2, 2, fill=dark)


@icon(ED, "insert-horizontal-line", "Insert / Horizontal line", halo=True)
def _insert_hline(ic):
    text_lines(ic, (2, 4), 2, 14, INK_LIGHT, short={4: 10})
    ic.rect(1, 7, 14, 2, fill=ic.grad("#8a939d", INK))
    text_lines(ic, (11, 13), 2, 14, INK_LIGHT, short={13: 10})


@icon(ED, "insert-symbol", "Insert / Symbol", halo=True)
def _insert_symbol(ic):
    ic.path(Path().M(2.5, 13).H(6).V(11.4).A(4.3, 4.3, 1, 1, 10, 11.4).V(13).H(13.5),
            stroke=INK, sw=2)


# --- tables ----------------------------------------------------------------------------

COLS = [(2, 5), (6, 10), (11, 14)]  # pixel columns of the three cells
ROWSC = [(2, 5), (6, 9), (10, 13)]  # pixel rows of the three cells


def table(ic, fills=None, header=False):
    """A 3 x 3 table on pixel rows 1..13; fills maps (col, row) to a cell colour."""
    ic.rect(1.5, 1.5, 13, 12, fill=WHITE, stroke=INK)
    fills = dict(fills or {})
    if header:
        for c in range(3):
            fills.setdefault((c, 0), "#a9cbf5")
    for (c, r), color in fills.items():
        x0, x1 = COLS[c]
        y0, y1 = ROWSC[r]
        ic.rect(x0, y0, x1 - x0, y1 - y0, fill=color)
    ic.vline(5, 2, 13, INK)
    ic.vline(10, 2, 13, INK)
    ic.hline(2, 14, 5, INK)
    ic.hline(2, 14, 9, INK)


NEW = PALETTE["green"][0]
GONE = PALETTE["red"][0]


@icon(ED, "insert-table", "Insert / Table")
def _insert_table(ic):
    table(ic, header=True)


def table_op(fills, badge=None):
    def draw(ic):
        table(ic, fills)
        if badge == "+":
            plus_badge(ic, 12, 12)
        elif badge == "x":
            cross(ic, 12, 12, 2.5, 1.8)

    return draw


_row = lambda r, col: {(c, r): col for c in range(3)}
_col = lambda c, col: {(c, r): col for r in range(3)}
for _n, _w, _f, _b in [
    ("table-insert-row-above", "Table / Insert row above", _row(0, NEW), None),
    ("table-insert-row-below", "Table / Insert row below", _row(2, NEW), None),
    ("table-insert-column-left", "Table / Insert column left", _col(0, NEW), None),
    ("table-insert-column-right", "Table / Insert column right", _col(2, NEW), None),
    ("table-delete-row", "Table / Delete rows", _row(1, GONE), "x"),
    ("table-delete-column", "Table / Delete columns", _col(1, GONE), "x"),
    ("table-delete", "Table / Delete table", {}, "x"),
]:
    icon(ED, _n, _w)(table_op(_f, _b))


def two_cells(ic, merge):
    ic.rect(1.5, 3.5, 13, 9, fill=WHITE, stroke=INK)
    ic.rect(2, 4, 12, 8, fill="#d6e6fb")
    dark = PALETTE["blue"][2]
    if merge:
        for y in (4, 6, 8, 10):
            ic.rect(7, y, 2, 1, fill=INK)
        ic.path(poly([(2.5, 5.5), (6, 8), (2.5, 10.5)]), fill=dark)
        ic.path(poly([(13.5, 5.5), (10, 8), (13.5, 10.5)]), fill=dark)
    else:
        ic.vline(7, 4, 12, INK, 2)
        ic.path(poly([(6, 5.5), (2.5, 8), (6, 10.5)]), fill=dark)
        ic.path(poly([(10, 5.5), (13.5, 8), (10, 10.5)]), fill=dark)


@icon(ED, "table-merge-cells", "Table / Merge cells")
def _merge(ic):
    two_cells(ic, True)


@icon(ED, "table-split-cell", "Table / Split cells")
def _split(ic):
    two_cells(ic, False)


# --- document --------------------------------------------------------------------------


@icon(ED, "document-page-setup", "File / Page setup")
def _page_setup(ic):
    card(ic, 2.5, 1.5, 13.5, 14.5, "paper")
    ic.rect(4.5, 3.5, 7, 9, stroke=ACCENT, stroke_dasharray="1 1")
    text_lines(ic, (6, 8, 10), 6, 10, INK_LIGHT)


@icon(ED, "document-print", "File / Print")
def _ed_print(ic):
    printer(ic)


@icon(ED, "document-properties", "Format / Object properties")
def _obj_props(ic):
    properties_card(ic)


# ======================================================================================
# 4. Program logo and file type (32 x 32 grid: outlines 2 units wide on odd coordinates,
#    so that they are one whole pixel at 16 px and two at 32 px)
# ======================================================================================


def quill(ic, s=1.0, ox=0, oy=0):
    """The quill of the logo, drawn for the 32 grid and placed with scale s at (ox, oy)."""
    def P():
        return Path()

    def t(p):
        return p.scale(s, ox, oy)

    light, base, dark = PALETTE["lila"]
    vane = (P().M(15, 22).C(14, 14, 20, 5, 30, 1.5).C(29.5, 7, 27, 12, 24, 15).L(21.5, 15.5)
            .L(22.5, 17).C(20.5, 19.5, 18, 21, 15, 22).Z())
    ic.path(t(vane), fill=ic.grad(light, base, 1, 1), stroke=dark, sw=1.2 * s, join="round")
    ic.path(t(P().M(11, 29).L(16.5, 20).C(20, 14, 24, 8, 29.5, 2.5)), stroke=dark, sw=1.4 * s,
            cap="round")
    # The nib, dark and pointed, with a spot of ink where it touches the page.
    ic.path(t(poly([(9.5, 30.5), (10.2, 26.6), (13, 28.2)])), fill=INK, stroke=INK,
            sw=0.8 * s, join="round")


def tree_rows(ic, x0, y0):
    """Three rows of an outline: a note and two subnotes, for the 32 grid."""
    blue, green, orange = PALETTE["blue"], PALETTE["green"], PALETTE["orange"]
    ic.rect(x0, y0, 4, 4, fill=blue[1])
    # The text lines sit on the lower half of their bullet: centred they would fall between
    # two pixel rows at 16 px.
    ic.hline(x0 + 6, x0 + 16, y0 + 2, INK_LIGHT, 2)
    ic.rect(x0 + 4, y0 + 6, 4, 4, fill=green[1])
    ic.hline(x0 + 10, x0 + 16, y0 + 8, INK_LIGHT, 2)
    ic.rect(x0 + 4, y0 + 12, 4, 4, fill=orange[1])
    ic.hline(x0 + 10, x0 + 14, y0 + 14, INK_LIGHT, 2)


@icon("", "quillery", "the program: window icon, About window, desktop entry", 32)
def _logo(ic):
    fill, dark = ic.fam("paper")
    # A second sheet behind the page: the notes of a document.
    ic.rect(9, 1, 20, 24, rx=2, fill=ic.grad(*PALETTE["blue"][:2]), stroke=PALETTE["blue"][2],
            sw=2)
    ic.rect(3, 5, 20, 26, rx=2, fill=fill, stroke=dark, sw=2)
    tree_rows(ic, 6, 8)
    ic.hline(6, 14, 26, PALETTE["lila"][1], 2)
    quill(ic)


@icon("", "application-x-quillery", "file type: a Quillery document (.qvx)", 32)
def _mime(ic):
    fill, dark = ic.fam("paper")
    ic.path(Path().M(5, 3).H(19).L(27, 11).V(29).H(5).Z(), fill=fill, stroke=dark, sw=2,
            join="round")
    ic.path(Path().M(19, 3).V(11).H(27), fill=WHITE, stroke=dark, sw=2, join="round")
    tree_rows(ic, 8, 8)
    quill(ic, 0.55, 13.5, 13.5)


# ======================================================================================
# 5. Small glyphs of the note properties panel
# ======================================================================================


def calendar(ic):
    fill, dark = ic.fam("paper")
    ic.rect(1.5, 2.5, 13, 12, fill=fill, stroke=dark)
    ic.rect(1.5, 2.5, 13, 3, fill=ic.grad(*PALETTE["red"][:2]), stroke=PALETTE["red"][2])
    for x in (4, 11):
        ic.rect(x, 1, 1, 3, fill=INK)


@icon("misc", "date-empty", "task date picker: no date selected")
def _date_empty(ic):
    calendar(ic)
    ic.hline(5, 11, 10, INK_LIGHT, 1)


@icon("misc", "date-reset", "properties panel: the Reset date button")
def _date_reset(ic):
    calendar(ic)
    for y in (7, 9, 11):
        for x in (3, 5, 7):
            ic.rect(x, y, 1, 1, fill=INK_LIGHT)
    cross(ic, 11.5, 11.5, 2.2, 1.8)


# ======================================================================================
# Writing the files
# ======================================================================================


GROUPS = [
    ("notes", "Note icons (icon grid and trees; the position is the stored icon index)"),
    ("actions", "Main window and note actions"),
    ("editor", "Rich-text editor: tool bar, menus and context menu"),
    ("misc", "Note properties panel"),
    ("", "Program and file type"),
]


def ordered():
    """Icons in resource order: notes by icon index, then each group by name."""
    out = []
    for folder, _title in GROUPS:
        group = [i for i in ICONS if i[0] == folder]
        if folder == "notes":
            group.sort(key=lambda i: NOTE_ORDER.index(i[1]))
        else:
            group.sort(key=lambda i: i[1])
        out += group
    return out


def alias(folder, name):
    return (folder + "/" if folder else "") + name + ".svg"


def write_qrc(icons):
    lines = ['<!DOCTYPE RCC>', '<RCC version="1.0">', '  <qresource prefix="/icons">']
    for folder, name, _m, _f, _s in icons:
        a = alias(folder, name)
        lines.append('    <file alias="%s">icons/%s</file>' % (a, a))
    lines += ["  </qresource>", "</RCC>", ""]
    with open(os.path.join(RESOURCES, "quillery.qrc"), "w", newline="\n") as f:
        f.write("\n".join(lines))


# The actions each icon is drawn for, listed beside it in README.md.
ACTION_NAMES = {
    "file-new": "acFileNew", "file-open": "acFileOpen", "file-save": "acFileSave",
    "file-print": "acFilePrint", "file-quick-print": "acFileQuickPrint",
    "note-new-main": "acNoteNewMain", "note-new-sub": "acNoteNewSub",
    "note-delete": "acNoteDelete", "note-move-up": "acNoteMoveUp",
    "note-move-down": "acNoteMoveDown", "note-move-left": "acNoteMoveLeft",
    "note-move-right": "acNoteMoveRight", "note-undo": "acNoteUndo", "note-redo": "acNoteRedo",
    "note-find": "acNoteSearch", "note-expand-all": "acNoteExpandALL",
    "note-collapse-all": "acNoteCollapseAll", "note-copy": "acNoteCopy",
    "note-paste": "acNotePaste", "note-properties": "acNoteShowProps",
    "note-goto": "acNoteGoto", "note-done": "acNoteDone",
    "edit-undo": "rvActionUndo1", "edit-redo": "rvActionRedo1", "edit-cut": "rvActionCut1",
    "edit-copy": "rvActionCopy1", "edit-paste": "rvActionPaste1, rvActionPasteSpecial1",
    "edit-select-all": "rvActionSelectAll1", "edit-find": "rvActionFind1",
    "edit-find-next": "rvActionFindNext1", "edit-find-replace": "rvActionReplace1",
    "format-text-bold": "rvActionFontBold1", "format-text-italic": "rvActionFontItalic1",
    "format-text-underline": "rvActionFontUnderline1",
    "format-text-strikethrough": "rvActionFontStrikeout1",
    "format-text-overline": "rvActionFontOverline1",
    "format-text-all-caps": "rvActionFontAllCaps1", "format-text-case": "rvActionCharCase1",
    "format-font": "rvActionFonts1, rvActionFontEx1",
    "format-font-grow": "rvActionFontGrow1, rvActionFontGrowOnePoint1",
    "format-font-shrink": "rvActionFontShrink1, rvActionFontShrinkOnePoint1",
    "format-text-color": "rvActionFontColor1", "format-text-background-color":
    "rvActionFontBackColor1", "format-justify-left": "rvActionAlignLeft1",
    "format-justify-center": "rvActionAlignCenter", "format-justify-right":
    "rvActionAlignRight1", "format-justify-fill": "rvActionAlignJustify1",
    "format-list-bullets": "rvActionParaBullets1",
    "format-list-numbers": "rvActionParaNumbering1, rvActionParaList1",
    "format-indent-less": "rvActionIndentDec1", "format-indent-more": "rvActionIndentInc1",
    "format-line-spacing-1": "rvActionLineSpacing1001",
    "format-line-spacing-1-5": "rvActionLineSpacing1501",
    "format-line-spacing-2": "rvActionLineSpacing2001", "format-paragraph":
    "rvActionParagraph1", "format-paragraph-borders": "rvActionParaBorder1",
    "format-paragraph-color": "rvActionParaColor1", "format-background-color":
    "rvActionColor1", "format-background": "rvActionBackground1",
    "format-fill-color": "rvActionFillColor1", "insert-page-break": "rvActionInsertPageBreak1",
    "remove-page-break": "rvActionRemovePageBreak1", "insert-image": "rvActionInsertPicture1",
    "insert-link": "rvActionInsertHyperlink1", "insert-horizontal-line":
    "rvActionInsertHLine1", "insert-symbol": "rvActionInsertSymbol1",
    "insert-table": "rvActionInsertTable1",
    "table-insert-row-above": "rvActionTableInsertRowsAbove1",
    "table-insert-row-below": "rvActionTableInsertRowsBelow1",
    "table-insert-column-left": "rvActionTableInsertColLeft1",
    "table-insert-column-right": "rvActionTableInsertColRight1",
    "table-delete-row": "rvActionTableDeleteRows1",
    "table-delete-column": "rvActionTableDeleteCols1",
    "table-delete": "rvActionTableDeleteTable1", "table-merge-cells": "rvActionTableMergeCells1",
    "table-split-cell": "rvActionTableSplitCells1", "document-page-setup":
    "acFilePageSetup, rvActionPageSetup1", "document-print": "rvActionPrint1",
    "document-properties": "rvActionItemProperties1",
    "date-empty": "`dtDate` (`TmyDateTimePicker`)", "date-reset": "`btnResetDate`",
}

BEGIN, END = "<!-- icon list: written by make_icons.py -->", "<!-- end of icon list -->"


def write_list(icons):
    out = [BEGIN, ""]
    for folder, title in GROUPS:
        out += ["### " + title, ""]
        if folder in ("notes", ""):
            out += ["| resource path | meaning |", "|---|---|"]
        else:
            out += ["| resource path | meaning | drawn for |", "|---|---|---|"]
        n = 0
        for f, name, meaning, _fn, _s in icons:
            if f != folder:
                continue
            path = ":/icons/" + alias(f, name)
            if folder == "notes":
                meaning = "%d: %s" % (n, meaning.replace("note: ", ""))
            if folder in ("notes", ""):
                out.append("| `%s` | %s |" % (path, meaning))
            else:
                used = ACTION_NAMES[name]
                if not used.startswith("`"):
                    used = ", ".join("`%s`" % a for a in used.split(", "))
                out.append("| `%s` | %s | %s |" % (path, meaning, used))
            n += 1
        out.append("")
    out.append(END)
    readme = os.path.join(HERE, "README.md")
    text = open(readme, encoding="utf-8").read() if os.path.exists(readme) else BEGIN + END
    head, rest = text.split(BEGIN, 1)
    tail = rest.split(END, 1)[1]
    with open(readme, "w", encoding="utf-8", newline="\n") as f:
        f.write(head + "\n".join(out) + tail)


def main():
    names = set()
    for folder, name, meaning, fn, size in ICONS:
        key = alias(folder, name)
        assert key not in names, "icon drawn twice: " + key
        names.add(key)
        ic = Icon(size)
        ic.halo = (folder, name) in HALO_ICONS
        fn(ic)
        out = os.path.join(HERE, folder) if folder else HERE
        os.makedirs(out, exist_ok=True)
        with open(os.path.join(out, name + ".svg"), "w", newline="\n") as f:
            f.write(ic.svg())
    assert [n for f, n, *_ in ordered() if f == "notes"] == NOTE_ORDER
    icons = ordered()
    write_qrc(icons)
    write_list(icons)
    print("%d icons" % len(ICONS))


if __name__ == "__main__":
    main()
