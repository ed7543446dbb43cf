#!/usr/bin/env python3
"""Writes the solid bar scenes from matplotlib's table of the share of US bachelor's degrees earned
by women (percent_bachelors_degrees_women_usa.csv), one field every five years as cylinders, cones,
square profile bars and tapered elliptic bars, and the solid scatter scene of Microsoft's daily
closes of mid 2003 sized and coloured by volume (msft.csv); both tables ship with python3-matplotlib."""
import csv
import datetime
import math
import os
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
SCENES = os.path.join(HERE, "..", "examples", "scenes")
TABLE = "percent_bachelors_degrees_women_usa.csv"
PRICES = "msft.csv"
PLACES = ["/usr/share/matplotlib/mpl-data/sample_data"]


def sample_path(name):
    try:
        import matplotlib
        PLACES.insert(0, os.path.join(matplotlib.get_data_path(), "sample_data"))
    except ImportError:
        pass
    for place in PLACES:
        path = os.path.join(place, name)
        if os.path.exists(path):
            return path
    sys.exit("make-solid-bar-scenes: %s not found (install python3-matplotlib)" % name)


def read_table():
    with open(sample_path(TABLE), newline="") as f:
        rows = list(csv.reader(f))
    header, body = rows[0], rows[1:]
    return header[1:], {int(r[0]): [float(v) for v in r[1:]] for r in body}


def read_prices():
    with open(sample_path(PRICES)) as f:
        rows = list(csv.DictReader(f))
    rows.sort(key=lambda r: datetime.datetime.strptime(r["Date"], "%d-%b-%y"))
    first = datetime.datetime.strptime(rows[0]["Date"], "%d-%b-%y")
    return first, [float(r["Close"]) for r in rows], [float(r["Volume"]) / 1e6 for r in rows]


def numbers(values, fmt="%.4g"):
    values = [fmt % v for v in values]
    return "\n".join("      " + " ".join(values[i:i + 12]) for i in range(0, len(values), 12))


def mesh(xs, sets, what):
    """An irregular one-dimensional mesh over xs with the named value sets (name, values)."""
    body = "".join("""      # set of scalars, index %d, binding per node
      "%s" # set name
%s
""" % (k, name, numbers(values)) for k, (name, values) in enumerate(sets))
    return """  PoIrregularMesh1D {
    fields [ PoSFIrregularMesh1D mesh ]
    mesh
      %d   # size
      # x coordinates of mesh nodes: %s
%s
      0   # number of string data-set
      %d   # number of scalar data-set
      0   # number of vector data-set
%s  }
""" % (len(xs), what, numbers(xs), len(sets), body)


def quaternion_product(a, b):
    x1, y1, z1, w1 = a
    x2, y2, z2, w2 = b
    return (w1 * x2 + x1 * w2 + y1 * z2 - z1 * y2, w1 * y2 - x1 * z2 + y1 * w2 + z1 * x2,
            w1 * z2 + x1 * y2 - y1 * x2 + z1 * w2, w1 * w2 - x1 * x2 - y1 * y2 - z1 * z2)


def camera(center, distance, azimuth, elevation, height_angle=0.5):
    """A perspective camera looking at center from distance, turned by azimuth about +Y and raised
    by elevation (radians), +Y staying up on screen."""
    ce, se = math.cos(elevation), math.sin(elevation)
    offset = (distance * math.sin(azimuth) * ce, distance * se, distance * math.cos(azimuth) * ce)
    position = tuple(c + o for c, o in zip(center, offset))
    qy = (0.0, math.sin(azimuth / 2), 0.0, math.cos(azimuth / 2))
    qx = (math.sin(-elevation / 2), 0.0, 0.0, math.cos(-elevation / 2))
    q = quaternion_product(qy, qx)
    angle = 2 * math.acos(max(-1.0, min(1.0, q[3])))
    s = math.sqrt(max(1e-12, 1 - q[3] * q[3]))
    return """  PerspectiveCamera {
    position %.4f %.4f %.4f
    orientation %.5f %.5f %.5f %.5f
    nearDistance %.4g
    farDistance %.4g
    heightAngle %g
  }
""" % (position + (q[0] / s, q[1] / s, q[2] / s, angle, distance * 0.2, distance * 3, height_angle))


LIGHT = "  DirectionalLight { direction -0.35 -0.55 -0.75 }\n"


