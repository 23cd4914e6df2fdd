// Identifiers that belong to the application framework itself: standard
// command ids, standard string ids, control-bar window ids. Plain #defines
// only, so that the resource compiler can include this file too.
#ifndef KORV_FWRES_H
#define KORV_FWRES_H

// Standard commands.
#define ID_FILE_NEW            0xE100  // 57600
#define ID_FILE_OPEN           0xE101  // 57601
#define ID_FILE_SAVE           0xE103  // 57603
#define ID_FILE_PRINT_SETUP    0xE106  // 57606
#define ID_FILE_PRINT          0xE107  // 57607
#define ID_FILE_PRINT_DIRECT   0xE108  // 57608
#define ID_FILE_PRINT_PREVIEW  0xE109  // 57609
#define ID_FILE_SEND_MAIL      0xE10C  // 57612
#define ID_EDIT_COPY           0xE122  // 57634
#define ID_EDIT_CUT            0xE123  // 57635
#define ID_EDIT_PASTE          0xE125  // 57637
#define ID_EDIT_UNDO           0xE12B  // 57643
#define ID_NEXT_PANE           0xE150  // 57680
#define ID_PREV_PANE           0xE151  // 57681
#define ID_APP_ABOUT           0xE140  // 57664

// Status bar indicators.
#define ID_SEPARATOR           0
#define ID_INDICATOR_CAPS      0xE701
#define ID_INDICATOR_NUM       0xE702
#define ID_INDICATOR_SCRL      0xE703

// Standard strings.
#define AFX_IDS_APP_TITLE      0xE000  // 57344

// Child window ids inside a frame.
#define AFX_IDW_TOOLBAR        0xE800
#define AFX_IDW_STATUS_BAR     0xE801
#define AFX_IDW_PANE_FIRST     0xE900

// Custom resource type of a toolbar: version, button width, button height,
// item count, then one command id per item (0 for a separator).
#define RT_TOOLBAR_ID          241

#endif
