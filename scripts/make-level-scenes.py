#!/usr/bin/env python3
"""Writes the level-surface and cross-section scenes on generated meshes into examples/scenes/.

The field is the density of two blobs joined by a neck (the same as level_surface.iv, which
samples it on a regular grid). Here it is sampled on a tetrahedron mesh made the way mesh
generators cut a box: each cube split into six tetrahedra around its main diagonal, half of them
listing their nodes in the mirrored order. The level surface must still face one way, so that
its smooth shading has no dark seams. The cross-section scenes cut the same field by a tilted
plane, on the regular grid and on a mesh mixing the four cell kinds.

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


DENSITY_MAPPING = """  PoNonLinearDataMapping2 {
    type LINEAR_PER_LEVEL
    value [ 0, 0.2, 0.45, 0.7, 1 ]
    color [ 0.27 0.0 0.33, 0.23 0.32 0.55, 0.13 0.57 0.55, 0.37 0.79 0.38, 0.99 0.91 0.14 ]
  }"""

# The plane of both sections: tilted about x and y, through the neck between the blobs.
SECTION_PLANE = "0.3 -0.25 0.92 0.02"

SECTION_CAMERA = """  PerspectiveCamera {
    position 1.2 -2.9 1.7
    orientation 0.9322 0.1852 0.311 1.1371
    nearDistance 0.5
    farDistance 10
    heightAngle 0.55
  }
  DirectionalLight { direction -0.3 0.6 -0.7 }"""


def grid_section_scene():
    nx, ny, nz = 25, 17, 17
    dens = []
    for i in range(nx):
        for j in range(ny):
            for k in range(nz):
                dens.append(density(coord(i, nx, BOX_MIN[0], BOX_MAX[0]), coord(j, ny, BOX_MIN[1], BOX_MAX[1]),
                                    coord(k, nz, BOX_MIN[2], BOX_MAX[2])))
    return f"""#Inventor V2.1 ascii

# A tilted plane cuts the two blobs of level_surface.iv on the same regular {nx} x {ny} x {nz}
# grid: the section is cut into flat bands of the density 0.1 apart (COLOR_CONTOURING), its outline
# on the grid's sides is drawn in white, and the level surface density = 0.2 stands around it,
# translucent. Written by scripts/make-level-scenes.py.

Separator {{
{SECTION_CAMERA}
  PoRegularCartesianGrid3D {{
    fields [ PoSFRegularCartesianGrid3D mesh ]
    mesh
      {nx} {ny} {nz}   # num_x, num_y, num_z
      {BOX_MIN[0]} {BOX_MIN[1]} {BOX_MIN[2]}   # x_min, y_min, z_min
      {BOX_MAX[0]} {BOX_MAX[1]} {BOX_MAX[2]}   # x_max, y_max, z_max
      0   # number of string data-set
      1   # number of scalar data-set
      0   # number of vector data-set
      # set of scalars, index 0, binding per node
      "density" # set name
{lines([fmt(v) for v in dens])}
  }}
{DENSITY_MAPPING}
  PoIsovaluesList {{
    isovaluesList [ 0, 0.1, 0.2, 0.3, 0.4, 0.5, 0.6, 0.7, 0.8, 0.9 ]
  }}
  PoMeshCrossSection {{
    plane {SECTION_PLANE}
    valuesIndex 0
    coloringType COLOR_CONTOURING
  }}
  Separator {{
    BaseColor {{ rgb 1 1 1 }}
    DrawStyle {{ lineWidth 3 }}
    PoMeshCrossContour {{
      plane {SECTION_PLANE}
    }}
  }}
  Separator {{
    Material {{ diffuseColor 0.85 0.85 0.88 transparency 0.65 }}
    PoMeshLevelSurf {{
      valuesIndexForLevel 0
      levelValue 0.2
    }}
  }}
}}
"""


def mixed_section_scene():
    # The cubes of a column along z are all of one kind, in turn: a hexahedron; two wedges over
    # the bottom face cut along its diagonal; or, around a node at the cube's centre, a pyramid
    # on each side face and two tetrahedra on the bottom and top faces.
    nx, ny, nz = 13, 9, 9
    nodes = []
    for i in range(nx):
        for j in range(ny):
            for k in range(nz):
                nodes.append((coord(i, nx, BOX_MIN[0], BOX_MAX[0]), coord(j, ny, BOX_MIN[1], BOX_MAX[1]),
                              coord(k, nz, BOX_MIN[2], BOX_MAX[2])))

    def node(i, j, k):
        return (i * ny + j) * nz + k

    types, cells = [], []

    def add(cell):
        types.append(len(cell))
        cells.extend(cell)

    for i in range(nx - 1):
        for j in range(ny - 1):
            for k in range(nz - 1):
                c = [node(i + (q & 1), j + (q >> 1 & 1), k + (q >> 2 & 1)) for q in range(8)]
                h = [c[q] for q in (0, 1, 3, 2, 4, 5, 7, 6)]
                kind = (i + j) % 3
                if kind == 0:
                    add(h)
                elif kind == 1:
                    add([c[0], c[1], c[3], c[4], c[5], c[7]])
                    add([c[0], c[3], c[2], c[4], c[7], c[6]])
                else:
                    centre = len(nodes)
                    a, b = nodes[c[0]], nodes[c[7]]
                    nodes.append(tuple((a[m] + b[m]) / 2 for m in range(3)))
                    for f in ((0, 3, 7, 4), (1, 5, 6, 2), (0, 4, 5, 1), (3, 2, 6, 7)):
                        add([h[f[0]], h[f[1]], h[f[2]], h[f[3]], centre])
                    for t in ((0, 1, 2), (0, 2, 3), (4, 7, 6), (4, 6, 5)):
                        add([h[t[0]], h[t[1]], h[t[2]], centre])
    dens = [density(*p) for p in nodes]
    counts = {n: types.count(n) for n in (4, 5, 6, 8)}
    return f"""#Inventor V2.1 ascii

