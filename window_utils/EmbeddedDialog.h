#pragma once
// Dialogs that the library embeds as controls in a host's window keep Enter
// and Escape from ending them (the base processing would hide the control).
#include <windows.h>

// Enter in an embedded dialog: the child holding the focus is told it lost it
// and got it back, so a numeric edit commits its typed text and stays
// focused. False when the focus is outside the dialog.
bool GvCommitFocusedChild(HWND hDialog);
