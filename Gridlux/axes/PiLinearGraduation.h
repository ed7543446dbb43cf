// Automatic graduation of a linear range: a round step, the first graduation and their count.
#ifndef GRIDLUX_PILINEARGRADUATION_H
#define GRIDLUX_PILINEARGRADUATION_H

/**
 * @brief Chooses the graduations of a linear axis, value legend or time axis.
 *
 * The automatic step is 1, 2, 3, 4 or 5 times a power of ten and cuts the range into 5 to 10
 * intervals; it carries the sign of the range. Graduations are first + i * step, i = 0 .. num-1.
 * Under FIT they start at the start of the range; under UNFIT (the usual choice) they sit on
 * whole multiples of the step inside the range.
 *
 * Non-finite inputs are reported through PoDebugError and give no graduation (step and count 0).
 * A user step that would make more than MAX_GRADUATIONS graduations is refused with a message and
 * the automatic step is used instead.
 */
class PiLinearGraduation {
public:
  enum GradFit { GRAD_FIT = 0, GRAD_UNFIT = 1 };
  enum { MAX_GRADUATIONS = 10000 };

  /**
   * Step for @p range: a non-zero @p step keeps its size and takes the sign of the range; 0
   * asks for the automatic step. A zero range leaves @p step unchanged.
   */
  static void getStep(float range, float& step);

  /**
   * First graduation and count of graduations from @p start to @p end (either order) with a
   * step already signed like end - start. Equal ends give first = start and num = 0.
   */
  static void getFirstGrad(GradFit fit, float start, float end, float step, float& first,
                           int& num);

  /** Both in sequence; @p step comes in as 0 (automatic) or a user value. */
  static void getGrads(GradFit fit, float start, float end, float& step, float& first, int& num);
};

#endif
