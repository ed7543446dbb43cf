// Histogram of one series: one bar per value, with its value and name texts.
#ifndef GRIDLUX_POSINGLEHISTOGRAM_H
#define GRIDLUX_POSINGLEHISTOGRAM_H

#include <Gridlux/charts/PoHistogram.h>

#include <Inventor/fields/SoMFFloat.h>
#include <Inventor/fields/SoMFString.h>

/**
 * @brief One bar per entry of `value` (SoMFFloat, empty), named by `name` (SoMFString, empty;
 * bar i takes name[i] when there is one).
 *
 * Bar i is centred in slot i of |end - start| / n along the axis and runs from the baseline to
 * its value (downwards for a value below the baseline). Value texts are the values printed
 * together under the numeric format in force (a common power of ten p shows as the suffix
 * "E<p>"), followed by valueAddString when its visibility is on. No value empties the bar and
 * text parts. Read and written under the name PoSingleHistogram.
 */
class PoSingleHistogram : public PoHistogram {
  typedef PoHistogram inherited;
  PO_KIT_HEADER(PoSingleHistogram);

public:
  PoSingleHistogram();
  PoSingleHistogram(const SbVec2f& start, float end, Type type, int numValues, const float* values,
                    const char** names);
  static void initClass();

  SoMFFloat value;
  SoMFString name;

  void rebuild() override;

protected:
  ~PoSingleHistogram() override;
  void colorBars(SoGroup* barGroup) override;

private:
  void init();
  std::vector<float> m_values; ///< finite values of the rebuild
};

#endif
