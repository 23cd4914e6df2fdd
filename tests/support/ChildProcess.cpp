#include "support/bench.h"

namespace bench {

std::string ExeDir()
{
    char path[MAX_PATH] = {};
    GetModuleFileNameA(NULL, path, MAX_PATH);
    std::string s = path;
    return s.substr(0, s.find_last_of('\\') + 1);
}

std::string TempDir(const std::string& name)
{
    char tmp[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, tmp);
    std::string dir = std::string(tmp) + "korv-" + name + "-" + std::to_string(GetCurrentProcessId()) + "\\";
    CreateDirectoryA(dir.c_str(), NULL);
    // Empty it: a test wants a fresh folder.
    WIN32_FIND_DATAA fd;
    HANDLE h = FindFirstFileA((dir + "*").c_str(), &fd);
    if (h != INVALID_HANDLE_VALUE) {
        do {
            if (!(fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) {
                SetFileAttributesA((dir + fd.cFileName).c_str(), FILE_ATTRIBUTE_NORMAL);
                DeleteFileA((dir + fd.cFileName).c_str());
            }
        } while (FindNextFileA(h, &fd));
        FindClose(h);
    }
    return dir;
}

std::string ReadFileBytes(const std::string& path)
{
    HANDLE f = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, NULL, OPEN_EXISTING, 0, NULL);
    if (f == INVALID_HANDLE_VALUE)
        return std::string();
    std::string out;
    char buf[4096];
    DWORD got = 0;
    while (ReadFile(f, buf, sizeof buf, &got, NULL) && got > 0)
        out.append(buf, got);
    CloseHandle(f);
    return out;
}

bool WriteFileBytes(const std::string& path, const std::string& bytes)
{
    HANDLE f = CreateFileA(path.c_str(), GENERIC_WRITE, 0, NULL, CREATE_ALWAYS, 0, NULL);
    if (f == INVALID_HANDLE_VALUE)
        return false;
    DWORD put = 0;
    BOOL ok = WriteFile(f, bytes.data(), (DWORD)bytes.size(), &put, NULL) && put == bytes.size();
    CloseHandle(f);
    return ok;
}

ChildProcess::~ChildProcess()
{
    if (pi_.hProcess) {
        if (Running()) Kill();
        CloseHandle(pi_.hProcess);
        CloseHandle(pi_.hThread);
    }
}

bool ChildProcess::Start(const std::string& exe, const std::string& args, const std::string& cwd,
                         const std::string& desktop)
{
    std::string path = exe.find('\\') == std::string::npos && exe.find(':') == std::string::npos ? ExeDir() + exe : exe;
    std::string cmd = "\"" + path + "\"" + (args.empty() ? "" : " " + args);
    STARTUPINFOA si = {};
    si.cb = sizeof si;
    std::string desk = desktop;
    if (!desk.empty()) si.lpDesktop = &desk[0];
    return CreateProcessA(path.c_str(), &cmd[0], NULL, NULL, FALSE, 0, NULL,
                          cwd.empty() ? NULL : cwd.c_str(), &si, &pi_) != FALSE;
}

bool ChildProcess::Running() const
{
    return pi_.hProcess && WaitForSingleObject(pi_.hProcess, 0) == WAIT_TIMEOUT;
}

bool ChildProcess::WaitExit(DWORD timeoutMs, DWORD* exitCode)
{
    if (!pi_.hProcess) return false;
    bool done = WaitFor([&] { return !Running(); }, timeoutMs);
    if (done && exitCode) GetExitCodeProcess(pi_.hProcess, exitCode);
    return done;
}

void ChildProcess::Kill()
{
    if (pi_.hProcess) {
        TerminateProcess(pi_.hProcess, 1);
        WaitForSingleObject(pi_.hProcess, 5000);
    }
}

}  // namespace bench
