// Fuzz target of the date readers: date texts under any format, the date format mapping, and
// the time axis's representation and period strings, down to a rebuilt axis.
//
// The input is split at its first newline: the part before is the format (and the period
// list), the part after the date text (and the representation).
#include <Gridlux/attributes/PbDateFormatMapping.h>
#include <Gridlux/axes/PiDate.h>
#include <Gridlux/axes/PiTimeGraduation.h>
#include <Gridlux/axes/PoTimeAxis.h>
#include <Gridlux/base/PoDebugError.h>
#include <Gridlux/base/PoGridlux.h>

#include <Inventor/actions/SoCallbackAction.h>
#include <Inventor/errors/SoDebugError.h>
#include <Inventor/nodes/SoSeparator.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

void quiet(const SoError*, void*) {}

} // namespace

// The toolkit keeps its real-time field, and the font library its configuration, for the
// whole process; neither is a leak of the code under test.
extern "C" const char* __lsan_default_suppressions()
{
  return "leak:SoSFTime::createInstance\nleak:libfontconfig.so\n";
}

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
  setenv("COIN_NO_SOTYPE_DYNLOAD", "1", 1);
  PoGridlux::init();
  PoDebugError::setHandlerCallback(quiet, nullptr);
  SoDebugError::setHandlerCallback(quiet, nullptr);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
  const std::string input(reinterpret_cast<const char*>(data), size);
  const size_t cut = input.find('\n');
  // Strings as the toolkit's fields hold them: up to the first zero byte.
  const std::string format = input.substr(0, cut).c_str();
  const std::string text = cut == std::string::npos ? std::string() : input.substr(cut + 1).c_str();

  PiDate date;
  date.readDateString(text.c_str(), format.c_str());
  date.setDateString(text.c_str(), format.c_str());
  PiDate::incDateStep(double(size) - 64.0, PiDate::Step(1 + size % 6), date);

  PbDateFormatMapping mapping;
  mapping.setFormat(format.c_str());
  mapping.setDateMapping(text.c_str(), "1-01-70", 0.0f, 1.0f);
  float coord = 0.0f;
  mapping.getCoordinate(text.c_str(), coord);
  mapping.getDateP(coord);

  PiTimeGraduation::Rep rep;
  PiTimeGraduation::parseRep(text.c_str(), rep, "fuzz");
  std::vector<double> spans;
  PiTimeGraduation::parsePeriods(format.c_str(), spans, "fuzz");

  // The axis over one of a few spans, its representation and periods taken from the input.
  static const char* const ends[] = {"1-01-70", "1-02-70", "1-01-71", "1-01-99", "2-01-70"};
  SoSeparator* root = new SoSeparator;
  root->ref();
  PoTimeAxis* axis = new PoTimeAxis;
  axis->endDate = ends[size % 5];
  axis->gradRep.set1Value(0, text.c_str());
  axis->gradRep.set1Value(1, format.c_str());
  axis->timesPeriod = format.c_str();
  root->addChild(axis);
  SoCallbackAction action;
  action.apply(root);
  root->unref();
  return 0;
}
