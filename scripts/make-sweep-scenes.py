#!/usr/bin/env python3
"""Writes the tube and ribbon scenes of Microsoft's daily closes of mid 2003 and the 3D curve scene of the
twisted cubic, from matplotlib's sample data (python3-matplotlib)."""
import math
import os

from msft_sample import frame, numbers, series

HERE = os.path.dirname(os.path.abspath(__file__))
SCENES = os.path.join(HERE, "..", "examples", "scenes")
CUBIC = "/usr/share/matplotlib/mpl-data/sample_data/data_x_x2_x3.csv"


def mesh(ordinates, colors, names=("close", "volume")):
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
      "%s" # set name
%s
      # set of scalars, index 1, binding per node
      "%s" # set name
%s
  }
""" % (len(ordinates), numbers(range(len(ordinates))), names[0], numbers(ordinates), names[1], numbers(colors))


VOLUME_COLORS = "  PoLinearDataMapping { value1 20 color1 0.2 0.5 1  value2 90 color2 1 0.3 0.2 }\n"


def quaternion_product(a, b):
    x1, y1, z1, w1 = a
    x2, y2, z2, w2 = b
    return (w1 * x2 + x1 * w2 + y1 * z2 - z1 * y2, w1 * y2 - x1 * z2 + y1 * w2 + z1 * x2,
            w1 * z2 + x1 * y2 - y1 * x2 + z1 * w2, w1 * w2 - x1 * x2 - y1 * y2 - z1 * z2)


def camera(center, distance, azimuth, elevation, height_angle=0.5, height=None):
    """A perspective camera looking at center from distance, turned by azimuth about +Y and raised
    by elevation (radians; negative looks up from below), +Y staying up on screen; an orthographic
    one of that height when given."""
    ce, se = math.cos(elevation), math.sin(elevation)
    offset = (distance * math.sin(azimuth) * ce, distance * se, distance * math.cos(azimuth) * ce)
    position = tuple(c + o for c, o in zip(center, offset))
    qy = (0.0, math.sin(azimuth / 2), 0.0, math.cos(azimuth / 2))
    qx = (math.sin(-elevation / 2), 0.0, 0.0, math.cos(-elevation / 2))
    q = quaternion_product(qy, qx)
    angle = 2 * math.acos(max(-1.0, min(1.0, q[3])))
    s = math.sqrt(max(1e-12, 1 - q[3] * q[3]))
    if height is not None:
        return """  OrthographicCamera {
    position %.4f %.4f %.4f
    orientation %.5f %.5f %.5f %.5f
    nearDistance %.4g
    farDistance %.4g
    height %g
  }
""" % (position + (q[0] / s, q[1] / s, q[2] / s, angle, distance * 0.2, distance * 3, height))
    return """  PerspectiveCamera {
    position %.4f %.4f %.4f
    orientation %.5f %.5f %.5f %.5f
    nearDistance %.4g
    farDistance %.4g
    heightAngle %g
  }
""" % (position + (q[0] / s, q[1] / s, q[2] / s, angle, distance * 0.2, distance * 3, height_angle))


def write(name, comment, body, source="msft.csv"):
    path = os.path.join(SCENES, name)
    with open(path, "w") as f:
        f.write("#Inventor V2.1 ascii\n\n# %s\n# Written by scripts/make-sweep-scenes.py from matplotlib's sample data (%s).\n"
                "# Render with:  gridlux render examples/scenes/%s -o %s --size 640x480\n\nSeparator {\n%s}\n"
                % (comment, source, name, name.replace(".iv", ".png"), body))


def main():
    first, closes, volumes = series()
    n = len(closes) - 1
    lo, hi = int(min(closes)) - 0.5, int(max(closes)) + 1
    # Under the domain, y is drawn stretched to the x extent: the chart is a square of side n.
    sy = n / (hi - lo)
    center = (n / 2, (lo + hi) / 2 * sy, 0)
    light = "  DirectionalLight { direction 0.3 -0.6 -0.75 }\n"

    write("tube_closes.iv", "Daily closes as a tube coloured by the day's volume (millions), the chart tilted back.",
          camera((center[0], center[1] - 0.06 * n, 0), 2.5 * n, 0.0, -0.55, height=1.35 * n) + light + frame(n, lo, hi, first, unlit=True) + mesh(closes, volumes) + VOLUME_COLORS
          + """  PoTube { tubeRadius 0.9  colorBinding PER_VERTEX }
