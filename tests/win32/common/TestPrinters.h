#pragma once
// Readable rectangles, points and strings in failure messages.
#include <ostream>

#include "platform/mfc/GvMfc.h"

void PrintTo(const CRect& r, std::ostream* os);
void PrintTo(const CPoint& p, std::ostream* os);
void PrintTo(const CString& s, std::ostream* os);
