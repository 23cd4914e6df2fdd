// The hook library's interface: seven exported functions, undecorated,
// 32-bit integers in and out. Window handles travel as integers.
#ifndef KORV_KORVHOOK_H
#define KORV_KORVHOOK_H

#ifdef KORVHOOK_BUILD
#define KORVHOOK_API extern "C" __declspec(dllexport)
#else
#define KORVHOOK_API extern "C" __declspec(dllimport)
#endif

KORVHOOK_API int __cdecl setMyHook(int notifyWnd, int watchedWnd);
KORVHOOK_API int __cdecl clearMyHook();
KORVHOOK_API int __cdecl setMyRect(int left, int top, int width, int height);
KORVHOOK_API int __cdecl setMyRect2(int left, int top, int width, int height);
KORVHOOK_API int __cdecl setTreeVis(int flag);
KORVHOOK_API int __cdecl setIsMenu(int flag);
KORVHOOK_API int __cdecl setIsClip(int flag);

#endif
