// Times a rebuild of the process tree: the program's one-pass build against
// the per-process reference walk (a whole-system thread
// snapshot per process, a whole-desktop window walk per thread), on the same
// desktop, for several numbers of helper processes (N) x worker threads
// each (M) x windows per worker (K). Both rebuild the real popup of a real
// main frame: clear, fill, size and place. Prints a table and the ratio.
//
//   bench_rebuild [N,M,K ...]      default: 2,2,2 4,3,4 6,4,6 8,4,8
//
// Needs the bench's desktop with its taskbar (the main frame hooks the
// Start button) and treetarget.exe beside it.
#include <windows.h>
#include <algorithm>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "frame/MainFrm.h"
#include "hooklib/korvhook.h"
#include "model/ReferenceWalk.h"
#include "model/TreeFill.h"
#include "model/Target.h"
#include "res/resource.h"

namespace {

double Now()
{
    LARGE_INTEGER f, c;
    QueryPerformanceFrequency(&f);
    QueryPerformanceCounter(&c);
    return double(c.QuadPart) * 1000.0 / double(f.QuadPart);
}

void Clear(CMainFrame* frame)
{
    frame->m_dlgTree.m_tree.DeleteAllItems();
    frame->ProcessList.RemoveAll();
    frame->ThreadList.RemoveAll();
    frame->WindowList.RemoveAll();
}

// The rebuild with the per-process reference walk: the same steps around the fill.
void ReferenceRebuild(CMainFrame* frame)
{
    Clear(frame);
    setTreeVis(0);
    frame->m_dlgTree.ShowWindow(SW_HIDE);
    ReferenceFill(frame->m_dlgTree.m_tree.m_hWnd, frame->ProcessList, frame->ThreadList, frame->WindowList);
    frame->SizeAndPlacePopup();
}

template <class F>
double MedianMs(int runs, F f)
{
    std::vector<double> t;
    for (int i = 0; i < runs; ++i) {
        double a = Now();
        f();
        t.push_back(Now() - a);
        bench::Pump(50);
    }
    std::sort(t.begin(), t.end());
    return t[t.size() / 2];
}

struct Size {
    int n, m, k;
};

}  // namespace

int main(int argc, char** argv)
{
    std::vector<Size> sizes;
    for (int i = 1; i < argc; ++i) {
        Size s = {};
        if (sscanf(argv[i], "%d,%d,%d", &s.n, &s.m, &s.k) == 3)
            sizes.push_back(s);
    }
    if (sizes.empty())
        sizes = {{2, 2, 2}, {4, 3, 4}, {6, 4, 6}, {8, 4, 8}};

    CMainFrame* frame = new CMainFrame;
    if (!frame->LoadFrame(IDR_MAINFRAME, WS_OVERLAPPEDWINDOW, nullptr, nullptr)) {
        printf("the main frame could not be created (no taskbar?)\n");
        return 1;
    }
    frame->ShowWindow(SW_HIDE);

    printf("Rebuild of the process tree: the per-process reference walk vs the one-pass build, in ms,\n"
           "median of runs. \"fill\": the snapshots, the window walk and the inserts; \"rebuild\": the\n"
           "whole RebuildTree, with clearing, sizing and placing the popup (the same in both).\n\n");
    printf("               |                       | fill                         | rebuild\n");
    printf("   N x  M x  K | procs threads windows |       ref  one-pass   ratio  |       ref  one-pass   ratio\n");
    printf("---------------+-----------------------+------------------------------+-----------------------------\n");
    for (const Size& s : sizes) {
        std::vector<std::unique_ptr<Target>> targets;
        bool ok = true;
        for (int i = 0; i < s.n && ok; ++i) {
            targets.emplace_back(new Target);
            ok = targets.back()->Start("--threads " + std::to_string(s.m) + " --windows " + std::to_string(s.k), 60000);
        }
        if (!ok) {
            printf("%4d x %2d x %2d | helpers did not start\n", s.n, s.m, s.k);
            continue;
        }
        bench::Pump(500);

        frame->RebuildTree();  // warm up
        const double ours = MedianMs(5, [&] { frame->RebuildTree(); });
        const INT_PTR processes = frame->ProcessList.GetSize(), threads = frame->ThreadList.GetSize(),
                      windows = frame->WindowList.GetSize();
        const double oursFill = MedianMs(5, [&] {
            Clear(frame);
            FillProcessTree(frame->m_dlgTree.m_tree, frame->ProcessList, frame->ThreadList, frame->WindowList);
        });
        const double reference = MedianMs(3, [&] { ReferenceRebuild(frame); });
        const double referenceFill = MedianMs(3, [&] {
            Clear(frame);
            ReferenceFill(frame->m_dlgTree.m_tree.m_hWnd, frame->ProcessList, frame->ThreadList, frame->WindowList);
        });
        printf("%4d x %2d x %2d | %5d %7d %7d | %9.1f %9.1f %6.1fx  | %9.1f %9.1f %6.1fx\n", s.n, s.m, s.k,
               (int)processes, (int)threads, (int)windows, referenceFill, oursFill, referenceFill / oursFill,
               reference, ours, reference / ours);
        fflush(stdout);
    }
    frame->DestroyWindow();
    return 0;
}
