// Identifiers of the program's resources, dialog controls and menu
// commands. Plain #defines only: both the C++ sources and the resource
// compiler include this file. The framework's own standard ids live in
// framework/fwres.h.
#ifndef KORV_RESOURCE_H
#define KORV_RESOURCE_H

// Dialog templates.
#define IDD_ABOUTBOX            100
#define IDD_MENUDLG             138
#define IDD_TIP                 289
#define IDD_CONTACT             292

// Main frame: document string, menu, accelerators, icon, toolbar.
#define IDR_MAINFRAME           128

// Context menus and the help menu.
#define IDR_PROCMENU            145
#define IDR_THREMENU            149
#define IDR_WINMENU             153
#define IDR_HELPMENU            283

// Bitmaps.
#define IDB_OVERLAY             133
#define IDB_PROCESS             157
#define IDB_THREAD              158
#define IDB_WINDOW              159
#define IDB_WINDOW_HIDDEN       160
#define IDB_CLIP                253
#define IDB_SWIRL               254
#define IDB_HELP                255
#define IDB_SAVE                257
#define IDB_TIP                 290

// Strings.
#define IDP_OLE_INIT_FAILED     101

// Dialog controls.
#ifndef IDC_STATIC
#define IDC_STATIC              (-1)
#endif
#define IDC_TREE                1001
#define IDC_CLIP                1007
#define IDC_SAVE                1008
#define IDC_HELPBTN             1012
#define IDC_PICTURE             1013
#define IDC_TIP_PICTURE         1018
#define IDC_DONTSHOW            1019
#define IDC_CONTACT_EDIT        1020

// Process menu.
#define ID_END_PROCESS          146
#define ID_COPY_PROCESS         148
#define ID_PROC_REALTIME        162
#define ID_PROC_HIGH            163
#define ID_PROC_ABOVENORMAL     164
#define ID_PROC_NORMAL          165
#define ID_PROC_BELOWNORMAL     166
#define ID_PROC_LOW             167

// Thread menu.
#define ID_END_THREAD           150
#define ID_COPY_THREAD          152
#define ID_THREAD_CRITICAL      168
#define ID_THREAD_HIGH          169
#define ID_THREAD_ABOVENORMAL   170
#define ID_THREAD_NORMAL        171
#define ID_THREAD_BELOWNORMAL   172
#define ID_THREAD_LOW           173
#define ID_THREAD_IDLE          250

// Window menu.
#define ID_HIGHLIGHT_WINDOW     154
#define ID_COPY_WINDOW          156
#define ID_WIN_VISIBLE          251
#define ID_WIN_INVISIBLE        252

// Main frame menu, help menu, toolbar.
#define ID_BLA                  282
#define ID_CONTACT              284
#define ID_DONATE               291
#define ID_TOOLBAR_BUTTON       32774

#endif
