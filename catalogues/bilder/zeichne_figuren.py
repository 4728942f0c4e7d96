#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Draws the estimator's figures as SVG: the undressed man and woman (opaque, 110 x 240),
one transparent picture per garment layer (Ebene) on the same canvas, and the two symbols.

The bodies are described by outlines over the height (torso half-width, arm and leg centre
and half-width at key heights); a garment is a set of bands along these outlines, widened
by its thickness so that an outer garment covers an inner one. Run it after a change:
    python3 catalogues/bilder/zeichne_figuren.py
"""
import math
import os

B, H = 110, 240
MITTE = 55.0
HAUT = "#f1c7a1"
HAUTLINIE = "#b9825c"


def interp(tabelle, y):
    """Linear interpolation in a list of (y, value...) rows."""
    if y <= tabelle[0][0]:
        return tabelle[0][1:]
    for (y0, *a), (y1, *b) in zip(tabelle, tabelle[1:]):
        if y0 <= y <= y1:
            t = (y - y0) / (y1 - y0) if y1 > y0 else 0
            return tuple(p + (q - p) * t for p, q in zip(a, b))
    return tabelle[-1][1:]


def schritte(y0, y1, n=None):
    n = n or max(2, int(abs(y1 - y0) / 2) + 1)
    return [y0 + (y1 - y0) * i / (n - 1) for i in range(n)]


class Koerper:
    def __init__(self, rumpf, arm, bein, fuss):
        self.rumpf = rumpf  # (y, half-width)
        self.arm = arm      # left arm: (y, centre x, half-width)
        self.bein = bein    # left leg: (y, centre x, half-width)
        self.fuss = fuss    # left foot: (cx, cy, rx, ry)

    # Bands along the outlines, as polygons (lists of points).
    def rumpf_band(self, y0, y1, e=0.0):
        ys = schritte(y0, y1)
        links = [(MITTE - interp(self.rumpf, y)[0] - e, y) for y in ys]
        rechts = [(MITTE + interp(self.rumpf, y)[0] + e, y) for y in reversed(ys)]
        return links + rechts

    def glied(self, tabelle, y0, y1, e, seite):
        ys = schritte(y0, y1)
        def kante(y, s):
            cx, hw = interp(tabelle, y)
            x = cx + s * (hw + e)
            return (x if seite < 0 else 2 * MITTE - x, y)
        return [kante(y, -1) for y in ys] + [kante(y, 1) for y in reversed(ys)]

    def arme(self, y0, y1, e=0.0):
        return [self.glied(self.arm, y0, y1, e, s) for s in (-1, 1)]

    def beine(self, y0, y1, e=0.0):
        return [self.glied(self.bein, y0, y1, e, s) for s in (-1, 1)]

    def umhang(self, y0, y1, y_unten, e, weite):
        """Torso down to y1, then a skirt-like part widening to `weite` at y_unten."""
        oben = self.rumpf_band(y0, y1, e)
        hw1 = interp(self.rumpf, y1)[0] + e
        n = len(oben) // 2
        links, rechts = oben[:n], oben[n:]
        rock = [(MITTE - hw1 - (weite - hw1) * t, y1 + (y_unten - y1) * t) for t in (0.33, 0.66, 1.0)]
        saum = [(MITTE - weite + 2 * weite * t, y_unten + 1.5 * math.sin(math.pi * t)) for t in (0.25, 0.5, 0.75)]
        rock_r = [(2 * MITTE - x, y) for x, y in reversed(rock)]
        return links + rock + saum + rock_r + rechts

    def fuesse(self, e=0.0, hoehe=0.0):
        cx, cy, rx, ry = self.fuss
        return [ellipse(x, cy - hoehe / 2, rx + e, ry + e + hoehe / 2) for x in (cx, 2 * MITTE - cx)]

    def haende(self, e=0.0):
        y_hand = self.arm[-1][0]
        cx, hw = interp(self.arm, y_hand)
        return [ellipse(x, y_hand - 4, hw + 1 + e, 7 + e) for x in (cx, 2 * MITTE - cx)]


def ellipse(cx, cy, rx, ry, n=24):
    return [(cx + rx * math.cos(2 * math.pi * i / n), cy + ry * math.sin(2 * math.pi * i / n)) for i in range(n)]


def pfad(punkte, fill, stroke=None, breite=0.7, extra=""):
    d = "M" + " L".join(f"{x:.1f},{y:.1f}" for x, y in punkte) + " Z"
    s = f' stroke="{stroke}" stroke-width="{breite}" stroke-linejoin="round"' if stroke else ""
    return f'<path d="{d}" fill="{fill}"{s}{extra}/>'


def vereinigt(polys, fill, deckkraft):
    """Overlapping shapes as one path filled once (same winding: the non-zero rule unites
    them), so a see-through fill does not darken where they overlap."""
    def flaeche(p):
        return sum(x0 * y1 - x1 * y0 for (x0, y0), (x1, y1) in zip(p, p[1:] + p[:1]))
    d = " ".join("M" + " L".join(f"{x:.1f},{y:.1f}" for x, y in (p if flaeche(p) > 0 else p[::-1])) + " Z"
                 for p in polys)
    return f'<path d="{d}" fill="{fill}" fill-opacity="{deckkraft}" fill-rule="nonzero"/>'


def linie(x0, y0, x1, y1, farbe, breite=0.6):
    return (f'<line x1="{x0:.1f}" y1="{y0:.1f}" x2="{x1:.1f}" y2="{y1:.1f}" stroke="{farbe}" '
            f'stroke-width="{breite}" stroke-linecap="round"/>')


def polylinie(punkte, farbe, breite=0.6):
    p = " ".join(f"{x:.1f},{y:.1f}" for x, y in punkte)
    return f'<polyline points="{p}" fill="none" stroke="{farbe}" stroke-width="{breite}" stroke-linejoin="round"/>'


def punkt(x, y, r, farbe):
    return f'<circle cx="{x:.1f}" cy="{y:.1f}" r="{r}" fill="{farbe}"/>'


def schnitt_senkrecht(poly, x):
    """The y intervals where the vertical line at x lies inside the polygon."""
    ys = []
    for (x0, y0), (x1, y1) in zip(poly, poly[1:] + poly[:1]):
        if (x0 <= x < x1) or (x1 <= x < x0):
            ys.append(y0 + (x - x0) * (y1 - y0) / (x1 - x0))
    ys.sort()
    return list(zip(ys[0::2], ys[1::2]))


def schnitt_waagerecht(poly, y):
    xs = []
    for (x0, y0), (x1, y1) in zip(poly, poly[1:] + poly[:1]):
        if (y0 <= y < y1) or (y1 <= y < y0):
            xs.append(x0 + (y - y0) * (x1 - x0) / (y1 - y0))
    xs.sort()
    return list(zip(xs[0::2], xs[1::2]))


def streifen(polys, abstand, farbe, breite=0.8, senkrecht=True, versatz=0.0):
    teile = []
    for poly in polys:
        werte = [p[0] for p in poly] if senkrecht else [p[1] for p in poly]
        v = math.floor(min(werte)) + versatz
        while v < max(werte):
            if senkrecht:
                teile += [linie(v, a + 0.6, v, b - 0.6, farbe, breite) for a, b in schnitt_senkrecht(poly, v)]
            else:
                teile += [linie(a + 0.6, v, b - 0.6, v, farbe, breite) for a, b in schnitt_waagerecht(poly, v)]
            v += abstand
    return teile


class Kleid:
    """One garment picture: filled shapes with an outline, then details on top."""

    def __init__(self, farbe, linie_farbe):
        self.farbe, self.linie_farbe, self.teile = farbe, linie_farbe, []

    def flaechen(self, polys, farbe=None, deckkraft=None, umriss=True):
        extra = f' fill-opacity="{deckkraft}"' if deckkraft else ""
        for p in polys:
            self.teile.append(pfad(p, farbe or self.farbe, self.linie_farbe if umriss else None, 0.7, extra))
        return self

    def fuellung(self, polys):
        """The garment's colour without outline, to hide seams where its parts overlap."""
        return self.flaechen(polys, umriss=False)

    def dazu(self, *teile):
        for t in teile:
            self.teile += t if isinstance(t, list) else [t]
        return self