""")

    write("ribbon_closes.iv", "Daily closes as a ribbon along the smooth curve sampled every quarter day, each band "
          "coloured by its day's volume (millions).",
          frame(n, lo, hi, first, unlit=True) + mesh(closes, volumes) + VOLUME_COLORS + """  PoMesh1DHints { geomInterpretation SMOOTH }
  PoPeriodFilter { period 0.25 }
  LightModel { model BASE_COLOR }
  PoRibbon { ribbonWidth 1.2  colorBinding PER_PART }
""")

    cubic()


def cubic():
    # matplotlib's sample table of x, x^2 and x^3: a twisted cubic, drawn in a cube by the domain.
    with open(CUBIC) as f:
        rows = [[float(v) for v in line.split()] for line in f if line.strip()]
    xs = [r[0] for r in rows]
    squares = [r[1] for r in rows]
    cubes = [r[2] for r in rows]
    top = (max(xs), max(squares), max(cubes))
    path = ",\n".join("        %g %g %g" % tuple(r) for r in rows)

    def series(ordinates, colors, names):
        return mesh(ordinates, colors, names).replace("trading days", "x").replace("\n  ", "\n    ").replace(
            "  PoIrregular", "    PoIrregular", 1)

    body = camera((top[0] * 0.5, top[0] * 0.45, top[0] * 0.5), 4.6 * top[0], 0.7, 0.45, 0.4) + \
        "  DirectionalLight { direction 0.3 -0.6 -0.75 }\n" + """  PoDomain { min 0 0 0  max %(x)g %(y)g %(z)g }
  Separator {
    LightModel { model BASE_COLOR }
    BaseColor { rgb 0.85 0.85 0.85 }
    PoGroup3Axis3 {
      start 0 0 0
      end %(x)g %(y)g %(z)g
      xTitle "x"
      yTitle "x^2"
      zTitle "x^3"
      xAxis PoLinearAxis { gradFontSize 0.05 titleFontSize 0.07 }
      yAxis PoLinearAxis { gradFontSize 0.05 titleFontSize 0.07 }
      zAxis PoLinearAxis { gradFontSize 0.05 titleFontSize 0.07 }
    }
  }
  Separator {
    LightModel { model BASE_COLOR }
    BaseColor { rgb 1 0.85 0.3 }
    DrawStyle { lineWidth 3 }
    PoCurve3 {
      curveRep SMOOTH
      point [
%(path)s ]
    }
  }
  Separator {
    # (x, x^2) on the back wall z = 0, coloured by x^3.
%(square)s    PoLinearDataMapping { value1 0 color1 0.2 0.5 1  value2 %(z)g color2 1 0.3 0.2 }
    PoMesh1DHints { geomInterpretation SMOOTH }
    PoPeriodFilter { period 0.1 }
    PoTube { tubeRadius 0.12  colorBinding PER_VERTEX }
  }
  Separator {
    # (x, x^3) laid from its own plane onto the floor y = 0, coloured by x^2.
    Transform { rotation 1 0 0 1.5708 }
    PoDomain { min 0 0 0  max %(x)g %(z)g 1 }
%(cube)s    PoLinearDataMapping { value1 0 color1 0.2 0.5 1  value2 %(y)g color2 1 0.3 0.2 }
    PoMesh1DHints { geomInterpretation SMOOTH }
    PoPeriodFilter { period 0.1 }
    PoRibbon { ribbonWidth 0.3  colorBinding PER_VERTEX }
  }
""" % {"x": top[0], "y": top[1], "z": top[2], "path": path, "square": series(squares, cubes, ("x^2", "x^3")),
       "cube": series(cubes, squares, ("x^3", "x^2"))}
    write("sweep_3d.iv", "The twisted cubic (x, x^2, x^3) of matplotlib's sample table as a smooth 3D curve through its "
          "11 points, with its shadows: (x, x^2) as a tube on the back wall, (x, x^3) as a ribbon on the floor.",
          body, "data_x_x2_x3.csv")


if __name__ == "__main__":
    main()
