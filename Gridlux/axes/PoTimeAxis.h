// An axis graduated in calendar dates and times of day, on one or more levels.
#ifndef GRIDLUX_POTIMEAXIS_H
#define GRIDLUX_POTIMEAXIS_H

#include <Gridlux/axes/PiDate.h>
#include <Gridlux/axes/PiLinearGraduation.h>
#include <Gridlux/axes/PiTimeGraduation.h>
#include <Gridlux/axes/PoAxis.h>
#include <Gridlux/text/PiNumericFormat.h>

#include <Inventor/fields/SoMFString.h>
#include <Inventor/fields/SoSFEnum.h>
#include <Inventor/fields/SoSFFloat.h>
#include <Inventor/fields/SoSFString.h>

#include <vector>

class PbDateFormatMapping;

/**
 * @brief Time axis: its ends are dates, placed along X or Y by the date format mapping in
 * effect (the node's own, else PoDateFormatMappingElement's), and its graduations are calendar
 * steps on levels: level 0 next to the axis with ticks and labels, each higher level's labels
 * (with a tick twice as long) one row further out. A higher level whose first step begins more
 * than a quarter of the axis after its start also labels the start with the step it lies in.
 *
 * Fields (after PoAxis's): startDate ("1-01-70"), endDate ("2-01-70"), read with the mapping's
 * format; coord (0: where the axis crosses the other direction); type (X, or Y); language
 * (ENGLISH: names in labels); gradFit (GRAD_UNFIT: graduations on whole multiples of their
 * step; GRAD_FIT: from the start date); gradRep and timesPeriod, the representations and the
 * spans that choose between them (grammar and examples in PiTimeGraduation.h). Without both,
 * the representation is automatic from the span.
 *
 * Every graduation of a level is a main graduation (calendar steps are not even, so there are
 * no sub ticks). Seconds are printed through PoNumericDisplayFormatElement. An unreadable date,
 * or equal dates, build nothing (the unreadable one is reported). Read and written under the
 * name PoTimeAxis.
 */
class PoTimeAxis : public PoAxis {
  typedef PoAxis inherited;
  PO_KIT_HEADER(PoTimeAxis);

public:
  PoTimeAxis();
  PoTimeAxis(const SbString& startDate, const SbString& endDate, float coord, int type = 0);
  static void initClass();

  enum Type { X = 0, Y = 1 };
  enum Language {
    ENGLISH = PiDate::ENGLISH,
    FRANCAIS = PiDate::FRANCAIS,
    DEUTSCH = PiDate::DEUTSCH,
    ESPANOL = PiDate::ESPANOL
  };
  enum GradFit { GRAD_FIT = PiLinearGraduation::GRAD_FIT, GRAD_UNFIT = PiLinearGraduation::GRAD_UNFIT };

  typedef PiTimeGraduation::Rep Tdate_axis_rep;
  typedef PiTimeGraduation::Level Tdate_axis_level_rep;
  typedef PiTimeGraduation::ElemForm Tdate_elem_form;

  SoSFString startDate;
  SoSFString endDate;
  SoSFFloat coord;
  SoSFEnum type;
  SoSFEnum language;
  SoSFEnum gradFit;
  SoMFString gradRep;
  SoSFString timesPeriod;

  /** Working copy of the time axis's own fields. */
  struct TimeAxisAttr {
    SbString startDate, endDate;
    float coord = 0.0f;
    Type type = X;
    Language language = ENGLISH;
    GradFit gradFit = GRAD_UNFIT;
  };

  /** Mapping followed instead of the state's; null goes back to the state's. */
  void setDateFormatMapping(PbDateFormatMapping* mapping);
  const PbDateFormatMapping* getDateFormatMapping() const { return m_mapping; }

  /** The representation of the last rebuild. */
  const Tdate_axis_rep& getDateAxisRep() const { return m_rep; }
  /** Dates and coordinates of the graduations of @p level at the last rebuild. */
  const std::vector<PiDate>& getLevelDates(int level) const;
  const std::vector<float>& getLevelCoords(int level) const;

  void basicObjectChange(PbBase* object) override;
  void rebuild() override;

protected:
  ~PoTimeAxis() override;
  void getWatchedFields(SoFieldList& fields) override;
  void preRebuild() override;
  void addElementsAllCaches() override;
  void saveAxisAttr() override;

private:
  void init(const SbString& start, const SbString& end, float coordValue, int axisType);
  void buildUpperLevels(const std::vector<std::vector<SbString>>& labels,
                        const std::vector<SbString>& startLabels, float startCoord);

  TimeAxisAttr m_timeAttr;
  PbDateFormatMapping* m_mapping = nullptr;
  PiNumericFormat m_secondsFormat;
  Tdate_axis_rep m_rep;
  std::vector<std::vector<PiDate>> m_levelDates;
  std::vector<std::vector<float>> m_levelCoords;
};

#endif
