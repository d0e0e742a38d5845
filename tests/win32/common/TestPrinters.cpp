#include "TestPrinters.h"

#include <gtest/gtest.h>
#include <string>

void PrintTo(const CRect& r, std::ostream* os)
{
    *os << "(" << r.left << ", " << r.top << ")-(" << r.right << ", " << r.bottom << ")";
}

void PrintTo(const CPoint& p, std::ostream* os)
{
    *os << "(" << p.x << ", " << p.y << ")";
}

void PrintTo(const CString& s, std::ostream* os)
{
    *os << ::testing::PrintToString(std::wstring(s));
}
