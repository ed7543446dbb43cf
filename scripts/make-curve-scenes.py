#!/usr/bin/env python3
"""Writes the curve, filling, line bar and scatter scenes from Microsoft's daily closing prices
of mid 2003, as matplotlib's sample data ships them (python3-matplotlib)."""
import csv
import datetime
import os

HERE = os.path.dirname(os.path.abspath(__file__))
SCENES = os.path.join(HERE, "..", "examples", "scenes")
SOURCE = "/usr/share/matplotlib/mpl-data/sample_data/msft.csv"


def series():
    with open(SOURCE) as f:
        rows = list(csv.DictReader(f))
    rows.sort(key=lambda r: datetime.datetime.strptime(r["Date"], "%d-%b-%y"))
    first = datetime.datetime.strptime(rows[0]["Date"], "%d-%b-%y")
    return first, [float(r["Close"]) for r in rows], [float(r["Volume"]) / 1e6 for r in rows]


def numbers(values, fmt="%.4g"):
    values = [fmt % v for v in values]
    return "\n".join("      " + " ".join(values[i:i + 12]) for i in range(0, len(values), 12))


def frame(n, lo, hi, first):
    start = first.strftime("%d %b %Y").lstrip("0")
    return """  PoDomain { min 0 %(lo)g 0  max %(n)d %(hi)g 1 }
  Separator {
    BaseColor { rgb 0.85 0.85 0.85 }
    PoLinearAxis {
      start 0 %(lo)g 0
      end %(n)d
      type XY
      gridVisibility VISIBILITY_ON
      gridLengthGradOtherSide %(span)g
      titleVisibility VISIBILITY_ON
      titleString "trading days from %(start)s"
      mainGradGridApp AppearanceKit { material Material { diffuseColor 0.3 0.35 0.4 } }
    }
    PoLinearAxis {
      start 0 %(lo)g 0
      end %(hi)g
      type YX
      gridVisibility VISIBILITY_ON
      gridLengthGradOtherSide %(n)d
      titleVisibility VISIBILITY_ON
      titleString "MSFT close (USD)"
      mainGradGridApp AppearanceKit { material Material { diffuseColor 0.3 0.35 0.4 } }
    }
  }
""" % {"lo": lo, "hi": hi, "n": n, "span": hi - lo, "start": start}


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
