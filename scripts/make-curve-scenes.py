#!/usr/bin/env python3
"""Writes the curve, filling, line bar and scatter scenes from Microsoft's daily closing prices
of mid 2003, as matplotlib's sample data ships them (python3-matplotlib)."""
import os

from msft_sample import frame, numbers, series

HERE = os.path.dirname(os.path.abspath(__file__))
SCENES = os.path.join(HERE, "..", "examples", "scenes")


def mesh(closes, volumes):
    return """  PoIrregularMesh1D {
    fields [ PoSFIrregularMesh1D mesh ]
    mesh
      %d   # size
      # x coordinates of mesh nodes: trading days
%s
      0   # number of string data-set
      2   # number of scalar data-set
      0   # number of vector data-set
      # set of scalars, index 0, binding per node
      "close" # set name
%s
      # set of scalars, index 1, binding per node
      "volume" # set name
%s
  }
""" % (len(closes), numbers(range(len(closes))), numbers(closes), numbers(volumes))


def write(name, comment, body):
    path = os.path.join(SCENES, name)
    with open(path, "w") as f:
        f.write("#Inventor V2.1 ascii\n\n# %s\n# Written by scripts/make-curve-scenes.py from matplotlib's sample data (msft.csv).\n"
                "# Render with:  gridlux render examples/scenes/%s -o %s --size 640x480\n\nSeparator {\n"
                "  LightModel { model BASE_COLOR }\n%s}\n" % (comment, name, name.replace(".iv", ".png"), body))


def main():
    first, closes, volumes = series()
    n = len(closes) - 1
    lo, hi = int(min(closes)) - 0.5, int(max(closes)) + 1
    mean = round(sum(closes) / len(closes), 2)
    points = " ".join("%d %.2f," % (i, c) for i, c in enumerate(closes))
    write("curve_smooth.iv", "Daily closes as a smooth spline through every close, each close marked.",
          frame(n, lo, hi, first) + """  BaseColor { rgb 1 0.8 0.3 }
  PoCurve {
    point [ %s ]
    curveRep CURVE_SMOOTH
    markerFilterType ALL_POINTS
    curvePointApp AppearanceKit { drawStyle DrawStyle { lineWidth 2 } }
    markerApp AppearanceKit { material Material { diffuseColor 0.4 0.9 1 } }
  }
""" % points)
    write("curve_filling.iv", "The closes filled against their mean (%g USD), the mean drawn across." % mean,
          frame(n, lo, hi, first) + mesh(closes, volumes) + """  BaseColor { rgb 0.3 0.75 0.4 }
  PoCurveFilling { threshold %g }
  BaseColor { rgb 1 1 1 }
  PoCurve { point [ 0 %g, %d %g ] }
""" % (mean, mean, n, mean))
    write("line_bars.iv", "Line bars from the mean close (%g USD) to each close, coloured by the day's volume (millions)." % mean,
          frame(n, lo, hi, first) + mesh(closes, volumes) + """  PoLinearDataMapping { value1 20 color1 0.2 0.5 1  value2 90 color2 1 0.3 0.2 }
  DrawStyle { lineWidth 4 }
  PoLinearBar { threshold %g  colorBinding PER_PART }
""" % mean)
    write("scatter.iv", "The closes as a scatter plot, every fifth day a diamond, coloured by volume (millions).",
          frame(n, lo, hi, first) + mesh(closes, volumes) + """  PoLinearDataMapping { value1 20 color1 0.2 0.5 1  value2 90 color2 1 0.3 0.2 }
  PoScatter { colorBinding PER_VERTEX  markerIndex [ 80, 80, 80, 80, 82 ] }
""")


if __name__ == "__main__":
    main()
