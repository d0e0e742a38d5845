#pragma once
// A test frame that records the GVM_CHILD_RESIZE reports of its children.
#include <vector>
#include "GvMessages.h"
#include "TestFrame.h"

class CResizeRecorder : public CTestFrame
{
public:
    std::vector<WPARAM> m_resizes;

protected:
    afx_msg LRESULT OnChildResize(WPARAM wParam, LPARAM)
    {
        m_resizes.push_back(wParam);
        return 0;
    }
    DECLARE_MESSAGE_MAP()
};

// The map lives in the one test file that defines GV_RESIZE_RECORDER_MAP
// before including this header.
#ifdef GV_RESIZE_RECORDER_MAP
BEGIN_MESSAGE_MAP(CResizeRecorder, CTestFrame)
    ON_MESSAGE(GVM_CHILD_RESIZE, OnChildResize)
END_MESSAGE_MAP()
#endif
