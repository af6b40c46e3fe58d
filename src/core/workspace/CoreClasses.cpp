#include "core/framework/RuntimeClass.h"
#include "core/locations/Location.h"
#include "core/satellites/Satellite.h"
#include "core/workspace/Settings.h"

namespace {

// The satellite grid and the location pane carry class records of their own
// (schema 1, no persistent fields), so that a file naming either class is
// read by the same rules as any other: another schema is an incorrect
// schema, and an object of either class where a record belongs is an
// unexpected object.  The windows themselves live in the desktop program.
extern const CRuntimeClass classCArcGrid;
extern const CRuntimeClass classCDlgLocations;

template <const CRuntimeClass* Record>
class CPaneClass : public CObject {
public:
    const CRuntimeClass* GetRuntimeClass() const override { return Record; }
    static CObject* Create() { return new CPaneClass; }
};

const CRuntimeClass classCArcGrid = {"CArcGrid", 1, &CPaneClass<&classCArcGrid>::Create,
                                     RUNTIME_CLASS(CObject)};
const CRuntimeClass classCDlgLocations = {"CDlgLocations", 1, &CPaneClass<&classCDlgLocations>::Create,
                                          RUNTIME_CLASS(CObject)};

}  // namespace

void RegisterCoreClasses() {
    CRuntimeClass::Register(RUNTIME_CLASS(CSatellite));
    CRuntimeClass::Register(RUNTIME_CLASS(CLocation));
    CRuntimeClass::Register(RUNTIME_CLASS(CSettings));
    CRuntimeClass::Register(&classCArcGrid);
    CRuntimeClass::Register(&classCDlgLocations);
}
