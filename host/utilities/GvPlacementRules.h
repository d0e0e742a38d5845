#pragma once
#include "GvUtilities.h"

// The arithmetic of GvControlPlacementContainer, without windows.
struct GvPlacementRect
{
    int left, top, right, bottom;
    bool operator==(const GvPlacementRect& o) const
    {
        return left == o.left && top == o.top && right == o.right && bottom == o.bottom;
    }
};

// Fills the binding's recorded values from where the windows stand now.
void GvRecordControlBinding(GvControlBinding& binding, const GvPlacementRect& control, const GvPlacementRect& reference,
                            const GvPlacementRect& parentClient);

// Where the binding puts the control (unchanged for a visibility binding).
GvPlacementRect GvApplyControlBinding(const GvControlBinding& binding, const GvPlacementRect& control,
                                      const GvPlacementRect& reference, const GvPlacementRect& parentClient);