def axes(x0, x1, y0, y1, x_title, y_title, back):
    """The two axes with their grids, pushed back behind the solids by back (scene units)."""
    return """  PoDomain { min %(x0)g %(y0)g 0  max %(x1)g %(y1)g 1 }
  Separator {
    LightModel { model BASE_COLOR }
    BaseColor { rgb 0.85 0.85 0.85 }
    PoNumericDisplayFormat { formatType INTEGER_FORMAT }
    Translation { translation 0 0 %(back)g }
    PoLinearAxis {
      start %(x0)g %(y0)g 0
      end %(x1)g
      type XY
      gridVisibility VISIBILITY_ON
      gridLengthGradOtherSide %(dy)g
      titleVisibility VISIBILITY_ON
      titleString "%(xt)s"
      mainGradGridApp AppearanceKit { material Material { diffuseColor 0.3 0.35 0.4 } }
    }
    PoLinearAxis {
      start %(x0)g %(y0)g 0
      end %(y1)g
      type YX
      gridVisibility VISIBILITY_ON
      gridLengthGradOtherSide %(dx)g
      titleVisibility VISIBILITY_ON
      titleString "%(yt)s"
      mainGradGridApp AppearanceKit { material Material { diffuseColor 0.3 0.35 0.4 } }
    }
  }
""" % {"x0": x0, "x1": x1, "y0": y0, "y1": y1, "dx": x1 - x0, "dy": y1 - y0, "xt": x_title, "yt": y_title,
       "back": back}


def colors(lo, hi):
    return "  PoLinearDataMapping { value1 %g color1 0.2 0.5 1  value2 %g color2 1 0.3 0.2 }\n" % (lo, hi)


def write(name, comment, source, body):
    path = os.path.join(SCENES, name)
    with open(path, "w") as f:
        f.write("#Inventor V2.1 ascii\n\n# %s\n"
                "# Written by scripts/make-solid-bar-scenes.py from matplotlib's sample data (%s).\n"
                "# Render with:  gridlux render examples/scenes/%s -o %s --size 640x480\n\nSeparator {\n%s}\n"
                % (comment, source, name, name.replace(".iv", ".png"), body))


def bar_scene(name, comment, years, values, field, top, chart, profile=""):
    x0, x1 = years[0] - 3.5, years[-1] + 3.5
    # Under the domain, y is drawn stretched to the x extent: the chart is a square of side x1 - x0.
    side = x1 - x0
    center = (0.5 * (x0 + x1), 0.53 * side, 0)
    # The grid stands just behind the bars (0.4 of the spacing of 5 years wide each way).
    body = (camera(center, 2.7 * side, 0.3, 0.12) + LIGHT
            + axes(x0, x1, 0, top, "year", "women in %s (%%)" % field, -2.5)
            + mesh(years, [("share", values), ("color", values)], "years")
            + colors(min(values), max(values)) + profile + chart)
    write(name, comment, TABLE, body)


def main():
    fields, table = read_table()
    years = [y for y in sorted(table) if y % 5 == 0]

    def column(field):
        k = fields.index(field)
        return [round(table[y][k], 2) for y in years]

    bar_scene("solid_bars_cylindrical.iv",
              "Share of women among the bachelor's degrees in computer science every five years from %d to %d, "
              "as cylinders from 0 coloured by the share." % (years[0], years[-1]),
              years, column("Computer Science"), "computer science", 40,
              "  PoCylindricalBar { colorBinding PER_PART }\n")
    bar_scene("solid_bars_conic.iv",
              "Share of women among the bachelor's degrees in engineering every five years, as cones standing "
              "on 0 with their apex at the share, coloured by it.",
              years, column("Engineering"), "engineering", 20,
              "  PoConicBar { colorBinding PER_PART }\n")
    bar_scene("solid_bars_profile.iv",
              "Share of women among the bachelor's degrees in the physical sciences every five years, as bars "
              "of a square profile from 0, coloured by the share.",
              years, column("Physical Sciences"), "physical sciences", 50,
              "  PoProfileBar { barSize 1.6  colorBinding PER_PART }\n",
              "  PoSquareProfile { size 2 }\n")
    bar_scene("solid_bars_generalized.iv",
              "Share of women among the bachelor's degrees in mathematics and statistics every five years, as "
              "elliptic bars narrowing to half their width at the share, coloured by it.",
              years, column("Math and Statistics"), "mathematics", 50,
              "  PoGeneralizedBar { topRatio 0.5  colorBinding PER_PART }\n",
              "  PoEllipticProfile { radiusX 1  radiusY 0.6 }\n")

    first, closes, volumes = read_prices()
    n = len(closes) - 1
    lo, hi = int(min(closes)) - 0.5, int(max(closes)) + 1
    start = first.strftime("%d %b %Y").lstrip("0")
    # The domain keeps x and stretches y to the x extent without moving its origin.
    center = (n / 2, 0.5 * (lo + hi) * n / (hi - lo), 0)
    body = (camera(center, 2.8 * n, 0.2, 0.12) + LIGHT
            + axes(0, n, lo, hi, "trading days from %s" % start, "MSFT close (USD)", -0.03 * n)
            + mesh(range(len(closes)), [("close", closes), ("volume", volumes)], "trading days")
            + colors(20, 90)
            + "  PoGeneralizedScatter {\n"
              "    markerShape SPHERE  markerSize 4  sizeValuesIndex 1  colorBinding PER_VERTEX\n  }\n")
    write("generalized_scatter.iv",
          "Daily closes as spheres whose diameter and colour follow the day's volume (millions), the largest "
          "on the busiest day.", PRICES, body)


if __name__ == "__main__":
    main()
