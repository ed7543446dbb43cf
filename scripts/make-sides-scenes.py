#!/usr/bin/env python3
"""Writes the gallery scene of a terrain block (examples/scenes/mesh_sides_limit.iv).

The heights are matplotlib's sample elevation grid of the Jacksboro fault (jacksboro_fault_dem.npz,
344 x 403 heights in metres, from the python3-matplotlib package), one height in eight kept in each
direction. The scene shows the terrain filled with height bands, its mesh lines, the walls down to
a base plane under it and the boundary drawn along the top of the walls and on the base.
The .npz file is read here without numpy, so that only the package's data files are needed.

usage: scripts/make-sides-scenes.py [OUTPUT_DIR]   (default: examples/scenes of this tree)
"""

import ast
import glob
import os
import struct
import sys
import zipfile

FLOATS_PER_LINE = 15
STEP = 8
SAMPLE = "jacksboro_fault_dem.npz"


def fmt(value):
    text = "%.4g" % value
    return "0" if text in ("-0", "0") else text


def value_lines(values, indent="      "):
    lines = []
    for start in range(0, len(values), FLOATS_PER_LINE):
        lines.append(indent + " ".join(fmt(v) for v in values[start:start + FLOATS_PER_LINE]))
    return "\n".join(lines)


def find_sample():
    candidates = glob.glob("/usr/share/matplotlib/mpl-data/sample_data/" + SAMPLE)
    candidates += glob.glob("/usr/lib/python3/dist-packages/matplotlib/mpl-data/sample_data/" + SAMPLE)
    try:
        import matplotlib  # noqa: F401  (only to find its data folder)
        candidates.append(os.path.join(os.path.dirname(matplotlib.__file__), "mpl-data", "sample_data", SAMPLE))
    except ImportError:
        pass
    for path in candidates:
        if os.path.exists(path):
            return path
    sys.exit("make-sides-scenes: %s not found; install python3-matplotlib (scripts/install-deps.sh)" % SAMPLE)


def read_npy(archive, name):
    """The shape and flat values of one little-endian .npy array of the archive."""
    data = archive.read(name)
    if data[:6] != b"\x93NUMPY":
        sys.exit("make-sides-scenes: %s is not an array file" % name)
    major = data[6]
    if major == 1:
        length = struct.unpack("<H", data[8:10])[0]
        start = 10
    else:
        length = struct.unpack("<I", data[8:12])[0]
        start = 12
    header = ast.literal_eval(data[start:start + length].decode("latin1"))
    if header["fortran_order"]:
        sys.exit("make-sides-scenes: %s is in column order" % name)
    codes = {"<i2": "h", "<f8": "d", "<f4": "f", "<i4": "i"}
    code = codes[header["descr"]]
    body = data[start + length:]
    count = len(body) // struct.calcsize(code)
    return header["shape"], struct.unpack("<%d%s" % (count, code), body)


def look_at(eye, target, up=(0.0, 0.0, 1.0)):
    """The camera orientation (axis x y z, angle) that looks from eye to target with up above."""
    import math
    f = [t - e for t, e in zip(target, eye)]
    n = math.sqrt(sum(v * v for v in f))
    f = [v / n for v in f]
    r = [f[1] * up[2] - f[2] * up[1], f[2] * up[0] - f[0] * up[2], f[0] * up[1] - f[1] * up[0]]
    n = math.sqrt(sum(v * v for v in r))
    r = [v / n for v in r]
    u = [r[1] * f[2] - r[2] * f[1], r[2] * f[0] - r[0] * f[2], r[0] * f[1] - r[1] * f[0]]
    b = [-v for v in f]
    # Columns right, up, back: the rotation from camera axes to the world.
    m = [[r[0], u[0], b[0]], [r[1], u[1], b[1]], [r[2], u[2], b[2]]]
    angle = math.acos(max(-1.0, min(1.0, (m[0][0] + m[1][1] + m[2][2] - 1) / 2)))
    axis = [m[2][1] - m[1][2], m[0][2] - m[2][0], m[1][0] - m[0][1]]
    n = math.sqrt(sum(v * v for v in axis)) or 1.0
    return " ".join(fmt(v / n) for v in axis) + " " + fmt(angle)