def svg(inhalt, hintergrund=None, breite=B, hoehe=H):
    kopf = (f'<svg xmlns="http://www.w3.org/2000/svg" version="1.2" baseProfile="tiny" '
            f'width="{breite}" height="{hoehe}" viewBox="0 0 {breite} {hoehe}">\n')
    grund = f'<rect x="0" y="0" width="{breite}" height="{hoehe}" fill="{hintergrund}"/>\n' if hintergrund else ""
    return kopf + grund + "\n".join(inhalt) + "\n</svg>\n"


# ---------------------------------------------------------------------------------------
# The two bodies

MANN = Koerper(
    rumpf=[(38, 6), (42, 11), (45, 17), (48, 21), (51, 23), (55, 22.5), (62, 19), (72, 17), (90, 15),
           (100, 14.5), (112, 16.5), (128, 16.5)],
    arm=[(50, 38, 6.2), (62, 35.5, 6), (92, 31, 5), (124, 28, 4), (132, 27.5, 4)],
    bein=[(118, 46.5, 8.5), (150, 46.5, 7.5), (176, 46.5, 5.8), (200, 47, 4.6), (218, 47.5, 3.8)],
    fuss=(46.0, 225.0, 5.5, 4.2),
)

FRAU = Koerper(
    rumpf=[(38, 5), (42, 9), (45, 14), (48, 17.5), (51, 19), (55, 18.5), (62, 15.5), (68, 15.5), (76, 13.5),
           (92, 11), (100, 12.5), (114, 18), (126, 17.5)],
    arm=[(50, 41, 5.3), (62, 39, 5), (92, 35, 4.2), (124, 32, 3.4), (132, 31.5, 3.4)],
    bein=[(116, 47, 8.5), (150, 47.5, 7), (176, 48, 5.3), (200, 48.5, 4.2), (218, 49, 3.4)],
    fuss=(48.5, 225.0, 4.8, 3.8),
)


