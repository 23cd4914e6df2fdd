// How many GDI and USER objects a process holds. GetGuiResources where the
// system counts them; where it does not (it returns 0, as under Wine), the
// GDI objects are counted in the process's own GDI handle table (the PEB's
// GdiSharedHandleTable, read from the other process) and the USER objects
// as the process's windows, top-level and child.
#ifndef KORV_TESTS_ROBUSTNESS_GUIOBJECTS_H
#define KORV_TESTS_ROBUSTNESS_GUIOBJECTS_H

#include <windows.h>

namespace robust {

struct GuiObjects {
    long gdi = -1;   // -1: could not be counted
    long user = -1;
    bool fromSystem = false;  // both figures come from GetGuiResources
};

GuiObjects CountGuiObjects(HANDLE process, DWORD pid);

}  // namespace robust

#endif
