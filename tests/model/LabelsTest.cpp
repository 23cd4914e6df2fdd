// Item labels and images: the formats with their 8-digit ids, and the items
// a real build makes for windows of this test's own threads.
#include <gtest/gtest.h>

#include <algorithm>
#include <condition_variable>
#include <mutex>
#include <string>
#include <thread>

#include "model/Labels.h"
#include "model/TreeDump.h"
#include "support/MainFrameFixture.h"

TEST(Labels, FormatsWriteIdsAsEightUpperCaseHexDigits)
{
    PROCESSENTRY32 pe = {};
    pe.th32ProcessID = 420;
    strcpy(pe.szExeFile, "my app.exe");
    THREADENTRY32 te = {};
    te.th32ThreadID = 0;
    THREADENTRY32 te2 = {};
    te2.th32ThreadID = 0xFFFFFFFF;

    struct Case {
        CString label;
        const char* expected;
    } cases[] = {
        {IdText(420), "000001A4"},
        {IdText((DWORD)0xabcdef), "00ABCDEF"},
        {IdText((HWND)(UINT_PTR)0x1002C), "0001002C"},
        {ProcessLabel(pe), "Process: 000001A4 - my app.exe"},
        {ThreadLabel(te), "Thread: 00000000"},
        {ThreadLabel(te2), "Thread: FFFFFFFF"},
        {WindowLabel((HWND)(UINT_PTR)0x1002C, "Untitled - Notepad", "Notepad"),
         "Window: 0001002C \"Untitled - Notepad\" Notepad"},
        // An empty title: the quotes stay, and a blank still precedes the class.
        {WindowLabel((HWND)(UINT_PTR)0x1002C, "", "Edit"), "Window: 0001002C \"\" Edit"},
    };
    for (const Case& c : cases)
        EXPECT_STREQ((const char*)c.label, c.expected);
}

namespace {

LRESULT CALLBACK PlainProc(HWND w, UINT m, WPARAM wp, LPARAM lp) { return DefWindowProcA(w, m, wp, lp); }

HWND MakeWindow(const char* title, DWORD style, HWND parent = nullptr)
{
    static bool registered = false;
    if (!registered) {
        WNDCLASSA wc = {};
        wc.lpfnWndProc = PlainProc;
        wc.lpszClassName = "KorvLabelWnd";
        RegisterClassA(&wc);
        registered = true;
    }
    return CreateWindowExA(0, "KorvLabelWnd", title, style, 600, 400, 120, 80, parent, nullptr, nullptr, nullptr);
}

}  // namespace

// Windows of this thread, as a build lists them under this thread's item:
// label from the title and class of the moment, image by visibility.
TEST_F(MainFrameTest, BuiltWindowItemsShowTitleClassAndVisibility)
{
    const std::string longTitle(300, 'x');
    HWND visible = MakeWindow("Korv visible", WS_POPUP | WS_VISIBLE);
    HWND hidden = MakeWindow("Korv hidden", WS_POPUP);
    HWND untitled = MakeWindow("", WS_POPUP | WS_VISIBLE);
    HWND longOne = MakeWindow(longTitle.c_str(), WS_POPUP);
    HWND child = MakeWindow("Korv child", WS_CHILD | WS_VISIBLE, visible);
    ASSERT_TRUE(visible && hidden && untitled && longOne && child);

    // A second thread that owns no window.
    std::mutex m;
    std::condition_variable cv;
    bool stop = false;
    DWORD idleTid = 0;
    std::thread idle([&] {
        std::unique_lock<std::mutex> lock(m);
        idleTid = GetCurrentThreadId();
        cv.notify_all();
        cv.wait(lock, [&] { return stop; });
    });
    {
        std::unique_lock<std::mutex> lock(m);
        cv.wait(lock, [&] { return idleTid != 0; });
    }

    frame->RebuildTree();

    HWND t = tree().m_hWnd;
    HTREEITEM proc = FindChild(t, nullptr, "Process: " + Hex8(GetCurrentProcessId()) + " - ");
    ASSERT_NE(proc, nullptr);
    HTREEITEM me = FindChild(t, proc, "Thread: " + Hex8(GetCurrentThreadId()));
    ASSERT_NE(me, nullptr);
    EXPECT_EQ(ReadItem(t, me, 0).image, 1);
    EXPECT_EQ(ReadItem(t, proc, 0).image, 0);
    std::vector<ItemRow> rows = DumpChildren(t, me);

    struct Case {
        HWND w;
        std::string label;
        int image;
    } cases[] = {
        {visible, "Window: " + Hex8((UINT_PTR)visible) + " \"Korv visible\" KorvLabelWnd", 2},
        {child, "Window: " + Hex8((UINT_PTR)child) + " \"Korv child\" KorvLabelWnd", 2},
        {hidden, "Window: " + Hex8((UINT_PTR)hidden) + " \"Korv hidden\" KorvLabelWnd", 3},
        {untitled, "Window: " + Hex8((UINT_PTR)untitled) + " \"\" KorvLabelWnd", 2},
        // At most 255 characters of a title.
        {longOne, "Window: " + Hex8((UINT_PTR)longOne) + " \"" + std::string(255, 'x') + "\" KorvLabelWnd", 3},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        ItemRow expected{0, c.label, c.image, c.image, 0};
        EXPECT_NE(std::find(rows.begin(), rows.end(), expected), rows.end());
    }
    // The child comes right after its parent.
    auto v = std::find_if(rows.begin(), rows.end(), [&](const ItemRow& r) { return r.text == cases[0].label; });
    ASSERT_NE(v, rows.end());
    ASSERT_NE(v + 1, rows.end());
    EXPECT_EQ((v + 1)->text, cases[1].label);

    HTREEITEM idleItem = FindChild(t, proc, "Thread: " + Hex8(idleTid));
    ASSERT_NE(idleItem, nullptr);
    EXPECT_TRUE(Children(t, idleItem).empty());

    {
        std::lock_guard<std::mutex> lock(m);
        stop = true;
    }
    cv.notify_all();
    idle.join();
    for (HWND w : {child, visible, hidden, untitled, longOne})
        DestroyWindow(w);
}
