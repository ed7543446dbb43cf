// Type registration of the node-base tests' kit.
#include "TestKit.h"

PO_KIT_SOURCE(TestKit);