def grundfigur(k, frau):
    teile = []
    arme = k.arme(50, 132)
    beine = k.beine(112, 222)
    for p in arme + beine:
        teile.append(pfad(p, HAUT, HAUTLINIE, 0.8))
    teile += [pfad(p, HAUT, HAUTLINIE, 0.8) for p in k.fuesse()]
    teile += [pfad(p, HAUT, HAUTLINIE, 0.8) for p in k.haende()]
    teile.append(f'<rect x="{MITTE - 5}" y="28" width="10" height="14" fill="{HAUT}" stroke="{HAUTLINIE}" stroke-width="0.8"/>')
    teile.append(pfad(k.rumpf_band(38, 128), HAUT, HAUTLINIE, 0.8))
    # Cover the inner outlines where the limbs join the torso.
    teile.append(pfad(k.rumpf_band(44, 126, -1.2), HAUT))
    teile += [pfad(p, HAUT) for p in k.beine(112, 130, -1.2)]
    teile.append(linie(MITTE, 118, MITTE, 128, HAUTLINIE, 0.7))
    # Head.
    if frau:
        # Hair behind the head and two locks beside the face, none under the chin.
        teile.append(pfad(ellipse(MITTE, 19, 13.5, 12), "#7a4a22"))
        teile.append(pfad([(41.5, 19), (46, 19), (47.5, 35), (41, 34)], "#7a4a22"))
        teile.append(pfad([(68.5, 19), (64, 19), (62.5, 35), (69, 34)], "#7a4a22"))
    teile.append(pfad(ellipse(MITTE, 21, 10.5, 12.5), HAUT, HAUTLINIE, 0.8))
    if frau:
        teile.append(pfad([(44, 20), (46, 11), (55, 8), (64, 11), (66, 20), (60, 13), (50, 13)], "#7a4a22"))
    else:
        teile.append(pfad([(44.5, 19), (45, 11), (55, 7.5), (65, 11), (65.5, 19), (62, 13), (48, 13)], "#5b3a1e"))
    teile += [punkt(51, 21, 1.0, "#333333"), punkt(59, 21, 1.0, "#333333")]
    teile.append(polylinie([(51.5, 27.5), (55, 29), (58.5, 27.5)], "#a0522d", 0.8))
    teile.append(linie(55, 22, 54.5, 25.5, HAUTLINIE, 0.6))
    # A few body lines, kept to a tailor's dummy.
    teile.append(polylinie([(MITTE - 6, 104), (MITTE, 105), (MITTE + 6, 104)], HAUTLINIE, 0.5))
    teile.append(punkt(MITTE, 98, 0.7, HAUTLINIE))
    return svg(teile, hintergrund="#ffffff")


# ---------------------------------------------------------------------------------------
# Garment builders shared by both figures

def oberteil(k, y_saum, e, aermel_bis, farbe, linie_farbe, y_hals=40):
    """Sleeves first, then the body over their tops: its outline is the armhole seam."""
    g = Kleid(farbe, linie_farbe)
    huelle = k.rumpf_band(y_hals, y_saum, e)
    g.flaechen((k.arme(50, aermel_bis, e) if aermel_bis else []) + [huelle])
    return g, huelle


def halsausschnitt(g, tiefe, breite, farbe=HAUT, y0=40):
    g.dazu(pfad([(MITTE - breite, y0 - 1), (MITTE + breite, y0 - 1), (MITTE, y0 + tiefe)], farbe, g.linie_farbe, 0.6))


def rundhals(g, farbe, breite=6.0, y0=39):
    g.dazu(f'<path d="M{MITTE - breite},{y0} Q{MITTE},{y0 + 7} {MITTE + breite},{y0}" fill="none" '
           f'stroke="{farbe}" stroke-width="1.6"/>')


def hemdkragen(g, farbe):
    g.dazu(pfad([(MITTE, 46), (MITTE - 7, 38), (MITTE - 9, 44)], farbe, g.linie_farbe, 0.6),
           pfad([(MITTE, 46), (MITTE + 7, 38), (MITTE + 9, 44)], farbe, g.linie_farbe, 0.6))


def knopfleiste(g, y0, y1, farbe, n):
    g.dazu(linie(MITTE, y0, MITTE, y1, g.linie_farbe, 0.6))
    g.dazu([punkt(MITTE + 1.6, y0 + (y1 - y0) * (i + 0.5) / n, 0.8, farbe) for i in range(n)])


