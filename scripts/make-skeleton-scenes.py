#!/usr/bin/env python3
"""Writes the skeleton and cell-view scenes over hexahedron meshes: a bent slab's skeleton coloured by a
temperature, the slab's skin with its cell edges drawn on it, and one cell of a small block with its
edges, translucent facets and index labels."""
import math
import os

HERE = os.path.dirname(os.path.abspath(__file__))
SCENES = os.path.join(HERE, "..", "examples", "scenes")


def rows(values, per=12, fmt="%.4g"):
    values = [fmt % v for v in values]
    return "\n".join("      " + " ".join(values[i:i + per]) for i in range(0, len(values), per))


def look_at(eye, target, up=(0, 0, 1)):
    """The camera orientation (axis and angle) that looks from eye at target with up upwards."""
    def sub(a, b):
        return [a[i] - b[i] for i in range(3)]

    def cross(a, b):
        return [a[1] * b[2] - a[2] * b[1], a[2] * b[0] - a[0] * b[2], a[0] * b[1] - a[1] * b[0]]

    def unit(a):
        n = math.sqrt(sum(c * c for c in a))
        return [c / n for c in a]

    back = unit(sub(eye, target))
    right = unit(cross(up, back))
    upv = cross(back, right)
    # Columns right, up, back: the rotation taking the camera's axes to these.
    m = [[right[0], upv[0], back[0]], [right[1], upv[1], back[1]], [right[2], upv[2], back[2]]]
    trace = m[0][0] + m[1][1] + m[2][2]
    angle = math.acos(max(-1.0, min(1.0, (trace - 1) / 2)))
    if abs(angle) < 1e-9:
        return (0, 0, 1), 0.0
    if abs(angle - math.pi) < 1e-6:
        # Half a turn: the axis from the diagonal of m + I.
        k = max(range(3), key=lambda i: m[i][i])
        axis = [(m[i][k] + (1 if i == k else 0)) for i in range(3)]
        return unit(axis), angle
    axis = [m[2][1] - m[1][2], m[0][2] - m[2][0], m[1][0] - m[0][1]]
    return unit(axis), angle


def camera(eye, target, height_angle=0.6):
    axis, angle = look_at(eye, target)
    dist = math.sqrt(sum((eye[i] - target[i]) ** 2 for i in range(3)))
    return """  PerspectiveCamera {
    position %.4g %.4g %.4g
    orientation %.5f %.5f %.5f %.5f
    nearDistance %.3g
    farDistance %.3g
    focalDistance %.3g
    heightAngle %g
  }
""" % (eye[0], eye[1], eye[2], axis[0], axis[1], axis[2], angle, dist * 0.2, dist * 3, dist, height_angle)


def hexahedron_mesh(nodes, cells, sets):
    """A PoHexahedronMesh3D property node: nodes as (x, y, z), cells as 8 node indices, per-node sets."""
    text = """  PoHexahedronMesh3D {
    fields [ PoSFHexahedronMesh3D mesh ]
    mesh
      %d   # num nodes
      # x coordinates of mesh nodes
%s
      # y coordinates of mesh nodes
%s
      # z coordinates of mesh nodes
%s
      %d   # num cells
      # cell's indices
%s
      0   # number of string data-set
      %d   # number of scalar data-set
      0   # number of vector data-set
""" % (len(nodes), rows([p[0] for p in nodes]), rows([p[1] for p in nodes]), rows([p[2] for p in nodes]),
       len(cells), rows([n for c in cells for n in c], per=16, fmt="%d"), len(sets))
    for index, (name, values) in enumerate(sets):
        text += """      # set of scalars, index %d, binding per node
      "%s" # set name
%s
""" % (index, name, rows(values))
    return text + "  }\n"


def lattice_cells(ni, nj, nk, node):
    """The hexahedra of an ni x nj x nk node lattice, corners in the cell's local order."""
    cells = []
    for i in range(ni - 1):
        for j in range(nj - 1):
            for k in range(nk - 1):
                cells.append([node(i, j, k), node(i + 1, j, k), node(i + 1, j + 1, k), node(i, j + 1, k),
                              node(i, j, k + 1), node(i + 1, j, k + 1), node(i + 1, j + 1, k + 1),
                              node(i, j + 1, k + 1)])
    return cells


# A half ring slab: radius 1 to 1.6, half a turn, height 0.8, as 4 x 18 x 4 hexahedra.
NR, NT, NZ = 5, 19, 5


