#include "framework/RuntimeClass.h"
#include "locations/Location.h"
#include "satellites/Satellite.h"
#include "workspace/Settings.h"

void RegisterCoreClasses() {
    CRuntimeClass::Register(RUNTIME_CLASS(CSatellite));
    CRuntimeClass::Register(RUNTIME_CLASS(CLocation));
    CRuntimeClass::Register(RUNTIME_CLASS(CSettings));
}