def manschetten(g, k, y, e, farbe):
    for p in k.arme(y - 5, y, e + 0.3):
        g.dazu(pfad(p, farbe, g.linie_farbe, 0.6))


def bund(g, k, y, e, farbe, hoehe=4):
    g.dazu(pfad(k.rumpf_band(y, y + hoehe, e + 0.2), farbe, g.linie_farbe, 0.6))


def hose(k, y_bund, y_saum, e, farbe, linie_farbe, bundfarbe=None, buegelfalte=True):
    g = Kleid(farbe, linie_farbe)
    beine = k.beine(116, y_saum, e)
    g.flaechen(beine)
    g.flaechen([k.rumpf_band(y_bund, 128, e)])
    g.fuellung([k.rumpf_band(y_bund + 2, 127, e - 1.2)] + [p for p in k.beine(118, 132, e - 1.5)])
    g.dazu(linie(MITTE, y_bund + 6, MITTE, 129, linie_farbe, 0.7))
    bund(g, k, y_bund, e, bundfarbe or linie_farbe, 3.5)
    if buegelfalte:
        for s in (-1, 1):
            cx = interp(k.bein, 140)[0]
            x0 = cx if s < 0 else 2 * MITTE - cx
            cx2 = interp(k.bein, y_saum - 2)[0]
            x1 = cx2 if s < 0 else 2 * MITTE - cx2
            g.dazu(linie(x0, 134, x1, y_saum - 3, linie_farbe, 0.4))
    return g


def rock(k, y_bund, y_saum, e, weite, farbe, linie_farbe):
    g = Kleid(farbe, linie_farbe)
    huelle = k.umhang(y_bund, 118, y_saum, e, weite)
    g.flaechen([huelle])
    bund(g, k, y_bund, e, linie_farbe, 3)
    return g, huelle


def socken(k, y_oben, e, farbe, linie_farbe, rippen=False):
    g = Kleid(farbe, linie_farbe)
    beine = k.beine(y_oben, 222, e)
    g.flaechen(beine + k.fuesse(e))
    g.fuellung(k.beine(y_oben + 1, 221, e - 0.8))
    if rippen:
        g.dazu(streifen(beine, 1.6, linie_farbe, 0.35))
    for p in k.beine(y_oben, y_oben + 3, e + 0.2):
        g.dazu(pfad(p, linie_farbe))
    return g


def schuhe(k, e, farbe, linie_farbe, hoehe=3.0):
    g = Kleid(farbe, linie_farbe)
    cx, cy, rx, ry = k.fuss
    for x in (cx, 2 * MITTE - cx):
        sohle = [(x - rx - e - 1, cy + 1), (x - rx - e, cy - 3 - hoehe / 2), (x - 2, cy - 5 - hoehe / 2),
                 (x + 2, cy - 5 - hoehe / 2), (x + rx + e, cy - 3 - hoehe / 2), (x + rx + e + 1, cy + 1),
                 (x + rx + e, cy + ry + 1.2), (x - rx - e, cy + ry + 1.2)]
        g.flaechen([sohle])
        g.dazu(linie(x - rx - e, cy + ry - 0.3, x + rx + e, cy + ry - 0.3, "#1a1a1a", 1.4))
        g.dazu(polylinie([(x - 2.5, cy - 4), (x, cy - 2), (x + 2.5, cy - 4)], "#d9c3a5", 0.5))
    return g


def stiefel(k, y_oben, e, farbe, linie_farbe):
    g = Kleid(farbe, linie_farbe)
    schaefte = k.beine(y_oben, 222, e)
    cx, cy, rx, ry = k.fuss
    fuesse = [[(x - rx - e - 1.5, cy + ry + 1.5), (x - rx - e - 1, cy - 5), (x + rx + e + 1, cy - 5),
               (x + rx + e + 1.5, cy + ry + 1.5)] for x in (cx, 2 * MITTE - cx)]
    g.flaechen(fuesse + schaefte)
    g.fuellung(k.beine(y_oben + 2, 223, e - 1))
    for x in (cx, 2 * MITTE - cx):
        g.dazu(linie(x - rx - e - 1.5, cy + ry + 1, x + rx + e + 1.5, cy + ry + 1, "#111111", 2.0))
    for p in k.beine(y_oben, y_oben + 4, e + 0.6):
        g.dazu(pfad(p, "#3b2413", linie_farbe, 0.5))
    return g


def handschuhe(k, farbe, linie_farbe):
    g = Kleid(farbe, linie_farbe)
    g.flaechen(k.haende(0.8))
    for p in k.arme(117, 124, 1.4):
        g.dazu(pfad(p, linie_farbe, linie_farbe, 0.5))
    y_hand = k.arm[-1][0]
    for s in (-1, 1):
        cx = interp(k.arm, y_hand)[0]
        x = cx if s < 0 else 2 * MITTE - cx
        g.dazu(linie(x - s * 3.5, y_hand - 7, x - s * 6, y_hand - 3, linie_farbe, 1.6))  # thumb
        g.dazu([linie(x + d, y_hand - 2, x + d, y_hand + 2.5, linie_farbe, 0.4) for d in (-1.5, 0, 1.5)])
    return g


