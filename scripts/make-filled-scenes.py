#!/usr/bin/env python3
"""Writes the gallery scenes of filled contour bands (examples/scenes/filled_*.iv).

The node values are sampled from closed-form fields, and the irregular triangle mesh is
triangulated here (Delaunay, Bowyer-Watson) so that the scene file carries its own triangles.
Everything is deterministic: rerunning the script rewrites the same files.

usage: scripts/make-filled-scenes.py [OUTPUT_DIR]   (default: examples/scenes of this tree)
"""

import math
import os
import random
import sys

FLOATS_PER_LINE = 15


def fmt(value):
    text = "%.4g" % value
    return "0" if text in ("-0", "0") else text


def value_lines(values, indent="      "):
    lines = []
    for start in range(0, len(values), FLOATS_PER_LINE):
        lines.append(indent + " ".join(fmt(v) for v in values[start:start + FLOATS_PER_LINE]))
    return "\n".join(lines)


def gauss(dx, dy, s):
    return math.exp(-(dx * dx + dy * dy) / (2.0 * s * s))


# Two hills and two hollows set crosswise, so that a saddle sits between them, on a slight slope.
def terrain(x, y):
    return (1.25 * gauss(x - 1.2, y - 1.0, 0.85)
            - 1.1 * gauss(x + 1.1, y + 1.0, 0.8)
            + 0.75 * gauss(x + 1.3, y - 1.5, 0.6)
            - 0.6 * gauss(x - 1.5, y + 1.5, 0.65)
            + 0.06 * x + 0.04 * y)


# A field on the annulus: three lobes turning with the radius, and a bump on one side.
def annulus_field(r, t):
    x, y = r * math.cos(t), r * math.sin(t)
    return (math.sin(math.pi * (r - 0.5) / 1.5) * math.cos(3.0 * t - 1.2 * r)
            + 0.45 * gauss(x - 0.2, y + 1.3, 0.45))


# A field on the triangle mesh: waves running across it, a peak on one crest and a pit in one
# trough; scaled to stay inside the isovalues, so that the band texture never clamps a node.
def scattered_field(x, y):
    return (0.55 * math.sin(1.6 * x + 0.8 * y)
            + 0.6 * gauss(x - 0.9, y + 0.2, 0.45)
            - 0.5 * gauss(x + 1.0, y - 0.5, 0.55)) / 1.3


def delaunay(points):
    """Bowyer-Watson triangulation; returns counter-clockwise index triples."""
    xs = [p[0] for p in points]
    ys = [p[1] for p in points]
    cx, cy = (min(xs) + max(xs)) / 2, (min(ys) + max(ys)) / 2
    span = max(max(xs) - min(xs), max(ys) - min(ys)) * 20
    pts = list(points) + [(cx - span, cy - span), (cx + span, cy - span), (cx, cy + span)]
    n = len(points)
    super_tri = (n, n + 1, n + 2)

    def circle(tri):
        (ax, ay), (bx, by), (qx, qy) = (pts[i] for i in tri)
        d = 2 * (ax * (by - qy) + bx * (qy - ay) + qx * (ay - by))
        ux = ((ax * ax + ay * ay) * (by - qy) + (bx * bx + by * by) * (qy - ay)
              + (qx * qx + qy * qy) * (ay - by)) / d
        uy = ((ax * ax + ay * ay) * (qx - bx) + (bx * bx + by * by) * (ax - qx)
              + (qx * qx + qy * qy) * (bx - ax)) / d
        return ux, uy, (ax - ux) ** 2 + (ay - uy) ** 2

    triangles = {super_tri: circle(super_tri)}
    for index in range(n):
        px, py = pts[index]
        bad = [t for t, (ux, uy, r2) in triangles.items() if (px - ux) ** 2 + (py - uy) ** 2 < r2]
        edges = {}
        for t in bad:
            for e in ((t[0], t[1]), (t[1], t[2]), (t[2], t[0])):
                key = tuple(sorted(e))
                edges[key] = None if key in edges else e
            del triangles[t]
        for e in edges.values():
            if e is None:
                continue
            tri = (e[0], e[1], index)
            triangles[tri] = circle(tri)

    result = []
    for tri in triangles:
        if any(i >= n for i in tri):
            continue
        (ax, ay), (bx, by), (qx, qy) = (pts[i] for i in tri)
        if (bx - ax) * (qy - ay) - (by - ay) * (qx - ax) < 0:
            tri = (tri[0], tri[2], tri[1])
        result.append(tri)
    result.sort()
    return result


