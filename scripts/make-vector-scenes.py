#!/usr/bin/env python3
"""Writes the vector-field example scenes: arrows of a swirling 2D field over its filled speed
bands (vectors_2d.iv), arrows on a plane section of a 3D field (vectors_section.iv) and solid
arrows, cylinders and cones, on a coarse grid (vectors_solid.iv)."""
import math
import os

HERE = os.path.dirname(os.path.abspath(__file__))
SCENES = os.path.join(HERE, "..", "examples", "scenes")


def fmt(v):
    return f"{v:.4g}"


def value_lines(values, indent, per_line=15):
    return "\n".join(indent + " ".join(fmt(v) for v in values[i:i + per_line])
                     for i in range(0, len(values), per_line))


def swirl2d(x, y):
    """Two counter-turning vortices and a drift to the right."""
    u, v = 0.25, 0.0
    for cx, cy, turn in ((-1.3, 0.4, 1.0), (1.2, -0.5, -1.0)):
        dx, dy = x - cx, y - cy
        w = turn * 1.6 * math.exp(-(dx * dx + dy * dy) / 1.4)
        u, v = u - w * dy, v + w * dx
    return u, v


def value_sets(speeds, vecs, vector_name):
    """The mesh's tail: one scalar set of speeds and one vector set."""
    return (f"      0   # number of string data-set\n"
            f"      1   # number of scalar data-set\n"
            f"      1   # number of vector data-set\n"
            f"      # set of scalars, index 0, binding per node\n"
            f"      \"speed\" # set name\n"
            f"{value_lines(speeds, '      ')}\n"
            f"      # set of vectors, index 0\n"
            f"      \"{vector_name}\" # set name\n"
            f"{value_lines(vecs, '      ')}\n"
            f"  }}\n")


def grid2d(n, lo, hi):
    speeds, vecs = [], []
    for i in range(n):  # node (i, j) has index i * ny + j
        x = lo + (hi - lo) * i / (n - 1)
        for j in range(n):
            y = lo + (hi - lo) * j / (n - 1)
            u, v = swirl2d(x, y)
            speeds.append(math.hypot(u, v))
            vecs += [u, v, 0.0]
    return (f"  PoRegularCartesianGrid2D {{\n"
            f"    fields [ PoSFRegularCartesianGrid2D mesh ]\n"
            f"    mesh\n"
            f"      {n} {n}   # num_x, num_y\n"
            f"      {fmt(lo)} {fmt(lo)}   # x_min, y_min\n"
            f"      {fmt(hi)} {fmt(hi)}   # x_max, y_max\n"
            f"      0   # 2D mesh\n"
            + value_sets(speeds, vecs, "velocity"))


def field3d(x, y, z):
    """A vortex about the z axis that rises in its core and spreads above."""
    r2 = x * x + y * y
    core = math.exp(-r2 / 0.5)
    return (-y * (0.4 + core) + 0.3 * x * z, x * (0.4 + core) + 0.3 * y * z, 0.8 * core - 0.2)


def grid3d(n, lo, hi, name="velocity"):
    speeds, vecs = [], []
    for i in range(n):  # node (i, j, k) has index (i * ny + j) * nz + k
        x = lo + (hi - lo) * i / (n - 1)
        for j in range(n):
            y = lo + (hi - lo) * j / (n - 1)
            for k in range(n):
                z = lo + (hi - lo) * k / (n - 1)
                v = field3d(x, y, z)
                speeds.append(math.sqrt(sum(c * c for c in v)))
                vecs += list(v)
    return (f"  PoRegularCartesianGrid3D {{\n"
            f"    fields [ PoSFRegularCartesianGrid3D mesh ]\n"
            f"    mesh\n"
            f"      {n} {n} {n}   # num_x, num_y, num_z\n"
            f"      {fmt(lo)} {fmt(lo)} {fmt(lo)}   # x_min, y_min, z_min\n"
            f"      {fmt(hi)} {fmt(hi)} {fmt(hi)}   # x_max, y_max, z_max\n"
            + value_sets(speeds, vecs, name))


SPEED_MAPPING = """  PoNonLinearDataMapping2 {{
    type LINEAR_PER_LEVEL
    value [ {lo}, {a}, {b}, {c}, {hi} ]
    color [ 0.27 0.0 0.33, 0.23 0.32 0.55, 0.13 0.57 0.55, 0.37 0.79 0.38, 0.99 0.91 0.14 ]
  }}
"""


def speed_mapping(lo, hi):
    """The speed ramp from lo to hi."""
    steps = [lo + (hi - lo) * k / 4 for k in range(5)]
    return SPEED_MAPPING.format(lo=fmt(steps[0]), a=fmt(steps[1]), b=fmt(steps[2]), c=fmt(steps[3]), hi=fmt(steps[4]))


def write(name, text):
    with open(os.path.join(SCENES, name), "w") as f:
        f.write(text)


