#!/usr/bin/env python3
"""Writes the gallery scene of arrows annotating filled contours (examples/scenes/arrows_terrain.iv).

The heights are matplotlib's sample elevation grid of the Jacksboro fault (jacksboro_fault_dem.npz,
from the python3-matplotlib package), one height in eight kept in each direction, seen from above
as height bands. Arrows point at the highest and the lowest kept node, each from a label that
gives the height there. The sample is found and read by scripts/make-sides-scenes.py's helpers.

usage: scripts/make-arrow-scenes.py [OUTPUT_DIR]   (default: examples/scenes of this tree)
"""

import importlib.util
import math
import os
import sys
import zipfile

HERE = os.path.dirname(os.path.abspath(__file__))


def sides_helpers():
    """scripts/make-sides-scenes.py as a module (its name is not importable as it stands)."""
    source = importlib.util.spec_from_file_location("make_sides_scenes",
                                                  os.path.join(HERE, "make-sides-scenes.py"))
    module = importlib.util.module_from_spec(source)
    source.loader.exec_module(module)
    return module


def arrow_from(label_at, target, gap):
    """Start and end of an arrow from near a label towards a target, stopping gap short of it."""
    dx, dy = target[0] - label_at[0], target[1] - label_at[1]
    n = math.hypot(dx, dy)
    return label_at, (target[0] - dx / n * gap, target[1] - dy / n * gap)


def terrain_scene(sides, path):
    fmt, value_lines = sides.fmt, sides.value_lines
    (rows, columns), heights = sides.read_npy(zipfile.ZipFile(path), "elevation.npy")
    kept_columns = list(range(0, columns, sides.STEP))
    kept_rows = list(range(0, rows, sides.STEP))
    num_x, num_y = len(kept_columns), len(kept_rows)
    width = 4.0
    depth = width * kept_rows[-1] / kept_columns[-1]
    x0, y0 = -width / 2, -depth / 2
    dx, dy = width / (num_x - 1), depth / (num_y - 1)
    # Nodes in grid order (x index outer, y inner); row 0 of the sample is the north edge.
    metres, places = [], []
    for i, c in enumerate(kept_columns):
        for j, r in enumerate(reversed(kept_rows)):
            metres.append(float(heights[r * columns + c]))
            places.append((x0 + i * dx, y0 + j * dy))
    top = max(range(len(metres)), key=lambda k: metres[k])
    bottom = min(range(len(metres)), key=lambda k: metres[k])
    levels = list(range(250, 1100, 50))

    def annotate(k, label, side):
        px, py = places[k]
        # The label sits off the terrain's edge nearest the point, on the given side.
        lx = side * (width / 2 + 0.45)
        ly = max(min(py + 0.5, depth / 2 - 0.2), -depth / 2 + 0.2)
        start, end = arrow_from((lx - side * 0.05, ly), (px, py), 0.04)
        just = "LEFT" if side > 0 else "RIGHT"
        return start, end, (lx, ly + 0.12), label % metres[k], just

    high = annotate(top, "highest, %d m", 1 if places[top][0] > 0 else -1)
    low = annotate(bottom, "lowest, %d m", 1 if places[bottom][0] > 0 else -1)
    if high[0][0] * low[0][0] > 0 and abs(high[0][1] - low[0][1]) < 0.5:
        # Both labels on one side and close: move the lowest one down.
        sx, sy = low[0]
        low = annotate(bottom, "lowest, %d m", 1 if sx > 0 else -1)
        low = ((sx, sy - 0.8),) + low[1:2] + ((low[2][0], sy - 0.68),) + low[3:]
        low = (low[0], arrow_from(low[0], places[bottom], 0.04)[1]) + low[2:]

    def arrow(a, shape):
        (sx, sy), (ex, ey) = a[0], a[1]
        # Heads are fractions of the arrow's length: the same drawn size on arrows of any length.
        length = math.hypot(ex - sx, ey - sy)
        return f"""    PoArrow {{
      startPoint {fmt(sx)} {fmt(sy)}
      endPoint {fmt(ex)} {fmt(ey)}
      headLength {fmt(0.2 / length)}
      headWidth {fmt(0.12 / length)}
      endShape {shape}
    }}
"""

    def label(a):
        (lx, ly), text, just = a[2], a[3], a[4]
        return f"""    PoLabelField {{
      point [ {fmt(lx)} {fmt(ly)} ]
      string [ "{text}" ]
      value [ ]
      fontSize 0.14
      justification {just}
      verticalJustification HALF
    }}
"""

    return f"""#Inventor V2.1 ascii

# Arrows annotating filled contours: the Jacksboro fault elevation sample of matplotlib, seen from
# above in bands 50 m apart, with an arrow to the highest point ({metres[top]:.0f} m) and one to the
# lowest ({metres[bottom]:.0f} m) of the {num_x} x {num_y} heights kept (one in eight each way).
# Written by scripts/make-arrow-scenes.py.
# Render with:  gridlux render examples/scenes/arrows_terrain.iv -o arrows_terrain.png --size 640x480


Separator {{
  OrthographicCamera {{
    position 0 0 10
    height {fmt((width + 3.4) * 0.75)}
    nearDistance 1
    farDistance 20
  }}
  LightModel {{ model BASE_COLOR }}
  PoRegularCartesianGrid2D {{
    fields [ PoSFRegularCartesianGrid2D mesh ]
    mesh
      {num_x} {num_y}   # num_x, num_y
      {fmt(x0)} {fmt(y0)}   # x_min, y_min
      {fmt(-x0)} {fmt(-y0)}   # x_max, y_max
      0   # 2D mesh
      0   # number of string data-set
      1   # number of scalar data-set
      0   # number of vector data-set
      # set of scalars, index 0, binding per node
      "elevation (m)" # set name
{value_lines(metres)}
  }}
  PoNonLinearDataMapping2 {{
    minThresholdEnabled TRUE
    minThreshold 200
    minThresholdColor 0.16 0.42 0.22
    maxThresholdEnabled TRUE
    maxThreshold 1080
    maxThresholdColor 0.95 0.93 0.9
    type LINEAR_PER_LEVEL
    value [ 200, 450, 650, 850, 1080 ]
    color [ 0.16 0.42 0.22, 0.53 0.68 0.33, 0.9 0.85 0.55, 0.72 0.5 0.3, 0.95 0.93 0.9 ]
  }}
  PoIsovaluesList {{
    isovaluesList [ {", ".join(str(v) for v in levels)} ]
  }}
  PoMeshFilled {{
    valuesIndex 0
    coloringType COLOR_CONTOURING
  }}
  Separator {{
    Translation {{ translation 0 0 0.01 }}
    BaseColor {{ rgb 1 0.95 0.4 }}
    DrawStyle {{ lineWidth 2.5 }}
{arrow(high, "TRIANGLE")}{arrow(low, "CHEVRON")}  }}
  Separator {{
    BaseColor {{ rgb 0.95 0.95 0.95 }}
{label(high)}{label(low)}  }}
}}
"""


def main():
    sides = sides_helpers()
    out = sys.argv[1] if len(sys.argv) > 1 else os.path.join(HERE, "..", "examples", "scenes")
    os.makedirs(out, exist_ok=True)
    target = os.path.join(out, "arrows_terrain.iv")
    with open(target, "w") as f:
        f.write(terrain_scene(sides, sides.find_sample()))
    print("wrote", target)


if __name__ == "__main__":
    main()
