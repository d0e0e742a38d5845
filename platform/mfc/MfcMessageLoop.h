#pragma once
// The message loop of a host: what MFC's thread object does for its
// messages. Pre-translation walks from the message's window up through its
// parents, offering the message to each window object (dialogs handle their
// keyboard there); idle processing frees temporary wrappers.
#include "MfcExport.h"

GVMFC_API BOOL AfxPreTranslateMessage(MSG* pMsg);
// Gets, pre-translates and dispatches one message; FALSE on WM_QUIT.
GVMFC_API BOOL AfxPumpMessage();
// Deletes the temporary window, device-context, GDI and menu wrappers.
GVMFC_API void AfxIdleProcessing();
// Runs until WM_QUIT (idle processing whenever the queue is empty) and
// returns its exit code.
GVMFC_API int AfxRunMessageLoop();
// Handles what is queued now, then runs the idle processing once.
GVMFC_API void AfxPumpPendingMessages();
// Number of temporary wrappers alive on this thread.
GVMFC_API size_t AfxGetTemporaryObjectCount();