def scattered_points():
    """Nodes of an ellipse: its rim, then jittered interior points kept apart from each other."""
    rng = random.Random(20240611)
    a, b = 2.4, 1.6
    points = []
    rim = 64
    for k in range(rim):
        t = 2 * math.pi * k / rim
        points.append((a * math.cos(t), b * math.sin(t)))
    min_dist2 = 0.23 ** 2
    attempts = 0
    while attempts < 20000:
        attempts += 1
        x, y = rng.uniform(-a, a), rng.uniform(-b, b)
        if (x / a) ** 2 + (y / b) ** 2 > 0.93:
            continue
        if all((x - px) ** 2 + (y - py) ** 2 >= min_dist2 for px, py in points):
            points.append((x, y))
    return [(round(x, 4), round(y, 4)) for x, y in points]


HEADER = "#Inventor V2.1 ascii\n\n"

# One colour ramp for the three scenes: deep blue, sky, pale yellow, orange, dark red.
RAMP_COLORS = ["0.17 0.21 0.58", "0.38 0.62 0.82", "0.96 0.96 0.72", "0.97 0.55 0.25", "0.62 0.02 0.13"]


def ramp(values, indent="  "):
    # The ramp is linear per level and would extrapolate past its end levels, saturating each
    # component on its own (to black, for this ramp, far below). The thresholds hold the end
    # colours instead, so that the region below the first isovalue, whose colour is the one of
    # the far low end, keeps the ramp's deep blue.
    return (f"{indent}# The thresholds hold the end colours: past its end levels the ramp would extrapolate,\n"
            f"{indent}# and the region below the first isovalue takes the colour of the far low end.\n"
            f"{indent}PoNonLinearDataMapping2 {{\n"
            f"{indent}  minThresholdEnabled TRUE\n"
            f"{indent}  minThreshold {fmt(values[0])}\n"
            f"{indent}  minThresholdColor {RAMP_COLORS[0]}\n"
            f"{indent}  maxThresholdEnabled TRUE\n"
            f"{indent}  maxThreshold {fmt(values[-1])}\n"
            f"{indent}  maxThresholdColor {RAMP_COLORS[-1]}\n"
            f"{indent}  type LINEAR_PER_LEVEL\n"
            f"{indent}  value [ {', '.join(fmt(v) for v in values)} ]\n"
            f"{indent}  color [ {', '.join(RAMP_COLORS)} ]\n"
            f"{indent}}}\n")


def terrain_grid(n, scale=1.0, name="height", indent="  "):
    """The terrain sampled on a regular n x n grid over (-3, -3)-(3, 3), times scale."""
    lo, hi = -3.0, 3.0
    values = []
    for i in range(n):  # node (i, j) has index i * ny + j
        x = lo + (hi - lo) * i / (n - 1)
        for j in range(n):
            y = lo + (hi - lo) * j / (n - 1)
            values.append(scale * terrain(x, y))
    text = (f"{indent}PoRegularCartesianGrid2D {{\n"
            f"{indent}  fields [ PoSFRegularCartesianGrid2D mesh ]\n"
            f"{indent}  mesh\n"
            f"{indent}    {n} {n}   # num_x, num_y\n"
            f"{indent}    {fmt(lo)} {fmt(lo)}   # x_min, y_min\n"
            f"{indent}    {fmt(hi)} {fmt(hi)}   # x_max, y_max\n"
            f"{indent}    0   # 2D mesh\n"
            f"{indent}    0   # number of string data-set\n"
            f"{indent}    1   # number of scalar data-set\n"
            f"{indent}    0   # number of vector data-set\n"
            f"{indent}    # set of scalars, index 0, binding per node\n"
            f"{indent}    \"{name}\" # set name\n"
            f"{value_lines(values, indent + '    ')}\n"
            f"{indent}}}\n")
    return text, values


