// The one application object of Korvane.exe.
#include "app/QuillanApp.h"

CQuillanApp theApp;
