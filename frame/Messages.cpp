#include "frame/Messages.h"

#include "common/korvmsg.h"

const UINT UWM_LBUTDOWN = RegisterWindowMessageA(UWM_LBUTDOWN_MSG);
const UINT UWM_MOUSEOVER = RegisterWindowMessageA(UWM_MOUSEOVER_MSG);
const UINT UWM_LHIDETREE = RegisterWindowMessageA(UWM_LHIDETREE_MSG);
const UINT UWM_SHOWMENU = RegisterWindowMessageA(UWM_SHOWMENU_MSG);
const UINT UWM_SHOWHELPMENU = RegisterWindowMessageA(UWM_SHOWHELPMENU_MSG);