def pullover(k, e, farbe, linie_farbe, dick):
    g, huelle = oberteil(k, 118, e, 124, farbe, linie_farbe, y_hals=38 if dick else 40)
    if dick:
        g.dazu(streifen([k.rumpf_band(50, 112, e - 1)], 3.0, linie_farbe, 0.35, senkrecht=True))
        g.dazu(streifen(k.arme(60, 118, e - 1), 2.5, linie_farbe, 0.35, senkrecht=False))
        # Turtleneck over the neck.
        g.dazu(pfad([(MITTE - 7, 31.5), (MITTE + 7, 31.5), (MITTE + 8, 42), (MITTE - 8, 42)], farbe, linie_farbe, 0.7))
        g.dazu([linie(MITTE + d, 32.5, MITTE + d, 41, linie_farbe, 0.4) for d in (-4.5, -1.5, 1.5, 4.5)])
    else:
        halsausschnitt(g, 14, 7)
    bund(g, k, 112, e, linie_farbe, 5)
    manschetten(g, k, 124, e, linie_farbe)
    return g


def jacke(k, y_saum, e, farbe, linie_farbe, weite=None, revers=False, knoepfe=3, reissverschluss=False,
          taschen=True, zweireihig=False, guertel=False):
    g = Kleid(farbe, linie_farbe)
    if weite:
        huelle = k.umhang(38, 122, y_saum, e, weite)
    else:
        huelle = k.rumpf_band(38, y_saum, e)
    aermel = k.arme(50, 125, e)
    g.flaechen(aermel + [huelle])
    manschetten(g, k, 125, e, linie_farbe)
    if revers:
        g.dazu(pfad([(MITTE, 74), (MITTE - 9, 39), (MITTE - 12, 44), (MITTE - 6, 60)], linie_farbe, linie_farbe, 0.5))
        g.dazu(pfad([(MITTE, 74), (MITTE + 9, 39), (MITTE + 12, 44), (MITTE + 6, 60)], linie_farbe, linie_farbe, 0.5))
    else:
        g.dazu(pfad([(MITTE - 8, 36), (MITTE + 8, 36), (MITTE + 10, 44), (MITTE - 10, 44)], farbe, linie_farbe, 0.7))
    unten = y_saum - 2
    if reissverschluss:
        g.dazu(linie(MITTE, 42, MITTE, unten, "#666666", 1.0), punkt(MITTE, 48, 1.1, "#999999"))
    else:
        g.dazu(linie(MITTE, 74 if revers else 44, MITTE, unten, linie_farbe, 0.7))
        for i in range(knoepfe):
            y = (78 if revers else 52) + i * 13
            if zweireihig:
                g.dazu(punkt(MITTE - 5, y, 1.1, "#222222"), punkt(MITTE + 5, y, 1.1, "#222222"))
            else:
                g.dazu(punkt(MITTE + 1.8, y, 1.1, "#222222"))
    if taschen:
        for s in (-1, 1):
            g.dazu(linie(MITTE + s * 6, 108, MITTE + s * 14, 107 if s < 0 else 108, linie_farbe, 1.2))
    if guertel:
        g.dazu(pfad(k.rumpf_band(96, 101, e + 0.4), linie_farbe, linie_farbe, 0.5))
    return g


def pyjama(k, lang, farbe, streifen_farbe, e=1.6):
    g = Kleid(farbe, streifen_farbe)
    aermel_bis = 122 if lang else 74
    bein_bis = 216 if lang else 152
    hosen = k.beine(114, bein_bis, e - 0.3)
    huelle = k.rumpf_band(40, 120, e)
    aermel = k.arme(50, aermel_bis, e)
    g.flaechen(hosen + [k.rumpf_band(108, 128, e - 0.3)])
    g.fuellung([k.rumpf_band(110, 127, e - 1.5)] + k.beine(116, 130, e - 1.8))
    g.dazu(streifen(hosen, 4.0, streifen_farbe, 1.1, versatz=1.0))
    g.flaechen(aermel + [huelle])
    g.dazu(streifen([k.rumpf_band(44, 119, e - 0.8)] + aermel, 4.0, streifen_farbe, 1.1, versatz=1.0))
    halsausschnitt(g, 12, 6)
    hemdkragen(g, "#ffffff")
    knopfleiste(g, 52, 118, "#ffffff", 4)
    g.dazu(pfad([(MITTE - 15, 66), (MITTE - 6, 66), (MITTE - 6, 76), (MITTE - 15, 76)], farbe, streifen_farbe, 0.7))
    return g


