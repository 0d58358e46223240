"""Small drawing kit for the Quillery icons: palette, SVG writer, shared parts.

Every icon is drawn on a 16 x 16 grid (the application icons on 32 x 32). One unit is one
pixel at 16 px, so a 1-unit outline centred on a half unit (2.5, 13.5) covers exactly one pixel
row or column, and a 2-unit stroke centred on a whole unit covers exactly two. At 32 px every
edge lands on whole pixels again.
"""

import re

# Each family: (light, base, dark). Light is the top of a fill gradient, base its bottom,
# dark the outline of shapes filled with that family.
PALETTE = {
    "paper": ("#ffffff", "#e6eaef", "#5f6872"),
    "gray": ("#eef0f3", "#b4bbc4", "#5f6872"),
    "blue": ("#8fbdf4", "#3f80d8", "#1d4c93"),
    "red": ("#f7a59e", "#d9423b", "#8c1e19"),
    "green": ("#a9df90", "#4ea53b", "#286420"),
    "lila": ("#dcc2f4", "#9b63d0", "#5a3387"),
    "brown": ("#e6c39c", "#a9733f", "#613c1a"),
    "yellow": ("#fff2a8", "#f3c623", "#93700a"),
    "orange": ("#ffd199", "#f08c1e", "#985009"),
    "sky": ("#f0f8ff", "#a9d3f5", "#3d6f9e"),
    "steel": ("#f4f6f8", "#c3cad2", "#5f6872"),
}
INK = "#39424c"  # glyphs: letters, text lines, the lens ring
INK_LIGHT = "#8a939d"  # secondary text lines on paper
WHITE = "#ffffff"


def fmt(v):
    if isinstance(v, float):
        s = ("%.3f" % v).rstrip("0").rstrip(".")
        return "0" if s in ("-0", "") else s
    return str(v)


class Icon:
    """Collects the defs and elements of one SVG file."""

    def __init__(self, size=16):
        self.size = size
        self.halo = False  # True: a white rim under the drawing keeps dark glyphs readable
        self.defs = []
        self.body = []
        self.ngrad = 0

    # --- paint servers -------------------------------------------------------------------
    def grad(self, top, bottom, x2=0, y2=1, stops=None):
        """A linear gradient over the shape's bounding box, top to bottom by default."""
        self.ngrad += 1
        gid = "g%d" % self.ngrad
        stops = stops or [(0, top), (1, bottom)]
        s = "".join(
            '\n    <stop offset="%s" stop-color="%s"/>' % (fmt(o), c) for o, c in stops
        )
        self.defs.append(
            '  <linearGradient id="%s" x1="0" y1="0" x2="%s" y2="%s">%s\n  </linearGradient>'
            % (gid, fmt(x2), fmt(y2), s)
        )
        return "url(#%s)" % gid

    def fam(self, family, lighten=False):
        """Gradient fill of a colour family and its outline colour."""
        light, base, dark = PALETTE[family]
        if lighten:
            base = mix(light, base, 0.5)
        return self.grad(light, base), dark

    # --- elements ------------------------------------------------------------------------
    def el(self, tag, **attrs):
        parts = []
        for k, v in attrs.items():
            if v is None:
                continue
            k = k.rstrip("_").replace("_", "-")
            parts.append('%s="%s"' % (k, fmt(v)))
        self.body.append("  <%s %s/>" % (tag, " ".join(parts)))

    def path(self, d, fill="none", stroke=None, sw=None, cap=None, join=None, **kw):
        if isinstance(d, Path):
            d = d.d()
        self.el("path", d=d, fill=fill, stroke=stroke, stroke_width=sw,
                stroke_linecap=cap, stroke_linejoin=join, **kw)

    def rect(self, x, y, w, h, fill="none", stroke=None, sw=None, rx=None, **kw):
        self.el("rect", x=x, y=y, width=w, height=h, rx=rx, fill=fill, stroke=stroke,
                stroke_width=sw, **kw)

    def circle(self, cx, cy, r, fill="none", stroke=None, sw=None, **kw):
        self.el("circle", cx=cx, cy=cy, r=r, fill=fill, stroke=stroke, stroke_width=sw, **kw)

    def ellipse(self, cx, cy, rx, ry, fill="none", stroke=None, sw=None, **kw):
        self.el("ellipse", cx=cx, cy=cy, rx=rx, ry=ry, fill=fill, stroke=stroke,
                stroke_width=sw, **kw)

    def hline(self, x0, x1, y, color=INK, w=1):
        """A crisp horizontal bar covering pixel rows y .. y+w-1, columns x0 .. x1-1."""
        self.rect(x0, y, x1 - x0, w, fill=color)

    def vline(self, x, y0, y1, color=INK, w=1):
        self.rect(x, y0, w, y1 - y0, fill=color)

    def svg(self):
        head = (
            '<?xml version="1.0" encoding="UTF-8"?>\n'
            '<svg xmlns="http://www.w3.org/2000/svg" version="1.1" width="%d" height="%d"'
            ' viewBox="0 0 %d %d">\n' % (self.size, self.size, self.size, self.size)
        )
        body = self.body
        if self.halo:
            body = ["  <g>"] + [halo_of(e) for e in self.body] + ["  </g>"] + body
        defs = ""
        if self.defs:
            defs = "  <defs>\n" + "\n".join(self.defs) + "\n  </defs>\n"
        return head + defs + "\n".join(body) + "\n</svg>\n"