def vectors_2d():
    write("vectors_2d.iv", "#Inventor V2.1 ascii\n\n"
          "# Two counter-turning vortices in a drift to the right, on a regular 25 x 25 grid over\n"
          "# (-3, -3)-(3, 3): the speed is cut into bands 0.15 apart, and a dark arrow with a chevron\n"
          "# head stands on every node, 0.3 times its velocity long. Written by\n"
          "# scripts/make-vector-scenes.py.\n\n"
          "Separator {\n"
          "  OrthographicCamera {\n    position 0 0 10\n    height 6.6\n    nearDistance 1\n    farDistance 20\n  }\n"
          + grid2d(25, -3.0, 3.0) + speed_mapping(0, 1.2) +
          "  PoIsovaluesList {\n    isovaluesList [ 0, 0.15, 0.3, 0.45, 0.6, 0.75, 0.9, 1.05, 1.2 ]\n  }\n"
          "  Separator {\n    LightModel { model BASE_COLOR }\n"
          "    PoMeshFilled {\n      valuesIndex 0\n      coloringType COLOR_CONTOURING\n    }\n  }\n"
          "  Translation { translation 0 0 0.01 }\n"
          "  BaseColor { rgb 0.08 0.06 0.06 }\n"
          "  LightModel { model BASE_COLOR }\n"
          "  DrawStyle { lineWidth 1.5 }\n"
          "  PoMesh2DVec {\n    vecsIndex 0\n    bodyLengthFactor 0.3\n"
          "    endArrowHeightFactor 0.3\n    endArrowRadiusFactor 0.35\n  }\n"
          "}\n")


def vectors_section():
    write("vectors_section.iv", "#Inventor V2.1 ascii\n\n"
          "# A vortex about the z axis that rises in its core, on a regular 15 x 15 x 15 grid over\n"
          "# (-1, -1, -1)-(1, 1, 1), cut by the tilted plane of normal (0.2, -0.3, 0.93): an arrow on\n"
          "# every edge the plane crosses, 0.18 times the velocity long, coloured by the speed and\n"
          "# projected on the plane, above the dark section itself. Written by\n"
          "# scripts/make-vector-scenes.py.\n\n"
          "Separator {\n"
          + grid3d(15, -1.0, 1.0) + speed_mapping(0.1, 1.0) +
          "  Separator {\n    LightModel { model BASE_COLOR }\n    BaseColor { rgb 0.16 0.16 0.18 }\n"
          "    PoMeshCrossSection {\n      plane 0.2 -0.3 0.933 0\n    }\n  }\n"
          "  LightModel { model BASE_COLOR }\n"
          "  DrawStyle { lineWidth 2 }\n"
          "  Translation { translation 0.004 -0.006 0.0187 }\n"
          "  PoMesh3DVecCrossSection {\n    plane 0.2 -0.3 0.933 0\n    projectionType PROJECTION_ON_PLANE\n"
          "    vecsIndex 0\n    bodyLengthFactor 0.18\n    bodyColoringType MODULE_MAPPING_COLOR\n"
          "    endArrowColoringType MODULE_MAPPING_COLOR\n    endArrowShape TRIANGLE\n"
          "    endArrowHeightType CONSTANT_HEIGHT\n    endArrowHeightFactor 0.05\n    endArrowRadiusFactor 0.4\n  }\n"
          "}\n")


def vectors_solid():
    write("vectors_solid.iv", "#Inventor V2.1 ascii\n\n"
          "# The vortex of vectors_section.iv on a coarse regular 6 x 6 x 6 grid: every arrow a\n"
          "# cylinder with a cone at its tip, 0.25 times the velocity long, coloured by the speed. The\n"
          "# field shares one cylinder and one cone, placed per arrow. Written by\n"
          "# scripts/make-vector-scenes.py.\n\n"
          "Separator {\n"
          "  PerspectiveCamera {\n    position 0 0 5.5\n    nearDistance 1\n    farDistance 12\n    heightAngle 0.6\n  }\n"
          "  DirectionalLight { direction -0.3 -0.4 -0.8 }\n"
          "  Rotation { rotation 1 0 0 -0.9 }\n"
          + grid3d(5, -1.0, 1.0) + speed_mapping(0.1, 1.2) +
          "  PoMesh3DVec {\n    vecsIndex 0\n    bodyLengthFactor 0.4\n"
          "    bodyShape CYLINDER\n    bodyRadiusFactor 0.022\n    bodyColoringType MODULE_MAPPING_COLOR\n"
          "    endArrowShape CONE\n    endArrowHeightType CONSTANT_HEIGHT\n    endArrowHeightFactor 0.12\n"
          "    endArrowRadiusFactor 0.4\n    endArrowColoringType MODULE_MAPPING_COLOR\n  }\n"
          "}\n")


if __name__ == "__main__":
    vectors_2d()
    vectors_section()
    vectors_solid()
