// Declaration macros of the vector representations, the 2D and the 3D one being twins: their
// parts, enumerations and fields, in one place.
#ifndef GRIDLUX_POSUBVECTORFIELD_H
#define GRIDLUX_POSUBVECTORFIELD_H

#include <Inventor/fields/SoSFEnum.h>
#include <Inventor/fields/SoSFFloat.h>
#include <Inventor/fields/SoSFInt32.h>
#include <Inventor/nodekits/SoAppearanceKit.h>
#include <Inventor/nodes/SoGroup.h>
#include <Inventor/nodes/SoSeparator.h>

/** The parts of a vector representation, in catalog order. */
#define GRIDLUX_VECTOR_FIELD_CATALOG_HEADER()  \
  SO_KIT_CATALOG_ENTRY_HEADER(bodySep);        \
  SO_KIT_CATALOG_ENTRY_HEADER(bodyApp);        \
  SO_KIT_CATALOG_ENTRY_HEADER(bodyGroup);      \
  SO_KIT_CATALOG_ENTRY_HEADER(startArrowSep);  \
  SO_KIT_CATALOG_ENTRY_HEADER(startArrowApp);  \
  SO_KIT_CATALOG_ENTRY_HEADER(startArrowGroup); \
  SO_KIT_CATALOG_ENTRY_HEADER(endArrowSep);    \
  SO_KIT_CATALOG_ENTRY_HEADER(endArrowApp);    \
  SO_KIT_CATALOG_ENTRY_HEADER(endArrowGroup)

/** The enumerations and fields of a vector representation, in field order. */
#define GRIDLUX_VECTOR_FIELD_DECLARATIONS()                                                     \
  enum EliminationStatus { NONE = 0, TOO_SMALL = 1, TOO_LONG = 2, TOO_SMALL_OR_LONG = 3 };     \
  enum BodyShape { NO_BODY = 0, LINE = 1, CYLINDER = 2 };                                      \
  enum BodyLengthType { CONSTANT_LENGTH = 0, RELATIVE_LENGTH = 1 };                            \
  enum BodyRadiusType { CONSTANT_RADIUS = 0, RELATIVE_RADIUS = 1 };                            \
  enum BodyColoringType { CONSTANT_COLOR = 0, MODULE_MAPPING_COLOR = 1, SCALAR_MAPPING_COLOR = 2 }; \
  enum StartArrowShape {                                                                       \
    NO_SHAPE = 0, POINT = 1, CHEVRON = 2, TRIANGLE = 3, RECTANGLE = 4, CONE = 5, BOX = 6,       \
    SPHERE = 7, INDIRECT_CHEVRON = 8, INDIRECT_TRIANGLE = 9, INDIRECT_CONE = 10                \
  };                                                                                           \
  enum StartArrowHeightType { CONSTANT_HEIGHT = 0, RELATIVE_HEIGHT = 1 };                      \
  typedef BodyColoringType StartArrowColoringType;                                             \
  typedef StartArrowShape EndArrowShape;                                                       \
  typedef StartArrowHeightType EndArrowHeightType;                                             \
  typedef BodyColoringType EndArrowColoringType;                                               \
  SoSFInt32 density;                                                                           \
  SoSFEnum eliminationStatus;                                                                  \
  SoSFFloat minLength;                                                                         \
  SoSFFloat maxLength;                                                                         \
  SoSFEnum bodyShape;                                                                          \
  SoSFEnum bodyLengthType;                                                                     \
  SoSFFloat bodyLengthFactor;                                                                  \
  SoSFEnum bodyRadiusType;                                                                     \
  SoSFFloat bodyRadiusFactor;                                                                  \
  SoSFEnum bodyColoringType;                                                                   \
  SoSFEnum startArrowShape;                                                                    \
  SoSFEnum startArrowHeightType;                                                               \
  SoSFFloat startArrowHeightFactor;                                                            \
  SoSFFloat startArrowRadiusFactor;                                                            \
  SoSFEnum startArrowColoringType;                                                             \
  SoSFEnum endArrowShape;                                                                      \
  SoSFEnum endArrowHeightType;                                                                 \
  SoSFFloat endArrowHeightFactor;                                                              \
  SoSFFloat endArrowRadiusFactor;                                                              \
  SoSFEnum endArrowColoringType

