#!/usr/bin/env python3
"""Writes the level-surface scenes on unstructured meshes into examples/scenes/.

The field is the density of two blobs joined by a neck (the same as level_surface.iv, which
samples it on a regular grid). Here it is sampled on a tetrahedron mesh made the way mesh
generators cut a box: each cube split into six tetrahedra around its main diagonal, half of them
listing their nodes in the mirrored order. The level surface must still face one way, so that
its smooth shading has no dark seams.

    python3 scripts/make-level-scenes.py
"""
import math
import os

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
SCENES = os.path.join(ROOT, "examples", "scenes")

NX, NY, NZ = 19, 13, 13
BOX_MIN = (-1.2, -0.8, -0.8)
BOX_MAX = (1.2, 0.8, 0.8)


def fmt(value):
    text = f"{value:.3g}"
    return "0" if text == "-0" else text


def lines(values, indent="      ", per_line=15):
    out = []
    for start in range(0, len(values), per_line):
        out.append(indent + " ".join(values[start:start + per_line]))
    return "\n".join(out)


def density(x, y, z):
    a = math.exp(-((x + 0.5) ** 2 + y ** 2 + z ** 2) / 0.16)
    b = 0.8 * math.exp(-((x - 0.55) ** 2 + (y - 0.1) ** 2 + (z + 0.1) ** 2) / 0.12)
    return a + b


def coord(i, n, lo, hi):
    return lo + (hi - lo) * i / (n - 1)


def tetrahedron_scene():
    nodes = []
    for i in range(NX):
        for j in range(NY):
            for k in range(NZ):
                nodes.append((coord(i, NX, BOX_MIN[0], BOX_MAX[0]), coord(j, NY, BOX_MIN[1], BOX_MAX[1]),
                              coord(k, NZ, BOX_MIN[2], BOX_MAX[2])))

    def node(i, j, k):
        return (i * NY + j) * NZ + k

    # Six tetrahedra around the diagonal from corner 0 to corner 7 of each cube, corner q being
    # (i + (q & 1), j + (q >> 1 & 1), k + (q >> 2 & 1)); no node order is corrected.
    paths = [(1, 2), (2, 1), (1, 4), (4, 1), (2, 4), (4, 2)]
    cells = []
    for i in range(NX - 1):
        for j in range(NY - 1):
            for k in range(NZ - 1):
                corner = [node(i + (q & 1), j + (q >> 1 & 1), k + (q >> 2 & 1)) for q in range(8)]
                for a, b in paths:
                    cells.extend([corner[0], corner[a], corner[a + b], corner[7]])

    dens = [density(*p) for p in nodes]
    temperature = [p[2] + 0.35 * p[0] for p in nodes]
    return f"""#Inventor V2.1 ascii

# Level surface density = 0.2 of two blobs joined by a neck (see level_surface.iv), on a
# tetrahedron mesh of {len(cells) // 4} cells: each cube of a {NX} x {NY} x {NZ} lattice over
# {BOX_MIN}-{BOX_MAX} is split into six tetrahedra around its main diagonal, and half of them
# list their nodes in the mirrored order, as mesh generators write them. Each cut cell's own
# node order decides which way its triangles turn, so the surface faces one way throughout and
# shades smoothly. Coloured by a "temperature" z + 0.35 x through the same ramp.
# Written by scripts/make-level-scenes.py.

Separator {{
  PerspectiveCamera {{
    position 1.2 -2.9 1.7
    orientation 0.9322 0.1852 0.311 1.1371
    nearDistance 0.5
    farDistance 10
    heightAngle 0.55
  }}
  DirectionalLight {{ direction -0.3 0.6 -0.7 }}
  PoTetrahedronMesh3D {{
    fields [ PoSFTetrahedronMesh3D mesh ]
    mesh
      {len(nodes)}   # num nodes
      # x coordinates of mesh nodes
{lines([fmt(p[0]) for p in nodes])}
      # y coordinates of mesh nodes
{lines([fmt(p[1]) for p in nodes])}
      # z coordinates of mesh nodes
{lines([fmt(p[2]) for p in nodes])}
      {len(cells) // 4}   # num cells
      # cell's indices
{lines([str(c) for c in cells], per_line=24)}
      0   # number of string data-set
      2   # number of scalar data-set
      0   # number of vector data-set
      # set of scalars, index 0, binding per node
      "density" # set name
{lines([fmt(v) for v in dens])}
      # set of scalars, index 1, binding per node
      "temperature" # set name
{lines([fmt(v) for v in temperature])}
  }}
  PoNonLinearDataMapping2 {{
    minThresholdEnabled TRUE
    minThreshold -1
    minThresholdColor 0.17 0.21 0.58
    maxThresholdEnabled TRUE
    maxThreshold 1
    maxThresholdColor 0.62 0.02 0.13
    type LINEAR_PER_LEVEL
    value [ -1, -0.5, 0, 0.5, 1 ]
    color [ 0.17 0.21 0.58, 0.38 0.62 0.82, 0.96 0.96 0.72, 0.97 0.55 0.25, 0.62 0.02 0.13 ]
  }}
  PoMeshLevelSurf {{
    valuesIndexForLevel 0
    levelValue 0.2
    valuesIndex 1
    coloringType COLOR_MAPPING
  }}
}}
"""


def main():
    path = os.path.join(SCENES, "level_surface_tetrahedra.iv")
    with open(path, "w") as out:
        out.write(tetrahedron_scene())
    print("wrote", path)


if __name__ == "__main__":
    main()
