#!/usr/bin/env python3
"""Writes the four-panel views scene (examples/scenes/views_four_panels.iv).

Its panels show data that other gallery scenes already carry: the terrain bands of
filled_contours.iv with the value legend of filled_contours_legends.iv, the two-blob level
surface of level_surface.iv, and the curve with its axes of curve_smooth.iv; this script copies
those blocks out of them (rerun it after the scripts that write those scenes).

    python3 scripts/make-view-scenes.py
"""
import os

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
SCENES = os.path.join(ROOT, "examples", "scenes")


def block(name, first, last, indent="      "):
    """Lines of scene @name from the one starting with @first up to (without) @last, indented."""
    with open(os.path.join(SCENES, name)) as f:
        text = f.read().splitlines()
    start = next(i for i, line in enumerate(text) if line.startswith(first))
    end = next(i for i in range(start + 1, len(text)) if text[i].startswith(last))
    return "\n".join(indent + line[2:] if line.strip() else "" for line in text[start:end])


def view(origin, size, background, camera, scene, comment):
    return f"""
  # {comment}
  PoSceneView {{
    viewportOrigin {origin}
    viewportSize {size}
    isBackgroundVisible TRUE
    isBorderVisible TRUE
    backgroundApp AppearanceKit {{ material Material {{ diffuseColor {background} }} }}
    borderApp AppearanceKit {{ material Material {{ diffuseColor 0.55 0.55 0.6 }} }}
    cameraKit CameraKit {{
      camera {camera}
    }}
    scene Group {{
{scene}
    }}
  }}"""


HEADER = """#Inventor V2.1 ascii

# Four views in one window, each with its own camera, background and border. Top left: the
# filled contour bands of the terrain of filled_contours.iv with their value legend. Top right:
# the two-blob level surface of level_surface.iv. Bottom left: the smooth curve with its axes of
# curve_smooth.iv. Bottom right, an inset: the same level surface seen from above.
# Written by scripts/make-view-scenes.py.
# Render with:  gridlux render examples/scenes/views_four_panels.iv -o views_four_panels.png --size 640x480

Separator {"""


def main():
    terrain = block("filled_contours.iv", "  PoRegularCartesianGrid2D {", "}")
    legend = block("filled_contours_legends.iv", "  PoLinearValueLegend {", "  PoNonLinearValueLegend1 {")
    blobs = block("level_surface.iv", "  PoRegularCartesianGrid3D {", "}", indent="        ")
    curve = block("curve_smooth.iv", "  LightModel {", "}")
    # Lit by the render's headlight, which follows each view's camera.
    level = "      DEF Blobs Separator {\n" + blobs + "\n      }"
    parts = [HEADER]
    parts.append(view("0 0.5", "0.5 0.5", "0.97 0.97 0.95",
                      "OrthographicCamera { position 0.7 0 10 height 7.4 nearDistance 1 farDistance 20 }",
                      terrain + "\n" + legend, "Filled contours and their legend."))
    parts.append(view("0.5 0.5", "0.5 0.5", "0.08 0.1 0.16",
                      "PerspectiveCamera { position 1.2 -2.9 1.7 orientation 0.9322 0.1852 0.311 1.1371 "
                      "nearDistance 0.5 farDistance 10 heightAngle 0.55 }",
                      level, "The level surface."))
    parts.append(view("0 0", "0.5 0.5", "0.1 0.12 0.15",
                      "OrthographicCamera { position 24 312 10 height 104 nearDistance 1 farDistance 20 }",
                      curve, "The curve with its axes."))
    parts.append(view("0.56 0.06", "0.38 0.38", "0.16 0.16 0.2",
                      "OrthographicCamera { position 0 0 5 height 2 nearDistance 1 farDistance 10 }",
                      "      USE Blobs",
                      "Inset: the level surface from above."))
    parts.append("\n}\n")
    with open(os.path.join(SCENES, "views_four_panels.iv"), "w") as f:
        f.write("\n".join(parts))


if __name__ == "__main__":
    main()