# The contour lines of the terrain scenes: dark, every second one major and labelled.
CONTOUR_LINES = """  Translation {{ translation 0 0 0.01 }}
  BaseColor {{ rgb 0.12 0.1 0.1 }}
  LightModel {{ model BASE_COLOR }}
  PoMeshContouring {{
    valuesIndex 0
    coloringType COLOR_INHERITED
    majorPeriod 2
    firstMajor 2
    annotIsVisible TRUE
    annotIsBackground TRUE
    annotFontSize {font}
    annotGap 0.45
    majorContourLineApp AppearanceKit {{
      drawStyle DrawStyle {{ lineWidth 2.5 }}
    }}
    minorContourLineApp AppearanceKit {{
      drawStyle DrawStyle {{ lineWidth 1 }}
    }}
    annotBackgroundApp AppearanceKit {{
      material Material {{ diffuseColor 1 1 1 }}
    }}
    annotBackgroundBorderApp AppearanceKit {{
      material Material {{ diffuseColor 0.12 0.1 0.1 }}
    }}
    annotTextApp AppearanceKit {{
      material Material {{ diffuseColor 0 0 0 }}
    }}
  }}
"""

TERRAIN_ISOVALUES = [round(-1.0 + 0.2 * k, 1) for k in range(12)]


def contours_scene():
    n = 61
    mesh, values = terrain_grid(n)
    iso = TERRAIN_ISOVALUES
    text = HEADER
    text += f"""# Filled contour bands of a terrain with two hills, two hollows and a saddle between them,
# sampled on a regular {n} x {n} grid over (-3, -3)-(3, 3) (values from {fmt(min(values))} to
# {fmt(max(values))}). Twelve isovalues 0.2 apart cut the cells into flat bands, each in the ramp's
# colour of its lower isovalue (below -1, the colour of the ramp's low end). The contour lines are
# drawn on the band borders in a dark material, a little in front; every second one, from -0.8,
# is major, thicker and labelled on a white box.


Separator {{
  OrthographicCamera {{
    position 0 0 10
    height 6.6
    nearDistance 1
    farDistance 20
  }}
{mesh}{ramp([-1.2, -0.6, 0, 0.6, 1.2])}  PoIsovaluesList {{
    isovaluesList [ {', '.join(fmt(v) for v in iso)} ]
  }}
  Separator {{
    LightModel {{ model BASE_COLOR }}
    PoMeshFilled {{
      valuesIndex 0
      coloringType COLOR_CONTOURING
    }}
  }}
{CONTOUR_LINES.format(font=0.032)}}}
"""
    return text


# The legends' materials: black texts and outlines on a white ground.
LEGEND_LOOK = """{i}backgroundApp AppearanceKit {{ material Material {{ diffuseColor 1 1 1 }} }}
{i}backgroundBorderApp AppearanceKit {{ material Material {{ diffuseColor 0.3 0.3 0.3 }} }}
{i}boxBorderApp AppearanceKit {{ material Material {{ diffuseColor 0.1 0.1 0.1 }} }}
{i}valueTextApp AppearanceKit {{ material Material {{ diffuseColor 0 0 0 }} }}
{i}titleApp AppearanceKit {{ material Material {{ diffuseColor 0 0 0 }} }}
{i}multFactorApp AppearanceKit {{ material Material {{ diffuseColor 0 0 0 }} }}
"""


def flat_ended_ramp(values, indent="  "):
    # The same ramp with a flat level added past each end: the end intervals extend outwards
    # at the end colour, so no value saturates and no threshold (no undefined box) is needed.
    step = values[1] - values[0]
    levels = [values[0] - step / 3] + list(values) + [values[-1] + step / 3]
    colors = [RAMP_COLORS[0]] + RAMP_COLORS + [RAMP_COLORS[-1]]
    return (f"{indent}# The ramp, flat past its end levels: values beyond them keep the end colours.\n"
            f"{indent}PoNonLinearDataMapping2 {{\n"
            f"{indent}  type LINEAR_PER_LEVEL\n"
            f"{indent}  value [ {', '.join(fmt(v) for v in levels)} ]\n"
            f"{indent}  color [ {', '.join(colors)} ]\n"
            f"{indent}}}\n")


