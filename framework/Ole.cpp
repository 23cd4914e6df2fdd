#include "framework/Ole.h"

#include <cstdlib>

#include <ole2.h>

namespace {

bool g_bOleInitialized;

void OleTerm()
{
    if (g_bOleInitialized) {
        g_bOleInitialized = false;
        ::OleUninitialize();
    }
}

} // namespace

BOOL AfxOleInit()
{
    if (g_bOleInitialized)
        return TRUE;
    if (FAILED(::OleInitialize(nullptr)))
        return FALSE;
    g_bOleInitialized = true;
    atexit(OleTerm);
    return TRUE;
}

void AfxEnableControlContainer()
{
}
