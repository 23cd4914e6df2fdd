#include "model/Target.h"

#include <cstdlib>
#include <sstream>

const TargetReport::Thread* TargetReport::Worker(int index) const
{
    for (const Thread& t : threads)
        if (t.index == index)
            return &t;
    return nullptr;
}

const TargetReport::Window* TargetReport::Win(const std::string& name) const
{
    return Titled("tt" + std::to_string(pid) + "-" + name);
}

const TargetReport::Window* TargetReport::Titled(const std::string& title) const
{
    for (const Window& w : windows)
        if (w.title == title)
            return &w;
    return nullptr;
}

TargetReport ParseTargetReport(const std::string& text)
{
    TargetReport r;
    std::istringstream in(text);
    std::string line;
    bool ended = false;
    while (std::getline(in, line)) {
        std::istringstream ls(line);
        std::string key;
        ls >> key;
        if (key == "seq") {
            ls >> r.seq;
        } else if (key == "pid") {
            ls >> r.pid;
        } else if (key == "class") {
            ls >> std::hex >> r.priorityClass;
        } else if (key == "thread") {
            TargetReport::Thread t = {};
            ls >> t.index >> t.tid >> t.priority >> t.exitCode;
            r.threads.push_back(t);
        } else if (key == "window") {
            std::string hex;
            TargetReport::Window w = {};
            int vis = 0;
            ls >> hex >> w.tid >> vis;
            w.hwnd = (HWND)(UINT_PTR)strtoul(hex.c_str(), nullptr, 16);
            w.visible = vis != 0;
            std::getline(ls, w.title);
            if (!w.title.empty() && w.title[0] == ' ')
                w.title.erase(0, 1);
            r.windows.push_back(w);
        } else if (key == "end") {
            ended = true;
        }
    }
    if (!ended)
        r.seq = 0;
    return r;
}

Target::~Target()
{
    proc_.reset();
}

bool Target::Start(const std::string& args, DWORD timeoutMs)
{
    static int counter = 0;
    file_ = bench::TempDir("target") + "report" + std::to_string(++counter) + ".txt";
    DeleteFileA(file_.c_str());
    proc_.reset(new bench::ChildProcess);
    if (!proc_->Start("treetarget.exe", "--out \"" + file_ + "\" " + args))
        return false;
    return WaitForSeq(1, timeoutMs);
}

bool Target::WaitForSeq(int seq, DWORD timeoutMs)
{
    return bench::WaitFor(
        [&] {
            TargetReport r = ParseTargetReport(bench::ReadFileBytes(file_));
            if (r.seq < seq)
                return false;
            last_ = r;
            return true;
        },
        timeoutMs);
}

bool Target::Refresh(DWORD timeoutMs)
{
    const TargetReport::Window* ctl = last_.Win("ctl");
    if (!ctl || !proc_ || !proc_->Running())
        return false;
    PostMessageA(ctl->hwnd, RegisterWindowMessageA("KorvTargetReport"), 0, 0);
    return WaitForSeq(last_.seq + 1, timeoutMs);
}

bool Target::AddWindow(HWND w, DWORD timeoutMs)
{
    PostMessageA(w, RegisterWindowMessageA("KorvTargetAddWindow"), 0, 0);
    return WaitForSeq(last_.seq + 1, timeoutMs);
}

std::string Target::Prefix() const
{
    return "tt" + std::to_string(last_.pid) + "-";
}

bool Target::EndAndForget()
{
    proc_.reset();  // ends it if it runs, closes the handles
    const DWORD pid = last_.pid;
    return bench::WaitFor([pid] {
        HANDLE p = OpenProcess(PROCESS_QUERY_INFORMATION, FALSE, pid);
        if (p)
            CloseHandle(p);
        return p == nullptr;
    });
}