def legends_scene():
    n = 61
    mesh, values = terrain_grid(n)
    iso = TERRAIN_ISOVALUES
    text = HEADER
    text += f"""# The filled contour bands of the terrain ({n} x {n} nodes over (-3, -3)-(3, 3), values from
# {fmt(min(values))} to {fmt(max(values))}) with the two keys that read them, on the right. The
# bar (PoLinearValueLegend) stacks the intervals between the twelve isovalues without gaps, each
# as long as its interval, with a box below the first and one above the last; the boxes
# (PoNonLinearValueLegend1) list every band as an interval, from "< -1.0" to "> 1.2". Every box
# has the colour of its band: the ramp's colour of the band's lower isovalue. Both titles are
# given one size, a fraction of the legends' common height.


Separator {{
  OrthographicCamera {{
    position 1.45 0 10
    height 7
    nearDistance 1
    farDistance 20
  }}
{mesh}{flat_ended_ramp([-1.2, -0.6, 0, 0.6, 1.2])}  PoIsovaluesList {{
    isovaluesList [ {', '.join(fmt(v) for v in iso)} ]
  }}
  LightModel {{ model BASE_COLOR }}
  PoLinearValueLegend {{
    start 3.2 -3
    end 4.35 3
    titleVisibility VISIBILITY_ON
    titleString "Height"
    titleFontSize 0.045
{LEGEND_LOOK.format(i="    ")}  }}
  PoNonLinearValueLegend1 {{
    start 4.5 -3
    end 6.1 3
    titleVisibility VISIBILITY_ON
    titlePosition POS_TOP
    titleString "Bands"
    titleFontSize 0.045
{LEGEND_LOOK.format(i="    ")}  }}
  Separator {{
    PoMeshFilled {{
      valuesIndex 0
      coloringType COLOR_CONTOURING
    }}
  }}
{CONTOUR_LINES.format(font=0.03)}}}
"""
    return text


def colorings_scene():
    n = 61
    mesh, values = terrain_grid(n, scale=1000.0, name="elevation", indent="    ")
    mesh = mesh.replace("    PoRegularCartesianGrid2D {", "    DEF TERRAIN PoRegularCartesianGrid2D {", 1)
    scaled = [1000 * v for v in [-1.2, -0.6, 0, 0.6, 1.2]]
    even = [-1000, -500, 0, 500, 1000]
    uneven = [-1000, -400, -100, 0, 100, 400, 1000]

    def panel(x, y, mesh_text, attributes, coloring, legend):
        return f"""  Separator {{
    Translation {{ translation {fmt(x)} {fmt(y)} 0 }}
{attributes}    Separator {{
      Translation {{ translation -1.25 0 0 }}
      Scale {{ scaleFactor 0.6333 0.6333 1 }}
{mesh_text}      PoMeshFilled {{
        valuesIndex 0
        coloringType {coloring}
      }}
    }}
{legend}  }}
"""

    def legend(kind, title, extra=""):
        return (f"    {kind} {{\n"
                f"      start 0.8 -1.9\n"
                f"      end 3.1 1.9\n"
                f"      titleVisibility VISIBILITY_ON\n"
                f"      titlePosition POS_TOP\n"
                f"      titleFontSize 0.065\n"
                f"      titleString \"{title}\"\n"
                f"{extra}"
                f"{LEGEND_LOOK.format(i='      ')}    }}\n")

    linear = ("    PoLinearDataMapping {\n"
              "      value1 -1300\n      color1 0.2 0.05 0.45\n"
              "      value2 1400\n      color2 1 0.85 0.2\n    }\n")
    thresholds = ("    PoLinearDataMapping {\n"
                  "      value1 -1300\n      color1 0.2 0.05 0.45\n"
                  "      value2 1400\n      color2 1 0.85 0.2\n"
                  "      minThresholdEnabled TRUE\n      minThreshold -700\n"
                  "      minThresholdColor 0.6 0.6 0.6\n"
                  "      maxThresholdEnabled TRUE\n      maxThreshold 900\n"
                  "      maxThresholdColor 0.75 0.95 1\n    }\n")
    ramp_text = flat_ended_ramp(scaled, indent="    ")
    text = HEADER
    text += f"""# One terrain, an elevation in metres from {fmt(min(values))} to {fmt(max(values))} on a {n} x {n}
# grid, coloured four ways, each with the legend that reads its colouring; a legend whose values
# reach 1000 prints them in thousands and shows the factor once. Top left: a linear mapping blended across the
# cells, read by a bar whose values are the mapping's own graduation. Top right: five isovalues
# 500 apart cutting flat bands, read by a box per band. Bottom left: the linear mapping with its
# thresholds on, so that the lowland below -700 is grey and the peak above 900 ice blue; the legend
# adds a box for each. Bottom right: isovalues closer together near 0 (a non-linear scale), read by
# a bar of equal boxes so that the narrow bands get as much room as the wide ones.


Separator {{
  OrthographicCamera {{
    position 0 0 10
    height 9.9
    nearDistance 1
    farDistance 20
  }}
  LightModel {{ model BASE_COLOR }}
"""
    text += panel(-3.3, 2.45, mesh, linear, "COLOR_MAPPING",
                  legend("PoLinearValueLegend", "linear mapping"))
    text += panel(3.3, 2.45, "      USE TERRAIN\n",
                  ramp_text + f"    PoIsovaluesList {{\n      isovaluesList [ {', '.join(fmt(v) for v in even)} ]\n    }}\n",
                  "COLOR_CONTOURING", legend("PoNonLinearValueLegend1", "isovalues"))
    text += panel(-3.3, -2.45, "      USE TERRAIN\n", thresholds, "COLOR_MAPPING",
                  legend("PoLinearValueLegend", "thresholds",
                         '      lowerUndefString "below"\n      upperUndefString "above"\n'))
    text += panel(3.3, -2.45, "      USE TERRAIN\n",
                  ramp_text + f"    PoIsovaluesList {{\n      isovaluesList [ {', '.join(fmt(v) for v in uneven)} ]\n    }}\n",
                  "COLOR_CONTOURING", legend("PoNonLinearValueLegend3", "uneven isovalues"))
    text += "}\n"
    return text


