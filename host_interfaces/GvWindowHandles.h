#pragma once
// Window-system handles as opaque pointers, declared as <windows.h> declares
// them (STRICT handles), so on Windows GvHWND is HWND and so on, while
// portable code compiles without any window headers.
struct HWND__;
struct HDC__;
struct HBITMAP__;
struct HICON__;
struct HACCEL__;
struct tagMSG;

typedef HWND__* GvHWND;
typedef HDC__* GvHDC;
typedef HBITMAP__* GvHBITMAP;
typedef HICON__* GvHICON;
typedef HACCEL__* GvHACCEL;
