#pragma once
// CGXPrintDevice: the printer a grid prints on, as the grid parameters keep it. Printing itself is
// not built yet; the object holds no printer settings so far and stores only its schema, so that
// archives that carry one keep their shape.
#include "platform/framework/archive.h"
#include "platform/framework/object.h"

class CGXPrintDevice : public CObject {
    DECLARE_SERIAL(CGXPrintDevice)
public:
    CGXPrintDevice() = default;

    // Schema 1: 16 bits schema.
    void Serialize(CArchive& ar) override;
};
