#include "support/bench.h"

namespace bench {

static void PumpOnce()
{
    MSG msg;
    while (PeekMessageA(&msg, NULL, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}

bool WaitFor(const std::function<bool()>& cond, DWORD timeoutMs)
{
    const DWORD start = GetTickCount();
    for (;;) {
        PumpOnce();
        if (cond())
            return true;
        if (GetTickCount() - start >= timeoutMs)
            return cond();
        MsgWaitForMultipleObjects(0, NULL, FALSE, 10, QS_ALLINPUT);
    }
}

void Pump(DWORD ms)
{
    const DWORD start = GetTickCount();
    do {
        PumpOnce();
        MsgWaitForMultipleObjects(0, NULL, FALSE, 10, QS_ALLINPUT);
    } while (GetTickCount() - start < ms);
}

}  // namespace bench
