// The texts and images of the tree items.
#include "model/Labels.h"

CString IdText(DWORD value)
{
    CString text;
    text.Format("%08X", (unsigned)value);
    return text;
}

CString IdText(HWND hWnd)
{
    return IdText((DWORD)(UINT_PTR)hWnd);
}

CString ProcessLabel(const PROCESSENTRY32& pe)
{
    CString label;
    label.Format("Process: %s - %s", (const char*)IdText(pe.th32ProcessID), pe.szExeFile);
    return label;
}

CString ThreadLabel(const THREADENTRY32& te)
{
    CString label;
    label.Format("Thread: %s", (const char*)IdText(te.th32ThreadID));
    return label;
}

CString WindowLabel(HWND hWnd, const char* pszTitle, const char* pszClass)
{
    CString label;
    label.Format("Window: %s \"%s\" %s", (const char*)IdText(hWnd), pszTitle, pszClass);
    return label;
}

CString WindowLabelNow(HWND hWnd)
{
    char szTitle[256];
    char szClass[256];
    szTitle[0] = '\0';
    szClass[0] = '\0';
    ::GetWindowTextA(hWnd, szTitle, sizeof szTitle);
    ::RealGetWindowClassA(hWnd, szClass, sizeof szClass);
    szTitle[sizeof szTitle - 1] = '\0';
    szClass[sizeof szClass - 1] = '\0';
    return WindowLabel(hWnd, szTitle, szClass);
}

int WindowImage(HWND hWnd)
{
    return ::IsWindowVisible(hWnd) ? IMAGE_WINDOW : IMAGE_WINDOW_HIDDEN;
}
