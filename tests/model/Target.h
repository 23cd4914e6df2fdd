// A treetarget helper process (tests/helpers/treetarget.cpp) started by a
// test, and what it reports of itself: its priority class, its threads'
// priorities and exit codes, and its windows' visibility.
#ifndef KORV_TESTS_MODEL_TARGET_H
#define KORV_TESTS_MODEL_TARGET_H

#include <windows.h>
#include <memory>
#include <string>
#include <vector>

#include "support/bench.h"

struct TargetReport {
    struct Thread {
        int index;  // -1: the main thread; 0...: the workers
        DWORD tid;
        int priority;
        DWORD exitCode;  // STILL_ACTIVE while it runs
    };
    struct Window {
        HWND hwnd;
        DWORD tid;
        bool visible;
        std::string title;
    };
    int seq = 0;
    DWORD pid = 0;
    DWORD priorityClass = 0;
    std::vector<Thread> threads;
    std::vector<Window> windows;

    const Thread* Worker(int index) const;
    // The window titled "tt<pid>-<name>", e.g. Win("0-1") for worker 0's
    // second window, Win("ctl"), Win("dlg").
    const Window* Win(const std::string& name) const;
    // The window with exactly this title (the dialog's "Press" and "edit").
    const Window* Titled(const std::string& title) const;
};

class Target {
public:
    ~Target();
    // Starts treetarget with the given options and waits for its first report.
    bool Start(const std::string& args, DWORD timeoutMs = 15000);
    // The report written at start, or the latest one asked for.
    const TargetReport& Last() const { return last_; }
    // Asks for a fresh report and waits for it.
    bool Refresh(DWORD timeoutMs = 5000);
    // Makes the worker that owns window w create one more window; waits for
    // the report that follows.
    bool AddWindow(HWND w, DWORD timeoutMs = 5000);
    // "tt<pid>-": the start of every title of this target's windows.
    std::string Prefix() const;
    DWORD Pid() const { return last_.pid; }
    bench::ChildProcess* Process() { return proc_.get(); }
    // Ends the process (if it still runs) and closes our handles to it;
    // true once its id no longer opens a process (waits up to 5 s).
    bool EndAndForget();

private:
    bool WaitForSeq(int seq, DWORD timeoutMs);
    std::unique_ptr<bench::ChildProcess> proc_;
    std::string file_;
    TargetReport last_;
};

// Parses a report's text; seq 0 when it is incomplete.
TargetReport ParseTargetReport(const std::string& text);

#endif
