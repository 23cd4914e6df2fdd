// A real main frame in the test process (see MainFrameFixture.h) with the
// lookups of items by what they name.
#ifndef KORV_TESTS_ACTIONS_ACTIONFIXTURE_H
#define KORV_TESTS_ACTIONS_ACTIONFIXTURE_H

#include <cstdio>
#include <string>

#include "actions/MenuDriver.h"
#include "model/Target.h"
#include "model/TreeDump.h"
#include "support/MainFrameFixture.h"

class ActionTest : public MainFrameTest {
protected:
    HWND Tree() { return tree().m_hWnd; }
    HTREEITEM ProcessItem(DWORD pid) { return FindChild(Tree(), nullptr, "Process: " + Hex8(pid) + " - "); }
    HTREEITEM ThreadItem(DWORD pid, DWORD tid) { return FindChild(Tree(), ProcessItem(pid), "Thread: " + Hex8(tid)); }
    HTREEITEM WindowItem(DWORD pid, DWORD tid, HWND w)
    {
        return FindChild(Tree(), ThreadItem(pid, tid), "Window: " + Hex8((UINT_PTR)w));
    }
    // Every process item finds its own record, at its own place.
    void ExpectEveryProcessItemFindsItsRecord()
    {
        int pos = 0;
        for (HTREEITEM p : Children(Tree(), nullptr)) {
            std::string label = ItemText(Tree(), p);
            int index = -1;
            HANDLE h = frame->ItemToProcess(p, &index);
            EXPECT_EQ(index, pos) << label;
            if (h)
                CloseHandle(h);
            ++pos;
        }
        EXPECT_EQ(pos, frame->ProcessList.GetSize());
    }
    void ExpectEveryThreadItemFindsItsRecord()
    {
        int pos = 0;
        for (HTREEITEM p : Children(Tree(), nullptr))
            for (HTREEITEM t : Children(Tree(), p)) {
                int index = -1;
                HANDLE h = frame->ItemToThread(t, &index);
                EXPECT_EQ(index, pos) << ItemText(Tree(), t);
                if (h)
                    CloseHandle(h);
                ++pos;
            }
        EXPECT_EQ(pos, frame->ThreadList.GetSize());
    }
    // The expected code of a system call on a handle that a lookup could
    // not open.
    template <class F>
    static DWORD CodeOfCallWithoutHandle(F f)
    {
        SetLastError(0);
        f();
        return GetLastError();
    }
};

#endif
