#!/usr/bin/env python3
"""Print SVG path data for CJK glyphs, so the scalable icon needs no font.

usage: glyphs.py FONT.ttc FAMILY TEXT SIZE
Each glyph is written as one <path> scaled to SIZE user units per em, with
its origin at the top-left of the em box, one per line, for pasting into a
<g transform="translate(x,y)"> of the SVG source.  Used for versilo.svg with
Noto Serif CJK SC Bold (SIL Open Font Licence; outlines in artwork are
allowed by that licence).
"""
import re
import sys
from fontTools.ttLib import TTCollection
from fontTools.pens.svgPathPen import SVGPathPen
from fontTools.pens.transformPen import TransformPen

def main():
    path, family, text, size = sys.argv[1], sys.argv[2], sys.argv[3], float(sys.argv[4])
    for font in TTCollection(path).fonts:
        if font["name"].getDebugName(1) == family:
            break
    else:
        sys.exit("family not found: " + family)
    upem = font["head"].unitsPerEm
    cmap = font.getBestCmap()
    gs = font.getGlyphSet()
    k = size / upem
    for ch in text:
        pen = SVGPathPen(gs)
        # font units (y up, baseline 0, ideographic em box -0.12..0.88 em)
        # -> user units (y down, em box 0..SIZE)
        gs[cmap[ord(ch)]].draw(TransformPen(pen, (k, 0, 0, -k, 0, 0.88 * size)))
        d = re.sub(r"-?\d+\.\d+", lambda m: "%.1f" % float(m.group()), pen.getCommands())
        d = re.sub(r"\.0(?=\D|$)", "", d)
        print('<path d="%s"/>  <!-- %s -->' % (d, ch))

main()
