// walkthrough: walks Korvane's main gestures with the real mouse on a Wine
// desktop and saves a screenshot of each step, for a user without a display.
//   walkthrough UNIX_FOLDER
// Korvane must be running on the same desktop. Uses xdotool and ImageMagick's
// import on the X display.
#include <windows.h>
#include <cstdio>
#include <string>

#include "support/bench.h"

static std::string g_dir;
static int g_failures = 0;

// What the walk did, also into walk.log in the folder (explorer gives the
// program no console).
static void Log(const std::string& line)
{
    printf("%s\n", line.c_str());
    fflush(stdout);
    std::string path = "Z:" + g_dir + "/walk.log";
    for (char& c : path) if (c == '/') c = '\\';
    if (FILE* f = fopen(path.c_str(), "ab")) {
        fprintf(f, "%s\n", line.c_str());
        fclose(f);
    }
}

static void Shot(const char* name, const char* what)
{
    bench::Pump(700);  // let the windows paint
    std::string path = g_dir + "/" + name;
    bool ok = bench::RunUnix("import -window root " + path);
    Log(std::string(name) + ": " + what + (ok ? "" : "  (screenshot failed)"));
}

static void Step(bool ok, const char* failure)
{
    if (!ok) {
        Log(std::string("failed: ") + failure);
        ++g_failures;
    }
}

int main(int argc, char** argv)
{
    if (argc < 2) {
        printf("usage: walkthrough UNIX_FOLDER\n");
        return 2;
    }
    g_dir = argv[1];
    // Map the hook library to read its shared words (when the popup shows).
    LoadLibraryA("korvhook.dll");
    HWND start = NULL;
    Step(bench::WaitFor([&] { return (start = bench::StartButton()) != NULL; }, 30000), "no taskbar");
    Step(bench::WaitFor([] { return bench::HookState() && bench::HookState()->notifyWnd != 0; }, 30000),
         "Korvane did not install its hooks");
    if (g_failures) {
        bench::RunUnix("echo " + std::to_string(g_failures) + " > " + g_dir + "/done");
        return 1;
    }

    Shot("01-started.png", "Korvane started (no window of its own; the tip on a first start)");

    RECT s = bench::WindowRect(start);
    const int y = (s.top + s.bottom) / 2;
    bench::MouseMove(s.left + 6, y);
    bench::MouseMove(s.left + 7, y);
    Shot("02-mouse-over-start.png", "the mouse over the Start button's left half");

    bench::MouseClick(s.left + 7, y);
    Step(bench::WaitFor([] { return bench::HookState()->treeVis != 0; }, 20000), "the popup did not open");
    Shot("03-popup.png", "a left click there: the tree of processes, threads and windows");

    volatile bench::HookWords* h = bench::HookState();
    POINT inTree = {h->treeLeft + 60, h->treeTop + 40};
    HWND popup = GetAncestor(WindowFromPoint(inTree), GA_ROOT);
    HWND tree = GetDlgItem(popup, 1001);
    RECT t = bench::WindowRect(tree);
    bench::MouseClick(t.left + 60, t.top + 10, 3);
    Shot("04-item-menu.png", "a right click on an item: its menu");
    bench::KeyPress("Escape");

    HWND help = GetDlgItem(popup, 1012);
    RECT r = bench::WindowRect(help);
    Step(help != NULL, "no help button");
    bench::MouseClick((r.left + r.right) / 2, (r.top + r.bottom) / 2);
    Shot("05-help-menu.png", "the help button: contact and donation");
    bench::KeyPress("Escape");

    // A menu closed with the keyboard leaves the hook library's menu flag
    // set: the first press elsewhere only clears it, the second hides.
    bench::MouseClick(700, 200);
    bench::MouseClick(700, 200);
    Step(bench::WaitFor([] { return bench::HookState()->treeVis == 0; }, 5000), "a click elsewhere did not hide the popup");
    Shot("06-hidden-again.png", "a click elsewhere hides the popup");
    // Tell whoever waits for us how it went.
    bench::RunUnix("echo " + std::to_string(g_failures) + " > " + g_dir + "/done");
    return g_failures ? 1 : 0;
}
