// Splits the graduations of an axis into labelled main graduations and unlabelled sub ticks.
#ifndef GRIDLUX_PIGRADLIST_H
#define GRIDLUX_PIGRADLIST_H

#include <Inventor/SbString.h>

#include <vector>

/**
 * @brief Main and sub graduations of an axis from its list of graduations.
 *
 * With first graduation F and last graduation L (1-based, L counted from the end), the main
 * graduations are F .. n-L+1. Under NUM_SUB_TICK, numOrPeriod sub ticks are spread evenly in
 * every interval between main graduations and continue, at the same spacing, before the first
 * and after the last one while inside the axis. Under PERIOD_MAIN_TICK every numOrPeriod-th
 * graduation from F is a main one and every other graduation a sub tick.
 *
 * Every coordinate is a main graduation plus a whole number of sub steps, never a running sum.
 */
class PiGradList {
public:
  enum TickSubDef { NUM_SUB_TICK = 0, PERIOD_MAIN_TICK = 1 };

  /** The main graduations of an axis and the rule for its sub ticks. */
  struct Input {
    float start = 0.0f;  ///< the graduated interval, either order
    float end = 1.0f;
    float step = 1.0f;   ///< the graduation step (signed like end - start)
    int numGrads = 0;
    const float* grads = nullptr;      ///< numGrads coordinates
    const SbString* labels = nullptr;  ///< numGrads labels, or null
    TickSubDef subDef = PERIOD_MAIN_TICK;
    int numOrPeriod = 1;
    int firstGrad = 1;
    int lastGrad = 1;
  };

  /** Clears both lists and fills them from @p in; bad counts give empty lists and a message. */
  void compute(const Input& in);

  const std::vector<float>& mainCoords() const { return m_main; }
  const std::vector<SbString>& mainLabels() const { return m_mainLabels; }
  const std::vector<float>& subCoords() const { return m_sub; }

private:
  void addSubTicksAround(const Input& in);

  std::vector<float> m_main;
  std::vector<SbString> m_mainLabels;
  std::vector<float> m_sub;
};

#endif