def bademantel(k, e, farbe, saum_farbe):
    g = Kleid(farbe, saum_farbe)
    huelle = k.umhang(38, 120, 200, e, 32)
    aermel = k.arme(50, 126, e + 1.0)
    g.flaechen(aermel + [huelle])
    for p in k.arme(119, 126, e + 1.3):
        g.dazu(pfad(p, saum_farbe, saum_farbe, 0.5))
    # Shawl collar crossing to the belt, the belt with its knot and loose ends.
    g.dazu(pfad([(MITTE - 7, 37), (MITTE + 10, 100), (MITTE + 5, 100), (MITTE - 10, 42)], saum_farbe))
    g.dazu(pfad([(MITTE + 7, 37), (MITTE - 2, 70), (MITTE - 5, 66), (MITTE + 10, 42)], saum_farbe))
    g.dazu(linie(MITTE + 7, 100, MITTE + 12, 194, saum_farbe, 1.5))
    g.dazu(pfad(k.rumpf_band(97, 103, e + 0.5), saum_farbe, saum_farbe, 0.5))
    g.dazu(pfad([(MITTE + 2, 101), (MITTE - 2, 128), (MITTE + 1, 129), (MITTE + 5, 103)], saum_farbe))
    g.dazu(pfad([(MITTE + 5, 101), (MITTE + 8, 126), (MITTE + 11, 125), (MITTE + 8, 101)], saum_farbe))
    g.dazu(streifen([k.rumpf_band(110, 118, e - 1)], 3.5, "#d8d8e6", 0.4, senkrecht=False))
    return g


# ---------------------------------------------------------------------------------------
# The garments, by Ebene

def kleidung_mann(k):
    slip = Kleid("#2f4f8f", "#1d3461")
    slip.flaechen([k.rumpf_band(110, 126, 0.4)] + k.beine(116, 128, 0.4))
    slip.dazu(pfad(k.rumpf_band(110, 112.5, 0.6), "#ffffff", "#1d3461", 0.4))

    unterhemd = unterhemd_bauen(k, "#fafafa", "#9a9a9a", 0.5, 114)

    kurze_socken = socken(k, 208, 0.5, "#3a3a3a", "#111111")
    dicke_socken = socken(k, 178, 1.0, "#8c5a3c", "#5a3520", rippen=True)

    tshirt, _ = oberteil(k, 116, 1.0, 70, "#d84a3a", "#8f2a1f")
    rundhals(tshirt, "#8f2a1f")
    for p in k.arme(66, 70, 1.2):
        tshirt.dazu(pfad(p, "#b83a2c"))

    shorts = hose(k, 106, 156, 1.3, "#c9a86a", "#7d6330", buegelfalte=False)

    hemd_kurz, _ = oberteil(k, 120, 1.3, 76, "#a9cbea", "#4d7aa6")
    halsausschnitt(hemd_kurz, 8, 5)
    hemdkragen(hemd_kurz, "#c8def2")
    knopfleiste(hemd_kurz, 46, 118, "#ffffff", 6)
    for p in k.arme(72, 76, 1.5):
        hemd_kurz.dazu(pfad(p, "#8db5dc"))

    hemd_lang, _ = oberteil(k, 120, 1.5, 124, "#f4f4ee", "#8a8a80")
    halsausschnitt(hemd_lang, 8, 5)
    hemdkragen(hemd_lang, "#ffffff")
    knopfleiste(hemd_lang, 46, 118, "#b0b0a8", 6)
    manschetten(hemd_lang, k, 124, 1.5, "#ffffff")
    hemd_lang.dazu(streifen([k.rumpf_band(48, 118, 0.5)], 3.0, "#c9d6e8", 0.5))

    pyjama_kurz = pyjama(k, False, "#9fc8ef", "#ffffff")
    pyjama_lang = pyjama(k, True, "#b7dfb0", "#5c8f55", e=1.9)

    schuh = schuhe(k, 0.8, "#6b3e1f", "#3a200d")
    leichte_hose = hose(k, 104, 218, 1.8, "#d8cfb5", "#8c8365")
    stiefel_ = stiefel(k, 170, 2.4, "#5a3a20", "#2a180a")
    normale_hose = hose(k, 104, 219, 2.6, "#4a5566", "#262d38")
    handschuh = handschuhe(k, "#3c3c3c", "#151515")
    pullover_duenn = pullover(k, 2.8, "#5f9e6e", "#356b42", dick=False)
    pullover_dick = pullover(k, 3.6, "#b33a3a", "#6e1f1f", dick=True)
    sommerjacke = jacke(k, 116, 4.2, "#e4d6a8", "#9c8c55", reissverschluss=True)
    jackett = jacke(k, 136, 4.8, "#6b5440", "#3b2c1f", revers=True, knoepfe=2)
    jackett.dazu(streifen([k.rumpf_band(78, 134, 3.5)], 3.0, "#7d6550", 0.35, senkrecht=False))
    lange_jacke = jacke(k, 166, 5.4, "#6f7d4a", "#3f4827", weite=26, knoepfe=6, reissverschluss=True)
    mantel = jacke(k, 194, 6.0, "#2b3a55", "#141d2e", weite=28, knoepfe=4, zweireihig=True, revers=True,
                   guertel=False)
    bad = bademantel(k, 6.6, "#eef0f7", "#5b7bbf")

    return {0: slip, 1: unterhemd, 2: kurze_socken, 3: dicke_socken, 4: tshirt, 5: shorts,
            6: hemd_kurz, 7: hemd_lang, 8: pyjama_kurz, 9: pyjama_lang, 10: schuh, 11: leichte_hose,
            12: stiefel_, 13: normale_hose, 14: handschuh, 15: pullover_duenn, 16: pullover_dick,
            17: sommerjacke, 18: jackett, 19: lange_jacke, 20: mantel, 21: bad}