#define GRIDLUX_VECTOR_FIELD_SHAPE_ENUM(_type_)            \
  SO_KIT_DEFINE_ENUM_VALUE(_type_, NO_SHAPE);              \
  SO_KIT_DEFINE_ENUM_VALUE(_type_, POINT);                 \
  SO_KIT_DEFINE_ENUM_VALUE(_type_, CHEVRON);               \
  SO_KIT_DEFINE_ENUM_VALUE(_type_, TRIANGLE);              \
  SO_KIT_DEFINE_ENUM_VALUE(_type_, RECTANGLE);             \
  SO_KIT_DEFINE_ENUM_VALUE(_type_, CONE);                  \
  SO_KIT_DEFINE_ENUM_VALUE(_type_, BOX);                   \
  SO_KIT_DEFINE_ENUM_VALUE(_type_, SPHERE);                \
  SO_KIT_DEFINE_ENUM_VALUE(_type_, INDIRECT_CHEVRON);      \
  SO_KIT_DEFINE_ENUM_VALUE(_type_, INDIRECT_TRIANGLE);     \
  SO_KIT_DEFINE_ENUM_VALUE(_type_, INDIRECT_CONE)

#define GRIDLUX_VECTOR_FIELD_COLORING_ENUM(_type_)         \
  SO_KIT_DEFINE_ENUM_VALUE(_type_, CONSTANT_COLOR);        \
  SO_KIT_DEFINE_ENUM_VALUE(_type_, MODULE_MAPPING_COLOR);  \
  SO_KIT_DEFINE_ENUM_VALUE(_type_, SCALAR_MAPPING_COLOR)

#define GRIDLUX_VECTOR_FIELD_HEIGHT_ENUM(_type_)           \
  SO_KIT_DEFINE_ENUM_VALUE(_type_, CONSTANT_HEIGHT);       \
  SO_KIT_DEFINE_ENUM_VALUE(_type_, RELATIVE_HEIGHT)