def slab():
    nodes, temperature = [], []
    for i in range(NR):
        for j in range(NT):
            for k in range(NZ):
                r = 1.0 + 0.6 * i / (NR - 1)
                t = math.pi * j / (NT - 1)
                z = 0.8 * k / (NZ - 1)
                nodes.append((r * math.cos(t), r * math.sin(t), z))
                temperature.append(0.5 + 0.5 * math.cos(1.5 * t) * (0.6 + 0.5 * z) * r / 1.6)
    cells = lattice_cells(NR, NT, NZ, lambda i, j, k: (i * NT + j) * NZ + k)
    return nodes, cells, temperature


MAPPING = """  PoNonLinearDataMapping2 {
    type LINEAR_PER_LEVEL
    value [ 0, 0.25, 0.5, 0.75, 1 ]
    color [ 0.23 0.3 0.75, 0.55 0.69 1.0, 0.87 0.87 0.87, 0.96 0.6 0.48, 0.71 0.02 0.15 ]
  }
"""


def write(name, comment, body):
    with open(os.path.join(SCENES, name), "w") as f:
        f.write("#Inventor V2.1 ascii\n\n# %s Written by scripts/make-skeleton-scenes.py.\n\nSeparator {\n%s}\n"
                % (comment, body))


nodes, cells, temperature = slab()
slab_mesh = hexahedron_mesh(nodes, cells, [("temperature", temperature)])
slab_camera = camera((2.2, -3.6, 3.0), (0.0, 0.55, 0.3))

write("skeleton.iv",
      "The skeleton of a half-ring slab of 4 x 18 x 4 hexahedra: the outlines of five planes across X,\n"
      "# three across Y and three across Z on its skin, coloured by a temperature (per-node mapping).",
      slab_camera + """  DirectionalLight { direction -0.3 0.6 -0.7 }
""" + slab_mesh + MAPPING + """  DrawStyle { lineWidth 3 }
  LightModel { model BASE_COLOR }
  PoMeshSkeleton {
    numXContour 5
    valuesIndex 0
    coloringType COLOR_MAPPING
  }
""")

write("skin_mesh_lines.iv",
      "The skin of the half-ring slab coloured by its temperature, with the cell edges of the skin drawn\n"
      "# on it: a second skin drawn as lines, the filled one pushed back by a polygon offset.",
      slab_camera + """  DirectionalLight { direction -0.3 0.6 -0.7 }
""" + slab_mesh + MAPPING + """  Separator {
    PolygonOffset { factor 1 units 1 }
    PoMeshSkin {
      valuesIndex 0
      coloringType COLOR_MAPPING
    }
  }
  Separator {
    DrawStyle { style LINES lineWidth 1 }
    LightModel { model BASE_COLOR }
    BaseColor { rgb 0.15 0.15 0.15 }
    PoMeshSkin { }
  }
""")

# A small block of 3 x 2 x 2 hexahedra, its top rising towards one corner.
BI, BJ, BK = 4, 3, 3
block_nodes = []
for i in range(BI):
    for j in range(BJ):
        for k in range(BK):
            block_nodes.append((i, j, k * (1 + 0.08 * i + 0.05 * j)))
block_cells = lattice_cells(BI, BJ, BK, lambda i, j, k: (i * BJ + j) * BK + k)
CELL = 7  # the cell at i = 1, j = 1, k = 1

write("cell_indices.iv",
      "Cell %d of a block of 3 x 2 x 2 hexahedra: its edges, its translucent facets and its index labels\n"
      "# (each node's local number and mesh index, the cell's index at its centre), over the block's skin\n"
      "# drawn as lines." % CELL,
      camera((6.6, -5.2, 5.6), (1.5, 1.0, 1.0), 0.55) + """  DirectionalLight { direction -0.3 0.6 -0.7 }
""" + hexahedron_mesh(block_nodes, block_cells, []) + """  Separator {
    DrawStyle { style LINES }
    LightModel { model BASE_COLOR }
    BaseColor { rgb 0.45 0.45 0.5 }
    PoMeshSkin { }
  }
  Separator {
    Material { diffuseColor 0.95 0.55 0.15 transparency 0.5 }
    PoCellFacets { cellIndex %d }
  }
  Separator {
    DrawStyle { lineWidth 3 }
    LightModel { model BASE_COLOR }
    BaseColor { rgb 1 1 1 }
    PoCellEdges { cellIndex %d }
  }
  # Drawn last and over everything: the labels inside the cell are not dimmed by its facets.
  Annotation {
    Font { name "DejaVu Sans" size 15 }
    LightModel { model BASE_COLOR }
    BaseColor { rgb 1 0.9 0.35 }
    PoCellIndices {
      cellIndex %d
      offset 0.35
      cellIndexApp AppearanceKit {
        material Material { diffuseColor 0.4 1 0.5 }
        font Font { name "DejaVu Sans:Bold" size 22 }
      }
    }
  }
""" % (CELL, CELL, CELL))
