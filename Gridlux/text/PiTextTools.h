// Small numeric helpers shared by the text, axis and legend code: integer bounds, sorted-array
// lookup and linear interpolation of positions and colours.
#ifndef GRIDLUX_PITEXTTOOLS_H
#define GRIDLUX_PITEXTTOOLS_H

#include <Inventor/SbColor.h>

/** Largest integer not above @p x (0 for NaN; clamped to the int range). */
int plowerInteger(float x);
/** Smallest integer not below @p x (0 for NaN; clamped to the int range). */
int pupperInteger(float x);
/** Nearest integer, halves away from zero (0 for NaN; clamped to the int range). */
int pnearestInteger(float x);

/**
 * Index of the last entry of the ascending @p array that is not greater than @p value:
 * -1 when @p value lies below the first entry (or the array is empty), n - 1 at or beyond the
 * last. NaN gives -1.
 */
int getPositionInSortedArray(const float* array, int n, float value);

/**
 * Colour at @p v on the line from (@p v1, @p c1) to (@p v2, @p c2), clamped to the two ends;
 * equal ends give @p c1.
 */
SbColor pinterpolateColors(float v, float v1, const SbColor& c1, float v2, const SbColor& c2);

/** x at which the line through (x1, y1) and (x2, y2) reaches @p y; x1 for a horizontal line. */
float pcalculateXInterpolation(float x1, float y1, float x2, float y2, float y);
/** y of the line through (x1, y1) and (x2, y2) at @p x; y1 for a vertical line. */
float pcalculateYInterpolation(float x1, float y1, float x2, float y2, float x);

#endif
