// The application framework: thin classes over the Win32 API in the style
// the program is written in. Include this one header.
#ifndef KORV_FW_H
#define KORV_FW_H

#include "framework/Platform.h"

#include "framework/Array.h"
#include "framework/FwString.h"
#include "framework/Geometry.h"
#include "framework/Object.h"

#include "framework/CmdTarget.h"
#include "framework/MsgMap.h"
#include "framework/Wnd.h"

#include "framework/CommandLineInfo.h"
#include "framework/MessageBox.h"
#include "framework/Ole.h"
#include "framework/WinApp.h"
#include "framework/WinThread.h"

#include "framework/CreateContext.h"
#include "framework/DocTemplate.h"
#include "framework/Document.h"
#include "framework/FrameWnd.h"
#include "framework/SingleDocTemplate.h"
#include "framework/View.h"

#include "framework/ControlBar.h"
#include "framework/StatusBar.h"
#include "framework/ToolBar.h"

#include "framework/DataExchange.h"
#include "framework/Dialog.h"

#include "framework/Button.h"
#include "framework/Edit.h"
#include "framework/Menu.h"
#include "framework/Static.h"
#include "framework/ToolTipCtrl.h"
#include "framework/TreeCtrl.h"

#include "framework/Bitmap.h"
#include "framework/DC.h"
#include "framework/GdiObject.h"
#include "framework/ImageList.h"
#include "framework/Pen.h"

#include "framework/Archive.h"
#include "framework/File.h"
#include "framework/FileDialog.h"
#include "framework/FileException.h"
#include "framework/StdioFile.h"

#endif