def terrain_scene(path):
    archive = zipfile.ZipFile(path)
    (rows, columns), heights = read_npy(archive, "elevation.npy")
    # Row 0 is the north edge; grid index j runs from south to north.
    kept_columns = list(range(0, columns, STEP))
    kept_rows = list(range(0, rows, STEP))
    num_x, num_y = len(kept_columns), len(kept_rows)
    low, high = min(heights), max(heights)
    width = 4.0
    depth = width * (kept_rows[-1]) / kept_columns[-1]
    metres, lifted = [], []
    # Nodes in grid order: x index i outer, y index j inner.
    for c in kept_columns:
        for r in reversed(kept_rows):
            h = heights[r * columns + c]
            metres.append(float(h))
            lifted.append(0.3 + 0.55 * (h - low) / (high - low))
    levels = list(range(250, 1100, 50))
    eye = (3.4, -5.0, 4.3)
    orientation = look_at(eye, (0.0, 0.1, 0.35))
    return f"""#Inventor V2.1 ascii

# A terrain block: the Jacksboro fault elevation sample of matplotlib (344 x 403 heights from
# {low} to {high} m), one height in eight kept, on a regular {num_x} x {num_y} grid over
# ({fmt(-width / 2)}, {fmt(-depth / 2)})-({fmt(width / 2)}, {fmt(depth / 2)}). Value set 0 lifts
# the nodes (0.3 to 0.85 above the base plane z = 0), set 1 holds the metres that colour the
# surface in bands 50 m apart. The sides wall the block from its boundary down to the base;
# the limit draws the boundary along the top of the walls, and thin mesh lines sit on the
# surface. Written by scripts/make-sides-scenes.py.


Separator {{
  PerspectiveCamera {{
    position {" ".join(fmt(v) for v in eye)}
    orientation {orientation}
    nearDistance 1
    farDistance 20
    heightAngle 0.62
  }}
  DirectionalLight {{ direction -0.4 0.6 -0.7 }}
  DirectionalLight {{ direction 0.5 0.3 -0.4 intensity 0.35 }}
  PoRegularCartesianGrid2D {{
    fields [ PoSFRegularCartesianGrid2D mesh ]
    mesh
      {num_x} {num_y}   # num_x, num_y
      {fmt(-width / 2)} {fmt(-depth / 2)}   # x_min, y_min
      {fmt(width / 2)} {fmt(depth / 2)}   # x_max, y_max
      0   # 2D mesh
      0   # number of string data-set
      2   # number of scalar data-set
      0   # number of vector data-set
      # set of scalars, index 0, binding per node
      "lifted height" # set name
{value_lines(lifted)}
      # set of scalars, index 1, binding per node
      "elevation (m)" # set name
{value_lines(metres)}
  }}
  # The thresholds colour the heights past the ramp's ends (the bands below the first level).
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
    valuesIndex 1
    zValuesIndex 0
    coloringType COLOR_CONTOURING
  }}
  Separator {{
    Translation {{ translation 0 0 0.004 }}
    LightModel {{ model BASE_COLOR }}
    BaseColor {{ rgb 0.3 0.27 0.22 }}
    DrawStyle {{ lineWidth 1 }}
    PoMeshLines {{
      zValuesIndex 0
    }}
  }}
  PoMeshSides {{
    zValuesIndex 0
    thresholdType THRESHOLD_VALUE
    thresholdValue 0
    appearance AppearanceKit {{
      material Material {{ diffuseColor 0.55 0.45 0.36 }}
    }}
  }}
  Separator {{
    LightModel {{ model BASE_COLOR }}
    BaseColor {{ rgb 0.1 0.08 0.07 }}
    DrawStyle {{ lineWidth 2.5 }}
    PoMeshLimit {{
      zValuesIndex 0
    }}
    PoMeshLimit {{
    }}
  }}
}}
"""


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    out = sys.argv[1] if len(sys.argv) > 1 else os.path.join(here, "..", "examples", "scenes")
    os.makedirs(out, exist_ok=True)
    target = os.path.join(out, "mesh_sides_limit.iv")
    with open(target, "w") as f:
        f.write(terrain_scene(find_sample()))
    print("wrote", target)


if __name__ == "__main__":
    main()