def polar_scene():
    nr, nt = 26, 121
    r0, r1 = 0.5, 2.0
    radii = [r0 + (r1 - r0) * i / (nr - 1) for i in range(nr)]
    angles = [2 * math.pi * j / (nt - 1) for j in range(nt)]
    values = []
    for r in radii:  # node (i, j) has index i * num_t + j
        for t in angles:
            values.append(annulus_field(r, t))
    iso = [round(-0.8 + 0.2 * k, 1) for k in range(11)]
    mesh = f"""  PoPolarGrid2D {{
    fields [ PoSFPolarGrid2D mesh ]
    mesh
      {nr} {nt}   # num_r, num_t
      # r coordinates of mesh nodes
{value_lines(radii)}
      # t coordinates of mesh nodes
{value_lines(angles)}
      0   # 2D mesh
      0   # number of string data-set
      1   # number of scalar data-set
      0   # number of vector data-set
      # set of scalars, index 0, binding per node
      "pressure" # set name
{value_lines(values)}
  }}
"""
    text = HEADER
    text += f"""# One field on a full annulus, drawn twice: banded on the left, smooth on the right. The polar
# grid has {nr} radii from 0.5 to 2 and {nt} angles around the circle (the last angle closes the ring
# on the first); the values, from {fmt(min(values))} to {fmt(max(values))}, wind in three lobes
# with a bump below the centre. Left: eleven isovalues 0.2 apart cut the cells into flat bands
# (COLOR_CONTOURING) under dark contour lines. Right: the same cells coloured per node by the
# same ramp and blended across each cell (COLOR_MAPPING).


Separator {{
  OrthographicCamera {{
    position 0 0 10
    height 6.6
    nearDistance 1
    farDistance 20
  }}
{mesh}{ramp([-1.2, -0.6, 0, 0.6, 1.2])}  PoIsovaluesList {{
    isovaluesList [ {', '.join(fmt(v) for v in iso)} ]
  }}
  LightModel {{ model BASE_COLOR }}
  Separator {{
    Translation {{ translation -2.2 0 0 }}
    PoMeshFilled {{
      valuesIndex 0
      coloringType COLOR_CONTOURING
    }}
    Translation {{ translation 0 0 0.01 }}
    BaseColor {{ rgb 0.12 0.1 0.1 }}
    PoMeshContouring {{
      valuesIndex 0
      coloringType COLOR_INHERITED
      majorPeriod 1
    }}
  }}
  Separator {{
    Translation {{ translation 2.2 0 0 }}
    PoMeshFilled {{
      valuesIndex 0
      coloringType COLOR_MAPPING
    }}
  }}
}}
"""
    return text


