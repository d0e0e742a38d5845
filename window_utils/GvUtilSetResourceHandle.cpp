#include "GvWindowUtils.h"
#include "platform/mfc/GvMfc.h"

GvUtilSetResourceHandle::GvUtilSetResourceHandle(HINSTANCE hInstance) : m_savedHandle(AfxGetResourceHandle())
{
    AfxSetResourceHandle(hInstance);
}

GvUtilSetResourceHandle::~GvUtilSetResourceHandle()
{
    AfxSetResourceHandle(m_savedHandle);
}