/** In a vector representation's constructor: its parts, fields and enumerations. */
#define GRIDLUX_VECTOR_FIELD_ADD_ENTRIES()                                                    \
  SO_KIT_ADD_CATALOG_ENTRY(bodySep, SoSeparator, TRUE, this, "", TRUE);                       \
  SO_KIT_ADD_CATALOG_ENTRY(bodyApp, SoAppearanceKit, TRUE, bodySep, "", TRUE);                \
  SO_KIT_ADD_CATALOG_ENTRY(bodyGroup, SoGroup, TRUE, bodySep, "", TRUE);                      \
  SO_KIT_ADD_CATALOG_ENTRY(startArrowSep, SoSeparator, TRUE, this, "", TRUE);                 \
  SO_KIT_ADD_CATALOG_ENTRY(startArrowApp, SoAppearanceKit, TRUE, startArrowSep, "", TRUE);    \
  SO_KIT_ADD_CATALOG_ENTRY(startArrowGroup, SoGroup, TRUE, startArrowSep, "", TRUE);          \
  SO_KIT_ADD_CATALOG_ENTRY(endArrowSep, SoSeparator, TRUE, this, "", TRUE);                   \
  SO_KIT_ADD_CATALOG_ENTRY(endArrowApp, SoAppearanceKit, TRUE, endArrowSep, "", TRUE);        \
  SO_KIT_ADD_CATALOG_ENTRY(endArrowGroup, SoGroup, TRUE, endArrowSep, "", TRUE);              \
  SO_KIT_ADD_FIELD(density, (1));                                                             \
  SO_KIT_ADD_FIELD(eliminationStatus, (NONE));                                                \
  SO_KIT_ADD_FIELD(minLength, (0.0f));                                                        \
  SO_KIT_ADD_FIELD(maxLength, (1e30f));                                                       \
  SO_KIT_ADD_FIELD(bodyShape, (LINE));                                                        \
  SO_KIT_ADD_FIELD(bodyLengthType, (RELATIVE_LENGTH));                                        \
  SO_KIT_ADD_FIELD(bodyLengthFactor, (1.0f));                                                 \
  SO_KIT_ADD_FIELD(bodyRadiusType, (CONSTANT_RADIUS));                                        \
  SO_KIT_ADD_FIELD(bodyRadiusFactor, (0.02f));                                                \
  SO_KIT_ADD_FIELD(bodyColoringType, (CONSTANT_COLOR));                                       \
  SO_KIT_ADD_FIELD(startArrowShape, (NO_SHAPE));                                              \
  SO_KIT_ADD_FIELD(startArrowHeightType, (RELATIVE_HEIGHT));                                  \
  SO_KIT_ADD_FIELD(startArrowHeightFactor, (0.1f));                                           \
  SO_KIT_ADD_FIELD(startArrowRadiusFactor, (0.5f));                                           \
  SO_KIT_ADD_FIELD(startArrowColoringType, (CONSTANT_COLOR));                                 \
  SO_KIT_ADD_FIELD(endArrowShape, (CHEVRON));                                                 \
  SO_KIT_ADD_FIELD(endArrowHeightType, (RELATIVE_HEIGHT));                                    \
  SO_KIT_ADD_FIELD(endArrowHeightFactor, (0.1f));                                             \
  SO_KIT_ADD_FIELD(endArrowRadiusFactor, (0.5f));                                             \
  SO_KIT_ADD_FIELD(endArrowColoringType, (CONSTANT_COLOR));                                   \
  SO_KIT_DEFINE_ENUM_VALUE(EliminationStatus, NONE);                                          \
  SO_KIT_DEFINE_ENUM_VALUE(EliminationStatus, TOO_SMALL);                                     \
  SO_KIT_DEFINE_ENUM_VALUE(EliminationStatus, TOO_LONG);                                      \
  SO_KIT_DEFINE_ENUM_VALUE(EliminationStatus, TOO_SMALL_OR_LONG);                             \
  SO_KIT_SET_SF_ENUM_TYPE(eliminationStatus, EliminationStatus);                              \
  SO_KIT_DEFINE_ENUM_VALUE(BodyShape, NO_BODY);                                               \
  SO_KIT_DEFINE_ENUM_VALUE(BodyShape, LINE);                                                  \
  SO_KIT_DEFINE_ENUM_VALUE(BodyShape, CYLINDER);                                              \
  SO_KIT_SET_SF_ENUM_TYPE(bodyShape, BodyShape);                                              \
  SO_KIT_DEFINE_ENUM_VALUE(BodyLengthType, CONSTANT_LENGTH);                                  \
  SO_KIT_DEFINE_ENUM_VALUE(BodyLengthType, RELATIVE_LENGTH);                                  \
  SO_KIT_SET_SF_ENUM_TYPE(bodyLengthType, BodyLengthType);                                    \
  SO_KIT_DEFINE_ENUM_VALUE(BodyRadiusType, CONSTANT_RADIUS);                                  \
  SO_KIT_DEFINE_ENUM_VALUE(BodyRadiusType, RELATIVE_RADIUS);                                  \
  SO_KIT_SET_SF_ENUM_TYPE(bodyRadiusType, BodyRadiusType);                                    \
  GRIDLUX_VECTOR_FIELD_COLORING_ENUM(BodyColoringType);                                       \
  SO_KIT_SET_SF_ENUM_TYPE(bodyColoringType, BodyColoringType);                                \
  GRIDLUX_VECTOR_FIELD_SHAPE_ENUM(StartArrowShape);                                           \
  SO_KIT_SET_SF_ENUM_TYPE(startArrowShape, StartArrowShape);                                  \
  GRIDLUX_VECTOR_FIELD_HEIGHT_ENUM(StartArrowHeightType);                                     \
  SO_KIT_SET_SF_ENUM_TYPE(startArrowHeightType, StartArrowHeightType);                        \
  GRIDLUX_VECTOR_FIELD_COLORING_ENUM(StartArrowColoringType);                                 \
  SO_KIT_SET_SF_ENUM_TYPE(startArrowColoringType, StartArrowColoringType);                    \
  GRIDLUX_VECTOR_FIELD_SHAPE_ENUM(EndArrowShape);                                             \
  SO_KIT_SET_SF_ENUM_TYPE(endArrowShape, EndArrowShape);                                      \
  GRIDLUX_VECTOR_FIELD_HEIGHT_ENUM(EndArrowHeightType);                                       \
  SO_KIT_SET_SF_ENUM_TYPE(endArrowHeightType, EndArrowHeightType);                            \
  GRIDLUX_VECTOR_FIELD_COLORING_ENUM(EndArrowColoringType);                                   \
  SO_KIT_SET_SF_ENUM_TYPE(endArrowColoringType, EndArrowColoringType)

#endif
