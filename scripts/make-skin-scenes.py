#!/usr/bin/env python3
"""Writes the skin scenes: a grid's skin coloured by a density, and the same box with a ball of cells cut out."""
import math
import os

HERE = os.path.dirname(os.path.abspath(__file__))
SCENES = os.path.join(HERE, "..", "examples", "scenes")
NX, NY, NZ = 17, 13, 11
LO, HI = (-1.2, -0.9, -0.75), (1.2, 0.9, 0.75)


def nodes():
    for i in range(NX):
        for j in range(NY):
            for k in range(NZ):
                yield [LO[a] + (HI[a] - LO[a]) * t / (n - 1) for a, t, n in ((0, i, NX), (1, j, NY), (2, k, NZ))]


def rows(values):
    values = ["%.4g" % v for v in values]
    return "\n".join("      " + " ".join(values[i:i + 15]) for i in range(0, len(values), 15))


def scene(comment, body):
    density = [math.exp(-((x - 0.4) ** 2 + y * y + z * z) * 1.5) for x, y, z in nodes()]
    radius = [math.sqrt(x * x + y * y + z * z) for x, y, z in nodes()]
    return """#Inventor V2.1 ascii

# %s Written by scripts/make-skin-scenes.py.

Separator {
  PerspectiveCamera {
    position 3.4 -4.6 3.6
    orientation 0.8535 0.3029 0.4241 1.2
    nearDistance 0.5
    farDistance 14
    heightAngle 0.6
  }
  DirectionalLight { direction -0.3 0.6 -0.7 }
  PoRegularCartesianGrid3D {
    fields [ PoSFRegularCartesianGrid3D mesh ]
    mesh
      %d %d %d   # num_x, num_y, num_z
      %g %g %g   # x_min, y_min, z_min
      %g %g %g   # x_max, y_max, z_max
      0   # number of string data-set
      2   # number of scalar data-set
      0   # number of vector data-set
      # set of scalars, index 0, binding per node
      "density" # set name
%s
      # set of scalars, index 1, binding per node
      "radius" # set name
%s
  }
  PoNonLinearDataMapping2 {
    type LINEAR_PER_LEVEL
    value [ 0, 0.25, 0.5, 0.75, 1 ]
    color [ 0.27 0.0 0.33, 0.23 0.32 0.55, 0.13 0.57 0.55, 0.37 0.79 0.38, 0.99 0.91 0.14 ]
  }
%s}
""" % (comment, NX, NY, NZ, LO[0], LO[1], LO[2], HI[0], HI[1], HI[2], rows(density), rows(radius), body)


with open(os.path.join(SCENES, "skin.iv"), "w") as f:
    f.write(scene("The skin of a 17 x 13 x 11 grid coloured by a density bump (per-node mapping).", """  PoMeshSkin {
    valuesIndex 0
    coloringType COLOR_MAPPING
  }
"""))
with open(os.path.join(SCENES, "skin_filtered.iv"), "w") as f:
    f.write(scene("The same box with the cells whose mean node radius is below 0.95 filtered out: the filtered\n# skin shows the ball-shaped hollow, cut open where the ball reaches the box's sides.",
                  """  PoIntervalCellFilter {
    min 0
    max 0.95
    in FALSE
  }
  PoMeshSkin {
    valuesIndex 0
    valuesIndexForCellFilter 1
    coloringType COLOR_MAPPING
  }
"""))