def triangles_scene():
    points = scattered_points()
    tris = delaunay(points)
    values = [scattered_field(x, y) for x, y in points]
    iso = [round(-0.9 + 0.2 * k, 1) for k in range(10)]
    indices = [i for tri in tris for i in tri]
    index_lines = []
    for start in range(0, len(indices), FLOATS_PER_LINE):
        index_lines.append("      " + " ".join(str(i) for i in indices[start:start + FLOATS_PER_LINE]))
    mesh = f"""  PoTriangleMesh2D {{
    fields [ PoSFTriangleMesh2D mesh ]
    mesh
      {len(points)}   # num nodes
      # x coordinates of mesh nodes
{value_lines([p[0] for p in points])}
      # y coordinates of mesh nodes
{value_lines([p[1] for p in points])}
      0   # 2D mesh
      {len(tris)}   # num cells
      # cell's indices
{chr(10).join(index_lines)}
      0   # number of string data-set
      1   # number of scalar data-set
      0   # number of vector data-set
      # set of scalars, index 0, binding per node
      "salinity" # set name
{value_lines(values)}
  }}
"""
    text = HEADER
    text += f"""# An irregular triangle mesh over an ellipse: {len(points)} scattered nodes (the rim and points
# kept at least 0.23 apart inside it) joined by their Delaunay triangles, {len(tris)} cells, with a
# value per node from {fmt(min(values))} to {fmt(max(values))}: waves running across, with a peak
# on one crest and a pit in one trough. Ten isovalues 0.2 apart, from -0.9 to 0.9, enclose every
# value. Top: the cells cut into flat bands (COLOR_CONTOURING),
# the triangle edges drawn over them, half see-through, to show that the bands cross the cells. Bottom: the
# same bands drawn by a band texture, one texel per band (COLOR_TEXTURE_CONTOURING).


Separator {{
  OrthographicCamera {{
    position 0 0 10
    height 7.2
    nearDistance 1
    farDistance 20
  }}
{mesh}{ramp([-0.9, -0.45, 0, 0.45, 0.9])}  PoIsovaluesList {{
    isovaluesList [ {', '.join(fmt(v) for v in iso)} ]
  }}
  LightModel {{ model BASE_COLOR }}
  Separator {{
    Translation {{ translation 0 1.75 0 }}
    PoMeshFilled {{
      valuesIndex 0
      coloringType COLOR_CONTOURING
    }}
    Translation {{ translation 0 0 0.01 }}
    Material {{ diffuseColor 0.15 0.15 0.2 transparency 0.65 }}
    DrawStyle {{ style LINES lineWidth 1 }}
    PoMeshFilled {{
      coloringType COLOR_INHERITED
    }}
  }}
  Separator {{
    Translation {{ translation 0 -1.75 0 }}
    PoMeshFilled {{
      valuesIndex 0
      coloringType COLOR_TEXTURE_CONTOURING
    }}
  }}
}}
"""
    return text


def main():
    root = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
    out_dir = sys.argv[1] if len(sys.argv) > 1 else os.path.join(root, "examples", "scenes")
    scenes = {
        "filled_contours.iv": contours_scene(),
        "filled_contours_legends.iv": legends_scene(),
        "legend_colorings.iv": colorings_scene(),
        "filled_polar.iv": polar_scene(),
        "filled_triangles.iv": triangles_scene(),
    }
    for name, text in scenes.items():
        path = os.path.join(out_dir, name)
        with open(path, "w") as out:
            out.write(text)
        print(path)


if __name__ == "__main__":
    main()
