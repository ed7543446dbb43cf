// Shared machinery of the axis groups: member axes held as parts, laid out on a frame and written with the group.
#include <Gridlux/axes/PoAxisGroup.h>

#include <Gridlux/axes/PoLinearAxis.h>
#include <Gridlux/axes/PoLogAxis.h>
#include <Gridlux/base/PoDebugError.h>

#include <Inventor/SoOutput.h>
#include <Inventor/actions/SoWriteAction.h>
#include <Inventor/nodekits/SoNodekitCatalog.h>

#include <algorithm>
#include <cmath>

namespace {

// While alive, leaves out of the file every part of a kit except its members, which are
// written with the kit whenever they hold a node.
class MembersOnlyScope {
public:
  MembersOnlyScope(SoBaseKit* kit, const std::vector<SbName>& members)
  {
    const SoNodekitCatalog* catalog = kit->getNodekitCatalog();
    for (int i = 1; i < catalog->getNumEntries(); ++i) { // entry 0 is the kit itself
      SoSFNode* field = static_cast<SoSFNode*>(kit->getField(catalog->getName(i)));
      if (!field)
        continue;
      m_fields.push_back(field);
      m_wasDefault.push_back(field->isDefault());
      const bool member =
          std::find(members.begin(), members.end(), catalog->getName(i)) != members.end();
      field->setDefault(!(member && field->getValue()));
    }
  }
  ~MembersOnlyScope()
  {
    for (size_t i = 0; i < m_fields.size(); ++i)
      m_fields[i]->setDefault(m_wasDefault[i]);
  }
  MembersOnlyScope(const MembersOnlyScope&) = delete;
  MembersOnlyScope& operator=(const MembersOnlyScope&) = delete;

private:
  std::vector<SoField*> m_fields;
  std::vector<SbBool> m_wasDefault;
};

// Copies into @p to every field that the user set on @p from and that @p to has too.
void copySetFields(PoCartesianAxis* from, PoCartesianAxis* to)
{
  SoFieldList fields;
  PoBase::getOwnFields(from, fields);
  for (int i = 0; i < fields.getLength(); ++i) {
    if (fields[i]->isDefault())
      continue;
    SbName name;
    from->getFieldName(fields[i], name);
    SoField* target = to->getField(name);
    if (target && target->getTypeId() == fields[i]->getTypeId())
      target->copyFrom(*fields[i]);
  }
}

// The group's choice for a field that the user has not set: kept as a default value, so that
// it stays the group's to change and is not written.
template <class Field, class Value>
void suggest(Field& field, Value value)
{
  if (!field.isDefault() || field.getValue() == value)
    return;
  field.setValue(value);
  field.setDefault(TRUE);
}

bool finite(const SbVec3f& v)
{
  return std::isfinite(v[0]) && std::isfinite(v[1]) && std::isfinite(v[2]);
}

} // namespace

PoAxisGroup::PoAxisGroup() = default;

PoAxisGroup::~PoAxisGroup()
{
  deleteFieldSensorList(m_sensors);
}

SbBool PoAxisGroup::setUpConnections(SbBool onOff, SbBool doItAlways)
{
  if (!doItAlways && connectionsSetUp == onOff)
    return onOff;
  watchOwnFields(onOff, m_sensors);
  return inherited::setUpConnections(onOff, doItAlways);
}

void PoAxisGroup::write(SoWriteAction* action)
{
  if (getNodeWriteFormat() != WRITE_FORMAT_COMPACT) {
    inherited::write(action);
    return;
  }
  m_writeAction = action;
  setDefaultOnNonWritingFields();
  MembersOnlyScope scope(this, m_memberParts);
  SoNode::write(action);
}

void PoAxisGroup::addWriteReference(SoOutput* out, SbBool isFromField)
{
  if (getNodeWriteFormat() != WRITE_FORMAT_COMPACT) {
    inherited::addWriteReference(out, isFromField);
    return;
  }
  MembersOnlyScope scope(this, m_memberParts);
  SoFieldContainer::addWriteReference(out, isFromField);
}

PoCartesianAxis::Type PoAxisGroup::typeFor(int along, int across)
{
  static const PoCartesianAxis::Type types[3][3] = {
      {PoCartesianAxis::XY, PoCartesianAxis::XY, PoCartesianAxis::XZ},
      {PoCartesianAxis::YX, PoCartesianAxis::YX, PoCartesianAxis::YZ},
      {PoCartesianAxis::ZX, PoCartesianAxis::ZY, PoCartesianAxis::ZX}};
  return types[along % 3][across % 3];
}

