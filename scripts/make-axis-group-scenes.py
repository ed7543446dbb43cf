#!/usr/bin/env python3
"""Writes the axis-group scenes (examples/scenes/axis_group_2d.iv and axis_group_3d.iv).

They frame data that other gallery scenes already carry: the terrain of filled_contours.iv
(grid, data mapping and isovalues) and the two-blob density of level_surface.iv (grid, mapping,
isovalues and level surface); this script copies those blocks out of them, so that the data
stays written in one place (rerun it after make-filled-scenes.py or make-level-scenes.py).

    python3 scripts/make-axis-group-scenes.py
"""
import os

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
SCENES = os.path.join(ROOT, "examples", "scenes")


def block(name, first, last):
    """Lines of scene @name from the one starting with @first up to (without) @last."""
    with open(os.path.join(SCENES, name)) as f:
        text = f.read().splitlines()
    start = next(i for i, line in enumerate(text) if line.startswith(first))
    end = next(i for i in range(start + 1, len(text)) if text[i].startswith(last))
    return "\n".join(text[start:end])


HEADER_2D = """#Inventor V2.1 ascii

# A four-axis frame around the filled contour bands of the terrain of filled_contours.iv
# (-3 .. 3 km both ways). PoGroup4Axis puts an axis on each side with its labels outside the
# frame; the members are tuned in the file like any axis (no arrows, grid lines from the
# bottom and left axes, smaller labels on the top and right ones), and those settings stay
# through the group's rebuilds.
# Render with:  gridlux render examples/scenes/axis_group_2d.iv -o axis_group_2d.png --size 640x480

Separator {
  OrthographicCamera {
    position 0.25 0.1 10
    height 8.6
    nearDistance 1
    farDistance 20
  }
  PoDomain { min -3 -3 -3  max 3 3 3 }
"""

BODY_2D = """
  Separator {
    LightModel { model BASE_COLOR }
    PoMeshFilled {
      valuesIndex 0
      coloringType COLOR_CONTOURING
    }
  }
  Separator {
    Translation { translation 0 0 0.01 }
    LightModel { model BASE_COLOR }
    BaseColor { rgb 0.12 0.1 0.1 }
    PoMeshContouring {
      valuesIndex 0
      coloringType COLOR_INHERITED
    }
  }
  Separator {
    Translation { translation 0 0 0.02 }
    LightModel { model BASE_COLOR }
    BaseColor { rgb 0.92 0.92 0.92 }
    PoGroup4Axis {
      start -3 -3
      end 3 3
      xTitle "east (km)"
      yTitle "north (km)"
      xDownAxis PoLinearAxis {
        arrowVisibility VISIBILITY_OFF
        gridVisibility VISIBILITY_ON
        gridLengthGradOtherSide 6
        mainGradGridApp AppearanceKit { material Material { diffuseColor 0.3 0.3 0.3 } }
      }
      yLeftAxis PoLinearAxis {
        arrowVisibility VISIBILITY_OFF
        gridVisibility VISIBILITY_ON
        gridLengthGradOtherSide 6
        mainGradGridApp AppearanceKit { material Material { diffuseColor 0.3 0.3 0.3 } }
      }
      xUpAxis PoLinearAxis {
        arrowVisibility VISIBILITY_OFF
        gradFontSize 0.03
        titleFontSize 0.04
      }
      yRightAxis PoLinearAxis {
        arrowVisibility VISIBILITY_OFF
        gradFontSize 0.03
        titleFontSize 0.04
      }
    }
  }
}
"""

HEADER_3D = """#Inventor V2.1 ascii

# Three axes from the near lower corner of the box around the two-blob level surface of
# level_surface.iv (-1.2 .. 1.2 by -0.8 .. 0.8 by -0.8 .. 0.8). PoGroup3Axis3 with Z upright
# stands the labels of X and Y in the box's front and left faces, below its floor, and those of
# Z on its outer side; the depth axis leaves out its label at the shared corner. The members'
# text sizes are tuned in the file, as on any axis.
# Render with:  gridlux render examples/scenes/axis_group_3d.iv -o axis_group_3d.png --size 640x480

Separator {
  PerspectiveCamera {
    position 3.199 -3.612 2.279
    orientation 0.8065 0.3050 0.5065 1.2826
    nearDistance 0.5
    farDistance 20
    heightAngle 0.6
  }
  DirectionalLight { direction -0.3 0.6 -0.7 }
  PoDomain { min -1.2 -1.2 -1.2  max 1.2 1.2 1.2 }
"""

BODY_3D = """
  Separator {
    LightModel { model BASE_COLOR }
    BaseColor { rgb 0.92 0.92 0.92 }
    PoGroup3Axis3 {
      start -1.2 -0.8 -0.8
      end 1.2 0.8 0.8
      xTitle "x"
      yTitle "y"
      zTitle "z"
      xAxis PoLinearAxis { gradFontSize 0.05 titleFontSize 0.07 }
      yAxis PoLinearAxis { gradFontSize 0.05 titleFontSize 0.07 }
      zAxis PoLinearAxis { gradFontSize 0.05 titleFontSize 0.07 }
    }
  }
}
"""


def main():
    terrain = block("filled_contours.iv", "  PoRegularCartesianGrid2D {", "  Separator {")
    blobs = block("level_surface.iv", "  PoRegularCartesianGrid3D {", "}")
    with open(os.path.join(SCENES, "axis_group_2d.iv"), "w") as f:
        f.write(HEADER_2D + terrain + "\n" + BODY_2D)
    with open(os.path.join(SCENES, "axis_group_3d.iv"), "w") as f:
        f.write(HEADER_3D + blobs + "\n" + BODY_3D)


if __name__ == "__main__":
    main()
