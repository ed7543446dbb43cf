// Umbrella header: every public header of the library.
#ifndef GRIDLUX_GRIDLUX_H
#define GRIDLUX_GRIDLUX_H

#include <Gridlux/platform/SbThreadAutoWriteLock.h>
#include <Gridlux/platform/SbThreadRWMutex.h>

#include <Gridlux/base/PbArrayOfFloat.h>
#include <Gridlux/base/PbArrayOfInt.h>
#include <Gridlux/base/PbArrayOfLong.h>
#include <Gridlux/base/PbBase.h>
#include <Gridlux/base/PoBase.h>
#include <Gridlux/base/PoChartwork.h>
#include <Gridlux/base/PoDebugError.h>
#include <Gridlux/base/PoException.h>
#include <Gridlux/base/PoExceptionHandler.h>
#include <Gridlux/base/PoFieldwork.h>
#include <Gridlux/base/PoGridlux.h>
#include <Gridlux/base/PoNode.h>
#include <Gridlux/base/PoTryStart.h>

#include <Gridlux/attributes/PbDataMapping.h>
#include <Gridlux/attributes/PbDomain.h>
#include <Gridlux/attributes/PbMiscTextAttr.h>
#include <Gridlux/attributes/PoDomainElement.h>
#include <Gridlux/attributes/PoMiscTextAttrElement.h>

#endif
