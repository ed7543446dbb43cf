// Date format and the linear mapping between dates and coordinates.
#ifndef GRIDLUX_PBDATEFORMATMAPPING_H
#define GRIDLUX_PBDATEFORMATMAPPING_H

#include <Gridlux/base/PbBase.h>

#include <Inventor/SbString.h>

#include <memory>

class PiDate;

/**
 * @brief How dates are written (the format) and where they go along an axis (a linear mapping
 * fixed by two dates and their coordinates); read by the time axes.
 *
 * Format letters: d day, D day name, m month, M month name, y two-digit year (19xx), Y four-digit
 * year, h or H hour, ' minutes, " seconds; each field at most once. The earlier date of the
 * mapping always goes to the smaller coordinate. Default: format "dmy", dates "1-01-70" and
 * "2-01-70" at coordinates 0 and 1 (one day per unit).
 */
class PbDateFormatMapping : public PbBase {
public:
  PbDateFormatMapping();
  /**
   * A null @p format means "dmy". A refused format or mapping is reported and the default one
   * is kept, so the object is always usable.
   */
  PbDateFormatMapping(const char* date1, const char* date2, float coord1, float coord2,
                      const char* format);
  PbDateFormatMapping(const PbDateFormatMapping& other);
  PbDateFormatMapping& operator=(const PbDateFormatMapping& other);
  ~PbDateFormatMapping() override;

  /**
   * Returns 0 when the format was taken, else the 1-based position of the first character that
   * is not a format letter or that repeats a field (the old format stays).
   */
  int setFormat(const char* format);
  const SbString& getFormat() const { return m_format; }

  /**
   * Returns 0 on success; 1 when @p date1 cannot be read with the format, 2 when @p date2
   * cannot, 3 when both are the same instant, 4 when the two coordinates are equal. On failure
   * the previous mapping stays.
   */
  int setDateMapping(const char* date1, const char* date2, float coord1, float coord2);
  /** The two dates as given, and the coordinates ordered. */
  void getDateMapping(SbString& date1, SbString& date2, float& coordMin, float& coordMax) const;

  /** Returns 1 with the coordinate of @p date, or 0 (coordinate unchanged) when unreadable. */
  int getCoordinate(const char* date, float& coord) const;

  /** Coordinate of a date already read (the reference's line extended beyond the two dates). */
  float getCoordinateP(const PiDate& date) const;
  /** The date at @p coord: the reference moved by the seconds the coordinate stands for. */
  PiDate getDateP(float coord) const;

  /** Seconds between the two dates of the mapping (always positive). */
  double getSpan() const { return m_span; }

private:
  std::unique_ptr<PiDate> m_reference;
  float m_coordMin = 0.0f;
  float m_coordMax = 1.0f;
  double m_span = 86400.0;
  SbString m_format = "dmy";
  SbString m_date1 = "1-01-70";
  SbString m_date2 = "2-01-70";
};

#endif
