#include "grid/properties/print_device.h"

IMPLEMENT_SERIAL(CGXPrintDevice, CObject, VERSIONABLE_SCHEMA | 0)

namespace {
constexpr WORD kPrintDeviceSchema = 1;
}

void CGXPrintDevice::Serialize(CArchive& ar) {
    if (ar.IsStoring()) {
        ar << kPrintDeviceSchema;
        return;
    }
    WORD wSchema = 0;
    ar >> wSchema;
    if (wSchema != kPrintDeviceSchema) AfxThrowArchiveException(CArchiveException::badSchema);
}
