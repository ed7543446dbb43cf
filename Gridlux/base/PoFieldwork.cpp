// Mesh-representation family base and the registration of its family.
#include <Gridlux/base/PoFieldwork.h>

#include <Gridlux/representations/PoCellEdges.h>
#include <Gridlux/representations/PoCellFacets.h>
#include <Gridlux/representations/PoCellIndices.h>
#include <Gridlux/representations/PoCellShape.h>
#include <Gridlux/representations/PoMesh.h>
#include <Gridlux/representations/PoMesh2D.h>
#include <Gridlux/representations/PoMesh2DVec.h>
#include <Gridlux/representations/PoMesh3D.h>
#include <Gridlux/representations/PoMesh3DVec.h>
#include <Gridlux/representations/PoMesh3DVecCrossSection.h>
#include <Gridlux/representations/PoMesh3DVecGridCrossSection.h>
#include <Gridlux/representations/PoMeshContouring.h>
#include <Gridlux/representations/PoMeshFilled.h>
#include <Gridlux/representations/PoMeshCrossContour.h>
#include <Gridlux/representations/PoMeshCrossSection.h>
#include <Gridlux/representations/PoMeshLevelSurf.h>
#include <Gridlux/representations/PoMeshLimit.h>
#include <Gridlux/representations/PoMeshLines.h>
#include <Gridlux/representations/PoMeshProbePoint.h>
#include <Gridlux/representations/PoMeshSides.h>
#include <Gridlux/representations/PoMeshSkeleton.h>
#include <Gridlux/representations/PoMeshSkin.h>
#include <Gridlux/representations/PoStreamLine.h>
#include <Gridlux/representations/PoStreamLineMotion.h>
#include <Gridlux/representations/PoStreamPointMotion.h>
#include <Gridlux/representations/PoStreamSphereMotion.h>
#include <Gridlux/representations/PoStreamSurface.h>
#include <Gridlux/representations/PoStreamTadpoleMotion.h>

PO_KIT_ABSTRACT_SOURCE(PoFieldwork);

namespace {
int familyInitDone = 0;
}

void PoFieldwork::initClass()
{
  PO_KIT_INIT_ABSTRACT_CLASS(PoFieldwork, PoBase, "PoBase");
}

void PoFieldwork::initClasses()
{
  PoFieldwork::initClass();
  PoMesh::initClass();
  PoMeshProbePoint::initClass();
  PoCellShape::initClass();
  PoCellEdges::initClass();
  PoCellFacets::initClass();
  PoCellIndices::initClass();
  PoBaseStreamLine::initClass();
  PoStreamLine::initClass();
  PoStreamSurface::initClass();
  PoStreamParticleMotion::initClass();
  PoStreamPointMotion::initClass();
  PoStreamSphereMotion::initClass();
  PoStreamLineMotion::initClass();
  PoStreamTadpoleMotion::initClass();
  PoMesh2D::initClass();
  PoMesh2DVec::initClass();
  PoMeshLines::initClass();
  PoMeshFilled::initClass();
  PoMeshSides::initClass();
  PoMeshLimit::initClass();
  PoMeshContouring::initClass();
  PoMesh3D::initClass();
  PoMesh3DVec::initClass();
  PoMeshSkin::initClass();
  PoMeshLevelSurf::initClass();
  PoMeshCrossSection::initClass();
  PoMeshCrossContour::initClass();
  PoMeshSkeleton::initClass();
  PoMesh3DVecCrossSection::initClass();
  PoMesh3DVecGridCrossSection::initClass();
}

PoFieldwork::PoFieldwork() : PoBase(nullptr)
{
  SO_KIT_CONSTRUCTOR(PoFieldwork);
  SO_KIT_INIT_INSTANCE();
  if (!familyInitDone) {
    familyInitDone = 1;
    PoBase::init();
  }
}

PoFieldwork::~PoFieldwork() = default;