PoCartesianAxis* PoAxisGroup::getMember(const char* part)
{
  SoNode* node = getAnyPart(part, FALSE);
  if (!node || !node->isOfType(PoCartesianAxis::getClassTypeId()))
    return nullptr;
  return static_cast<PoCartesianAxis*>(node);
}

PoCartesianAxis* PoAxisGroup::memberOfKind(const char* part, int kind)
{
  PoCartesianAxis* current = getMember(part);
  SoType wanted = PoLinearAxis::getClassTypeId();
  if (kind == MEMBER_LOGARITHMIC)
    wanted = PoLogAxis::getClassTypeId();
  else if (kind == MEMBER_ANY && current)
    wanted = current->getTypeId();
  if (current && current->getTypeId() == wanted)
    return current;

  PoCartesianAxis* axis = kind == MEMBER_LOGARITHMIC ? static_cast<PoCartesianAxis*>(new PoLogAxis)
                                                     : new PoLinearAxis;
  axis->ref();
  if (current)
    copySetFields(current, axis);
  setAnyPart(part, axis);
  axis->unrefNoDelete();
  return axis;
}

void PoAxisGroup::placeMember(PoCartesianAxis* axis, const Member& member,
                              const SbVec3f& centre, const SbVec3f& viewer)
{
  if (axis->start.getValue() != member.start)
    axis->start.setValue(member.start);
  if (axis->end.getValue() != member.end)
    axis->end.setValue(member.end);
  if (axis->type.getValue() != member.type)
    axis->type.setValue(member.type);
  if (axis->titleString.getValue() != member.title)
    axis->titleString.setValue(member.title);
  if (axis->titleVisibility.getValue() != PoAxis::VISIBILITY_ON)
    axis->titleVisibility.setValue(PoAxis::VISIBILITY_ON);

  // Members share the group's domain, and its transform is applied once, by the group.
  axis->enableDomainTransform(FALSE);
  axis->setDomain(m_domain != &m_defaultDomain ? m_domain : nullptr);

  // Labels away from the frame: the side of "above" in the member's frame decides. Only the
  // directions of the matrix matter here, so unit extents do.
  float along, across;
  const SbMatrix m = PoCartesianAxis::getAxisMatrix(member.type, member.start,
                                                     SbVec3f(1, 1, 1), along, across);
  const SbVec3f above(m[1][0], m[1][1], m[1][2]), facing(m[2][0], m[2][1], m[2][2]);
  const SbVec3f alongDir(m[0][0], m[0][1], m[0][2]);
  SbVec3f outward = member.start - centre;
  outward -= alongDir * outward.dot(alongDir);
  const float side = above.dot(outward);
  if (side != 0.0f)
    suggest(axis->gradPosition, side > 0.0f ? PoAxis::GRAD_ABOVE : PoAxis::GRAD_BELOW);
  const bool flatText = PoBase::getTextType() == PoBase::TEXT_3D || PoBase::isVRML2Mode();
  suggest(axis->reverseFlag, flatText && facing.dot(viewer) < 0.0f ? PoAxis::AXIS_REVERSE
                                                                   : PoAxis::AXIS_REVERSE_DEPEND);

  const bool titleAlong = (member.hints & TITLE_ALONG) != 0;
  suggest(axis->titlePosition, titleAlong ? PoAxis::TITLE_MIDDLE : PoAxis::TITLE_DEPEND);
  suggest(axis->titlePath, titleAlong ? PoAxis::PATH_RIGHT : PoAxis::PATH_DEPEND);
  suggest(axis->tickFirstGrad, (unsigned short)((member.hints & SKIP_FIRST_LABEL) ? 2 : 1));
  suggest(axis->tickLastGrad, (unsigned short)((member.hints & SKIP_LAST_LABEL) ? 2 : 1));
}

bool PoAxisGroup::setUpMembers(const char* method, const Member* members, int num,
                               const SbVec3f& frameStart, const SbVec3f& frameEnd,
                               const SbVec3f& viewer)
{
  if (!finite(frameStart) || !finite(frameEnd)) {
    PoDebugError::post(method,
                       "frame from (%g, %g, %g) to (%g, %g, %g) is not finite; the axes are "
                       "left as they were",
                       frameStart[0], frameStart[1], frameStart[2], frameEnd[0], frameEnd[1],
                       frameEnd[2]);
    return false;
  }
  const SbVec3f centre = 0.5f * (frameStart + frameEnd);
  for (int i = 0; i < num; ++i)
    placeMember(memberOfKind(members[i].part, members[i].kind), members[i], centre, viewer);
  return true;
}
