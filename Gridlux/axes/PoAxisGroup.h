// Shared machinery of the axis groups: member axes held as parts, laid out on a frame and written with the group.
#ifndef GRIDLUX_POAXISGROUP_H
#define GRIDLUX_POAXISGROUP_H

#include <Gridlux/axes/PoBaseAxis.h>
#include <Gridlux/axes/PoCartesianAxis.h>

#include <Inventor/SbName.h>
#include <Inventor/SbString.h>
#include <Inventor/SbVec3f.h>

#include <vector>

/**
 * @brief C++ base of PoGroup2Axis, PoGroup4Axis, PoGroup6Axis3 and PoGroup3Axis3; not a type of
 * its own (their parent type is PoBaseAxis) and without fields or parts.
 *
 * Each member axis is a catalog part holding a PoCartesianAxis. At construction and at each
 * rebuild the group lays its members out (setUpMembers):
 * - The member's class follows its axis kind: a PoLogAxis for LOGARITHMIC, a PoLinearAxis for
 *   LINEAR; a member of the wrong class is replaced, and the new one takes over every field
 *   the user set on the old one that it also has (fonts, margins, ticks, ...).
 * - The group owns `start`, `end`, `type`, `titleString` (the group's title field) and
 *   `titleVisibility` (VISIBILITY_ON) of every member, and its domain: the member follows the
 *   domain set on the group, else the traversal's, as the group does; the group applies the
 *   domain transform once, members do not.
 * - Some fields are the group's choice until the user sets them: `gradPosition` puts the
 *   labels on the side of the member that faces away from the frame; `reverseFlag` turns to
 *   AXIS_REVERSE when the member's text would be seen from behind by the group's intended
 *   viewer (the 2D groups look from +z), which matters with 3D text only (PoBase::TEXT_3D or
 *   VRML 2 mode: annotation text turns itself toward the viewer); and the hints of a group
 *   (MemberHint) set a title along its axis or leave out a label at a corner shared with
 *   another member. Such a choice is kept as a default value: it is not written to files and
 *   is made again at each rebuild; once the user (or a file) sets the field, the member keeps
 *   the user's value.
 * Everything else set on a member through getPart or a file survives the group's rebuilds.
 *
 * Files: in the compact write format the group writes its own fields and its member parts
 * (each member in its own compact form), so that what was tuned on them reads back.
 *
 * A frame with a coordinate that is not finite is refused with a message; the members are
 * then left as they were.
 */
class PoAxisGroup : public PoBaseAxis {
  typedef PoBaseAxis inherited;

public:
  enum AxisType { LINEAR = 0, LOGARITHMIC = 1 };

  void write(SoWriteAction* action) override;
  void addWriteReference(SoOutput* out, SbBool isFromField = FALSE) override;

protected:
  /** Class of a member: a kind of AxisType, or any cartesian axis the user put there. */
  enum MemberKind { MEMBER_LINEAR = LINEAR, MEMBER_LOGARITHMIC = LOGARITHMIC, MEMBER_ANY = 2 };

  /** Further choices a group makes for some members, until the user sets the fields. */
  enum MemberHint {
    /** titlePosition TITLE_MIDDLE, titlePath PATH_RIGHT: the title along the axis. */
    TITLE_ALONG = 1,
    /** tickFirstGrad 2: no label at the start, where another member's first label stands. */
    SKIP_FIRST_LABEL = 2,
    /** tickLastGrad 2: no label at the end, where another member's last label stands. */
    SKIP_LAST_LABEL = 4
  };

  /** One member: its part, class, placement, title and hints. */
  struct Member {
    const char* part;
    int kind;
    SbVec3f start;
    float end;
    PoCartesianAxis::Type type;
    SbString title;
    int hints;
  };

  PoAxisGroup();
  ~PoAxisGroup() override;

  SbBool setUpConnections(SbBool onOff, SbBool doItAlways = FALSE) override;

  /** Names the member parts, for writing; called once by each group's constructor. */
  void setMemberParts(std::vector<SbName> parts) { m_memberParts = std::move(parts); }
  /**
   * Lays out @p num members on the frame from @p frameStart to @p frameEnd, whose text is
   * meant to be read from direction @p viewer. Returns false (with a message from @p method,
   * members untouched) when the frame is not finite.
   */
  bool setUpMembers(const char* method, const Member* members, int num,
                    const SbVec3f& frameStart, const SbVec3f& frameEnd, const SbVec3f& viewer);

  /** The cartesian type of an axis along coordinate @p along graduated toward @p across. */
  static PoCartesianAxis::Type typeFor(int along, int across);

  /** The member of part @p part, or null. */
  PoCartesianAxis* getMember(const char* part);

private:
  PoCartesianAxis* memberOfKind(const char* part, int kind);
  void placeMember(PoCartesianAxis* axis, const Member& member, const SbVec3f& centre,
                   const SbVec3f& viewer);

  std::vector<SbName> m_memberParts;
  FieldSensorList m_sensors;
};

#endif
