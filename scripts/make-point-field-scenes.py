#!/usr/bin/env python3
"""Writes the gallery scene of valued markers over point bars (examples/scenes/valued_markers.iv)
from Microsoft's daily closes and volumes of mid 2003, as matplotlib's sample data ships them
(python3-matplotlib). The data and the axis frame are those of the other price scenes (scripts/msft_sample.py).

usage: scripts/make-point-field-scenes.py [OUTPUT_DIR]   (default: examples/scenes of this tree)
"""

import os
import sys

import msft_sample

HERE = os.path.dirname(os.path.abspath(__file__))


def main():
    out = sys.argv[1] if len(sys.argv) > 1 else os.path.join(HERE, "..", "examples", "scenes")
    os.makedirs(out, exist_ok=True)
    first, closes, volumes = msft_sample.series()
    n = len(closes) - 1
    lo, hi = int(min(closes)) - 0.5, int(max(closes)) + 1
    start = closes[0]
    entries = ["%d %.2f" % (i, c) for i, c in enumerate(closes)]
    point_text = ",\n      ".join(", ".join(entries[i:i + 8]) for i in range(0, len(entries), 8))
    volume_text = msft_sample.numbers(volumes, "%.1f")
    name = "valued_markers.iv"
    body = msft_sample.frame(n, lo, hi, first) + """  # Thin bars from the first close (%(start)g USD) to each day's close.
  BaseColor { rgb 0.55 0.6 0.68 }
  PoPointsFieldBars {
    point [
      %(points)s ]
    threshold %(start)g
    barWidth 0.004
  }
  # A marker at each close, coloured and sized by the day's volume (millions of shares).
  PoLinearDataMapping { value1 %(vlo)g color1 0.2 0.5 1  value2 %(vhi)g color2 1 0.3 0.2 }
  PoValuedMarkerField {
    point [
      %(points)s ]
    value [
%(volumes)s ]
    minSize 0.01
    maxSize 0.04
  }
""" % {"start": start, "points": point_text, "volumes": volume_text,
       "vlo": round(min(volumes)), "vhi": round(max(volumes))}
    path = os.path.join(out, name)
    with open(path, "w") as f:
        f.write("#Inventor V2.1 ascii\n\n"
                "# Valued markers over point bars: each of Microsoft's daily closes of mid 2003 a disc coloured\n"
                "# and sized by the day's volume (%.0f to %.0f million shares), on a bar from the first close.\n"
                "# Written by scripts/make-point-field-scenes.py from matplotlib's sample data (msft.csv).\n"
                "# Render with:  gridlux render examples/scenes/%s -o %s --size 640x480\n\nSeparator {\n"
                "  LightModel { model BASE_COLOR }\n%s}\n"
                % (min(volumes), max(volumes), name, name.replace(".iv", ".png"), body))
    print("wrote", path)


if __name__ == "__main__":
    main()