def unterhemd_bauen(k, farbe, linie_farbe, e, y_saum, aermel_bis=None):
    g = Kleid(farbe, linie_farbe)
    band = k.rumpf_band(60, y_saum, e)
    n = len(band) // 2
    links, rechts = band[:n], band[n:]
    hw = interp(k.rumpf, 60)[0] + e
    oben = [(MITTE + hw, 60), (MITTE + 10, 41), (MITTE + 6, 40), (MITTE, 52), (MITTE - 6, 40), (MITTE - 10, 41)]
    g.flaechen([links + rechts + oben])
    return g


def kleidung_frau(k):
    waesche = Kleid("#c2417a", "#7d1f4c")
    waesche.flaechen([k.rumpf_band(106, 124, 0.4)] + k.beine(114, 126, 0.4))
    for s in (-1, 1):
        waesche.dazu(pfad(ellipse(MITTE + s * 6.5, 64, 6.5, 5.5), "#c2417a", "#7d1f4c", 0.6))
        waesche.dazu(linie(MITTE + s * 9.5, 44, MITTE + s * 9, 59, "#7d1f4c", 0.8))
    waesche.dazu(pfad(k.rumpf_band(65, 68, 0.5), "#c2417a", "#7d1f4c", 0.5))

    unterhemd = unterhemd_bauen(k, "#fbf3f6", "#b08898", 0.5, 112)
    unterhemd.dazu(polylinie([(MITTE - 8, 44), (MITTE, 52), (MITTE + 8, 44)], "#e0b8c8", 0.8))

    strumpfhose = Kleid("#3a2a2a", "#1c1010")
    strumpfhose.dazu(vereinigt(k.beine(112, 222, 0.3) + k.fuesse(0.3) + [k.rumpf_band(102, 126, 0.3)],
                               "#3a2a2a", 0.55))

    socken_ = socken(k, 206, 0.6, "#e8e8e8", "#9a9a9a")
    lange_unterhose = hose(k, 102, 216, 0.8, "#f2ece0", "#b3a98f", buegelfalte=False)
    langes_unterhemd, _ = oberteil(k, 116, 0.7, 122, "#f2ece0", "#b3a98f")
    rundhals(langes_unterhemd, "#b3a98f")
    schuh = schuhe(k, 0.6, "#8b1e2d", "#4a0f18", hoehe=2)
    leichte_hose = hose(k, 100, 218, 1.2, "#e7dcc3", "#9a8b66")

    bluse_kurz, _ = oberteil(k, 114, 1.6, 72, "#fff6d6", "#b8a35c")
    halsausschnitt(bluse_kurz, 10, 6)
    hemdkragen(bluse_kurz, "#ffffff")
    knopfleiste(bluse_kurz, 50, 112, "#d4c38a", 5)
    bluse_lang, _ = oberteil(k, 114, 1.9, 123, "#d9ecff", "#6f93b8")
    halsausschnitt(bluse_lang, 10, 6)
    hemdkragen(bluse_lang, "#ffffff")
    knopfleiste(bluse_lang, 50, 112, "#ffffff", 5)
    manschetten(bluse_lang, k, 123, 1.9, "#ffffff")

    stiefel_ = stiefel(k, 166, 2.2, "#3b2a20", "#1a110b")
    normale_hose = hose(k, 100, 219, 2.6, "#2f3b57", "#171e2e")

    bluse_normal, _ = oberteil(k, 116, 3.0, 124, "#f3e9f7", "#8c6a9c")
    halsausschnitt(bluse_normal, 10, 6)
    hemdkragen(bluse_normal, "#ffffff")
    knopfleiste(bluse_normal, 50, 114, "#8c6a9c", 5)
    manschetten(bluse_normal, k, 124, 3.0, "#ffffff")

    sommerkleid = kleid(k, 3.4, 72, 170, 25, "#ffd34d", "#b08a10", blumen="#e85d75")
    winterkleid = kleid(k, 3.8, 122, 184, 27, "#7e1f2f", "#450f18")
    winterkleid.dazu(streifen([k.umhang(104, 118, 182, 3.0, 25)], 5.0, "#93303f", 0.6))

    leichter_rock, huelle = rock(k, 96, 166, 4.2, 27, "#f7b5c8", "#b5607c")
    leichter_rock.dazu(blumen_muster(huelle, "#ffffff", "#d84f7a"))
    schwerer_rock, huelle = rock(k, 96, 188, 4.6, 30, "#3f5f4a", "#1f3226")
    schwerer_rock.dazu(streifen([huelle], 6.0, "#c9a227", 0.6))
    schwerer_rock.dazu(streifen([huelle], 6.0, "#c9a227", 0.6, senkrecht=False, versatz=2))

    pullover_duenn = pullover(k, 5.2, "#6aa6c9", "#356b8a", dick=False)
    pullover_dick = pullover(k, 6.0, "#e8e0cf", "#9c8f70", dick=True)
    handschuh = handschuhe(k, "#7a2e2e", "#3d1414")
    lange_jacke = jacke(k, 168, 6.8, "#a0522d", "#5c2c14", weite=26, knoepfe=6, reissverschluss=False, revers=True)
    mantel = jacke(k, 200, 7.4, "#5c6f82", "#2a3642", weite=30, knoepfe=4, revers=True, zweireihig=True,
                   guertel=True)
    bad = bademantel(k, 8.0, "#fbeaf2", "#c0508a")

    return {0: waesche, 1: unterhemd, 2: strumpfhose, 3: socken_, 4: lange_unterhose, 5: langes_unterhemd,
            6: schuh, 7: leichte_hose, 8: bluse_kurz, 9: bluse_lang, 10: stiefel_, 11: normale_hose,
            12: bluse_normal, 13: sommerkleid, 14: winterkleid, 15: leichter_rock, 16: schwerer_rock,
            17: pullover_duenn, 18: pullover_dick, 19: handschuh, 20: lange_jacke, 21: mantel, 22: bad}


