// Compiled by the tests, never linked: without _DEBUG, ASSERT and ASSERT_VALID
// drop their expressions, so names that exist nowhere compile; with _DEBUG
// the same file must not.
#include "platform/mfc/GvMfc.h"

void Checks()
{
    ASSERT(NoSuchFunction());
    ASSERT_VALID(noSuchObject);
}
