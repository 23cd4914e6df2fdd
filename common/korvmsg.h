// The registered window messages by which the hook library and the tree
// popup talk to the program's hidden main frame. Every process that
// registers the same name gets the same message number.
#ifndef KORV_KORVMSG_H
#define KORV_KORVMSG_H

// Posted by the hook library.
#define UWM_LBUTDOWN_MSG     "UWM_LBUTDOWN_MSG-QRWZKT_MYUNIQUE_BLALALA"
#define UWM_MOUSEOVER_MSG    "UWM_MOUSEOVER_MSG-QRWZKT_MYUNIQUE_BLALALA"
#define UWM_LHIDETREE_MSG    "UWM_LHIDETREE_MSG-QRWZKT_MYUNIQUE_BLALALA"

// Posted by the tree popup.
#define UWM_SHOWMENU_MSG     "UWM_SHOWMENU_MSG-QRWZKT_MYUNIQUE_BLALALA"
#define UWM_SHOWHELPMENU_MSG "UWM_SHOWHELPMENU_MSG-QRWZKT_MYUNIQUE_BLALALA"

#endif