def kleid(k, e, aermel_bis, y_saum, weite, farbe, linie_farbe, blumen=None):
    g = Kleid(farbe, linie_farbe)
    huelle = k.umhang(40, 112, y_saum, e, weite)
    aermel = k.arme(50, aermel_bis, e)
    g.flaechen(aermel + [huelle])
    rundhals(g, linie_farbe, 7)
    g.dazu(pfad(k.rumpf_band(94, 99, e + 0.3), linie_farbe, linie_farbe, 0.4))
    if blumen:
        g.dazu(blumen_muster(huelle, "#ffffff", blumen))
    return g


def blumen_muster(huelle, mitte, blatt):
    teile = []
    ys = [p[1] for p in huelle]
    y = min(ys) + 8
    reihe = 0
    while y < max(ys) - 4:
        for a, b in schnitt_waagerecht(huelle, y):
            x = a + 4 + (reihe % 2) * 4
            while x < b - 3:
                teile += [punkt(x + dx, y + dy, 1.1, blatt) for dx, dy in ((-1.3, 0), (1.3, 0), (0, -1.3), (0, 1.3))]
                teile.append(punkt(x, y, 0.7, mitte))
                x += 8
        y += 9
        reihe += 1
    return teile


# ---------------------------------------------------------------------------------------
# Symbols

def symbol(mann):
    farbe = "#1f3fbf" if mann else "#bf1f7a"
    if mann:
        teile = [f'<circle cx="6" cy="9" r="4.2" fill="none" stroke="{farbe}" stroke-width="1.6"/>',
                 linie(9, 6, 13.2, 1.8, farbe, 1.6),
                 pfad([(9.2, 1.2), (14, 1), (13.8, 5.8)], farbe)]
    else:
        teile = [f'<circle cx="7.5" cy="5.5" r="4.2" fill="none" stroke="{farbe}" stroke-width="1.6"/>',
                 linie(7.5, 9.7, 7.5, 14.5, farbe, 1.6), linie(5, 12.2, 10, 12.2, farbe, 1.6)]
    return svg(teile, breite=15, hoehe=15)


def main():
    ziel = os.path.dirname(os.path.abspath(__file__))
    def schreibe(name, text):
        with open(os.path.join(ziel, name), "w", encoding="utf-8") as f:
            f.write(text)
    schreibe("mann.svg", grundfigur(MANN, False))
    schreibe("frau.svg", grundfigur(FRAU, True))
    for name, kleidung in (("mann", kleidung_mann(MANN)), ("frau", kleidung_frau(FRAU))):
        for ebene, g in sorted(kleidung.items()):
            schreibe(f"{name}_ebene_{ebene:02d}.svg", svg(g.teile))
    schreibe("symbol_mann.svg", symbol(True))
    schreibe("symbol_frau.svg", symbol(False))


if __name__ == "__main__":
    main()