def halo_of(element):
    """A white copy of an element, one pixel wider on every side: drawn under dark glyphs
    it vanishes on light backgrounds and sets them apart from dark ones."""
    attrs = dict(re.findall(r'([a-z-]+)="([^"]*)"', element))
    tag = re.match(r"\s*<(\w+)", element).group(1)
    filled = attrs.get("fill", "black") != "none"
    stroked = "stroke" in attrs
    width = float(attrs.get("stroke-width", "1")) if stroked else 0.0
    keep = {k: v for k, v in attrs.items()
            if k not in ("fill", "stroke", "stroke-width", "stroke-dasharray", "opacity",
                         "stroke-linejoin", "stroke-linecap")}
    keep["fill"] = HALO if filled else "none"
    keep["stroke"] = HALO
    keep["stroke-width"] = fmt(width + 2.0)
    keep["stroke-linejoin"] = "round"
    if stroked and attrs.get("stroke-linecap"):
        keep["stroke-linecap"] = attrs["stroke-linecap"]
    return "    <%s %s/>" % (tag, " ".join('%s="%s"' % kv for kv in keep.items()))


HALO = "#ffffff"


def mix(a, b, t):
    """Colour between a (t = 0) and b (t = 1)."""
    ca = [int(a[i:i + 2], 16) for i in (1, 3, 5)]
    cb = [int(b[i:i + 2], 16) for i in (1, 3, 5)]
    return "#" + "".join("%02x" % round(x + (y - x) * t) for x, y in zip(ca, cb))


class Path:
    """Absolute path commands that can be moved, mirrored and turned before they are written."""

    def __init__(self):
        self.cmds = []

    def M(self, x, y):
        self.cmds.append(["M", x, y])
        return self

    def L(self, x, y):
        self.cmds.append(["L", x, y])
        return self

    def H(self, x):
        self.cmds.append(["L", x, self._cur()[1]])
        return self

    def V(self, y):
        self.cmds.append(["L", self._cur()[0], y])
        return self

    def A(self, rx, ry, large, sweep, x, y):
        self.cmds.append(["A", rx, ry, large, sweep, x, y])
        return self

    def C(self, x1, y1, x2, y2, x, y):
        self.cmds.append(["C", x1, y1, x2, y2, x, y])
        return self

    def Q(self, x1, y1, x, y):
        self.cmds.append(["Q", x1, y1, x, y])
        return self

    def Z(self):
        self.cmds.append(["Z"])
        return self

    def _cur(self):
        """The current point: the last point drawn, or the start of a closed subpath."""
        if self.cmds and self.cmds[-1][0] == "Z":
            for c in reversed(self.cmds):
                if c[0] == "M":
                    return c[1], c[2]
        return self.cmds[-1][-2], self.cmds[-1][-1]

    def map(self, f, flips=False):
        """A new path with every point passed through f; flips=True for mirror images."""
        p = Path()
        for c in self.cmds:
            k = c[0]
            if k in ("M", "L"):
                p.cmds.append([k, *f(c[1], c[2])])
            elif k == "A":
                x, y = f(c[5], c[6])
                sweep = 1 - c[4] if flips else c[4]
                p.cmds.append(["A", c[1], c[2], c[3], sweep, x, y])
            elif k == "C":
                p.cmds.append(["C", *f(c[1], c[2]), *f(c[3], c[4]), *f(c[5], c[6])])
            elif k == "Q":
                p.cmds.append(["Q", *f(c[1], c[2]), *f(c[3], c[4])])
            else:
                p.cmds.append(["Z"])
        return p

    def mirror(self, size=16):
        return self.map(lambda x, y: (size - x, y), flips=True)

    def turn(self, quarter, size=16):
        """Turn clockwise by quarter * 90 degrees about the centre of the grid."""
        f = lambda x, y: (x, y)
        for _ in range(quarter % 4):
            g = f
            f = lambda x, y, g=g: (lambda a, b: (size - b, a))(*g(x, y))
        return self.map(f)

    def move(self, dx, dy):
        return self.map(lambda x, y: (x + dx, y + dy))

    def scale(self, s, ox=0, oy=0):
        p = Path()
        for c in self.map(lambda x, y: (ox + x * s, oy + y * s)).cmds:
            if c[0] == "A":
                c = ["A", c[1] * s, c[2] * s, *c[3:]]
            p.cmds.append(c)
        return p

    def d(self):
        out = []
        for c in self.cmds:
            k = c[0]
            if k == "A":
                out.append("A%s %s 0 %d %d %s %s" % (fmt(c[1]), fmt(c[2]), c[3], c[4],
                                                   fmt(c[5]), fmt(c[6])))
            elif k == "Z":
                out.append("Z")
            else:
                out.append(k + " ".join(fmt(float(v)) for v in c[1:]))
        # Use H and V where a line is level, so the written paths stay easy to read.
        text, prev = [], None
        for c, s in zip(self.cmds, out):
            if c[0] == "L" and prev is not None:
                if c[2] == prev[1] and c[1] != prev[0]:
                    s = "H" + fmt(float(c[1]))
                elif c[1] == prev[0] and c[2] != prev[1]:
                    s = "V" + fmt(float(c[2]))
            text.append(s)
            if c[0] != "Z":
                prev = (c[-2], c[-1])
        return " ".join(text)


def poly(points, close=True):
    p = Path().M(*points[0])
    for pt in points[1:]:
        p.L(*pt)
    if close:
        p.Z()
    return p