# The same tilted plane as cross_section.iv cuts the two blobs sampled on an indexed mesh of
# {len(types)} cells of four kinds ({counts[8]} hexahedra, {counts[6]} wedges, {counts[5]} pyramids,
# {counts[4]} tetrahedra), meeting face to face over a {nx} x {ny} x {nz} lattice. The section is
# coloured smoothly by the density (COLOR_MAPPING); its outline on the mesh's skin is drawn in
# white, and a second, upright section shows the blobs across. Written by
# scripts/make-level-scenes.py.

Separator {{
{SECTION_CAMERA}
  PoIndexedMesh3D {{
    fields [ PoSFIndexedMesh3D mesh ]
    mesh
      {len(nodes)}   # num nodes
      # x coordinates of mesh nodes
{lines([fmt(p[0]) for p in nodes])}
      # y coordinates of mesh nodes
{lines([fmt(p[1]) for p in nodes])}
      # z coordinates of mesh nodes
{lines([fmt(p[2]) for p in nodes])}
      {len(types)}   # num cells
      # cell's type
{lines([str(t) for t in types], per_line=30)}
      # cell's indices
{lines([str(c) for c in cells], per_line=24)}
      0   # number of string data-set
      1   # number of scalar data-set
      0   # number of vector data-set
      # set of scalars, index 0, binding per node
      "density" # set name
{lines([fmt(v) for v in dens])}
  }}
{DENSITY_MAPPING}
  PoMeshCrossSection {{
    plane {SECTION_PLANE}
    valuesIndex 0
    coloringType COLOR_MAPPING
  }}
  PoMeshCrossSection {{
    plane 0 1 0 0.05
    valuesIndex 0
    coloringType COLOR_MAPPING
  }}
  Separator {{
    BaseColor {{ rgb 1 1 1 }}
    DrawStyle {{ lineWidth 3 }}
    PoMeshCrossContour {{
      plane {SECTION_PLANE}
    }}
    PoMeshCrossContour {{
      plane 0 1 0 0.05
    }}
  }}
}}
"""


def main():
    scenes = {
        "level_surface_tetrahedra.iv": tetrahedron_scene,
        "cross_section.iv": grid_section_scene,
        "cross_section_mixed.iv": mixed_section_scene,
    }
    for name, make in scenes.items():
        path = os.path.join(SCENES, name)
        with open(path, "w") as out:
            out.write(make())
        print("wrote", path)


if __name__ == "__main__":
    main()
