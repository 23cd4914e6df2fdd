// The five registered window messages, registered when the program starts
// (static initialisation), before the application object's start-up runs.
#ifndef KORV_FRAME_MESSAGES_H
#define KORV_FRAME_MESSAGES_H

#include <windows.h>

extern const UINT UWM_LBUTDOWN;
extern const UINT UWM_MOUSEOVER;
extern const UINT UWM_LHIDETREE;
extern const UINT UWM_SHOWMENU;
extern const UINT UWM_SHOWHELPMENU;

#endif
