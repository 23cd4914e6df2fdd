// Fills the tree and the three record lists with every process, its threads
// and the windows of each thread, in one pass over one process snapshot,
// one thread snapshot and one walk of the window hierarchy.
//
// The result is the tree that walking a fresh thread snapshot per process
// and the whole window hierarchy per thread gives (see AddThreadWindows):
// processes in snapshot order, each process's threads in snapshot order,
// each thread's windows in depth-first pre-order of the hierarchy, siblings
// from the top of the Z order. Only the cost differs: it grows with
// processes + threads + windows instead of their products.
#ifndef KORV_MODEL_TREEFILL_H
#define KORV_MODEL_TREEFILL_H

#include "framework/fw.h"
#include "model/RecordLists.h"

// The tree and the lists are expected to be empty; items and entries are
// appended.
void FillProcessTree(CTreeCtrl& tree, CProcessList& processes, CThreadList& threads, CWindowList& windows);

#endif
