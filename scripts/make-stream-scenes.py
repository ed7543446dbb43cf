#!/usr/bin/env python3
"""Writes the stream example scenes on the rising vortex of the vector scenes: stream lines
coloured by speed (stream_lines.iv), a stream surface from two rakes (stream_surface.iv) and an
animation of spheres along faint stream lines (stream_motion.iv)."""
import importlib.util
import math
import os

HERE = os.path.dirname(os.path.abspath(__file__))
_spec = importlib.util.spec_from_file_location("vector_scenes", os.path.join(HERE, "make-vector-scenes.py"))
vector_scenes = importlib.util.module_from_spec(_spec)
_spec.loader.exec_module(vector_scenes)
fmt, grid3d, speed_mapping, write = vector_scenes.fmt, vector_scenes.grid3d, vector_scenes.speed_mapping, vector_scenes.write

CAMERA = ("  PerspectiveCamera {\n    position 0 -4.6 3.2\n    orientation 1 0 0 0.96\n"
          "    nearDistance 1\n    farDistance 12\n    heightAngle 0.45\n  }\n")


def ring(radius, z, count):
    return ", ".join(f"{fmt(radius * math.cos(2 * math.pi * k / count))} "
                     f"{fmt(radius * math.sin(2 * math.pi * k / count))} {fmt(z)}" for k in range(count))


def header(name, text):
    return "#Inventor V2.1 ascii\n\n" + "".join(f"# {line}\n" for line in text) + \
        "# Written by scripts/make-stream-scenes.py.\n\nSeparator {\n" + CAMERA


def stream_lines():
    write("stream_lines.iv", header("stream_lines.iv", [
        "The rising vortex of vectors_section.iv on a regular 15 x 15 x 15 grid over",
        "(-1, -1, -1)-(1, 1, 1): stream lines from two rings of start points, one near the core",
        "low down and one further out, coloured by the speed along them."])
        + grid3d(15, -1.0, 1.0) + speed_mapping(0.54, 0.76) +
        "  LightModel { model BASE_COLOR }\n"
        "  PoStreamLine {\n    vecsIndex 0\n    valuesIndex 0\n    coloringType COLOR_MAPPING\n"
        f"    startPoints [ {ring(0.25, -0.9, 6)},\n      {ring(0.7, -0.2, 8)} ]\n"
        "    maxLifetime 12\n    lineWidth 2.5\n  }\n}\n")


def stream_surface():
    write("stream_surface.iv", header("stream_surface.iv", [
        "The same vortex: two rakes of twelve lines, 0.5 long along x, whose stream lines are",
        "joined into ribbons coloured by the speed."])
        + grid3d(15, -1.0, 1.0) + speed_mapping(0.54, 0.76) +
        "  DirectionalLight { direction 0.3 0.8 -0.5 }\n"
        "  PoStreamSurface {\n    vecsIndex 0\n    valuesIndex 0\n    coloringType COLOR_MAPPING\n"
        "    startPoints [ 0.45 0 -0.8, -0.45 0 -0.1 ]\n    rakeOrientation 1 0 0\n"
        "    rakeLength 0.5\n    numLinesPerRake 12\n    maxLifetime 7\n  }\n}\n")


def stream_motion():
    write("stream_motion.iv", header("stream_motion.iv", [
        "The same vortex: spheres travel along faint grey stream lines, one sample every 0.3 in",
        "time, a sphere on every sixth sample, coloured by the speed; a blinker cycles the six",
        "frames (render --frames writes them all, the gallery shows the first)."])
        + grid3d(15, -1.0, 1.0) + speed_mapping(0.54, 0.76) +
        "  DirectionalLight { direction 0.3 0.8 -0.5 }\n"
        f"  Separator {{\n    LightModel {{ model BASE_COLOR }}\n    BaseColor {{ rgb 0.55 0.55 0.6 }}\n"
        f"    PoStreamLine {{\n      vecsIndex 0\n      startPoints [ {ring(0.3, -0.9, 5)},\n        {ring(0.7, -0.3, 5)} ]\n"
        "      maxLifetime 12\n      lineWidth 1\n    }\n  }\n"
        f"  PoStreamSphereMotion {{\n    vecsIndex 0\n    valuesIndex 0\n    coloringType COLOR_MAPPING\n"
        f"    startPoints [ {ring(0.3, -0.9, 5)},\n      {ring(0.7, -0.3, 5)} ]\n"
        "    maxLifetime 12\n    timeStep 0.3\n    pulseFrequency 6\n    sphereRadius 0.035\n  }\n}\n")


if __name__ == "__main__":
    stream_lines()
    stream_surface()
    stream_motion()
