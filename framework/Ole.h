// OLE start-up for the application.
#ifndef KORV_FW_OLE_H
#define KORV_FW_OLE_H

#include "framework/Platform.h"

// Initialises OLE for this thread (uninitialised again at exit); TRUE on success.
BOOL AfxOleInit();
// Hosting of ActiveX controls needs nothing more in this framework.
void AfxEnableControlContainer();

#endif
