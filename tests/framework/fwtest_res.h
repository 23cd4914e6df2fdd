// Resource ids of the framework tests.
#ifndef KORV_TESTS_FRAMEWORK_FWTEST_RES_H
#define KORV_TESTS_FRAMEWORK_FWTEST_RES_H

#define IDR_TESTFRAME      300   // string, menu, accelerators, toolbar, bitmap
#define IDR_BADTOOLBAR     301   // a toolbar resource of an unknown version
#define IDS_LONG           302   // a string longer than 256 characters
#define IDS_PROMPT         303
#define IDR_NOMENUFRAME    304   // a frame string without a menu resource
#define IDM_TB_FIRST       40001
#define IDM_TB_SECOND      40002
#define IDM_MENU_ITEM      40003

#endif
